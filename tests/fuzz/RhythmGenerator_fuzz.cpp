// The rhythm generator. First line: the bar length 1..32 in columns and the
// note length text; second line: the run keys, separated by blanks; the
// other lines are the chord record. Run keys the grid cannot write may be
// refused with arvento::Error. The chord lines written have one line per
// chord item, and when the record compiles as an accompaniment with every
// item voiced, so do the lines.

#include "FuzzInput.h"
#include "chords/AccompanimentCompiler.h"
#include "core/Error.h"
#include "generators/GeneratorChords.h"
#include "generators/RhythmGenerator.h"

#include <optional>
#include <sstream>

namespace {
using namespace arvento;

bool Accompanies(const std::vector<std::string>& lines) {
  chords::AccompanimentResult details;
  try {
    chords::CompileAccompaniment(lines, chords::AccompanimentSettings{}, SoundSettings{}, &details);
  } catch (const Error&) {
    return false;
  }
  return details.skipped.empty();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::OptionsAndLines input = fuzz::SplitOptions(fuzz::Text(data, size));
  const std::optional<int> barCells = fuzz::IntOption(input.options, 0, 1, 32);
  if (!barCells || input.options.size() != 2 || input.lines.empty())
    return 0;
  std::vector<std::string> keys;
  std::istringstream words(input.lines.front());
  for (std::string key; words >> key;)
    keys.push_back(key);
  input.lines.erase(input.lines.begin());
  std::optional<Outcome<std::vector<std::string>>> result;
  try {
    result.emplace(generators::GenerateRhythm(keys, input.lines, *barCells, input.options[1]));
  } catch (const Error&) {
    return 0;
  }
  if (result->Refused())
    return 0;
  fuzz::Expect(result->Result().size() == generators::ReadChordItems(input.lines).Result().size(),
               "one chord line per chord item");
  if (Accompanies(input.lines))
    fuzz::Expect(Accompanies(result->Result()),
                 "the rhythm of a record that compiles gives lines that compile");
  return 0;
}
