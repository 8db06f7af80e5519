// How a task's parts tell the caller how far it has come, and stop when told.

#include "export/Progress.h"

#include <gtest/gtest.h>

#include <vector>

namespace arvento::exporting {
namespace {

TEST(Progress, PartsTellFractionsOfTheWholeInHundredths) {
  std::vector<double> told;
  const Progress whole([&](double done) {
    told.push_back(done);
    return true;
  });
  const Progress render = whole.Part(0, 0.5);
  const Progress encode = whole.Part(0.5, 1).Part(0.5, 1); // 0.75 .. 1
  for (double done : {0.0, 0.004, 0.03, 0.5, 1.0, 2.0})
    render.Report(done);
  for (double done : {-1.0, 0.0, 0.01, 0.5, 1.0})
    encode.Report(done);
  // Steps smaller than a hundredth of the whole are not told; the end always is.
  const std::vector<double> expected = {0, 0.015, 0.25, 0.5, 0.75, 0.875, 1};
  ASSERT_EQ(told.size(), expected.size());
  for (std::size_t i = 0; i < told.size(); ++i)
    EXPECT_DOUBLE_EQ(told[i], expected[i]) << i;
}

TEST(Progress, TheCallersNoStopsTheTask) {
  int calls = 0;
  const Progress whole([&](double done) {
    ++calls;
    return done < 0.5;
  });
  EXPECT_NO_THROW(whole.Report(0.2));
  EXPECT_THROW(whole.Part(0.5, 1).Report(0), Cancelled);
  EXPECT_EQ(calls, 2);
}

} // namespace
} // namespace arvento::exporting
