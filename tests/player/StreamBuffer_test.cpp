#include "TestSupport.h"
#include "player/StreamBuffer.h"
#include "player/TMidiGen.h"
#include "player/UiWorkQueue.h"
#include "player/backends/VirtualStreamOutput.h"

#include <gtest/gtest.h>

namespace arvento::player {
namespace {

// A player whose buffers are read without playing them.
struct Player {
  UiWorkQueue queue;
  VirtualStreamOutput output{queue.Thread()};
  TMidiGen gen{output, queue.Thread()};
};

std::vector<StreamEvent> Events(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> deltaAndWord) {
  std::vector<StreamEvent> events;
  for (const auto& [delta, word] : deltaAndWord)
    events.push_back({delta, 0, word});
  return events;
}

// The event words of the fifteen prologue events on channel 0 with the
// default properties.
const std::vector<StreamEvent> kDefaultPrologue = Events({
    {0, 0x400079B0}, // reset all controllers, channel 0, position flag
    {0, 0x000079B9}, // reset all controllers, channel 9
    {0, 0x000064B0}, // parameter number low 0
    {0, 0x000065B0}, // parameter number high 0
    {0, 0x000C06B0}, // data entry: bend range 12 semitones
    {0, 0x007F64B0}, // parameter selection closed
    {0, 0x007F65B0},
    {0, 0x00400AB0}, // pan 64
    {0, 0x00400AB9},
    {0, 0x000001B0}, // modulation 0
    {0, 0x007F07B0}, // volume 127
    {0, 0x007F07B9},
    {0, 0x000040B0}, // sustain off
    {0, 0x00005BB0}, // reverb 0
    {0, 0x00005DB0}, // chorus 0
});

std::vector<StreamEvent> Tail(const std::vector<StreamEvent>& buffer) {
  return {buffer.begin() + static_cast<std::ptrdiff_t>(kDefaultPrologue.size()), buffer.end()};
}

// The value of a controller in the prologue, on the given channel.
int Controller(const std::vector<StreamEvent>& buffer, int channel, int controller) {
  for (std::size_t i = 0; i < kDefaultPrologue.size(); ++i) {
    const std::uint32_t word = buffer[i].event & 0xFFFFFF;
    if ((word & 0xFF) == static_cast<std::uint32_t>(0xB0 | channel) &&
        ((word >> 8) & 0xFF) == static_cast<std::uint32_t>(controller))
      return static_cast<int>(word >> 16);
  }
  return -1;
}

TEST(StreamBuffer, NoteSixtyWithDefaultsIsPrologueProgramAndTwoNoteOns) {
  Player player;
  const std::vector<StreamEvent> buffer = player.gen.NoteBuffer(60);
  std::vector<StreamEvent> expected = kDefaultPrologue;
  for (const StreamEvent& event : Events({{0, 0x000000C0}, {0, 0x007F3C90}, {50, 0x00003C90}}))
    expected.push_back(event);
  EXPECT_EQ(buffer, expected);

  const std::vector<std::uint8_t> bytes = StreamBytes(buffer);
  ASSERT_EQ(bytes.size(), 18u * 12u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 12),
            test::Bytes("00 00 00 00 00 00 00 00 B0 79 00 40"));
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 12, bytes.end()),
            test::Bytes("32 00 00 00 00 00 00 00 90 3C 00 00"));
}

TEST(StreamBuffer, ControllersFollowPanVolumeAndTheOtherPercentages) {
  Player player;
  const std::pair<int, int> pans[] = {{-100, 1}, {0, 64}, {100, 127}, {-50, 33}};
  for (const auto& [pan, value] : pans) {
    player.gen.SetPan(pan);
    const std::vector<StreamEvent> buffer = player.gen.NoteBuffer(60);
    EXPECT_EQ(Controller(buffer, 0, 10), value) << "pan " << pan;
    EXPECT_EQ(Controller(buffer, 9, 10), value) << "pan " << pan;
  }
  player.gen.SetVolume(60);
  player.gen.SetModulation(50);
  player.gen.SetReverb(100);
  player.gen.SetChorus(1);
  player.gen.SetSustain(true);
  const std::vector<StreamEvent> buffer = player.gen.NoteBuffer(60);
  EXPECT_EQ(Controller(buffer, 0, 7), 76);
  EXPECT_EQ(Controller(buffer, 9, 7), 76);
  EXPECT_EQ(Controller(buffer, 0, 1), 63);
  EXPECT_EQ(Controller(buffer, 0, 91), 127);
  EXPECT_EQ(Controller(buffer, 0, 93), 1);
  EXPECT_EQ(Controller(buffer, 0, 64), 127);
}

