// The notes of a file track by track, as a piano roll reads them.

#include "TestSupport.h"
#include "midi/SmfNotes.h"

#include <gtest/gtest.h>

namespace arvento::midi {
namespace {

struct Case {
  const char* what;
  std::vector<std::string> tracks;
  // Each track that holds notes: "number channel program", then its notes
  // "start-end key velocity channel".
  std::vector<std::vector<std::string>> expected;
  std::tuple<std::uint32_t, int, int> endLowestHighest; // the last tick, the lowest and the highest key
};

const std::string kConductor = "00 FF 51 03 07 A1 20 00 FF 2F 00";

const Case kCases[] = {
    {"a part: the conductor holds no note; a note-on of velocity 0 ends a note",
     {kConductor, "00 C1 19 00 91 3C 64 30 81 3C 40 00 91 40 50 18 91 40 00 00 FF 2F 00"},
     {{"2 2 25", "0-48 60 100 2", "48-72 64 80 2"}},
     {72, 60, 64}},
    {"the same key struck twice ends the earlier note first; a note still sounding lasts to the track's end",
     {"00 90 3C 64 10 90 3C 50 10 80 3C 40 10 80 3C 40 00 90 30 64 60 FF 2F 00"},
     {{"1 1 0", "0-32 60 100 1", "16-48 60 80 1", "48-144 48 100 1"}},
     {144, 48, 60}},
    {"notes sort by start, then key; the track takes its first note's channel and that channel's program",
     {"00 C0 05 00 C9 07 00 99 24 64 00 90 40 64 00 90 3C 64 30 80 3C 40 00 80 40 40 00 89 24 40 00 FF 2F 00",
      "00 FF 2F 00", "00 92 48 7F 81 00 82 48 00 00 FF 2F 00"},
     {{"1 10 7", "0-48 36 100 10", "0-48 60 100 1", "0-48 64 100 1"}, {"3 3 0", "0-128 72 127 3"}},
     {128, 36, 72}},
    {"a note-off without its note-on is no note", {"00 80 3C 40 30 FF 2F 00"}, {}, {48, 0, 0}},
};

TEST(SmfNotes, TracksOfNotes) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const SmfNotes notes = ReadSmfNotes(ReadSmf(test::Smf(96, c.tracks)));
    std::vector<std::vector<std::string>> read;
    for (const SmfNoteTrack& track : notes.tracks) {
      std::vector<std::string>& lines = read.emplace_back();
      lines.push_back(std::to_string(track.number) + " " + std::to_string(track.channel) + " " +
                      std::to_string(track.program));
      for (const SmfNote& note : track.notes)
        lines.push_back(std::to_string(note.start) + "-" + std::to_string(note.end) + " " +
                        std::to_string(note.key) + " " + std::to_string(note.velocity) + " " +
                        std::to_string(note.channel));
    }
    EXPECT_EQ(read, c.expected);
    EXPECT_EQ(notes.division, 96);
    EXPECT_EQ(notes.Empty(), c.expected.empty());
    EXPECT_EQ(std::tuple(notes.end, notes.lowest, notes.highest), c.endLowestHighest);
  }
}

} // namespace
} // namespace arvento::midi
