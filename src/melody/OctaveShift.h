#pragma once

// Moving the entered melody by whole octaves: the melody text when there is
// one, otherwise the keyboard recording. A shift is done whole or not at all.

#include "core/Outcome.h"
#include "melody/KeyboardRecording.h"

#include <string>
#include <vector>

namespace arvento::melody {

// Moves every note of the RTTTL-E lines by `octaves` (+1 up, -1 down): the
// octave number that ends just before each comma changes, rests (a "p", or
// "p." for a dotted one, before the comma) and the silent note P stay. Lines
// that the compiler skips (no comma, or "//") are left alone. Refuses, naming
// the line and token, when a token before a comma does not end in a note name
// and octave, or when a note would leave c1..g11 (note numbers 0..127); the
// refusal is shown in the status bar.
Outcome<std::vector<std::string>> ShiftMelodyOctave(const std::vector<std::string>& lines, int octaves);

// Moves every recorded pitch by 12 × octaves; refuses when a pitch would
// leave 1..127.
Outcome<KeyboardRecording> ShiftRecordingOctave(const KeyboardRecording& recording, int octaves);

} // namespace arvento::melody
