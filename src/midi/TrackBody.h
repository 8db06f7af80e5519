#pragma once

// The bytes of a MIDI track as its events are appended: each event a delta
// time as a variable-length quantity, then its status and data bytes. The
// compilers write their notes straight into it and the part file is built
// around it, so no event exists in any other form on the way to the file.

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace arvento::midi {

// Kinds of channel event, the high half of the status byte.
inline constexpr std::uint8_t kNoteOff = 0x80;
inline constexpr std::uint8_t kNoteOn = 0x90;
inline constexpr std::uint8_t kControlChange = 0xB0;
inline constexpr std::uint8_t kProgramChange = 0xC0;

// The status byte of a channel event of the kind on channel 1..16.
constexpr std::uint8_t StatusByte(std::uint8_t kind, int channel) {
  return static_cast<std::uint8_t>(kind | ((channel - 1) & 0x0F));
}

// A value destined for a data byte, limited to 0..127 so that it can never
// set the status bit.
constexpr std::uint8_t DataByte(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}

class TrackBody {
public:
  TrackBody() = default;
  // Goes on after bytes already written, such as the head of a part file.
  explicit TrackBody(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  // An event of a status byte and two data bytes. Most deltas of a melody
  // fit one byte, which is written here without a call.
  void Event(std::int64_t delta, std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    if (delta >= 0 && delta < 0x80)
      bytes_.push_back(static_cast<std::uint8_t>(delta));
    else
      Delta(delta);
    bytes_.push_back(status);
    bytes_.push_back(data1);
    bytes_.push_back(data2);
  }

  // A delta time: a negative one counts as 0, and only the low 28 bits, all
  // that a variable-length quantity of four bytes holds, are written.
  void Delta(std::int64_t ticks);

  // Bytes as they are, such as a meta event.
  void Append(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  }

  // Room for more bytes, so that a long track is not copied again and again as it grows.
  void Reserve(std::size_t more) { bytes_.reserve(bytes_.size() + more); }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::vector<std::uint8_t> Take() && { return std::move(bytes_); }

private:
  std::vector<std::uint8_t> bytes_;
};

} // namespace arvento::midi
