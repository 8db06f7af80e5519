#pragma once

// A file held in memory, for the codec libraries' virtual I/O: libsndfile's
// and FFmpeg's adapters both read, write and seek through it. Header-only,
// since the AAC module links no library of the program.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace arvento::exporting {

struct MemoryFile {
  std::vector<std::uint8_t> bytes;
  std::int64_t at = 0;

  std::int64_t Size() const { return static_cast<std::int64_t>(bytes.size()); }

  // Up to count bytes from the position on; fewer, or 0, at the end.
  std::int64_t Read(void* to, std::int64_t count) {
    const std::int64_t read = std::clamp<std::int64_t>(Size() - at, 0, count);
    if (read > 0)
      std::memcpy(to, bytes.data() + at, static_cast<std::size_t>(read));
    at += read;
    return read;
  }

  // Writes over what is there and grows the file past its end.
  std::int64_t Write(const void* from, std::int64_t count) {
    const auto end = static_cast<std::size_t>(at + count);
    if (end > bytes.size())
      bytes.resize(end);
    std::memcpy(bytes.data() + at, from, static_cast<std::size_t>(count));
    at += count;
    return count;
  }

  // SEEK_SET, SEEK_CUR or SEEK_END; never before the start.
  std::int64_t Seek(std::int64_t offset, int whence) {
    const std::int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? at : Size();
    at = std::max<std::int64_t>(0, base + offset);
    return at;
  }
};

} // namespace arvento::exporting
