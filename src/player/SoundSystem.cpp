#include "player/SoundSystem.h"

#include "player/SoundFont.h"
#include "player/backends/AlsaStreamOutput.h"
#include "player/backends/FluidFilePlayer.h"
#include "player/backends/FluidStreamOutput.h"
#include "player/backends/SynthEngine.h"

#include <cstdlib>
#include <string_view>

namespace arvento::player {

std::unique_ptr<SoundSystem> SoundSystem::Create(UiThread ui) {
  std::unique_ptr<SoundSystem> system = CreateUnloaded(std::move(ui));
  system->engine_->LoadSoundFont();
  return system;
}

std::unique_ptr<SoundSystem> SoundSystem::CreateLoading(UiThread ui, std::function<void()> loaded) {
  std::unique_ptr<SoundSystem> system = CreateUnloaded(ui);
  system->loader_ = std::thread([engine = system->engine_, ui = std::move(ui), loaded = std::move(loaded)] {
    engine->LoadSoundFont();
    ui.post(loaded);
  });
  return system;
}

std::unique_ptr<SoundSystem> SoundSystem::CreateUnloaded(UiThread ui) {
  std::unique_ptr<SoundSystem> system(new SoundSystem());
  system->soundFont_ = FindSoundFont();
  system->engine_ = SynthEngine::CreateUnloaded(system->soundFont_, SynthEngine::Audio::Device);
  const char* output = std::getenv("ARVENTO_MIDI_OUTPUT");
  system->alsaOutput_ = output != nullptr && std::string_view(output) == "alsa";
  if (system->alsaOutput_)
    system->output_ = std::make_unique<AlsaStreamOutput>(std::move(ui));
  else
    system->output_ = std::make_unique<FluidStreamOutput>(system->engine_, std::move(ui));
  return system;
}

// A SoundFont still loading is waited for: the loader uses the engine.
SoundSystem::~SoundSystem() {
  if (loader_.joinable())
    loader_.join();
}

bool SoundSystem::Available() const {
  return engine_->HasOutput();
}

std::string SoundSystem::SoundFont() const {
  return soundFont_;
}

bool SoundSystem::SoundFontLoaded() const {
  return engine_->HasSoundFont();
}

std::string SoundSystem::Description() const {
  std::string text = engine_->Description();
  if (alsaOutput_)
    text +=
        "; live notes through the ALSA sequencer (" + std::to_string(output_->DeviceCount()) + " outputs)";
  return text;
}

std::unique_ptr<FilePlayer> SoundSystem::NewFilePlayer() {
  return std::make_unique<FluidFilePlayer>(engine_);
}

} // namespace arvento::player
