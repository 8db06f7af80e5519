// The sound commands as arvento-cli knows them: their help, and a run that
// replaces this process with arvento-cli-sound, which links the synthesizer.

#include "cli/Commands.h"
#include "cli/HelperCommandHelp.h"
#include "cli/HelperProgram.h"
#include "core/Translate.h"

namespace arvento::cli {

namespace {

constexpr const char* kSoundProgram = "arvento-cli-sound";
constexpr const char* kSoundCommandsMissing =
    TrLater("the sound commands are not installed: cannot start %1: %2");

int RunPlay(const std::vector<std::string>& arguments) {
  RunInHelperProgram(kSoundProgram, kSoundCommandsMissing, "play", arguments);
}

int RunRender(const std::vector<std::string>& arguments) {
  RunInHelperProgram(kSoundProgram, kSoundCommandsMissing, "render", arguments);
}

int RunExport(const std::vector<std::string>& arguments) {
  RunInHelperProgram(kSoundProgram, kSoundCommandsMissing, "export", arguments);
}

} // namespace

const Command kPlayInSoundProgram = {"play", kPlaySummary, kPlayHelp, RunPlay};
const Command kRenderInSoundProgram = {"render", kRenderSummary, kRenderHelp, RunRender};
const Command kExportInSoundProgram = {"export", kExportSummary, kExportHelp, RunExport};

} // namespace arvento::cli
