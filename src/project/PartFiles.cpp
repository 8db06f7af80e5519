#include "project/PartFiles.h"

#include "core/Error.h"
#include "core/LetterCase.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "midi/PartFile.h"
#include "midi/SmfReader.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace arvento::project {

namespace {
bool IsMidFile(const fs::directory_entry& entry) {
  std::error_code ignored;
  return entry.is_regular_file(ignored) && Lower(entry.path().extension().string()) == ".mid";
}
} // namespace

std::vector<std::string> ProjectMidiFiles(const fs::path& dir) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    if (IsMidFile(*it))
      names.push_back(it->path().filename().string());
  }
  if (error)
    throw Error(Tr("Не удалось прочитать папку %1: %2", dir.string(), error.message()));
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = Lower(a), lb = Lower(b);
    return la != lb ? la < lb : a < b;
  });
  return names;
}

std::string BaseName(const std::string& fileName) {
  return fileName.substr(0, fileName.find('.'));
}

bool IsMultiTrackFile(std::span<const std::uint8_t> bytes) {
  try {
    return midi::ReadSmf(bytes).tracks.size() > 2;
  } catch (const Error&) {
    return false;
  }
}

std::vector<std::uint8_t> ConcatenatePartFiles(const std::vector<std::vector<std::uint8_t>>& partFiles,
                                               int tempo) {
  if (partFiles.empty())
    throw Error(Tr("В проекте нет ни одной партии."));
  if (partFiles.size() + 1 > 0xFFFF)
    throw Error(Tr("Слишком много партий в проекте: %1.", partFiles.size()));
  std::vector<std::uint8_t> joined = partFiles.front();
  // Both bytes of the track count, so that any number of parts fits.
  const std::size_t tracks = partFiles.size() + 1;
  joined[10] = static_cast<std::uint8_t>(tracks >> 8);
  joined[11] = static_cast<std::uint8_t>(tracks & 0xFF);
  joined[13] = static_cast<std::uint8_t>(tempo & 0xFF);
  for (std::size_t i = 1; i < partFiles.size(); ++i) {
    const std::vector<std::uint8_t>& part = partFiles[i];
    joined.insert(joined.end(), part.begin() + static_cast<std::ptrdiff_t>(midi::kPartTrackOffset),
                  part.end());
  }
  return joined;
}

} // namespace arvento::project
