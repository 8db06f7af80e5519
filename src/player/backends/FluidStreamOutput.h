#pragma once

#include "player/backends/ClockedStreamOutput.h"
#include "player/backends/SynthEngine.h"

#include <memory>

namespace arvento::player {

// The built-in synthesizer as the one MIDI stream output (device 0). The
// events of a buffer are played by the synthesizer's own clock, before the
// audio block in which they fall.
class FluidStreamOutput : public ClockedStreamOutput {
public:
  FluidStreamOutput(std::shared_ptr<SynthEngine> engine, UiThread ui);
  ~FluidStreamOutput() override;

  bool Probe(std::uint32_t device) override;
  std::uint32_t DeviceCount() override { return engine_->HasOutput() ? 1 : 0; }

protected:
  bool OpenDevice(std::uint32_t device) override { return Probe(device); }
  void CloseDevice() override {}
  void Send(std::uint32_t shortMessage) override { engine_->Send(shortMessage); }
  void Silence() override { engine_->Silence(); }
  std::chrono::microseconds Now() const override { return engine_->Now(); }

private:
  std::shared_ptr<SynthEngine> engine_;
};

} // namespace arvento::player
