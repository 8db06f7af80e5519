#pragma once

// Listening helpers for the sound tests: loudness of rendered sound, a
// manually rendered synthesizer and a short two-note file.

#include "player/UiWorkQueue.h"
#include "player/backends/SynthEngine.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace arvento::player::test {

constexpr int kRate = 44100;

// Root mean square of interleaved stereo samples between two times in
// seconds, relative to the full scale of the samples.
double Rms(const std::vector<float>& samples, double from, double to);
double Rms(const std::vector<std::int16_t>& samples, double from, double to);

// A synthesizer with the installed SoundFont, rendered by the test.
std::shared_ptr<SynthEngine> ManualEngine();

// Renders the engine for the given seconds, letting the UI work after each block.
std::vector<float> Listen(SynthEngine& engine, UiWorkQueue& queue, double seconds);

// A part file of two piano notes, 96 ticks each at division 50 with 96 ticks
// between them: sound at 0..0.96 s and 1.92..2.88 s. Checked by midicsv.
std::filesystem::path WriteTwoNotes(const std::filesystem::path& directory);

// Sets an environment variable for the life of the object.
class ScopedEnvironment {
public:
  ScopedEnvironment(const char* name, const std::string& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
  const char* name_;
  std::optional<std::string> old_;
};

} // namespace arvento::player::test
