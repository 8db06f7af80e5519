#include "TestSupport.h"

#include <gtest/gtest.h>

using arvento::test::RunCommand;

namespace {
const std::string kCli = ARVENTO_CLI;

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i)
    result += text;
  return result;
}

const std::string kWorkedRhythm = "2*8 1*8 29p*8 \n" + Repeat("32p*8 \n", 7);
const std::string kWorkedOutput = "2*8c7, 8d7, 29*8p, " + Repeat("32*8p, ", 7) + "\n";
} // namespace

TEST(ConvertCommand, WritesTheConversionLines) {
  const auto fromStdin = RunCommand(kCli + " convert --notes 72,74,76 -", kWorkedRhythm);
  EXPECT_EQ(fromStdin.status, 0) << fromStdin.err;
  EXPECT_EQ(fromStdin.out, kWorkedOutput);
  EXPECT_EQ(fromStdin.err, "");

  arvento::test::TempDir dir;
  const auto file = dir.path() / "rhythm.txt";
  arvento::test::WriteText(file, "2*8 1*8 29p*8\r\n" + Repeat("32p*8\r\n", 7));
  const auto fromFile = RunCommand(kCli + " convert --notes 72,74,76 " + file.string());
  EXPECT_EQ(fromFile.status, 0) << fromFile.err;
  EXPECT_EQ(fromFile.out, kWorkedOutput);

  // A long melody comes out as several lines of at most 95 characters.
  const auto longer =
      RunCommand(kCli + " convert --notes " + Repeat("60,", 39) + "60 -", Repeat("1*16 ", 40));
  EXPECT_EQ(longer.status, 0) << longer.err;
  EXPECT_EQ(longer.out,
            Repeat("16c6, ", 15) + "16c6,\n" + Repeat(" 16c6,", 15) + " \n" + Repeat("16c6, ", 9) + "\n");
}

TEST(ConvertCommand, ReadsTheGridRunListWithTheColumnLength) {
  std::string runList = "101,2 103,1 104,29p 104,29p%\n";
  for (int row = 2; row <= 8; ++row)
    runList += std::to_string(row) + "01,32p\n" + std::to_string(row) + "01,32p%\n";
  const auto eighths = RunCommand(kCli + " convert --notes 72,74,76 -", runList);
  EXPECT_EQ(eighths.status, 0) << eighths.err;
  EXPECT_EQ(eighths.out, kWorkedOutput);

  const auto sixteenths = RunCommand(kCli + " convert --notes 72 --length 16 -", "101,3 104,29p 104,29p%\n");
  EXPECT_EQ(sixteenths.status, 0) << sixteenths.err;
  EXPECT_EQ(sixteenths.out, "3*16c7, 29*16p, \n");

  const auto threeFour = RunCommand(kCli + " convert --notes 72 --length 5 -", "101,3 104,21p 104,21p%\n");
  EXPECT_EQ(threeFour.status, 1);
  EXPECT_EQ(threeFour.err, "Недопустимая длина ноты\n");
}

TEST(ConvertCommand, WindowMessagesGoToStandardErrorWithStatusOne) {
  const struct {
    std::string arguments, input, message;
  } cases[] = {
      {"convert -", kWorkedRhythm, "Не записана ни одна нота!"},
      {"convert --notes \"\" -", kWorkedRhythm, "Не записана ни одна нота!"},
      {"convert --notes 72 -", "", "Не задан ритм мелодии"},
      {"convert --notes 72 -", "   \n\n", "Не задан ритм мелодии"},
      {"convert --notes 72 -", "1*8 3*5 \n", "Недопустимая длина ноты"},
      {"convert --notes 72 -", Repeat("1p*8 ", 1001),
       "Ритм мелодии длиннее 1000 нот и пауз. Разделите мелодию на фрагменты."},
  };
  for (const auto& c : cases) {
    const auto result = RunCommand(kCli + " " + c.arguments, c.input);
    EXPECT_EQ(result.status, 1) << c.arguments;
    EXPECT_EQ(result.out, "") << c.arguments;
    EXPECT_EQ(result.err, c.message + "\n") << c.arguments;
  }
}

TEST(ConvertCommand, BadUsageAndBadInputExitTwo) {
  for (const std::string arguments :
       {"convert --notes 0 -", "convert --notes 128 -", "convert --notes 72,,74 -", "convert --notes 7x -",
        "convert --notes 72 --length 8 -", "convert --notes 72", "convert --notes 72 a b",
        "convert --bpm 3 -"}) {
    const auto result = RunCommand(kCli + " " + arguments, "1*8 \n");
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_EQ(result.out, "") << arguments;
    EXPECT_NE(result.err, "") << arguments;
  }
  const auto badKey = RunCommand(kCli + " convert --notes 72 -", "101,2 x\n");
  EXPECT_EQ(badKey.status, 2);
  EXPECT_NE(badKey.err.find("Строка 1"), std::string::npos) << badKey.err;
  const auto noMark = RunCommand(kCli + " convert --notes 72 -", "101,2 103,30p\n");
  EXPECT_EQ(noMark.status, 2);
  const auto tooMany = RunCommand(kCli + " convert --notes " + Repeat("60,", 1000) + "60 -", "1*8 \n");
  EXPECT_EQ(tooMany.status, 2);
  const auto missing = RunCommand(kCli + " convert --notes 72 /nonexistent/rhythm.txt");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("/nonexistent/rhythm.txt"), std::string::npos);

  const auto help = RunCommand(kCli + " convert --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: arvento-cli convert"), std::string::npos);
}
