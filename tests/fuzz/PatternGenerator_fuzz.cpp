// The pattern line and the bass, picking and drum generator. First line:
// the mode (0 bass or picking, 1 drums), the bar length 1..32 in columns and
// the note length text; second line: the pattern line; the other lines are
// the chord record. A generated part has one line per chord item, and when
// the figure compiles and can move an octave either way, so do its lines.

#include "FuzzInput.h"
#include "core/Error.h"
#include "generators/GeneratorChords.h"
#include "generators/PatternGenerator.h"
#include "melody/MelodyCompiler.h"
#include "melody/OctaveShift.h"

#include <optional>

namespace {
using namespace arvento;

bool Compiles(const std::vector<std::string>& lines) {
  try {
    melody::MelodyEvents(lines, 1, 100);
    return true;
  } catch (const Error&) {
    return false;
  }
}

bool MovesAnOctave(const std::vector<std::string>& lines) {
  return !melody::ShiftMelodyOctave(lines, 1).Refused() && !melody::ShiftMelodyOctave(lines, -1).Refused();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::OptionsAndLines input = fuzz::SplitOptions(fuzz::Text(data, size));
  const std::optional<int> mode = fuzz::IntOption(input.options, 0, 0, 1);
  const std::optional<int> barCells = fuzz::IntOption(input.options, 1, 1, 32);
  if (!mode || !barCells || input.options.size() != 3 || input.lines.empty())
    return 0;
  const std::vector<std::string> pattern = {input.lines.front()};
  input.lines.erase(input.lines.begin());
  std::optional<Outcome<std::vector<std::string>>> result;
  try {
    result.emplace(generators::GeneratePatternPart(
        input.lines, pattern.front(), static_cast<generators::PartMode>(*mode), *barCells, input.options[2]));
  } catch (const Error&) {
    return 0;
  }
  if (result->Refused())
    return 0;
  fuzz::Expect(result->Result().size() == generators::ReadChordItems(input.lines).Result().size(),
               "one generated line per chord item");
  if (Compiles(pattern) && MovesAnOctave(pattern))
    fuzz::Expect(Compiles(result->Result()),
                 "a figure that compiles and moves an octave gives lines that compile");
  return 0;
}
