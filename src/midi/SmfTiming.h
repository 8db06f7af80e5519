#pragma once

// Where the events of a Standard MIDI File fall in time, under its tempo map.

#include "midi/SmfReader.h"

namespace arvento::midi {

struct SmfTimes {
  // Seconds from the start to the last note-off; to the end of the file when
  // a note is left sounding.
  double lastNoteEnd = 0;
  // Seconds from the start to the last event of any track.
  double end = 0;
};

// Ticks are quarter-note fractions timed by the set-tempo events of every
// track (120 beats a minute until the first), or SMPTE frame fractions.
// Throws arvento::Error for a division of 0 ticks.
SmfTimes ReadSmfTimes(const SmfFile& file);

} // namespace arvento::midi
