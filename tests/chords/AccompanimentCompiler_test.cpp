#include "TestSupport.h"
#include "chords/AccompanimentCompiler.h"
#include "core/Error.h"

#include <gtest/gtest.h>

using namespace arvento::chords;
using arvento::SoundSettings;
using Lines = std::vector<std::string>;

namespace {

AccompanimentSettings Piano(int arpeggio = 0, int octaveShift = 2) {
  return {false, arpeggio, octaveShift};
}
AccompanimentSettings Guitar(int arpeggio = 0, int octaveShift = 2) {
  return {true, arpeggio, octaveShift};
}

Lines EventsOf(const Lines& lines, const AccompanimentSettings& settings, int channel = 1,
               int velocity = 100) {
  return AccompanimentEvents(ExpandChordLines(lines, settings).expandedChords, settings, channel, velocity);
}

// The note events of the compiled part file as the independent reader sees them.
Lines NotesOf(const Lines& lines, const AccompanimentSettings& settings, const SoundSettings& sound = {}) {
  arvento::test::TempDir dir;
  const auto file = dir.path() / "ch1v1a.mid";
  arvento::test::WriteBytes(file, CompileAccompaniment(lines, settings, sound));
  return arvento::test::MidiCsvNotes(file);
}

std::string ErrorOf(const Lines& lines, const AccompanimentSettings& settings) {
  try {
    CompileAccompaniment(lines, settings, {});
  } catch (const arvento::Error& error) {
    return error.what();
  }
  ADD_FAILURE() << "no error for " << lines.front();
  return {};
}

} // namespace

TEST(AccompanimentCompiler, WorkedExample) {
  AccompanimentResult details;
  const std::vector<std::uint8_t> bytes = CompileAccompaniment({"4(C)"}, Piano(), {}, &details);
  EXPECT_EQ(bytes, arvento::test::Bytes("4D 54 68 64 00 00 00 06 00 01 00 02 00 32 "
                                        "4D 54 72 6B 00 00 00 13 00 FF 51 03 07 A1 20 "
                                        "00 FF 58 04 04 02 24 08 00 FF 2F 00 "
                                        "4D 54 72 6B 00 00 00 28 00 FF 03 01 00 00 B0 01 32 00 C0 00 "
                                        "00 90 3C 64 00 90 40 64 00 90 43 64 "
                                        "30 80 3C 64 00 80 40 64 00 80 43 64 00 FF 2F 00"));
  EXPECT_EQ(details.cleanedLines, Lines{"4(C),"});
  EXPECT_EQ(details.expandedChords, Lines{"1*4C4, 0E4, 0G4, "});
  EXPECT_TRUE(details.skipped.empty());
  EXPECT_EQ(details.events, (Lines{"00 90 3C 64 ", "00 90 40 64 ", "00 90 43 64 ", "30 80 3C 64 ",
                                   "00 80 40 64 ", "00 80 43 64 "}));
  EXPECT_EQ(NotesOf({"4(C)"}, Piano()),
            (Lines{"2 0 Note_on_c 0 60 100", "2 0 Note_on_c 0 64 100", "2 0 Note_on_c 0 67 100",
                   "2 48 Note_off_c 0 60 100", "2 48 Note_off_c 0 64 100", "2 48 Note_off_c 0 67 100"}));

  // A quarter rest before the chord delays its first note-on only.
  const Lines rested = EventsOf({"4(P),4(C)"}, Piano());
  ASSERT_EQ(rested.size(), 6u);
  EXPECT_EQ(rested[0], "30 90 3C 64 ");
  EXPECT_EQ(rested[1], "00 90 40 64 ");
  EXPECT_EQ(rested[3], "30 80 3C 64 ");
  EXPECT_EQ(ExpandChordLines({"4(P),4(C)"}, Piano()).expandedChords, (Lines{"1*4P,", "1*4C4, 0E4, 0G4, "}));
}

