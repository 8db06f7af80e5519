#pragma once

// The part files of a project directory and their joining into one
// multi-track file.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace arvento::project {

// The names of the ".mid" files of a directory, sorted alphabetically without
// regard to case, so ch10v1a.mid comes before ch1v1a.mid.
std::vector<std::string> ProjectMidiFiles(const std::filesystem::path& dir);

// The text before the first "." of a file name.
std::string BaseName(const std::string& fileName);

// True for a well-formed Standard MIDI File of more than two tracks, such as
// an assembled file: it is not a part file.
bool IsMultiTrackFile(std::span<const std::uint8_t> bytes);

// The first part file whole, with its track count set to one more than the
// number of files and its division set to the tempo, then the part track
// chunk (from offset 41) of every further file, in order.
std::vector<std::uint8_t> ConcatenatePartFiles(const std::vector<std::vector<std::uint8_t>>& partFiles,
                                               int tempo);

} // namespace arvento::project
