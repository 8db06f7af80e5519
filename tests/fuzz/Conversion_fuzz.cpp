// Conversion of a drawn rhythm with recorded pitches to RTTTL-E. First line:
// the recorded pitches separated by commas, then the note length of one grid
// column; the other lines are rhythm text, or a run list when a line holds a
// comma, as arvento-cli convert reads them. The rhythm may be refused with
// arvento::Error or a message; a conversion that is done writes
// lines of at most the melody line width; when every rhythm token has the
// form the grid writes, they compile to one note-on and one note-off per
// converted note.

#include "FuzzInput.h"
#include "core/Error.h"
#include "melody/MelodyCompiler.h"
#include "melody/RhythmText.h"
#include "melody/RtttlConversion.h"

#include <algorithm>
#include <optional>
#include <sstream>

namespace {
using namespace arvento;

// "n*L" or "np*L": at most two digits of run length and a note length of the notation.
bool GridToken(const std::string& token) {
  const std::size_t star = token.find('*');
  if (star == std::string::npos)
    return false;
  std::string run = token.substr(0, star);
  if (!run.empty() && run.back() == 'p')
    run.pop_back();
  const std::string length = token.substr(star + 1);
  return !run.empty() && run.size() <= 2 && run.find_first_not_of("0123456789") == std::string::npos &&
         (length == "1" || length == "2" || length == "4" || length == "8" || length == "16" ||
          length == "32");
}

std::vector<std::string> Tokens(const std::vector<std::string>& lines) {
  std::vector<std::string> tokens;
  for (const std::string& line : lines) {
    std::istringstream words(line);
    for (std::string word; words >> word;)
      tokens.push_back(word);
  }
  return tokens;
}

std::optional<std::vector<int>> Pitches(const std::string& text) {
  std::vector<int> pitches;
  std::istringstream items(text);
  for (std::string item; std::getline(items, item, ',');) {
    const std::optional<int> pitch = fuzz::IntOption({item}, 0, 1, 127);
    if (!pitch)
      return std::nullopt;
    pitches.push_back(*pitch);
  }
  return pitches;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::OptionsAndLines input = fuzz::SplitOptions(fuzz::Text(data, size));
  const std::optional<int> length = fuzz::IntOption(input.options, 1, 1, 999);
  if (input.options.size() != 2 || !length)
    return 0;
  const std::optional<std::vector<int>> pitches = Pitches(input.options[0]);
  if (!pitches)
    return 0;
  std::vector<std::string> rhythm = input.lines;
  if (std::any_of(rhythm.begin(), rhythm.end(),
                  [](const std::string& line) { return line.find(',') != std::string::npos; }))
    rhythm = melody::RunsToRhythm(Tokens(rhythm), std::to_string(*length));

  std::optional<melody::RtttlConversion> conversion;
  try {
    conversion.emplace(melody::RhythmToRtttl(rhythm, *pitches));
  } catch (const Error&) {
    return 0;
  }
  if (conversion->lines.Refused())
    return 0;
  fuzz::Expect(std::all_of(conversion->lines.Result().begin(), conversion->lines.Result().end(),
                           [](const std::string& line) { return line.size() <= melody::kMelodyLineWidth; }),
               "converted lines fit the melody line width");
  const std::vector<std::string> tokens = Tokens(rhythm);
  if (!std::all_of(tokens.begin(), tokens.end(), GridToken))
    return 0;
  const auto end = std::find_if(conversion->melodySlots.begin(), conversion->melodySlots.end(),
                                [](const melody::MelodySlot& slot) { return slot.pitch == 0; });
  const auto notes = std::count_if(conversion->melodySlots.begin(), end, [](const melody::MelodySlot& slot) {
    return slot.pitch != melody::kRestPitch;
  });
  std::size_t events = 0;
  try {
    events = melody::MelodyEvents(conversion->lines.Result(), 1, 100).size();
  } catch (const Error&) {
    fuzz::Expect(false, "grid rhythm converts to text that compiles");
  }
  fuzz::Expect(events == static_cast<std::size_t>(2 * notes),
               "the converted text has one note per converted note");
  return 0;
}
