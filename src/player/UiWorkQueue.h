#pragma once

#include "player/UiThread.h"

#include <deque>
#include <functional>
#include <mutex>

namespace arvento::player {

// A UI thread for owners without a window system (the command line, tests,
// benchmarks): posted work waits in a queue until the owning thread
// processes it.
class UiWorkQueue {
public:
  UiWorkQueue() = default;
  UiWorkQueue(const UiWorkQueue&) = delete;
  UiWorkQueue& operator=(const UiWorkQueue&) = delete;

  void Post(std::function<void()> work);
  // Runs queued work, including work posted while it runs, until the queue is empty.
  void ProcessPending();
  // The queue as a UiThread; the queue must outlive every user of it.
  UiThread Thread();

private:
  std::mutex mutex_;
  std::deque<std::function<void()>> queue_;
};

} // namespace arvento::player
