#include "melody/MelodyLayout.h"

#include <algorithm>

namespace arvento::melody {

std::vector<std::string> LayOutMelody(std::string_view text) {
  std::vector<std::string> lines;
  while (text.size() > kMelodyLineWidth) {
    // A token without a blank or comma in the whole width is cut at the width.
    const std::size_t cut = std::min(text.find_last_of(" ,", kMelodyLineWidth - 1), kMelodyLineWidth - 1) + 1;
    lines.emplace_back(text.substr(0, cut));
    text.remove_prefix(cut);
  }
  if (!text.empty())
    lines.emplace_back(text);
  return lines;
}

} // namespace arvento::melody
