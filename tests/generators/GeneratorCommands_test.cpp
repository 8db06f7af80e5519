#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace arvento::test;

namespace {
const std::string kCli = ARVENTO_CLI;

CommandResult Cli(const std::string& arguments, const std::string& input = {}) {
  return RunCommand(kCli + " " + arguments, input);
}

// A chord record file in a fresh directory, CR LF as the program writes text.
class ChordFile {
public:
  explicit ChordFile(const std::string& text) { WriteText(path(), text); }
  std::string path() const { return (dir_.path() / "chords.txt").string(); }

private:
  TempDir dir_;
};
} // namespace

TEST(CliPattern, PrintsOneMelodyLinePerChord) {
  const ChordFile chords("4(C), 4(Em), \r\n\r\n2(Am)\r\n");
  const CommandResult result = Cli("pattern --chords " + chords.path() + " '8a5, 8c6, 8e6, 8c6, '");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "1*8c5, 1*8e5, \n1*8e5, 1*8g5, \n1*8a5, 1*8c6, 1*8e6, 1*8c6, \n");
  EXPECT_EQ(result.err, "");

  // The chord record may come from standard input.
  const CommandResult piped = Cli("pattern --chords - '8a5, 8c6, 8e6, 8c6, '", "4(C), 4(Em), \n2(Am)\n");
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out, result.out);
}

TEST(CliPattern, DrumsMetreAndLength) {
  const ChordFile chords("1(C), 4(P)\n");
  const CommandResult drums = Cli("pattern --drums --chords " + chords.path() + " '8c4, 8f#4, '");
  EXPECT_EQ(drums.status, 0) << drums.err;
  EXPECT_EQ(drums.out, "1*8c4, 1*8f#4, 1*8c4, 1*8f#4, 1*8c4, 1*8f#4, 1*8c4, 1*8f#4, \n1*8c4, 1*8f#4, \n");

  const ChordFile bar("3*4(Am)\n");
  const CommandResult waltz =
      Cli("pattern --metre 3/4 --chords " + bar.path() + " '8a5, 8c6, 8e6, 8c6, 8p, '");
  EXPECT_EQ(waltz.status, 0) << waltz.err;
  EXPECT_EQ(waltz.out, "1*8a5, 1*8c6, 1*8e6, 1*8c6, 2*8p, \n");
  const CommandResult sixteenths =
      Cli("pattern --length 16 --chords " + bar.path() + " '16a5, 16c6, 16e6, 16c6, 16a5, 16p, '");
  EXPECT_EQ(sixteenths.status, 0) << sixteenths.err;
  EXPECT_EQ(sixteenths.out,
            "1*16a5, 1*16c6, 1*16e6, 1*16c6, 1*16a5, 3*16p, 1*16a5, 1*16c6, 1*16e6, 1*16c6, \n");
}

TEST(CliPattern, RefusalsGoToStandardErrorWithStatus1) {
  const ChordFile empty("");
  const CommandResult noChords = Cli("pattern --chords " + empty.path() + " '8a5, '");
  EXPECT_EQ(noChords.status, 1);
  EXPECT_EQ(noChords.out, "");
  EXPECT_EQ(noChords.err, "Не вижу аккорды, нечего ваять!\n");

  const ChordFile chords("4(Am)\nA3:8(Dm)\n");
  const CommandResult arpeggio = Cli("pattern --chords " + chords.path() + " '8a5, '");
  EXPECT_EQ(arpeggio.status, 1);
  EXPECT_EQ(arpeggio.out, "");
  EXPECT_NE(arpeggio.err.find("строке 2"), std::string::npos) << arpeggio.err;

  const ChordFile good("4(Am)\n");
  const CommandResult badPattern = Cli("pattern --chords " + good.path() + " '8a5, 8C6, '");
  EXPECT_EQ(badPattern.status, 1);
  EXPECT_EQ(badPattern.out, "");
  EXPECT_NE(badPattern.err.find("\"8C6\""), std::string::npos) << badPattern.err;
}

TEST(CliPattern, BadUsageIsStatus2) {
  const ChordFile chords("4(Am)\n");
  EXPECT_EQ(Cli("pattern '8a5, '").status, 2);
  EXPECT_EQ(Cli("pattern --chords " + chords.path()).status, 2);
  EXPECT_EQ(Cli("pattern --metre 5/4 --chords " + chords.path() + " '8a5, '").status, 2);
  EXPECT_EQ(Cli("pattern --length 32 --chords " + chords.path() + " '8a5, '").status, 2);
  const CommandResult missing = Cli("pattern --chords /nonexistent/chords.txt '8a5, '");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("/nonexistent/chords.txt"), std::string::npos) << missing.err;
  const CommandResult help = Cli("pattern --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--drums"), std::string::npos);
}

TEST(CliRhythm, PrintsOneChordLinePerItem) {
  const ChordFile chords("1(Am), 2(C),\n");
  const std::string expected = "2*8(Am), 1*8(p), 1*8(Am), 4*8(p), \n2*8(C), 1*8(p), 1*8(C), \n";
  // The end-of-row mark is added when missing; keys may be one argument or several.
  for (const std::string keys : {"'101,2 103,1p 104,1 105,28p'", "'101,2 103,1p 104,1 105,28p 105,28p%'",
                                 "101,2 103,1p 104,1 105,28p", "'104,1 101,2 105,28p 103,1p'"}) {
    const CommandResult result = Cli("rhythm --chords " + chords.path() + " " + keys);
    EXPECT_EQ(result.status, 0) << keys << ": " << result.err;
    EXPECT_EQ(result.out, expected) << keys;
    // The window's notice after a success is not printed.
    EXPECT_EQ(result.err, "") << keys;
  }
  const ChordFile waltz("2.(Am)\n");
  const CommandResult threeFour =
      Cli("rhythm --metre 3/4 --length 16 --chords " + waltz.path() + " '101,2 103,22p'");
  EXPECT_EQ(threeFour.status, 0) << threeFour.err;
  EXPECT_EQ(threeFour.out, "2*16(Am), 4*16(p), 2*16(Am), 4*16(p), \n");
}

TEST(CliRhythm, RefusalsAndBadKeys) {
  const ChordFile empty("\n");
  const CommandResult noChords = Cli("rhythm --chords " + empty.path() + " '101,2 103,30p'");
  EXPECT_EQ(noChords.status, 1);
  EXPECT_EQ(noChords.out, "");
  EXPECT_EQ(noChords.err, "Не вижу аккордов, нечего ваять!\n");

  const ChordFile arpeggio("4(Am), A3:8(Dm)\n");
  const CommandResult refused = Cli("rhythm --chords " + arpeggio.path() + " '101,2 103,30p'");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err, "В записи присутствует арпеджио. Удалите его и попробуйте еще раз.\n");

  const ChordFile chords("4(Am)\n");
  const CommandResult noBar = Cli("rhythm --chords " + chords.path() + " '101,32p'");
  EXPECT_EQ(noBar.status, 1);
  EXPECT_EQ(noBar.out, "");
  EXPECT_NE(noBar.err.find("нет ни одного штриха"), std::string::npos) << noBar.err;

  const CommandResult badKey = Cli("rhythm --chords " + chords.path() + " '101,2 103,x'");
  EXPECT_EQ(badKey.status, 2);
  EXPECT_EQ(badKey.out, "");
  EXPECT_NE(badKey.err.find("\"103,x\""), std::string::npos) << badKey.err;
  EXPECT_EQ(Cli("rhythm --chords " + chords.path()).status, 2);
  EXPECT_EQ(Cli("rhythm --chords " + chords.path() + " --drums '101,2'").status, 2);
}
