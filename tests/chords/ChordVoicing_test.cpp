#include "chords/ChordTables.h"
#include "chords/ChordVoicing.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace arvento::chords;

namespace {

// MIDI-style pitch of a pitched note such as "F#4", C4 being 48 here: only
// differences matter.
int Pitch(std::string_view note) {
  const std::size_t nameSize = note.size() > 1 && note[1] == '#' ? 2 : 1;
  const auto found = std::find(noteIndexTable.begin(), noteIndexTable.end(), note.substr(0, nameSize));
  EXPECT_NE(found, noteIndexTable.end()) << note;
  return static_cast<int>(found - noteIndexTable.begin()) +
         12 * std::stoi(std::string(note.substr(nameSize)));
}

// The voiced chord text of notes written as in the tables: prefix before the
// first, 0 before the others, ", " after each.
std::string Voiced(const std::string& prefix, const std::vector<std::string>& notes) {
  std::string text;
  for (const std::string& note : notes)
    text += (text.empty() ? prefix : "0") + note + ", ";
  return text;
}

} // namespace

TEST(ChordOctaveTable, EveryTonePitchedItsIntervalAboveTheRoot) {
  // The ninth, eleventh and thirteenth lie an octave above the second, tritone and sixth.
  constexpr int kIntervals[7] = {0, 4, 7, 10, 14, 18, 21};
  for (std::size_t row = 0; row < 12; ++row) {
    const int root = Pitch(std::string(chordToneTable[row][0]) + std::to_string(chordOctaveTable[row][0]));
    for (std::size_t column = 0; column < 7; ++column) {
      const std::string note =
          std::string(chordToneTable[row][column]) + std::to_string(chordOctaveTable[row][column]);
      EXPECT_EQ(Pitch(note) - root, kIntervals[column]) << "row " << row << " column " << column;
    }
  }
  // The piano register of the roots: G3 up to F#4.
  EXPECT_EQ(chordOctaveTable[8][0], 3);
  EXPECT_EQ(chordOctaveTable[7][0], 4);
}

TEST(FretTables, StandardTuningOneSemitonePerFret) {
  const char* const openStrings[6] = {"E5", "H4", "G4", "D4", "A3", "E3"};
  for (std::size_t string = 0; string < 6; ++string) {
    EXPECT_EQ(fretNoteTable[string][0], openStrings[string]);
    for (std::size_t fret = 0; fret < 6; ++fret) {
      const std::string_view note = fretNoteTable[string][fret];
      EXPECT_EQ(Pitch(note), Pitch(openStrings[string]) + static_cast<int>(fret)) << note;
      const std::string_view name = fretNameTable[string][fret];
      EXPECT_EQ(note.substr(0, name.size()), name);
      EXPECT_EQ(note.substr(name.size()).find_first_not_of("0123456789"), std::string_view::npos) << note;
    }
  }
}

TEST(ChordNoteList, PianoKeepsTheOrderGuitarReversesIt) {
  EXPECT_EQ(ChordNoteList("Am7", false), "A-C-E-G-");
  EXPECT_EQ(ChordNoteList("Am7", true), "G-E-C-A-");
  EXPECT_EQ(ChordNoteList("am", false), "A-C-E-"); // the first character is raised
  EXPECT_EQ(ChordNoteList("f#m7", false), "F#-A-C#-E-");
  for (const char* pause : {"P", "p", "Pause", "p7"}) {
    EXPECT_EQ(ChordNoteList(pause, false), "P-") << pause;
    EXPECT_EQ(ChordNoteList(pause, true), "P-") << pause;
  }
  EXPECT_THROW(ChordNoteList("", true), arvento::Error);
  EXPECT_THROW(ChordNoteList("a#", false), arvento::Error);
}

