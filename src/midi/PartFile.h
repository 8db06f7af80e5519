#pragma once

#include "core/SoundSettings.h"
#include "midi/TrackBody.h"

#include <array>
#include <cstdint>
#include <vector>

namespace arvento::midi {

// Header chunk of every part file; the last byte, the division, is replaced
// by the tempo setting before each write.
constexpr std::array<std::uint8_t, 14> kHeaderTemplate = {
    0x4D, 0x54, 0x68, 0x64, // "MThd"
    0x00, 0x00, 0x00, 0x06, // header length 6
    0x00, 0x01,             // format 1
    0x00, 0x02,             // two tracks
    0x00, 0x30,             // division
};

// The conductor track, the same in every part file: 500000 us per quarter
// note, 4/4, end of track.
constexpr std::array<std::uint8_t, 27> kConductorTrack = {
    0x4D, 0x54, 0x72, 0x6B,                         // "MTrk"
    0x00, 0x00, 0x00, 0x13,                         // length 19
    0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,       // set tempo
    0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x24, 0x08, // time signature
    0x00, 0xFF, 0x2F, 0x00,                         // end of track
};

// Offset of the part track chunk in a part file: header plus conductor track.
constexpr std::size_t kPartTrackOffset = kHeaderTemplate.size() + kConductorTrack.size();

// The size of a part file without events: the header, the conductor track,
// the part track's chunk header, prologue and end.
inline constexpr std::size_t kEmptyPartSize = kPartTrackOffset + 8 + 12 + 4;

// The head of a part file, ready for the part's events: the header with the
// settings' tempo as the division, the conductor track, the part track's
// chunk header, whose length FinishPartFile writes, and the track's prologue
// (an empty track name, then the modulation and the program change of the
// settings' channel). The file is written into the memory of room, an empty
// buffer that a caller may have made ready for a long part.
TrackBody StartPartFile(const SoundSettings& settings, std::vector<std::uint8_t> room = {});

// Ends the part track that StartPartFile began and writes its length.
std::vector<std::uint8_t> FinishPartFile(TrackBody track);

} // namespace arvento::midi
