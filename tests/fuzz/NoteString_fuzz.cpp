// The live player's note text. First line: the player's channel 0..15,
// instrument 0..174, octave 0..10 and duration in ticks; second line: the
// note text. Nothing is refused, and the records come sorted by time with
// program changes first at equal times and one note-off per note-on.

#include "FuzzInput.h"
#include "player/NoteString.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace arvento;
  const fuzz::OptionsAndLines input = fuzz::SplitOptions(fuzz::Text(data, size));
  const std::optional<int> channel = fuzz::IntOption(input.options, 0, 0, 15);
  const std::optional<int> instrument = fuzz::IntOption(input.options, 1, 0, player::mgOpenTriangle);
  const std::optional<int> octave = fuzz::IntOption(input.options, 2, 0, 10);
  const std::optional<int> duration = fuzz::IntOption(input.options, 3, 0, 1'000'000);
  if (!channel || !instrument || !octave || !duration || input.lines.size() != 1)
    return 0;
  const player::NoteStringContext context{static_cast<std::uint8_t>(*channel), *instrument, *octave,
                                          static_cast<std::uint32_t>(*duration)};
  const std::vector<player::NoteRecord> records = player::ParseNoteString(input.lines[0], context).records;
  fuzz::Expect(std::is_sorted(records.begin(), records.end(),
                              [](const player::NoteRecord& a, const player::NoteRecord& b) {
                                return a.time != b.time ? a.time < b.time
                                                        : a.kind == player::kProgramChange &&
                                                              b.kind != player::kProgramChange;
                              }),
               "records are sorted by time, program changes first");
  const auto count = [&records](std::uint8_t kind) {
    return std::count_if(records.begin(), records.end(),
                         [kind](const player::NoteRecord& record) { return record.kind == kind; });
  };
  fuzz::Expect(count(player::kNoteOn) == count(player::kNoteOff), "one note-off per note-on");
  fuzz::Expect(std::all_of(records.begin(), records.end(),
                           [](const player::NoteRecord& record) { return record.channel < 16; }),
               "every record is on a MIDI channel");
  return 0;
}
