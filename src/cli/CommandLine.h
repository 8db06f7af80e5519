#pragma once

#include "cli/Commands.h"

#include <vector>

namespace arvento::cli {

// Runs the command named by the first argument among commands and returns the
// exit status. Every failure ends as a message on standard error and a
// non-zero status, never as an abort; output that did not reach standard
// output is such a failure too.
int RunCommandLine(const std::vector<const Command*>& commands, int argc, char** argv);

} // namespace arvento::cli
