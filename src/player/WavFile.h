#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace arvento::player {

// 16-bit stereo sound, the left and right samples of each frame side by side.
struct PcmAudio {
  int sampleRate = 44100;
  std::vector<std::int16_t> samples;

  std::size_t Frames() const { return samples.size() / 2; }
};

// The sound as a RIFF WAVE file: 16-bit PCM, two channels, little-endian.
std::vector<std::uint8_t> WavBytes(const PcmAudio& audio);

// Floating-point samples (-1..1) as 16-bit samples, clipped at full scale.
std::vector<std::int16_t> ToPcm16(std::span<const float> samples);

} // namespace arvento::player
