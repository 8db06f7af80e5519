#include "AtomicFile.h"

#include "Error.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace arvento::project {

namespace {
std::string Reason() {
  return std::strerror(errno);
}
} // namespace

void WriteFileAtomically(const fs::path& file, std::span<const std::uint8_t> bytes) {
  std::string temporaryName = ".";
  temporaryName += file.filename().string();
  temporaryName += ".tmp" + std::to_string(getpid());
  const fs::path temporary = file.parent_path() / temporaryName;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
      throw Error("Не удалось записать файл " + file.string() + ": " + Reason());
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      const std::string reason = Reason();
      std::error_code ignored;
      fs::remove(temporary, ignored);
      throw Error("Не удалось записать файл " + file.string() + ": " + reason);
    }
  }
  std::error_code error;
  fs::rename(temporary, file, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw Error("Не удалось записать файл " + file.string() + ": " + error.message());
  }
}

void WriteFileAtomically(const fs::path& file, std::string_view bytes) {
  WriteFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

std::vector<std::uint8_t> ReadFileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in)
    throw Error("Не удалось прочитать файл " + file.string() + ": " + Reason());
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad())
    throw Error("Не удалось прочитать файл " + file.string() + ": " + Reason());
  return bytes;
}

} // namespace arvento::project
