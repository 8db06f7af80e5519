#include "TestSupport.h"
#include "core/Error.h"
#include "melody/MelodyCompiler.h"
#include "midi/PartFile.h"

#include <gtest/gtest.h>

using namespace arvento;
using melody::MelodyEvents;

namespace {
std::vector<std::string> Events(const std::string& line, int channel = 1, int velocity = 100) {
  return MelodyEvents({line}, channel, velocity);
}

// The ticks of the first note's note-off, read from its delta.
std::string FirstNoteOffDelta(const std::string& line) {
  const std::vector<std::string> events = Events(line);
  EXPECT_EQ(events.size(), 2u) << line;
  return events.size() == 2 ? events[1].substr(0, events[1].find(" 8")) : "";
}

std::string ErrorOf(const std::vector<std::string>& lines) {
  try {
    MelodyEvents(lines, 1, 100);
  } catch (const Error& error) {
    return error.what();
  }
  return "no error";
}
} // namespace

TEST(MelodyCompiler, WorkedExampleIsByteExactAndReadByMidicsv) {
  const std::vector<std::string> lines = {"4c6, 8p, 8e6, "};
  EXPECT_EQ(MelodyEvents(lines, 1, 100),
            (std::vector<std::string>{"00 90 3C 64 ", "30 80 3C 64 ", "18 90 40 64 ", "18 80 40 64 "}));
  const std::vector<std::uint8_t> bytes = melody::CompileMelody(lines, SoundSettings{});
  const std::vector<std::uint8_t> golden =
      test::ReadBytes(std::string(ARVENTO_TEST_DATA_DIR) + "/worked_example.mid");
  EXPECT_EQ(bytes, golden);

  test::TempDir dir;
  test::WriteBytes(dir.path() / "ch1v1m.mid", bytes);
  EXPECT_EQ(test::MidiCsvNotes(dir.path() / "ch1v1m.mid"),
            (std::vector<std::string>{"2 0 Note_on_c 0 60 100", "2 48 Note_off_c 0 60 100",
                                      "2 72 Note_on_c 0 64 100", "2 96 Note_off_c 0 64 100"}));
}

TEST(MelodyCompiler, LinesTakePartOnlyWithACommaAndWithoutComments) {
  EXPECT_TRUE(
      MelodyEvents({"Title", "", "8c6 8d6", "// 8c6, 8d6,", "8c6, // x", "8e6, 8f6, //"}, 1, 100).empty());
  EXPECT_EQ(Events("8c6, 8d6").size(), 2u);
  EXPECT_EQ(Events("8c6, 8d6,").size(), 4u);
  EXPECT_EQ(Events("   8c6, 8d6, ").size(), 4u);
  EXPECT_EQ(Events("8C6, "), Events("8c6, "));
  EXPECT_EQ(Events("8h5, "), Events("8b5, "));
  EXPECT_EQ(Events("8H5, "), Events("8b5, "));
}

TEST(MelodyCompiler, LengthsDotsAndRepeatFactors) {
  EXPECT_EQ(FirstNoteOffDelta("1c6, "), "81 40"); // 192
  EXPECT_EQ(FirstNoteOffDelta("4c6, "), "30");    // 48
  EXPECT_EQ(FirstNoteOffDelta("32c6, "), "06");   // 6
  EXPECT_EQ(FirstNoteOffDelta("16c6, "), "0C");   // 12
  EXPECT_EQ(FirstNoteOffDelta("2*16c6, "), "18"); // 24
  EXPECT_EQ(FirstNoteOffDelta("3*8e6, "), "48");  // 72
  EXPECT_EQ(FirstNoteOffDelta("4c6., "), "48");   // 72
  EXPECT_EQ(FirstNoteOffDelta("4.c6, "), "48");
  EXPECT_EQ(FirstNoteOffDelta("4c.6, "), "48");
  EXPECT_EQ(FirstNoteOffDelta("1c.6, "), "82 20"); // 288
  EXPECT_EQ(FirstNoteOffDelta("2c.6, "), "81 10"); // 144
  EXPECT_EQ(FirstNoteOffDelta("8c.6, "), "24");    // 36
  EXPECT_EQ(FirstNoteOffDelta("16c.6, "), "12");   // 18
  EXPECT_EQ(FirstNoteOffDelta("32c6., "), "06");   // a dotted thirty-second stays 6
  EXPECT_EQ(FirstNoteOffDelta("4a#.5, "), "48");
}

