#include "TestSupport.h"
#include "chords/AccompanimentCompiler.h"
#include "chords/EntryWriter.h"

#include <gtest/gtest.h>

using namespace arvento::chords;
using arvento::test::Bytes;
using Lines = std::vector<std::string>;

namespace {
AccompanimentSettings Piano(int arpeggio = 0, int octaveShift = 2) {
  return {false, arpeggio, octaveShift};
}

AccompanimentResult Expanded(const Lines& lines, const AccompanimentSettings& settings) {
  return ExpandChordLines(lines, settings, true, [](const std::string&) {});
}

// The events of entries of the expanded chord list.
std::vector<std::uint8_t> Written(const Lines& entries, const AccompanimentSettings& settings,
                                  int channel = 1, int velocity = 100) {
  arvento::midi::TrackBody track;
  EntryWriter writer(settings, channel, velocity, track);
  for (const std::string& entry : entries)
    writer.Write(entry);
  return track.Bytes();
}

// The note events of the compiled part file as the independent reader midicsv sees them.
Lines NotesOf(const Lines& lines, const AccompanimentSettings& settings) {
  arvento::test::TempDir dir;
  const std::vector<std::uint8_t> bytes = CompileAccompaniment(lines, settings, {});
  arvento::test::WriteText(dir.path() / "ch1v1a.mid", {bytes.begin(), bytes.end()});
  return arvento::test::MidiCsvNotes(dir.path() / "ch1v1a.mid");
}

std::string ErrorOf(const Lines& entries, const AccompanimentSettings& settings = Piano()) {
  return arvento::test::ErrorText([&] { Written(entries, settings); });
}

// The note-ons of 4(C) on the piano struck together, the note-offs after the first, and all of them a quarter
// on.
const std::string kC = "00 90 3C 64 00 90 40 64 00 90 43 64 ", kCOffs = "00 80 40 64 00 80 43 64 ";
const std::string kCQuarterOffs = "30 80 3C 64 " + kCOffs;
const std::string kAmStaggered = "00 90 39 64 03 90 3C 64 03 90 40 64 2A 80 39 64 00 80 3C 64 00 80 40 64 ";
} // namespace

// The notes of the piano chord and the guitar arpeggio as the independent reader midicsv sees them.
TEST(AccompanimentCompiler, WorkedExamplesPianoChordAndGuitarArpeggio) {
  EXPECT_EQ(NotesOf({"4(C)"}, Piano()),
            (Lines{"2 0 Note_on_c 0 60 100", "2 0 Note_on_c 0 64 100", "2 0 Note_on_c 0 67 100",
                   "2 48 Note_off_c 0 60 100", "2 48 Note_off_c 0 64 100", "2 48 Note_off_c 0 67 100"}));

  // The guitar arpeggio starts six tones one stagger apart and stops them together.
  EXPECT_EQ(NotesOf({"4(C)"}, AccompanimentSettings{true, 5, 2}),
            (Lines{"2 0 Note_on_c 0 52 100", "2 5 Note_on_c 0 60 100", "2 10 Note_on_c 0 64 100",
                   "2 15 Note_on_c 0 67 100", "2 20 Note_on_c 0 72 100", "2 25 Note_on_c 0 79 100",
                   "2 48 Note_off_c 0 52 100", "2 48 Note_off_c 0 60 100", "2 48 Note_off_c 0 64 100",
                   "2 48 Note_off_c 0 67 100", "2 48 Note_off_c 0 72 100", "2 48 Note_off_c 0 79 100"}));
}

