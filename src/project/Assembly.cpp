#include "project/Assembly.h"

#include "core/Error.h"
#include "core/Translate.h"
#include "melody/MelodyCompiler.h"
#include "project/AtomicFile.h"
#include "project/PartFiles.h"
#include "project/ProjectNames.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace arvento::project {

namespace {

// A part is a melody part when its base name holds the letter "m", as the
// names ch<c>v<v>m.mid do.
bool IsMelodyPart(const std::string& fileName) {
  return BaseName(fileName).find('m') != std::string::npos;
}

// A file that cannot be read is no multi-track file: it is a part or a
// stray, and its record decides which.
bool IsLeftOut(const fs::path& file) {
  try {
    return IsMultiTrackFile(ReadFileBytes(file));
  } catch (const Error&) {
    return false;
  }
}

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

std::vector<ProjectPart> ReadProjectParts(const fs::path& projectDir, const std::string& title,
                                          std::vector<std::string>* leftOut) {
  std::vector<ProjectPart> parts;
  for (const std::string& fileName : ProjectMidiFiles(projectDir)) {
    // A title with a dot in it ("song.v2") names the assembled file by its
    // whole name, not by the text before the first dot.
    if (BaseName(fileName) == title || fileName == title + ".mid")
      continue;
    // The assembled file of a project whose directory was renamed still has
    // its old name; it is joined into nothing and never overwritten.
    if (IsLeftOut(projectDir / fileName)) {
      if (leftOut)
        leftOut->push_back(
            Tr("Файл %1 не вошел в сборку: в нем больше двух дорожек, это не партия.", fileName));
      continue;
    }
    const fs::path record = RecordPathFor(projectDir / fileName);
    if (!fs::exists(record))
      throw Error(Tr("У партии %1 нет записи %2: без нее партию нельзя пересобрать.", fileName,
                     record.filename().string()));
    parts.push_back({fileName, ReadPartRecord(record)});
    const bool melodyName = IsMelodyPart(fileName);
    if (melodyName != (parts.back().record.kind == PartKind::Melody)) {
      const char* mismatch = melodyName
                                 ? TrLater("Запись %1 хранит аккорды, а имя файла %2 говорит о мелодии.")
                                 : TrLater("Запись %1 хранит мелодию, а имя файла %2 говорит о аккордах.");
      throw Error(Tr(mismatch, record.filename().string(), fileName));
    }
  }
  return parts;
}

std::array<int, 16> LevelsFromParts(const std::vector<ProjectPart>& parts) {
  std::array<int, 16> levels{};
  for (const ProjectPart& part : parts)
    levels[static_cast<std::size_t>(part.record.channel - 1)] = part.record.volume;
  return levels;
}

Outcome<AssemblyResult> AssembleProject(const fs::path& projectDir, const fs::path& auditionDir,
                                        const std::string& title, const AssemblySettings& settings,
                                        std::vector<std::string>* notices) {
  const std::vector<ProjectPart> parts = ReadProjectParts(projectDir, title, notices);
  if (parts.empty())
    return Refusal(Tr(kNoPartsNotice));
  AssemblyResult result;

  // The old part files are not read: every part is rebuilt from its record.
  std::vector<std::vector<std::uint8_t>> partFiles;
  for (const ProjectPart& part : parts) {
    PartRecord record = part.record;
    const int level = settings.levels[static_cast<std::size_t>(record.channel - 1)];
    record.volume = std::clamp(level, 10, std::max(10, settings.volumeMax));
    SoundSettings sound{record.family,  record.instrument, record.channel,   record.voice,
                        settings.tempo, record.volume,     record.modulation};
    try {
      if (record.kind == PartKind::Melody) {
        partFiles.push_back(melody::CompileMelody(record.melodyLines, sound));
      } else {
        std::vector<std::string> skipped;
        partFiles.push_back(
            chords::CompileAccompaniment(record.chordLines, settings.accompaniment, sound, skipped));
        if (notices) {
          for (const std::string& message : skipped)
            notices->push_back(part.fileName + ": " + message);
        }
      }
    } catch (const Error& error) {
      throw Error(Tr("Партия %1: %2", part.fileName, error.what()));
    }
    result.parts.push_back({part.fileName, std::move(record)});
  }
  result.assembledFile = projectDir / (title + ".mid");
  const std::vector<std::uint8_t> assembled = ConcatenatePartFiles(partFiles, settings.tempo);

  // Each record before its part file, the audition copy of a chord part after
  // it, the assembled file last; all are written before any is renamed.
  std::vector<std::string> records;
  for (const ProjectPart& part : result.parts)
    records.push_back(FormatPartRecord(part.record));
  std::vector<PendingFile> files;
  for (std::size_t i = 0; i < result.parts.size(); ++i) {
    const fs::path file = projectDir / result.parts[i].fileName;
    files.push_back({RecordPathFor(file), Bytes(records[i])});
    files.push_back({file, partFiles[i]});
    if (result.parts[i].record.kind == PartKind::Accompaniment) {
      std::error_code error;
      fs::create_directories(auditionDir, error);
      if (error)
        throw Error(Tr("Не удалось создать папку %1: %2", auditionDir.string(), error.message()));
      files.push_back({auditionDir / result.parts[i].fileName, partFiles[i]});
    }
  }
  files.push_back({result.assembledFile, assembled});
  WriteFilesAtomically(files);
  return result;
}

} // namespace arvento::project
