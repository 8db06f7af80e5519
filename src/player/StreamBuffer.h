#pragma once

// The stream buffer of one live-note request, built from the player's
// properties and the request's note list: a prologue of controller settings,
// then the notes as timed short messages.

#include "player/MidiGenTypes.h"

#include <cstdint>
#include <span>
#include <vector>

namespace arvento::player {

// The note list of a single note: a program change unless the player sits on
// the percussion channel, a note-on now and a note-off after the duration.
std::vector<NoteRecord> SingleNoteRecords(const MidiGenSettings& settings, int note);

// The buffer that a request submits: fifteen controller events on the
// settings' channel (and the percussion channel), then the records. Bending
// applies only when allowed and the pitch bend is not 0. Events that would
// take the buffer beyond kMaxBufferBytes are left out.
std::vector<StreamEvent> BuildStreamBuffer(const MidiGenSettings& settings,
                                           std::span<const NoteRecord> records, bool bendAllowed);

// The pitch-bend messages that lead into a note-off of the given delta.
std::vector<StreamEvent> BendRamp(const MidiGenSettings& settings, std::uint32_t noteOffDelta,
                                  std::uint8_t channel);

// The short message of an event word: status, first and second data byte.
constexpr std::uint32_t ShortMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  return status | static_cast<std::uint32_t>(data1) << 8 | static_cast<std::uint32_t>(data2) << 16;
}

// The buffer as the output reads it: 12 little-endian bytes per event.
std::vector<std::uint8_t> StreamBytes(std::span<const StreamEvent> events);

} // namespace arvento::player
