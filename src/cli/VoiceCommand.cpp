#include "chords/ChordItem.h"
#include "chords/ChordVoicing.h"
#include "cli/Args.h"
#include "cli/Commands.h"
#include "core/Translate.h"

#include <algorithm>
#include <iostream>

namespace arvento::cli {

namespace {
int RunVoice(const std::vector<std::string>& arguments) {
  const Args args(arguments, {"--style"});
  const bool guitar = args.Choice("--style", {"guitar", "piano"}, "guitar") == "guitar";
  // Read the item as a chord line is read: blanks dropped, up to its comma.
  std::string item = args.Single("ITEM");
  item.erase(std::remove(item.begin(), item.end(), ' '), item.end());
  item = item.substr(0, item.find(','));
  const chords::ChordItemParts parts = chords::SplitChordItem(item);
  std::cout << chords::VoiceChord(parts.duration, parts.symbol, guitar) << "\n";
  return kExitOk;
}
} // namespace

const Command kVoiceCommand = {
    "voice", TrLater("print the voiced chord text of one chord item"),
    TrLater("Usage: arvento-cli voice [--style guitar|piano] ITEM\n"
            "Prints the voiced chord text of one chord item: the duration and the first note,\n"
            "then every further note with duration 0. \"arvento-cli voice --style piano 4(C)\"\n"
            "prints \"4C4, 0E4, 0G4, \". A stagger (A3:) or repeat factor (2*) in the item is\n"
            "accepted and does not change the voicing.\n\n"
            "Options:\n"
            "  --style S  guitar or piano voicing [guitar]\n"),
    RunVoice};

} // namespace arvento::cli
