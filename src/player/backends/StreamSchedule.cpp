#include "player/backends/StreamSchedule.h"

namespace arvento::player {

bool StreamSchedule::Submit(std::span<const StreamEvent> events, Time now) {
  if (queued_)
    return false;
  buffer_.assign(events.begin(), events.end());
  queued_ = true;
  next_ = 0;
  elapsed_ = 0;
  start_ = now;
  return true;
}

void StreamSchedule::Restart(Time now) {
  if (running_)
    return;
  running_ = true;
  start_ = now;
}

bool StreamSchedule::Stop() {
  running_ = false;
  const bool returned = queued_;
  queued_ = false;
  return returned;
}

void StreamSchedule::Release() {
  if (!queued_)
    buffer_.clear();
}

std::optional<StreamSchedule::Time> StreamSchedule::NextDue() const {
  if (!running_ || !queued_)
    return std::nullopt;
  return next_ < buffer_.size() ? DueTime(next_)
                                : start_ + Time(elapsed_ * kMicrosecondsPerQuarter / division_);
}

StreamSchedule::Time StreamSchedule::DueTime(std::size_t index) const {
  const std::uint64_t ticks = elapsed_ + buffer_[index].deltaTime;
  return start_ + Time(ticks * kMicrosecondsPerQuarter / division_);
}

} // namespace arvento::player
