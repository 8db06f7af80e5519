#include "core/CommaTokens.h"

namespace arvento {

std::vector<std::string_view> CommaTokens(std::string_view line, std::size_t gap) {
  std::vector<std::string_view> tokens;
  ForEachCommaToken(line, gap, [&tokens](std::string_view token) { tokens.push_back(token); });
  return tokens;
}

} // namespace arvento
