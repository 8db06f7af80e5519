// The gain that reaches the loudness target without passing the true-peak ceiling.

#include "export/Loudness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

namespace arvento::exporting {
namespace {

constexpr double kSilent = -std::numeric_limits<double>::infinity();

// What a case shows, the loudness measured, the target and the gain to it.
const std::tuple<const char*, Loudness, double, double> kCases[] = {
    {"a quiet steady sound is raised to the target", {-30, -20}, -14, 16},
    {"a peak that would pass the ceiling holds the gain back", {-30, -12}, -14, 11},
    {"the two gains equal", {-30, -17}, -14, 16},
    {"a loud sound is lowered", {-8, -0.5}, -14, -6},
    {"a loud sound over the ceiling is lowered to it", {-12, 3}, -14, -4},
    {"another target", {-30, -20}, -16, 14},
    {"silence gets no gain", {kSilent, kSilent}, -14, 0},
};

TEST(Loudness, TheLowerGainWins) {
  for (const auto& [what, measured, target, gain] : kCases)
    EXPECT_DOUBLE_EQ(GainToTarget(measured, target), gain) << what;
  EXPECT_DOUBLE_EQ(GainToTarget({-30, -12}, -14, -1.5), 10.5);
}

TEST(Loudness, AGainMovesBothFiguresAndEverySample) {
  const Loudness moved = WithGain({-30, -12}, 11);
  EXPECT_DOUBLE_EQ(moved.integrated, -19);
  EXPECT_DOUBLE_EQ(moved.truePeak, -1);

  std::vector<float> samples = {0.25f, -0.5f, 0.0f, 0.1f};
  ApplyGain(samples, 20 * std::log10(2.0));
  const std::vector<float> doubled = {0.5f, -1.0f, 0.0f, 0.2f};
  for (std::size_t i = 0; i < samples.size(); ++i)
    EXPECT_FLOAT_EQ(samples[i], doubled[i]);
}

} // namespace
} // namespace arvento::exporting
