#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace arvento {

// Hands take the text before each comma of line, in order. Each comma is
// followed by `gap` characters that belong to no token (the blank of the
// written melody form, none in a chord line); text after the last comma is
// not a token. Nothing is stored, for readers that go through long texts.
template <class Take> void ForEachCommaToken(std::string_view line, std::size_t gap, Take&& take) {
  // Tokens are a few characters long: a plain search finds each comma
  // sooner than a library call would.
  const char* cursor = line.data();
  const char* const end = line.data() + line.size();
  for (const char* comma = std::find(cursor, end, ','); comma != end; comma = std::find(cursor, end, ',')) {
    take(std::string_view(cursor, static_cast<std::size_t>(comma - cursor)));
    if (static_cast<std::size_t>(end - comma) <= 1 + gap)
      break;
    cursor = comma + 1 + gap;
  }
}

// The tokens of ForEachCommaToken as a list.
std::vector<std::string_view> CommaTokens(std::string_view line, std::size_t gap);

} // namespace arvento
