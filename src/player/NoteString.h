#pragma once

// The live player's note text: a short list of timed notes, chords and
// instrument changes on one line, such as "C5;50,0;E5,0;G5".

#include "player/MidiGenTypes.h"

#include <string_view>
#include <vector>

namespace arvento::player {

// What the parser reads from the player.
struct NoteStringContext {
  std::uint8_t playChannel = 0;
  int instrument = mgAcousticGrandPiano;
  int octave = 4;
  std::uint32_t duration = 50;
};

struct ParsedNotes {
  std::vector<NoteRecord> records; // sorted by time, program changes first at equal times
  bool chord = true;               // every start was 0 and every given length the same
};

// Items separated by commas, each "start ; note ; length" with missing fields
// taken from the items before. Items that do not read produce nothing. Throws
// arvento::Error for a text whose times run past the 32-bit tick count.
ParsedNotes ParseNoteString(std::string_view text, const NoteStringContext& context);

} // namespace arvento::player
