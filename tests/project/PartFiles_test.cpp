#include "TestSupport.h"
#include "core/Error.h"
#include "melody/MelodyCompiler.h"
#include "midi/SmfReader.h"
#include "project/PartFiles.h"

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
  EXPECT_THROW(ConcatenatePartFiles({}, 50), Error);
}

TEST(PartFiles, OnlyWellFormedFilesOfMoreThanTwoTracksAreMultiTrack) {
  const std::vector<std::uint8_t> part = melody::CompileMelody({"4c6, "}, SoundSettings{});
  const std::vector<std::uint8_t> assembled = ConcatenatePartFiles({part, part}, 50);
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
    bool multiTrack;
  } cases[] = {
      {"part file", part, false},
      {"assembled file", assembled, true},
      {"assembled file cut short", {assembled.begin(), assembled.end() - 2}, false},
      {"header only", test::Bytes("4D 54 68 64 00 00 00 06 00 01 00 03 00 32"), false},
      {"empty", {}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsMultiTrackFile(c.bytes), c.multiTrack) << c.what;
}
