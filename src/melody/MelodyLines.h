#pragma once

// How the melody compiler reads the lines of RTTTL-E text, for every reader
// that must read them as it does.

#include "core/Error.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace arvento::melody {

// The part of a line that is played: nothing for a line without a comma or
// with "//" anywhere, else the line without its leading blanks. Its tokens
// are those of ForEachCommaToken(part, 1): each followed by a comma and one
// more character.
std::string_view PlayedPart(std::string_view line);

// The failure of a token that cannot be played, naming its line (counted
// from 1) and the token.
Error TokenError(const std::string& why, std::string_view token, std::size_t lineNumber);

} // namespace arvento::melody
