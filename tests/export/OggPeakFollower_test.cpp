// The true peak of an Ogg Vorbis file measured while it is written is the
// one measured on the finished file decoded as a whole.

#include "core/Error.h"
#include "export/backends/Codec.h"
#include "export/backends/LoudnessMeter.h"
#include "export/backends/OggPeakFollower.h"
#include "export/backends/SndfileCodec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace arvento::exporting {
namespace {

constexpr int kRate = 44100;

// Three seconds of a chord with a loud beat in the middle, to -1 dBFS.
std::vector<float> Sound() {
  std::vector<float> samples(3 * kRate * 2);
  for (std::size_t frame = 0; frame < samples.size() / 2; ++frame) {
    const double t = static_cast<double>(frame) / kRate;
    const double beat = std::abs(t - 1.5) < 0.2 ? 0.89 : 0.3;
    const double tone =
        std::sin(2 * std::numbers::pi * 440 * t) + std::sin(2 * std::numbers::pi * 554.37 * t);
    samples[2 * frame] = static_cast<float>(beat * tone / 2);
    samples[2 * frame + 1] = static_cast<float>(beat * std::sin(2 * std::numbers::pi * 659.25 * t));
  }
  return samples;
}

TEST(OggPeakFollower, MeasuresWhatTheFinishedFileDecodesTo) {
  const std::vector<float> sound = Sound();
  const CheckedFile checked =
      EncodeChecked(AudioFormat::Ogg, sound, kRate, Progress([](double) { return true; }));
  const double whole = TruePeak(DecodeWithSndfile(checked.bytes), kRate);
  EXPECT_NEAR(checked.truePeak, whole, 1e-9);
  EXPECT_GT(whole, -1.5);
}

TEST(OggPeakFollower, BytesThatAreNotOggVorbisAreRefused) {
  OggPeakFollower follower(kRate);
  const std::vector<std::uint8_t> bytes(4096, 0x55);
  follower.Add(bytes);
  EXPECT_THROW(follower.Finish(), Error);
}

} // namespace
} // namespace arvento::exporting
