#include "TestSupport.h"

#include <gtest/gtest.h>

using arvento::test::RunCommand;

namespace {
const std::string kCli = ARVENTO_CLI;
} // namespace

TEST(OctaveCommand, PrintsTheShiftedLines) {
  const std::string melody = "Тема\n2*8c7, 8d7, 29*8p, \n8c9, 4a#.5, \n";
  const auto up = RunCommand(kCli + " octave up -", melody);
  EXPECT_EQ(up.status, 0) << up.err;
  EXPECT_EQ(up.out, "Тема\n2*8c8, 8d8, 29*8p, \n8c10, 4a#.6, \n");
  EXPECT_EQ(up.err, "");

  arvento::test::TempDir dir;
  const auto file = dir.path() / "melody.txt";
  arvento::test::WriteText(file, "8c10, 8p, \r\n");
  const auto down = RunCommand(kCli + " octave down " + file.string());
  EXPECT_EQ(down.status, 0) << down.err;
  EXPECT_EQ(down.out, "8c9, 8p, \n");

  const auto empty = RunCommand(kCli + " octave up -", "");
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, "");
}

TEST(OctaveCommand, RefusedShiftPrintsNothing) {
  for (const auto& [arguments, melody] :
       {std::pair<std::string, std::string>{"octave up -", "8c6, \n8g11, \n"},
        {"octave down -", "8c2, 8c1, \n"},
        {"octave up -", "8c6, \n8d6, 4e6., \n"}}) {
    const auto result = RunCommand(kCli + " " + arguments, melody);
    EXPECT_EQ(result.status, 1) << melody;
    EXPECT_EQ(result.out, "") << melody;
    EXPECT_NE(result.err.find("Октава не изменена"), std::string::npos) << result.err;
  }
}

TEST(OctaveCommand, BadUsageExitsTwo) {
  for (const std::string arguments : {"octave -", "octave sideways -", "octave up", "octave up - extra",
                                      "octave up /nonexistent/melody.txt"}) {
    const auto result = RunCommand(kCli + " " + arguments, "8c6, \n");
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_EQ(result.out, "") << arguments;
  }
  const auto help = RunCommand(kCli + " octave --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: arvento-cli octave up|down FILE"), std::string::npos);
}
