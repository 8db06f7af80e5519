#pragma once

// What the benchmark programs share: made-up input texts and a timing that
// the other work on the machine disturbs least.

#include <algorithm>
#include <chrono>
#include <initializer_list>
#include <string>
#include <vector>

namespace arvento::bench {

// Lines holding count tokens, taken from tokens in turn; a line ends with the
// token that takes it past width characters.
inline std::vector<std::string> TokenLines(int count, std::initializer_list<const char*> tokens,
                                           std::size_t width = 90) {
  std::vector<std::string> lines;
  std::string line;
  for (int i = 0; i < count; ++i) {
    line += tokens.begin()[static_cast<std::size_t>(i) % tokens.size()];
    if (line.size() > width) {
      lines.push_back(line);
      line.clear();
    }
  }
  lines.push_back(line);
  return lines;
}

// Seconds taken by the fastest of ten runs.
template <class Run> double BestSeconds(Run run) {
  double best = 1e9;
  for (int i = 0; i < 10; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

// Seconds taken by one run on average over ten runs.
template <class Run> double MeanSeconds(Run run) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 10; ++i)
    run();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 10;
}

} // namespace arvento::bench
