// Classic ringtones read, opened as RTTTL-E and written back: every rule as a
// table of cases, every refusal with its message, and the ringtones of other
// parsers' test suites through the whole round trip.

#include "TestSupport.h"
#include "core/Error.h"
#include "melody/MelodyCompiler.h"
#include "ringtone/ClassicRingtone.h"
#include "ringtone/RingtoneExport.h"
#include "ringtone/RingtoneImport.h"

#include <gtest/gtest.h>

using namespace arvento;
using namespace arvento::ringtone;
using arvento::test::ErrorText;
using arvento::test::Joined;
using Lines = std::vector<std::string>;

const std::filesystem::path kCorpus = std::filesystem::path(ARVENTO_TEST_DATA_DIR) / "rtttl";

TEST(RingtoneImport, NotesTempoAndComment) {
  const std::tuple<std::string, std::string, int, std::string> cases[] = {
      // Classic octave k is octave k + 2; unwritten lengths and octaves are the defaults.
      {"Nokia:d=4,o=5,b=120:8e6,8d6,f#,g#", "// Nokia, b=120|8e8, 8d8, 4f#7, 4g#7, ", 48, ""},
      // Missing defaults are d=4, o=6, b=63; a note may be g9 at most.
      {"x::c,g9", "// x, b=63|4c8, 4g11, ", 25, ""},
      // Defaults in any order and case, blanks around every part, unknown keys
      // ignored, upper-case names, H for B, a dot before or after the octave, rests with an octave.
      {" Tune : B = 90 , O=4 ,D=8, s=1, l=15 : C , 4d#. , P5 , 16H.5 , 32e5. , 2p.",
       "// Tune, b=90|8c6, 4d#.6, 8p, 16b.7, 32e.7, 2p., ", 36, ""},
      // An empty place between commas is no note; an empty list is no melody.
      {"x:d=1:c,,d,", "// x, b=63|1c8, 1d8, ", 25, ""},
      {":d=4:", "// , b=63", 25, ""},
      // A tempo setting outside 10..100 is held within it, with a warning.
      {"slow:b=20:c", "// slow, b=20|4c8, ", 10,
       "Мелодия \"slow\": b=20 дает темп 8 вне 10..100, взят темп 10"},
      {"fast:b=300:c", "// fast, b=300|4c8, ", 100,
       "Мелодия \"fast\": b=300 дает темп 120 вне 10..100, взят темп 100"},
      // Laid out as the grid conversion lays it out: 16 tokens of six characters, then the rest.
      {"w:d=16,o=5:c,c,c,c,c,c,c,c,c,c,c,c,c,c,c,c,c",
       "// w, b=63|16c7, 16c7, 16c7, 16c7, 16c7, 16c7, 16c7, 16c7, 16c7, 16c7, 16c7, 16c7, 16c7, 16c7, 16c7, "
       "16c7,| 16c7, ",
       25, ""},
  };
  for (const auto& [line, lines, tempo, warning] : cases) {
    const ImportedRingtone imported = ImportRingtone(line);
    EXPECT_EQ(Joined(imported.lines), lines) << line;
    EXPECT_EQ(imported.tempo, tempo) << line;
    EXPECT_EQ(Joined(imported.warnings), warning) << line;
  }
}

TEST(RingtoneImport, ErrorsNameTheRingtoneTheNoteAndItsText) {
  const std::pair<const char*, const char*> cases[] = {
      {"x:d=4,o=5:8c,8x", "Мелодия \"x\": нота 2 \"8x\": неизвестная нота \"x\""},
      {"x::c,,d,p#", "Мелодия \"x\": нота 4 \"p#\": неизвестная нота \"p#\""},
      {"x::e#", "Мелодия \"x\": нота 1 \"e#\": неизвестная нота \"e#\""},
      {"x::3c", "Мелодия \"x\": нота 1 \"3c\": длительность может быть 1, 2, 4, 8, 16 или 32"},
      {"x::64c", "Мелодия \"x\": нота 1 \"64c\": длительность может быть 1, 2, 4, 8, 16 или 32"},
      {"x::8", "Мелодия \"x\": нота 1 \"8\": нет названия ноты"},
      {"x::c.6.", "Мелодия \"x\": нота 1 \"c.6.\": вторая точка"},
      {"x::c..", "Мелодия \"x\": нота 1 \"c..\": вторая точка"},
      {"x::c0", "Мелодия \"x\": нота 1 \"c0\": октава может быть от 1 до 9"},
      {"x::c10", "Мелодия \"x\": нота 1 \"c10\": октава может быть от 1 до 9"},
      {"x::g#9", "Мелодия \"x\": нота 1 \"g#9\": нота выше g9"},
      {"x::8c6x", "Мелодия \"x\": нота 1 \"8c6x\": лишние знаки \"x\""},
      {"x::8c 6", "Мелодия \"x\": нота 1 \"8c 6\": лишние знаки \" 6\""},
      {"x:b=fast:c", "Мелодия \"x\": умолчание \"b=fast\": значение не число"},
      {"x:d=:c", "Мелодия \"x\": умолчание \"d=\": значение не число"},
      {"x: o :c", "Мелодия \"x\": умолчание \"o\": значение не число"},
      {"x:d=3:c", "Мелодия \"x\": умолчание \"d=3\": длительность может быть 1, 2, 4, 8, 16 или 32"},
      {"x:O=10:c", "Мелодия \"x\": умолчание \"O=10\": октава может быть от 1 до 9"},
      {"x:c,d", "Мелодия \"x\": нет раздела \":\": нужно НАЗВАНИЕ:УМОЛЧАНИЯ:НОТЫ"},
      {"no sections", "Мелодия \"no sections\": нет раздела \":\": нужно НАЗВАНИЕ:УМОЛЧАНИЯ:НОТЫ"},
  };
  for (const auto& [line, message] : cases)
    EXPECT_EQ(ErrorText([&] { ImportRingtone(line); }), message) << line;
}

