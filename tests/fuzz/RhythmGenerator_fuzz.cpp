// The rhythm generator. First line: the bar length 1..32 in columns and the
// note length text; second line: the run keys, separated by blanks; the
// other lines are the chord record. Run keys the grid cannot write may be
// refused with arvento::Error. The chord lines written have one line per
// chord item, and when every item of the record can be voiced, so can every
// item of the lines.

#include "AccompanimentCompiler.h"
#include "Error.h"
#include "FuzzInput.h"
#include "GeneratorChords.h"
#include "RhythmGenerator.h"

#include <sstream>

namespace {
using namespace arvento;

bool AllVoiced(const std::vector<std::string>& lines) {
  return chords::ExpandChordLines(lines, chords::AccompanimentSettings{}).skipped.empty();
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
  generators::GeneratorResult result;
  try {
    result = generators::GenerateRhythm(keys, input.lines, *barCells, input.options[1]);
  } catch (const Error&) {
    return 0;
  }
  if (result.refused)
    return 0;
  fuzz::Expect(result.lines.size() == generators::ReadChordItems(input.lines).items.size(),
               "one chord line per chord item");
  if (AllVoiced(input.lines))
    fuzz::Expect(AllVoiced(result.lines), "the rhythm of voiced chords gives chord lines that are voiced");
  return 0;
}
