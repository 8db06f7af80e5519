#include "TestSupport.h"
#include "melody/GridRuns.h"
#include "melody/MelodyCompiler.h"
#include "melody/RhythmText.h"
#include "melody/RtttlConversion.h"

#include <gtest/gtest.h>

#include <map>

using namespace arvento;
using arvento::test::Joined;
using arvento::test::Repeat;
using melody::RhythmToRtttl;
using melody::Sample;
using Lines = std::vector<std::string>;

namespace {
// A drawn row as its row line reads: one character per column centre, 'r' red, '.' silver, 'x' any
// other colour, followed by '=' when the boundary after the column is red too. Columns left out are
// silver. A read anywhere else, the boundary after the last column included, throws.
melody::RowSampler Row(const std::string& drawn, const melody::GridGeometry& grid = melody::kFourFourGrid) {
  std::map<int, Sample> readings;
  const int w = grid.cellWidth;
  for (int x = w / 2; x < grid.columns * w; x += w / 2) // every centre and every boundary between columns
    readings[x] = Sample::Silver;
  int column = 0;
  for (const char c : drawn) {
    if (c == '=')
      readings.at(column * w) = Sample::Red;
    else
      readings.at(++column * w - w / 2) = c == 'r' ? Sample::Red : c == '.' ? Sample::Silver : Sample::Other;
  }
  return [readings](int x) { return readings.at(x); };
}
} // namespace

TEST(GridRuns, ColoursReadAsRedSilverOrNeither) {
  const std::tuple<int, int, int, Sample> cases[] = {
      {255, 0, 0, Sample::Red},   {192, 192, 192, Sample::Silver}, {0, 0, 0, Sample::Other},
      {254, 0, 0, Sample::Other}, {240, 240, 240, Sample::Other},
  };
  for (const auto& [red, green, blue, sample] : cases)
    EXPECT_EQ(melody::SampleOfColour(red, green, blue), sample) << red << " " << green << " " << blue;
}

TEST(GridRuns, KeysOfOneRowAndRowsTheyCannotSpell) {
  const melody::GridGeometry four = melody::kFourFourGrid, three = melody::kThreeFourGrid;
  const std::tuple<int, std::string, melody::GridGeometry, Lines> cases[] = {
      {5, "r=rr", four, {"501,2", "503,1", "504,29p", "504,29p%"}},
      // Keys come in text order, which is column order: a gap before a bar comes first.
      {1, "..r=r=r", four, {"101,2p", "103,3", "106,27p", "106,27p%"}},
      {1, "r=r.r", four, {"101,2", "103,1p", "104,1", "105,28p", "105,28p%"}},
      // A joined boundary carries the bar into a silver column, which also starts a gap.
      {1, "r=.", four, {"101,2", "102,31p", "102,31p%"}},
      // The last column's bar ends at the image edge.
      {1, std::string(30, '.') + "r=r", four, {"101,30p", "131,2", "131,2%"}},
      {2, std::string(22, '.') + "r=r", three, {"201,22p", "223,2", "223,2%"}},
      // Without a red centre the row is empty: one gap, whatever else it holds.
      {1, "..x.=.", four, {"101,32p", "101,32p%"}},
      // A column of neither colour belongs to no run.
      {1, "r...x", four, {"101,1", "102,3p", "106,27p", "106,27p%"}},
  };
  for (const auto& [row, drawn, grid, keys] : cases) {
    const melody::RowSampler sample = Row(drawn, grid);
    const bool empty = melody::RowIsEmpty(grid.columns, sample, grid.cellWidth);
    EXPECT_EQ(melody::CollectGridRuns(row, empty, grid.columns, sample, grid.cellWidth), keys) << drawn;
  }
  // The pattern grid never flags its row empty: a row without red reads through the gap walk, and a row
  // without any run still ends with its mark.
  EXPECT_EQ(melody::CollectPatternRuns(32, Row(""), 24), (Lines{"101,32p", "101,32p%"}));
  EXPECT_EQ(melody::CollectPatternRuns(32, Row("....x"), 24), (Lines{"101,4p", "106,27p", "106,27p%"}));
  EXPECT_EQ(melody::CollectPatternRuns(32, Row(std::string(32, 'x')), 24), (Lines{"1%"}));
  // Rows and column counts that the keys cannot spell are refused.
  const melody::RowSampler silver = [](int) { return Sample::Silver; };
  const std::tuple<int, int, int> refused[] = {
      {0, 32, 24}, {10, 32, 24}, {1, 100, 24}, {1, 0, 24}, {1, 32, 0}};
  for (const auto& [row, columns, cellWidth] : refused)
    EXPECT_THROW(melody::CollectGridRuns(row, false, columns, silver, cellWidth), Error) << row << columns;
  EXPECT_EQ(melody::CollectGridRuns(9, true, 99, silver, 1), (Lines{"901,99p", "901,99p%"}));
}

TEST(RhythmText, EachMarkEndsALineKeysAfterTheLastBelongToNoRow) {
  EXPECT_EQ(melody::RunsToRhythm({"1%", "201,3", "204,21p", "204,21p%", "301,3"}, "16"),
            (Lines{"", "3*16 21p*16 "}));
  EXPECT_TRUE(melody::RunsToRhythm({}, "8").empty());
}

