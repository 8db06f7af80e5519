#include "TestSupport.h"
#include "core/Error.h"
#include "project/AtomicFile.h"
#include "project/Cp1251.h"
#include "project/PartRecord.h"
#include "project/ProjectNames.h"

#include <gtest/gtest.h>

using namespace arvento;
using namespace arvento::project;

namespace {
std::string ErrorOf(const std::string& bytes) {
  try {
    ParsePartRecord(bytes, "ch1v1m.txt");
  } catch (const Error& error) {
    return error.what();
  }
  return "no error";
}
} // namespace

TEST(PartRecord, MelodyRecordIsWrittenWithCrLfAndReadBack) {
  PartRecord record;
  record.family = 4;
  record.instrument = 3;
  record.channel = 3;
  record.voice = 12;
  record.modulation = 0;
  record.volume = 127;
  record.rhythmLines = {"2*8 1*8 29p*8 "};
  record.melodyLines = {"// Мелодия", "2*8c7, 8d7, 29*8p, "};
  const std::string bytes = FormatPartRecord(record);
  EXPECT_EQ(bytes,
            "melody\r\n4 3 3 12 0 127\r\n1\r\n2*8 1*8 29p*8 \r\n2\r\n// \xCC\xE5\xEB\xEE\xE4\xE8\xFF\r\n"
            "2*8c7, 8d7, 29*8p, \r\n");
  const PartRecord back = ParsePartRecord(bytes, "ch3v12m.txt");
  EXPECT_EQ(back.kind, PartKind::Melody);
  EXPECT_EQ(back.family, 4);
  EXPECT_EQ(back.voice, 12);
  EXPECT_EQ(back.volume, 127);
  EXPECT_EQ(back.rhythmLines, record.rhythmLines);
  EXPECT_EQ(back.melodyLines, record.melodyLines);
}

TEST(PartRecord, AccompanimentRecordKeepsTheChordTextWhole) {
  PartRecord record;
  record.kind = PartKind::Accompaniment;
  record.channel = 2;
  record.chordLines = {"4(Am),4(C),", "4(G),4(E),"};
  const std::string bytes = FormatPartRecord(record);
  EXPECT_EQ(bytes, "accords\r\n0 0 2 1 50 100\r\n4(Am),4(C),\r\n4(G),4(E),\r\n");
  const PartRecord back = ParsePartRecord(bytes, "ch2v1a.txt");
  EXPECT_EQ(back.kind, PartKind::Accompaniment);
  EXPECT_EQ(back.chordLines, record.chordLines);
  // Records with LF line ends load too.
  EXPECT_EQ(ParsePartRecord("accords\n0 0 2 1 50 100\n4(Am),\n", "x").chordLines,
            std::vector<std::string>{"4(Am),"});
}

TEST(PartRecord, ShortRecordsGiveEmptyLinesAndAnyOtherFirstLineIsAMelody) {
  // A count may reach as far as the file has lines, past the end of the record.
  const PartRecord record = ParsePartRecord("whatever\r\n0 0 1 1 50 100\r\n4\r\n1*8 \r\n", "x");
  EXPECT_EQ(record.kind, PartKind::Melody);
  EXPECT_EQ(record.rhythmLines, (std::vector<std::string>{"1*8 ", "", "", ""}));
  EXPECT_TRUE(record.melodyLines.empty());
}

TEST(PartRecord, ReadAsAKindTheFirstLineDecidesFirst) {
  struct Case {
    std::string bytes;
    PartKind expected;
    std::string result; // "other kind", the record's first source line, or the error
  };
  const std::vector<Case> cases = {
      // The other kind is told however bad the rest of the record is.
      {"accords\r\nx\r\n", PartKind::Melody, "other kind"},
      {"melody\r\n0 0 99 1 50 100\r\n", PartKind::Accompaniment, "other kind"},
      // Any other first line is read as the expected kind.
      {"melody\r\n0 0 1 1 50 100\r\n0\r\n1\r\n8c6, \r\n", PartKind::Melody, "8c6, "},
      {"whatever\r\n0 0 1 1 50 100\r\n0\r\n1\r\n8c6, \r\n", PartKind::Melody, "8c6, "},
      {"accords\r\n0 0 1 1 50 100\r\n4(Am),\r\n", PartKind::Accompaniment, "4(Am),"},
      {"whatever\r\n0 0 1 1 50 100\r\n4(Am),\r\n", PartKind::Accompaniment, "4(Am),"},
      {"Melody\r\n0 0 1 1 50 100\r\n4(Am),\r\n", PartKind::Accompaniment, "4(Am),"},
      {"whatever\r\n0 0 x 1 50 100\r\n", PartKind::Accompaniment, "Файл x.txt, строка 2: \"x\" не число"},
  };
  for (const Case& c : cases) {
    std::string result;
    try {
      const std::optional<PartRecord> record = ParsePartRecordAs(c.bytes, "x.txt", c.expected);
      if (!record)
        result = "other kind";
      else if (record->kind != c.expected)
        result = "wrong kind";
      else
        result = c.expected == PartKind::Melody ? record->melodyLines.at(0) : record->chordLines.at(0);
    } catch (const Error& error) {
      result = error.what();
    }
    EXPECT_EQ(result, c.result) << c.bytes;
  }
}

