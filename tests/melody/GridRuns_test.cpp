#include "GridModel.h"
#include "core/Error.h"
#include "melody/GridRuns.h"
#include "melody/RhythmText.h"

#include <gtest/gtest.h>

using namespace arvento;
using melody::Sample;
using Keys = std::vector<std::string>;

TEST(GridRuns, ColoursReadAsRedSilverOrNeither) {
  EXPECT_EQ(melody::SampleOfColour(255, 0, 0), Sample::Red);
  EXPECT_EQ(melody::SampleOfColour(192, 192, 192), Sample::Silver);
  EXPECT_EQ(melody::SampleOfColour(0, 0, 0), Sample::Other);
  EXPECT_EQ(melody::SampleOfColour(254, 0, 0), Sample::Other);
  EXPECT_EQ(melody::SampleOfColour(240, 240, 240), Sample::Other);
}

TEST(GridRuns, WorkedExampleRowGivesBarsGapAndMark) {
  test::GridRowModel row;
  row.Bar(1, 2);
  row.Bar(3, 3);
  EXPECT_EQ(row.Runs(), (Keys{"101,2", "103,1", "104,29p", "104,29p%"}));
  EXPECT_EQ(row.Runs(5), (Keys{"501,2", "503,1", "504,29p", "504,29p%"}));
}

TEST(GridRuns, DragReadingsFromThePatternGrid) {
  {
    // x = 50 to 110 in 4/4: one bar over columns 3 to 5.
    test::GridRowModel row;
    row.Drag(50, 110);
    EXPECT_EQ(row.Runs(), (Keys{"101,2p", "103,3", "106,27p", "106,27p%"}));
  }
  {
    // Bars over 1..2 and 4: gaps and bars interleave in column order.
    test::GridRowModel row;
    row.Bar(1, 2);
    row.Bar(4, 4);
    EXPECT_EQ(row.Runs(), (Keys{"101,2", "103,1p", "104,1", "105,28p", "105,28p%"}));
  }
  {
    // Two bars that touch at an unjoined boundary stay two runs.
    test::GridRowModel row;
    row.Bar(3, 5);
    row.Bar(6, 7);
    EXPECT_EQ(row.Runs(), (Keys{"101,2p", "103,3", "106,2", "108,25p", "108,25p%"}));
  }
  {
    // Drawing over the middle of a bar splits it.
    test::GridRowModel row;
    row.Bar(2, 8);
    row.Bar(4, 5);
    EXPECT_EQ(row.Runs(), (Keys{"101,1p", "102,2", "104,2", "106,3", "109,24p", "109,24p%"}));
  }
  {
    // Erasing column 4 of a bar over 3..5 leaves two one-column bars.
    test::GridRowModel row;
    row.Bar(3, 5);
    row.Erase(4);
    EXPECT_EQ(row.Runs(), (Keys{"101,2p", "103,1", "104,1p", "105,1", "106,27p", "106,27p%"}));
  }
  {
    // A drag past the centre of column 10 that comes back to column 5 leaves
    // a trail that reads as a second bar over 6..10.
    test::GridRowModel row;
    row.Trail(50, 235);
    row.Drag(50, 110);
    EXPECT_EQ(row.Runs(), (Keys{"101,2p", "103,3", "106,5", "111,22p", "111,22p%"}));
  }
  {
    // A release left of the press column paints no bar.
    test::GridRowModel row;
    row.Drag(110, 20);
    EXPECT_EQ(row.Runs(), (Keys{"101,32p", "101,32p%"}));
  }
}

TEST(GridRuns, BarFollowsJoinedBoundariesAndEndsAtTheImageEdge) {
  {
    // A joined boundary carries the bar into a column whose centre is silver;
    // that column also starts a gap.
    test::GridRowModel row;
    row.Set(12, Sample::Red);
    row.Set(24, Sample::Red);
    EXPECT_EQ(row.Runs(), (Keys{"101,2", "102,31p", "102,31p%"}));
  }
  {
    // The last column's bar ends at the edge; the sampler never reads x = 768.
    test::GridRowModel row;
    row.Bar(31, 32);
    EXPECT_EQ(row.Runs(), (Keys{"101,30p", "131,2", "131,2%"}));
  }
  {
    test::GridRowModel row;
    row.Bar(1, 32);
    EXPECT_EQ(row.Runs(), (Keys{"101,32", "101,32%"}));
  }
  {
    test::GridRowModel row(melody::kThreeFourGrid);
    row.Bar(23, 24);
    EXPECT_EQ(row.Runs(), (Keys{"101,22p", "123,2", "123,2%"}));
  }
}

