#pragma once

// The lines of a text as every reader of the program cuts them: each line
// ends at a '\n', less one '\r' before it, and text after the last '\n' is a
// line too.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace arvento {

// Hands take each line in order, stored nowhere.
template <class Take> void ForEachLine(std::string_view text, Take&& take) {
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
    take(text.substr(start, stop - start));
    start = end + 1;
  }
}

// The lines as a list.
std::vector<std::string> TextLines(std::string_view text);

} // namespace arvento
