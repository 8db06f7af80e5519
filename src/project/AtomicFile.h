#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace arvento::project {

// Writes the bytes to a temporary name beside the file and renames it into
// place, so a failed write never destroys the file that was there.
// Throws arvento::Error naming the file.
void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// The whole file; throws arvento::Error naming the file when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file);

} // namespace arvento::project
