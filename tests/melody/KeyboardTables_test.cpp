#include "melody/KeyboardTables.h"

#include <gtest/gtest.h>

using namespace arvento::melody;

namespace {
constexpr int kStart = -12; // octaveOffset at start
int Press(char c, int offset = kStart) {
  return KeyPressNote(static_cast<unsigned char>(c), offset, false);
}
int Drum(char c, int offset = kStart) {
  return KeyPressNote(static_cast<unsigned char>(c), offset, true);
}
int Ctrl(char letter) {
  return letter - 'A' + 1;
}
} // namespace

TEST(KeyboardTables, CharNoteColumnAsTabulated) {
  const std::string plain = "awsedftgyhujkolp;'";
  for (std::size_t i = 0; i < plain.size(); ++i)
    EXPECT_EQ(keyNoteTable[static_cast<unsigned char>(plain[i])].charNote, 72 + static_cast<int>(i))
        << plain[i];
  const std::string shifted = "AWSEDFTGYHUJ";
  for (std::size_t i = 0; i < shifted.size(); ++i)
    EXPECT_EQ(keyNoteTable[static_cast<unsigned char>(shifted[i])].charNote, 84 + static_cast<int>(i));
  const int control[] = {1, 23, 19, 5, 4, 6, 20, 7, 25, 8, 21, 10, 11, 15, 12, 16};
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(keyNoteTable[control[i]].charNote, 60 + i) << control[i];
  // Shifted K O L P ; ' have no entry.
  for (const char c : std::string("KOLP:\"z "))
    EXPECT_EQ(keyNoteTable[static_cast<unsigned char>(c)].charNote, 0) << c;
  int entries = 0;
  for (const KeyNotes& notes : keyNoteTable)
    entries += notes.charNote != 0;
  EXPECT_EQ(entries, 18 + 12 + 16);
}

TEST(KeyboardTables, KeyUpColumnAndDrumTableAsTabulated) {
  const std::string letters = "AWSEDFTGYHUJKOLP";
  for (std::size_t i = 0; i < letters.size(); ++i)
    EXPECT_EQ(keyNoteTable[static_cast<unsigned char>(letters[i])].keyUpNote, 72 + static_cast<int>(i));
  EXPECT_EQ(keyNoteTable[186].keyUpNote, 88);
  EXPECT_EQ(keyNoteTable[222].keyUpNote, 89);
  EXPECT_EQ(keyNoteTable['a'].keyUpNote, 0);
  int keyUps = 0, drums = 0;
  for (std::size_t i = 0; i < 256; ++i) {
    keyUps += keyNoteTable[i].keyUpNote != 0;
    drums += drumKeyTable[i] != 0;
  }
  EXPECT_EQ(keyUps, 18);
  EXPECT_EQ(drums, 46);
  EXPECT_EQ(drumKeyTable['1'], 1);
  EXPECT_EQ(drumKeyTable['\\'], 13);
  EXPECT_EQ(drumKeyTable['q'], 14);
  EXPECT_EQ(drumKeyTable[']'], 25);
  EXPECT_EQ(drumKeyTable['a'], 26);
  EXPECT_EQ(drumKeyTable['\''], 36);
  EXPECT_EQ(drumKeyTable['z'], 37);
  EXPECT_EQ(drumKeyTable['/'], 46);
}

TEST(KeyboardTables, PressedNotes) {
  EXPECT_EQ(Press('a'), 72);
  EXPECT_EQ(Press('s'), 74);
  EXPECT_EQ(Press('d'), 76);
  EXPECT_EQ(Press('\''), 89);
  EXPECT_EQ(Press('A'), 84) << "Shift, or Caps Lock, plays an octave higher";
  EXPECT_EQ(KeyPressNote(Ctrl('A'), kStart, false), 60);
  EXPECT_EQ(KeyPressNote(Ctrl('P'), kStart, false), 75);
  EXPECT_EQ(Press('a', 0), 84) << "after one octave up";
  EXPECT_EQ(Press('a', -24), 60);
  EXPECT_EQ(Press('z'), 0);
  EXPECT_EQ(Press('K'), 0);
  EXPECT_EQ(Press(' '), 0);
  EXPECT_EQ(Drum('1'), 36);
  EXPECT_EQ(Drum('/'), 81);
  EXPECT_EQ(Drum('1', 0), 48);
  EXPECT_EQ(Drum('A'), 0) << "the drum table goes by the typed character";
  EXPECT_EQ(KeyPressNote(-1, kStart, false), 0);
  EXPECT_EQ(KeyPressNote(256, kStart, true), 0);
}

TEST(KeyboardTables, NotesOutsideTheMidiRangeNeitherSoundNorRecord) {
  EXPECT_EQ(Press('a', -83), 1);
  EXPECT_EQ(Press('a', -84), 0);
  EXPECT_EQ(Press('a', -96), 0);
  EXPECT_EQ(Press('G', 24), 127);
  EXPECT_EQ(Press('Y', 24), 0);
  EXPECT_EQ(Drum('1', -48), 0);
  EXPECT_EQ(Drum('/', 48), 0);
}

TEST(KeyboardTables, ReleaseStopsOnlyTheKeyThatSounded) {
  // Shift+A sounds 84; the release of A (72 - 12 = 60) matches 60 + 24.
  EXPECT_TRUE(ReleaseStopsSound('A', kStart, false, Press('A')));
  EXPECT_TRUE(ReleaseStopsSound('A', kStart, false, Press('a')));
  EXPECT_TRUE(ReleaseStopsSound('A', kStart, false, KeyPressNote(Ctrl('A'), kStart, false)));
  EXPECT_TRUE(ReleaseStopsSound(kSemicolonKeyCode, kStart, false, Press(';')));
  EXPECT_TRUE(ReleaseStopsSound(kApostropheKeyCode, 0, false, Press('\'', 0)));
  EXPECT_FALSE(ReleaseStopsSound('S', kStart, false, Press('a')));
  EXPECT_FALSE(ReleaseStopsSound('A', kStart, false, Press('s')));
  // Any release stops a drum.
  EXPECT_TRUE(ReleaseStopsSound('Z', kStart, true, Drum('1')));
  EXPECT_FALSE(ReleaseStopsSound(300, kStart, false, 72));
  EXPECT_FALSE(ReleaseStopsSound(-5, kStart, false, 72));
}
