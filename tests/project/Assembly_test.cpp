#include "TestSupport.h"
#include "midi/SmfReader.h"
#include "project/Assembly.h"
#include "project/AtomicFile.h"
#include "project/PartFiles.h"
#include "project/ProjectNames.h"

#include <gtest/gtest.h>

using namespace arvento;
using namespace arvento::project;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {
// A project "song" with a melody part on channel 1 and a guitar chord part on channel 2: the record of
// each, and a part file the assembly replaces without reading it.
class AssemblyTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(song);
    Save("ch1v1m.mid", "melody\r\n0 0 1 1 50 100\r\n0\r\n1\r\n4c6, 8p, 8e6, \r\n");
    Save("ch2v1a.mid", "accords\r\n3 0 2 1 50 90\r\n4(Am), 4(C), 4(G), 4(E)\r\n");
  }
  void Save(const std::string& name, const std::string& record) {
    test::WriteText(RecordPathFor(song / name), record);
    test::WriteText(song / name, "a part file the assembly replaces");
  }
  AssemblySettings Settings(const fs::path& dir) const {
    AssemblySettings settings;
    settings.levels = LevelsFromParts(ReadProjectParts(dir, dir.filename().string()));
    return settings;
  }
  std::string Refusal(const AssemblySettings& settings) const {
    return test::ErrorText([&] { AssembleProject(song, audition, "song", settings); });
  }

  test::TempDir base;
  fs::path song = base.path() / "song";
  fs::path audition = base.path() / "tmp";
};
} // namespace

// The levels come from the records, the last part on a channel setting its level, and are kept within
// the range of the volume slider; every part is recompiled with its channel's level, which its record
// then holds, and a chord part is copied for audition.
TEST_F(AssemblyTest, JoinsEveryPartInFileNameOrderWithItsChannelLevel) {
  Save("ch1v2m.mid", "melody\r\n0 0 1 2 50 30\r\n0\r\n1\r\n8g6, \r\n");
  AssemblySettings settings = Settings(song);
  EXPECT_EQ(settings.levels, (std::array<int, 16>{30, 90}));
  settings.levels = {0, 200};
  settings.volumeMax = 127;
  settings.tempo = 90;
  const AssemblyResult result = AssembleProject(song, audition, "song", settings).Result();
  ASSERT_EQ(result.assembledFile, song / "song.mid");
  EXPECT_EQ(ReadPartRecord(song / "ch2v1a.txt").volume, 127);
  EXPECT_EQ(ReadFileBytes(audition / "ch2v1a.mid"), ReadFileBytes(song / "ch2v1a.mid"));
  const Lines notes = test::MidiCsvNotes(result.assembledFile);
  ASSERT_EQ(notes.size(), 4u + 2 + 4 * 12);
  EXPECT_EQ((Lines{notes[2], notes[4], notes[6], notes.back()}),
            (Lines{"2 72 Note_on_c 0 64 10", "3 0 Note_on_c 0 67 10", "4 0 Note_on_c 1 52 127",
                   "4 192 Note_off_c 1 80 127"}));
  // Assembling again gives the same bytes: the old assembled file is not joined into itself.
  const std::vector<std::uint8_t> first = ReadFileBytes(result.assembledFile);
  EXPECT_EQ(midi::ReadSmf(first).division, 90);
  AssembleProject(song, audition, "song", settings);
  EXPECT_EQ(ReadFileBytes(result.assembledFile), first);
}

TEST_F(AssemblyTest, ProblemsAreFoundBeforeAnythingIsRewritten) {
  const AssemblySettings settings = Settings(song);
  AssembleProject(song, audition, "song", settings);
  const std::vector<std::uint8_t> assembled = ReadFileBytes(song / "song.mid");
  const std::string melodyRecord = test::ReadText(song / "ch1v1m.txt");
  test::WriteText(song / "stray.mid", "RIFF....");
  EXPECT_EQ(Refusal(settings), "У партии stray.mid нет записи stray.txt: без нее партию нельзя пересобрать.");
  fs::remove(song / "stray.mid");
  // A record whose kind contradicts the part's file name is refused, either way round.
  Save("ch3v1a.mid", "melody\r\n0 0 3 1 50 100\r\n0\r\n0\r\n");
  EXPECT_EQ(Refusal(settings).rfind("Запись ch3v1a.txt хранит мелодию, а имя файла ch3v1a.mid говорит", 0),
            0u);
  Save("ch3v1a.mid", "accords\r\n0 0 3 1 50 100\r\nA:4(C)\r\n");
  EXPECT_EQ(Refusal(settings).rfind("Партия ch3v1a.mid: Аккорд 1 (", 0), 0u) << "the text does not compile";
  fs::remove(song / "ch3v1a.mid");
  Save("ch3v1m.mid", "accords\r\n0 0 3 1 50 100\r\n4(C)\r\n");
  EXPECT_EQ(Refusal(settings), "Запись ch3v1m.txt хранит аккорды, а имя файла ch3v1m.mid говорит о мелодии.");
  EXPECT_EQ(ReadFileBytes(song / "song.mid"), assembled);
  EXPECT_EQ(test::ReadText(song / "ch1v1m.txt"), melodyRecord);
  test::TempDir empty;
  EXPECT_EQ(AssembleProject(empty.path(), audition, "x", settings).RefusalText(), kNoPartsNotice);
  EXPECT_TRUE(fs::is_empty(empty.path()));
}

TEST_F(AssemblyTest, ARenamedProjectLeavesItsOldAssembledFileAloneAndTmpIsItsOwnAuditionDirectory) {
  AssembleProject(song, audition, "song", Settings(song));
  fs::rename(song, base.path() / "song.v2");
  const fs::path dotted = base.path() / "song.v2";
  Lines leftOut;
  ASSERT_FALSE(AssembleProject(dotted, audition, "song.v2", Settings(dotted), &leftOut).Refused());
  EXPECT_EQ(leftOut, Lines{"Файл song.mid не вошел в сборку: в нем больше двух дорожек, это не партия."});
  EXPECT_EQ(test::MidiCsvNotes(dotted / "song.v2.mid").size(), 4u + 4 * 12);
  Lines again;
  AssembleProject(dotted, audition, "song.v2", Settings(dotted), &again);
  EXPECT_EQ(again, leftOut);
  fs::remove_all(audition);
  fs::rename(dotted, audition);
  EXPECT_EQ(AssembleProject(audition, audition, "tmp", Settings(audition)).Result().parts.size(), 2u);
  EXPECT_EQ(test::MidiCsvNotes(audition / "tmp.mid").size(), 4u + 4 * 12);
}

TEST(PartFiles, ListedAlphabeticallyWithoutRegardToCase) {
  test::TempDir dir;
  for (const char* name : {"ch1v1m.mid", "ch10v1a.mid", "Ch2v1a.MID", "ch1v1a.mid", "ch1v1m.txt", "song.mid"})
    test::WriteText(dir.path() / name, "x");
  fs::create_directory(dir.path() / "sub.mid");
  EXPECT_EQ(ProjectMidiFiles(dir.path()),
            (Lines{"ch10v1a.mid", "ch1v1a.mid", "ch1v1m.mid", "Ch2v1a.MID", "song.mid"}));
  EXPECT_EQ(BaseName("my.song.mid"), "my");
  EXPECT_THROW(ConcatenatePartFiles({}, 50), Error);
}
