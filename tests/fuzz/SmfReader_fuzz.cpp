// The Standard MIDI File reader and its dump. Any bytes either are refused with arvento::Error or read as
// the tracks the header counts, each ending with its end-of-track event, channel events with their data
// bytes, and a dump of one line per header, track and event.

#include "FuzzInput.h"

void arvento::fuzz::Check(std::string_view bytes) {
  const auto file = Attempt([&] {
    return midi::ReadSmf({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  });
  if (!file)
    return;
  Expect(static_cast<int>(file->tracks.size()) == file->trackCount, "the header counts the tracks");
  std::size_t lines = 1 + file->tracks.size();
  for (const midi::SmfTrack& track : file->tracks) {
    lines += track.events.size();
    Expect(!track.events.empty() && track.events.back().status == 0xFF &&
               track.events.back().metaType == 0x2F,
           "every track ends with end-of-track");
    for (const midi::SmfEvent& event : track.events)
      Expect(event.status >= 0xF0 ||
                 ((event.status & 0x80) &&
                  event.data.size() == (event.Kind() == 0xC0 || event.Kind() == 0xD0 ? 1u : 2u) &&
                  std::all_of(event.data.begin(), event.data.end(),
                              [](std::uint8_t byte) { return byte < 0x80; })),
             "channel events carry their data bytes");
  }
  const std::string dump = midi::DumpSmf(*file);
  Expect(static_cast<std::size_t>(std::count(dump.begin(), dump.end(), '\n')) == lines,
         "the dump has one line per header, track and event");
}
