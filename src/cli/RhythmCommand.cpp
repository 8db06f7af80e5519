#include "cli/CliIo.h"
#include "cli/Commands.h"
#include "cli/PrintOutcome.h"
#include "core/Translate.h"
#include "generators/RhythmGenerator.h"

#include <algorithm>
#include <sstream>

namespace arvento::cli {

namespace {
// The keys as the grid's sorted run list holds them, ending with the
// end-of-row mark, which is added when the keys do not end with one.
std::vector<std::string> RunList(const std::vector<std::string>& positional) {
  std::vector<std::string> keys;
  for (const std::string& argument : positional) {
    std::istringstream words(argument);
    std::string key;
    while (words >> key)
      keys.push_back(key);
  }
  if (keys.empty())
    throw UsageError(Tr("missing %1", "RUN KEYS"));
  std::sort(keys.begin(), keys.end());
  if (keys.back().back() != '%')
    keys.push_back(keys.back() + "%");
  return keys;
}

int RunRhythm(const std::vector<std::string>& arguments) {
  const Args args(arguments, {"--chords", "--metre", "--length"});
  const std::optional<std::string> chords = args.Value("--chords");
  if (!chords || chords->empty())
    throw UsageError(Tr("missing %1", "--chords FILE"));
  const int barCells = args.Choice("--metre", {"4/4", "3/4"}, "4/4") == "4/4" ? 8 : 6;
  const std::string noteLength = args.Choice("--length", {"4", "8", "16"}, "8");
  const std::vector<std::string> keys = RunList(args.Positional());
  return PrintOutcome(generators::GenerateRhythm(keys, ReadInputLines(*chords), barCells, noteLength));
}

} // namespace

const Command kRhythmCommand = {
    "rhythm", TrLater("re-strike the chords in a rhythm drawn on the pattern grid"),
    TrLater("Usage: arvento-cli rhythm --chords FILE [--metre 4/4|3/4] [--length 4|8|16] 'RUN KEYS'\n"
            "Re-strikes every chord item of FILE (\"-\" for standard input) in a rhythm drawn on\n"
            "the pattern grid and prints the chord lines, one per chord item. RUN KEYS are the\n"
            "runs of the grid's row, separated by blanks, such as '101,2 103,1p 104,1 105,28p':\n"
            "row digit, first column as two digits, a comma, the length in columns, and \"p\" for\n"
            "a gap. The end-of-row mark (the last key with \"%\") is added when it is missing.\n\n"
            "Options:\n"
            "  --chords FILE   the chord record, chord items such as 4(Am), 2*4(G), 2.(C7)\n"
            "  --metre M       4/4 or 3/4: a final gap fills the rhythm's last bar [4/4]\n"
            "  --length L      the grid's note length 4, 8 or 16 [8]\n\n"
            "On success only the lines are printed; the window's notice that the rhythm was\n"
            "written to the chord page is not. Exit status 1, with the program's message on\n"
            "standard error and no lines, when there are no chords, an arpeggio mark, no bar\n"
            "in the row or a chord item that cannot be used; 2 for keys that are not run keys.\n"),
    RunRhythm};

} // namespace arvento::cli
