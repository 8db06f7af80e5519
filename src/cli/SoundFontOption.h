#pragma once

#include "cli/Args.h"

#include <string>

namespace arvento::cli {

// The SoundFont of "--soundfont FILE", else the one the synthesizer finds
// (player::FindSoundFont). Throws arvento::Error when the named file is not
// there or none is found.
std::string SoundFontOption(const Args& args);

} // namespace arvento::cli
