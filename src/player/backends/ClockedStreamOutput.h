#pragma once

#include "player/MidiStreamOutput.h"
#include "player/UiThread.h"
#include "player/backends/StreamSchedule.h"

#include <chrono>
#include <mutex>
#include <optional>

namespace arvento::player {

// The stream state shared by the back ends: each one gives a clock, a way to
// send a short message and a device to open; this class keeps the queued
// buffer and posts the notifications to the UI thread.
class ClockedStreamOutput : public MidiStreamOutput {
public:
  bool Open(std::uint32_t device, NotificationSink sink) override;
  bool SetTimeDivision(std::uint32_t ticksPerQuarter) override;
  bool Submit(std::span<const StreamEvent> events) override;
  bool Restart() override;
  bool Stop() override;
  void Reset() override;
  void Release() override;
  void Close() override;

protected:
  explicit ClockedStreamOutput(UiThread ui) : ui_(std::move(ui)) {}

  // Plays what the back end's clock says is due; called by the back end's
  // timing (an audio callback, a timer thread, a test's hand).
  void PlayDue();
  std::optional<std::chrono::microseconds> NextDue();

  // The back end's part. All are called with the stream's lock held.
  virtual bool OpenDevice(std::uint32_t device) = 0;
  virtual void CloseDevice() = 0;
  virtual void Send(std::uint32_t shortMessage) = 0;
  // Sustain off and all notes off on every channel.
  virtual void Silence() = 0;
  virtual std::chrono::microseconds Now() const = 0;
  // Posts the notification to the stream's sink on the UI thread.
  virtual void Notify(StreamNotification notification);
  // Something new may be due: a back end with a timer of its own wakes it.
  virtual void ScheduleChanged() {}

private:
  // Under the stream's lock and only while the stream is open: makes the
  // change, and when it succeeds tells the back end that the schedule moved.
  template <class Change> bool ChangeOpenSchedule(Change change);

  UiThread ui_;
  std::mutex mutex_;
  StreamSchedule schedule_;
  NotificationSink sink_;
  bool open_ = false;
};

} // namespace arvento::player
