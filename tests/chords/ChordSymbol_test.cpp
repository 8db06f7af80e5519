#include "chords/ChordSymbol.h"
#include "chords/ChordTables.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace arvento::chords;

namespace {
int Semitone(std::string_view name) {
  const auto found = std::find(noteIndexTable.begin(), noteIndexTable.end(), name);
  EXPECT_NE(found, noteIndexTable.end()) << name;
  return static_cast<int>(found - noteIndexTable.begin());
}
} // namespace

// Columns: root, 3, 5, 7, 9, 11, 13. Rows run a semitone apart from H: H, C, C#, ..., B, H, C. In the
// piano register of the first twelve rows (C4 being 48), roots run from G3 to F#4 and the ninth, eleventh
// and thirteenth lie an octave above the second, tritone and sixth.
TEST(ChordTables, EveryToneLiesItsIntervalAboveTheRoot) {
  constexpr int kIntervals[7] = {0, 4, 7, 10, 14, 18, 21};
  for (std::size_t row = 0; row < chordToneTable.size(); ++row) {
    const int root = Semitone(chordToneTable[row][0]) + 12 * chordOctaveTable[row][0];
    EXPECT_TRUE(row >= 12 || (root >= 12 * 3 + 7 && root <= 12 * 4 + 6)) << "row " << row;
    for (std::size_t column = 0; column < 7; ++column) {
      const int semitone = Semitone(chordToneTable[row][column]);
      EXPECT_EQ(semitone, (static_cast<int>(row) + 11 + kIntervals[column]) % 12) << row << " " << column;
      EXPECT_TRUE(row >= 12 || semitone + 12 * chordOctaveTable[row][column] - root == kIntervals[column])
          << "row " << row << " column " << column;
    }
  }
}

// Common names are rewritten as extensions (maj7 before maj, dim7 before dim). Signed tones come from the
// row below or above; only a lower-case m makes a minor third, and a b after the root hides it (Ebm). A 5
// after anything but a sign drops the fifth. A plain 11 removes one character and a signed one two, so the
// "1" left behind can still start a 13.
TEST(ChordToneNames, RootThirdFifthThenExtensionsInFixedOrder) {
  // Each symbol, then its tones.
  std::istringstream cases(
      "C C-E-G  Cm C-D#-G  C7 C-E-G-B  Cmaj7 C-E-G-H  Cm7 C-D#-G-B  C6 C-E-G-A  Csus C-F-G  C4 C-F-G  "
      "Cdim C-D#-F#-A  C0/6 C-D#-F#-A  C0 C-D#-F#  Cang C-E-G#  Caug C-E-G  C9 C-E-G-D  C5 C-E-G  "
      "Am7 A-C-E-G  F#m7 F#-A-C#-E  Fm#7 F#-A-C#-E  H7 H-D#-F#-A  B7 B-D-F-G#  Bm B-C#-F  C# C#-F-G#  "
      "C-9 C-E-G-C#  C+9 C-E-G-D#  C-11 C-E-G-F  C+11 C-E-G-G  C-13 C-E-G-G#  C+13 C-E-G-B  C-7 C-E-G-A  "
      "C+7 C-E-G-H  C-5 C-E-F#  C+5 C-E-G#  C+3 C-F-G  Cm-5 C-D#-F#  AM A-C#-E  CM7 C-E-G-B  "
      "CMAJ7 C-E-G-B  C7/-9 C-E-G-B-C#  C+7/7 C-E-G-H-B  C13 C-E-G-A  C11 C-E-G-F#  C/E C-E-G  "
      "C7sus C-F-G-B  Cadd9 C-E-G-D  Csus2 C-F-G  Ebm E-G#-H  C7/5 C-E-B  C/5 C-E  C113 C-E-G-F#-A  "
      "C+113 C-E-G-G-A  Cmaj9 C-E-G-H-D  Csus4 C-F-G  Cdim7 C-D#-F#-A  F# F#-B-C#");
  for (std::string symbol, tones; cases >> symbol >> tones;)
    EXPECT_EQ(ChordToneNames(symbol), tones) << symbol;
  // Fifteen tones at most: root, third, fifth and every extension.
  EXPECT_EQ(ChordToneNames("C+7/-7/7/+9/-9/9/+11/-11/11/+13/-13/13"), "C-E-G-H-A-B-D#-C#-D-G-F-F#-B-G#-A");
  // Roots without a row in the table, and empty symbols, fail.
  for (const char* symbol : {"A#", "E#", "H#", "B#", "A#m7", "4", "X", "#", "a", ""})
    EXPECT_THROW(ChordToneNames(symbol), arvento::Error) << symbol;
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
  };
  for (const auto& [symbol, warning] : cases)
    EXPECT_EQ(FlatSpellingWarning(symbol).value_or(""), warning) << symbol;
  // B already is B flat; other symbols have no flat to speak of; the caller raises the first character.
  for (const char* symbol : {"Bb", "Bbm", "E", "Cm7/b9", "eb", "Cb#", "Pb", "b", ""})
    EXPECT_FALSE(FlatSpellingWarning(symbol).has_value()) << symbol;
}