TEST(GridRuns, EmptyRowsAndColumnsOfNoColour) {
  test::GridRowModel fourFour, threeFour(melody::kThreeFourGrid);
  EXPECT_EQ(fourFour.Runs(), (Keys{"101,32p", "101,32p%"}));
  EXPECT_EQ(threeFour.Runs(8), (Keys{"801,24p", "801,24p%"}));
  // The pattern grid reads an empty row through the gap walk, with the same keys.
  EXPECT_EQ(melody::CollectPatternRuns(32, fourFour.Sampler(), 24), fourFour.Runs());

  // A trail across a boundary alone leaves the row empty.
  test::GridRowModel boundaryOnly;
  boundaryOnly.Trail(70, 74);
  EXPECT_TRUE(melody::RowIsEmpty(32, boundaryOnly.Sampler(), 24));
  boundaryOnly.Set(84, Sample::Red);
  EXPECT_FALSE(melody::RowIsEmpty(32, boundaryOnly.Sampler(), 24));

  // A column whose centre is neither red nor silver belongs to no run.
  test::GridRowModel black;
  black.Set(melody::ColumnCentreX(5, 24), Sample::Other);
  EXPECT_EQ(melody::CollectPatternRuns(32, black.Sampler(), 24), (Keys{"101,4p", "106,27p", "106,27p%"}));
  // On the melody grid a row without red is flagged empty and read as one gap.
  EXPECT_EQ(black.Runs(), (Keys{"101,32p", "101,32p%"}));

  // With no run at all the row still ends with its mark.
  const melody::RowSampler nothing = [](int) { return Sample::Other; };
  EXPECT_EQ(melody::CollectPatternRuns(32, nothing, 24), (Keys{"1%"}));
  EXPECT_EQ(melody::RunsToRhythm(Keys{"1%"}, "8"), (Keys{""}));
}

TEST(GridRuns, RefusesRowsAndColumnsTheKeysCannotSpell) {
  const melody::RowSampler silver = [](int) { return Sample::Silver; };
  EXPECT_THROW(melody::CollectGridRuns(0, true, 32, silver, 24), Error);
  EXPECT_THROW(melody::CollectGridRuns(10, true, 32, silver, 24), Error);
  EXPECT_THROW(melody::CollectGridRuns(1, false, 100, silver, 24), Error);
  EXPECT_THROW(melody::CollectGridRuns(1, false, 32, silver, 0), Error);
  EXPECT_NO_THROW(melody::CollectGridRuns(9, false, 99, silver, 1));
}

TEST(GridRuns, RunListOfTheWholeGridRowByRow) {
  std::vector<test::GridRowModel> rows(8);
  rows[0].Bar(1, 2);
  rows[0].Bar(3, 3);
  rows[2].Bar(5, 8);
  const melody::GridSampler sample = [&rows](int row, int x) { return rows.at(row - 1).Sampler()(x); };
  const Keys runList = melody::CollectRunList(8, melody::kFourFourGrid, sample);
  Keys expected = {"101,2",    "103,1",  "104,29p", "104,29p%", "201,32p",
                   "201,32p%", "301,4p", "305,4",   "309,24p",  "309,24p%"};
  for (int row = 4; row <= 8; ++row) {
    expected.push_back(std::to_string(row) + "01,32p");
    expected.push_back(std::to_string(row) + "01,32p%");
  }
  EXPECT_EQ(runList, expected);
  Keys sorted = runList;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(runList, sorted) << "the run list is in text order, as a sorted list box keeps it";
}

TEST(RhythmText, EachRowBecomesOneLineOfTokens) {
  const Keys runList = {"101,2", "103,1", "104,29p", "104,29p%", "201,32p", "201,32p%"};
  EXPECT_EQ(melody::RunsToRhythm(runList, "8"), (Keys{"2*8 1*8 29p*8 ", "32p*8 "}));
  EXPECT_EQ(melody::RunsToRhythm({"101,3", "104,21p", "104,21p%"}, "16"), (Keys{"3*16 21p*16 "}));
  EXPECT_EQ(melody::RunsToRhythm({"101,24p", "101,24p%"}, "8"), (Keys{"24p*8 "}));
  // Keys after the last mark belong to no row.
  EXPECT_EQ(melody::RunsToRhythm({"101,32p", "101,32p%", "201,3"}, "8"), (Keys{"32p*8 "}));
  EXPECT_TRUE(melody::RunsToRhythm({}, "8").empty());
}
