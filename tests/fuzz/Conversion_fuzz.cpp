// Conversion of a drawn rhythm with recorded pitches to RTTTL-E. First line: the recorded pitches
// separated by commas, then the note length of one grid column; the other lines are rhythm text, or a run
// list when a line holds a comma, as arvento-cli convert reads them. The rhythm may be refused with
// arvento::Error or a message; a conversion that is done writes lines of at most the melody line width;
// when every rhythm token has the form the grid writes, they compile to one note-on and one note-off per
// converted note.

#include "FuzzInput.h"
#include "melody/MelodyCompiler.h"
#include "melody/RhythmText.h"
#include "melody/RtttlConversion.h"

#include <regex>

void arvento::fuzz::Check(std::string_view text) {
  const OptionsAndLines input(text);
  const std::optional<int> length = IntOption(input.options, 1, 1, 999);
  if (input.options.size() != 2 || !length)
    return;
  std::vector<int> pitches;
  std::istringstream items(input.options[0]);
  for (std::string item; std::getline(items, item, ',');)
    if (const std::optional<int> pitch = IntOption({item}, 0, 1, 127))
      pitches.push_back(*pitch);
    else
      return;
  std::vector<std::string> rhythm = input.lines;
  if (std::any_of(rhythm.begin(), rhythm.end(),
                  [](const std::string& line) { return line.find(',') != std::string::npos; }))
    rhythm = melody::RunsToRhythm(Words(rhythm), std::to_string(*length));
  const auto conversion = Attempt([&] { return melody::RhythmToRtttl(rhythm, pitches); });
  if (!conversion || conversion->lines.Refused())
    return;
  const std::vector<std::string>& converted = conversion->lines.Result();
  Expect(std::all_of(converted.begin(), converted.end(),
                     [](const std::string& line) { return line.size() <= melody::kMelodyLineWidth; }),
         "converted lines fit the melody line width");
  // The tokens the grid writes, "n*L" or "np*L": at most two digits of run length and a note length.
  static const std::regex gridToken("[0-9]{1,2}p?\\*(1|2|4|8|16|32)");
  const std::vector<std::string> tokens = Words(rhythm);
  if (!std::all_of(tokens.begin(), tokens.end(),
                   [](const std::string& token) { return std::regex_match(token, gridToken); }))
    return;
  const std::vector<melody::MelodySlot>& slots = conversion->melodySlots;
  const auto end = std::find_if(slots.begin(), slots.end(),
                                [](const melody::MelodySlot& slot) { return slot.pitch == 0; });
  const auto notes = std::count_if(
      slots.begin(), end, [](const melody::MelodySlot& slot) { return slot.pitch != melody::kRestPitch; });
  const auto part = Attempt([&] { return midi::ReadSmf(melody::CompileMelody(converted, {})); });
  Expect(part.has_value(), "grid rhythm converts to text that compiles");
  Expect(part->tracks[1].events.size() == static_cast<std::size_t>(2 * notes + 4),
         "the part has two events a converted note and four more for its prologue and end");
}
