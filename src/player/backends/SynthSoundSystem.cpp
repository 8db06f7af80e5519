#include "player/backends/SynthSoundSystem.h"

#include "player/SoundFont.h"
#include "player/backends/AlsaStreamOutput.h"
#include "player/backends/FluidFilePlayer.h"
#include "player/backends/FluidStreamOutput.h"
#include "player/backends/SynthEngine.h"

#include <cstdlib>
#include <string_view>

namespace arvento::player {

namespace {

class SynthSoundSystem : public SoundSystem {
public:
  explicit SynthSoundSystem(UiThread ui)
      : soundFont_(FindSoundFont()), engine_(SynthEngine::Create(soundFont_, SynthEngine::Audio::Device)) {
    const char* output = std::getenv("ARVENTO_MIDI_OUTPUT");
    alsaOutput_ = output != nullptr && std::string_view(output) == "alsa";
    if (alsaOutput_)
      output_ = std::make_unique<AlsaStreamOutput>(std::move(ui));
    else
      output_ = std::make_unique<FluidStreamOutput>(engine_, std::move(ui));
  }

  bool Available() const override { return engine_->HasOutput(); }
  std::string SoundFont() const override { return soundFont_; }
  bool SoundFontLoaded() const override { return engine_->HasSoundFont(); }
  std::string Description() const override {
    std::string text = engine_->Description();
    if (alsaOutput_)
      text +=
          "; live notes through the ALSA sequencer (" + std::to_string(output_->DeviceCount()) + " outputs)";
    return text;
  }
  MidiStreamOutput& StreamOutput() override { return *output_; }
  std::unique_ptr<FilePlayer> NewFilePlayer() override { return std::make_unique<FluidFilePlayer>(engine_); }

private:
  std::string soundFont_;
  std::shared_ptr<SynthEngine> engine_;
  std::unique_ptr<MidiStreamOutput> output_;
  bool alsaOutput_ = false;
};

} // namespace

std::unique_ptr<SoundSystem> CreateSynthSoundSystem(UiThread ui) {
  return std::make_unique<SynthSoundSystem>(std::move(ui));
}

} // namespace arvento::player
