#pragma once

// The program's sound: the built-in synthesizer, the MIDI stream output of
// the live note player and the file players.

#include "player/FilePlayer.h"
#include "player/MidiStreamOutput.h"

#include <memory>
#include <string>

namespace arvento::player {

class SoundSystem {
public:
  virtual ~SoundSystem() = default;

  // Whether the synthesizer is heard: its SoundFont loaded and an audio device open.
  virtual bool Available() const = 0;
  // The SoundFont file in use, empty when none was found, and whether it loaded.
  virtual std::string SoundFont() const = 0;
  virtual bool SoundFontLoaded() const = 0;
  // The synthesizer, the SoundFont and the outputs in use, for the about box.
  virtual std::string Description() const = 0;
  // The output for TMidiGen.
  virtual MidiStreamOutput& StreamOutput() = 0;
  // A media player for one MIDI file at a time.
  virtual std::unique_ptr<FilePlayer> NewFilePlayer() = 0;
};

} // namespace arvento::player