TEST(RingtoneLines, OneRingtoneALine) {
  EXPECT_EQ(RingtoneLines("\xEF\xBB\xBF"
                          "a:d=4:c\r\n \r\n\n b : :d\nc"),
            (std::vector<std::string_view>{"a:d=4:c", " b : :d", "c"}));
  EXPECT_EQ(RingtoneName(" b : :d"), "b");
  EXPECT_EQ(RingtoneName("no colon "), "no colon");
  EXPECT_TRUE(HoldsRingtone("Text\nx::c\n"));
  EXPECT_FALSE(HoldsRingtone("4c6, 8p, 8e6, \nTime: 12:30"));
}

TEST(RingtoneExport, OneLineWithTheMostFrequentLengthAndOctave) {
  const std::tuple<Lines, std::string, int, std::string, std::string> cases[] = {
      // Rests count for the length; ":" "," and line breaks leave the name; tempo 50 is b=125.
      {{"Title", "4c6, 8p, 8e6, "}, "a:b,\nc", 50, "abc:d=8,o=4,b=125:4c,p,e", ""},
      // On a tie the larger length number and the lower octave; tempo 25 is b=63.
      {{"4c6, 8c7, "}, "t", 25, "t:d=8,o=4,b=63:4c,c5", ""},
      // Dots after the octave, as written even for a thirty-second; H is B; g11 is the highest.
      {{"4a#.5, 32c.6, 4.C6, 8h5, 8g11, "}, "d", 10, "d:d=8,o=3,b=25:4a#.,32c4.,4c4.,b,g9", ""},
      // A repeat factor becomes the classic value it makes, or notes longest first; P takes no time.
      {{"2*8c6, 3*16d6, 5*8e6, 2*8p, 5*8p, 8P, 3*32.f6, "},
       "f",
       100,
       "f:d=8,o=4,b=250:4c,d.,2e,e,4p,2p,p,16f.",
       "Строка 1, элемент \"5*8e6\": в классическом формате нет лиг, нота записана 2 нотами одной высоты"},
      // Only the lines the compiler plays; text after the last comma is not a note.
      {{"// 8c6, 8d6, ", "8c6 8d6", "  8c6, 8d6"}, "s", 50, "s:d=8,o=4,b=125:c", ""},
      {{}, "", 63, ":d=4,o=6,b=158:", ""},
  };
  for (const auto& [lines, name, tempo, line, warnings] : cases) {
    const ClassicExport written = ExportRingtone(lines, name, tempo);
    EXPECT_EQ(written.line, line);
    EXPECT_EQ(Joined(written.warnings), warnings) << line;
  }
}

TEST(RingtoneExport, RefusesWhatTheClassicFormatCannotHold) {
  const std::pair<Lines, const char*> cases[] = {
      {{"8c3, 8b2, "}, "Строка 1, элемент \"8b2\": нота ниже c3, октавы 1 классического формата"},
      {{"ok", "8c6, 8x6, "}, "Строка 2, элемент \"8x6\": неизвестная нота X"}};
  for (const auto& [lines, message] : cases)
    EXPECT_EQ(ErrorText([&] { ExportRingtone(lines, "x", 50); }), message);
}

// The ringtones of other parsers' test suites: each opens as a melody the
// compiler plays, and written back it reads as the same notes and tempo.
TEST(RingtoneCorpus, EveryRingtoneMakesTheRoundTrip) {
  for (const char* file : {"sms-ringtone-rtttl-parser.txt", "python-rtttl.txt"}) {
    const std::string text = test::ReadText(kCorpus / file);
    for (const std::string_view line : RingtoneLines(text)) {
      SCOPED_TRACE(line);
      const ClassicRingtone original = ReadClassicRingtone(line);
      const ImportedRingtone imported = ImportRingtone(line);
      EXPECT_NO_THROW(melody::CompileMelody(imported.lines, SoundSettings{}));
      const std::string written = ExportRingtone(imported.lines, original.name, imported.tempo).line;
      const ClassicRingtone again = ReadClassicRingtone(written);
      EXPECT_EQ(again.notes, original.notes) << written;
      EXPECT_EQ(TempoOfBeats(again.beats), imported.tempo) << written;
    }
  }
  const std::string refused = test::ReadText(kCorpus / "python-rtttl-refused.txt");
  for (const std::string_view line : RingtoneLines(refused))
    EXPECT_NE(ErrorText([&] { ReadClassicRingtone(line); }), "no error") << line;
}
