// The sound back ends: the synthesizer heard through the live notes and the file players, offline
// rendering, the sound system and the ALSA sequencer.

#include "TestSupport.h"
#include "core/Error.h"
#include "midi/PartFile.h"
#include "player/OfflineRender.h"
#include "player/SoundFont.h"
#include "player/TMidiGen.h"
#include "player/UiWorkQueue.h"
#include "player/backends/AlsaStreamOutput.h"
#include "player/backends/FluidFilePlayer.h"
#include "player/backends/FluidStreamOutput.h"
#include "player/backends/SynthSoundSystem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

namespace arvento::player {
namespace {

using namespace std::chrono_literals;
using arvento::test::TempDir;
constexpr int kRate = 44100;

// Root mean square of interleaved stereo samples between two times in seconds, relative to full scale.
template <class Sample> double Rms(const std::vector<Sample>& samples, double from, double to) {
  const std::size_t begin = static_cast<std::size_t>(from * kRate) * 2;
  const std::size_t end = std::max(begin, std::min(samples.size(), static_cast<std::size_t>(to * kRate) * 2));
  double sum = 0;
  for (std::size_t i = begin; i < end; ++i)
    sum += static_cast<double>(samples[i]) * samples[i] / (sizeof(Sample) == 2 ? 32768.0 * 32768.0 : 1.0);
  return std::sqrt(sum / static_cast<double>(std::max<std::size_t>(1, end - begin)));
}

// A synthesizer with the installed SoundFont, rendered by the test, and the UI thread of its users.
struct Synth {
  UiWorkQueue queue;
  std::shared_ptr<SynthEngine> engine = SynthEngine::Create(FindSoundFont(), SynthEngine::Audio::Manual);

