#pragma once

#include <filesystem>

namespace arvento::project {

// Refuses, naming it, a directory given where a file is to be read: opened as
// a stream, a directory reads as empty text or fails in the middle of a read.
void RefuseDirectory(const std::filesystem::path& file);

} // namespace arvento::project