// The first note-off falls one item length after the note-ons, shortened by the staggers. A stagger prefix
// spreads the tones although the arpeggio is off; 0: and no prefix take the setting, a prefix wins over
// it, and one above 127 is written as a variable-length quantity. Rests carry over lines to the next
// note-on, after the previous chord's note-offs; a trailing rest is dropped. The octave shift moves every
// key by twelve: 7 still fits the piano C, its G4 being key 127.
TEST(AccompanimentCompiler, EventsOfChordItems) {
  const std::tuple<Lines, AccompanimentSettings, std::string> cases[] = {
      {{"2*4(C)"}, Piano(), kC + "60 80 3C 64 " + kCOffs},
      {{"4.(C)"}, Piano(), kC + "48 80 3C 64 " + kCOffs},
      {{"64(C)"}, Piano(), kC + "00 80 3C 64 " + kCOffs},
      {{"1(C)"}, Piano(), kC + "81 40 80 3C 64 " + kCOffs},
      {{"A3:4(Am)", "a3:4(Am)", "3:4(Am)"}, Piano(), kAmStaggered + kAmStaggered + kAmStaggered},
      {{"0:4(Am)", "A0:4(Am)"}, Piano(3), kAmStaggered + kAmStaggered},
      {{"A3:4(Am)"}, Piano(5), kAmStaggered},
      {{"A200:4(C)"}, Piano(), "00 90 3C 64 81 48 90 40 64 81 48 90 43 64 00 80 3C 64 " + kCOffs},
      {{"4(P),8(p),2*4(Pause)", "4(C)"}, Piano(), "81 28" + kC.substr(2) + kCQuarterOffs},
      {{"4(C),4(P),4(C),4(P)"}, Piano(), kC + kCQuarterOffs + "30" + kC.substr(2) + kCQuarterOffs},
      {{"4(P)"}, AccompanimentSettings{}, ""},
      {{"4(C)"}, Piano(0, 7), "00 90 78 64 00 90 7C 64 00 90 7F 64 30 80 78 64 00 80 7C 64 00 80 7F 64 "},
      {{"4(C)"}, Piano(0, -3), "00 90 0 64 00 90 4 64 00 90 7 64 30 80 0 64 00 80 4 64 00 80 7 64 "},
  };
  for (const auto& [lines, settings, events] : cases)
    EXPECT_EQ(Written(Expanded(lines, settings).expandedChords, settings), Bytes(events)) << lines[0];
  // Channel 1..16 in the status byte; a velocity above 127 is written as 127.
  EXPECT_EQ(Written({"1*4C4, "}, Piano(), 16, 200), Bytes("00 9F 3C 7F 30 8F 3C 7F"));
}

TEST(AccompanimentCompiler, LinesAreCleanedAndABadChordLosesTheRestOfItsLine) {
  const AccompanimentResult result =
      Expanded({"4(C) ,4(A#),4(G)", "   ", " 2 * 4 ( Am )x ,", "4(E#m), 2(C)"}, Piano());
  EXPECT_EQ(result.cleanedLines, (Lines{"4(C),4(A#),4(G),", "   ", "2*4(Am)x,", "4(E#m),2(C),"}));
  EXPECT_EQ(result.expandedChords, (Lines{"1*4C4, 0E4, 0G4, ", "2*4A3, 0C4, 0E4, "}));
  EXPECT_EQ(result.skipped,
            (Lines{"Строка 1, аккорд \"4(A#)\": неизвестный основной тон \"A#\"; пропущено до конца строки: "
                   "\"4(A#),4(G),\"",
                   "Строка 4, аккорд \"4(E#m)\": неизвестный основной тон \"E#\"; пропущено до конца строки: "
                   "\"4(E#m),2(C),\""}));
  // Empty symbols, missing brackets and eight tones on the piano are skipped the same way; the guitar
  // drops the surplus tones instead.
  for (const char* line : {"4(C),4()", "4(C),4(C", "4(C),,4(G)", "4(C),1(C+7/7/9/11/13)"})
    EXPECT_EQ(Expanded({line}, Piano()).skipped.size(), 1u) << line;
  EXPECT_TRUE(Expanded({"1(C+7/7/9/11/13)"}, AccompanimentSettings{}).skipped.empty());
}

