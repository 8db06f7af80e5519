#pragma once

// Voicing a chord: its tones placed in a piano register or on the six strings
// of a guitar, written as voiced chord text such as "4C4, 0E4, 0G4, ". The
// first token carries the item's duration prefix; every further token has
// duration 0, so the notes start together.

#include <string>

namespace arvento::chords {

// The note list of a chord symbol: its tone names each followed by "-", root
// first for the piano and reversed for the guitar; "P-" for a pause (a symbol
// starting with P or p). The first character is raised to upper case. Throws
// arvento::Error as ChordToneNames does.
std::string ChordNoteList(const std::string& symbol, bool guitar);

// The k-th note in the k-th column of the chord tone table, at that cell's
// octave. A pause gives prefix + "P,". Throws arvento::Error for more than
// seven notes.
std::string PianoVoicing(const std::string& prefix, const std::string& noteList);

// An open-position fingering within the first four frets, written from
// string 6 to string 1. A pause gives prefix + "P,".
std::string GuitarVoicing(const std::string& prefix, const std::string& noteList);

// The voiced chord text of one symbol: ChordNoteList, then the voicing of
// the style.
std::string VoiceChord(const std::string& prefix, const std::string& symbol, bool guitar);

} // namespace arvento::chords
