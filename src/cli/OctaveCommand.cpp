#include "cli/CliIo.h"
#include "cli/Commands.h"
#include "cli/PrintOutcome.h"
#include "core/Translate.h"
#include "melody/OctaveShift.h"

namespace arvento::cli {

namespace {
int RunOctave(const std::vector<std::string>& arguments) {
  const Args args(arguments, {});
  const std::vector<std::string>& positional = args.Positional();
  if (positional.size() != 2 || (positional[0] != "up" && positional[0] != "down"))
    throw UsageError(Tr("expected up or down, then FILE"));
  return PrintOutcome(
      melody::ShiftMelodyOctave(ReadInputLines(positional[1]), positional[0] == "up" ? 1 : -1));
}
} // namespace

const Command kOctaveCommand = {
    "octave", TrLater("move RTTTL-E melody text up or down by one octave"),
    TrLater("Usage: arvento-cli octave up|down FILE\n"
            "Prints the RTTTL-E text of FILE (\"-\" for standard input) one octave higher or lower:\n"
            "the octave that ends each note token before its comma changes, rests stay, lines\n"
            "without a comma or with \"//\" are printed unchanged.\n\n"
            "The shift is done whole or not at all. When a token before a comma does not end in\n"
            "a note name and octave, or a note would leave c1..g11, nothing is printed, the reason\n"
            "goes to standard error and the exit status is 1.\n"),
    RunOctave};

} // namespace arvento::cli
