#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace arvento::test;

namespace {
const std::string kCli = ARVENTO_CLI;

CommandResult Cli(const std::string& arguments, const std::string& input = {}) {
  return RunCommand(kCli + " " + arguments, input);
}
} // namespace

TEST(CliMelody, CompilesFileOrStandardInputWithTheWindowDefaults) {
  TempDir dir;
  WriteText(dir.path() / "tune.txt", "Title\r\n4c6, 8p, 8e6, \r\n");
  const std::string out = (dir.path() / "tune.mid").string();
  const CommandResult fromFile = Cli("melody " + (dir.path() / "tune.txt").string() + " -o " + out);
  ASSERT_EQ(fromFile.status, 0) << fromFile.err;
  EXPECT_EQ(ReadBytes(out), ReadBytes(std::string(ARVENTO_TEST_DATA_DIR) + "/worked_example.mid"));
  EXPECT_EQ(MidiCsvNotes(out).size(), 4u);

  const std::string piped = (dir.path() / "piped.mid").string();
  const CommandResult fromStdin = Cli("melody - -o " + piped, "4c6, 8p, 8e6, \n");
  ASSERT_EQ(fromStdin.status, 0) << fromStdin.err;
  EXPECT_EQ(ReadBytes(piped), ReadBytes(out));
}

TEST(CliMelody, SoundOptionsReachTheFile) {
  TempDir dir;
  WriteText(dir.path() / "t.txt", "8c6, \n");
  const std::string out = (dir.path() / "t.mid").string();
  const CommandResult result = Cli("melody --family 4 --instrument 3 --channel 3 --tempo 100 --volume 10 "
                                   "--modulation 0 " +
                                   (dir.path() / "t.txt").string() + " -o " + out);
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string csv = MidiCsv(out);
  EXPECT_NE(csv.find("0, 0, Header, 1, 2, 100"), std::string::npos) << csv;
  EXPECT_NE(csv.find("2, 0, Program_c, 2, 35"), std::string::npos) << csv;
  EXPECT_NE(csv.find("2, 0, Control_c, 2, 1, 0"), std::string::npos) << csv;
  EXPECT_NE(csv.find("2, 0, Note_on_c, 2, 60, 10"), std::string::npos) << csv;

  // The drum family plays on channel 10 with the standard kit.
  const std::string drums = (dir.path() / "d.mid").string();
  ASSERT_EQ(Cli("melody --family 16 " + (dir.path() / "t.txt").string() + " -o " + drums).status, 0);
  const std::string drumCsv = MidiCsv(drums);
  EXPECT_NE(drumCsv.find("2, 0, Program_c, 9, 0"), std::string::npos) << drumCsv;
  EXPECT_NE(drumCsv.find("Note_on_c, 9, 60"), std::string::npos) << drumCsv;
}

TEST(CliMelody, BadInputNamesLineAndTokenAndLeavesTheOutputUntouched) {
  TempDir dir;
  WriteText(dir.path() / "bad.txt", "8c6, \n8c6, 8x6, \n");
  const std::string out = (dir.path() / "old.mid").string();
  WriteText(out, "previous contents");
  const CommandResult bad = Cli("melody " + (dir.path() / "bad.txt").string() + " -o " + out);
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("Строка 2"), std::string::npos) << bad.err;
  EXPECT_NE(bad.err.find("8x6"), std::string::npos) << bad.err;
  EXPECT_EQ(ReadText(out), "previous contents");

  const CommandResult range = Cli("melody --tempo 101 " + (dir.path() / "bad.txt").string() + " -o " + out);
  EXPECT_EQ(range.status, 2);
  EXPECT_NE(range.err.find("--tempo must be an integer from 10 to 100"), std::string::npos) << range.err;
  EXPECT_EQ(Cli("melody --channel 0 x -o y").status, 2);
  EXPECT_EQ(Cli("melody --bogus 1 x -o y").status, 2);
  EXPECT_EQ(Cli("melody " + (dir.path() / "bad.txt").string()).status, 2);
  const CommandResult missing = Cli("melody " + (dir.path() / "none.txt").string() + " -o " + out);
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(ReadText(out), "previous contents");
  // Only the untouched file is left: no temporary remains beside it.
  EXPECT_EQ(
      std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()),
      2);
}

TEST(CliDump, PrintsHeaderAndEventsAndRefusesOtherFiles) {
  const CommandResult dump = Cli("dump " + std::string(ARVENTO_TEST_DATA_DIR) + "/worked_example.mid");
  ASSERT_EQ(dump.status, 0) << dump.err;
  EXPECT_EQ(dump.out.substr(0, dump.out.find('\n')), "header format 1 tracks 2 division 50");
  EXPECT_NE(dump.out.find("  72 ch 1 note-on 64 100\n"), std::string::npos) << dump.out;
  EXPECT_NE(dump.out.find("  96 ch 1 note-off 64 100\n"), std::string::npos) << dump.out;
  TempDir dir;
  WriteText(dir.path() / "x.mid", "not midi");
  const CommandResult bad = Cli("dump " + (dir.path() / "x.mid").string());
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("MThd"), std::string::npos) << bad.err;
}

TEST(CliHelp, ProgramAndCommandsExplainThemselves) {
  const CommandResult help = Cli("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("melody"), std::string::npos);
  EXPECT_NE(help.out.find("dump"), std::string::npos);
  const CommandResult melodyHelp = Cli("melody --help");
  EXPECT_EQ(melodyHelp.status, 0);
  EXPECT_NE(melodyHelp.out.find("--modulation"), std::string::npos);
  EXPECT_EQ(Cli("nonsense").status, 2);
}
