#pragma once

// An output without sound whose clock the caller advances by hand. It
// records every message it plays with its time, every operation and every
// notification, and can be told to fail an operation or to stop answering:
// the live player's life cycle can be followed step by step with it.

#include "player/backends/ClockedStreamOutput.h"

#include <chrono>
#include <set>
#include <vector>

namespace arvento::player {

class VirtualStreamOutput : public ClockedStreamOutput {
public:
  enum class Operation { Probe, Open, SetTimeDivision, Submit, Restart, Stop, Reset, Release, Close };

  struct SentMessage {
    std::chrono::microseconds time;
    std::uint32_t message; // status | data1 << 8 | data2 << 16

    bool operator==(const SentMessage&) const = default;
  };

  explicit VirtualStreamOutput(UiThread ui, std::uint32_t deviceCount = 1);
  ~VirtualStreamOutput() override;

  bool Probe(std::uint32_t device) override;
  std::uint32_t DeviceCount() override { return deviceCount_; }
  bool Open(std::uint32_t device, NotificationSink sink) override;
  bool SetTimeDivision(std::uint32_t ticksPerQuarter) override;
  bool Submit(std::span<const StreamEvent> events) override;
  bool Restart() override;
  bool Stop() override;
  void Reset() override;
  void Release() override;
  void Close() override;

  // Moves the clock on, playing each event at its own time on the way.
  void Advance(std::chrono::microseconds duration);

  // Makes the operation fail (return false; Probe finds nothing) until cleared.
  void Fail(Operation operation, bool fail = true);
  // A silent output swallows its notifications, like a device that never answers.
  void SetSilent(bool silent) { silent_ = silent; }

  const std::vector<SentMessage>& Messages() const { return messages_; }
  const std::vector<Operation>& Operations() const { return operations_; }
  // Every notification the output sent (or swallowed), in order.
  const std::vector<StreamNotification>& Notifications() const { return notifications_; }
  bool IsOpen() const { return open_; }

protected:
  bool OpenDevice(std::uint32_t device) override;
  void CloseDevice() override { open_ = false; }
  void Send(std::uint32_t shortMessage) override { messages_.push_back({now_, shortMessage}); }
  void Silence() override {}
  std::chrono::microseconds Now() const override { return now_; }
  void Notify(StreamNotification notification) override;

private:
  bool Attempt(Operation operation);

  std::uint32_t deviceCount_;
  std::chrono::microseconds now_{0};
  bool silent_ = false;
  bool open_ = false;
  std::set<Operation> failing_;
  std::vector<SentMessage> messages_;
  std::vector<Operation> operations_;
  std::vector<StreamNotification> notifications_;
};

} // namespace arvento::player
