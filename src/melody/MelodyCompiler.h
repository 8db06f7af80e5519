#pragma once

#include "core/SoundSettings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace arvento::melody {

// The events of an RTTTL-E melody as track bytes: one note-on and one
// note-off per note, rests folded into the next note-on's delta. Lines without a comma or with
// "//" take no part. A malformed token throws arvento::Error naming its line
// (counted from 1) and the token.
std::vector<std::uint8_t> MelodyEvents(const std::vector<std::string>& lines, int channel, int velocity);

// The part file of a melody compiled with the given sound settings.
std::vector<std::uint8_t> CompileMelody(const std::vector<std::string>& lines, const SoundSettings& settings);

} // namespace arvento::melody