TEST(AccompanimentCompiler, ItemLengths) {
  // The first note-off of a struck chord falls one item length after its note-on.
  const std::pair<const char*, const char*> cases[] = {
      {"2*4(C)", "60 80 3C 64 "},   {"4.(C)", "48 80 3C 64 "},   {"16(C)", "0C 80 3C 64 "},
      {"64(C)", "00 80 3C 64 "},    {"1(C)", "81 40 80 3C 64 "}, {"3(C)", "3C 80 3C 64 "},
      {"2.(C)", "81 10 80 3C 64 "},
  };
  for (const auto& [item, noteOff] : cases) {
    const Lines events = EventsOf({item}, Piano());
    ASSERT_EQ(events.size(), 6u) << item;
    EXPECT_EQ(events[3], noteOff) << item;
  }
  EXPECT_EQ(NotesOf({"2*4(C)"}, Piano())[3], "2 96 Note_off_c 0 60 100");
}

TEST(AccompanimentCompiler, StaggerPrefixAndArpeggioSetting) {
  // A3: staggers the tones by 3 ticks although the arpeggio is off.
  EXPECT_EQ(EventsOf({"A3:4(Am)"}, Piano()), (Lines{"00 90 39 64 ", "03 90 3C 64 ", "03 90 40 64 ",
                                                    "2A 80 39 64 ", "00 80 3C 64 ", "00 80 40 64 "}));
  EXPECT_EQ(ExpandChordLines({"A3:4(Am)", "a3:4(Am)", "3:4(Am)"}, Piano()).expandedChords,
            (Lines{"3:1*4A3, 0C4, 0E4, ", "3:1*4A3, 0C4, 0E4, ", "3:1*4A3, 0C4, 0E4, "}));
  // 0: and no prefix take the arpeggio setting.
  for (const char* item : {"0:4(Am)", "A0:4(Am)", "4(Am)"}) {
    const Lines events = EventsOf({item}, Piano(5));
    ASSERT_EQ(events.size(), 6u) << item;
    EXPECT_EQ(events[1], "05 90 3C 64 ") << item;
    EXPECT_EQ(events[2], "05 90 40 64 ") << item;
    EXPECT_EQ(events[3], "26 80 39 64 ") << item;
    EXPECT_EQ(EventsOf({item}, Piano())[1], "00 90 3C 64 ") << item;
  }
  // The prefix wins over the setting; 20 ticks are written 14.
  EXPECT_EQ(EventsOf({"A20:4(Am)"}, Piano(5))[1], "14 90 3C 64 ");
}

TEST(AccompanimentCompiler, GuitarArpeggioStartsSixTonesAndStopsThemTogether) {
  const Lines events = EventsOf({"4(C)"}, Guitar(5));
  EXPECT_EQ(events, (Lines{"00 90 34 64 ", "05 90 3C 64 ", "05 90 40 64 ", "05 90 43 64 ", "05 90 48 64 ",
                           "05 90 4F 64 ", "17 80 34 64 ", "00 80 3C 64 ", "00 80 40 64 ", "00 80 43 64 ",
                           "00 80 48 64 ", "00 80 4F 64 "}));
  EXPECT_EQ(NotesOf({"4(C)"}, Guitar(5)),
            (Lines{"2 0 Note_on_c 0 52 100", "2 5 Note_on_c 0 60 100", "2 10 Note_on_c 0 64 100",
                   "2 15 Note_on_c 0 67 100", "2 20 Note_on_c 0 72 100", "2 25 Note_on_c 0 79 100",
                   "2 48 Note_off_c 0 52 100", "2 48 Note_off_c 0 60 100", "2 48 Note_off_c 0 64 100",
                   "2 48 Note_off_c 0 67 100", "2 48 Note_off_c 0 72 100", "2 48 Note_off_c 0 79 100"}));
  // Staggers longer than the chord: the note-off delta is 0 and the chord
  // lasts as long as its staggers.
  const Lines late = NotesOf({"A30:4(C)"}, Guitar());
  ASSERT_EQ(late.size(), 12u);
  EXPECT_EQ(late[5], "2 150 Note_on_c 0 79 100");
  EXPECT_EQ(late[6], "2 150 Note_off_c 0 52 100");
}

