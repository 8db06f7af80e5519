#include "player/backends/FluidStreamOutput.h"

namespace arvento::player {

FluidStreamOutput::FluidStreamOutput(std::shared_ptr<SynthEngine> engine, UiThread ui)
    : ClockedStreamOutput(std::move(ui)), engine_(std::move(engine)) {
  engine_->SetBlockListener([this] { PlayDue(); });
}

FluidStreamOutput::~FluidStreamOutput() {
  engine_->SetBlockListener(nullptr);
  Close();
}

bool FluidStreamOutput::Probe(std::uint32_t device) {
  return (device == 0 || device == kMidiMapper) && engine_->HasOutput();
}

} // namespace arvento::player
