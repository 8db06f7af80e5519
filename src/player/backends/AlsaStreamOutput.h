#pragma once

#include "player/backends/ClockedStreamOutput.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace arvento::player {

// The ALSA sequencer as the MIDI stream output, for external and hardware
// synthesizers. The outputs are the sequencer ports that accept events from
// other programs, numbered from 0 in the sequencer's order; the default
// output is the first of them. A timer thread of its own plays the buffer.
class AlsaStreamOutput : public ClockedStreamOutput {
public:
  explicit AlsaStreamOutput(UiThread ui);
  ~AlsaStreamOutput() override;

  bool Probe(std::uint32_t device) override;
  std::uint32_t DeviceCount() override;

protected:
  bool OpenDevice(std::uint32_t device) override;
  void CloseDevice() override;
  void Send(std::uint32_t shortMessage) override;
  void Silence() override;
  std::chrono::microseconds Now() const override;
  void ScheduleChanged() override;

private:
  struct Sequencer;
  void Run(std::stop_token stop);

  std::unique_ptr<Sequencer> sequencer_;
  const std::chrono::steady_clock::time_point epoch_ = std::chrono::steady_clock::now();
  std::mutex timerMutex_;
  std::condition_variable_any timerWake_;
  bool scheduleChanged_ = false;
  std::jthread timer_;
};

} // namespace arvento::player
