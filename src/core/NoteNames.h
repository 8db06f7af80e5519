#pragma once

#include <array>
#include <string>
#include <string_view>

namespace arvento {

// The note names of RTTTL-E by pitch class (pitch mod 12).
inline constexpr std::array<std::string_view, 12> NoteNames = {"c",  "c#", "d",  "d#", "e",  "f",
                                                               "f#", "g",  "g#", "a",  "a#", "b"};

// The pitch class of a note name in either case, "h" meaning "b"; -1 for
// anything else (there are no flats, and E# or B# are not names).
constexpr int PitchClass(std::string_view name) {
  if (name.empty() || name.size() > 2 || (name.size() == 2 && name[1] != '#'))
    return -1;
  char letter = name[0];
  if (letter >= 'A' && letter <= 'Z')
    letter = static_cast<char>(letter - 'A' + 'a');
  if (letter == 'h')
    letter = 'b';
  for (std::size_t i = 0; i < NoteNames.size(); ++i) {
    if (NoteNames[i][0] == letter && NoteNames[i].size() == name.size())
      return static_cast<int>(i);
  }
  return -1;
}

// A MIDI key as RTTTL-E spells it: its name and octave, key 0 being c1 and 60 c6.
inline std::string KeyName(int key) {
  return std::string(NoteNames[static_cast<std::size_t>(key % 12)]) + std::to_string(key / 12 + 1);
}

} // namespace arvento