TEST(AccompanimentCompiler, RestsCarryOverAndATrailingRestIsDropped) {
  EXPECT_EQ(EventsOf({"4(P)", "4(C)"}, Piano())[0], "30 90 3C 64 ");
  EXPECT_EQ(EventsOf({"4(P),8(p),2*4(Pause)", "4(C)"}, Piano())[0], "81 28 90 3C 64 "); // 48 + 24 + 96 = 168
  EXPECT_EQ(EventsOf({"4(C),4(P)"}, Piano()), EventsOf({"4(C)"}, Piano()));
  EXPECT_TRUE(EventsOf({"4(P)"}, Guitar()).empty());
  // The rest is spent after the previous chord's note-offs.
  const Lines notes = NotesOf({"4(C),4(P),4(C)"}, Piano());
  ASSERT_EQ(notes.size(), 12u);
  EXPECT_EQ(notes[6], "2 96 Note_on_c 0 60 100");
  EXPECT_EQ(notes[9], "2 144 Note_off_c 0 60 100");
}

TEST(AccompanimentCompiler, ABadChordLosesTheRestOfItsLineAndIsReported) {
  const AccompanimentResult result = ExpandChordLines({"4(C),4(A#),4(G)", "4(Dm)", "4(E#m), 2(C)"}, Piano());
  EXPECT_EQ(result.expandedChords, (Lines{"1*4C4, 0E4, 0G4, ", "1*4D4, 0F4, 0A4, "}));
  ASSERT_EQ(result.skipped.size(), 2u);
  EXPECT_EQ(result.skipped[0],
            "Строка 1, аккорд \"4(A#)\": неизвестный основной тон \"A#\"; пропущено до конца "
            "строки: \"4(A#),4(G),\"");
  EXPECT_NE(result.skipped[1].find("Строка 3, аккорд \"4(E#m)\""), std::string::npos) << result.skipped[1];
  EXPECT_NE(result.skipped[1].find("4(E#m),2(C),"), std::string::npos) << result.skipped[1];

  // Empty symbols, missing brackets and eight tones on the piano are skipped the same way.
  for (const char* line : {"4(C),4()", "4(C),4(C", "4(C),,4(G)", "4(C),1(C+7/7/9/11/13)"}) {
    const AccompanimentResult skipped = ExpandChordLines({line}, Piano());
    EXPECT_EQ(skipped.expandedChords.size(), 1u) << line;
    EXPECT_EQ(skipped.skipped.size(), 1u) << line;
  }
  // The guitar drops the surplus of that chord instead.
  EXPECT_TRUE(ExpandChordLines({"1(C+7/7/9/11/13)"}, Guitar()).skipped.empty());
  EXPECT_EQ(NotesOf({"4(C),4(A#),4(G)", "4(Dm)"}, Piano()).size(), 12u);
}

TEST(AccompanimentCompiler, LinesAreWrittenBackWithoutBlanksAndWithATrailingComma) {
  const AccompanimentResult result =
      ExpandChordLines({"4(C) ,4(G)", "   ", "", " 2 * 4 ( Am ) ,", "4(C),"}, Piano());
  EXPECT_EQ(result.cleanedLines, (Lines{"4(C),4(G),", "   ", "", "2*4(Am),", "4(C),"}));
  EXPECT_EQ(result.expandedChords,
            (Lines{"1*4C4, 0E4, 0G4, ", "1*4G3, 0H3, 0D4, ", "2*4A3, 0C4, 0E4, ", "1*4C4, 0E4, 0G4, "}));
  // Everything after the ")" of an item is ignored.
  EXPECT_EQ(ExpandChordLines({"4(C)xyz"}, Piano()).expandedChords, Lines{"1*4C4, 0E4, 0G4, "});
}

