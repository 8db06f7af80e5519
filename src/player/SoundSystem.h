#pragma once

// The program's sound: the built-in synthesizer, the MIDI stream output of
// the live note player and the file players. The window owns one.

#include "player/FilePlayer.h"
#include "player/MidiStreamOutput.h"
#include "player/UiThread.h"

#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace arvento::player {

class SynthEngine;

class SoundSystem {
public:
  // Uses the SoundFont that FindSoundFont names and the first audio device
  // that opens. The live notes go to the synthesizer, or to the ALSA
  // sequencer when ARVENTO_MIDI_OUTPUT is "alsa". Without an audio device
  // everything is still made; it just makes no sound.
  static std::unique_ptr<SoundSystem> Create(UiThread ui);
  // The same, but returns at once and loads the SoundFont and opens the audio
  // device on a thread of its own, so that the window shows first. Until then
  // nothing sounds and nothing waits; loaded runs on the UI thread after it.
  static std::unique_ptr<SoundSystem> CreateLoading(UiThread ui, std::function<void()> loaded);
  // Players made from this system and users of StreamOutput go first.
  ~SoundSystem();
  SoundSystem(const SoundSystem&) = delete;
  SoundSystem& operator=(const SoundSystem&) = delete;

  // Whether the synthesizer is heard: its SoundFont loaded and an audio device open.
  bool Available() const;
  // The SoundFont file in use, empty when none was found, and whether it
  // loaded; both settled once loading has ended.
  std::string SoundFont() const;
  bool SoundFontLoaded() const;
  // The synthesizer, the SoundFont and the outputs in use, for the about box.
  std::string Description() const;
  // The output for TMidiGen.
  MidiStreamOutput& StreamOutput() { return *output_; }
  // A media player for one MIDI file at a time.
  std::unique_ptr<FilePlayer> NewFilePlayer();

private:
  SoundSystem() = default;

  static std::unique_ptr<SoundSystem> CreateUnloaded(UiThread ui);

  std::shared_ptr<SynthEngine> engine_;
  std::string soundFont_;
  std::thread loader_;
  std::unique_ptr<MidiStreamOutput> output_;
  bool alsaOutput_ = false;
};

} // namespace arvento::player
