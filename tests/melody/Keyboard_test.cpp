#include "core/Error.h"
#include "melody/KeyboardRecording.h"
#include "melody/KeyboardTables.h"
#include "melody/OctaveShift.h"

#include <gtest/gtest.h>

using namespace arvento::melody;

constexpr int kStart = -12; // the octave offset a session starts with
constexpr int kCtrlA = 1, kCtrlP = 16;

// The home row sounds the white keys from C and the row above the black keys, Shift an octave higher and
// Ctrl an octave lower. Drums 1..46 run by rows from the digits down, percussion keys 36..81 at the start
// offset. A note outside 1..127 neither sounds nor records.
TEST(KeyboardTables, NoteOfAKeyPress) {
  const std::tuple<int, int, bool, int> cases[] = {
      {'a', kStart, false, 72},    {'w', kStart, false, 73},    {';', kStart, false, 88},
      {'\'', kStart, false, 89},   {'A', kStart, false, 84},    {'J', kStart, false, 95},
      {kCtrlA, kStart, false, 60}, {kCtrlP, kStart, false, 75}, {'a', 0, false, 84},
      {'z', kStart, false, 0},     {'K', kStart, false, 0},     {'1', kStart, true, 36},
      {'\\', kStart, true, 48},    {'a', kStart, true, 61},     {'\'', kStart, true, 71},
      {'z', kStart, true, 72},     {'/', kStart, true, 81},     {'1', 0, true, 48},
      {'A', kStart, true, 0},      {-1, kStart, false, 0},      {256, kStart, true, 0},
      {'a', -83, false, 1},        {'a', -84, false, 0},        {'G', 24, false, 127},
      {'Y', 24, false, 0},         {'1', -48, true, 0},         {'/', 48, true, 0}};
  for (const auto& [code, offset, drum, note] : cases)
    EXPECT_EQ(KeyPressNote(code, offset, drum), note) << code << " at " << offset;
}

// The release of A (key up 72, 60 at the start offset) stops a, Shift+A and Ctrl+A; any release stops a drum.
TEST(KeyboardTables, ReleaseStopsOnlyTheKeyThatSounded) {
  const int semicolon = kSemicolonKeyCode, apostrophe = kApostropheKeyCode;
  const std::tuple<int, int, bool, int, bool> cases[] = {
      {'A', kStart, false, 72, true},    {'A', kStart, false, 84, true},
      {'A', kStart, false, 60, true},    {semicolon, kStart, false, 88, true},
      {apostrophe, 0, false, 101, true}, {'S', kStart, false, 72, false},
      {'A', kStart, false, 74, false},   {'Z', kStart, true, 36, true},
      {300, kStart, false, 72, false},   {-5, kStart, false, 72, false}};
  for (const auto& [keyCode, offset, drum, lastNote, stops] : cases)
    EXPECT_EQ(ReleaseStopsSound(keyCode, offset, drum, lastNote), stops) << keyCode << " after " << lastNote;
}

TEST(KeyboardRecording, StepsBackResetsAndKeepsTheFirstThousandPitchesWithinTheMidiRange) {
  KeyboardRecording recording(std::vector<int>(999, 60));
  EXPECT_TRUE(recording.Record(61));
  EXPECT_FALSE(recording.Record(100));
  recording.StepBack();
  EXPECT_TRUE(recording.Record(100)) << "the next pitch takes the place stepped back over";
  EXPECT_EQ(recording.recordedNotes().at(998), 60);
  EXPECT_EQ(recording.recordedNotes().at(999), 100);
  EXPECT_THROW(recording.Record(0), arvento::Error);
  EXPECT_THROW(recording.Record(128), arvento::Error);
  recording.Reset();
  recording.StepBack();
  EXPECT_EQ(recording, KeyboardRecording()) << "stepping back over nothing changes nothing";
  EXPECT_THROW(KeyboardRecording({72, 0}), arvento::Error);
  EXPECT_THROW(KeyboardRecording(std::vector<int>(1001, 60)), arvento::Error);
}

TEST(OctaveShift, RecordingMovesByTwelveWithinOneTo127) {
  const std::tuple<std::vector<int>, int, std::string> cases[] = {
      {{72, 74}, 1, "{ 84, 86 }"},
      {{13, 127}, -1, "{ 1, 115 }"},
      {std::vector<int>{}, 1, "{}"},
      {{60, 116}, 1, "Октава не изменена: записанная нота 116 вышла бы за пределы 1..127"},
      {{60, 12}, -1, "Октава не изменена: записанная нота 12 вышла бы за пределы 1..127"},
  };
  for (const auto& [pitches, octaves, moved] : cases) {
    const arvento::Outcome<KeyboardRecording> shift =
        ShiftRecordingOctave(KeyboardRecording(pitches), octaves);
    EXPECT_EQ(shift.Refused() ? shift.RefusalText() : testing::PrintToString(shift.Result().recordedNotes()),
              moved);
  }
}
