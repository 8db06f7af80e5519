#pragma once

// The notes of a Standard MIDI File track by track, each from its note-on to
// its note-off: what a piano roll draws.

#include "midi/SmfReader.h"

#include <cstdint>
#include <vector>

namespace arvento::midi {

inline constexpr int kDrumChannel = 10;

struct SmfNote {
  std::uint32_t start = 0;
  std::uint32_t end = 0;
  int key = 0;
  int velocity = 0;
  int channel = 1; // 1..16
};

struct SmfNoteTrack {
  int number = 0;             // the track's place in the file, from 1
  int channel = 1;            // the channel of its first note
  int program = 0;            // the first program change of the track on that channel; 0 without one
  std::vector<SmfNote> notes; // by start, then key
  std::uint32_t longest = 0; // the ticks of its longest note, so that a view finds the notes reaching into it
};

struct SmfNotes {
  int division = 0;
  std::uint32_t end = 0;            // the last event of the longest track
  std::vector<SmfNoteTrack> tracks; // only the tracks that hold notes
  int lowest = 0;                   // the lowest and highest key of the file
  int highest = 0;

  bool Empty() const { return tracks.empty(); }
};

// A note-on pairs with the first open note-on of its channel and key in the
// same track (a note-on of velocity 0 ends a note); a note still sounding
// when its track ends lasts to the track's end.
SmfNotes ReadSmfNotes(const SmfFile& file);

} // namespace arvento::midi
