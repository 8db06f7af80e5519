#pragma once

// The classic ringtone text that telephones exchanged by SMS, NAME:DEFAULTS:NOTES
// as in "Nokia:d=4,o=5,b=120:8e6,8d6,f#,g#", read forgivingly: defaults in
// any order and case with blanks around every part, unknown defaults
// ignored, a note's dot before or after its octave.

#include <string>
#include <string_view>
#include <vector>

namespace arvento::ringtone {

// Classic octaves run from 1 to 9; the melody's octave k is the classic octave k - 2.
inline constexpr int kLowestClassicOctave = 1;
inline constexpr int kHighestClassicOctave = 9;
inline constexpr int kClassicOctaveOffset = 2;

// One note or rest with the defaults applied.
struct ClassicNote {
  int length = 4; // 1, 2, 4, 8, 16 or 32
  bool dotted = false;
  int pitchClass = -1; // the index in NoteNames; -1 for a rest
  int octave = 0;      // the classic octave 1..9 of a note; a4 is 440 Hz

  friend bool operator==(const ClassicNote&, const ClassicNote&) = default;
};

struct ClassicRingtone {
  std::string name;
  long long beats = 63; // b=, quarter notes per minute
  std::vector<ClassicNote> notes;
};

// Reads one ringtone. Throws arvento::Error naming the ringtone, and the
// note by its place in the list (from 1) and its text, for an unknown note
// name, a length other than 1, 2, 4, 8, 16 or 32, a second dot, an octave
// outside 1..9 or a note above g9 (MIDI 127), a default whose value is not a
// number, or a missing ":" section.
ClassicRingtone ReadClassicRingtone(std::string_view line);

// The ringtones of a text, one a line: every line that is not blank, a
// byte order mark at the start left out.
std::vector<std::string_view> RingtoneLines(std::string_view text);

// The name of a ringtone line: the text before its first ":" (the whole line
// without one), without the blanks around it.
std::string_view RingtoneName(std::string_view line);

// Whether a text holds a ringtone: a line with the two ":" that end its
// name and its defaults, and between them only KEY=VALUE items, so that
// "Time: 12:30" is no ringtone.
bool HoldsRingtone(std::string_view text);

} // namespace arvento::ringtone
