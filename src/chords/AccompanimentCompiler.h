#pragma once

// The accompaniment compiler: chord sequence text in, part file out. Each
// line's chord items are voiced into the expanded chord list; that list
// becomes note events, every chord's tones started one stagger apart and
// stopped together.

#include "core/SoundSettings.h"

#include <cstdint>
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
  std::vector<std::string> events;
};

// Cleans every line and voices its items. An item that cannot be voiced
// abandons the rest of its line; the items before it stay and the next line
// is read. Fills everything but the events.
AccompanimentResult ExpandChordLines(const std::vector<std::string>& lines,
                                     const AccompanimentSettings& settings);

// The warnings that a compile of the lines shows beside its result: one per
// distinct symbol that seems to use a flat (FlatSpellingWarning), in the
// order of first appearance. They change nothing in the compile.
std::vector<std::string> ChordTextWarnings(const std::vector<std::string>& lines);

// The event list of the expanded chord list: per entry the note-ons, then
// its note-offs; rests carry over to the next note-on. Throws arvento::Error
// for an entry that cannot be read (no duration, a stagger that is not a
// number, a repeat factor that is not a number from 1) and for a key outside
// 0..127, naming the chord and the octave shift.
std::vector<std::string> AccompanimentEvents(const std::vector<std::string>& expandedChords,
                                             const AccompanimentSettings& settings, int channel,
                                             int velocity);

// The part file of a chord sequence text. When details is given it receives
// the expansion even if the event stage then throws, so the caller can still
// write back the cleaned lines and show what was skipped.
std::vector<std::uint8_t> CompileAccompaniment(const std::vector<std::string>& lines,
                                               const AccompanimentSettings& settings,
                                               const SoundSettings& sound,
                                               AccompanimentResult* details = nullptr);

// The one line compiled in base chord mode from the base chord field: a bare
// symbol becomes a whole note, "Am" gives "1(Am), ".
std::string BaseChordLine(const std::string& baseChord);

} // namespace arvento::chords
