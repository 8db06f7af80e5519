#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace arvento::generators {

// Large enough for any count a person writes, small enough that products of
// two counts stay far from overflow.
inline constexpr long long kLargestCount = 999'999'999;

// The value of the note length box "Дл.ноты" when it holds a length of the
// notation (1, 2, 4, 8, 16 or 32); nullopt for any other text.
std::optional<int> NoteLengthValue(const std::string& text);

// The refusal for a note length box that holds no note length.
std::string BadNoteLengthMessage(const std::string& text);

// One step of a figure: a note or a rest of the pattern line, or a stroke or
// a rest of the drawn rhythm.
struct FigureStep {
  std::string duration; // "[factor*]length" as written
  long long factor = 1;
  long long length = 1;
  bool rest = false;
  std::string name;   // a pattern note's name
  std::string octave; // a pattern note's octave digits
  std::string token;  // a pattern step's token as written, for messages

  // Integer division, as everywhere in the generators: a thirty-second lasts 0.
  long long Sixteenths() const { return factor * (16 / length); }
  // The duration text with "1*" in front when it has no factor of its own.
  std::string FactoredDuration() const;
};

// Makes a figure that ends with a rest last whole bars of barCells columns.
// Only the repeat factors are counted, as if every step had the box's note
// length: the rest becomes what is left of the last bar, written with
// noteLength, and is dropped when the other steps already end on a bar line.
void FitToBar(std::vector<FigureStep>& steps, int barCells, int noteLength);

// True when FitToBar writes the figure's final rest with the box's note
// length, that is, when the figure ends with a rest and its other steps do
// not end on a bar line. Nothing else of a figure uses the box.
bool FitToBarUsesNoteLength(const std::vector<FigureStep>& steps, int barCells);

// True when no step lasts a sixteenth or more: such a figure can fill no chord.
bool AllShorterThanSixteenth(const std::vector<FigureStep>& steps);

// One written step of a chord's line: its text, comma and blank included, and its length.
struct OutputStep {
  std::string text;
  long long sixteenths = 0;
};

// The line of one chord: the first step always, even when it alone is longer
// than the chord, then the steps in turn, from the first again after the
// last, until the chord is filled. A step that would run past the chord's end
// is replaced by the sixteenths that remain, written "<n>*16" and restMark.
// Some step must last a sixteenth or more (see AllShorterThanSixteenth).
std::string FillChord(const std::vector<OutputStep>& steps, long long chordSixteenths,
                      std::string_view restMark);

} // namespace arvento::generators
