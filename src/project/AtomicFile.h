#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace arvento::project {

struct PendingFile {
  std::filesystem::path file;
  std::span<const std::uint8_t> bytes;
};

// Writes every file under a temporary name beside it (".NAME.tmpPID") and
// only when all of them are written renames them into place, in order, so a
// failed write leaves every file as it was. A symbolic link is written through
// to the file it names; a character device or a pipe is written directly,
// after the temporaries. A later entry for the same file replaces an earlier
// one. Temporaries that killed runs left beside a file are removed when that
// file is written, unless their process still runs.
// Throws arvento::Error naming the file.
void WriteFilesAtomically(std::span<const PendingFile> files);

void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// The whole file; throws arvento::Error naming the file when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file);

} // namespace arvento::project
