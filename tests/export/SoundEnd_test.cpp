// Where the sound after the last note-off ends.

#include "export/SoundEnd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace arvento::exporting {
namespace {

constexpr int kRate = 1000; // a frame a millisecond keeps the cases readable

// A stretch of sound at one level; in one channel only when asked.
struct Stretch {
  int milliseconds;
  float level;
  bool rightOnly = false;
};

std::vector<float> Sound(const std::vector<Stretch>& stretches) {
  std::vector<float> samples;
  for (const Stretch& stretch : stretches) {
    for (int i = 0; i < stretch.milliseconds; ++i) {
      // Alternating signs: the level is the size of the sample, not its sign.
      const float sample = i % 2 == 0 ? stretch.level : -stretch.level;
      samples.push_back(stretch.rightOnly ? 0 : sample);
      samples.push_back(sample);
    }
  }
  return samples;
}

// The last note-off is at 1 s; -1 for a rendering too short to tell.
struct Case {
  const char* what;
  std::vector<Stretch> sound;
  long frame;
  bool quiet = true;
  float silence = kSilence;
};

const Case kCases[] = {
    {"sound that stops at the note-off ends 50 ms later", {{1000, 0.5f}, {200, 0}}, 1050},
    {"a release runs on until below the silence", {{1000, 0.5f}, {300, 0.01f}, {120, 0.0005f}}, 1350},
    {"a sample at the silence is sound", {{1000, 0.5f}, {100, kSilence}, {60, 0}}, 1150},
    {"a quiet gap shorter than 50 ms does not end it", {{1000, 0.5f}, {40, 0}, {100, 0.1f}, {60, 0}}, 1190},
    {"sound in the right channel alone goes on", {{1000, 0.5f}, {200, 0.1f, true}, {60, 0}}, 1250},
    {"quiet before the last note-off does not count", {{500, 0}, {600, 0.2f}, {60, 0}}, 1150},
    {"a lower silence, later", {{1000, 0.5f}, {300, 0.01f}, {120, 0.0005f}, {60, 0}}, 1470, true, 0.0001f},
    {"a sound still ringing 3 s after the note-off is cut there", {{1000, 0.5f}, {3100, 0.01f}}, 4000, false},
    {"quiet reached just at the limit", {{1000, 0.5f}, {2950, 0.01f}, {100, 0}}, 4000},
    {"too short to tell while the release rings", {{1000, 0.5f}, {500, 0.01f}}, -1},
    {"too short to tell before the note-off", {{800, 0.5f}}, -1},
    {"too short to tell within a quiet stretch", {{1000, 0.5f}, {30, 0}}, -1},
};

TEST(SoundEnd, AfterTheLastNoteOff50msBelowTheSilenceAtMost3s) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const std::optional<SoundEnd> end = FindSoundEnd(Sound(c.sound), 1000, kRate, c.silence);
    EXPECT_EQ(end ? static_cast<long>(end->frame) : -1, c.frame);
    EXPECT_EQ(end && end->quiet, c.frame >= 0 && c.quiet);
  }
}

TEST(SoundEnd, TheSilenceOfTheRenderingFollowsTheGainWith1dBToSpare) {
  EXPECT_NEAR(SilenceInRendering(0), kSilence * std::pow(10.0, -1.0 / 20), 1e-9);
  EXPECT_NEAR(SilenceInRendering(19), kSilence / 10, 1e-9);
  EXPECT_NEAR(SilenceInRendering(-21), kSilence * 10, 1e-8);
}

} // namespace
} // namespace arvento::exporting
