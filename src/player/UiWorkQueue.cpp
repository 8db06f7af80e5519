#include "player/UiWorkQueue.h"

namespace arvento::player {

void UiWorkQueue::Post(std::function<void()> work) {
  const std::lock_guard lock(mutex_);
  queue_.push_back(std::move(work));
}

void UiWorkQueue::ProcessPending() {
  for (;;) {
    std::function<void()> work;
    {
      const std::lock_guard lock(mutex_);
      if (queue_.empty())
        return;
      work = std::move(queue_.front());
      queue_.pop_front();
    }
    work();
  }
}

UiThread UiWorkQueue::Thread() {
  return {[this](std::function<void()> work) { Post(std::move(work)); }, [this] { ProcessPending(); }};
}

} // namespace arvento::player