TEST(GridRuns, WorkedExampleFromTheDrawnGridToTheMelody) {
  // Bars over columns 1..2 and 3 of row 1, rows 2..8 empty; the recording holds 72, 74, 76, the third unused.
  const melody::RowSampler first = Row("r=rr"), empty = Row("");
  const Lines runList = melody::CollectRunList(
      8, melody::kFourFourGrid, [&](int row, int x) { return row == 1 ? first(x) : empty(x); });
  Lines expected = {"101,2", "103,1", "104,29p", "104,29p%"};
  for (const char row : std::string("2345678"))
    expected.insert(expected.end(), {row + std::string("01,32p"), row + std::string("01,32p%")});
  EXPECT_EQ(runList, expected);
  Lines rhythm(8, "32p*8 ");
  rhythm[0] = "2*8 1*8 29p*8 ";
  EXPECT_EQ(melody::RunsToRhythm(runList, "8"), rhythm);

  const melody::RtttlConversion conversion = melody::RhythmToRtttl(rhythm, {72, 74, 76});
  EXPECT_EQ(Joined(conversion.lines), "2*8c7, 8d7, 29*8p, 32*8p, 32*8p, 32*8p, 32*8p, 32*8p, 32*8p, 32*8p, ");
  EXPECT_EQ(conversion.melodySlots.size(), 10u);
}

TEST(RtttlConversion, TokensWrittenForNotesAndRests) {
  const std::tuple<Lines, std::vector<int>, std::string> cases[] = {
      {Lines(8, "32p*8 "), {72}, Repeat("32*8p, ", 8)},
      // A factor of 1 is not written; a note's dot follows its name.
      {{"1*8 3*16 4. 2*8. 1p*8 2p*4 "}, {72, 74, 76, 77}, "8c7, 3*16d7, 4e.7, 2*8f.7, 8p, 2*4p, "},
      {{"1*4 1*4 1*4 1*4 "}, {1, 73, 127, 119}, "4c#1, 4c#7, 4g11, 4b10, "},
      {{"  2*8   1*8"}, {72, 74}, "2*8c7, 8d7, "},
      // Five notes, three pitches: everything before the fourth note, rests included.
      {{"1*8 2p*8 1*8 1*8 1p*8 1*8 1*8 "}, {60, 62, 64}, "8c6, 2*8p, 8d6, 8e6, 8p, "},
      {{"1*8 "}, {60, 62, 64}, "8c6, "},
      // 268435440 ticks, where a delta time holds 268435455; a rest's dot stays where it stands.
      {{"11184810*8 "}, {60}, "11184810*8c6, "},
      {{"11184810p*8 8 1p*8 8 "}, {60, 62}, "11184810*8p, 8c6, 8p, 8d6, "},
      {{"8 8.p 8 2*4p. "}, {60, 62}, "8c6, 8p., 8d6, 2*4p., "},
  };
  for (const auto& [rhythm, notes, written] : cases) {
    EXPECT_EQ(Joined(RhythmToRtttl(rhythm, notes).lines), written) << rhythm[0];
    EXPECT_NO_THROW(melody::MelodyEvents({written}, 1, 100)) << written;
  }
}

TEST(RtttlConversion, MessagesInsteadOfText) {
  const std::tuple<Lines, std::vector<int>, std::string_view> refusals[] = {
      {Lines(8, "32p*8 "), {}, melody::kNoNotesMessage},
      {Lines{}, {}, melody::kNoNotesMessage}, // the recording is checked first
      {Lines{}, {72}, melody::kNoRhythmMessage},
      {Lines{"", "   "}, {72}, melody::kNoRhythmMessage}};
  for (const auto& [rhythm, notes, message] : refusals)
    EXPECT_EQ(Joined(RhythmToRtttl(rhythm, notes).lines), message) << rhythm.size();
  // Only lengths, factors and runs of rests that the melody compiler can time are written.
  for (const char* rhythm : {"8 29p ", "8 0p ", "32p*3 ", "0*8 ", "x*8 ", "666666661*8 ", "12345678901*8 ",
                             "11184811*8 ", "11184811p*8 8 ", "11184810p*8 1p*8 8 "})
    EXPECT_EQ(Joined(RhythmToRtttl({rhythm}, {60}).lines), melody::kInvalidLengthMessage) << rhythm;
  // The tokens with lengths it can write still fill their slots.
  EXPECT_EQ(RhythmToRtttl({"1*8 3*5 2p*5 1*16 "}, {72, 74}).melodySlots,
            (std::vector<melody::MelodySlot>{{72, 8, false, 1}, {74, 16, false, 1}}));
  EXPECT_THROW(RhythmToRtttl({"1*8 "}, {0}), Error);
  EXPECT_THROW(RhythmToRtttl({"1*8 "}, {72, 128}), Error);
}

TEST(RtttlConversion, LongTextIsCutAfterABlankOrCommaAndAThousandTokensAtMost) {
  // A sixteenth then eighteen eighths put a comma at character 95 and its blank at 96.
  const auto conversion =
      RhythmToRtttl({"16 " + Repeat("8 ", 18), Repeat("1*8 ", 30)}, std::vector<int>(49, 72));
  ASSERT_FALSE(conversion.lines.Refused());
  const Lines& lines = conversion.lines.Result();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "16c7, " + Repeat("8c7, ", 17) + "8c7,");
  EXPECT_EQ(lines[0] + lines[1] + lines[2], "16c7, " + Repeat("8c7, ", 48));
  EXPECT_EQ(melody::MelodyEvents(lines, 1, 100).size(), 8 * 49u) << "two events of four bytes a note";
  // The rhythm holds a thousand notes and rests at most.
  const auto full = RhythmToRtttl({Repeat("1*16 ", 1000)}, std::vector<int>(1000, 60));
  ASSERT_FALSE(full.lines.Refused());
  EXPECT_EQ(melody::MelodyEvents(full.lines.Result(), 1, 100).size(), 8000u);
  const auto over = RhythmToRtttl({Repeat("1*16 ", 999), "1p*16 1p*16 "}, std::vector<int>(1000, 60));
  EXPECT_EQ(Joined(over.lines), melody::kRhythmTooLongMessage);
  EXPECT_TRUE(over.melodySlots.empty());
}
