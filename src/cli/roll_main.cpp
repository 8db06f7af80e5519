// arvento-cli-roll: the roll command of arvento-cli, which starts this
// program to run it. It links Qt's painting.

#include "cli/CliLanguage.h"
#include "cli/CommandLine.h"

int main(int argc, char** argv) {
  using namespace arvento::cli;
  SpeakUsersLanguage();
  return RunCommandLine({&kRollCommand}, argc, argv);
}
