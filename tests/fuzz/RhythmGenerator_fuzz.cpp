// The rhythm generator. First line: the bar length 1..32 in columns and the note length text; second
// line: the run keys, separated by blanks; the other lines are the chord record. Run keys the grid cannot
// write may be refused with arvento::Error. The chord lines written have one line per chord item, and
// when the record compiles as an accompaniment with every item voiced, so do the lines.

#include "FuzzInput.h"
#include "chords/AccompanimentCompiler.h"
#include "generators/GeneratorChords.h"
#include "generators/RhythmGenerator.h"

void arvento::fuzz::Check(std::string_view text) {
  OptionsAndLines input(text);
  const std::optional<int> barCells = IntOption(input.options, 0, 1, 32);
  if (!barCells || input.options.size() != 2 || input.lines.empty())
    return;
  const std::vector<std::string> keys = Words({input.lines.front()});
  input.lines.erase(input.lines.begin());
  const auto chordLines =
      Attempt([&] { return generators::GenerateRhythm(keys, input.lines, *barCells, input.options[1]); });
  if (!chordLines || chordLines->Refused())
    return;
  Expect(chordLines->Result().size() == generators::ReadChordItems(input.lines).Result().size(),
         "one chord line per chord item");
  const auto accompanies = [](const std::vector<std::string>& lines) {
    chords::AccompanimentResult details;
    return Attempt([&] { return chords::CompileAccompaniment(lines, {}, SoundSettings{}, &details); }) &&
           details.skipped.empty();
  };
  if (accompanies(input.lines))
    Expect(accompanies(chordLines->Result()),
           "the rhythm of a record that compiles gives lines that compile");
}