TEST(MelodyCompiler, RestsFoldIntoTheNextNoteOn) {
  EXPECT_EQ(Events("8p, 8p, 4c6, ")[0], "30 90 3C 64 ");
  EXPECT_EQ(Events("2*8p, 4c6, ")[0], "30 90 3C 64 ");
  // An upper-case P takes no time and writes nothing.
  EXPECT_EQ(Events("8P, 4c6, ")[0], "00 90 3C 64 ");
  EXPECT_TRUE(Events("8P, ").empty());
  // Rests after the last note are dropped; rests across lines carry over.
  EXPECT_EQ(Events("4c6, 4p, ").size(), 2u);
  EXPECT_EQ(MelodyEvents({"4c6, 4p, ", "4d6, "}, 1, 100)[2], "30 90 3E 64 ");
}

TEST(MelodyCompiler, ChannelVelocityAndPitch) {
  EXPECT_EQ(Events("8c6, ", 10, 10), (std::vector<std::string>{"00 99 3C A ", "18 89 3C A "}));
  EXPECT_EQ(Events("8c6, ", 16, 100)[0], "00 9F 3C 64 ");
  // A velocity above 127 cannot be a data byte: it is written as 127.
  EXPECT_EQ(Events("8c6, ", 1, 200)[0], "00 90 3C 7F ");
  EXPECT_EQ(Events("8c1, ")[0], "00 90 0 64 ");
  EXPECT_EQ(Events("8a6, ")[0], "00 90 45 64 ");
  EXPECT_EQ(Events("8g11, ")[0], "00 90 7F 64 ");
  // Trailing characters after the octave digits are ignored.
  EXPECT_EQ(Events("8c6x, ")[0], "00 90 3C 64 ");
}

TEST(MelodyCompiler, MalformedTokensNameTheirLineAndToken) {
  EXPECT_EQ(ErrorOf({"ok", "8c6, c6, "}), "Строка 2, элемент \"c6\": длительность не число");
  EXPECT_NE(ErrorOf({"8c6, , 8d6, "}).find("элемент \"\""), std::string::npos);
  EXPECT_NE(ErrorOf({"p8, "}).find("\"p8\""), std::string::npos);
  EXPECT_NE(ErrorOf({"0c6, "}).find("\"0c6\""), std::string::npos);
  EXPECT_NE(ErrorOf({"8E#6, "}).find("неизвестная нота E#"), std::string::npos);
  EXPECT_NE(ErrorOf({"8B#6, "}).find("\"8B#6\""), std::string::npos);
  EXPECT_NE(ErrorOf({"8x6, "}).find("\"8x6\""), std::string::npos);
  EXPECT_NE(ErrorOf({"8c, "}).find("нет октавы"), std::string::npos);
  EXPECT_NE(ErrorOf({"8g#11, "}).find("вне диапазона"), std::string::npos);
  EXPECT_NE(ErrorOf({"3c6, "}).find("1, 2, 4, 8, 16 или 32"), std::string::npos);
  EXPECT_NE(ErrorOf({"64c6, "}).find("\"64c6\""), std::string::npos);
  EXPECT_NE(ErrorOf({"x*8c6, "}).find("множитель"), std::string::npos);
  // A token glued to the comma before it loses its first character to the
  // comma's blank, as the written form expects a blank there.
  EXPECT_NE(ErrorOf({"8c6,8d6, "}).find("\"d6\""), std::string::npos);
}

TEST(MelodyCompiler, EmptyPaneGivesAPartFileWithoutNotes) {
  EXPECT_EQ(melody::CompileMelody({}, SoundSettings{}).size(), 65u);
}
