#include "TestSupport.h"
#include "core/Error.h"
#include "midi/PartFile.h"
#include "midi/SmfReader.h"
#include "midi/TrackText.h"

#include <gtest/gtest.h>

using namespace arvento;
using namespace arvento::midi;

TEST(SmfReader, ReadsAPartFileWithAbsoluteTicks) {
  const std::vector<std::uint8_t> bytes = PartFileBytes(
      50, BuildTrackText(3, 50, 24, {"00 92 3C 64 ", "30 82 3C 64 ", "81 00 92 40 64 ", "18 82 40 64 "}));
  const SmfFile file = ReadSmf(bytes);
  EXPECT_EQ(file.format, 1);
  EXPECT_EQ(file.trackCount, 2);
  EXPECT_EQ(file.division, 50);
  ASSERT_EQ(file.tracks.size(), 2u);
  EXPECT_EQ(file.tracks[1].offset, kPartTrackOffset);
  const std::vector<SmfEvent>& events = file.tracks[1].events;
  ASSERT_EQ(events.size(), 8u);
  EXPECT_EQ(events[2].Kind(), 0xC0);
  EXPECT_EQ(events[2].data, std::vector<std::uint8_t>{24});
  EXPECT_EQ(events[3].Channel(), 3);
  EXPECT_EQ(events[4].tick, 48u);
  EXPECT_EQ(events[5].tick, 176u);
  EXPECT_EQ(events[6].tick, 200u);
  EXPECT_EQ(DumpSmf(file).find("  176 ch 3 note-on 64 100\n") != std::string::npos, true);
}

TEST(SmfReader, RefusesDamagedFilesWithAMessage) {
  std::vector<std::uint8_t> bytes =
      PartFileBytes(50, BuildTrackText(1, 50, 0, {"00 90 3C 64 ", "30 80 3C 64 "}));
  std::vector<std::uint8_t> cut(bytes.begin(), bytes.end() - 3);
  EXPECT_THROW(ReadSmf(cut), Error);
  std::vector<std::uint8_t> wrongCount = bytes;
  wrongCount[11] = 3;
  EXPECT_THROW(ReadSmf(wrongCount), Error);
  std::vector<std::uint8_t> notMidi = {'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 1, 0, 2, 0, 50};
  EXPECT_THROW(ReadSmf(notMidi), Error);
  std::vector<std::uint8_t> topBitInData = bytes;
  topBitInData[kPartTrackOffset + 8 + 15] = 0xE4; // velocity of the first note-on
  EXPECT_THROW(ReadSmf(topBitInData), Error);
}
