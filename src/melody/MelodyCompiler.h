#pragma once

#include "core/SoundSettings.h"
#include "midi/PartFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace arvento::melody {

// The events of an RTTTL-E melody as track bytes: one note-on and one
// note-off per note, rests folded into the next note-on's delta. Lines
// without a comma or with "//" take no part. A malformed token throws
// arvento::Error naming its line (counted from 1) and the token.
std::vector<std::uint8_t> MelodyEvents(const std::vector<std::string>& lines, int channel, int velocity);

// The part file of a melody compiled with the given sound settings.
std::vector<std::uint8_t> CompileMelody(const std::vector<std::string>& lines, const SoundSettings& settings);

// A note of the written form, four characters at least with its comma and
// blank, gives eight bytes: two bytes a character of the text are room enough
// for the events of almost any melody.
inline constexpr std::size_t kEventBytesPerCharacter = 2;

// Room for the part file of a melody text of this many characters.
constexpr std::size_t PartFileRoom(std::size_t characters) {
  return midi::kEmptyPartSize + kEventBytesPerCharacter * characters;
}

// The same for the melody text as a file holds it, cut into lines by
// ForEachLine: a long file is compiled without a copy of each line. The text
// comes in pieces, each one or more whole lines (the text's last line may lack
// its end), from `next`, which gives an empty piece when the text has ended,
// so a reader can hand over a long file through one small buffer; lines are
// counted across pieces. The part file is written into room's memory (see
// midi::StartPartFile).
std::vector<std::uint8_t> CompileMelodyText(const std::function<std::string_view()>& next,
                                            const SoundSettings& settings, std::vector<std::uint8_t> room);

} // namespace arvento::melody
