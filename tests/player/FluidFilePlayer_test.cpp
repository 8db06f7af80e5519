#include "SoundCheck.h"
#include "TestSupport.h"
#include "core/Error.h"
#include "player/backends/FluidFilePlayer.h"

#include <gtest/gtest.h>

namespace arvento::player {
namespace {

using test::kRate;
using test::Listen;
using test::ManualEngine;
using test::Rms;
using test::WriteTwoNotes;

TEST(FluidFilePlayer, FilePlayersPlayOneAtATime) {
  const arvento::test::TempDir dir;
  const std::filesystem::path file = WriteTwoNotes(dir.path());
  const std::shared_ptr<SynthEngine> engine = ManualEngine();
  UiWorkQueue queue;
  FluidFilePlayer first(engine), second(engine);

  // Nothing plays before a file is open.
  first.Play();
  EXPECT_FALSE(first.IsPlaying());
  first.SetFileName(file.string());
  EXPECT_EQ(first.FileName(), file.string());
  first.Open();
  first.Play();
  EXPECT_TRUE(first.IsPlaying());
  const std::vector<float> heard = Listen(*engine, queue, 0.5);
  EXPECT_GT(Rms(heard, 0.05, 0.45), 0.002);

  second.SetFileName(file.string());
  second.Open();
  second.Play();
  EXPECT_TRUE(second.IsPlaying());
  EXPECT_FALSE(first.IsPlaying());

  // Paused, the file goes on where it was; stopped, it starts again.
  const auto secondsToEnd = [&](FluidFilePlayer& player) {
    double seconds = 0;
    while (!player.PastLastEvent() && seconds < 10) {
      Listen(*engine, queue, 0.01);
      seconds += 0.01;
    }
    return seconds;
  };
  Listen(*engine, queue, 1.0);
  second.Pause();
  EXPECT_FALSE(second.IsPlaying());
  EXPECT_LT(Rms(Listen(*engine, queue, 0.3), 0.05, 0.3), 1e-4);
  second.Play();
  EXPECT_NEAR(secondsToEnd(second), 1.88, 0.05);
  second.Stop();
  EXPECT_FALSE(second.IsPlaying());
  second.Play();
  EXPECT_NEAR(secondsToEnd(second), 2.88, 0.05);

  // Played to its end, the file plays again from its start.
  while (second.IsPlaying())
    Listen(*engine, queue, 0.1);
  second.Play();
  EXPECT_TRUE(second.IsPlaying());
  second.Close();
  EXPECT_FALSE(second.IsPlaying());
  second.Play();
  EXPECT_FALSE(second.IsPlaying());

  FluidFilePlayer broken(engine);
  broken.SetFileName((dir.path() / "missing.mid").string());
  EXPECT_THROW(broken.Open(), Error);
  arvento::test::WriteText(dir.path() / "text.mid", "MThd");
  broken.SetFileName((dir.path() / "text.mid").string());
  EXPECT_THROW(broken.Open(), Error);
}

} // namespace
} // namespace arvento::player
