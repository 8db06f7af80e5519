#pragma once

#include <QString>

#include <string>

namespace arvento::player {
class SoundSystem;
}

namespace arvento::app {

// The status bar's word on the sound while the SoundFont loads.
QString SoundLoadingStatus(const std::string& soundFont);
// The status bar's word on the sound once loading has ended: which SoundFont
// plays, or why nothing sounds.
QString SoundStatus(const player::SoundSystem& sound);

} // namespace arvento::app
