#include "Error.h"
#include "FluidFilePlayer.h"
#include "FluidStreamOutput.h"
#include "OfflineRender.h"
#include "PartFile.h"
#include "SoundFont.h"
#include "SoundSystem.h"
#include "SynthEngine.h"
#include "TMidiGen.h"
#include "TestSupport.h"
#include "UiWorkQueue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace arvento::player {
namespace {

constexpr int kRate = 44100;

// Root mean square of interleaved stereo samples between two times in seconds.
template <class Sample>
double Rms(const std::vector<Sample>& samples, double from, double to, double fullScale) {
  const std::size_t begin = static_cast<std::size_t>(from * kRate) * 2;
  const std::size_t end = std::min(samples.size(), static_cast<std::size_t>(to * kRate) * 2);
  if (begin >= end)
    return 0;
  double sum = 0;
  for (std::size_t i = begin; i < end; ++i)
    sum += static_cast<double>(samples[i]) * samples[i];
  return std::sqrt(sum / static_cast<double>(end - begin)) / fullScale;
}

std::shared_ptr<SynthEngine> ManualEngine() {
  std::shared_ptr<SynthEngine> engine = SynthEngine::Create(FindSoundFont(), SynthEngine::Audio::Manual);
  EXPECT_TRUE(engine->HasOutput()) << engine->Description();
  return engine;
}

// Two piano notes of 96 ticks at division 50 with 96 ticks between them:
// sound at 0..0.96 s and 1.92..2.88 s.
std::filesystem::path WriteTwoNotes(const std::filesystem::path& directory) {
  const std::filesystem::path file = directory / "two.mid";
  test::WriteBytes(file, midi::PartFileFromEvents(SoundSettings{}, {"00 90 3C 64 ", "60 80 3C 64 ",
                                                                    "60 90 40 64 ", "60 80 40 64 "}));
  EXPECT_EQ(test::MidiCsvNotes(file),
            (std::vector<std::string>{"2 0 Note_on_c 0 60 100", "2 96 Note_off_c 0 60 100",
                                      "2 192 Note_on_c 0 64 100", "2 288 Note_off_c 0 64 100"}));
  return file;
}

// Renders the engine for the given seconds, letting the UI work after each block.
std::vector<float> Listen(SynthEngine& engine, UiWorkQueue& queue, double seconds) {
  std::vector<float> sound;
  std::vector<float> block(128);
  while (sound.size() < static_cast<std::size_t>(seconds * kRate) * 2) {
    engine.Render(block);
    sound.insert(sound.end(), block.begin(), block.end());
    queue.ProcessPending();
  }
  return sound;
}

TEST(Hearing, PlayNoteSoundsAtOnceForItsDurationAndThenFades) {
  const std::shared_ptr<SynthEngine> engine = ManualEngine();
  UiWorkQueue queue;
  FluidStreamOutput output(engine, queue.Thread());
  TMidiGen gen(output, queue.Thread());
  ASSERT_TRUE(gen.MidiAvailable());
  ASSERT_TRUE(gen.PlayNote(60));
  const std::vector<float> sound = Listen(*engine, queue, 3.0);
  EXPECT_FALSE(gen.IsPlaying());

  const double loud = Rms(sound, 0.05, 0.45, 1.0);
  EXPECT_GT(loud, 0.005);
  // The note starts in the first audio block: within the first 5 ms.
  EXPECT_GT(Rms(sound, 0.0, 0.005, 1.0), loud / 10);
  // After the note-off at 0.5 s the piano dies away.
  EXPECT_LT(Rms(sound, 0.8, 1.0, 1.0), loud / 10);
  EXPECT_LT(Rms(sound, 2.0, 3.0, 1.0), loud / 1000);

  // The end of the request resets the output, so even a sustained note ends with it.
  gen.SetSustain(true);
  ASSERT_TRUE(gen.PlayNote(67));
  const std::vector<float> held = Listen(*engine, queue, 3.0);
  EXPECT_GT(Rms(held, 0.05, 0.45, 1.0), loud / 2);
  EXPECT_LT(Rms(held, 2.0, 3.0, 1.0), loud / 1000);
}

TEST(Hearing, RenderedFileIsLoudWhereNotesSoundAndSilentAfter) {
  const test::TempDir dir;
  const PcmAudio audio = RenderMidiFile(WriteTwoNotes(dir.path()).string(), FindSoundFont());
  ASSERT_EQ(audio.sampleRate, kRate);
  const double first = Rms(audio.samples, 0.05, 0.9, 32768);
  const double second = Rms(audio.samples, 1.97, 2.8, 32768);
  EXPECT_GT(first, 0.002);
  EXPECT_GT(second, 0.002);
  EXPECT_LT(Rms(audio.samples, 1.6, 1.9, 32768), first / 100);
  // The sound ends with the release of the last note, not seconds later, and in silence.
  const double seconds = static_cast<double>(audio.Frames()) / kRate;
  EXPECT_GT(seconds, 2.9);
  EXPECT_LT(seconds, 4.0);
  EXPECT_LT(Rms(audio.samples, seconds - 0.1, seconds, 32768), 1e-4);

  // The WAV file: RIFF header, 16-bit stereo PCM at 44.1 kHz, then the samples.
  const std::vector<std::uint8_t> wav = WavBytes(audio);
  ASSERT_EQ(wav.size(), 44 + audio.samples.size() * 2);
  EXPECT_EQ(std::vector<std::uint8_t>(wav.begin(), wav.begin() + 4), test::Bytes("52 49 46 46"));
  EXPECT_EQ(
      std::vector<std::uint8_t>(wav.begin() + 8, wav.begin() + 36),
      test::Bytes("57 41 56 45 66 6D 74 20 10 00 00 00 01 00 02 00 44 AC 00 00 10 B1 02 00 04 00 10 00"));
  EXPECT_EQ(std::vector<std::uint8_t>(wav.begin() + 36, wav.begin() + 40), test::Bytes("64 61 74 61"));
  const std::uint32_t dataBytes =
      wav[40] | wav[41] << 8 | wav[42] << 16 | static_cast<std::uint32_t>(wav[43]) << 24;
  EXPECT_EQ(dataBytes, audio.samples.size() * 2);
  EXPECT_EQ(static_cast<std::int16_t>(wav[44 + 4410 * 4] | wav[45 + 4410 * 4] << 8), audio.samples[4410 * 2]);
}

TEST(Hearing, RenderRefusesWhatItCannotPlay) {
  const test::TempDir dir;
  const std::filesystem::path notMidi = dir.path() / "song.mid";
  test::WriteText(notMidi, "not a MIDI file");
  try {
    RenderMidiFile(notMidi.string(), FindSoundFont());
    ADD_FAILURE() << "a text file was rendered";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("song.mid"), std::string::npos) << error.what();
  }
  EXPECT_THROW(RenderMidiFile((dir.path() / "missing.mid").string(), FindSoundFont()), Error);
  const std::filesystem::path midi = WriteTwoNotes(dir.path());
  EXPECT_THROW(RenderMidiFile(midi.string(), notMidi.string()), Error);
  EXPECT_THROW(RenderMidiFile(midi.string(), ""), Error);
}

TEST(Hearing, FilePlayersPlayOneAtATime) {
  const test::TempDir dir;
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
  EXPECT_GT(Rms(heard, 0.05, 0.45, 1.0), 0.002);

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
  EXPECT_LT(Rms(Listen(*engine, queue, 0.3), 0.05, 0.3, 1.0), 1e-4);
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
  test::WriteText(dir.path() / "text.mid", "MThd");
  broken.SetFileName((dir.path() / "text.mid").string());
  EXPECT_THROW(broken.Open(), Error);
}

// Restores an environment variable when the test ends.
class ScopedEnvironment {
public:
  ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name))
      old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(SoundSystem, SoundFontChoiceAndAMachineWithoutSound) {
  const test::TempDir dir;
  {
    // A SoundFont named that is not there is passed over.
    const ScopedEnvironment font("ARVENTO_SOUNDFONT", (dir.path() / "none.sf2").string());
    EXPECT_EQ(FindSoundFont().rfind("/usr/share/sounds/sf2/", 0), 0u) << FindSoundFont();
  }
  const std::filesystem::path broken = dir.path() / "broken.sf2";
  test::WriteText(broken, "not a SoundFont");
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