TEST(AccompanimentCompiler, UnreadableEntriesStopTheCompile) {
  const std::string stagger = "шаг арпеджио перед \":\" должен быть числом от 0 до 268435455";
  const std::string factor = "множитель повтора перед \"*\" должен быть числом от 1 до 2147483647";
  const std::pair<Lines, std::string> cases[] = {
      {{":1*4C4, 0E4, "}, "Аккорд 1 (\":1*4C4, 0E4,\"): " + stagger},
      {{"1*C4, 0E4, 0G4, "}, "Аккорд 1 (\"1*C4, 0E4, 0G4,\"): нет длительности перед \"(\""},
      {{"x*4C4, "}, "Аккорд 1 (\"x*4C4,\"): " + factor},
      {{"0*4C4, "}, "Аккорд 1 (\"0*4C4,\"): " + factor},
      {{"1*"}, "Аккорд 1 (\"1*\"): нет нот после множителя"},
      {{"1*4C4, , 0E4, "}, "Аккорд 1 (\"1*4C4, , 0E4,\"): пустая нота"},
      {{"1*4X4, "}, "Аккорд 1 (\"1*4X4,\"): не прочитать ноту \"4X4\""},
      {{"1*4C, "}, "Аккорд 1 (\"1*4C,\"): у ноты C нет октавы"},
      {{"99999999*1C4, "}, "Аккорд 1 (\"99999999*1C4,\"): слишком длинный аккорд"},
      {{"1398101*1P,", "1398101*1P,"}, "Аккорд 2 (\"1398101*1P,\"): слишком длинная пауза"},
  };
  for (const auto& [entries, message] : cases)
    EXPECT_EQ(ErrorOf(entries), message) << entries.back();
  EXPECT_EQ(ErrorOf({"1*4P,", "1*4C4, "}, Piano(0, 8)),
            "Аккорд 2 (\"1*4C4,\"): нота C4 при сдвиге октавы 8 выходит за пределы MIDI (клавиша 132, "
            "допустимо 0..127)");
  EXPECT_EQ(ErrorOf({"1*4A3, "}, Piano(0, -3)), "Аккорд 1 (\"1*4A3,\"): нота A3 при сдвиге октавы -3 выходит "
                                                "за пределы MIDI (клавиша -3, допустимо 0..127)");
  EXPECT_EQ(ErrorOf({"1*4C4, "}, Piano(-1)), "шаг арпеджио должен быть от 0 до 268435455");
  // The expansion reaches the caller all the same, so the field can show the cleaned lines.
  AccompanimentResult details;
  EXPECT_THROW(CompileAccompaniment({"4(C) ,4(A#)", "(G)"}, Piano(), {}, &details), arvento::Error);
  EXPECT_EQ(details.cleanedLines, (Lines{"4(C),4(A#),", "(G),"}));
  EXPECT_EQ(details.skipped.size(), 1u);
}

TEST(ChordLines, FlatWarningsOncePerSymbolInOrderAndTheBaseChordLine) {
  EXPECT_EQ(
      ChordTextWarnings({"4(Eb), 4(Ab7), 2*4(Eb)", "A3:8(eb), 4(Bb), 4(E b)", "4(A#), 4(Db)", "", "4(P)"}),
      (Lines{"Eb читается как E: бемолей нет, пишите D#", "Ab7 читается как A7: бемолей нет, пишите G#7",
             "Db читается как D: бемолей нет, пишите C#"}));
  EXPECT_TRUE(ChordTextWarnings({"4(Am), 4(Bb), 4(P)", "", "4(C)"}).empty());
  // The base chord field's line: a bare symbol becomes a whole note.
  const std::pair<const char*, const char*> cases[] = {
      {"Am", "1(Am), "}, {"4(Am)", "4(Am), "}, {"2(C),", "2(C),"}, {"Am,", "1(Am,)"}, {"", "1(), "},
  };
  for (const auto& [base, line] : cases)
    EXPECT_EQ(BaseChordLine(base), line) << base;
}
