#pragma once

// The built-in General MIDI synthesizer (FluidSynth with a SoundFont). Its
// sound goes to the audio device, or, without one, is rendered block by block
// by the caller (offline rendering, tests, benchmarks).

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace arvento::player {

struct SynthCore;

class SynthEngine {
public:
  enum class Audio {
    Device, // the audio device renders; without one the engine has no output
    Manual, // the caller renders with Render
  };

  // Throws arvento::Error when FluidSynth cannot make a synthesizer. A
  // SoundFont that does not load, or a missing audio device, leaves an engine
  // without output that says why in Description.
  static std::shared_ptr<SynthEngine> Create(const std::string& soundFont, Audio audio);
  ~SynthEngine();
  SynthEngine(const SynthEngine&) = delete;
  SynthEngine& operator=(const SynthEngine&) = delete;

  // Sound is made: the SoundFont loaded and a device plays it, or the caller
  // renders it. Settled when Create returns.
  bool HasOutput() const;
  bool HasSoundFont() const;
  // The synthesizer, the SoundFont and where the sound goes, for a person.
  std::string Description() const;
  int SampleRate() const;

  // The time of the block being rendered, from the engine's start.
  std::chrono::microseconds Now() const;
  // A short message (status | data1 << 8 | data2 << 16) to the synthesizer.
  void Send(std::uint32_t shortMessage);
  // Sustain off and every note off on every channel: notes end with their release.
  void Silence();
  // Every sound stops at once.
  void CutSound();
  // Called on the rendering thread before every block (64 frames, 1.5 ms).
  void SetBlockListener(std::function<void()> listener);

  // Manual engines: renders the next frames into interleaved stereo samples
  // (a device engine renders only for its device and ignores this).
  void Render(std::span<float> interleavedStereo);

  SynthCore& Core() { return *core_; }

private:
  explicit SynthEngine(std::unique_ptr<SynthCore> core);
  std::unique_ptr<SynthCore> core_;
};

} // namespace arvento::player
