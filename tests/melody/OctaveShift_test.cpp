#include "melody/OctaveShift.h"

#include <gtest/gtest.h>

using namespace arvento::melody;
using arvento::Outcome;
using Lines = std::vector<std::string>;

namespace {
// The refusal text, empty when the shift was done.
template <class T> std::string RefusalOf(const Outcome<T>& shift) {
  return shift.Refused() ? shift.RefusalText() : "";
}

Lines Up(const Lines& lines) {
  const Outcome<Lines> shift = ShiftMelodyOctave(lines, 1);
  EXPECT_EQ(RefusalOf(shift), "");
  return shift.Result();
}
Lines Down(const Lines& lines) {
  const Outcome<Lines> shift = ShiftMelodyOctave(lines, -1);
  EXPECT_EQ(RefusalOf(shift), "");
  return shift.Result();
}
} // namespace

TEST(OctaveShift, NotesMoveRestsStay) {
  EXPECT_EQ(Up({"2*8c7, 8d7, 29*8p, "}), (Lines{"2*8c8, 8d8, 29*8p, "}));
  EXPECT_EQ(Down({"2*8c7, 8d7, 29*8p, "}), (Lines{"2*8c6, 8d6, 29*8p, "}));
  EXPECT_EQ(Up({"8c9, "}), (Lines{"8c10, "}));
  EXPECT_EQ(Down({"8c10, "}), (Lines{"8c9, "}));
  EXPECT_EQ(Up({"4a#.5, 4c.6, 16h4, 8C6, 8P, "}), (Lines{"4a#.6, 4c.7, 16h5, 8C7, 8P, "}));
  EXPECT_EQ(Up({"8p., 2*8.p, 8P., 8c6, "}), (Lines{"8p., 2*8.p, 8P., 8c7, "})) << "dotted rests";
  EXPECT_EQ(Up({"8g10, "}), (Lines{"8g11, "})) << "g11 is note 127";
  EXPECT_EQ(Down({"8c2, "}), (Lines{"8c1, "}));
  // Lines the compiler skips stay as they are, and so does text after the last comma.
  EXPECT_EQ(Up({"Мелодия", "", "// 8c6, 8d6, ", "8c6, 8d6"}),
            (Lines{"Мелодия", "", "// 8c6, 8d6, ", "8c7, 8d6"}));
  EXPECT_EQ(Up({}), Lines{});
}

TEST(OctaveShift, UnreadableLineRefusesTheWholeShift) {
  const Lines lines = {"8c6, 8d6, ", "8e6, 4c7., 8f6, ", "8g6, "};
  const Outcome<Lines> shift = ShiftMelodyOctave(lines, 1);
  EXPECT_TRUE(shift.Refused()) << "nothing moves, not even the lines before";
  EXPECT_NE(RefusalOf(shift).find("строка 2"), std::string::npos) << RefusalOf(shift);
  EXPECT_NE(RefusalOf(shift).find("\"4c7.\""), std::string::npos) << RefusalOf(shift);
  for (const Lines& bad :
       {Lines{", 8c6, "}, Lines{"8c, "}, Lines{"16, "}, Lines{"8e#6, "}, Lines{"8x6, "}, Lines{"8c6 x, "}})
    EXPECT_NE(RefusalOf(ShiftMelodyOctave(bad, -1)), "") << bad[0];
}

TEST(OctaveShift, NotesLeavingC1ToG11AreRefused) {
  for (const char* line : {"8g11, ", "8g#10, ", "8c11, ", "8c12, ", "8c999999999, "}) {
    const Outcome<Lines> shift = ShiftMelodyOctave({"8c6, ", line}, 1);
    EXPECT_TRUE(shift.Refused());
    EXPECT_NE(RefusalOf(shift).find("строка 2"), std::string::npos) << RefusalOf(shift);
  }
  const Outcome<Lines> low = ShiftMelodyOctave({"8c1, 8p, "}, -1);
  EXPECT_TRUE(low.Refused());
  EXPECT_NE(RefusalOf(low).find("8c1"), std::string::npos) << RefusalOf(low);
}

TEST(OctaveShift, RecordingMovesByTwelveWithinOneTo127) {
  const Outcome<KeyboardRecording> up = ShiftRecordingOctave(KeyboardRecording({72, 74}), 1);
  EXPECT_EQ(RefusalOf(up), "");
  EXPECT_EQ(up.Result().recordedNotes(), (std::vector<int>{84, 86}));
  EXPECT_EQ(ShiftRecordingOctave(KeyboardRecording({13, 127}), -1).Result().recordedNotes(),
            (std::vector<int>{1, 115}));
  EXPECT_EQ(RefusalOf(ShiftRecordingOctave(KeyboardRecording(), 1)), "");

  for (const auto& [pitches, octaves] :
       {std::pair{std::vector<int>{60, 116}, 1}, {std::vector<int>{60, 12}, -1}}) {
    const KeyboardRecording recording(pitches);
    const Outcome<KeyboardRecording> shift = ShiftRecordingOctave(recording, octaves);
    EXPECT_TRUE(shift.Refused());
    EXPECT_NE(RefusalOf(shift).find(std::to_string(pitches[1])), std::string::npos) << RefusalOf(shift);
  }
}
