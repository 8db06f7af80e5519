#pragma once

#include <memory>
#include <span>
#include <string>

namespace arvento::player {

class SynthEngine;
class FluidFilePlayer;

// Plays a MIDI file through the built-in synthesizer without an audio device,
// slice by slice as the caller asks, so that the caller decides where the
// sound ends.
class MidiRenderer {
public:
  // Throws arvento::Error for a SoundFont that does not load and a file that
  // cannot be read or played.
  MidiRenderer(const std::string& midiFile, const std::string& soundFont);
  ~MidiRenderer();
  MidiRenderer(const MidiRenderer&) = delete;
  MidiRenderer& operator=(const MidiRenderer&) = delete;

  int SampleRate() const;
  // The next frames, left and right samples side by side; the synthesizer
  // goes on sounding after the file's last event.
  void Render(std::span<float> interleavedStereo);
  // The file plays: the synthesizer's player stops a while after the last
  // event, when the last notes have rung out.
  bool Playing() const;
  // The last event of the file has played.
  bool PastLastEvent() const;

private:
  std::shared_ptr<SynthEngine> engine_;
  std::unique_ptr<FluidFilePlayer> player_;
};

} // namespace arvento::player
