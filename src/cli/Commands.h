#pragma once

#include <string>
#include <vector>

namespace arvento::cli {

// Exit statuses shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;  // the window would have shown an information message
constexpr int kExitBadInput = 2; // bad usage, bad input or a failed read or write: no file was changed

struct Command {
  const char* name;
  const char* summary; // one line for the program's help, translated where shown
  // The command's own help, shown by "COMMAND --help" in the user's language,
  // with the help of the sound options where it says %1 and that of the
  // accompaniment options where it says %2.
  const char* help;
  // Runs with the arguments after the command name. Throws UsageError for bad
  // usage and arvento::Error for bad input; both end with kExitBadInput.
  int (*run)(const std::vector<std::string>& arguments);
};

extern const Command kMelodyCommand;
extern const Command kDumpCommand;
extern const Command kPatternCommand;
extern const Command kRhythmCommand;
extern const Command kChordsCommand;
extern const Command kTonesCommand;
extern const Command kVoiceCommand;
extern const Command kConvertCommand;
extern const Command kOctaveCommand;
extern const Command kRtttlImportCommand;
extern const Command kRtttlExportCommand;
// The sound commands run in arvento-cli-sound, which links the synthesizer;
// arvento-cli holds stand-ins with the same help that start it.
extern const Command kPlayCommand;
extern const Command kRenderCommand;
extern const Command kExportCommand;
extern const Command kPlayInSoundProgram;
extern const Command kRenderInSoundProgram;
extern const Command kExportInSoundProgram;
extern const Command kAssembleCommand;
// The roll command runs in arvento-cli-roll, which links Qt's painting.
extern const Command kRollCommand;
extern const Command kRollInRollProgram;

} // namespace arvento::cli
