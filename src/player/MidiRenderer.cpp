#include "player/MidiRenderer.h"

#include "core/Error.h"
#include "player/backends/FluidFilePlayer.h"
#include "player/backends/SynthEngine.h"

namespace arvento::player {

MidiRenderer::MidiRenderer(const std::string& midiFile, const std::string& soundFont)
    : engine_(SynthEngine::Create(soundFont, SynthEngine::Audio::Manual)) {
  if (!engine_->HasSoundFont())
    throw Error(engine_->Description());
  player_ = std::make_unique<FluidFilePlayer>(engine_);
  player_->SetFileName(midiFile);
  player_->Open();
  player_->Play();
}

MidiRenderer::~MidiRenderer() = default;

int MidiRenderer::SampleRate() const {
  return engine_->SampleRate();
}

void MidiRenderer::Render(std::span<float> interleavedStereo) {
  engine_->Render(interleavedStereo);
}

bool MidiRenderer::Playing() const {
  return player_->IsPlaying();
}

bool MidiRenderer::PastLastEvent() const {
  return player_->PastLastEvent();
}

} // namespace arvento::player
