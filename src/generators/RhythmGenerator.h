#pragma once

#include "core/Outcome.h"
#include "core/Translate.h"

#include <string>
#include <string_view>
#include <vector>

namespace arvento::generators {

// Shown after the lines have replaced the chord field.
inline constexpr const char* kRhythmWrittenNotice = TrLater("Ритм записан на страницу \"Аккорды\"");

// Re-strikes every chord item of the chord record in the rhythm drawn on the
// pattern grid and returns the chord lines for the chord field, one per item.
// runKeys is the run list of the grid's row in its sorted order, the
// end-of-row mark ("...%") last: a bar is a stroke of the chord, a gap a rest.
// The rhythm is fitted to whole bars of barCells columns (8 in 4/4, 6 in 3/4)
// and written in notes of noteLength, the text of the box "Дл.ноты".
// Refuses, changing nothing, when there are no chords, an arpeggio mark, no
// bar on the grid or a chord item that cannot be read. Throws arvento::Error
// for run keys that the run collection cannot have produced.
Outcome<std::vector<std::string>> GenerateRhythm(const std::vector<std::string>& runKeys,
                                                 const std::vector<std::string>& chordRecord, int barCells,
                                                 const std::string& noteLength);

} // namespace arvento::generators
