#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace arvento {

// The text before each comma of line, in order. Each comma is followed by
// `gap` characters that belong to no token (the blank of the written melody
// form, none in a chord line); text after the last comma is not a token.
std::vector<std::string_view> CommaTokens(std::string_view line, std::size_t gap);

} // namespace arvento
