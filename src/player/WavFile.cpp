#include "player/WavFile.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace arvento::player {

namespace {
// Writes little-endian fields into a buffer of known size, so that it never grows.
class LittleEndianWriter {
public:
  explicit LittleEndianWriter(std::size_t size) : bytes_(size) {}
  void Tag(std::string_view tag) {
    for (char c : tag)
      bytes_[at_++] = static_cast<std::uint8_t>(c);
  }
  void Put(std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
      bytes_[at_++] = static_cast<std::uint8_t>(value >> (8 * i));
  }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
  std::vector<std::uint8_t> bytes_;
  std::size_t at_ = 0;
};
} // namespace

std::vector<std::uint8_t> WavBytes(const PcmAudio& audio) {
  constexpr std::uint16_t kChannels = 2;
  constexpr std::uint16_t kBitsPerSample = 16;
  constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
  constexpr std::size_t kHeaderBytes = 44;
  const auto dataBytes = static_cast<std::uint32_t>(audio.samples.size() * sizeof(std::int16_t));
  LittleEndianWriter wav(kHeaderBytes + dataBytes);
  wav.Tag("RIFF");
  wav.Put(kHeaderBytes - 8 + dataBytes, 4);
  wav.Tag("WAVE");
  wav.Tag("fmt ");
  wav.Put(16, 4);
  wav.Put(1, 2); // PCM
  wav.Put(kChannels, 2);
  wav.Put(static_cast<std::uint32_t>(audio.sampleRate), 4);
  wav.Put(static_cast<std::uint32_t>(audio.sampleRate) * kBlockAlign, 4);
  wav.Put(kBlockAlign, 2);
  wav.Put(kBitsPerSample, 2);
  wav.Tag("data");
  wav.Put(dataBytes, 4);
  for (std::int16_t sample : audio.samples)
    wav.Put(static_cast<std::uint16_t>(sample), 2);
  return wav.Take();
}

std::vector<std::int16_t> ToPcm16(std::span<const float> samples) {
  std::vector<std::int16_t> pcm;
  pcm.reserve(samples.size());
  for (float sample : samples)
    pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f)));
  return pcm;
}

} // namespace arvento::player
