#pragma once

#include <string>

namespace arvento::player {

// The General MIDI SoundFont to use: the file named by ARVENTO_SOUNDFONT when
// it exists, else the larger FluidR3 font when installed, else TimGM6mb.
// Empty when none is there.
std::string FindSoundFont();

} // namespace arvento::player
