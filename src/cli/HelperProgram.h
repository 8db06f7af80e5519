#pragma once

// The commands that need a large library run in a program of their own, so
// that arvento-cli links only the C++ runtime and the text commands start at
// once.

#include <string>
#include <vector>

namespace arvento::cli {

// Replaces this process with the program named, which sits in the folder of
// helper programs (lib/arvento under the prefix), running the command with the arguments; the program
// inherits the standard streams and returns the exit status. Throws arvento::Error
// with the text `missing` (TrLater, %1 the program's path, %2 the reason) when
// it cannot be started.
[[noreturn]] void RunInHelperProgram(const char* program, const char* missing, const char* command,
                                     const std::vector<std::string>& arguments);

} // namespace arvento::cli
