#pragma once

#include "player/SoundSystem.h"
#include "player/UiThread.h"

namespace arvento::player {

// Uses the SoundFont that FindSoundFont names and the first audio device
// that opens, and returns once the SoundFont has loaded. The live notes go
// to the synthesizer, or to the ALSA sequencer when ARVENTO_MIDI_OUTPUT is
// "alsa". Without an audio device everything is still made; it just makes no
// sound. Players made from it and users of its StreamOutput go first.
std::unique_ptr<SoundSystem> CreateSynthSoundSystem(UiThread ui);

} // namespace arvento::player
