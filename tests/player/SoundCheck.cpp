#include "SoundCheck.h"

#include "TestSupport.h"
#include "midi/PartFile.h"
#include "player/SoundFont.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace arvento::player::test {

namespace {
template <class Sample> double RootMeanSquare(const std::vector<Sample>& samples, double from, double to) {
  const std::size_t begin = static_cast<std::size_t>(from * kRate) * 2;
  const std::size_t end = std::min(samples.size(), static_cast<std::size_t>(to * kRate) * 2);
  if (begin >= end)
    return 0;
  double sum = 0;
  for (std::size_t i = begin; i < end; ++i)
    sum += static_cast<double>(samples[i]) * samples[i];
  return std::sqrt(sum / static_cast<double>(end - begin));
}
} // namespace

double Rms(const std::vector<float>& samples, double from, double to) {
  return RootMeanSquare(samples, from, to);
}

double Rms(const std::vector<std::int16_t>& samples, double from, double to) {
  return RootMeanSquare(samples, from, to) / 32768;
}

std::shared_ptr<SynthEngine> ManualEngine() {
  std::shared_ptr<SynthEngine> engine = SynthEngine::Create(FindSoundFont(), SynthEngine::Audio::Manual);
  EXPECT_TRUE(engine->HasOutput()) << engine->Description();
  return engine;
}

std::vector<float> Listen(SynthEngine& engine, UiWorkQueue& queue, double seconds) {
  std::vector<float> sound;
  std::vector<float> block(128);
  while (sound.size() < static_cast<std::size_t>(seconds * kRate) * 2) {
    engine.Render(block);
    sound.insert(sound.end(), block.begin(), block.end());
    queue.ProcessPending();
  }
  return sound;
}

std::filesystem::path WriteTwoNotes(const std::filesystem::path& directory) {
  const std::filesystem::path file = directory / "two.mid";
  arvento::test::WriteBytes(
      file, midi::PartFileFromEvents(SoundSettings{},
                                     {"00 90 3C 64 ", "60 80 3C 64 ", "60 90 40 64 ", "60 80 40 64 "}));
  EXPECT_EQ(arvento::test::MidiCsvNotes(file),
            (std::vector<std::string>{"2 0 Note_on_c 0 60 100", "2 96 Note_off_c 0 60 100",
                                      "2 192 Note_on_c 0 64 100", "2 288 Note_off_c 0 64 100"}));
  return file;
}

ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
  if (const char* old = std::getenv(name))
    old_ = old;
  setenv(name, value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment() {
  if (old_)
    setenv(name_, old_->c_str(), 1);
  else
    unsetenv(name_);
}

} // namespace arvento::player::test
