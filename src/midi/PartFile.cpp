#include "midi/PartFile.h"

#include "midi/ByteText.h"
#include "midi/TrackText.h"

namespace arvento::midi {

namespace {
void AppendBytes(std::vector<std::uint8_t>& bytes, std::string_view text) {
  std::size_t cursor = 0;
  while (cursor < text.size())
    bytes.push_back(static_cast<std::uint8_t>(NextHexByte(text, cursor) & 0xFF));
}
} // namespace

std::vector<std::uint8_t> PartFileBytes(int division, std::string_view trackText) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kPartTrackOffset + 8 + ByteCount(trackText));
  bytes.insert(bytes.end(), kHeaderTemplate.begin(), kHeaderTemplate.end());
  bytes.insert(bytes.end(), kConductorTrack.begin(), kConductorTrack.end());
  bytes[kHeaderTemplate.size() - 1] = static_cast<std::uint8_t>(division & 0xFF);
  AppendBytes(bytes, TrackHeaderText(trackText));
  AppendBytes(bytes, trackText);
  return bytes;
}

std::vector<std::uint8_t> PartFileFromEvents(const SoundSettings& settings,
                                             const std::vector<std::string>& events) {
  return PartFileBytes(
      settings.tempo, BuildTrackText(settings.channel, settings.modulation, ProgramNumber(settings), events));
}

} // namespace arvento::midi