TEST(AccompanimentCompiler, OctaveShiftMovesEveryKeyByTwelve) {
  const Lines lines = {"4(C),4(Am),A5:8(G7)"};
  const Lines normal = NotesOf(lines, Guitar(3));
  const Lines higher = NotesOf(lines, Guitar(3, 3));
  ASSERT_EQ(normal.size(), higher.size());
  ASSERT_EQ(normal.size(), 36u);
  for (std::size_t i = 0; i < normal.size(); ++i) {
    const std::size_t keyAt = normal[i].rfind(' ', normal[i].rfind(' ') - 1) + 1;
    const int key = std::stoi(normal[i].substr(keyAt));
    EXPECT_EQ(higher[i], normal[i].substr(0, keyAt) + std::to_string(key + 12) + " 100");
  }
}

TEST(AccompanimentCompiler, EmptyFieldGivesOnlyThePrologue) {
  arvento::test::TempDir dir;
  const auto file = dir.path() / "empty.mid";
  const std::vector<std::uint8_t> bytes = CompileAccompaniment({"", "  "}, Guitar(), {});
  EXPECT_EQ(bytes.size(), 65u);
  arvento::test::WriteBytes(file, bytes);
  EXPECT_TRUE(arvento::test::MidiCsvNotes(file).empty());
  EXPECT_NE(arvento::test::MidiCsv(file).find("End_track"), std::string::npos);
}

TEST(AccompanimentCompiler, UnreadableEntriesStopTheCompile) {
  EXPECT_NE(ErrorOf({"a:4(C)"}, Piano()).find("шаг арпеджио"),
            std::string::npos); // a stagger mark without a number
  const std::string noDuration = ErrorOf({"(C)"}, Piano());
  EXPECT_NE(noDuration.find("Аккорд 1 (\"1*C4, 0E4, 0G4,\"): нет длительности перед \"(\""),
            std::string::npos)
      << noDuration;
  ErrorOf({"4(C),(G)"}, Guitar());
  ErrorOf({"A-3:4(C)"}, Guitar());
  EXPECT_THROW(AccompanimentEvents({"1*"}, Piano(), 1, 100), arvento::Error);
  // A repeat factor that is no number, or 0, would give notes without length.
  for (const std::string item : {"x*4(C)", "*4(C)", "0*4(C)"})
    EXPECT_NE(ErrorOf({item}, Piano()).find("множитель повтора перед \"*\" должен быть числом от 1"),
              std::string::npos)
        << item;
  try {
    AccompanimentEvents({"1*4X4, "}, Piano(), 1, 100);
    ADD_FAILURE() << "X is no note name";
  } catch (const arvento::Error& error) {
    EXPECT_NE(std::string(error.what()).find("не прочитать ноту \"4X4\""), std::string::npos) << error.what();
  }
  EXPECT_THROW(AccompanimentEvents({"1*4C, "}, Piano(), 1, 100), arvento::Error);
  EXPECT_THROW(AccompanimentEvents({"1*4C4, "}, Piano(-1), 1, 100), arvento::Error);
  EXPECT_THROW(AccompanimentEvents({"99999999*1C4, "}, Piano(), 1, 100),
               arvento::Error); // too long for a delta

  // The expansion reaches the caller all the same, so the field can show the cleaned lines.
  AccompanimentResult details;
  EXPECT_THROW(CompileAccompaniment({"4(C) ,4(A#)", "(G)"}, Piano(), {}, &details), arvento::Error);
  EXPECT_EQ(details.cleanedLines, (Lines{"4(C),4(A#),", "(G),"}));
  EXPECT_EQ(details.skipped.size(), 1u);
  EXPECT_TRUE(details.events.empty());
}

