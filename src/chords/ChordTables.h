#pragma once

// The fixed tables of chord spelling and voicing. Note names are spelt in the
// German manner with sharps only: B is B-flat, H is B natural.

#include <array>
#include <string_view>

namespace arvento::chords {

// The tables keep their columns aligned.
// clang-format off

// Seven chord tones for each root, one column per interval above the root:
// root 0, "3" 4, "5" 7, "7" 10, "9" 2, "11" 6, "13" 9 semitones. Rows run a
// semitone apart; H and C stand at both ends so that every root found from
// row 1 on has a row below (its tones a semitone lower) and a row above.
constexpr std::array<std::array<std::string_view, 7>, 14> chordToneTable = {{
    // root  3     5     7     9     11    13
    {"H",  "D#", "F#", "A",  "C#", "F",  "G#"}, // 0
    {"C",  "E",  "G",  "B",  "D",  "F#", "A"},  // 1
    {"C#", "F",  "G#", "H",  "D#", "G",  "B"},  // 2
    {"D",  "F#", "A",  "C",  "E",  "G#", "H"},  // 3
    {"D#", "G",  "B",  "C#", "F",  "A",  "C"},  // 4
    {"E",  "G#", "H",  "D",  "F#", "B",  "C#"}, // 5
    {"F",  "A",  "C",  "D#", "G",  "H",  "D"},  // 6
    {"F#", "B",  "C#", "E",  "G#", "C",  "D#"}, // 7
    {"G",  "H",  "D",  "F",  "A",  "C#", "E"},  // 8
    {"G#", "C",  "D#", "F#", "B",  "D",  "F"},  // 9
    {"A",  "C#", "E",  "G",  "H",  "D#", "F#"}, // 10
    {"B",  "D",  "F",  "G#", "C",  "E",  "G"},  // 11
    {"H",  "D#", "F#", "A",  "C#", "F",  "G#"}, // 12
    {"C",  "E",  "G",  "B",  "D",  "F#", "A"},  // 13
}};

struct ChordAlias {
  std::string_view alias;
  std::string_view replacement;
};

// Common chord names rewritten into the extension notation, tried in this
// order (so "maj7" is tried before "maj" and "dim7" before "dim").
constexpr std::array<ChordAlias, 10> chordAliasTable = {{
    {"sus", "+3"},
    {"maj7", "+7"},
    {"maj", "+7"},
    {"dim7", "m-5/-7"},
    {"dim", "m-5/-7"},
    {"0/6", "m-5/-7"},
    {"ang", "+5"},
    {"0", "m-5"},
    {"6", "-7"},
    {"4", "+3"},
}};

// The octave of each cell of chordToneTable in the piano register; an octave
// number changes between H and C, so H3 lies directly below C4. Rows 12 and
// 13 are never reached.
constexpr std::array<std::array<int, 7>, 14> chordOctaveTable = {{
    // root 3  5  7  9  11 13
    {3, 4, 4, 4, 5, 5, 5}, // 0  H
    {4, 4, 4, 4, 5, 5, 5}, // 1  C
    {4, 4, 4, 4, 5, 5, 5}, // 2  C#
    {4, 4, 4, 5, 5, 5, 5}, // 3  D
    {4, 4, 4, 5, 5, 5, 6}, // 4  D#
    {4, 4, 4, 5, 5, 5, 6}, // 5  E
    {4, 4, 5, 5, 5, 5, 6}, // 6  F
    {4, 4, 5, 5, 5, 6, 6}, // 7  F#
    {3, 3, 4, 4, 4, 5, 5}, // 8  G
    {3, 4, 4, 4, 4, 5, 5}, // 9  G#
    {3, 4, 4, 4, 4, 5, 5}, // 10 A
    {3, 4, 4, 4, 5, 5, 5}, // 11 B
    {4, 4, 4, 4, 5, 5, 5}, // 12 H
    {4, 4, 4, 4, 5, 5, 5}, // 13 C
}};

// A guitar in standard tuning, frets 0 (open string) to 5; index 0 is string
// 1, the highest.
constexpr std::array<std::array<std::string_view, 6>, 6> fretNoteTable = {{
    // fret 0  1      2      3      4      5
    {"E5", "F5",  "F#5", "G5",  "G#5", "A5"}, // string 1
    {"H4", "C5",  "C#5", "D5",  "D#5", "E5"}, // string 2
    {"G4", "G#4", "A4",  "B4",  "H4",  "C5"}, // string 3
    {"D4", "D#4", "E4",  "F4",  "F#4", "G4"}, // string 4
    {"A3", "B3",  "H3",  "C4",  "C#4", "D4"}, // string 5
    {"E3", "F3",  "F#3", "G3",  "G#3", "A3"}, // string 6
}};

// The name of a fret's note without its octave.
constexpr std::string_view FretName(std::size_t string, std::size_t fret) {
  const std::string_view note = fretNoteTable[string][fret];
  return note.substr(0, note.size() - 1);
}

// Semitone number of each note name above C.
constexpr std::array<std::string_view, 12> noteIndexTable = {"C",  "C#", "D",  "D#", "E", "F",
                                                             "F#", "G",  "G#", "A",  "B", "H"};

// clang-format on

} // namespace arvento::chords
