#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace arvento::test;

namespace {
const std::string kCli = ARVENTO_CLI;
const std::string kPrevious = "previous contents";

// One run of arvento-cli in a directory that holds the chord record chords.txt
// and an earlier out.mid; {dir} in the arguments stands for that directory.
struct Case {
  std::string arguments;
  std::string chords;
  std::string input;
  int status;
  std::string out; // all of standard output
  std::string err; // a part of standard error; none at all when empty
};

std::string WithDirectory(std::string arguments, const std::string& dir) {
  for (std::size_t at = arguments.find("{dir}"); at != std::string::npos; at = arguments.find("{dir}"))
    arguments.replace(at, 5, dir);
  return arguments;
}
} // namespace

// Texts that convert and pattern write are texts the melody compiler takes;
// what cannot be written, or played, is refused with a message.
TEST(CliWrittenText, RefusesWhatTheCompilerOrPlayerCannotTake) {
  const Case cases[] = {
      {"convert --notes 60,62 -", "", "8 29p\n", 1, "", "Недопустимая длина ноты\n"},
      {"convert --notes 60,62 -", "", "0p\n", 1, "", "Недопустимая длина ноты\n"},
      {"convert --notes 60,62 -", "", "666666661*8\n", 1, "", "Недопустимая длина ноты\n"},
      {"convert --notes 60 --length 3 -", "", "101,32p 101,32p%\n", 1, "", "Недопустимая длина ноты\n"},
      {"convert --notes 60,62 -", "", "8 8.p 8\n", 0, "8c6, 8p., 8d6, \n", ""},
      {"pattern --chords {dir}/chords.txt '3a5, 8c6, '", "4(Am)\n", "", 1, "",
       "шаг 1 \"3a5\": длительность \"3\" недопустима"},
      {"pattern --chords {dir}/chords.txt '64c6, '", "4(Am)\n", "", 1, "",
       "шаг 1 \"64c6\": длительность \"64\" недопустима"},
      {"pattern --chords {dir}/chords.txt '0008e6, '", "4(Am)\n", "", 1, "",
       "шаг 1 \"0008e6\": длительность \"0008\" недопустима"},
      {"pattern --chords {dir}/chords.txt '8a0, '", "4(Am)\n", "", 1, "",
       "шаг 1 \"8a0\": нота вне пределов c1..g11"},
      {"pattern --chords {dir}/chords.txt '8c1, '", "8(C)\n", "", 1, "",
       "шаг 1 \"8c1\": над аккордом \"8(C)\" в строке 1 записи аккордов нота ушла бы за пределы c1..g11"},
      {"octave up -", "", "8p., 8c6, \n", 0, "8p., 8c7, \n", ""},
      {"chords --style piano - -o {dir}/out.mid", "", "x*4(Am)\n", 2, "",
       "множитель повтора перед \"*\" должен быть числом от 1"},
      {"rhythm --chords {dir}/chords.txt '0,1'", "4(Am)\n", "", 2, "", "\"0,1\""},
      {"play --dry-run --text '2147483647;C5;1,2147483647;D5;1,2;E5;1'", "", "", 2, "",
       "\"2;E5;1\" ends after tick 4294967295"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    WriteText(dir.path() / "chords.txt", c.chords);
    WriteText(dir.path() / "out.mid", kPrevious);
    const CommandResult result =
        RunCommand(kCli + " " + WithDirectory(c.arguments, dir.path().string()), c.input);
    EXPECT_EQ(result.status, c.status) << c.arguments << " < " << c.input << result.err;
    EXPECT_EQ(result.out, c.out) << c.arguments;
    if (c.err.empty())
      EXPECT_EQ(result.err, "") << c.arguments;
    else
      EXPECT_NE(result.err.find(c.err), std::string::npos) << c.arguments << ": " << result.err;
    // The files before are the files after.
    EXPECT_EQ(ReadText(dir.path() / "out.mid"), kPrevious) << c.arguments;
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()),
        2)
        << c.arguments;
  }
}
