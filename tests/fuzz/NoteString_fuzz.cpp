// The live player's note text. Options: the player's channel 0..15, instrument 0..174, octave 0..10 and
// duration in ticks; then one line of note text. Only times past the last tick are refused; the records
// come sorted by time, program changes first at equal times, one note-off per note-on, on MIDI channels.

#include "FuzzInput.h"
#include "player/NoteString.h"

void arvento::fuzz::Check(std::string_view text) {
  using namespace player;
  const OptionsAndLines input(text);
  const std::optional<int> channel = IntOption(input.options, 0, 0, 15);
  const std::optional<int> instrument = IntOption(input.options, 1, 0, mgOpenTriangle);
  const std::optional<int> octave = IntOption(input.options, 2, 0, 10);
  const std::optional<int> duration = IntOption(input.options, 3, 0, 1'000'000);
  if (!channel || !instrument || !octave || !duration || input.lines.size() != 1)
    return;
  const NoteStringContext context{static_cast<std::uint8_t>(*channel), *instrument, *octave,
                                  static_cast<std::uint32_t>(*duration)};
  const auto parsed = Attempt([&] { return ParseNoteString(input.lines[0], context); });
  if (!parsed)
    return;
  const std::vector<NoteRecord>& records = parsed->records;
  Expect(std::is_sorted(records.begin(), records.end(),
                        [](const NoteRecord& a, const NoteRecord& b) {
                          return std::pair(a.time, a.kind != kProgramChange) <
                                 std::pair(b.time, b.kind != kProgramChange);
                        }),
         "records are sorted by time, program changes first");
  int sounding = 0;
  for (const NoteRecord& record : records) {
    sounding += (record.kind == kNoteOn) - (record.kind == kNoteOff);
    Expect(record.channel < 16, "every record is on a MIDI channel");
  }
  Expect(sounding == 0, "one note-off per note-on");
}
