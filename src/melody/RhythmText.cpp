#include "melody/RhythmText.h"

namespace arvento::melody {

std::vector<std::string> RunsToRhythm(const std::vector<std::string>& runKeys,
                                      const std::string& lengthText) {
  std::vector<std::string> lines;
  std::string line;
  for (const std::string& key : runKeys) {
    if (key.find('%') != std::string::npos) {
      lines.push_back(line);
      line.clear();
      continue;
    }
    line += key.substr(key.find(',') + 1) + "*" + lengthText + " ";
  }
  return lines;
}

} // namespace arvento::melody
