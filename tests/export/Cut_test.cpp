// The window of the sound that goes into the file, and its fade.

#include "TestSupport.h"
#include "export/Cut.h"

#include <gtest/gtest.h>

#include <vector>

namespace arvento::exporting {
namespace {

constexpr int kRate = 1000; // a frame a millisecond

// The frames of the sound, whether it ends in quiet, the cut asked for, the cut chosen, and what it shows.
const std::tuple<std::size_t, bool, CutRequest, Cut, const char*> kCases[] = {
    {5000, true, {}, {0, 5000, 0, false}, "the whole sound, ending in quiet: no fade"},
    {5000, false, {}, {0, 5000, 500, false}, "the whole sound, cut while it rang: the fade"},
    {5000, true, {.start = 1, .length = 2}, {1000, 2000, 500, false}, "a window inside the sound fades"},
    {5000, true, {.start = 1.5}, {1500, 3500, 0, false}, "a window to the end of a quiet ending does not"},
    {5000, true, {.start = 1, .length = 9}, {1000, 4000, 0, false}, "a length past the end stops at the end"},
    {5000, true, {.length = 2, .fade = 1.25}, {0, 2000, 1250, false}, "another fade"},
    {5000, true, {.length = 2, .fade = 0}, {0, 2000, 0, false}, "no fade"},
    {5000, true, {.length = 0.3}, {0, 300, 300, false}, "a fade longer than the cut fades the whole cut"},
    {5000, true, {.start = 0.0004, .length = 0.0016}, {0, 2, 2, false}, "seconds round to the nearest frame"},
    // The format's limit of 40 seconds:
    {50000, true, {.maxSeconds = 40}, {0, 40000, 500, true}, "cuts a longer sound and fades"},
    {50000, true, {.start = 5, .length = 41, .maxSeconds = 40}, {5000, 40000, 500, true}, "cuts a window"},
    {50000, true, {.start = 5, .length = 40, .maxSeconds = 40}, {5000, 40000, 500, false}, "spares a window"},
    {40000, true, {.maxSeconds = 40}, {0, 40000, 0, false}, "spares a sound within it"},
};

TEST(Cut, WindowFadeAndLimit) {
  for (const auto& [soundFrames, endsQuiet, request, expected, what] : kCases) {
    SCOPED_TRACE(what);
    const Cut cut = ChooseCut(soundFrames, endsQuiet, kRate, request);
    EXPECT_EQ(std::tuple(cut.first, cut.frames, cut.fadeFrames, cut.limited),
              std::tuple(expected.first, expected.frames, expected.fadeFrames, expected.limited));
  }
}

TEST(Cut, RefusesAStartAtOrPastTheEndAndAnEmptyCut) {
  const std::pair<CutRequest, const char*> refusals[] = {
      {{.start = 5}, "Начало 5.00 с лежит за концом звука (5.00 с)"},
      {{.start = 12.345}, "Начало 12.35 с лежит за концом звука (5.00 с)"},
      {{.length = 0}, "Длина вырезки 0.00 с короче одного отсчёта звука"},
      {{.start = 1, .length = 0.0004}, "Длина вырезки 0.00 с короче одного отсчёта звука"},
  };
  for (const auto& [request, message] : refusals)
    EXPECT_EQ(test::ErrorText([&] { ChooseCut(5000, true, kRate, request); }), message);
}

TEST(Cut, TheFadeFallsInEqualStepsToSilenceAtTheLastFrame) {
  std::vector<float> samples(12, 0.8f);
  samples[10] = -0.8f; // the right channel's sign stays
  FadeOut(samples, 4);
  const std::vector<float> expected = {0.8f, 0.8f, 0.8f, 0.8f, 0.6f,  0.6f,
                                       0.4f, 0.4f, 0.2f, 0.2f, -0.0f, 0.0f};
  ASSERT_EQ(samples.size(), expected.size());
  for (std::size_t i = 0; i < samples.size(); ++i)
    EXPECT_FLOAT_EQ(samples[i], expected[i]) << i;

  std::vector<float> shorter(4, 1.0f);
  FadeOut(shorter, 10);
  EXPECT_EQ(shorter, (std::vector<float>{0.5f, 0.5f, 0.0f, 0.0f}));
}

} // namespace
} // namespace arvento::exporting
