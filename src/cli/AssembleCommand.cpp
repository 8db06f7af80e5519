#include "cli/AccompanimentOptions.h"
#include "cli/Commands.h"
#include "cli/PrintOutcome.h"
#include "core/Error.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "project/Assembly.h"

#include <charconv>
#include <iostream>

namespace fs = std::filesystem;

namespace arvento::cli {

namespace {

// The volume maximum of the window, raised to the largest velocity.
constexpr int kVolumeMax = 127;

int Number(const std::string& text, int lo, int hi, const std::string& level) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lo || value > hi)
    throw UsageError(Tr("option --level takes CH=N with CH 1..16 and N 0..127, not %1", Quoted(level)));
  return value;
}

// The path of the assembled file is the command's one line of output.
Outcome<std::vector<std::string>> AssembledFileLine(const Outcome<project::AssemblyResult>& assembly) {
  if (assembly.Refused())
    return Refusal(assembly.RefusalText());
  return std::vector<std::string>{assembly.Result().assembledFile.string()};
}

int RunAssemble(const std::vector<std::string>& arguments) {
  std::set<std::string> options = kAccompanimentOptions;
  options.insert({"--level", "--tempo"});
  const Args args(arguments, options);
  project::AssemblySettings settings;
  settings.volumeMax = kVolumeMax;
  settings.tempo = args.Int("--tempo", 10, 100, 50);
  settings.accompaniment = ReadAccompanimentOptions(args);

  const std::string dirArgument = args.Single("PROJECTDIR");
  if (dirArgument.empty())
    throw UsageError(Tr("missing %1", "PROJECTDIR"));
  fs::path projectDir = fs::absolute(dirArgument).lexically_normal();
  if (!projectDir.has_filename())
    projectDir = projectDir.parent_path();
  if (!fs::is_directory(projectDir))
    throw Error(Tr("Нет папки проекта %1", Escaped(projectDir.string())));
  const std::string title = projectDir.filename().string();

  // Channels without a level take the volume their records give, as the
  // assembly page's sliders do when it opens.
  settings.levels = project::LevelsFromParts(project::ReadProjectParts(projectDir, title));
  for (const std::string& level : args.Values("--level")) {
    const std::size_t equals = level.find('=');
    if (equals == std::string::npos)
      Number("", 1, 0, level);
    const int channel = Number(level.substr(0, equals), 1, 16, level);
    settings.levels[static_cast<std::size_t>(channel - 1)] = Number(level.substr(equals + 1), 0, 127, level);
  }

  std::vector<std::string> notices;
  const Outcome<project::AssemblyResult> assembly =
      project::AssembleProject(projectDir, projectDir.parent_path() / "tmp", title, settings, &notices);
  for (const std::string& notice : notices)
    std::cerr << "arvento-cli assemble: " << notice << "\n";
  return PrintOutcome(AssembledFileLine(assembly));
}

} // namespace

const Command kAssembleCommand = {
    "assemble", TrLater("recompile a project's parts and join them into one file"),
    TrLater("Usage: arvento-cli assemble PROJECTDIR [--level CH=N ...] [--tempo N] [OPTIONS]\n"
            "Recompiles every part of the project directory from its record, with the level of\n"
            "its channel as the velocity of its notes, and joins all parts into one file named\n"
            "after the directory (PROJECTDIR/NAME.mid), as the window's assembly does.\n\n"
            "Options:\n"
            "  --level CH=N      level 0..127 of channel CH 1..16 (levels below 10 give 10);\n"
            "                    may be repeated [the volume in the channel's records]\n"
            "  --tempo N         tempo 10..100, the file's ticks per quarter note [50]\n"
            "%2"),
    RunAssemble};

} // namespace arvento::cli