TEST(Voicings, CommonChordsOnPianoAndGuitar) {
  struct Case {
    const char* symbol;
    std::vector<std::string> piano;
    std::vector<std::string> guitar; // from string 6 to string 1
  };
  const Case cases[] = {
      {"C", {"C4", "E4", "G4"}, {"E3", "C4", "E4", "G4", "C5", "G5"}},
      {"Am", {"A3", "C4", "E4"}, {"E3", "A3", "E4", "A4", "C5", "E5"}},
      {"G", {"G3", "H3", "D4"}, {"G3", "H3", "D4", "H4", "D5", "G5"}},
      {"D", {"D4", "F#4", "A4"}, {"F#3", "A3", "D4", "A4", "D5", "F#5"}},
      {"Dm", {"D4", "F4", "A4"}, {"F3", "A3", "D4", "A4", "D5", "F5"}},
      {"E", {"E4", "G#4", "H4"}, {"E3", "H3", "E4", "H4", "H4", "G#5"}},
      {"Em", {"E4", "G4", "H4"}, {"E3", "H3", "E4", "G4", "H4", "G5"}},
      {"A7", {"A3", "C#4", "E4", "G4"}, {"E3", "A3", "E4", "A4", "C#5", "G5"}},
      {"E7", {"E4", "G#4", "H4", "D5"}, {"E3", "H3", "E4", "H4", "D5", "G#5"}},
      {"Cm", {"C4", "D#4", "G4"}, {"G3", "C4", "D#4", "G4", "D#5", "G5"}},
      {"F", {"F4", "A4", "C5"}, {"F3", "A3", "F4", "A4", "C5", "F5"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PianoVoicing("4", ChordNoteList(c.symbol, false)), Voiced("4", c.piano)) << c.symbol;
    EXPECT_EQ(GuitarVoicing("4", ChordNoteList(c.symbol, true)), Voiced("4", c.guitar)) << c.symbol;
    EXPECT_EQ(VoiceChord("4", c.symbol, false), Voiced("4", c.piano)) << c.symbol;
    EXPECT_EQ(VoiceChord("4", c.symbol, true), Voiced("4", c.guitar)) << c.symbol;
  }
  EXPECT_EQ(VoiceChord("4", "C", false), "4C4, 0E4, 0G4, ");
}

TEST(PianoVoicing, LooksUpTheKthNoteInTheKthColumn) {
  EXPECT_EQ(VoiceChord("4", "Cdim", false), Voiced("4", {"C4", "D#4", "F#4", "A4"}));
  EXPECT_EQ(VoiceChord("4", "C+7/7", false), Voiced("4", {"C4", "E4", "G4", "H4", "B4"}));
  EXPECT_EQ(VoiceChord("4", "Gm", false), Voiced("4", {"G3", "B4", "D4"})); // the B-flat above the fifth
  EXPECT_EQ(VoiceChord("4", "C9", false), Voiced("4", {"C4", "E4", "G4", "D5"}));
  EXPECT_EQ(VoiceChord("4", "G7", false), Voiced("4", {"G3", "H3", "D4", "F4"}));
  EXPECT_EQ(VoiceChord("2.", "C", false), "2.C4, 0E4, 0G4, ");
  EXPECT_EQ(VoiceChord("", "C", false), "C4, 0E4, 0G4, ");
  // Seven notes still fit the table, an eighth has no column.
  EXPECT_EQ(VoiceChord("1", "C+7/7/9/11", false), Voiced("1", {"C4", "E4", "G4", "H4", "B4", "D5", "F#5"}));
  EXPECT_THROW(VoiceChord("1", "C+7/7/9/11/13", false), arvento::Error);
  EXPECT_EQ(PianoVoicing("4", "c-e-g-"), "4c4, 0e4, 0g4, "); // names compare without case
}

TEST(GuitarVoicing, OpenPositionQuirksAndSurplusTones) {
  // E major holds H4 twice: string 3 fret 4 and the open string 2.
  EXPECT_EQ(VoiceChord("4", "E", true), "4E3, 0H3, 0E4, 0H4, 0H4, 0G#5, ");
  // More tones than strings: the surplus is lost, six strings still sound.
  const std::string many = VoiceChord("1", "C+7/-7/7/+9/-9/9/+11/-11/11/+13/-13/13", true);
  EXPECT_EQ(std::count(many.begin(), many.end(), ','), 6) << many;
  EXPECT_EQ(many.rfind("1", 0), 0u) << many;
  EXPECT_EQ(VoiceChord("16", "H7", true).rfind("16", 0), 0u);
}

TEST(Voicings, PauseKeepsOnlyThePrefix) {
  for (const char* pause : {"P", "p", "Pxyz"}) {
    EXPECT_EQ(VoiceChord("4", pause, false), "4P,") << pause;
    EXPECT_EQ(VoiceChord("4", pause, true), "4P,") << pause;
  }
  EXPECT_EQ(PianoVoicing("2.", "P-"), "2.P,");
  EXPECT_EQ(GuitarVoicing("8", "P-"), "8P,");
}