TEST(StreamBuffer, PercussionAndThePercussionChannel) {
  Player player;
  // The triangle from channel 0: program 127 and key 81 on channel 9.
  player.gen.SetInstrument(mgOpenTriangle);
  EXPECT_EQ(Tail(player.gen.NoteBuffer(60)), Events({{0, 0x00007FC9}, {0, 0x007F5199}, {50, 0x00005199}}));
  // The first percussion value sounds key 35.
  player.gen.SetInstrument(mgAcousticBassDrum);
  EXPECT_EQ(Tail(player.gen.NoteBuffer(60)), Events({{0, 0x00007FC9}, {0, 0x007F2399}, {50, 0x00002399}}));

  // On channel 10 no program-change record: the inserted one goes to channel 9
  // and the key is the note number; the prologue is on channel 9.
  player.gen.SetChannel(mgCh10);
  player.gen.SetInstrument(mgAcousticGrandPiano);
  const std::vector<StreamEvent> onTen = player.gen.NoteBuffer(60);
  ASSERT_EQ(onTen.size(), 18u);
  EXPECT_EQ(onTen[0].event, 0x400079B9u);
  EXPECT_EQ(onTen[1].event, 0x000079B9u);
  EXPECT_EQ(Tail(onTen), Events({{0, 0x000000C9}, {0, 0x007F3C99}, {50, 0x00003C99}}));
  // A percussion instrument on channel 10 is a program change held to 127.
  player.gen.SetInstrument(130);
  EXPECT_EQ(Tail(player.gen.NoteBuffer(40)), Events({{0, 0x00007FC9}, {0, 0x007F2899}, {50, 0x00002899}}));

  // A percussion record below the percussion values wraps round to key 81.
  MidiGenSettings settings;
  const NoteRecord low[] = {{0, kNoteOn, 40, 9}, {10, kNoteOff, 40, 9}};
  EXPECT_EQ(Tail(BuildStreamBuffer(settings, low, false)),
            Events({{0, 0x000000C0}, {0, 0x007F5199}, {10, 0x00005199}}));
}

TEST(StreamBuffer, NoteNumbersAreHeldToTheMidiRange) {
  Player player;
  player.gen.SetOctave(11);
  EXPECT_EQ(player.gen.Octave(), 10);
  player.gen.SetNote(mgB);
  const int note = player.gen.Note() + 12 * player.gen.Octave();
  EXPECT_EQ(note, 131);
  EXPECT_EQ(Tail(player.gen.NoteBuffer(note)), Events({{0, 0x000000C0}, {0, 0x007F7F90}, {50, 0x00007F90}}));
  EXPECT_EQ(Tail(player.gen.NoteBuffer(-5)), Events({{0, 0x000000C0}, {0, 0x007F0090}, {50, 0x00000090}}));
}

TEST(StreamBuffer, BendRampLeadsIntoTheFirstNoteOff) {
  Player player;
  player.gen.SetPitchBend(120);
  player.gen.SetPBDelay(50);
  player.gen.SetPBDuration(100);
  player.gen.SetDuration(100);
  const std::vector<StreamEvent> tail = Tail(player.gen.NoteBuffer(60));
  ASSERT_EQ(tail.size(), 3u + 50u);
  EXPECT_EQ(tail[1], (StreamEvent{0, 0, 0x007F3C90}));
  // 50 steps of 163 from the centre 8192: 8355 first, 16342 last.
  EXPECT_EQ(tail[2], (StreamEvent{51, 0, 0x004123E0}));
  for (std::size_t i = 3; i < 52; ++i) {
    EXPECT_EQ(tail[i].deltaTime, 1u);
    const std::uint32_t previous = (tail[i - 1].event >> 8 & 0x7F) | (tail[i - 1].event >> 16 & 0x7F) << 7;
    const std::uint32_t value = (tail[i].event >> 8 & 0x7F) | (tail[i].event >> 16 & 0x7F) << 7;
    EXPECT_EQ(value - previous, 163u);
  }
  EXPECT_EQ(tail[51], (StreamEvent{1, 0, 0x007F56E0}));
  EXPECT_EQ(tail[52], (StreamEvent{100, 0, 0x00003C90}));

  // Downwards the same ramp mirrored.
  player.gen.SetPitchBend(-120);
  const std::vector<StreamEvent> down = Tail(player.gen.NoteBuffer(60));
  ASSERT_EQ(down.size(), 53u);
  EXPECT_EQ(down[2].event, ShortMessage(0xE0, (8192 - 163) & 0x7F, (8192 - 163) >> 7));

  // No ramp without a bend, without a duration, with the whole note as delay.
  MidiGenSettings settings;
  settings.pitchBend = 60;
  EXPECT_EQ(BendRamp(settings, 0, 0).size(), 0u);
  settings.pbDelay = 100;
  EXPECT_EQ(BendRamp(settings, 100, 0).size(), 0u);
  settings.pbDelay = 0;
  settings.pbDuration = 0;
  EXPECT_EQ(BendRamp(settings, 100, 0).size(), 0u);
  settings.pbDuration = 100;
  EXPECT_EQ(BendRamp(settings, 8191, 0).size(), 8191u);
  EXPECT_EQ(BendRamp(settings, 8192, 0).size(), 0u);
  settings.pitchBend = 0;
  EXPECT_EQ(BendRamp(settings, 100, 0).size(), 0u);
  // Bending is refused for a request that does not allow it.
  settings.pitchBend = 120;
  EXPECT_EQ(BuildStreamBuffer(settings, SingleNoteRecords(settings, 60), false).size(), 18u);
}

TEST(StreamBuffer, BufferStopsGrowingAt65535Bytes) {
  MidiGenSettings settings;
  std::vector<NoteRecord> records;
  for (std::uint32_t time = 0; time < 6000; ++time) {
    records.push_back({time, kNoteOn, 60, 0});
    records.push_back({time + 1, kNoteOff, 60, 0});
  }
  const std::vector<StreamEvent> buffer = BuildStreamBuffer(settings, records, false);
  EXPECT_EQ(buffer.size(), 65535u / 12u);
  EXPECT_LE(StreamBytes(buffer).size(), 65535u);
  // What fits is kept in order: the first notes after the prologue and program change.
  EXPECT_EQ(buffer[16], (StreamEvent{0, 0, 0x007F3C90}));
}

} // namespace
} // namespace arvento::player
