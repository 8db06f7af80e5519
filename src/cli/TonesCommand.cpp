#include "chords/ChordSymbol.h"
#include "cli/Args.h"
#include "cli/Commands.h"
#include "core/LetterCase.h"
#include "core/Translate.h"

#include <iostream>

namespace arvento::cli {

namespace {
int RunTones(const std::vector<std::string>& arguments) {
  const Args args(arguments, {});
  std::string symbol = args.Single("SYMBOL");
  // The compiler raises the first character of every symbol before reading it.
  if (!symbol.empty())
    symbol.front() = UpperLetter(symbol.front());
  std::cout << chords::ChordToneNames(symbol) << "\n";
  return kExitOk;
}
} // namespace

const Command kTonesCommand = {
    "tones", TrLater("print the tones of a chord symbol"),
    TrLater("Usage: arvento-cli tones SYMBOL\n"
            "Prints the tones of a chord symbol joined by \"-\": root, third, fifth, then the\n"
            "extensions. \"arvento-cli tones Am7\" prints A-C-E-G. Note names are German:\n"
            "B is B-flat, H is B natural.\n"),
    RunTones};

} // namespace arvento::cli
