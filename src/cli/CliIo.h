#pragma once

#include "cli/Args.h"
#include "core/SoundSettings.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace arvento::cli {

// The whole text of a file, or of standard input for "-". Throws
// arvento::Error naming the file when it cannot be read or is a directory.
std::string ReadInputText(const std::string& file);

// An empty buffer with room for capacity bytes, whose pages are all made at
// once, as ReadInputText's are for a regular file: a large melody's pages
// taken one fault at a time cost more than compiling it.
std::vector<std::uint8_t> ReadyBytes(std::size_t capacity);

// The lines of ReadInputText, cut by TextLines: CR LF and LF line ends.
std::vector<std::string> ReadInputLines(const std::string& file);

// Writes the bytes to OUT through a temporary name, so an OUT that existed
// before stays whole when anything fails; "-" writes them to standard output.
void WriteOutputFile(const std::string& file, const std::vector<std::uint8_t>& bytes);

// Refuses an output that is the input file itself, under any name or link,
// before anything is read or written.
void CheckOutputIsNotInput(const std::string& input, const std::string& output);

// The sound options shared by the compiling commands, with the window's start
// values as defaults: --family --instrument --channel --voice --tempo
// --volume --modulation.
extern const std::set<std::string> kSoundOptions;
SoundSettings ReadSoundOptions(const Args& args);

// The help lines that describe the sound options, in the user's language.
std::string SoundOptionsHelp();

// The output file of "-o OUT.mid" ("-" for standard output); refuses a
// command without it.
std::string OutputOption(const Args& args);

} // namespace arvento::cli
