// The window's sound module, loaded behind the window: until it has loaded
// nothing sounds and nothing waits; then the output and the file players made
// meanwhile play through the synthesizer, and a missing module is told.

#include "TestSupport.h"
#include "app/LateSound.h"
#include "core/Error.h"
#include "core/InstallLayout.h"
#include "core/Translate.h"
#include "player/TMidiGen.h"
#include "player/UiWorkQueue.h"

#include <gtest/gtest.h>

#include <thread>

namespace arvento::app {
namespace {

using namespace std::chrono_literals;

// Runs the UI thread's work until the sound says it has loaded.
void AwaitLoaded(player::UiWorkQueue& queue, const int& told) {
  for (int i = 0; i < 2000 && told == 0; ++i) {
    queue.ProcessPending();
    std::this_thread::sleep_for(5ms);
  }
}

TEST(LateSound, TheModuleLoadsBehindTheUiThreadAndThePlayersMadeMeanwhileFollow) {
  const test::TempDir dir;
  const std::string file = (dir.path() / "two.mid").string();
  test::WriteText(file, "");
  player::UiWorkQueue queue;
  int told = 0;
  LateSound sound(PrivateFile(ARVENTO_SOUND_MODULE).string(), queue.Thread(), [&told] { ++told; });
  sound.Start();
  std::unique_ptr<player::FilePlayer> early = sound.NewFilePlayer();
  early->SetFileName(file);
  // Whatever the loading thread has done, the UI thread has not heard yet.
  EXPECT_EQ(sound.StreamOutput().DeviceCount(), 0u);
  EXPECT_FALSE(player::TMidiGen(sound.StreamOutput(), queue.Thread()).PlayNote(60));
  AwaitLoaded(queue, told);
  EXPECT_EQ(told, 1);
  EXPECT_TRUE(sound.Status().startsWith("Звук")) << sound.Status().toStdString();
  EXPECT_TRUE(sound.Description().startsWith("FluidSynth ")) << sound.Description().toStdString();
  EXPECT_EQ(early->FileName(), file);
  // The early player now opens through the synthesizer's player, which reads the file.
  EXPECT_THROW(early->Open(), Error);
  // The module's messages come in the window's language, through the window's translator.
  InstallTranslator([](const char* source) { return std::string("[").append(source).append("]"); });
  const std::string error = test::ErrorText([&] {
    sound.Export(file, dir.path() / "out.ogg", {}, exporting::Progress([](double) { return true; }));
  });
  EXPECT_NE(error.find(": [Это не файл MIDI"), std::string::npos) << error;
  InstallTranslator(nullptr);
}

TEST(LateSound, AMissingModuleIsToldAndRefusesTheExport) {
  player::UiWorkQueue queue;
  int told = 0;
  LateSound sound("/nonexistent/libarvento_sound.so", queue.Thread(), [&told] { ++told; });
  sound.Start();
  AwaitLoaded(queue, told);
  EXPECT_EQ(told, 1);
  EXPECT_EQ(sound.Status(), "Звук выключен: не удалось загрузить модуль звука");
  EXPECT_EQ(sound.StreamOutput().DeviceCount(), 0u);
  EXPECT_FALSE(sound.NewFilePlayer()->IsPlaying());
  const std::string error = test::ErrorText(
      [&] { sound.Export("in.mid", "out.ogg", {}, exporting::Progress([](double) { return true; })); });
  EXPECT_EQ(error.rfind("Не удалось загрузить модуль звука: ", 0), 0u) << error;
}

} // namespace
} // namespace arvento::app
