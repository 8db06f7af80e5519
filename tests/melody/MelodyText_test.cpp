#include "TestSupport.h"
#include "melody/MelodyCompiler.h"
#include "melody/OctaveShift.h"

#include <gtest/gtest.h>

using namespace arvento;
using melody::MelodyEvents;
using Lines = std::vector<std::string>;

namespace {
const std::string kRefused = "Октава не изменена: ";

std::string Shifted(const Lines& lines, int octaves) {
  return test::Joined(melody::ShiftMelodyOctave(lines, octaves));
}
} // namespace

TEST(MelodyCompiler, WorkedExampleIsByteExactAndReadByMidicsv) {
  // The compiled part is the example file byte for byte, and so reads as midicsv reads the file.
  const std::string example = std::string(ARVENTO_TEST_DATA_DIR) + "/worked_example.mid";
  const std::vector<std::uint8_t> compiled = melody::CompileMelody({"4c6, 8p, 8e6, "}, SoundSettings{});
  EXPECT_EQ(std::string(compiled.begin(), compiled.end()), test::ReadText(example));
  EXPECT_EQ(test::MidiCsvNotes(example), (Lines{"2 0 Note_on_c 0 60 100", "2 48 Note_off_c 0 60 100",
                                                "2 72 Note_on_c 0 64 100", "2 96 Note_off_c 0 64 100"}));
  // An empty pane still gives a part file, without notes.
  EXPECT_EQ(melody::CompileMelody({}, SoundSettings{}).size(), 65u);
}

TEST(MelodyCompiler, EventsOfOneLine) {
  const std::pair<const char*, const char*> cases[] = {
      // A whole note lasts 192 ticks; a dot anywhere adds half, but a thirty-second keeps 6.
      {"1c6, ", "00 90 3C 64 81 40 80 3C 64"},
      {"3*8e6, ", "00 90 40 64 48 80 40 64"},
      {"4.c6, ", "00 90 3C 64 48 80 3C 64"},
      {"1c.6, ", "00 90 3C 64 82 20 80 3C 64"},
      {"32c6., ", "00 90 3C 64 06 80 3C 64"},
      {"4a#.5, ", "00 90 3A 64 48 80 3A 64"},
      // Names in either case, H for B; characters after the octave digits are ignored.
      {"8C6, ", "00 90 3C 64 18 80 3C 64"},
      {"8h5, ", "00 90 3B 64 18 80 3B 64"},
      {"8c1, ", "00 90 00 64 18 80 00 64"},
      {"8g11, ", "00 90 7F 64 18 80 7F 64"},
      {"8c6x, ", "00 90 3C 64 18 80 3C 64"},
      // Rests fold into the next note-on; an upper-case P takes no time; rests at the end are dropped.
      {"8p, 2*8p, 4c6, ", "48 90 3C 64 30 80 3C 64"},
      {"8P, 4c6, 4p, ", "00 90 3C 64 30 80 3C 64"},
      // Only tokens followed by a comma are played.
      {"   8c6, 8d6", "00 90 3C 64 18 80 3C 64"},
  };
  for (const auto& [line, events] : cases)
    EXPECT_EQ(MelodyEvents({line}, 1, 100), test::Bytes(events)) << line;

  // Lines without a comma or with a comment take no part; rests carry over to the next line.
  EXPECT_TRUE(MelodyEvents({"Title", "", "8c6 8d6", "// 8c6, 8d6,", "8c6, // x", "8P, "}, 1, 100).empty());
  EXPECT_EQ(MelodyEvents({"4c6, 4p, ", "", "4d6, "}, 1, 100),
            test::Bytes("00 90 3C 64 30 80 3C 64 30 90 3E 64 30 80 3E 64"));
  // Channel 1..16 in the status byte; a velocity above 127 is written as 127.
  EXPECT_EQ(MelodyEvents({"8c6, "}, 10, 10), test::Bytes("00 99 3C 0A 18 89 3C 0A"));
  EXPECT_EQ(MelodyEvents({"8c6, "}, 16, 200), test::Bytes("00 9F 3C 7F 18 8F 3C 7F"));
}

