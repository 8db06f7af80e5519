#pragma once

#include "chords/AccompanimentCompiler.h"
#include "cli/Args.h"

#include <set>
#include <string>

namespace arvento::cli {

// The chord page's settings as options: --style guitar|piano, --arpeggio N
// (0 strikes the tones together), --octave-shift N; defaults guitar, 0, 2.
extern const std::set<std::string> kAccompanimentOptions;
// The help lines that describe these options, in the user's language.
std::string AccompanimentOptionsHelp();
chords::AccompanimentSettings ReadAccompanimentOptions(const Args& args);

} // namespace arvento::cli
