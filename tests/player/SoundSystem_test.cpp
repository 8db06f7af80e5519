#include "SoundCheck.h"
#include "TestSupport.h"
#include "player/SoundFont.h"
#include "player/SoundSystem.h"
#include "player/TMidiGen.h"

#include <gtest/gtest.h>

namespace arvento::player {
namespace {

using test::ScopedEnvironment;
using test::WriteTwoNotes;

TEST(SoundSystem, SoundFontChoiceAndAMachineWithoutSound) {
  const arvento::test::TempDir dir;
  {
    // A SoundFont named that is not there is passed over.
    const ScopedEnvironment font("ARVENTO_SOUNDFONT", (dir.path() / "none.sf2").string());
    EXPECT_EQ(FindSoundFont().rfind("/usr/share/sounds/sf2/", 0), 0u) << FindSoundFont();
  }
  const std::filesystem::path broken = dir.path() / "broken.sf2";
  arvento::test::WriteText(broken, "not a SoundFont");
  const ScopedEnvironment font("ARVENTO_SOUNDFONT", broken.string());
  EXPECT_EQ(FindSoundFont(), broken.string());

  // A SoundFont that does not load: everything is made, nothing sounds, nothing waits.
  UiWorkQueue queue;
  const std::unique_ptr<SoundSystem> sound = SoundSystem::Create(queue.Thread());
  EXPECT_FALSE(sound->Available());
  EXPECT_NE(sound->Description().find("broken.sf2 could not be loaded"), std::string::npos)
      << sound->Description();
  TMidiGen gen(sound->StreamOutput(), queue.Thread());
  EXPECT_FALSE(gen.MidiAvailable());
  EXPECT_FALSE(gen.PlayNote(60));
  const std::unique_ptr<FilePlayer> player = sound->NewFilePlayer();
  player->SetFileName(WriteTwoNotes(dir.path()).string());
  player->Open();
  player->Play();
  EXPECT_FALSE(player->IsPlaying());
  player->Close();
}

TEST(SoundSystem, LiveNotesNeedAnAudioDevice) {
  UiWorkQueue queue;
  const std::unique_ptr<SoundSystem> sound = SoundSystem::Create(queue.Thread());
  EXPECT_NE(sound->Description().find("FluidSynth"), std::string::npos);
  EXPECT_NE(sound->Description().find(FindSoundFont()), std::string::npos) << sound->Description();
  TMidiGen gen(sound->StreamOutput(), queue.Thread());
  EXPECT_EQ(gen.MidiAvailable(), sound->Available());
  if (!sound->Available()) {
    EXPECT_NE(sound->Description().find("no audio device"), std::string::npos) << sound->Description();
    EXPECT_FALSE(gen.PlayNote(60));
  }
}

} // namespace
} // namespace arvento::player
