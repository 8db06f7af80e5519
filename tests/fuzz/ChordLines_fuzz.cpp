// The chord lines and the accompaniment compiler. First line: the style
// (guitar or piano), the arpeggio 0..20 and the octave shift -20..20; the
// other lines are the chord text. Every line is cleaned into one line, and
// the text either is refused with arvento::Error or becomes a part file that
// reads back.

#include "FuzzInput.h"
#include "PartFileCheck.h"
#include "chords/AccompanimentCompiler.h"
#include "core/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace arvento;
  const fuzz::OptionsAndLines input = fuzz::SplitOptions(fuzz::Text(data, size));
  const std::optional<int> arpeggio = fuzz::IntOption(input.options, 1, 0, 20);
  const std::optional<int> octaveShift = fuzz::IntOption(input.options, 2, -20, 20);
  if (!arpeggio || !octaveShift || (input.options[0] != "guitar" && input.options[0] != "piano"))
    return 0;
  const chords::AccompanimentSettings settings{input.options[0] == "guitar", *arpeggio, *octaveShift};
  const SoundSettings sound;
  chords::AccompanimentResult details;
  std::optional<std::vector<std::uint8_t>> bytes;
  try {
    bytes = chords::CompileAccompaniment(input.lines, settings, sound, &details);
  } catch (const Error&) {
  }
  fuzz::Expect(details.cleanedLines.size() == input.lines.size(), "one cleaned line per chord line");
  fuzz::Expect(details.skipped.size() <= input.lines.size(), "at most one skip message per chord line");
  if (bytes)
    fuzz::ExpectPartFile(*bytes, sound.tempo);
  return 0;
}
