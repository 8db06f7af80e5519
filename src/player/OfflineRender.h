#pragma once

#include "player/WavFile.h"

#include <string>

namespace arvento::player {

// Plays a MIDI file through the built-in synthesizer without an audio device
// and returns the sound, with the release of the last notes after the end of
// the file. Throws arvento::Error for a file that cannot be read or played,
// a SoundFont that does not load and a file longer than ten minutes.
PcmAudio RenderMidiFile(const std::string& midiFile, const std::string& soundFont);

} // namespace arvento::player