TEST(AccompanimentCompiler, StaggerAbove127IsWrittenAsAVariableLengthQuantity) {
  EXPECT_EQ(EventsOf({"A127:4(C)"}, Piano())[1], "7F 90 40 64 ");
  EXPECT_EQ(EventsOf({"A200:4(C)"}, Piano()), (Lines{"00 90 3C 64 ", "81 48 90 40 64 ", "81 48 90 43 64 ",
                                                     "00 80 3C 64 ", "00 80 40 64 ", "00 80 43 64 "}));
  EXPECT_EQ(NotesOf({"A200:4(C),4(G)"}, Piano()),
            (Lines{"2 0 Note_on_c 0 60 100", "2 200 Note_on_c 0 64 100", "2 400 Note_on_c 0 67 100",
                   "2 400 Note_off_c 0 60 100", "2 400 Note_off_c 0 64 100", "2 400 Note_off_c 0 67 100",
                   "2 400 Note_on_c 0 55 100", "2 400 Note_on_c 0 59 100", "2 400 Note_on_c 0 62 100",
                   "2 448 Note_off_c 0 55 100", "2 448 Note_off_c 0 59 100", "2 448 Note_off_c 0 62 100"}));
}

TEST(AccompanimentCompiler, KeysOutsideTheMidiRangeRefuseTheCompile) {
  // Octave shift 7 still fits the piano C (G4 is key 127), 8 does not.
  EXPECT_EQ(EventsOf({"4(C)"}, Piano(0, 7))[2], "00 90 7F 64 ");
  const std::string high = ErrorOf({"4(P)", "4(C)"}, Piano(0, 8));
  EXPECT_NE(high.find("Аккорд 2 (\"1*4C4, 0E4, 0G4,\")"), std::string::npos) << high;
  EXPECT_NE(high.find("сдвиге октавы 8"), std::string::npos) << high;
  EXPECT_NE(high.find("132"), std::string::npos) << high;
  // Downwards: C4 at shift -3 is key 0, A3 is below it.
  EXPECT_EQ(EventsOf({"4(C)"}, Piano(0, -3))[0], "00 90 0 64 ");
  const std::string low = ErrorOf({"4(Am)"}, Piano(0, -3));
  EXPECT_NE(low.find("сдвиге октавы -3"), std::string::npos) << low;
  EXPECT_NE(low.find("A3"), std::string::npos) << low;
}

TEST(AccompanimentCompiler, ChannelAndVelocity) {
  const Lines loud = EventsOf({"4(C)"}, Piano(), 16, 200);
  EXPECT_EQ(loud[0], "00 9F 3C 7F ");
  EXPECT_EQ(loud[3], "30 8F 3C 7F ");
  EXPECT_EQ(EventsOf({"4(C)"}, Piano(), 1, 10)[0], "00 90 3C A ");
  SoundSettings sound;
  sound.channel = 16;
  sound.volume = 300;
  EXPECT_EQ(NotesOf({"4(C)"}, Piano(), sound)[0], "2 0 Note_on_c 15 60 127");
}

TEST(ChordTextWarnings, OnePerDistinctFlatSymbolInTheOrderOfFirstAppearance) {
  const std::pair<Lines, Lines> cases[] = {
      {{"4(Eb), 4(Ab7), 2*4(Eb)", "A3:8(eb), 4(Bb), 4(E b)"},
       {"Eb читается как E: бемолей нет, пишите D#", "Ab7 читается как A7: бемолей нет, пишите G#7"}},
      // A line that cannot be voiced still warns of its flats.
      {{"4(A#), 4(Db)"}, {"Db читается как D: бемолей нет, пишите C#"}},
      {{"4(Am), 4(Bb), 4(P)", "", "4(C)"}, {}},
      {{}, {}},
  };
  for (const auto& [lines, warnings] : cases)
    EXPECT_EQ(ChordTextWarnings(lines), warnings) << (lines.empty() ? "" : lines.front());
}

TEST(BaseChordLine, ABareSymbolBecomesAWholeNote) {
  EXPECT_EQ(BaseChordLine("Am"), "1(Am), ");
  EXPECT_EQ(BaseChordLine("4(Am)"), "4(Am), ");
  EXPECT_EQ(BaseChordLine("2(C),"), "2(C),");
  EXPECT_EQ(BaseChordLine("Am,"), "1(Am,)");
  const Lines notes = NotesOf({BaseChordLine("Am")}, Piano());
  ASSERT_EQ(notes.size(), 6u);
  EXPECT_EQ(notes[3], "2 192 Note_off_c 0 57 100");
}
