#include "chords/ChordSymbol.h"
#include "chords/ChordTables.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace arvento::chords;

namespace {

int Semitone(std::string_view name) {
  const auto found = std::find(noteIndexTable.begin(), noteIndexTable.end(), name);
  EXPECT_NE(found, noteIndexTable.end()) << name;
  return static_cast<int>(found - noteIndexTable.begin());
}

int CountTones(const std::string& tones) {
  return static_cast<int>(std::count(tones.begin(), tones.end(), '-')) + 1;
}

} // namespace

TEST(ChordToneTable, EveryCellLiesItsColumnsIntervalAboveTheRowsRoot) {
  constexpr int kIntervals[7] = {0, 4, 7, 10, 2, 6, 9};
  for (std::size_t row = 0; row < chordToneTable.size(); ++row) {
    // Rows run a semitone apart from H: H, C, C#, ..., B, H, C.
    EXPECT_EQ(Semitone(chordToneTable[row][0]), static_cast<int>((row + 11) % 12)) << "row " << row;
    for (std::size_t column = 0; column < 7; ++column)
      EXPECT_EQ(Semitone(chordToneTable[row][column]),
                (Semitone(chordToneTable[row][0]) + kIntervals[column]) % 12)
          << "row " << row << " column " << column;
  }
  EXPECT_EQ(noteIndexTable[10], "B");
  EXPECT_EQ(noteIndexTable[11], "H");
}

TEST(ChordToneNames, CommonSymbols) {
  const std::pair<const char*, const char*> cases[] = {
      {"C", "C-E-G"},          {"Cm", "C-D#-G"},    {"C7", "C-E-G-B"},     {"Cmaj7", "C-E-G-H"},
      {"C+7", "C-E-G-H"},      {"Cm7", "C-D#-G-B"}, {"C6", "C-E-G-A"},     {"C-7", "C-E-G-A"},
      {"Csus", "C-F-G"},       {"C4", "C-F-G"},     {"Cdim", "C-D#-F#-A"}, {"Cdim7", "C-D#-F#-A"},
      {"C0/6", "C-D#-F#-A"},   {"C0", "C-D#-F#"},   {"Cang", "C-E-G#"},    {"C9", "C-E-G-D"},
      {"C7/-9", "C-E-G-B-C#"}, {"C5", "C-E-G"},     {"Am7", "A-C-E-G"},
  };
  for (const auto& [symbol, tones] : cases)
    EXPECT_EQ(ChordToneNames(symbol), tones) << symbol;
}

TEST(ChordToneNames, AlteredTonesComeFromTheRowBelowOrAbove) {
  const std::pair<const char*, const char*> cases[] = {
      {"C-9", "C-E-G-C#"},  {"C+9", "C-E-G-D#"}, {"C-11", "C-E-G-F"}, {"C+11", "C-E-G-G"},
      {"C-13", "C-E-G-G#"}, {"C+13", "C-E-G-B"}, {"C-7", "C-E-G-A"},  {"C+7", "C-E-G-H"},
      {"C-5", "C-E-F#"},    {"C+5", "C-E-G#"},   {"C+3", "C-F-G"},
  };
  for (const auto& [symbol, tones] : cases)
    EXPECT_EQ(ChordToneNames(symbol), tones) << symbol;
}

