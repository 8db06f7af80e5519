#pragma once

// Assembly: every part of a project recompiled from its record with its
// channel's level as velocity, then all part files joined into one
// multi-track file named after the project.

#include "chords/AccompanimentCompiler.h"
#include "core/Outcome.h"
#include "core/Translate.h"
#include "project/PartRecord.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace arvento::project {

// The refusal of a project without parts: there is nothing to assemble.
inline constexpr const char* kNoPartsNotice =
    TrLater("В проекте нет ни одной партии. Сохраните хотя бы одну партию и повторите сборку.");

struct ProjectPart {
  std::string fileName; // the part file, in the project directory
  PartRecord record;
};

// The parts of a project in list order (alphabetical without regard to case),
// each with its record. The assembled file (base name equal to the project
// title) is left out, and so is any file of more than two tracks, which is
// told in leftOut. Throws arvento::Error naming a part file that has no
// record or whose record does not read, before anything is changed.
std::vector<ProjectPart> ReadProjectParts(const std::filesystem::path& projectDir, const std::string& title,
                                          std::vector<std::string>* leftOut = nullptr);

// The level of each channel 1..16 as the records set it: the volume of the
// last part on that channel, 0 for channels without a part.
std::array<int, 16> LevelsFromParts(const std::vector<ProjectPart>& parts);

struct AssemblySettings {
  std::array<int, 16> levels{}; // velocity of channels 1..16
  int volumeMax = 100;          // levels are kept within 10..volumeMax, as the volume slider keeps them
  int tempo = 50;               // division of the assembled file and of every recompiled part
  chords::AccompanimentSettings accompaniment;
};

struct AssemblyResult {
  std::filesystem::path assembledFile;
  std::vector<ProjectPart> parts; // as rewritten, in list order
};

// Reads every record, recompiles every part from its record in memory, and
// only then rewrites the part files, their records, the audition copies of
// the chord parts and the assembled file, all under temporary names first.
// A failure before the renames leaves the project as it was, old assembled
// file included. Refuses with kNoPartsNotice when the project has no part.
// The files left out of the assembly, then the chord items that the
// accompaniment compile skipped, are added to notices, refused or not.
Outcome<AssemblyResult> AssembleProject(const std::filesystem::path& projectDir,
                                        const std::filesystem::path& auditionDir, const std::string& title,
                                        const AssemblySettings& settings,
                                        std::vector<std::string>* notices = nullptr);

} // namespace arvento::project
