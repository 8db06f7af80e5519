#include "core/Error.h"
#include "player/TMidiGen.h"
#include "player/UiWorkQueue.h"
#include "player/backends/VirtualStreamOutput.h"

#include <gtest/gtest.h>

#include <thread>

namespace arvento::player {
namespace {

using namespace std::chrono_literals;
using Operation = VirtualStreamOutput::Operation;
using N = StreamNotification;

// Short waits, so that an output that never answers costs the tests little.
constexpr std::chrono::milliseconds kTestWaitLimit{50};

struct Rig {
  UiWorkQueue queue;
  VirtualStreamOutput output{queue.Thread()};
  TMidiGen gen{output, queue.Thread(), kTestWaitLimit};

  // Lets the output's clock and the UI thread run side by side, 10 ms a step.
  void Run(std::chrono::milliseconds duration) {
    for (auto elapsed = 0ms; elapsed < duration; elapsed += 10ms) {
      output.Advance(10ms);
      queue.ProcessPending();
    }
  }

  // The notes that sounded: note-ons of velocity above 0.
  int NotesSounded() const {
    int count = 0;
    for (const VirtualStreamOutput::SentMessage& sent : output.Messages())
      count += (sent.message & 0xF0) == 0x90 && (sent.message >> 16) > 0;
    return count;
  }
};

TEST(MidiGenProperties, DefaultsAndClamping) {
  Rig rig;
  TMidiGen& gen = rig.gen;
  EXPECT_EQ(gen.Volume(), 100);
  EXPECT_EQ(gen.Pan(), 0);
  EXPECT_EQ(gen.Reverb(), 0);
  EXPECT_EQ(gen.Chorus(), 0);
  EXPECT_FALSE(gen.Sustain());
  EXPECT_EQ(gen.Modulation(), 0);
  EXPECT_EQ(gen.PitchBend(), 0);
  EXPECT_EQ(gen.PBDelay(), 0);
  EXPECT_EQ(gen.PBDuration(), 100);
  EXPECT_EQ(gen.Duration(), 50u);
  EXPECT_EQ(gen.Note(), mgC);
  EXPECT_EQ(gen.Octave(), 4);
  EXPECT_EQ(gen.Instrument(), mgAcousticGrandPiano);
  EXPECT_EQ(gen.Channel(), mgCh01);
  EXPECT_EQ(gen.Loops(), 1u);
  EXPECT_FALSE(gen.IsPlaying());

  gen.SetVolume(101);
  EXPECT_EQ(gen.Volume(), 100);
  gen.SetVolume(-1);
  EXPECT_EQ(gen.Volume(), 0);
  gen.SetPan(-101);
  EXPECT_EQ(gen.Pan(), -100);
  gen.SetPan(55);
  EXPECT_EQ(gen.Pan(), 55);
  gen.SetReverb(1000);
  EXPECT_EQ(gen.Reverb(), 100);
  gen.SetChorus(-5);
  EXPECT_EQ(gen.Chorus(), 0);
  gen.SetModulation(200);
  EXPECT_EQ(gen.Modulation(), 100);
  gen.SetPitchBend(121);
  EXPECT_EQ(gen.PitchBend(), 120);
  gen.SetPitchBend(-121);
  EXPECT_EQ(gen.PitchBend(), -120);
  gen.SetPBDelay(101);
  EXPECT_EQ(gen.PBDelay(), 100);
  gen.SetPBDuration(-1);
  EXPECT_EQ(gen.PBDuration(), 0);
  gen.SetOctave(-1);
  EXPECT_EQ(gen.Octave(), 0);
  gen.SetDuration(0xFFFFFFFF);
  EXPECT_EQ(gen.Duration(), 0xFFFFFFFFu);
  gen.SetLoops(0);
  EXPECT_EQ(gen.Loops(), 0u);

  // The enumerated properties take the low 8 bits first, then their range.
  gen.SetNote(12);
  EXPECT_EQ(gen.Note(), mgB);
  gen.SetNote(256 + 3);
  EXPECT_EQ(gen.Note(), mgDsharp);
  gen.SetInstrument(300);
  EXPECT_EQ(gen.Instrument(), 44);
  gen.SetInstrument(-1);
  EXPECT_EQ(gen.Instrument(), mgOpenTriangle);
  gen.SetInstrument(mgAccordion);
  EXPECT_EQ(gen.Instrument(), 21);
  gen.SetChannel(16);
  EXPECT_EQ(gen.Channel(), mgCh16);
  gen.SetChannel(256 + 9);
  EXPECT_EQ(gen.Channel(), mgCh10);

  EXPECT_EQ(kMidiGenInstrumentNames.size(), 175u);
  EXPECT_EQ(kMidiGenInstrumentNames[mgAccordion], "mgAccordion");
  EXPECT_EQ(kMidiGenInstrumentNames[mgGunshot], "mgGunshot");
  EXPECT_EQ(mgGunshot, 127);
  EXPECT_EQ(kMidiGenInstrumentNames[128], "mgAcousticBassDrum");
}

TEST(MidiGenLifecycle, OnePassFromOpenToClose) {
  Rig rig;
  ASSERT_TRUE(rig.gen.PlayNote(60));
  // The open notification was handled while the request waited for it.
  EXPECT_TRUE(rig.gen.IsPlaying());
  EXPECT_EQ(rig.output.Notifications(), std::vector<N>{N::Open});
  EXPECT_EQ(rig.output.OutputOwner(), rig.gen.PlayerId());
  EXPECT_EQ(rig.output.Operations(),
            (std::vector<Operation>{Operation::Probe, Operation::Open, Operation::Reset,
                                    Operation::SetTimeDivision, Operation::Submit, Operation::Restart}));

  rig.Run(1000ms);
  EXPECT_EQ(rig.output.Notifications(), (std::vector<N>{N::Open, N::Position, N::Done, N::Close}));
  EXPECT_FALSE(rig.gen.IsPlaying());
  EXPECT_FALSE(rig.output.IsOpen());

  // Every event of the buffer went out, at 10 ms a tick: the note-off half a second in.
  const std::vector<VirtualStreamOutput::SentMessage>& sent = rig.output.Messages();
  ASSERT_EQ(sent.size(), 18u);
  EXPECT_EQ(sent[0], (VirtualStreamOutput::SentMessage{0us, 0x000079B0}));
  EXPECT_EQ(sent[16], (VirtualStreamOutput::SentMessage{0us, 0x007F3C90}));
  EXPECT_EQ(sent[17], (VirtualStreamOutput::SentMessage{500000us, 0x00003C90}));
  // The done notification released the buffer and closed the stream.
  const std::vector<Operation>& operations = rig.output.Operations();
  EXPECT_EQ(
      std::vector<Operation>(operations.end() - 4, operations.end()),
      (std::vector<Operation>{Operation::Release, Operation::Stop, Operation::Reset, Operation::Close}));
}

TEST(MidiGenLifecycle, LoopsRepeatThePass) {
  Rig three;
  three.gen.SetLoops(3);
  ASSERT_TRUE(three.gen.PlayNote(60));
  three.Run(3000ms);
  EXPECT_EQ(three.NotesSounded(), 3);
  EXPECT_EQ(three.output.Notifications(), (std::vector<N>{N::Open, N::Position, N::Done, N::Position, N::Done,
                                                          N::Position, N::Done, N::Close}));
  EXPECT_FALSE(three.gen.IsPlaying());

  // Loops 0 repeats until Stop; Stop returns the buffer and the stream closes.
  Rig endless;
  endless.gen.SetLoops(0);
  ASSERT_TRUE(endless.gen.PlayString("0;C5;20"));
  endless.Run(2000ms);
  EXPECT_GE(endless.NotesSounded(), 8);
  EXPECT_TRUE(endless.gen.IsPlaying());
  endless.gen.Stop();
  endless.queue.ProcessPending();
  EXPECT_FALSE(endless.gen.IsPlaying());
  EXPECT_EQ(endless.output.Notifications().back(), N::Close);
  const int sounded = endless.NotesSounded();
  endless.Run(1000ms);
  EXPECT_EQ(endless.NotesSounded(), sounded);
}

TEST(MidiGenLifecycle, StopBeforeTheFirstEventEndsAfterTheCurrentPass) {
  Rig rig;
  rig.gen.SetLoops(3);
  ASSERT_TRUE(rig.gen.PlayNote(60));
  rig.gen.Stop();
  rig.Run(2000ms);
  EXPECT_EQ(rig.NotesSounded(), 1);
  EXPECT_EQ(rig.output.Messages().back(), (VirtualStreamOutput::SentMessage{500000us, 0x00003C90}));
  EXPECT_EQ(rig.output.Notifications(), (std::vector<N>{N::Open, N::Position, N::Done, N::Close}));
}

TEST(MidiGenLifecycle, RequestsBeforeTheFirstEventSoundsAreRefused) {
  Rig rig;
  // A key press handled while the request waits for the output is refused.
  std::optional<bool> nested;
  rig.queue.Post([&] { nested = rig.gen.PlayNote(62); });
  ASSERT_TRUE(rig.gen.PlayNote(60));
  ASSERT_TRUE(nested.has_value());
  EXPECT_FALSE(*nested);
  // So is a request before the first event has played.
  EXPECT_FALSE(rig.gen.PlayNote(64));

  // Once it has sounded, a new request stops the stream and opens its own.
  rig.Run(10ms);
  ASSERT_TRUE(rig.gen.PlayNote(64));
  EXPECT_EQ(rig.output.Notifications(), (std::vector<N>{N::Open, N::Position, N::Done, N::Close, N::Open}));
  rig.Run(1000ms);
  EXPECT_EQ(rig.NotesSounded(), 2);
  EXPECT_EQ(rig.output.Messages().back().message, 0x00004090u);
}

TEST(MidiGenLifecycle, OnlyThePlayerThatOpenedTheOutputPlays) {
  Rig rig;
  TMidiGen second(rig.output, rig.queue.Thread(), kTestWaitLimit);
  EXPECT_EQ(second.PlayerId(), rig.gen.PlayerId() + 1);
  ASSERT_TRUE(rig.gen.PlayNote(60));
  rig.Run(1000ms);
  EXPECT_FALSE(second.PlayNote(60));
  EXPECT_FALSE(second.PlayString("0;C5;10"));
  EXPECT_EQ(rig.output.OutputOwner(), rig.gen.PlayerId());
  EXPECT_TRUE(rig.gen.PlayNote(62));
}

TEST(MidiGenLifecycle, DevicesAndAvailability) {
  UiWorkQueue queue;
  VirtualStreamOutput two(queue.Thread(), 2);
  TMidiGen gen(two, queue.Thread(), kTestWaitLimit);
  EXPECT_TRUE(gen.SetDevice(1));
  EXPECT_TRUE(gen.MidiAvailable());
  // A number without an output is kept, and nothing plays on it.
  EXPECT_FALSE(gen.SetDevice(2));
  EXPECT_FALSE(gen.MidiAvailable());
  EXPECT_FALSE(gen.PlayNote(60));
  EXPECT_THROW(gen.SetDevice(-1), Error);
  EXPECT_TRUE(gen.SetDevice(0));
  EXPECT_TRUE(gen.PlayNote(60));

  VirtualStreamOutput none(queue.Thread(), 0);
  TMidiGen silent(none, queue.Thread(), kTestWaitLimit);
  EXPECT_FALSE(silent.MidiAvailable());
  EXPECT_FALSE(silent.SetDevice(0));
  EXPECT_FALSE(silent.Play());
  EXPECT_TRUE(none.Notifications().empty());
}

// A set-up call failing after the stream opened closes the stream, and the
// player takes the next request.
TEST(MidiGenLifecycle, FailedSetUpClosesTheStreamAndKeepsThePlayerReady) {
  for (Operation failing : {Operation::SetTimeDivision, Operation::Submit, Operation::Restart}) {
    Rig rig;
    rig.output.Fail(failing);
    EXPECT_FALSE(rig.gen.PlayNote(60));
    EXPECT_FALSE(rig.output.IsOpen());
    EXPECT_FALSE(rig.gen.IsPlaying());
    EXPECT_EQ(rig.output.Notifications().back(), N::Close);
    rig.output.Fail(failing, false);
    EXPECT_TRUE(rig.gen.PlayNote(60));
    rig.Run(1000ms);
    EXPECT_EQ(rig.NotesSounded(), 1);
    EXPECT_FALSE(rig.output.IsOpen());
  }
  Rig rig;
  rig.output.Fail(Operation::Open);
  EXPECT_FALSE(rig.gen.PlayNote(60));
  rig.output.Fail(Operation::Open, false);
  EXPECT_TRUE(rig.gen.PlayNote(60));
}

TEST(MidiGenLifecycle, RequestsThatStartNothingLeaveThePlayerReady) {
  Rig rig;
  EXPECT_FALSE(rig.gen.PlayString(""));
  EXPECT_FALSE(rig.gen.PlayString(",,,"));
  EXPECT_FALSE(rig.gen.PlayString("0;H5;10"));
  EXPECT_TRUE(rig.output.Notifications().empty());
  EXPECT_TRUE(rig.gen.PlayString("0;C5;10"));
}

TEST(MidiGenLifecycle, AnOutputThatNeverAnswersCostsOneShortWait) {
  Rig rig;
  rig.output.SetSilent(true);
  EXPECT_FALSE(rig.gen.PlayNote(60));
  EXPECT_FALSE(rig.output.IsOpen());
  EXPECT_FALSE(rig.gen.IsPlaying());
  rig.output.SetSilent(false);
  ASSERT_TRUE(rig.gen.PlayNote(60));

  // The first event's notification never comes: after the wait limit the
  // player takes requests again.
  rig.output.SetSilent(true);
  rig.Run(10ms);
  rig.output.SetSilent(false);
  EXPECT_FALSE(rig.gen.PlayNote(62));
  std::this_thread::sleep_for(kTestWaitLimit + 10ms);
  ASSERT_TRUE(rig.gen.PlayNote(62));
  rig.Run(1000ms);
  EXPECT_EQ(rig.output.Messages().back().message, 0x00003E90u);

  // A player going away while its output is silent does not wait for ever.
  {
    TMidiGen gone(rig.output, rig.queue.Thread(), kTestWaitLimit);
    rig.output.SetOutputOwner(gone.PlayerId());
    ASSERT_TRUE(gone.PlayNote(60));
    rig.Run(10ms);
    rig.output.SetSilent(true);
  }
  EXPECT_FALSE(rig.output.IsOpen());
}

TEST(MidiGenLifecycle, PropertiesChangeTheNextRequestOnly) {
  Rig rig;
  rig.gen.SetLoops(2);
  ASSERT_TRUE(rig.gen.PlayNote(60));
  rig.Run(10ms);
  rig.gen.SetInstrument(mgAccordion);
  rig.Run(1500ms);
  for (const VirtualStreamOutput::SentMessage& sent : rig.output.Messages()) {
    if ((sent.message & 0xF0) == 0xC0) {
      EXPECT_EQ(sent.message, 0x000000C0u);
    }
  }
  EXPECT_EQ(rig.NotesSounded(), 2);
  ASSERT_TRUE(rig.gen.PlayNote(60));
  rig.Run(1000ms);
  EXPECT_EQ(rig.output.Messages()[rig.output.Messages().size() - 3].message, 0x000015C0u);
}

} // namespace
} // namespace arvento::player
