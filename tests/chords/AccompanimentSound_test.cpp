// Hearing an accompaniment: a compiled chord rendered through the
// synthesizer, its loudness followed in 5 ms steps.

#include "TestSupport.h"
#include "chords/AccompanimentCompiler.h"
#include "player/OfflineRender.h"
#include "player/SoundFont.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace arvento;

constexpr double kStep = 0.005; // seconds per loudness step

// The root mean square of each 5 ms step of the sound.
std::vector<double> Envelope(const player::PcmAudio& audio) {
  const auto frames = static_cast<std::size_t>(kStep * audio.sampleRate);
  std::vector<double> envelope;
  for (std::size_t start = 0; start + frames <= audio.Frames(); start += frames) {
    double sum = 0;
    for (std::size_t i = 2 * start; i < 2 * (start + frames); ++i)
      sum += std::pow(audio.samples[i] / 32768.0, 2);
    envelope.push_back(std::sqrt(sum / static_cast<double>(2 * frames)));
  }
  return envelope;
}

double Loudness(const std::vector<double>& envelope, double from, double to) {
  double loudest = 0;
  for (auto step = static_cast<std::size_t>(from / kStep); step < to / kStep && step < envelope.size();
       ++step)
    loudest = std::max(loudest, envelope[step]);
  return loudest;
}

// The times where the sound jumps to more than twice its loudness of the
// step before and to a fifth of its peak; a rise over several steps counts once.
std::vector<double> Onsets(const std::vector<double>& envelope) {
  const double peak = *std::max_element(envelope.begin(), envelope.end());
  std::vector<double> onsets;
  double before = 0;
  for (std::size_t step = 0; step < envelope.size(); ++step) {
    const double time = static_cast<double>(step) * kStep;
    if (envelope[step] > 2 * before && envelope[step] > peak / 5 &&
        (onsets.empty() || time - onsets.back() > 0.015))
      onsets.push_back(time);
    before = envelope[step];
  }
  return onsets;
}

// The guitar voicing of 4(C), six strings, with a stagger of 5 ticks, on
// the given instrument; at the default tempo a tick lasts 10 ms.
player::PcmAudio RenderArpeggio(int family, int instrument) {
  const test::TempDir dir;
  const std::filesystem::path file = dir.path() / "ch1v1a.mid";
  SoundSettings sound;
  sound.family = family;
  sound.instrument = instrument;
  test::WriteBytes(file, chords::CompileAccompaniment({"4(C)"}, {true, 5, 2}, sound));
  EXPECT_EQ(test::MidiCsvNotes(file).size(), 12u);
  return player::RenderMidiFile(file.string(), player::FindSoundFont());
}

TEST(AccompanimentSound, GuitarArpeggioSoundsSixStringsFiftyMillisecondsApartThatStopTogether) {
  // On the woodblock every string is a click of its own.
  const std::vector<double> onsets = Onsets(Envelope(RenderArpeggio(14, 3)));
  ASSERT_EQ(onsets.size(), 6u);
  for (std::size_t i = 1; i < onsets.size(); ++i) {
    EXPECT_NEAR(onsets[i] - onsets[i - 1], 0.050, 0.010) << "between onsets " << i << " and " << i + 1;
  }
  EXPECT_NEAR((onsets.back() - onsets.front()) / 5, 0.050, 0.004);

  // On the organ the strings hold until the chord's end at 480 ms and all
  // stop there: a string stopping 50 ms later would still be heard.
  const std::vector<double> organ = Envelope(RenderArpeggio(2, 0));
  const double held = Loudness(organ, 0.40, 0.47);
  EXPECT_GT(held, Loudness(organ, 0.01, 0.04));
  EXPECT_LT(Loudness(organ, 0.55, 0.60), held / 10);
}

} // namespace
