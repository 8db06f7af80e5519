#pragma once

#include <string>
#include <utility>
#include <vector>

namespace arvento::generators {

// What a generator hands back to the window. A refusal changes no pane: its
// message goes into an information box. Otherwise the lines replace the
// generator's pane, and a message that is not empty is shown after that.
struct GeneratorResult {
  bool refused = false;
  std::vector<std::string> lines;
  std::string message;

  static GeneratorResult Refusal(std::string message) { return {true, {}, std::move(message)}; }
  static GeneratorResult Written(std::vector<std::string> lines, std::string message = {}) {
    return {false, std::move(lines), std::move(message)};
  }
};

} // namespace arvento::generators
