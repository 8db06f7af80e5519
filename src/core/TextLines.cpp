#include "core/TextLines.h"

namespace arvento {

std::vector<std::string> TextLines(std::string_view text) {
  std::vector<std::string> lines;
  // Counted first, the list is made once at its size.
  lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  ForEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

} // namespace arvento
