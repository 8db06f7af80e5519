#pragma once

// What the fuzz targets share: the entry point, which hands each input to the target's Check as text, and
// the checks of invariants. An arvento::Error is the program refusing bad input; any other exception
// escapes, and libFuzzer reports it.

#include "core/Error.h"
#include "core/TextLines.h"
#include "midi/SmfReader.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace arvento::fuzz {

void Check(std::string_view input); // each target defines it

// The blank-separated words of the lines.
inline std::vector<std::string> Words(const std::vector<std::string>& lines) {
  std::vector<std::string> words;
  for (const std::string& line : lines) {
    std::istringstream stream(line);
    for (std::string word; stream >> word;)
      words.push_back(word);
  }
  return words;
}

// An input's options, the words of its first line, and the text to read, its other lines as arvento-cli
// reads the lines of a file.
struct OptionsAndLines {
  explicit OptionsAndLines(std::string_view text) : lines(TextLines(text)) {
    if (!lines.empty()) {
      options = Words({lines.front()});
      lines.erase(lines.begin());
    }
  }
  std::vector<std::string> options, lines;
};

// A word as a whole number within lo..hi; nullopt when it is missing, not a number or out of range, so the
// target skips the input as the program's own option checks would.
inline std::optional<int> IntOption(const std::vector<std::string>& words, std::size_t index, int lo,
                                    int hi) {
  const std::string word = index < words.size() ? words[index] : "";
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  const bool valid = error == std::errc() && end == word.data() + word.size() && value >= lo && value <= hi;
  return valid ? std::optional(value) : std::nullopt;
}

// What the call makes of the input, or nullopt when the program refuses it with arvento::Error.
template <class Call> auto Attempt(Call call) -> std::optional<decltype(call())> {
  try {
    return call();
  } catch (const Error&) {
    return std::nullopt;
  }
}

// Stops the run with a crash report when an invariant does not hold.
inline void Expect(bool holds, const char* invariant) {
  if (holds)
    return;
  std::fprintf(stderr, "invariant broken: %s\n", invariant);
  std::abort();
}

// A compiled part file must read back through the program's own SMF reader as what the part file writer
// makes: format 1, the conductor track and the part track, the tempo setting as the division, and every
// note started in the part track also stopped.
inline void ExpectPartFile(const std::vector<std::uint8_t>& bytes, int tempo) {
  const midi::SmfFile file = midi::ReadSmf(bytes);
  Expect(file.format == 1 && file.tracks.size() == 2, "a part file has format 1 and two tracks");
  Expect(file.division == tempo, "a part file's division is its tempo");
  int sounding = 0;
  for (const midi::SmfEvent& event : file.tracks[1].events)
    sounding += event.status == 0xFF ? 0 : (event.Kind() == 0x90) - (event.Kind() == 0x80);
  Expect(sounding == 0, "every note-on of a part has its note-off");
}

} // namespace arvento::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  arvento::fuzz::Check({reinterpret_cast<const char*>(data), size});
  return 0;
}
