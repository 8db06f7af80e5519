#pragma once

// What the fuzz targets share: the input read as the program reads text,
// the option words some targets take from their first line, and the stop for
// a broken invariant. An arvento::Error is the program refusing bad input;
// any other exception escapes the target and libFuzzer reports it.

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace arvento::fuzz {

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The lines of a text file as arvento-cli reads them: split at LF, one CR
// before it removed, no empty line after a final LF.
inline std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    lines.emplace_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

// An input whose first line holds the target's options as blank-separated
// words and whose other lines are the text to read.
struct OptionsAndLines {
  std::vector<std::string> options;
  std::vector<std::string> lines;
};

inline OptionsAndLines SplitOptions(std::string_view text) {
  OptionsAndLines input;
  input.lines = Lines(text);
  if (input.lines.empty())
    return input;
  std::istringstream words(input.lines.front());
  for (std::string word; words >> word;)
    input.options.push_back(word);
  input.lines.erase(input.lines.begin());
  return input;
}

// Option word `index` as a whole number within lo..hi; nullopt when it is
// missing, not a number or out of range, so the target skips the input as
// the program's own option checks would.
inline std::optional<int> IntOption(const std::vector<std::string>& options, std::size_t index, int lo,
                                    int hi) {
  if (index >= options.size())
    return std::nullopt;
  const std::string& word = options[index];
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || value < lo || value > hi)
    return std::nullopt;
  return value;
}

// Stops the run with a crash report when an invariant does not hold.
inline void Expect(bool holds, const char* invariant) {
  if (holds)
    return;
  std::fprintf(stderr, "invariant broken: %s\n", invariant);
  std::abort();
}

} // namespace arvento::fuzz
