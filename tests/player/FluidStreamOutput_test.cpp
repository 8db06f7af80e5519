#include "SoundCheck.h"
#include "player/TMidiGen.h"
#include "player/backends/FluidStreamOutput.h"

#include <gtest/gtest.h>

namespace arvento::player {
namespace {

using test::kRate;
using test::Listen;
using test::ManualEngine;
using test::Rms;
using test::WriteTwoNotes;

TEST(FluidStreamOutput, PlayNoteSoundsAtOnceForItsDurationAndThenFades) {
  const std::shared_ptr<SynthEngine> engine = ManualEngine();
  UiWorkQueue queue;
  FluidStreamOutput output(engine, queue.Thread());
  TMidiGen gen(output, queue.Thread());
  ASSERT_TRUE(gen.MidiAvailable());
  ASSERT_TRUE(gen.PlayNote(60));
  const std::vector<float> sound = Listen(*engine, queue, 3.0);
  EXPECT_FALSE(gen.IsPlaying());

  const double loud = Rms(sound, 0.05, 0.45);
  EXPECT_GT(loud, 0.005);
  // The note starts in the first audio block: within the first 5 ms.
  EXPECT_GT(Rms(sound, 0.0, 0.005), loud / 10);
  // After the note-off at 0.5 s the piano dies away.
  EXPECT_LT(Rms(sound, 0.8, 1.0), loud / 10);
  EXPECT_LT(Rms(sound, 2.0, 3.0), loud / 1000);

  // The end of the request resets the output, so even a sustained note ends with it.
  gen.SetSustain(true);
  ASSERT_TRUE(gen.PlayNote(67));
  const std::vector<float> held = Listen(*engine, queue, 3.0);
  EXPECT_GT(Rms(held, 0.05, 0.45), loud / 2);
  EXPECT_LT(Rms(held, 2.0, 3.0), loud / 1000);
}

} // namespace
} // namespace arvento::player
