// The chord lines and the accompaniment compiler. Options: guitar or piano, the arpeggio 0..20, the octave
// shift -20..20; then the chord text. Every line is cleaned into one, and the text is refused with
// arvento::Error or becomes a part file that reads back.

#include "FuzzInput.h"
#include "chords/AccompanimentCompiler.h"

void arvento::fuzz::Check(std::string_view text) {
  const OptionsAndLines input(text);
  const std::optional<int> arpeggio = IntOption(input.options, 1, 0, 20);
  const std::optional<int> octaveShift = IntOption(input.options, 2, -20, 20);
  if (!arpeggio || !octaveShift || (input.options[0] != "guitar" && input.options[0] != "piano"))
    return;
  const chords::AccompanimentSettings settings{input.options[0] == "guitar", *arpeggio, *octaveShift};
  chords::AccompanimentResult details;
  const auto bytes =
      Attempt([&] { return chords::CompileAccompaniment(input.lines, settings, {}, &details); });
  Expect(details.cleanedLines.size() == input.lines.size(), "one cleaned line per chord line");
  Expect(details.skipped.size() <= input.lines.size(), "at most one skip message per chord line");
  if (bytes)
    ExpectPartFile(*bytes, SoundSettings{}.tempo);
}
