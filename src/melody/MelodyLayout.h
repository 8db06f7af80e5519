#pragma once

// Melody text laid out in the pane's lines, as every producer of RTTTL-E
// lays it out.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace arvento::melody {

// The written text is cut into lines of at most this many characters, only
// after a blank or a comma.
inline constexpr std::size_t kMelodyLineWidth = 95;

// The text in lines: while more than kMelodyLineWidth characters are left,
// a line ends at the last blank or comma at or before that width; the rest
// is the last line. No line for an empty text.
std::vector<std::string> LayOutMelody(std::string_view text);

} // namespace arvento::melody
