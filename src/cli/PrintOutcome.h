#pragma once

#include "core/Outcome.h"

#include <string>
#include <vector>

namespace arvento::cli {

// The lines on standard output, one each, with exit status 0; or, where the
// window would show a message instead, the refusal on standard error, no
// lines and exit status 1.
int PrintOutcome(const Outcome<std::vector<std::string>>& outcome);

} // namespace arvento::cli