  // Renders for the given seconds, letting the UI work after each block.
  std::vector<float> Listen(double seconds) {
    std::vector<float> sound, block(128);
    while (sound.size() < static_cast<std::size_t>(seconds * kRate) * 2) {
      engine->Render(block);
      sound.insert(sound.end(), block.begin(), block.end());
      queue.ProcessPending();
    }
    return sound;
  }
};

// A part file of two piano notes, 96 ticks each at division 50 with 96 ticks between them: sound at
// 0..0.96 s and 1.92..2.88 s.
std::string WriteTwoNotes(const std::filesystem::path& directory) {
  const std::filesystem::path file = directory / "two.mid";
  midi::TrackBody track = midi::StartPartFile({});
  track.Append(arvento::test::Bytes("00 90 3C 64 60 80 3C 64 60 90 40 64 60 80 40 64"));
  const std::vector<std::uint8_t> bytes = midi::FinishPartFile(std::move(track));
  arvento::test::WriteText(file, {bytes.begin(), bytes.end()});
  EXPECT_EQ(arvento::test::MidiCsvNotes(file),
            (std::vector<std::string>{"2 0 Note_on_c 0 60 100", "2 96 Note_off_c 0 60 100",
                                      "2 192 Note_on_c 0 64 100", "2 288 Note_off_c 0 64 100"}));
  return file.string();
}

TEST(FluidStreamOutput, NotesSoundAtOnceForTheirDurationAndEndWithTheRequest) {
  Synth synth;
  FluidStreamOutput output(synth.engine, synth.queue.Thread());
  TMidiGen gen(output, synth.queue.Thread());
  ASSERT_TRUE(gen.PlayNote(60));
  const std::vector<float> sound = synth.Listen(1.0);
  // The note starts in the first audio block, within 5 ms; after its note-off at 0.5 s it dies away.
  const double loud = Rms(sound, 0.05, 0.45);
  EXPECT_GT(loud, 0.005);
  EXPECT_GT(Rms(sound, 0.0, 0.005), loud / 10);
  EXPECT_LT(Rms(sound, 0.8, 1.0), loud / 10);
  // The end of the request resets the output, so even a sustained note ends with it.
  gen.SetSustain(true);
  ASSERT_TRUE(gen.PlayNote(67));
  const std::vector<float> held = synth.Listen(3.0);
  EXPECT_FALSE(gen.IsPlaying());
  EXPECT_GT(Rms(held, 0.05, 0.45), loud / 2);
  EXPECT_LT(Rms(held, 2.0, 3.0), loud / 1000);
}

TEST(FluidFilePlayer, FilePlayersPlayOneAtATime) {
  const TempDir dir;
  Synth synth;
  FluidFilePlayer first(synth.engine), second(synth.engine);
  first.Play(); // nothing plays before a file is open
  EXPECT_FALSE(first.IsPlaying());
  first.SetFileName(WriteTwoNotes(dir.path()));
  first.Open();
  first.Play();
  EXPECT_GT(Rms(synth.Listen(0.5), 0.05, 0.45), 0.002);
  second.SetFileName(first.FileName());
  second.Open();
  second.Play();
  EXPECT_TRUE(second.IsPlaying());
  EXPECT_FALSE(first.IsPlaying());
  // Paused, the file goes on where it was, after the second of sound heard; stopped, or played to its
  // end, it starts again.
  const auto secondsToEnd = [&] {
    double seconds = 0;
    for (; !second.PastLastEvent() && seconds < 10; seconds += 0.01)
      synth.Listen(0.01);
    return seconds;
  };
  synth.Listen(1.0);
  second.Pause();
  EXPECT_LT(Rms(synth.Listen(0.3), 0.05, 0.3), 1e-4);
  second.Play();
  EXPECT_NEAR(secondsToEnd(), 1.88, 0.05);
  second.Stop();
  second.Play();
  EXPECT_NEAR(secondsToEnd(), 2.88, 0.05);
  while (second.IsPlaying())
    synth.Listen(0.1);
  second.Play();
  EXPECT_TRUE(second.IsPlaying());
  second.Close();
  second.Play();
  EXPECT_FALSE(second.IsPlaying());
  arvento::test::WriteText(dir.path() / "text.mid", "MThd");
  for (const char* name : {"missing.mid", "text.mid"}) {
    second.SetFileName((dir.path() / name).string());
    EXPECT_THROW(second.Open(), Error) << name;
  }
}

TEST(OfflineRender, RenderedSoundIsLoudWhereNotesSoundAndEndsWithTheLastRelease) {
  const TempDir dir;
  const std::string midi = WriteTwoNotes(dir.path());
  const PcmAudio audio = RenderMidiFile(midi, FindSoundFont());
  ASSERT_EQ(audio.sampleRate, kRate);
  const double seconds = static_cast<double>(audio.Frames()) / kRate, first = Rms(audio.samples, 0.05, 0.9);
  EXPECT_GT(first, 0.002);
  EXPECT_GT(Rms(audio.samples, 1.97, 2.8), 0.002);
  EXPECT_LT(Rms(audio.samples, 1.6, 1.9), first / 100);
  EXPECT_GT(seconds, 2.9);
  EXPECT_LT(seconds, 4.0);
  EXPECT_LT(Rms(audio.samples, seconds - 0.1, seconds), 1e-4);
  // Refused: a file that is not MIDI, named in the message, and a SoundFont that does not load or none.
  const std::string text = (dir.path() / "song.mid").string();
  arvento::test::WriteText(text, "not a MIDI file");
  const std::string refusals[][3] = {{text, FindSoundFont(), "song.mid: "},
                                     {midi, text, "song.mid could not be loaded"},
                                     {midi, "", "no General MIDI SoundFont found"}};
  for (const auto& [file, soundFont, message] : refusals) {
    const std::string error = arvento::test::ErrorText([&] { RenderMidiFile(file, soundFont); });
    EXPECT_NE(error.find(message), std::string::npos) << error;
  }
  // The WAV file: RIFF header, 16-bit stereo PCM at the sample rate, then the samples.
  EXPECT_EQ(
      WavBytes({kRate, {1, -2, 32767, -32768}}),
      arvento::test::Bytes("52 49 46 46 2C 00 00 00 57 41 56 45 66 6D 74 20 10 00 00 00 01 00 02 00 44 AC "
                           "00 00 10 B1 02 00 04 00 10 00 64 61 74 61 08 00 00 00 01 00 FE FF FF 7F 00 80"));
}

// Live notes go to the synthesizer, which needs an audio device, or, with ARVENTO_MIDI_OUTPUT "alsa", to
// the ALSA sequencer, whose outputs are its writable ports: none on a machine without a sequencer, at least
// Midi Through on most others.
TEST(SoundSystem, LiveNotesGoToTheSynthesizerOrTheAlsaSequencer) {
  for (const bool alsa : {false, true}) {
    alsa ? setenv("ARVENTO_MIDI_OUTPUT", "alsa", 1) : unsetenv("ARVENTO_MIDI_OUTPUT");
    UiWorkQueue queue;
    const std::unique_ptr<SoundSystem> sound = CreateSynthSoundSystem(queue.Thread());
    const std::string description = sound->Description();
    MidiStreamOutput& output = sound->StreamOutput();
    const std::uint32_t count = output.DeviceCount();
    EXPECT_EQ(dynamic_cast<AlsaStreamOutput*>(&output) != nullptr, alsa);
    EXPECT_EQ(description.rfind("FluidSynth ", 0), 0u) << description;
    EXPECT_NE(description.find(FindSoundFont()), std::string::npos) << description;
    EXPECT_EQ(sound->Available(), description.find("no sound: no audio device") == std::string::npos)
        << description;
    EXPECT_EQ(description.find("live notes through the ALSA sequencer") != std::string::npos, alsa)
        << description;
    EXPECT_TRUE(alsa || count == (sound->Available() ? 1u : 0u)) << count;
    EXPECT_EQ(output.Probe(kMidiMapper), count > 0);
    EXPECT_FALSE(output.Probe(count));
    EXPECT_FALSE(output.Open(count, [](StreamNotification) {}));
    // A short note through the first output, played by the output's own clock.
    TMidiGen gen(output, queue.Thread());
    gen.SetDuration(5);
    EXPECT_EQ(gen.PlayNote(60), count > 0);
    for (int i = 0; i < 200 && gen.IsPlaying(); ++i) {
      queue.ProcessPending();
      std::this_thread::sleep_for(5ms);
    }
    EXPECT_FALSE(gen.IsPlaying());
  }
  unsetenv("ARVENTO_MIDI_OUTPUT");
}

} // namespace
} // namespace arvento::player
