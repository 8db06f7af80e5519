#pragma once

// The accompaniment compiler: chord sequence text in, part file out. Each
// line's chord items are voiced into the expanded chord list; that list
// becomes note events, every chord's tones started one stagger apart and
// stopped together.

#include "core/SoundSettings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace arvento::chords {

struct AccompanimentSettings {
  bool guitar = true; // guitar voicing, else piano
  int arpeggio = 0;   // stagger in ticks between the tones of a chord; 0 strikes them together
  int octaveShift = 2;
};

struct AccompanimentResult {
  // One per source line: blanks removed and a trailing "," added, as the
  // chord field shows the line after a compile. A line of blanks only is
  // passed through unchanged.
  std::vector<std::string> cleanedLines;
  // The expanded chord list: per chord item its stagger, multiplier and
  // voiced chord text, "1*4C4, 0E4, 0G4, ".
  std::vector<std::string> expandedChords;
  // One message per line whose rest was skipped because an item could not be
  // voiced: the line number, the item, the reason and what was lost.
  std::vector<std::string> skipped;
};

// Cleans every line and voices its items, handing each entry of the
// expanded chord list to take as soon as it is voiced. An item that cannot be
// voiced abandons the rest of its line; the items before it stay and the next
// line is read. The result holds the skipped messages always, the cleaned
// lines and the expanded chord list only with keepListing: a long text need
// not hold them all.
AccompanimentResult ExpandChordLines(const std::vector<std::string>& lines,
                                     const AccompanimentSettings& settings, bool keepListing,
                                     const std::function<void(const std::string&)>& take);

// The warnings that a compile of the lines shows beside its result: one per
// distinct symbol that seems to use a flat (FlatSpellingWarning), in the
// order of first appearance. They change nothing in the compile.
std::vector<std::string> ChordTextWarnings(const std::vector<std::string>& lines);

// The part file of a chord sequence text; every entry of the expanded chord
// list becomes events as EntryWriter writes them. An entry that cannot
// become events stops the compile with its arvento::Error, but only once the
// whole text is expanded, so that the caller can still show what was
// skipped. skipped receives the message of each line whose rest was skipped.
std::vector<std::uint8_t> CompileAccompaniment(const std::vector<std::string>& lines,
                                               const AccompanimentSettings& settings,
                                               const SoundSettings& sound, std::vector<std::string>& skipped);

// As above; when details is given it receives the whole expansion, for the
// chord field to show the cleaned lines and the expanded chord list.
std::vector<std::uint8_t> CompileAccompaniment(const std::vector<std::string>& lines,
                                               const AccompanimentSettings& settings,
                                               const SoundSettings& sound,
                                               AccompanimentResult* details = nullptr);

// The one line compiled in base chord mode from the base chord field: a bare
// symbol becomes a whole note, "Am" gives "1(Am), ".
std::string BaseChordLine(const std::string& baseChord);

} // namespace arvento::chords
