// The roll command as arvento-cli knows it: its help, and a run that
// replaces this process with arvento-cli-roll, which links Qt's painting.

#include "cli/Commands.h"
#include "cli/HelperCommandHelp.h"
#include "cli/HelperProgram.h"
#include "core/Translate.h"

namespace arvento::cli {

namespace {
int RunRoll(const std::vector<std::string>& arguments) {
  RunInHelperProgram("arvento-cli-roll", TrLater("the roll command is not installed: cannot start %1: %2"),
                     "roll", arguments);
}
} // namespace

const Command kRollInRollProgram = {"roll", kRollSummary, kRollHelp, RunRoll};

} // namespace arvento::cli
