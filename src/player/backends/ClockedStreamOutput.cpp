#include "player/backends/ClockedStreamOutput.h"

namespace arvento::player {

bool ClockedStreamOutput::Open(std::uint32_t device, NotificationSink sink) {
  const std::lock_guard lock(mutex_);
  if (open_ || !OpenDevice(device))
    return false;
  open_ = true;
  sink_ = std::move(sink);
  schedule_ = StreamSchedule();
  Notify(StreamNotification::Open);
  return true;
}

bool ClockedStreamOutput::SetTimeDivision(std::uint32_t ticksPerQuarter) {
  const std::lock_guard lock(mutex_);
  if (!open_ || ticksPerQuarter == 0)
    return false;
  schedule_.SetDivision(ticksPerQuarter);
  return true;
}

template <class Change> bool ClockedStreamOutput::ChangeOpenSchedule(Change change) {
  const std::lock_guard lock(mutex_);
  if (!open_ || !change())
    return false;
  ScheduleChanged();
  return true;
}

bool ClockedStreamOutput::Submit(std::span<const StreamEvent> events) {
  return ChangeOpenSchedule([&] { return schedule_.Submit(events, Now()); });
}

bool ClockedStreamOutput::Restart() {
  return ChangeOpenSchedule([&] {
    schedule_.Restart(Now());
    return true;
  });
}

bool ClockedStreamOutput::Stop() {
  return ChangeOpenSchedule([&] {
    const bool returned = schedule_.Stop();
    Silence();
    if (returned)
      Notify(StreamNotification::Done);
    return true;
  });
}

void ClockedStreamOutput::Reset() {
  const std::lock_guard lock(mutex_);
  if (open_)
    Silence();
}

void ClockedStreamOutput::Release() {
  const std::lock_guard lock(mutex_);
  schedule_.Release();
}

void ClockedStreamOutput::Close() {
  const std::lock_guard lock(mutex_);
  if (!open_)
    return;
  if (schedule_.Stop())
    Notify(StreamNotification::Done);
  schedule_.Release();
  CloseDevice();
  open_ = false;
  Notify(StreamNotification::Close);
  sink_ = nullptr;
  ScheduleChanged();
}

void ClockedStreamOutput::PlayDue() {
  const std::lock_guard lock(mutex_);
  if (!open_)
    return;
  schedule_.PlayDue(
      Now(), [this](std::uint32_t message) { Send(message); },
      [this] { Notify(StreamNotification::Position); }, [this] { Notify(StreamNotification::Done); });
}

std::optional<std::chrono::microseconds> ClockedStreamOutput::NextDue() {
  const std::lock_guard lock(mutex_);
  return open_ ? schedule_.NextDue() : std::nullopt;
}

void ClockedStreamOutput::Notify(StreamNotification notification) {
  if (sink_)
    ui_.post([sink = sink_, notification] { sink(notification); });
}

} // namespace arvento::player
