#pragma once

#include "core/Outcome.h"

#include <string>
#include <vector>

namespace arvento::generators {

// What the figure is: notes to move onto every chord, or drum keys to repeat as they are.
enum class PartMode { BassOrPicking = 0, Drums = 1 };

// Turns the pattern line, a figure of RTTTL-E tokens recorded over A minor,
// into one melody line per chord item of the chord record: the figure moved
// to the chord's root (its C raised to C# over a major chord), or unchanged in
// drum mode, repeated until the chord is filled and cut by a rest of
// sixteenths. A figure ending with a rest is first fitted to whole bars of
// barCells columns (8 in 4/4, 6 in 3/4) in notes of noteLength, the text of
// the box "Дл.ноты". Refuses, changing nothing, when there are no chords,
// when the pattern or a chord item cannot be read, or when that final rest
// needs the box and it holds no note length.
Outcome<std::vector<std::string>> GeneratePatternPart(const std::vector<std::string>& chordRecord,
                                                      const std::string& patternLine, PartMode mode,
                                                      int barCells, const std::string& noteLength);

} // namespace arvento::generators
