// The Standard MIDI File reader and its dump. Any bytes either are refused
// with arvento::Error or read as the tracks the header counts, each ending
// with its end-of-track event, channel events with their data bytes, and a
// dump of one line per header, track and event.

#include "FuzzInput.h"
#include "core/Error.h"
#include "midi/SmfReader.h"

#include <algorithm>

namespace {
bool WellFormed(const arvento::midi::SmfTrack& track) {
  if (track.events.empty() || track.events.back().status != 0xFF || track.events.back().metaType != 0x2F)
    return false;
  return std::all_of(track.events.begin(), track.events.end(), [](const arvento::midi::SmfEvent& event) {
    if (event.status >= 0xF0)
      return true;
    const std::size_t length = event.Kind() == 0xC0 || event.Kind() == 0xD0 ? 1 : 2;
    return (event.status & 0x80) && event.data.size() == length &&
           std::all_of(event.data.begin(), event.data.end(), [](std::uint8_t byte) { return byte < 0x80; });
  });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace arvento;
  midi::SmfFile file;
  try {
    file = midi::ReadSmf({data, size});
  } catch (const Error&) {
    return 0;
  }
  fuzz::Expect(static_cast<int>(file.tracks.size()) == file.trackCount, "the header counts the tracks");
  fuzz::Expect(std::all_of(file.tracks.begin(), file.tracks.end(), WellFormed),
               "every track ends with end-of-track and its channel events carry their data bytes");
  std::size_t events = 0;
  for (const midi::SmfTrack& track : file.tracks)
    events += track.events.size();
  const std::string dump = midi::DumpSmf(file);
  fuzz::Expect(static_cast<std::size_t>(std::count(dump.begin(), dump.end(), '\n')) ==
                   1 + file.tracks.size() + events,
               "the dump has one line per header, track and event");
  return 0;
}
