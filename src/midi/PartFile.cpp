#include "midi/PartFile.h"

namespace arvento::midi {

namespace {
// The chunk header of the part track: its tag, then a length written when the track ends.
constexpr std::array<std::uint8_t, 8> kTrackChunk = {0x4D, 0x54, 0x72, 0x6B, 0x00, 0x00, 0x00, 0x00};
constexpr std::size_t kTrackLengthAt = kPartTrackOffset + 4;
constexpr std::array<std::uint8_t, 5> kEmptyTrackName = {0x00, 0xFF, 0x03, 0x01, 0x00};
constexpr std::uint8_t kModulationController = 1;
constexpr std::array<std::uint8_t, 4> kEndOfTrack = {0x00, 0xFF, 0x2F, 0x00};
} // namespace

TrackBody StartPartFile(const SoundSettings& settings, std::vector<std::uint8_t> room) {
  const std::uint8_t modulation[] = {0x00, StatusByte(kControlChange, settings.channel),
                                     kModulationController, DataByte(settings.modulation)};
  const std::uint8_t program[] = {0x00, StatusByte(kProgramChange, settings.channel),
                                  DataByte(ProgramNumber(settings))};
  std::vector<std::uint8_t> head = std::move(room);
  head.assign(kHeaderTemplate.begin(), kHeaderTemplate.end());
  head.back() = static_cast<std::uint8_t>(settings.tempo & 0xFF);
  head.insert(head.end(), kConductorTrack.begin(), kConductorTrack.end());
  head.insert(head.end(), kTrackChunk.begin(), kTrackChunk.end());
  head.insert(head.end(), kEmptyTrackName.begin(), kEmptyTrackName.end());
  head.insert(head.end(), std::begin(modulation), std::end(modulation));
  head.insert(head.end(), std::begin(program), std::end(program));
  return TrackBody(std::move(head));
}

std::vector<std::uint8_t> FinishPartFile(TrackBody track) {
  track.Append(kEndOfTrack);
  std::vector<std::uint8_t> bytes = std::move(track).Take();
  const auto length = static_cast<std::uint32_t>(bytes.size() - (kTrackLengthAt + 4));
  for (std::size_t i = 0; i < 4; ++i)
    bytes[kTrackLengthAt + i] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
  return bytes;
}

} // namespace arvento::midi
