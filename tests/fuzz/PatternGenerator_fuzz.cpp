// The pattern line and the bass, picking and drum generator. First line: the mode (0 bass or picking, 1
// drums), the bar length 1..32 in columns and the note length text; second line: the pattern line; the
// other lines are the chord record. A generated part has one line per chord item, and when the figure
// compiles and can move an octave either way, so do its lines.

#include "FuzzInput.h"
#include "generators/GeneratorChords.h"
#include "generators/PatternGenerator.h"
#include "melody/MelodyCompiler.h"
#include "melody/OctaveShift.h"

void arvento::fuzz::Check(std::string_view text) {
  OptionsAndLines input(text);
  const std::optional<int> mode = IntOption(input.options, 0, 0, 1);
  const std::optional<int> barCells = IntOption(input.options, 1, 1, 32);
  if (!mode || !barCells || input.options.size() != 3 || input.lines.empty())
    return;
  const std::vector<std::string> pattern = {input.lines.front()};
  input.lines.erase(input.lines.begin());
  const auto part = Attempt([&] {
    return generators::GeneratePatternPart(
        input.lines, pattern.front(), static_cast<generators::PartMode>(*mode), *barCells, input.options[2]);
  });
  if (!part || part->Refused())
    return;
  Expect(part->Result().size() == generators::ReadChordItems(input.lines).Result().size(),
         "one generated line per chord item");
  const auto compiles = [](const std::vector<std::string>& lines) {
    return Attempt([&] { return melody::MelodyEvents(lines, 1, 100); }).has_value();
  };
  if (compiles(pattern) && !melody::ShiftMelodyOctave(pattern, 1).Refused() &&
      !melody::ShiftMelodyOctave(pattern, -1).Refused())
    Expect(compiles(part->Result()), "a figure that compiles and moves an octave gives lines that compile");
}