TEST(ChordToneNames, EdgeCases) {
  const std::pair<const char*, const char*> cases[] = {
      {"Am", "A-C-E"},
      {"AM", "A-C#-E"}, // only a lower-case m makes a minor third
      {"F#m7", "F#-A-C#-E"},
      {"Fm#7", "F#-A-C#-E"},
      {"Ebm", "E-G#-H"}, // the b hides the m
      {"Caug", "C-E-G"},
      {"Cang", "C-E-G#"},
      {"Cm-5", "C-D#-F#"},
      {"C+7/7", "C-E-G-H-B"},
      {"H7", "H-D#-F#-A"},
      {"B7", "B-D-F-G#"},
      {"C13", "C-E-G-A"},
      {"C11", "C-E-G-F#"},
      {"C/E", "C-E-G"},
      {"CMAJ7", "C-E-G-B"},
      {"CM7", "C-E-G-B"},
      {"C7sus", "C-F-G-B"},
      {"Cadd9", "C-E-G-D"},
      {"Csus2", "C-F-G"},
      {"C7/5", "C-E-B"}, // a 5 after anything but a sign drops
                         // the fifth
      {"C#", "C#-F-G#"},
      {"Bm", "B-C#-F"},
      {"H", "H-D#-F#"},
  };
  for (const auto& [symbol, tones] : cases)
    EXPECT_EQ(ChordToneNames(symbol), tones) << symbol;

  // A plain 11 removes one character and a signed one two, so the "1" left
  // behind can still start a 13.
  EXPECT_EQ(ChordToneNames("C113"), "C-E-G-F#-A");
  EXPECT_EQ(ChordToneNames("C+113"), "C-E-G-G-A");

  // A chord has from 2 to 15 tones.
  EXPECT_EQ(ChordToneNames("C/5"), "C-E");
  const std::string all = ChordToneNames("C+7/-7/7/+9/-9/9/+11/-11/11/+13/-13/13");
  EXPECT_EQ(all, "C-E-G-H-A-B-D#-C#-D-G-F-F#-B-G#-A");
  EXPECT_EQ(CountTones(all), 15);
}

TEST(NormalizeChordSymbol, AliasesThenSharpThenMinor) {
  const std::pair<const char*, const char*> cases[] = {
      {"Cmaj9", "C+7/9"},  {"Csus4", "C+3/+3"}, {"C6", "C-7"},    {"Cdim7", "Cm-5/-7"}, {"Cdim", "Cm-5/-7"},
      {"C0/6", "Cm-5/-7"}, {"C0", "Cm-5"},      {"Cang", "C+5"},  {"Fm#7", "F#m7"},     {"F#m7", "F#m7"},
      {"Ebm", "Ebm"},      {"C7sus", "C7+3"},   {"Cmaj7", "C+7"}, {"C", "C"},           {"", ""},
  };
  for (const auto& [symbol, normal] : cases)
    EXPECT_EQ(NormalizeChordSymbol(symbol), normal) << symbol;
}

TEST(ChordToneNames, RootsWithoutATableRowFail) {
  for (const char* symbol : {"A#", "E#", "H#", "B#", "A#m7", "4", "X", "#", "a", ""})
    EXPECT_THROW(ChordToneNames(symbol), arvento::Error) << symbol;
  try {
    ChordToneNames("A#m");
    FAIL() << "A# has no row";
  } catch (const arvento::Error& error) {
    EXPECT_NE(std::string(error.what()).find("\"A#\""), std::string::npos) << error.what();
  }
}

TEST(FlatSpellingWarning, ALowerCaseBAfterARootOtherThanBIsNamedWithItsReadingAndItsSharpSpelling) {
  const std::pair<const char*, const char*> cases[] = {
      {"Eb", "Eb читается как E: бемолей нет, пишите D#"},
      {"Ab7", "Ab7 читается как A7: бемолей нет, пишите G#7"},
      {"Cb", "Cb читается как C: бемолей нет, пишите H"},
      {"Hb", "Hb читается как H: бемолей нет, пишите B"},
      // The b hides a following m, so the reading loses the minor third; the alias of maj7 is still seen.
      {"Ebm", "Ebm читается как E: бемолей нет, пишите D#m"},
      {"Ebm7", "Ebm7 читается как E7: бемолей нет, пишите D#m7"},
      {"Abmaj7", "Abmaj7 читается как Amaj7: бемолей нет, пишите G#maj7"},
      {"Gbdim", "Gbdim читается как G-5/-7: бемолей нет, пишите F#dim"},
      // B already is B flat; other symbols have no flat to speak of.
      {"Bb", ""},
      {"Bbm", ""},
      {"E", ""},
      {"Cm7/b9", ""},
      {"eb", ""}, // the caller raises the first character
      {"Cb#", ""},
      {"Pb", ""},
      {"b", ""},
      {"", ""},
  };
  for (const auto& [symbol, warning] : cases)
    EXPECT_EQ(FlatSpellingWarning(symbol).value_or(""), warning) << symbol;
}
