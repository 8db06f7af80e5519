// arvento-cli chords, tones and voice driven from the shell.

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace arvento::test;
using Lines = std::vector<std::string>;

namespace {

const std::string kCli = ARVENTO_CLI;

CommandResult Cli(const std::string& arguments) {
  return RunCommand(kCli + " " + arguments);
}

} // namespace

TEST(ChordsCommand, CompilesAChordSequenceWithTheWindowsDefaults) {
  TempDir dir;
  WriteText(dir.path() / "song.txt", "4(Am), 4(C)\r\n\r\n4(G), 4(E)\r\n");
  const CommandResult result =
      Cli("chords " + (dir.path() / "song.txt").string() + " -o " + (dir.path() / "ch1v1a.mid").string());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(result.err.empty()) << result.err;
  const Lines notes = MidiCsvNotes(dir.path() / "ch1v1a.mid");
  ASSERT_EQ(notes.size(), 48u); // four guitar chords of six strings, struck
  // Am on the guitar: E3 A3 E4 A4 C5 E5, all at once.
  const Lines am = {"2 0 Note_on_c 0 52 100", "2 0 Note_on_c 0 57 100", "2 0 Note_on_c 0 64 100",
                    "2 0 Note_on_c 0 69 100", "2 0 Note_on_c 0 72 100", "2 0 Note_on_c 0 76 100"};
  EXPECT_EQ(Lines(notes.begin(), notes.begin() + 6), am);
  EXPECT_EQ(notes[47], "2 192 Note_off_c 0 80 100"); // G#5 of E major ends the fourth quarter
  // The prologue carries the window's start settings: modulation 50, program 0, division 50.
  const std::string csv = MidiCsv(dir.path() / "ch1v1a.mid");
  EXPECT_NE(csv.find("Header, 1, 2, 50"), std::string::npos) << csv;
  EXPECT_NE(csv.find("Control_c, 0, 1, 50"), std::string::npos) << csv;
  EXPECT_NE(csv.find("Program_c, 0, 0"), std::string::npos) << csv;
}

TEST(ChordsCommand, StyleArpeggioOctaveAndSoundOptions) {
  TempDir dir;
  WriteText(dir.path() / "c.txt", "4(C)\n");
  const std::string out = (dir.path() / "out.mid").string();
  const CommandResult result = Cli("chords --style piano --arpeggio 5 --octave-shift 3 --channel 3 --volume "
                                   "90 --family 3 --instrument 1 " +
                                   (dir.path() / "c.txt").string() + " -o " + out);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(MidiCsvNotes(out),
            (Lines{"2 0 Note_on_c 2 72 90", "2 5 Note_on_c 2 76 90", "2 10 Note_on_c 2 79 90",
                   "2 48 Note_off_c 2 72 90", "2 48 Note_off_c 2 76 90", "2 48 Note_off_c 2 79 90"}));
  EXPECT_NE(MidiCsv(out).find("Program_c, 2, 25"), std::string::npos);

  // Standard input works as for melody.
  const CommandResult piped = RunCommand(kCli + " chords --style piano - -o " + out, "4(Am)\n");
  ASSERT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(MidiCsvNotes(out).front(), "2 0 Note_on_c 0 57 100");
}

TEST(ChordsCommand, SkippedChordsAreReportedAndTheFileIsStillWritten) {
  TempDir dir;
  WriteText(dir.path() / "s.txt", "4(C), 4(A#), 4(G)\n4(Dm)\n");
  const std::string out = (dir.path() / "out.mid").string();
  const CommandResult result = Cli("chords --style piano " + (dir.path() / "s.txt").string() + " -o " + out);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.err.find("Строка 1, аккорд \"4(A#)\""), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("4(A#),4(G),"), std::string::npos) << result.err;
  EXPECT_EQ(MidiCsvNotes(out).size(), 12u); // C and Dm
}

TEST(ChordsCommand, BadInputWritesNothingAndKeepsTheOldFile) {
  TempDir dir;
  const std::string out = (dir.path() / "out.mid").string();
  WriteText(out, "old");
  const auto run = [&](const std::string& text, const std::string& options) {
    WriteText(dir.path() / "in.txt", text);
    return Cli("chords " + options + " " + (dir.path() / "in.txt").string() + " -o " + out);
  };

  const CommandResult noNumber = run("a:4(C)\n", "");
  EXPECT_EQ(noNumber.status, 2);
  EXPECT_NE(noNumber.err.find("шаг арпеджио"), std::string::npos) << noNumber.err;

  const CommandResult tooHigh = run("4(C)\n", "--style piano --octave-shift 8");
  EXPECT_EQ(tooHigh.status, 2);
  EXPECT_NE(tooHigh.err.find("сдвиге октавы 8"), std::string::npos) << tooHigh.err;

  // A skipped line before the failure is reported too.
  const CommandResult both = run("4(A#)\n(C)\n", "");
  EXPECT_EQ(both.status, 2);
  EXPECT_NE(both.err.find("4(A#)"), std::string::npos) << both.err;
  EXPECT_NE(both.err.find("Аккорд 1"), std::string::npos) << both.err;

  EXPECT_EQ(run("4(C)\n", "--style banjo").status, 2);
  EXPECT_EQ(run("4(C)\n", "--arpeggio 21").status, 2);
  EXPECT_EQ(run("4(C)\n", "--octave-shift x").status, 2);
  EXPECT_EQ(Cli("chords " + (dir.path() / "missing.txt").string() + " -o " + out).status, 2);
  EXPECT_EQ(Cli("chords " + (dir.path() / "in.txt").string()).status, 2); // no -o
  EXPECT_EQ(ReadText(out), "old");

  const CommandResult help = Cli("chords --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--arpeggio"), std::string::npos);
}

TEST(TonesCommand, PrintsTheTonesOfASymbol) {
  EXPECT_EQ(Cli("tones Am7").out, "A-C-E-G\n");
  EXPECT_EQ(Cli("tones C").out, "C-E-G\n");
  EXPECT_EQ(Cli("tones am").out, "A-C-E\n");
  EXPECT_EQ(Cli("tones Cdim").out, "C-D#-F#-A\n");
  EXPECT_EQ(Cli("tones 'C7/-9'").out, "C-E-G-B-C#\n");
  const CommandResult bad = Cli("tones 'A#'");
  EXPECT_EQ(bad.status, 2);
  EXPECT_TRUE(bad.out.empty());
  EXPECT_NE(bad.err.find("A#"), std::string::npos) << bad.err;
  EXPECT_EQ(Cli("tones").status, 2);
  EXPECT_EQ(Cli("tones C Am").status, 2);
}

TEST(VoiceCommand, PrintsTheVoicedChordText) {
  EXPECT_EQ(Cli("voice --style piano '4(C)'").out, "4C4, 0E4, 0G4, \n");
  EXPECT_EQ(Cli("voice '4(C)'").out, "4E3, 0C4, 0E4, 0G4, 0C5, 0G5, \n");
  EXPECT_EQ(Cli("voice --style piano '2.(Gm)'").out, "2.G3, 0B4, 0D4, \n");
  EXPECT_EQ(Cli("voice --style piano ' A3:2*4 (am) ,'").out, "4A3, 0C4, 0E4, \n");
  EXPECT_EQ(Cli("voice '4(P)'").out, "4P,\n");
  EXPECT_EQ(Cli("voice --style guitar '4(E)'").out, "4E3, 0H3, 0E4, 0H4, 0H4, 0G#5, \n");
  EXPECT_EQ(Cli("voice '4(A#)'").status, 2);
  EXPECT_EQ(Cli("voice --style organ '4(C)'").status, 2);
}
