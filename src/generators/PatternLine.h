#pragma once

#include "FigureSteps.h"

#include <optional>
#include <string>
#include <vector>

namespace arvento::generators {

// The position of a note name in NoteNames (c is 0, b is 11), compared
// upper-cased; nullopt for any other text.
std::optional<int> NoteNamePosition(const std::string& name);

// True when the note at that position in NoteNames and that octave is one
// the melody compiler plays: c1..g11, MIDI notes 0..127.
bool IsMidiNote(int position, long long octave);

// The figure of a pattern line, or the message for the step that cannot be read.
struct PatternLine {
  std::vector<FigureStep> steps;
  std::string problem;
};

// Reads a line of RTTTL-E tokens as a figure of at most 32 steps. A step is
// its duration, up to the first of the letters a to h or p; its name, up to
// the first digit, "h" read as "b"; and its octave, the digits after it.
// Only lower-case names, no dotted notes, lengths of the notation (1, 2, 4,
// 8, 16, 32), repeat factors from 1, and every note with its octave within
// c1..g11: what the melody compiler plays.
PatternLine ReadPatternLine(const std::string& line);

} // namespace arvento::generators
