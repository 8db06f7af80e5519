#include "TestSupport.h"
#include "core/Error.h"
#include "midi/ByteText.h"
#include "midi/PartFile.h"
#include "midi/SmfReader.h"
#include "midi/TrackText.h"

#include <gtest/gtest.h>

using namespace arvento;
using namespace arvento::midi;
using arvento::test::Bytes;
using namespace std::string_literals;

TEST(ByteText, Texts) {
  // Delta times take the shortest variable-length quantity, a negative one 0; values the fewest upper-case
  // digits; data bytes stay below 128; a track header counts the blanks, whatever the tokens look like.
  std::string deltas, values, headers;
  for (int ticks : {0, 127, 128, 200, 16383, 16384, 0x0FFFFFFF, -1, -100000})
    deltas += DeltaText(ticks) + "| ";
  EXPECT_EQ(deltas, "00 | 7F | 81 00 | 81 48 | FF 7F | 81 80 00 | FF FF FF 7F | 00 | 00 | ");
  for (unsigned value : {0, 10, 100, 300})
    values += HexText(value) + " ";
  EXPECT_EQ(values + DataByteText(127) + DataByteText(128) + DataByteText(-3), "0 A 64 12C 7F7F0");
  EXPECT_EQ(std::string({ChannelDigit(1), ChannelDigit(10), ChannelDigit(16)}), "09F");
  for (const std::string& body : {""s, "00 ff 2f 00 "s, "0 A 64 b0 FF 7f "s, std::string(140000, ' ')})
    headers += TrackHeaderText(body).substr(12) + "| "; // after the tag, which the file below shows
  EXPECT_EQ(headers, "00 00 00 00 | 00 00 00 04 | 00 00 00 06 | 00 02 22 E0 | ");
  const std::string text = "00 ff 9F 3c 1 12C ";
  std::size_t cursor = 0;
  for (unsigned expected : {0x00u, 0xFFu, 0x9Fu, 0x3Cu, 0x1u, 0x12Cu})
    EXPECT_EQ(NextHexByte(text, cursor), expected);
  EXPECT_EQ(cursor, text.size());
  EXPECT_THROW(NextHexByte("zz ", cursor = 0), Error);
}

TEST(PartFile, TracksAndFiles) {
  // An empty event list gives the 65-byte file: header, conductor track, the part track's prologue.
  const std::string empty = BuildTrackText(1, 50, 0, {});
  EXPECT_EQ(empty, "00 ff 03 01 00 00 b0 01 32 00 c0 0 00 ff 2f 00 ");
  EXPECT_EQ(PartFileBytes(50, empty),
            Bytes("4D 54 68 64 00 00 00 06 00 01 00 02 00 32 4D 54 72 6B 00 00 00 13 00 FF 51 03 07 A1 20 00 "
                  "FF 58 04 04 02 24 08 00 FF 2F 00 4D 54 72 6B 00 00 00 10 00 FF 03 01 00 00 B0 01 32 00 C0 "
                  "00 00 FF 2F 00"));
  // The settings reach channel, modulation, program and division. The track length is the blank count,
  // and tokens keep their low byte.
  const SoundSettings settings{.family = 4, .instrument = 3, .channel = 16, .tempo = 10, .modulation = 0};
  const std::vector<std::uint8_t> slow = PartFileFromEvents(settings, {"81 00 1ff 0 "});
  EXPECT_EQ(slow[13], 10);
  EXPECT_EQ(std::vector<std::uint8_t>(slow.begin() + kPartTrackOffset, slow.end()),
            Bytes("4D 54 72 6B 00 00 00 14 00 FF 03 01 00 00 BF 01 00 00 CF 23 81 00 FF 00 00 FF 2F 00"));
  // The drum family's program change carries the standard kit.
  EXPECT_EQ(ProgramNumber({.family = kDrumFamily, .instrument = 5}), 0);
  EXPECT_EQ(ProgramNumber({.family = 15, .instrument = 7}), 127);
}

TEST(SmfReader, ReadsFilesWithAbsoluteTicksAndRefusesDamagedOnesWithAMessage) {
  const std::vector<std::uint8_t> bytes = PartFileBytes(
      50, BuildTrackText(3, 50, 24, {"00 92 3C 64 ", "30 82 3C 64 ", "81 00 92 40 64 ", "18 82 40 64 "}));
  const SmfFile file = ReadSmf(bytes);
  EXPECT_EQ(file.tracks.at(1).offset, kPartTrackOffset);
  EXPECT_EQ(DumpSmf(file), "header format 1 tracks 2 division 50\n"
                           "track 1 length 19\n  0 meta 81 7 161 32\n  0 meta 88 4 2 36 8\n  0 meta 47\n"
                           "track 2 length 33\n  0 meta 3 0\n  0 ch 3 control 1 50\n  0 ch 3 program 24\n"
                           "  0 ch 3 note-on 60 100\n  48 ch 3 note-off 60 100\n  176 ch 3 note-on 64 100\n"
                           "  200 ch 3 note-off 64 100\n  200 meta 47\n");
  const std::vector<std::uint8_t> good =
      PartFileBytes(50, BuildTrackText(1, 50, 0, {"00 90 3C 64 ", "30 80 3C 64 "}));
  const auto damaged = [&good](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> bytes = good;
    bytes[at] = value;
    return bytes;
  };
  // Cut short, a wrong track count, not MIDI, a note-on's velocity above 127.
  const std::pair<std::vector<std::uint8_t>, std::string> cases[] = {
      {{good.begin(), good.end() - 3}, "Дорожка на смещении 41 длиннее файла"},
      {damaged(11, 3), "В заголовке 3 дорожек, в файле 2"},
      {damaged(0, 'R'), "Это не файл MIDI: нет заголовка MThd"},
      {damaged(kPartTrackOffset + 8 + 15, 0xE4), "Байт данных больше 127 на смещении 64"},
  };
  for (const auto& [bytes, message] : cases) {
    try {
      ReadSmf(bytes);
      ADD_FAILURE() << message;
    } catch (const Error& error) {
      EXPECT_EQ(error.what(), message);
    }
  }
}
