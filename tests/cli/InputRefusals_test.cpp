#include "TestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;
using namespace arvento::test;

namespace {

// A file's content, or kDirectory for a directory.
using Files = std::map<std::string, std::string>;
const std::string kDirectory = "<directory>";

void Create(const fs::path& root, const Files& files) {
  for (const auto& [name, content] : files) {
    fs::create_directories((root / name).parent_path());
    if (content == kDirectory)
      fs::create_directories(root / name);
    else
      WriteText(root / name, content);
  }
}

Files Snapshot(const fs::path& root) {
  Files files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(entry.path(), root).string();
    files[name] = entry.is_directory() ? kDirectory : ReadText(entry.path());
  }
  return files;
}

std::string WithDir(std::string text, const std::string& dir) {
  for (std::size_t at = text.find("{d}"); at != std::string::npos; at = text.find("{d}", at + dir.size()))
    text.replace(at, 3, dir);
  return text;
}

} // namespace

// Input that is too large or of the wrong kind, and output that cannot be
// written: a message on standard error, a non-zero status, no file changed.
TEST(CliInput, RefusalsNameTheInputAndLeaveEveryFileAsItWas) {
  const std::string part = ReadText(std::string(ARVENTO_TEST_DATA_DIR) + "/worked_example.mid");
  const std::string longLine = "4" + std::string(100'000, 'x') + ", ";
  struct Case {
    std::string arguments; // "{d}" is the test's directory
    std::string stdoutTo;  // a redirection of standard output, if any
    Files files;
    int status;
    std::string err;
  };
  const Case cases[] = {
      {"assemble {d}/p",
       "",
       {{"p/ch1v1m.mid", part}, {"p/ch1v1m.txt", "melody\r\n0 0 1 1 50 100\r\n0\r\n2147483647\r\n"}},
       2,
       "arvento-cli assemble: Файл ch1v1m.txt, строка 4: число строк 2147483647 больше, чем строк во "
       "всём файле (4)\n"},
      {"assemble {d}/p",
       "",
       {{"p/ch1v1m.mid", part}, {"p/ch1v1m.txt", kDirectory}},
       2,
       "arvento-cli assemble: Не удалось прочитать файл {d}/p/ch1v1m.txt: это папка, а не файл\n"},
      {"assemble ''",
       "",
       {},
       2,
       "arvento-cli assemble: missing PROJECTDIR\n"
       "Run \"arvento-cli assemble --help\" for usage.\n"},
      {"dump {d}/D",
       "",
       {{"D", kDirectory}},
       2,
       "arvento-cli dump: Не удалось прочитать файл {d}/D: это папка, а не файл\n"},
      {"render {d}/D -o {d}/x.wav",
       "",
       {{"D", kDirectory}},
       2,
       "arvento-cli render: Не удалось прочитать файл {d}/D: это папка, а не файл\n"},
      {"melody {d}/D -o {d}/o.mid",
       "",
       {{"D", kDirectory}, {"o.mid", "previous"}},
       2,
       "arvento-cli melody: Не удалось прочитать файл {d}/D: это папка, а не файл\n"},
      {"convert {d}/D",
       "",
       {{"D", kDirectory}},
       2,
       "arvento-cli convert: Не удалось прочитать файл {d}/D: это папка, а не файл\n"},
      {"octave up {d}/D",
       "",
       {{"D", kDirectory}},
       2,
       "arvento-cli octave: Не удалось прочитать файл {d}/D: это папка, а не файл\n"},
      {"octave up {d}/m.txt",
       ">/dev/full",
       {{"m.txt", "4c6, \r\n"}},
       2,
       "arvento-cli: не удалось записать стандартный вывод: No space left on device\n"},
      {"octave up {d}/m.txt",
       ">&-",
       {{"m.txt", "4c6, \r\n"}},
       2,
       "arvento-cli: не удалось записать стандартный вывод: Bad file descriptor\n"},
      {"melody {d}/long.txt -o {d}/o.mid",
       "",
       {{"long.txt", longLine}},
       2,
       "arvento-cli melody: Строка 1, элемент \"4" + std::string(59, 'x') + "…\": неизвестная нота X\n"},
      {"melody {d}/bad.txt -o {d}/o.mid",
       "",
       {{"bad.txt", "8\x1b[2Jc6, \r\n"}},
       2,
       "arvento-cli melody: Строка 1, элемент \"8\\x1b[2Jc6\": неизвестная нота \\x1b\n"},
      {"voice --style 'пиано\x07'",
       "",
       {},
       2,
       "arvento-cli voice: option --style must be one of guitar|piano, not \"пиано\\x07\"\n"
       "Run \"arvento-cli voice --help\" for usage.\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string d = dir.path().string();
    Create(dir.path(), c.files);
    const Files before = Snapshot(dir.path());
    const CommandResult result = RunCommand("{ " + std::string(ARVENTO_CLI) + " " + WithDir(c.arguments, d) +
                                            " " + c.stdoutTo + "; }");
    EXPECT_EQ(result.status, c.status) << c.arguments;
    EXPECT_EQ(result.err, WithDir(c.err, d)) << c.arguments;
    EXPECT_EQ(Snapshot(dir.path()), before) << c.arguments;
  }
}
