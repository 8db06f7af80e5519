#include "chords/ChordVoicing.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace arvento::chords;

TEST(Voicings, ChordsOnPianoAndGuitar) {
  // The piano looks up the k-th note in the k-th column of the tone table, whatever interval it is: the D of
  // C9 takes the seventh's octave, the B of Gm lands above its fifth. The guitar plays open position from
  // string 6 to string 1 and doubles tones on the strings left free; E holds H4 twice.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"C", "4C4, 0E4, 0G4, ", "4E3, 0C4, 0E4, 0G4, 0C5, 0G5, "},
      {"Am", "4A3, 0C4, 0E4, ", "4E3, 0A3, 0E4, 0A4, 0C5, 0E5, "},
      {"G", "4G3, 0H3, 0D4, ", "4G3, 0H3, 0D4, 0H4, 0D5, 0G5, "},
      {"D", "4D4, 0F#4, 0A4, ", "4F#3, 0A3, 0D4, 0A4, 0D5, 0F#5, "},
      {"Dm", "4D4, 0F4, 0A4, ", "4F3, 0A3, 0D4, 0A4, 0D5, 0F5, "},
      {"E", "4E4, 0G#4, 0H4, ", "4E3, 0H3, 0E4, 0H4, 0H4, 0G#5, "},
      {"Em", "4E4, 0G4, 0H4, ", "4E3, 0H3, 0E4, 0G4, 0H4, 0G5, "},
      {"A7", "4A3, 0C#4, 0E4, 0G4, ", "4E3, 0A3, 0E4, 0A4, 0C#5, 0G5, "},
      {"E7", "4E4, 0G#4, 0H4, 0D5, ", "4E3, 0H3, 0E4, 0H4, 0D5, 0G#5, "},
      {"Cm", "4C4, 0D#4, 0G4, ", "4G3, 0C4, 0D#4, 0G4, 0D#5, 0G5, "},
      {"F", "4F4, 0A4, 0C5, ", "4F3, 0A3, 0F4, 0A4, 0C5, 0F5, "},
      {"Gm", "4G3, 0B4, 0D4, ", nullptr},
      {"C9", "4C4, 0E4, 0G4, 0D5, ", nullptr},
      {"Cdim", "4C4, 0D#4, 0F#4, 0A4, ", nullptr},
      {"C+7/7", "4C4, 0E4, 0G4, 0H4, 0B4, ", nullptr},
  };
  for (const auto& [symbol, piano, guitar] : cases) {
    EXPECT_EQ(VoiceChord("4", symbol, false), piano) << symbol;
    if (guitar) {
      EXPECT_EQ(VoiceChord("4", symbol, true), guitar) << symbol;
    }
  }
  // The note list: root first for the piano, reversed for the guitar, the first character raised.
  EXPECT_EQ(ChordNoteList("f#m7", false), "F#-A-C#-E-");
  EXPECT_EQ(ChordNoteList("f#m7", true), "E-C#-A-F#-");
  EXPECT_EQ(PianoVoicing("2.", "c-e-g-"), "2.c4, 0e4, 0g4, ") << "names compare without case";
  EXPECT_EQ(VoiceChord("", "C", false), "C4, 0E4, 0G4, ");
}

TEST(Voicings, SevenTonesOnThePianoSixStringsOnTheGuitarPausesAndUnknownRoots) {
  EXPECT_EQ(VoiceChord("1", "C+7/7/9/11", false), "1C4, 0E4, 0G4, 0H4, 0B4, 0D5, 0F#5, ");
  EXPECT_THROW(VoiceChord("1", "C+7/7/9/11/13", false), arvento::Error);
  // More tones than strings: the surplus is lost.
  EXPECT_EQ(VoiceChord("16", "C+7/-7/7/+9/-9/9/+11/-11/11/+13/-13/13", true),
            "16F3, 0B3, 0F#4, 0A4, 0D5, 0G#5, ");
  // A symbol starting with P or p is a pause: only the prefix is written.
  for (const bool guitar : {false, true}) {
    EXPECT_EQ(VoiceChord("4", "Pxyz", guitar), "4P,");
    EXPECT_EQ(VoiceChord("8", "p7", guitar), "8P,");
    EXPECT_EQ(guitar ? GuitarVoicing("2.", "P-") : PianoVoicing("2.", "P-"), "2.P,");
  }
  EXPECT_THROW(VoiceChord("4", "", true), arvento::Error);
  EXPECT_THROW(VoiceChord("4", "a#", false), arvento::Error);
}
