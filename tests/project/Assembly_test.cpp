#include "TestSupport.h"
#include "core/Error.h"
#include "melody/MelodyCompiler.h"
#include "midi/SmfReader.h"
#include "project/Assembly.h"
#include "project/AtomicFile.h"
#include "project/ProjectNames.h"

#include <gtest/gtest.h>

using namespace arvento;
using namespace arvento::project;
namespace fs = std::filesystem;

namespace {

// A project "song" under a base directory, with a melody part on channel 1
// and a guitar chord part on channel 2, saved as the window saves them.
class AssemblyTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(song);
    PartRecord melody;
    melody.melodyLines = {"4c6, 8p, 8e6, "};
    Save("ch1v1m.mid", melody);
    PartRecord chords;
    chords.kind = PartKind::Accompaniment;
    chords.family = 3;
    chords.channel = 2;
    chords.volume = 90;
    chords.chordLines = {"4(Am), 4(C), 4(G), 4(E)"};
    Save("ch2v1a.mid", chords);
  }

  void Save(const std::string& name, const PartRecord& record) {
    WritePartRecord(RecordPathFor(song / name), record);
    WriteFileAtomically(song / name, melody::CompileMelody({"8c6, "}, SoundSettings{}));
  }

  AssemblySettings Settings(const fs::path& project = {}) const {
    AssemblySettings settings;
    const fs::path dir = project.empty() ? song : project;
    settings.levels = LevelsFromParts(ReadProjectParts(dir, dir.filename().string()));
    return settings;
  }

  test::TempDir base;
  fs::path song = base.path() / "song";
  fs::path audition = base.path() / "tmp";
};

} // namespace

TEST_F(AssemblyTest, JoinsEveryPartInFileNameOrderWithItsChannelLevel) {
  AssemblySettings settings = Settings();
  EXPECT_EQ(settings.levels[0], 100);
  EXPECT_EQ(settings.levels[1], 90);
  settings.levels[1] = 70;
  const AssemblyResult result = AssembleProject(song, audition, "song", settings);
  EXPECT_TRUE(result.notice.empty());
  ASSERT_EQ(result.assembledFile, song / "song.mid");
  const midi::SmfFile file = midi::ReadSmf(ReadFileBytes(result.assembledFile));
  ASSERT_EQ(file.trackCount, 3);
  EXPECT_EQ(file.tracks[1].events[3].Channel(), 1);
  EXPECT_EQ(file.tracks[2].events[3].Channel(), 2);
  EXPECT_EQ(file.tracks[2].events[2].data, std::vector<std::uint8_t>{24});
  // The record now holds the level, and the audition copy of the chord part exists.
  EXPECT_EQ(ReadPartRecord(song / "ch2v1a.txt").volume, 70);
  EXPECT_TRUE(fs::exists(audition / "ch2v1a.mid"));

  const std::vector<std::string> notes = test::MidiCsvNotes(result.assembledFile);
  ASSERT_EQ(notes.size(), 4u + 4 * 12);
  EXPECT_EQ(notes[0], "2 0 Note_on_c 0 60 100");
  EXPECT_EQ(notes[4], "3 0 Note_on_c 1 52 70");
  EXPECT_EQ(notes.back(), "3 192 Note_off_c 1 80 70");

  // Assembling again gives the same bytes: the old assembled file is not joined into itself.
  const std::vector<std::uint8_t> first = ReadFileBytes(result.assembledFile);
  AssembleProject(song, audition, "song", settings);
  EXPECT_EQ(ReadFileBytes(result.assembledFile), first);
}

TEST_F(AssemblyTest, LevelsStayWithinTheVolumeRangeAndChannelsShareThem) {
  PartRecord second;
  second.melodyLines = {"8g6, "};
  second.voice = 2;
  second.volume = 30;
  Save("ch1v2m.mid", second);
  AssemblySettings settings = Settings();
  EXPECT_EQ(settings.levels[0], 30); // the last part on the channel sets the level
  settings.levels[0] = 0;
  settings.levels[1] = 200;
  settings.volumeMax = 127;
  AssembleProject(song, audition, "song", settings);
  const std::vector<std::string> notes = test::MidiCsvNotes(song / "song.mid");
  EXPECT_EQ(notes.front(), "2 0 Note_on_c 0 60 10");
  EXPECT_NE(std::find(notes.begin(), notes.end(), "3 0 Note_on_c 0 67 10"), notes.end());
  EXPECT_NE(std::find(notes.begin(), notes.end(), "4 0 Note_on_c 1 52 127"), notes.end());
}

TEST_F(AssemblyTest, ProblemsAreFoundBeforeAnythingIsRewritten) {
  const AssemblySettings settings = Settings();
  AssembleProject(song, audition, "song", settings);
  const std::vector<std::uint8_t> assembled = ReadFileBytes(song / "song.mid");
  const std::string melodyRecord = test::ReadText(song / "ch1v1m.txt");

  auto refusal = [&] {
    try {
      AssembleProject(song, audition, "song", settings);
    } catch (const Error& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  test::WriteText(song / "stray.mid", "RIFF....");
  EXPECT_NE(refusal().find("stray.mid"), std::string::npos);
  fs::remove(song / "stray.mid");
  test::WriteBytes(song / "ch3v1a.mid", melody::CompileMelody({}, SoundSettings{}));
  EXPECT_NE(refusal().find("ch3v1a.mid"), std::string::npos);
  test::WriteText(song / "ch3v1a.txt", "accords\r\n0 0 x 1 50 100\r\n");
  EXPECT_NE(refusal().find("ch3v1a.txt, строка 2"), std::string::npos);
  // The record reads, but its text does not compile to a file: still nothing changes.
  test::WriteText(song / "ch3v1a.txt", "accords\r\n0 0 3 1 50 100\r\nA:4(C)\r\n");
  EXPECT_NE(refusal().find("ch3v1a.mid"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(song / "song.mid"), assembled);
  EXPECT_EQ(test::ReadText(song / "ch1v1m.txt"), melodyRecord);

  test::TempDir empty;
  const AssemblyResult nothing = AssembleProject(empty.path(), audition, "x", settings);
  EXPECT_EQ(nothing.notice, kNoPartsNotice);
  EXPECT_FALSE(fs::exists(empty.path() / "x.mid"));
}

TEST_F(AssemblyTest, ATitleWithADotAssemblesAgain) {
  const fs::path dotted = base.path() / "song.v2";
  fs::rename(song, dotted);
  const AssemblySettings settings = Settings(dotted);
  const AssemblyResult first = AssembleProject(dotted, audition, "song.v2", settings);
  ASSERT_EQ(first.assembledFile, dotted / "song.v2.mid");
  const std::vector<std::uint8_t> bytes = ReadFileBytes(first.assembledFile);
  EXPECT_EQ(AssembleProject(dotted, audition, "song.v2", settings).parts.size(), 2u);
  EXPECT_EQ(ReadFileBytes(first.assembledFile), bytes);
  EXPECT_EQ(test::MidiCsvNotes(first.assembledFile).size(), 4u + 4 * 12);
}

TEST_F(AssemblyTest, TheProjectTmpIsItsOwnAuditionDirectory) {
  fs::rename(song, audition);
  const AssemblyResult result = AssembleProject(audition, audition, "tmp", Settings(audition));
  EXPECT_EQ(result.parts.size(), 2u);
  EXPECT_EQ(test::MidiCsvNotes(audition / "ch2v1a.mid").size(), 4u * 12);
  EXPECT_EQ(test::MidiCsvNotes(audition / "tmp.mid").size(), 4u + 4 * 12);
}
