#include "cli/CliIo.h"
#include "cli/Commands.h"
#include "cli/PrintOutcome.h"
#include "core/Translate.h"
#include "generators/PatternGenerator.h"

namespace arvento::cli {

namespace {
int RunPattern(const std::vector<std::string>& arguments) {
  const Args args(arguments, {"--chords", "--metre", "--length"}, {"--drums"});
  const std::optional<std::string> chords = args.Value("--chords");
  if (!chords || chords->empty())
    throw UsageError(Tr("missing %1", "--chords FILE"));
  const int barCells = args.Choice("--metre", {"4/4", "3/4"}, "4/4") == "4/4" ? 8 : 6;
  const std::string noteLength = args.Choice("--length", {"4", "8", "16"}, "8");
  const generators::PartMode mode =
      args.Has("--drums") ? generators::PartMode::Drums : generators::PartMode::BassOrPicking;
  const std::string pattern = args.Single("PATTERN LINE");
  return PrintOutcome(
      generators::GeneratePatternPart(ReadInputLines(*chords), pattern, mode, barCells, noteLength));
}

} // namespace

const Command kPatternCommand = {
    "pattern", TrLater("move a bass, picking or drum figure onto every chord"),
    TrLater("Usage: arvento-cli pattern --chords FILE [--drums] [--metre 4/4|3/4] [--length 4|8|16] 'PATTERN "
            "LINE'\n"
            "Moves a figure recorded over A minor onto every chord item of FILE (\"-\" for standard\n"
            "input) and prints the melody lines, one per chord item. PATTERN LINE is RTTTL-E text\n"
            "such as '8a5, 8c6, 8e6, 8c6, '.\n\n"
            "Options:\n"
            "  --chords FILE   the chord record, chord items such as 4(Am), 2*4(G), 2.(C7)\n"
            "  --drums         repeat the figure unchanged for every chord (drum part)\n"
            "  --metre M       4/4 or 3/4: a final rest of the figure fills its last bar [4/4]\n"
            "  --length L      the grid's note length 4, 8 or 16, used for that rest [8]\n\n"
            "Exit status 1, with the program's message on standard error and no lines, when\n"
            "there are no chords or the figure or a chord item cannot be used.\n"),
    RunPattern};

} // namespace arvento::cli
