#include "Error.h"
#include "MelodyCompiler.h"
#include "PartFiles.h"
#include "SmfReader.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace arvento;
using namespace arvento::project;

TEST(PartFiles, ListIsAlphabeticalWithoutRegardToCase) {
  test::TempDir dir;
  for (const char* name : {"ch1v1m.mid", "ch10v1a.mid", "Ch2v1a.MID", "ch1v1a.mid", "ch1v1m.txt", "song.mid"})
    test::WriteText(dir.path() / name, "x");
  std::filesystem::create_directory(dir.path() / "sub.mid");
  EXPECT_EQ(ProjectMidiFiles(dir.path()),
            (std::vector<std::string>{"ch10v1a.mid", "ch1v1a.mid", "ch1v1m.mid", "Ch2v1a.MID", "song.mid"}));
  EXPECT_EQ(BaseName("song.mid"), "song");
  EXPECT_EQ(BaseName("my.song.mid"), "my");
}

TEST(PartFiles, JoiningKeepsEveryPartTrackAndRewritesCountAndDivision) {
  SoundSettings first;
  first.channel = 2;
  SoundSettings second;
  second.tempo = 70;
  const std::vector<std::uint8_t> a = melody::CompileMelody({"4c6, "}, first);
  const std::vector<std::uint8_t> b = melody::CompileMelody({"8e6, 8g6, "}, second);
  CheckPartFile(a, "a.mid");
  const std::vector<std::uint8_t> joined = ConcatenatePartFiles({a, b}, 90);
  EXPECT_EQ(joined.size(), a.size() + b.size() - 41);
  const midi::SmfFile file = midi::ReadSmf(joined);
  EXPECT_EQ(file.trackCount, 3);
  EXPECT_EQ(file.division, 90);
  EXPECT_EQ(file.tracks[1].events[3].Channel(), 2);
  EXPECT_EQ(file.tracks[2].events.size(), 8u);

  test::TempDir dir;
  test::WriteBytes(dir.path() / "song.mid", joined);
  const std::vector<std::string> notes = test::MidiCsvNotes(dir.path() / "song.mid");
  EXPECT_EQ(notes.size(), 6u);
  EXPECT_EQ(notes.front(), "2 0 Note_on_c 1 60 100");
  EXPECT_EQ(notes.back(), "3 48 Note_off_c 0 67 100");
}

TEST(PartFiles, OnlyPartFilesAreAccepted) {
  const std::vector<std::uint8_t> part = melody::CompileMelody({"4c6, "}, SoundSettings{});
  auto refused = [](const std::vector<std::uint8_t>& bytes) {
    try {
      CheckPartFile(bytes, "bad.mid");
    } catch (const Error& error) {
      return std::string(error.what()).find("Файл bad.mid не является партией") != std::string::npos;
    }
    return false;
  };
  EXPECT_TRUE(refused({}));
  EXPECT_TRUE(refused(test::Bytes("4D 54 68 64 00 00 00 06 00 01 00 02 00 32")));
  std::vector<std::uint8_t> threeTracks = ConcatenatePartFiles({part, part}, 50);
  EXPECT_TRUE(refused(threeTracks));
  std::vector<std::uint8_t> otherConductor = part;
  otherConductor[21] = 0x14;
  EXPECT_TRUE(refused(otherConductor));
  std::vector<std::uint8_t> truncated(part.begin(), part.end() - 2);
  EXPECT_TRUE(refused(truncated));
  EXPECT_THROW(ConcatenatePartFiles({}, 50), Error);
}
