#include "Assembly.h"

#include "AtomicFile.h"
#include "Error.h"
#include "MelodyCompiler.h"
#include "PartFiles.h"
#include "ProjectNames.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace arvento::project {

namespace {

// A part is a melody part when its base name holds the letter "m", as the
// names ch<c>v<v>m.mid do.
bool IsMelodyPart(const std::string& fileName) {
  return BaseName(fileName).find('m') != std::string::npos;
}

struct CompiledPart {
  ProjectPart part;
  std::vector<std::uint8_t> bytes;
};

} // namespace

std::vector<ProjectPart> ReadProjectParts(const fs::path& projectDir, const std::string& title) {
  std::vector<ProjectPart> parts;
  for (const std::string& fileName : ProjectMidiFiles(projectDir)) {
    // A title with a dot in it ("song.v2") names the assembled file by its
    // whole name, not by the text before the first dot.
    if (BaseName(fileName) == title || fileName == title + ".mid")
      continue;
    const fs::path record = RecordPathFor(projectDir / fileName);
    if (!fs::exists(record))
      throw Error("У партии " + fileName + " нет записи " + record.filename().string() +
                  ": без нее партию нельзя пересобрать.");
    parts.push_back({fileName, ReadPartRecord(record)});
    const bool melodyName = IsMelodyPart(fileName);
    if (melodyName != (parts.back().record.kind == PartKind::Melody))
      throw Error("Запись " + record.filename().string() + " хранит " + (melodyName ? "аккорды" : "мелодию") +
                  ", а имя файла " + fileName + " говорит о " + (melodyName ? "мелодии" : "аккордах") + ".");
  }
  return parts;
}

std::array<int, 16> LevelsFromParts(const std::vector<ProjectPart>& parts) {
  std::array<int, 16> levels{};
  for (const ProjectPart& part : parts)
    levels[static_cast<std::size_t>(part.record.channel - 1)] = part.record.volume;
  return levels;
}

AssemblyResult AssembleProject(const fs::path& projectDir, const fs::path& auditionDir,
                               const std::string& title, const AssemblySettings& settings) {
  AssemblyResult result;
  const std::vector<ProjectPart> parts = ReadProjectParts(projectDir, title);
  if (parts.empty()) {
    result.notice = kNoPartsNotice;
    return result;
  }
  for (const ProjectPart& part : parts)
    CheckPartFile(ReadFileBytes(projectDir / part.fileName), part.fileName);

  std::vector<CompiledPart> compiled;
  for (const ProjectPart& part : parts) {
    PartRecord record = part.record;
    const int level = settings.levels[static_cast<std::size_t>(record.channel - 1)];
    record.volume = std::clamp(level, 10, std::max(10, settings.volumeMax));
    SoundSettings sound{record.family,  record.instrument, record.channel,   record.voice,
                        settings.tempo, record.volume,     record.modulation};
    std::vector<std::uint8_t> bytes;
    try {
      if (record.kind == PartKind::Melody) {
        bytes = melody::CompileMelody(record.melodyLines, sound);
      } else {
        chords::AccompanimentResult details;
        bytes = chords::CompileAccompaniment(record.chordLines, settings.accompaniment, sound, &details);
        for (const std::string& skipped : details.skipped)
          result.skipped.push_back(part.fileName + ": " + skipped);
      }
    } catch (const Error& error) {
      throw Error("Партия " + part.fileName + ": " + error.what());
    }
    compiled.push_back({{part.fileName, std::move(record)}, std::move(bytes)});
  }

  std::vector<std::vector<std::uint8_t>> partFiles;
  for (const CompiledPart& part : compiled) {
    const fs::path file = projectDir / part.part.fileName;
    WritePartRecord(RecordPathFor(file), part.part.record);
    WriteFileAtomically(file, part.bytes);
    if (part.part.record.kind == PartKind::Accords) {
      std::error_code error;
      fs::create_directories(auditionDir, error);
      if (error)
        throw Error("Не удалось создать папку " + auditionDir.string() + ": " + error.message());
      WriteFileAtomically(auditionDir / part.part.fileName, part.bytes);
    }
    partFiles.push_back(part.bytes);
    result.parts.push_back(part.part);
  }
  result.assembledFile = projectDir / (title + ".mid");
  WriteFileAtomically(result.assembledFile, ConcatenatePartFiles(partFiles, settings.tempo));
  return result;
}

} // namespace arvento::project
