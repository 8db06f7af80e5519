// The sound commands as arvento-cli knows them: their help, and a run that
// replaces this process with arvento-cli-sound, which sits beside it. The
// sound program inherits the standard streams and returns the exit status.

#include "cli/Commands.h"
#include "cli/SoundCommandHelp.h"
#include "core/Error.h"
#include "core/Quote.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace arvento::cli {

namespace {

constexpr const char* kSoundProgram = "arvento-cli-sound";

int RunInSoundProgram(const char* command, const std::vector<std::string>& arguments) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::string path = (self.parent_path() / kSoundProgram).string();
  std::vector<std::string> words = {"arvento-cli", command};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  execv(path.c_str(), argv.data());
  throw Error("the sound commands are not installed: cannot start " + Escaped(path) + ": " +
              std::strerror(errno));
}

int RunPlay(const std::vector<std::string>& arguments) {
  return RunInSoundProgram("play", arguments);
}

int RunRender(const std::vector<std::string>& arguments) {
  return RunInSoundProgram("render", arguments);
}

int RunExport(const std::vector<std::string>& arguments) {
  return RunInSoundProgram("export", arguments);
}

} // namespace

const Command kPlayInSoundProgram = {"play", kPlaySummary, kPlayHelp, RunPlay};
const Command kRenderInSoundProgram = {"render", kRenderSummary, kRenderHelp, RunRender};
const Command kExportInSoundProgram = {"export", kExportSummary, kExportHelp, RunExport};

} // namespace arvento::cli
