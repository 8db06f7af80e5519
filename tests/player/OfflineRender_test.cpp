#include "SoundCheck.h"
#include "TestSupport.h"
#include "core/Error.h"
#include "player/OfflineRender.h"
#include "player/SoundFont.h"

#include <gtest/gtest.h>

namespace arvento::player {
namespace {

using test::kRate;
using test::Listen;
using test::ManualEngine;
using test::Rms;
using test::WriteTwoNotes;

TEST(OfflineRender, RenderedFileIsLoudWhereNotesSoundAndSilentAfter) {
  const arvento::test::TempDir dir;
  const PcmAudio audio = RenderMidiFile(WriteTwoNotes(dir.path()).string(), FindSoundFont());
  ASSERT_EQ(audio.sampleRate, kRate);
  const double first = Rms(audio.samples, 0.05, 0.9);
  const double second = Rms(audio.samples, 1.97, 2.8);
  EXPECT_GT(first, 0.002);
  EXPECT_GT(second, 0.002);
  EXPECT_LT(Rms(audio.samples, 1.6, 1.9), first / 100);
  // The sound ends with the release of the last note, not seconds later, and in silence.
  const double seconds = static_cast<double>(audio.Frames()) / kRate;
  EXPECT_GT(seconds, 2.9);
  EXPECT_LT(seconds, 4.0);
  EXPECT_LT(Rms(audio.samples, seconds - 0.1, seconds), 1e-4);

  // The WAV file: RIFF header, 16-bit stereo PCM at 44.1 kHz, then the samples.
  const std::vector<std::uint8_t> wav = WavBytes(audio);
  ASSERT_EQ(wav.size(), 44 + audio.samples.size() * 2);
  EXPECT_EQ(std::vector<std::uint8_t>(wav.begin(), wav.begin() + 4), arvento::test::Bytes("52 49 46 46"));
  EXPECT_EQ(std::vector<std::uint8_t>(wav.begin() + 8, wav.begin() + 36),
            arvento::test::Bytes(
                "57 41 56 45 66 6D 74 20 10 00 00 00 01 00 02 00 44 AC 00 00 10 B1 02 00 04 00 10 00"));
  EXPECT_EQ(std::vector<std::uint8_t>(wav.begin() + 36, wav.begin() + 40),
            arvento::test::Bytes("64 61 74 61"));
  const std::uint32_t dataBytes =
      wav[40] | wav[41] << 8 | wav[42] << 16 | static_cast<std::uint32_t>(wav[43]) << 24;
  EXPECT_EQ(dataBytes, audio.samples.size() * 2);
  EXPECT_EQ(static_cast<std::int16_t>(wav[44 + 4410 * 4] | wav[45 + 4410 * 4] << 8), audio.samples[4410 * 2]);
}

TEST(OfflineRender, RenderRefusesWhatItCannotPlay) {
  const arvento::test::TempDir dir;
  const std::filesystem::path notMidi = dir.path() / "song.mid";
  arvento::test::WriteText(notMidi, "not a MIDI file");
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

} // namespace
} // namespace arvento::player
