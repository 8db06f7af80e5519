#pragma once

#include "FigureSteps.h"

#include <optional>
#include <string>
#include <vector>

namespace arvento::generators {

// The position of a note name in NoteNames (c is 0, b is 11), compared
// upper-cased; nullopt for any other text.
std::optional<int> NoteNamePosition(const std::string& name);

// The figure of a pattern line, or the message for the step that cannot be read.
struct PatternLine {
  std::vector<FigureStep> steps;
  std::string problem;
};

// Reads a line of RTTTL-E tokens as a figure of at most 32 steps. A step is
// its duration, up to the first of the letters a to h or p; its name, up to
// the first digit, "h" read as "b"; and its octave, the digits after it.
// Only lower-case names, no dotted notes, and every note with its octave.
PatternLine ReadPatternLine(const std::string& line);

} // namespace arvento::generators
