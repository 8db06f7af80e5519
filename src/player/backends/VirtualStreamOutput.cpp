#include "player/backends/VirtualStreamOutput.h"

namespace arvento::player {

VirtualStreamOutput::VirtualStreamOutput(UiThread ui, std::uint32_t deviceCount)
    : ClockedStreamOutput(std::move(ui)), deviceCount_(deviceCount) {}

VirtualStreamOutput::~VirtualStreamOutput() {
  ClockedStreamOutput::Close();
}

bool VirtualStreamOutput::Attempt(Operation operation) {
  operations_.push_back(operation);
  return failing_.count(operation) == 0;
}

bool VirtualStreamOutput::Probe(std::uint32_t device) {
  return Attempt(Operation::Probe) && (device == kMidiMapper ? deviceCount_ > 0 : device < deviceCount_);
}

bool VirtualStreamOutput::Open(std::uint32_t device, NotificationSink sink) {
  return Attempt(Operation::Open) && ClockedStreamOutput::Open(device, std::move(sink));
}

bool VirtualStreamOutput::SetTimeDivision(std::uint32_t ticksPerQuarter) {
  return Attempt(Operation::SetTimeDivision) && ClockedStreamOutput::SetTimeDivision(ticksPerQuarter);
}

bool VirtualStreamOutput::Submit(std::span<const StreamEvent> events) {
  return Attempt(Operation::Submit) && ClockedStreamOutput::Submit(events);
}

bool VirtualStreamOutput::Restart() {
  return Attempt(Operation::Restart) && ClockedStreamOutput::Restart();
}

bool VirtualStreamOutput::Stop() {
  return Attempt(Operation::Stop) && ClockedStreamOutput::Stop();
}

void VirtualStreamOutput::Reset() {
  operations_.push_back(Operation::Reset);
  ClockedStreamOutput::Reset();
}

void VirtualStreamOutput::Release() {
  operations_.push_back(Operation::Release);
  ClockedStreamOutput::Release();
}

void VirtualStreamOutput::Close() {
  operations_.push_back(Operation::Close);
  ClockedStreamOutput::Close();
}

void VirtualStreamOutput::Advance(std::chrono::microseconds duration) {
  const std::chrono::microseconds end = now_ + duration;
  for (std::optional<std::chrono::microseconds> due = NextDue(); due && *due <= end; due = NextDue()) {
    now_ = std::max(now_, *due);
    PlayDue();
  }
  now_ = end;
  PlayDue();
}

void VirtualStreamOutput::Fail(Operation operation, bool fail) {
  if (fail)
    failing_.insert(operation);
  else
    failing_.erase(operation);
}

bool VirtualStreamOutput::OpenDevice(std::uint32_t device) {
  open_ = device == kMidiMapper ? deviceCount_ > 0 : device < deviceCount_;
  return open_;
}

void VirtualStreamOutput::Notify(StreamNotification notification) {
  notifications_.push_back(notification);
  if (!silent_)
    ClockedStreamOutput::Notify(notification);
}

} // namespace arvento::player
