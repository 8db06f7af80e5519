#include "project/AtomicFile.h"

#include "core/Error.h"
#include "core/Translate.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace arvento::project {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

std::string Failure(const fs::path& file, const std::string& reason) {
  return Tr("Не удалось записать файл %1: %2", file.string(), reason);
}

std::string Reason() {
  return std::strerror(errno);
}

// The file a chain of symbolic links finally names; it need not exist yet.
fs::path LinkTarget(const fs::path& file) {
  fs::path target = file;
  for (int links = 0;; ++links) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(target, error)))
      return target;
    if (links == kMaxLinks)
      throw Error(Failure(file, std::strerror(ELOOP)));
    const fs::path next = fs::read_symlink(target, error);
    if (error)
      throw Error(Failure(file, error.message()));
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
}

// True for a file written in place: a device or a pipe cannot be replaced by
// a renamed file without losing what it is.
bool WrittenDirectly(const fs::path& file, const fs::path& target) {
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  switch (status.type()) {
    case fs::file_type::not_found:
    case fs::file_type::regular:
      return false;
    case fs::file_type::character:
    case fs::file_type::fifo:
      return true;
    case fs::file_type::directory:
      throw Error(Failure(file, std::strerror(EISDIR)));
    case fs::file_type::none:
    case fs::file_type::unknown:
      throw Error(Failure(file, error.message()));
    default:
      throw Error(Failure(file, Tr("это не обычный файл, не устройство и не канал")));
  }
}

// Appended piece by piece: "." + string trips GCC 12's false -Wrestrict
// warning (GCC bug 105329) in optimised builds.
std::string TemporaryPrefix(const fs::path& target) {
  std::string prefix = ".";
  prefix += target.filename().string();
  prefix += ".tmp";
  return prefix;
}

fs::path TemporaryFor(const fs::path& target) {
  return target.parent_path() / (TemporaryPrefix(target) + std::to_string(getpid()));
}

bool ProcessRuns(pid_t pid) {
  return kill(pid, 0) == 0 || errno != ESRCH;
}

// A run killed between writing its temporary and renaming it leaves the
// temporary behind; the next write of the same file removes it once the
// process that wrote it no longer runs.
void RemoveStaleTemporaries(const fs::path& target) {
  const std::string prefix = TemporaryPrefix(target);
  const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  std::vector<fs::path> stale;
  std::error_code error;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(prefix))
      continue;
    pid_t pid = 0;
    const char* digits = name.data() + prefix.size();
    const char* last = name.data() + name.size();
    const auto [stop, problem] = std::from_chars(digits, last, pid);
    std::error_code ignored;
    if (problem == std::errc() && stop == last && pid > 0 && !ProcessRuns(pid) &&
        it->is_regular_file(ignored))
      stale.push_back(it->path());
  }
  for (const fs::path& file : stale) {
    std::error_code ignored;
    fs::remove(file, ignored);
  }
}

void WriteBytes(const fs::path& file, const fs::path& written, std::span<const std::uint8_t> bytes) {
  std::ofstream out(written, std::ios::binary | std::ios::trunc);
  if (!out)
    throw Error(Failure(file, Reason()));
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out)
    throw Error(Failure(file, Reason()));
}

// Two spellings of one file ("tmp/x" and "song/../tmp/x") share one temporary.
bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code errorA, errorB;
  const fs::path canonicalA = fs::weakly_canonical(a, errorA), canonicalB = fs::weakly_canonical(b, errorB);
  return errorA || errorB ? a == b : canonicalA == canonicalB;
}

struct Staged {
  fs::path file;      // as the caller named it
  fs::path target;    // the file it names through any links
  fs::path temporary; // empty for a file written directly
  std::span<const std::uint8_t> bytes;
};

Staged Stage(const PendingFile& pending) {
  Staged staged{pending.file, LinkTarget(pending.file), {}, pending.bytes};
  if (WrittenDirectly(pending.file, staged.target))
    return staged;
  RemoveStaleTemporaries(staged.target);
  staged.temporary = TemporaryFor(staged.target);
  try {
    WriteBytes(pending.file, staged.temporary, pending.bytes);
  } catch (const Error&) {
    std::error_code ignored;
    fs::remove(staged.temporary, ignored);
    throw;
  }
  return staged;
}

void Place(const Staged& staged) {
  if (staged.temporary.empty()) {
    WriteBytes(staged.file, staged.target, staged.bytes);
    return;
  }
  std::error_code error;
  fs::rename(staged.temporary, staged.target, error);
  if (error)
    throw Error(Failure(staged.file, error.message()));
}

} // namespace

void WriteFilesAtomically(std::span<const PendingFile> files) {
  std::vector<Staged> staged;
  try {
    for (const PendingFile& pending : files) {
      Staged next = Stage(pending);
      const auto same = std::find_if(staged.begin(), staged.end(), [&](const Staged& earlier) {
        return SameFile(earlier.target, next.target);
      });
      if (same == staged.end())
        staged.push_back(std::move(next));
      else
        *same = std::move(next);
    }
    for (const Staged& file : staged)
      Place(file);
  } catch (...) {
    // Renamed temporaries are gone already; the others must not stay behind.
    for (const Staged& file : staged) {
      std::error_code ignored;
      if (!file.temporary.empty())
        fs::remove(file.temporary, ignored);
    }
    throw;
  }
}

void WriteFileAtomically(const fs::path& file, std::span<const std::uint8_t> bytes) {
  const PendingFile pending{file, bytes};
  WriteFilesAtomically(std::span(&pending, 1));
}

void WriteFileAtomically(const fs::path& file, std::string_view bytes) {
  WriteFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

std::vector<std::uint8_t> ReadFileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in)
    throw Error(Tr("Не удалось прочитать файл %1: %2", file.string(), Reason()));
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad())
    throw Error(Tr("Не удалось прочитать файл %1: %2", file.string(), Reason()));
  return bytes;
}

} // namespace arvento::project