TEST(PartRecord, BadNumbersAndCountsNameTheFileAndTheLine) {
  struct Case {
    std::string bytes;
    std::string message;
  };
  const std::string head = "melody\r\n0 0 1 1 50 100\r\n";
  const Case cases[] = {
      {"melody\r\n0 0 x 1 50 100\r\n", "строка 2: \"x\" не число"},
      {"melody\r\n0 0 1 1 50\r\n", "строка 2: ожидалось шесть чисел настроек, а записано \"0 0 1 1 50\""},
      {"melody\r\n0 0 17 1 50 100\r\n", "строка 2: канал 17 вне диапазона 1..16"},
      {"", "строка 2: ожидалось шесть чисел настроек, а записано \"\""},
      {head + "1\r\nline\r\nmany\r\n", "строка 5: \"many\" не число"},
      {head + "4\r\n", "строка 3: число строк 4 больше, чем строк во всём файле (3)"},
      {head + "0\r\n2147483647\r\n", "строка 4: число строк 2147483647 больше, чем строк во всём файле (4)"},
      {head + "2147483648\r\n", "строка 3: \"2147483648\" не число"},
      {"melody\r\n0 0 1 1 50 \x1b[2J\r\n", "строка 2: \"\\x1b[2J\" не число"},
      {"melody\r\n" + std::string(100, '7') + "\r\n", "строка 2: \"" + std::string(60, '7') + "…\" не число"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ErrorOf(c.bytes), "Файл ch1v1m.txt, " + c.message);
}

TEST(PartRecord, Cp1251RoundTripsCyrillicAndMarksTheRest) {
  const std::string russian = "Ёлка ёжик №5 «да» — Їж";
  EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251(russian)), russian);
  EXPECT_EQ(Utf8ToCp1251("ab\xE2\x82\xAC"), "ab\x88");
  EXPECT_EQ(Utf8ToCp1251("中"), "?");
  EXPECT_EQ(Utf8ToCp1251("\xFF\xC3"), "??");
}

TEST(ProjectNames, PartFilesAndRecords) {
  EXPECT_EQ(PartFileName(3, 12, kMelodyRole), "ch3v12m.mid");
  EXPECT_EQ(PartFileName(16, 1, kAccompanimentRole), "ch16v1a.mid");
  EXPECT_EQ(RecordPathFor("/p/song/ch1v1m.mid"), std::filesystem::path("/p/song/ch1v1m.txt"));
  EXPECT_EQ(RecordPathFor("/p/song/song.mid"), std::filesystem::path("/p/song/song.txt"));
  EXPECT_NO_THROW(CheckProjectName("song"));
  EXPECT_NO_THROW(CheckProjectName("Песня 2"));
  for (const std::string bad : {"", "   ", "a/b", "a\\b", "..", ".", "x..y", "a:b", "a?", "a\tb"})
    EXPECT_THROW(CheckProjectName(bad), Error) << bad;
}

TEST(AtomicFile, AFailedWriteLeavesThePreviousFileWhole) {
  test::TempDir dir;
  const auto file = dir.path() / "ch1v1m.mid";
  WriteFileAtomically(file, std::string_view("first"));
  EXPECT_EQ(test::ReadText(file), "first");
  WriteFileAtomically(file, std::string_view("second"));
  EXPECT_EQ(test::ReadText(file), "second");
  EXPECT_THROW(WriteFileAtomically(dir.path() / "missing" / "x.mid", std::string_view("x")), Error);
  EXPECT_THROW(ReadFileBytes(dir.path() / "none.mid"), Error);
  // Only the file itself is left in the directory: no temporary remains.
  EXPECT_EQ(
      std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()),
      1);
}
