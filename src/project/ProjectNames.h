#pragma once

#include <filesystem>
#include <string>

namespace arvento::project {

// Role letters of part file names.
constexpr char kMelodyRole = 'm';
constexpr char kAccompanimentRole = 'a';

// "ch" + channel + "v" + voice + role + ".mid", numbers without leading zeros:
// channel 3, voice 12, melody gives ch3v12m.mid.
std::string PartFileName(int channel, int voice, char role);

// The part record beside a part file: the same path with the extension "txt".
std::filesystem::path RecordPathFor(const std::filesystem::path& partFile);

// A project name becomes a directory under the start directory: refuses, with a
// message that says why, a name that is only blanks, holds a path separator or
// a character that file names cannot hold, or is "." or "..".
void CheckProjectName(const std::string& name);

} // namespace arvento::project
