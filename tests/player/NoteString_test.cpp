#include "core/Error.h"
#include "player/NoteString.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace arvento::player {
namespace {

const NoteStringContext kDefaults{0, mgAcousticGrandPiano, 4, 50};

// The records in a fixed order: the order among records of equal time is the parser's own.
std::vector<NoteRecord> Sorted(std::vector<NoteRecord> records) {
  std::sort(records.begin(), records.end(), [](const NoteRecord& a, const NoteRecord& b) {
    return std::tie(a.time, a.kind, a.data, a.channel) < std::tie(b.time, b.kind, b.data, b.channel);
  });
  return records;
}

// Note-on and note-off records of one note.
std::vector<NoteRecord> Note(std::uint32_t data, std::uint32_t from, std::uint32_t to,
                             std::uint8_t channel = 0) {
  return {{from, kNoteOn, data, channel}, {to, kNoteOff, data, channel}};
}

std::vector<NoteRecord> Join(std::initializer_list<std::vector<NoteRecord>> parts) {
  std::vector<NoteRecord> all;
  for (const std::vector<NoteRecord>& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return Sorted(all);
}

// The note numbers of the note-on records, in time order.
std::vector<std::uint32_t> Notes(const ParsedNotes& parsed) {
  std::vector<std::uint32_t> notes;
  for (const NoteRecord& record : parsed.records) {
    if (record.kind == kNoteOn)
      notes.push_back(record.data);
  }
  return notes;
}

TEST(NoteString, WorkedExamples) {
  const ParsedNotes chord = ParseNoteString("C5;50,0;E5,0;G5", kDefaults);
  EXPECT_EQ(Sorted(chord.records), Join({Note(60, 0, 50), Note(64, 0, 50), Note(67, 0, 50)}));
  EXPECT_TRUE(chord.chord);

  const ParsedNotes run = ParseNoteString("0;C5;25,25;D5,25;E5", kDefaults);
  EXPECT_EQ(Sorted(run.records), Join({Note(60, 0, 25), Note(62, 25, 50), Note(64, 50, 75)}));
  EXPECT_FALSE(run.chord);

  const ParsedNotes change = ParseNoteString("0;I24;0,0;N40;100", kDefaults);
  ASSERT_EQ(change.records.size(), 3u);
  EXPECT_EQ(change.records[0], (NoteRecord{0, kProgramChange, 24, 0}));
  EXPECT_EQ(Sorted(change.records), Join({{{0, kProgramChange, 24, 0}}, Note(40, 0, 100)}));
  EXPECT_TRUE(change.chord);
}

TEST(NoteString, NoteNamesOctavesAndCase) {
  for (const char* text : {"0;c5;10", "0;C5;10", " 0 ; c 5 ; 1 0 "})
    EXPECT_EQ(Notes(ParseNoteString(text, kDefaults)), std::vector<std::uint32_t>{60}) << text;
  for (const char* text : {"0;C#5;10", "0;C+5;10", "0;D-5;10", "0;c#5;10"})
    EXPECT_EQ(Notes(ParseNoteString(text, kDefaults)), std::vector<std::uint32_t>{61}) << text;
  const std::pair<const char*, std::uint32_t> names[] = {
      {"0;D5;1", 62},  {"0;D+5;1", 63}, {"0;D#5;1", 63},  {"0;E5;1", 64},  {"0;E-5;1", 63},  {"0;F5;1", 65},
      {"0;F+5;1", 66}, {"0;F#5;1", 66}, {"0;G5;1", 67},   {"0;G-5;1", 66}, {"0;G+5;1", 68},  {"0;G#5;1", 68},
      {"0;A5;1", 69},  {"0;A-5;1", 68}, {"0;A+5;1", 70},  {"0;A#5;1", 70}, {"0;B5;1", 71},   {"0;B-5;1", 70},
      {"0;C0;1", 0},   {"0;B-0;1", 10}, {"0;G10;1", 127}, {"0;N0;1", 0},   {"0;N127;1", 127}};
  for (const auto& [text, note] : names)
    EXPECT_EQ(Notes(ParseNoteString(text, kDefaults)), std::vector<std::uint32_t>{note}) << text;

  // An item without an octave takes the current one; a name with one makes it current.
  EXPECT_EQ(Notes(ParseNoteString("0;C;10,0;E6;10,0;G;10", kDefaults)),
            (std::vector<std::uint32_t>{48, 76, 79}));
  EXPECT_EQ(Notes(ParseNoteString("0;C#;10", {0, 0, 7, 50})), std::vector<std::uint32_t>{85});

  // Items that do not read produce nothing; the others still sound.
  for (const char* text :
       {"0;H5;10", "0;A10;10", "0;E+5;10", "0;C-5;10", "0;C11;10", "0;I;10", "0;N;10", "0;N128;10",
        "0;I175;10", "0;N-1;10", "0;IX;10", "0;C5;-5", "0;C5;X", "0;;10", "0;C5X;10", "5", "X"})
    EXPECT_TRUE(ParseNoteString(text, kDefaults).records.empty()) << text;
  EXPECT_EQ(Notes(ParseNoteString("0;H5;10,0;D5;10", kDefaults)), std::vector<std::uint32_t>{62});
}

TEST(NoteString, MissingFieldsComeFromTheItemsBefore) {
  // A lone note takes start step and length from the items before it.
  EXPECT_EQ(Sorted(ParseNoteString("0;C5;30,D5", kDefaults).records),
            Join({Note(60, 0, 30), Note(62, 0, 30)}));
  EXPECT_EQ(Sorted(ParseNoteString("10;C5;30,D5", kDefaults).records),
            Join({Note(60, 10, 40), Note(62, 20, 50)}));
  // A start step holds until another is given; before any length the duration is taken.
  EXPECT_EQ(Sorted(ParseNoteString("0;C5,5;D5,E5", {0, 0, 4, 20}).records),
            Join({Note(60, 0, 20), Note(62, 5, 25), Note(64, 10, 30)}));
  // Length 0 leaves the current length; before any length, the duration stands in.
  EXPECT_EQ(Sorted(ParseNoteString("0;C5;30,0;D5;0", kDefaults).records),
            Join({Note(60, 0, 30), Note(62, 0, 30)}));
  EXPECT_EQ(Sorted(ParseNoteString("0;C5;0", kDefaults).records), Note(60, 0, 50));
  // The records come sorted by time, program changes first at equal times.
  const ParsedNotes later = ParseNoteString("0;C5;10,10;I5;0", kDefaults);
  EXPECT_EQ(later.records, (std::vector<NoteRecord>{
                               {0, kNoteOn, 60, 0}, {10, kProgramChange, 5, 0}, {10, kNoteOff, 60, 0}}));
}

TEST(NoteString, ChordFlag) {
  const std::pair<const char*, bool> cases[] = {
      {"0;C5;10,0;E5;10", true},
      {"0;C5;10,0;C5;20", false},
      {"0;C5;10,1;E5;10", false},
      // A length given once and then left out stays the same length.
      {"0;C5;10,0;E5,G5", true},
      // The duration taken for a missing length is a given length too.
      {"0;C5,0;E5;20", false},
      {"0;C5,0;E5;50", true},
      // A start that does not read as a number is not 0 either, though its item sounds nothing.
      {"5X;C5;10,0;E5;10", false},
      {"0.5;C5;10,0;E5;10", false},
  };
  for (const auto& [text, chord] : cases)
    EXPECT_EQ(ParseNoteString(text, kDefaults).chord, chord) << text;
}

TEST(NoteString, EmptyTextsAndTheEndOfTheText) {
  for (const char* text : {"", "   ", ",", ",,,", " , , "})
    EXPECT_TRUE(ParseNoteString(text, kDefaults).records.empty()) << '"' << text << '"';
  // Two commas in a row are skipped; an item of control characters ends the text.
  EXPECT_EQ(Notes(ParseNoteString("0;C5;10,,0;D5;10", kDefaults)), (std::vector<std::uint32_t>{60, 62}));
  EXPECT_EQ(Notes(ParseNoteString("0;C5;10,\t,0;D5;10", kDefaults)), std::vector<std::uint32_t>{60});
}

TEST(NoteString, TimesPastTheLastTickAreRefusedNotWrappedRound) {
  constexpr std::uint32_t kLast = 4294967295;
  const struct {
    const char* text;
    std::uint32_t lastTime; // of the last record; 0: refused
  } cases[] = {
      {"2147483647;C5;2147483647,2147483647;D5;1", kLast},
      {"2147483647;C5;2147483647,2147483647;D5;2", 0},   // the note-off would pass the last tick
      {"2147483647;C5;1,2147483647;D5;1,2;E5;1", 0},     // so would the start
      {"2147483647;I5;0,2147483647;I6;0,1;I7;0", kLast}, // a program change has no length
  };
  for (const auto& [text, lastTime] : cases) {
    if (lastTime == 0) {
      EXPECT_THROW(ParseNoteString(text, kDefaults), Error) << text;
      continue;
    }
    const ParsedNotes parsed = ParseNoteString(text, kDefaults);
    ASSERT_FALSE(parsed.records.empty()) << text;
    EXPECT_EQ(parsed.records.back().time, lastTime) << text;
    EXPECT_NE(parsed.records.back().kind, kNoteOn) << text;
  }
}

TEST(NoteString, InstrumentsAndPercussion) {
  // A percussion instrument from a melodic channel: records on channel 9 carry the instrument.
  EXPECT_EQ(ParseNoteString("0;C5;10", {0, 130, 4, 50}).records, Note(130, 0, 10, 9));
  // An instrument change of the percussion range moves to channel 9; a melodic one comes back.
  EXPECT_EQ(Sorted(ParseNoteString("0;I140;0,0;C5;10,10;I5;0,0;D5;10", {2, 0, 4, 50}).records),
            Join({{{0, kProgramChange, 140, 9}},
                  Note(140, 0, 10, 9),
                  {{10, kProgramChange, 5, 2}},
                  Note(62, 10, 20, 2)}));
  // On the percussion channel no program-change record, and notes keep their numbers.
  EXPECT_EQ(ParseNoteString("0;I130;0,0;C5;10", {9, 0, 4, 50}).records, Note(60, 0, 10, 9));
  EXPECT_EQ(ParseNoteString("0;I5;0,0;C5;10", {9, 140, 4, 50}).records, Note(60, 0, 10, 9));
}

} // namespace
} // namespace arvento::player
