#include "core/CommaTokens.h"

namespace arvento {

std::vector<std::string_view> CommaTokens(std::string_view line, std::size_t gap) {
  std::vector<std::string_view> tokens;
  std::size_t cursor = 0;
  for (std::size_t comma = line.find(','); comma != std::string_view::npos; comma = line.find(',', cursor)) {
    tokens.push_back(line.substr(cursor, comma - cursor));
    cursor = comma + 1 + gap;
    if (cursor >= line.size())
      break;
  }
  return tokens;
}

} // namespace arvento
