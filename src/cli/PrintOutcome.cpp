#include "cli/PrintOutcome.h"

#include "cli/Commands.h"

#include <iostream>

namespace arvento::cli {

int PrintOutcome(const Outcome<std::vector<std::string>>& outcome) {
  if (outcome.Refused()) {
    std::cerr << outcome.RefusalText() << "\n";
    return kExitRefused;
  }
  for (const std::string& line : outcome.Result())
    std::cout << line << "\n";
  return kExitOk;
}

} // namespace arvento::cli
