#include "TestSupport.h"
#include "midi/ByteText.h"
#include "midi/PartFile.h"
#include "midi/SmfReader.h"
#include "midi/TrackText.h"

#include <gtest/gtest.h>

using namespace arvento;
using namespace arvento::midi;
using arvento::test::Bytes;

namespace {
const std::vector<std::uint8_t> kHeaderAndConductor =
    Bytes("4D 54 68 64 00 00 00 06 00 01 00 02 00 32 "
          "4D 54 72 6B 00 00 00 13 00 FF 51 03 07 A1 20 00 FF 58 04 04 02 24 08 00 FF 2F 00");
}

TEST(PartFile, EmptyEventListGivesTheSixtyFiveByteFile) {
  const std::string track = BuildTrackText(1, 50, 0, {});
  EXPECT_EQ(track, "00 ff 03 01 00 00 b0 01 32 00 c0 0 00 ff 2f 00 ");
  const std::vector<std::uint8_t> bytes = PartFileBytes(50, track);
  std::vector<std::uint8_t> expected = kHeaderAndConductor;
  const std::vector<std::uint8_t> partTrack =
      Bytes("4D 54 72 6B 00 00 00 10 00 FF 03 01 00 00 B0 01 32 00 C0 00 00 FF 2F 00");
  expected.insert(expected.end(), partTrack.begin(), partTrack.end());
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(bytes.size(), 65u);
}

TEST(PartFile, SettingsReachTheirBytes) {
  SoundSettings settings;
  settings.channel = 16;
  settings.modulation = 0;
  settings.family = 4;
  settings.instrument = 3;
  settings.tempo = 10;
  EXPECT_EQ(BuildTrackText(16, 0, ProgramNumber(settings), {}),
            "00 ff 03 01 00 00 bF 01 0 00 cF 23 00 ff 2f 00 ");
  const std::vector<std::uint8_t> slow = PartFileFromEvents(settings, {});
  EXPECT_EQ(slow[13], 0x0A);
  settings.tempo = 100;
  const std::vector<std::uint8_t> fast = PartFileFromEvents(settings, {});
  EXPECT_EQ(fast[13], 0x64);
  // The conductor track is the same in every file.
  EXPECT_TRUE(std::equal(slow.begin() + 14, slow.begin() + 41, kConductorTrack.begin()));
  EXPECT_TRUE(std::equal(fast.begin() + 14, fast.begin() + 41, kConductorTrack.begin()));
  // The drum family's program change carries the standard kit.
  settings.family = kDrumFamily;
  settings.instrument = 5;
  EXPECT_EQ(ProgramNumber(settings), 0);
  settings.family = 15;
  settings.instrument = 7;
  EXPECT_EQ(ProgramNumber(settings), 127);
}

TEST(PartFile, TrackLengthIsTheBlankCountAndTokensKeepTheirLowByte) {
  const std::string track = BuildTrackText(1, 50, 0, {"00 90 3C 64 ", "81 00 80 3c 64 ", "0 1ff 0 "});
  const std::vector<std::uint8_t> bytes = PartFileBytes(48, track);
  const std::size_t length = ByteCount(track);
  EXPECT_EQ(bytes.size(), kPartTrackOffset + 8 + length);
  EXPECT_EQ(bytes[45], 0);
  EXPECT_EQ(bytes[48], length);
  // 1ff is written as its low eight bits.
  EXPECT_EQ(bytes[bytes.size() - 6], 0xFF);
  EXPECT_EQ(bytes[13], 48);
}
