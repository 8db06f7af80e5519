#pragma once

// The computer keyboard as a piano and as a drum pad: which note a typed
// character sounds and which key release ends it.

#include <array>
#include <string_view>

namespace arvento::melody {

// A run of keys that sound consecutive notes (or drums) from `first` on.
struct KeyRow {
  std::string_view keys;
  int first;
};

// Notes by typed character, at the start octave offset of -12. The home row
// gives the white keys from C, the row above the black keys; the capitals
// (Shift) sound an octave higher. Ctrl+letter arrives as the control code
// letter - 64 and sounds an octave lower.
inline constexpr KeyRow kPlainKeys = {"awsedftgyhujkolp;'", 72};
inline constexpr KeyRow kShiftedKeys = {"AWSEDFTGYHUJ", 84};
inline constexpr KeyRow kControlKeys = {"AWSEDFTGYHUJKOLP", 60};

// Notes by released key code: letters by their upper-case code, and the
// semicolon and apostrophe keys by their own codes.
inline constexpr int kSemicolonKeyCode = 186;
inline constexpr int kApostropheKeyCode = 222;
inline constexpr KeyRow kReleasedLetterKeys = {"AWSEDFTGYHUJKOLP", 72};
inline constexpr int kSemicolonKeyNote = 88;
inline constexpr int kApostropheKeyNote = 89;

// Drum numbers 1..46 by typed character.
inline constexpr std::array<KeyRow, 4> kDrumKeys = {{
    {"1234567890-=\\", 1},
    {"qwertyuiop[]", 14},
    {"asdfghjkl;'", 26},
    {"zxcvbnm,./", 37},
}};

// The typed character that steps the recording back by one pitch.
inline constexpr int kStepBackChar = ' ';

// One entry of keyNoteTable; 0 means no note.
struct KeyNotes {
  int charNote = 0;  // by the character code of a key press
  int keyUpNote = 0; // by the key code of a key release
};

namespace detail {
constexpr int Code(char c) {
  return static_cast<unsigned char>(c);
}

constexpr std::array<KeyNotes, 256> BuildKeyNoteTable() {
  std::array<KeyNotes, 256> table{};
  for (std::size_t i = 0; i < kPlainKeys.keys.size(); ++i)
    table[Code(kPlainKeys.keys[i])].charNote = kPlainKeys.first + static_cast<int>(i);
  for (std::size_t i = 0; i < kShiftedKeys.keys.size(); ++i)
    table[Code(kShiftedKeys.keys[i])].charNote = kShiftedKeys.first + static_cast<int>(i);
  for (std::size_t i = 0; i < kControlKeys.keys.size(); ++i)
    table[Code(kControlKeys.keys[i]) - 64].charNote = kControlKeys.first + static_cast<int>(i);
  for (std::size_t i = 0; i < kReleasedLetterKeys.keys.size(); ++i)
    table[Code(kReleasedLetterKeys.keys[i])].keyUpNote = kReleasedLetterKeys.first + static_cast<int>(i);
  table[kSemicolonKeyCode].keyUpNote = kSemicolonKeyNote;
  table[kApostropheKeyCode].keyUpNote = kApostropheKeyNote;
  return table;
}

constexpr std::array<int, 256> BuildDrumKeyTable() {
  std::array<int, 256> table{};
  for (const KeyRow& row : kDrumKeys) {
    for (std::size_t i = 0; i < row.keys.size(); ++i)
      table[Code(row.keys[i])] = row.first + static_cast<int>(i);
  }
  return table;
}
} // namespace detail

inline constexpr std::array<KeyNotes, 256> keyNoteTable = detail::BuildKeyNoteTable();
inline constexpr std::array<int, 256> drumKeyTable = detail::BuildDrumKeyTable();

// The note a key press sounds (and records), or 0 for none: a key without an
// entry, a code outside 0..255, or a note outside 1..127 after the octave
// offset has moved the keyboard too far.
int KeyPressNote(int charCode, int octaveOffset, bool drumMode);

// Whether releasing the key ends the sounding note: in drum mode any
// release does; otherwise only the key that sounded lastNote, whatever
// Shift or Ctrl did to its octave.
bool ReleaseStopsSound(int keyCode, int octaveOffset, bool drumMode, int lastNote);

} // namespace arvento::melody
