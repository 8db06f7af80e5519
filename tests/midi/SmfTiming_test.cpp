// Seconds of the last note-off and of the last event under a file's tempo map.

#include "TestSupport.h"
#include "core/Error.h"
#include "midi/SmfReader.h"
#include "midi/SmfTiming.h"

#include <gtest/gtest.h>

namespace arvento::midi {
namespace {

const std::string kTempo120 = "00 FF 51 03 07 A1 20 00 FF 2F 00";

// The division, the seconds of the last note-off and of the file's end, and the tracks.
const std::tuple<int, double, double, std::vector<std::string>> kCases[] = {
    // A part file: 50 ticks a quarter at 120 beats, the last note-off at tick 200.
    {50, 2.0, 2.0, {kTempo120, "00 90 3C 64 64 80 3C 40 00 90 40 64 64 80 40 40 00 FF 2F 00"}},
    // No tempo event: 120 beats a minute.
    {50, 2.0, 2.0, {"00 90 3C 64 81 48 80 3C 40 00 FF 2F 00"}},
    // The tempo halves at tick 100: 100 ticks of 0.5 s a quarter, then 1 s a quarter.
    {100,
     2.5,
     3.5,
     {"00 FF 51 03 07 A1 20 64 FF 51 03 0F 42 40 00 FF 2F 00", "00 90 3C 64 82 2C 80 3C 40 64 FF 2F 00"}},
    // Events after the last note-off end the file later.
    {50, 2.0, 5.0, {kTempo120, "00 90 3C 64 81 48 80 3C 40 82 2C B0 07 64 00 FF 2F 00"}},
    // A note-on of velocity 0 ends the note.
    {50, 2.0, 2.0, {kTempo120, "00 90 3C 64 81 48 90 3C 00 00 FF 2F 00"}},
    // A note left sounding lasts to the end of the file.
    {50, 2.5, 2.5, {kTempo120, "00 90 3C 64 64 80 3C 40 00 91 3E 64 81 16 FF 2F 00"}},
    // A note may end in another track than it started.
    {50, 2.0, 2.0, {kTempo120, "00 90 3C 64 00 FF 2F 00", "81 48 80 3C 40 00 FF 2F 00"}},
    // SMPTE: 25 frames of 40 ticks, a thousand ticks a second.
    {0xE728, 2.0, 2.0, {"00 90 3C 64 8F 50 80 3C 40 00 FF 2F 00"}},
};

TEST(SmfTiming, LastNoteEndAndFileEndInSeconds) {
  for (const auto& [division, lastNoteEnd, end, tracks] : kCases) {
    const SmfTimes times = ReadSmfTimes(ReadSmf(test::Smf(division, tracks)));
    EXPECT_DOUBLE_EQ(times.lastNoteEnd, lastNoteEnd) << tracks.back();
    EXPECT_DOUBLE_EQ(times.end, end) << tracks.back();
  }
}

TEST(SmfTiming, RefusesADivisionOfNoTicks) {
  EXPECT_THROW(ReadSmfTimes(ReadSmf(test::Smf(0, {kTempo120}))), Error);
}

} // namespace
} // namespace arvento::midi
