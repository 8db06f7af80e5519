#include "TestSupport.h"
#include "core/Error.h"
#include "project/AtomicFile.h"
#include "project/Cp1251.h"
#include "project/PartRecord.h"
#include "project/ProjectNames.h"

#include <gtest/gtest.h>

using namespace arvento;
using namespace arvento::project;
using Lines = std::vector<std::string>;

TEST(PartRecord, BothKindsAreWrittenInCp1251WithCrLfAndReadBack) {
  const PartRecord melody = {
      PartKind::Melody, 4, 3, 3, 12, 0, 127, {"2*8 1*8 29p*8 "}, {"// Мелодия", "2*8c7, 8d7, 29*8p, "}, {}};
  const std::string bytes = FormatPartRecord(melody);
  EXPECT_EQ(bytes,
            "melody\r\n4 3 3 12 0 127\r\n1\r\n2*8 1*8 29p*8 \r\n2\r\n// \xCC\xE5\xEB\xEE\xE4\xE8\xFF\r\n"
            "2*8c7, 8d7, 29*8p, \r\n");
  EXPECT_EQ(FormatPartRecord(ParsePartRecord(bytes, "ch3v12m.txt")), bytes);
  const PartRecord chords = {PartKind::Accompaniment,      0, 0, 2, 1, 50, 100, {}, {},
                             {"4(Am),4(C),", "4(G),4(E),"}};
  EXPECT_EQ(FormatPartRecord(chords), "accords\r\n0 0 2 1 50 100\r\n4(Am),4(C),\r\n4(G),4(E),\r\n");
  // The chord text is kept whole; LF line ends load too, and so does a last line without one.
  EXPECT_EQ(ParsePartRecord("accords\n0 0 2 1 50 100\n4(Am),\n\n4(C),", "x").chordLines,
            (Lines{"4(Am),", "", "4(C),"}));
  // Without a kind line a record is a melody, its counts read; lines they run past are read empty.
  const PartRecord record = ParsePartRecord("whatever\r\n0 0 1 1 50 100\r\n4\r\n1*8 \r\n", "x");
  EXPECT_EQ(record.rhythmLines, (Lines{"1*8 ", "", "", ""}));
  // Code page 1251 holds Cyrillic; what it cannot hold is written "?".
  EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251("Ёлка ёжик №5 «да» — Їж")), "Ёлка ёжик №5 «да» — Їж");
  EXPECT_EQ(Utf8ToCp1251("ab\xE2\x82\xAC 中 \xFF\xC3"), "ab\x88 ? ??");
}

// Read for a page of one kind, the first line decides: the other kind ("other kind") is told however bad
// the rest is, any other first line is read as that kind. Bad numbers and counts name the file and line.
TEST(PartRecord, TheFirstLineDecidesTheKindAndBadNumbersNameTheLine) {
  const std::string head = "melody\r\n0 0 1 1 50 100\r\n", file = "Файл x.txt, строка ";
  const std::tuple<std::string, PartKind, std::string> cases[] = {
      {"accords\r\nx\r\n", PartKind::Melody, "other kind"},
      {"melody\r\n0 0 99 1 50 100\r\n", PartKind::Accompaniment, "other kind"},
      {"whatever\r\n0 0 1 1 50 100\r\n0\r\n1\r\n8c6, \r\n", PartKind::Melody, "8c6, "},
      {"Melody\r\n0 0 1 1 50 100\r\n4(Am),\r\n", PartKind::Accompaniment, "4(Am),"},
      {"whatever\r\n0 0 x 1 50 100\r\n", PartKind::Accompaniment, file + "2: \"x\" не число"},
      {"melody\r\n1 2\r\n", PartKind::Melody, file + "2: ожидалось шесть чисел настроек, а записано \"1 2\""},
      {"melody\r\n0 0 17 1 50 100\r\n", PartKind::Melody, file + "2: канал 17 вне диапазона 1..16"},
      {"melody\r\n16 46 1 1 50 100\r\n", PartKind::Melody, file + "2: инструмент 46 вне диапазона 0..45"},
      {head + "1\r\nline\r\nmany\r\n", PartKind::Melody, file + "5: \"many\" не число"},
      {head + "-1\r\n", PartKind::Melody, file + "3: ожидалось число строк, а записано \"-1\""},
      {head + "4\r\n", PartKind::Melody, file + "3: число строк 4 больше, чем строк во всём файле (3)"},
  };
  for (const auto& [bytes, expected, result] : cases) {
    std::string read = "other kind";
    const std::string error = test::ErrorText([&] {
      if (const std::optional<PartRecord> record = ParsePartRecordAs(bytes, "x.txt", expected))
        read = record->kind != expected       ? "wrong kind"
               : expected == PartKind::Melody ? record->melodyLines.at(0)
                                              : record->chordLines.at(0);
    });
    EXPECT_EQ(error == "no error" ? read : error, result) << bytes;
  }
}

TEST(ProjectNames, PartFilesRecordsAndProjectNames) {
  EXPECT_EQ(PartFileName(3, 12, kMelodyRole), "ch3v12m.mid");
  EXPECT_EQ(PartFileName(16, 1, kAccompanimentRole), "ch16v1a.mid");
  EXPECT_EQ(RecordPathFor("/p/song/ch1v1m.mid"), std::filesystem::path("/p/song/ch1v1m.txt"));
  EXPECT_NO_THROW(CheckProjectName("Песня 2"));
  for (const std::string bad : {"", "   ", "a/b", "a\\b", "..", ".", "x..y", "a:b", "a?", "a\tb"})
    EXPECT_THROW(CheckProjectName(bad), Error) << bad;
}

TEST(AtomicFile, AFailedWriteLeavesThePreviousFileWholeAndNoTemporary) {
  test::TempDir dir;
  const std::filesystem::path record = dir.path() / "ch1v1m.txt";
  WritePartRecord(record, PartRecord{});
  WritePartRecord(record, {PartKind::Accompaniment, 0, 0, 1, 1, 50, 100, {}, {}, {"4(C),"}});
  EXPECT_FALSE(ReadPartRecordAs(record, PartKind::Melody)) << "the chord record replaced the melody record";
  EXPECT_THROW(WriteFileAtomically(dir.path() / "missing" / "x.mid", std::string_view("x")), Error);
  EXPECT_THROW(ReadFileBytes(dir.path() / "none.mid"), Error);
  EXPECT_THROW(ReadPartRecordAs(dir.path(), PartKind::Melody), Error) << "a directory is no record";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}
