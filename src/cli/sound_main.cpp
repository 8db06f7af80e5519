// arvento-cli-sound: the sound commands of arvento-cli, which starts this
// program to run them. It links the synthesizer and the sound devices.

#include "cli/CliLanguage.h"
#include "cli/CommandLine.h"

int main(int argc, char** argv) {
  using namespace arvento::cli;
  SpeakUsersLanguage();
  return RunCommandLine({&kPlayCommand, &kRenderCommand, &kExportCommand}, argc, argv);
}