TEST(MelodyCompiler, MalformedTokensNameTheirLineAndToken) {
  const std::pair<Lines, const char*> cases[] = {
      {{"ok", "8c6, c6, "}, "Строка 2, элемент \"c6\": длительность не число"},
      {{"8c6, , 8d6, "}, "Строка 1, элемент \"\": слишком короткий элемент"},
      {{"0c6, "}, "Строка 1, элемент \"0c6\": длительность не число"},
      {{"3c6, "}, "Строка 1, элемент \"3c6\": длительность может быть 1, 2, 4, 8, 16 или 32"},
      {{"x*8c6, "}, "Строка 1, элемент \"x*8c6\": множитель повтора не число"},
      {{"8E#6, "}, "Строка 1, элемент \"8E#6\": неизвестная нота E#"},
      {{"8h#6, "}, "Строка 1, элемент \"8h#6\": неизвестная нота B#"},
      {{"8c, "}, "Строка 1, элемент \"8c\": нет октавы"},
      {{"8#, "}, "Строка 1, элемент \"8#\": нет названия ноты"},
      {{"8g#11, "}, "Строка 1, элемент \"8g#11\": нота вне диапазона 0..127 (c1..g11)"},
      {{"11184811*8c6, "}, "Строка 1, элемент \"11184811*8c6\": слишком длинная нота"},
      {{"11184810*8p, ", "8p, 8c6, "}, "Строка 2, элемент \"8p\": слишком длинная пауза"},
      // A token glued to the comma before it loses its first character to the comma's blank.
      {{"8c6,8d6, "}, "Строка 1, элемент \"d6\": длительность не число"},
  };
  for (const auto& [lines, message] : cases)
    EXPECT_EQ(test::ErrorText([&] { MelodyEvents(lines, 1, 100); }), message);
}

TEST(OctaveShift, NotesMoveRestsAndSkippedLinesStayOrNothingMoves) {
  const std::tuple<Lines, int, std::string> cases[] = {
      {{"2*8c7, 8d7, 29*8p, ", "8c9, ", "8g10, "}, 1, "2*8c8, 8d8, 29*8p, |8c10, |8g11, "},
      {{"2*8c7, 8d7, 29*8p, ", "8c10, ", "8c2, "}, -1, "2*8c6, 8d6, 29*8p, |8c9, |8c1, "},
      {{"4a#.5, 4c.6, 16h4, 8C6, 8P, "}, 1, "4a#.6, 4c.7, 16h5, 8C7, 8P, "},
      {{"8p., 2*8.p, 8P., 8c6, "}, 1, "8p., 2*8.p, 8P., 8c7, "},
      // Lines the compiler skips stay as they are, and so does text after the last comma.
      {{"Мелодия", "", "// 8c6, 8d6, ", "8c6, 8d6"}, 1, "Мелодия||// 8c6, 8d6, |8c7, 8d6"},
      {Lines{}, 1, ""},
  };
  for (const auto& [lines, octaves, shifted] : cases)
    EXPECT_EQ(Shifted(lines, octaves), shifted) << (lines.empty() ? "" : lines[0]);
  // Any fault refuses the whole shift, naming its line and token: nothing moves, not even the lines before.
  EXPECT_EQ(Shifted({"8c6, ", "8e6, 4c7., 8f6, "}, 1),
            kRefused + "строка 2, элемент \"4c7.\" не кончается нотой с октавой");
  for (const std::string token : {"", "16", "8e#6", "8x6", "8c6 x", "8c1234567890"})
    EXPECT_EQ(Shifted({token + ", "}, -1),
              kRefused + "строка 1, элемент \"" + token + "\" не кончается нотой с октавой");
  for (const std::string token : {"8g11", "8g#10", "8c999999999"})
    EXPECT_EQ(Shifted({token + ", 8p, "}, 1),
              kRefused + "строка 1, элемент \"" + token + "\": нота вышла бы за пределы c1..g11");
  EXPECT_EQ(Shifted({"8c1, "}, -1), kRefused + "строка 1, элемент \"8c1\": нота вышла бы за пределы c1..g11");
}
