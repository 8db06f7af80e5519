#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace arvento::player {

namespace {
void Put32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

void Put16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutTag(std::vector<std::uint8_t>& bytes, std::string_view tag) {
  bytes.insert(bytes.end(), tag.begin(), tag.end());
}
} // namespace

std::vector<std::uint8_t> WavBytes(const PcmAudio& audio) {
  constexpr std::uint16_t kChannels = 2;
  constexpr std::uint16_t kBitsPerSample = 16;
  constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
  const auto dataBytes = static_cast<std::uint32_t>(audio.samples.size() * sizeof(std::int16_t));
  std::vector<std::uint8_t> bytes;
  bytes.reserve(44 + dataBytes);
  PutTag(bytes, "RIFF");
  Put32(bytes, 36 + dataBytes);
  PutTag(bytes, "WAVE");
  PutTag(bytes, "fmt ");
  Put32(bytes, 16);
  Put16(bytes, 1); // PCM
  Put16(bytes, kChannels);
  Put32(bytes, static_cast<std::uint32_t>(audio.sampleRate));
  Put32(bytes, static_cast<std::uint32_t>(audio.sampleRate) * kBlockAlign);
  Put16(bytes, kBlockAlign);
  Put16(bytes, kBitsPerSample);
  PutTag(bytes, "data");
  Put32(bytes, dataBytes);
  for (std::int16_t sample : audio.samples)
    Put16(bytes, static_cast<std::uint16_t>(sample));
  return bytes;
}

std::vector<std::int16_t> ToPcm16(std::span<const float> samples) {
  std::vector<std::int16_t> pcm;
  pcm.reserve(samples.size());
  for (float sample : samples)
    pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f)));
  return pcm;
}

} // namespace arvento::player
