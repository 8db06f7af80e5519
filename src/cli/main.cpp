// arvento-cli: the batch front of Arvento. It compiles texts to part files,
// voices chords, generates parts and assembles projects from the shell. It
// links no sound library and no Qt, so that these commands start at once;
// play, render and export run in arvento-cli-sound, roll in arvento-cli-roll.

#include "cli/CliLanguage.h"
#include "cli/CommandLine.h"

int main(int argc, char** argv) {
  using namespace arvento::cli;
  SpeakUsersLanguage();
  return RunCommandLine({&kMelodyCommand, &kDumpCommand, &kPatternCommand, &kRhythmCommand, &kChordsCommand,
                         &kTonesCommand, &kVoiceCommand, &kConvertCommand, &kOctaveCommand,
                         &kRtttlImportCommand, &kRtttlExportCommand, &kPlayInSoundProgram,
                         &kRenderInSoundProgram, &kExportInSoundProgram, &kAssembleCommand,
                         &kRollInRollProgram},
                        argc, argv);
}
