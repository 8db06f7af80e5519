#pragma once

#include "Commands.h"
#include "GeneratorResult.h"

#include <iostream>

namespace arvento::cli {

// A generator's lines on standard output, one per pane line. A refusal is the
// window's information box: its message on standard error and no lines. A
// notice that follows a success in the window says where the lines went; the
// shell has them on standard output, so it is not printed.
inline int PrintGenerated(const generators::GeneratorResult& result) {
  if (result.refused) {
    std::cerr << result.message << "\n";
    return kExitRefused;
  }
  for (const std::string& line : result.lines)
    std::cout << line << "\n";
  return kExitOk;
}

} // namespace arvento::cli
