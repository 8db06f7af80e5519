#pragma once

#include "core/Outcome.h"
#include "generators/FigureSteps.h"

#include <string>
#include <vector>

namespace arvento::generators {

// True when the note of that pitch class and octave is one the melody
// compiler plays: c1..g11, MIDI notes 0..127.
bool IsMidiNote(int position, long long octave);

// Reads a line of RTTTL-E tokens as a figure of at most 32 steps. A step is
// its duration, up to the first of the letters a to h or p; its name, up to
// the first digit, "h" read as "b"; and its octave, the digits after it.
// Only lower-case names, no dotted notes, lengths of the notation (1, 2, 4,
// 8, 16, 32), repeat factors from 1, and every note with its octave within
// c1..g11: what the melody compiler plays.
// Refuses with a message that names the first step that cannot be read.
Outcome<std::vector<FigureStep>> ReadPatternLine(const std::string& line);

} // namespace arvento::generators
