#pragma once

// The FluidSynth objects behind a SynthEngine, for the player's own sources
// that drive FluidSynth; nothing outside this folder includes it.

#include <fluidsynth.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace arvento::player {

class FluidFilePlayer;

struct SynthCore {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_audio_driver_t* driver = nullptr;
  bool manual = false;
  bool soundFontLoaded = false;
  int sampleRate = 44100;
  std::string soundFont;
  std::string audioDriverName; // the driver that opened, empty without one
  std::string problem;         // why there is no output, for a person

  // Held while a block renders; whoever adds or removes something the
  // rendering calls (a MIDI file player, the block listener) holds it too.
  std::mutex renderMutex;
  std::function<void()> blockListener;
  std::atomic<std::uint64_t> framesRendered{0};

  // The one file player of this synthesizer that may be playing.
  FluidFilePlayer* playingFile = nullptr;

  std::chrono::microseconds Now() const {
    return std::chrono::microseconds(framesRendered.load() * 1000000 /
                                     static_cast<std::uint64_t>(sampleRate));
  }
};

} // namespace arvento::player
