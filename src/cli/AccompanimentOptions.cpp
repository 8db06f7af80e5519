#include "cli/AccompanimentOptions.h"

#include "core/Translate.h"

namespace arvento::cli {

const std::set<std::string> kAccompanimentOptions = {"--style", "--arpeggio", "--octave-shift"};

std::string AccompanimentOptionsHelp() {
  return Tr("  --style S         guitar or piano voicing [guitar]\n"
            "  --arpeggio N      ticks between the tones of a chord, 1..20; 0 strikes them\n"
            "                    together [0]\n"
            "  --octave-shift N  octave offset of the accompaniment, -20..20; keys must stay\n"
            "                    within 0..127 [2]\n");
}

chords::AccompanimentSettings ReadAccompanimentOptions(const Args& args) {
  chords::AccompanimentSettings settings;
  settings.guitar = args.Choice("--style", {"guitar", "piano"}, "guitar") == "guitar";
  settings.arpeggio = args.Int("--arpeggio", 0, 20, 0);
  settings.octaveShift = args.Int("--octave-shift", -20, 20, 2);
  return settings;
}

} // namespace arvento::cli
