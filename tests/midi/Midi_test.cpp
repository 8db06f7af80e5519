#include "TestSupport.h"
#include "midi/PartFile.h"
#include "midi/SmfReader.h"

#include <gtest/gtest.h>

using namespace arvento;
using namespace arvento::midi;
using arvento::test::Bytes;

namespace {
std::vector<std::uint8_t> PartFileOf(const SoundSettings& settings, const std::string& events) {
  TrackBody track = StartPartFile(settings);
  track.Append(Bytes(events));
  return FinishPartFile(std::move(track));
}
} // namespace

TEST(TrackBody, DeltasStatusAndDataBytes) {
  // Delta times take the shortest variable-length quantity, a negative one 0, and keep their low 28 bits;
  // an event's delta is written the same way before its bytes.
  TrackBody track;
  for (std::int64_t ticks : {0, 127, 128, 200, 16383, 16384, 0x0FFFFFFF, -1, -100000, 0x1000007F})
    track.Delta(ticks);
  track.Event(300, 0x90, 0x3C, 0x64);
  EXPECT_EQ(track.Bytes(), Bytes("00 7F 81 00 81 48 FF 7F 81 80 00 FF FF FF 7F 00 00 7F 82 2C 90 3C 64"));
  // Data bytes stay below 128; channels 1..16 go into the status byte.
  EXPECT_EQ((std::vector<std::uint8_t>{DataByte(127), DataByte(128), DataByte(-3), StatusByte(kNoteOn, 1),
                                       StatusByte(kNoteOff, 10), StatusByte(kProgramChange, 16)}),
            Bytes("7F 7F 00 90 89 CF"));
}

TEST(PartFile, TracksAndFiles) {
  // No events give the 65-byte file: header, conductor track, the part track's prologue.
  EXPECT_EQ(FinishPartFile(StartPartFile({})),
            Bytes("4D 54 68 64 00 00 00 06 00 01 00 02 00 32 4D 54 72 6B 00 00 00 13 00 FF 51 03 07 A1 20 00 "
                  "FF 58 04 04 02 24 08 00 FF 2F 00 4D 54 72 6B 00 00 00 10 00 FF 03 01 00 00 B0 01 32 00 C0 "
                  "00 00 FF 2F 00"));
  EXPECT_EQ(FinishPartFile(StartPartFile({})).size(), kEmptyPartSize);
  // The settings reach channel, modulation, program and division; the track length counts the events.
  const SoundSettings settings{.family = 4, .instrument = 3, .channel = 16, .tempo = 10, .modulation = 0};
  EXPECT_EQ(PartFileOf(settings, "81 00 9F 3C 64"),
            Bytes("4D 54 68 64 00 00 00 06 00 01 00 02 00 0A 4D 54 72 6B 00 00 00 13 00 FF 51 03 07 A1 20 00 "
                  "FF 58 04 04 02 24 08 00 FF 2F 00 4D 54 72 6B 00 00 00 15 00 FF 03 01 00 00 BF 01 00 00 CF "
                  "23 81 00 9F 3C 64 00 FF 2F 00"));
  // The drum family's program change carries the standard kit.
  EXPECT_EQ(ProgramNumber({.family = kDrumFamily, .instrument = 5}), 0);
  EXPECT_EQ(ProgramNumber({.family = 15, .instrument = 7}), 127);
}

TEST(SmfReader, ReadsFilesWithAbsoluteTicksAndRefusesDamagedOnesWithAMessage) {
  const std::vector<std::uint8_t> bytes =
      PartFileOf({.family = 3, .channel = 3}, "00 92 3C 64 30 82 3C 64 81 00 92 40 64 18 82 40 64");
  const SmfFile file = ReadSmf(bytes);
  EXPECT_EQ(file.tracks.at(1).offset, kPartTrackOffset);
  EXPECT_EQ(DumpSmf(file), "header format 1 tracks 2 division 50\n"
                           "track 1 length 19\n  0 meta 81 7 161 32\n  0 meta 88 4 2 36 8\n  0 meta 47\n"
                           "track 2 length 33\n  0 meta 3 0\n  0 ch 3 control 1 50\n  0 ch 3 program 24\n"
                           "  0 ch 3 note-on 60 100\n  48 ch 3 note-off 60 100\n  176 ch 3 note-on 64 100\n"
                           "  200 ch 3 note-off 64 100\n  200 meta 47\n");
  const std::vector<std::uint8_t> good = PartFileOf({}, "00 90 3C 64 30 80 3C 64");
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
  for (const auto& [bytes, message] : cases)
    EXPECT_EQ(test::ErrorText([&] { ReadSmf(bytes); }), message);
}
