#pragma once

#include "Args.h"
#include "SoundSettings.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace arvento::cli {

// The lines of a text file, or of standard input for "-". Accepts CR LF and
// LF line ends. Throws arvento::Error naming the file when it cannot be read
// or is a directory.
std::vector<std::string> ReadInputLines(const std::string& file);

// Writes the bytes to OUT through a temporary name, so an OUT that existed
// before stays whole when anything fails.
void WriteOutputFile(const std::string& file, const std::vector<std::uint8_t>& bytes);

// The sound options shared by the compiling commands, with the window's start
// values as defaults: --family --instrument --channel --voice --tempo
// --volume --modulation.
extern const std::set<std::string> kSoundOptions;
SoundSettings ReadSoundOptions(const Args& args);

// The help lines that describe the sound options.
extern const char* const kSoundOptionsHelp;

// The output file of "-o OUT.mid"; refuses a command without it.
std::string OutputOption(const Args& args);

} // namespace arvento::cli
