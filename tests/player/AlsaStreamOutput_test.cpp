#include "SoundCheck.h"
#include "player/SoundSystem.h"
#include "player/TMidiGen.h"
#include "player/backends/AlsaStreamOutput.h"

#include <gtest/gtest.h>

#include <thread>

namespace arvento::player {
namespace {

using namespace std::chrono_literals;

// The outputs are the sequencer's writable ports: none on a machine without
// a sequencer, at least the Midi Through port on most others.
TEST(AlsaStreamOutput, DevicesAreTheSequencersOutputPorts) {
  UiWorkQueue queue;
  AlsaStreamOutput output(queue.Thread());
  const std::uint32_t count = output.DeviceCount();
  EXPECT_EQ(output.Probe(kMidiMapper), count > 0);
  EXPECT_FALSE(output.Probe(count));
  EXPECT_FALSE(output.Open(count, [](StreamNotification) {}));

  TMidiGen gen(output, queue.Thread());
  EXPECT_EQ(gen.MidiAvailable(), count > 0);
  EXPECT_EQ(gen.SetDevice(0), count > 0);
  if (count == 0) {
    EXPECT_FALSE(gen.PlayNote(60));
    return;
  }
  // A short note through the first port, played by the output's own timer.
  gen.SetDuration(5);
  ASSERT_TRUE(gen.PlayNote(60));
  for (int i = 0; i < 200 && gen.IsPlaying(); ++i) {
    queue.ProcessPending();
    std::this_thread::sleep_for(5ms);
  }
  EXPECT_FALSE(gen.IsPlaying());
}

TEST(AlsaStreamOutput, ChosenForLiveNotesByTheEnvironment) {
  const test::ScopedEnvironment choice("ARVENTO_MIDI_OUTPUT", "alsa");
  UiWorkQueue queue;
  const std::unique_ptr<SoundSystem> sound = SoundSystem::Create(queue.Thread());
  EXPECT_NE(sound->Description().find("ALSA sequencer"), std::string::npos) << sound->Description();
  EXPECT_NE(dynamic_cast<AlsaStreamOutput*>(&sound->StreamOutput()), nullptr);
}

} // namespace
} // namespace arvento::player
