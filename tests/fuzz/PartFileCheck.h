#pragma once

#include "FuzzInput.h"
#include "midi/SmfReader.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace arvento::fuzz {

// A compiled part file must read back through the program's own SMF reader
// as what the part file writer makes: format 1, the conductor track and the
// part track, the tempo setting as the division, and every note started in
// the part track also stopped.
inline void ExpectPartFile(const std::vector<std::uint8_t>& bytes, int tempo) {
  const midi::SmfFile file = midi::ReadSmf(bytes);
  Expect(file.format == 1 && file.tracks.size() == 2, "a part file has format 1 and two tracks");
  Expect(file.division == tempo, "a part file's division is its tempo");
  const std::vector<midi::SmfEvent>& events = file.tracks[1].events;
  const auto kinds = [&events](int kind) {
    return std::count_if(events.begin(), events.end(), [kind](const midi::SmfEvent& event) {
      return event.status != 0xFF && event.Kind() == kind;
    });
  };
  Expect(kinds(0x90) == kinds(0x80), "every note-on of a part has its note-off");
}

} // namespace arvento::fuzz
