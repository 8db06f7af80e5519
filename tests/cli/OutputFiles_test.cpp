// Where the written files go: through links, into devices and pipes, never
// onto the input through a link, without stale temporaries, and an
// assembly that either writes every file or leaves the project as it was.

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <map>
#include <set>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace arvento::test;
namespace fs = std::filesystem;

namespace {

const std::string kCli = ARVENTO_CLI;
const fs::path kPartFile = fs::path(ARVENTO_TEST_DATA_DIR) / "worked_example.mid";

// What a file or stream holds after the run. Files a case does not name must
// be exactly as they were before it.
enum class Holds { MidiFile, CharacterDevice, Nothing };

struct Case {
  const char* what;
  std::function<void(const fs::path&)> lay; // files beyond a.txt
  std::string command;                      // run in the directory
  int status;
  std::string message;                                // part of standard error
  std::vector<std::pair<std::string, Holds>> changed; // "<pipe>" is the pipe's stream
};

// A process that has ended: the shell that printed its own number.
std::string DeadPid() {
  static const std::string pid = [] {
    std::string out = RunCommand("sh -c 'echo $$'").out;
    return out.substr(0, out.find('\n'));
  }();
  return pid;
}

std::string Expand(std::string text) {
  for (const auto& [name, value] :
       {std::pair<std::string, std::string>{"{dead}", DeadPid()}, {"{live}", std::to_string(getpid())}}) {
    for (std::size_t at; (at = text.find(name)) != std::string::npos;)
      text.replace(at, name.size(), value);
  }
  return text;
}

// A project "song" with a melody part on channel 1 and a chord part on
// channel 2, each with its record, and the audition directory beside it.
void LayProject(const fs::path& dir) {
  fs::create_directories(dir / "song");
  fs::create_directories(dir / "tmp");
  fs::copy_file(kPartFile, dir / "song/ch1v1m.mid");
  WriteText(dir / "song/ch1v1m.txt", "melody\r\n0 0 1 1 50 100\r\n0\r\n1\r\n4c6, 8p, 8e6, \r\n");
  fs::copy_file(kPartFile, dir / "song/ch2v1a.mid");
  WriteText(dir / "song/ch2v1a.txt", "accords\r\n3 0 2 1 50 90\r\n4(Am), 4(C)\r\n");
}

// "null": a null device node of its own where the system lets the test make
// one that works (as root), so that a fault can never replace the system's
// /dev/null; otherwise a link to /dev/null, which the test cannot replace.
void LayNullDevice(const fs::path& dir) {
  const fs::path node = dir / "null";
  if (mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    const int device = open(node.c_str(), O_WRONLY);
    if (device >= 0) {
      close(device);
      return;
    }
    fs::remove(node);
  }
  fs::create_symlink("/dev/null", node);
}

// Every entry under the directory: its type and its bytes or link text.
std::map<std::string, std::pair<fs::file_type, std::string>> Snapshot(const fs::path& dir) {
  std::map<std::string, std::pair<fs::file_type, std::string>> entries;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
    const fs::file_type type = entry.symlink_status().type();
    std::string content;
    if (type == fs::file_type::regular)
      content = ReadText(entry.path());
    else if (type == fs::file_type::symlink)
      content = fs::read_symlink(entry.path()).string();
    entries[fs::relative(entry.path(), dir).string()] = {type, content};
  }
  return entries;
}

void ExpectHolds(const fs::path& file, Holds holds, const std::string& what) {
  switch (holds) {
    case Holds::MidiFile:
      EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file))) << what << ": " << file;
      EXPECT_FALSE(MidiCsvNotes(file).empty()) << what << ": " << file;
      break;
    case Holds::CharacterDevice:
      EXPECT_TRUE(fs::is_character_file(file)) << what << ": " << file;
      break;
    case Holds::Nothing:
      EXPECT_FALSE(fs::exists(fs::symlink_status(file))) << what << ": " << file;
      break;
  }
}

// The bytes waiting in a pipe; the pipe was opened for reading before the run,
// so a writer never blocks and an empty pipe reads as nothing.
std::string Drain(int pipe) {
  std::string bytes;
  char buffer[4096];
  for (ssize_t got; (got = read(pipe, buffer, sizeof buffer)) > 0;)
    bytes.append(buffer, static_cast<std::size_t>(got));
  return bytes;
}

const Case kCases[] = {
    {"a link is written through to its target, the link stays",
     [](const fs::path& dir) {
       fs::create_directory(dir / "real");
       WriteText(dir / "real/target.mid", "old");
       fs::create_symlink("real/target.mid", dir / "out.mid");
     },
     "melody a.txt -o out.mid",
     0,
     "",
     {{"real/target.mid", Holds::MidiFile}}},
    {"a character device is written, not replaced",
     LayNullDevice,
     "melody a.txt -o null",
     0,
     "",
     {{"null", Holds::CharacterDevice}}},
    {"a pipe is written, not replaced",
     [](const fs::path& dir) { mkfifo((dir / "pipe").c_str(), 0600); },
     "melody a.txt -o pipe",
     0,
     "",
     {{"<pipe>", Holds::MidiFile}}},
    {"the input through a link is refused",
     [](const fs::path& dir) { fs::create_symlink("a.txt", dir / "link.txt"); },
     "melody a.txt -o link.txt",
     2,
     "совпадает с входным",
     {}},
    {"a dead run's temporary goes, a running one's stays",
     [](const fs::path& dir) {
       WriteText(dir / "out.mid", "old");
       WriteText(dir / Expand(".out.mid.tmp{dead}"), "killed");
       WriteText(dir / Expand(".out.mid.tmp{live}"), "running");
     },
     "melody a.txt -o out.mid",
     0,
     "",
     {{"out.mid", Holds::MidiFile}, {".out.mid.tmp{dead}", Holds::Nothing}}},
    {"an assembled file that cannot be written leaves the project as it was",
     [](const fs::path& dir) {
       LayProject(dir);
       fs::create_directory(dir / "song/song.mid");
     },
     "assemble song",
     2,
     "song.mid",
     {}},
    {"an audition directory that cannot be made leaves the project as it was",
     [](const fs::path& dir) {
       LayProject(dir);
       fs::remove(dir / "tmp");
       WriteText(dir / "tmp", "a file");
     },
     "assemble song",
     2,
     "Не удалось создать папку",
     {}},
    {"a file of three tracks is left out and kept",
     [](const fs::path& dir) {
       LayProject(dir);
       std::vector<std::uint8_t> joined = ReadBytes(kPartFile);
       joined[11] = 3;
       joined.insert(joined.end(), joined.begin() + 41, joined.end());
       WriteBytes(dir / "song/old.mid", joined);
     },
     "assemble song",
     0,
     "Файл old.mid не вошел в сборку: в нем больше двух дорожек, это не партия.",
     {{"song/song.mid", Holds::MidiFile},
      {"song/ch2v1a.mid", Holds::MidiFile},
      {"tmp/ch2v1a.mid", Holds::MidiFile}}},
    {"a damaged part with a good record is rebuilt",
     [](const fs::path& dir) {
       LayProject(dir);
       WriteText(dir / "song/ch1v1m.mid", "MThd damaged");
     },
     "assemble song",
     0,
     "",
     {{"song/song.mid", Holds::MidiFile},
      {"song/ch1v1m.mid", Holds::MidiFile},
      {"song/ch2v1a.mid", Holds::MidiFile},
      {"tmp/ch2v1a.mid", Holds::MidiFile}}},
    {"a .mid file without a record is refused",
     [](const fs::path& dir) {
       LayProject(dir);
       WriteText(dir / "song/stray.mid", "MThd stray");
     },
     "assemble song",
     2,
     "stray.mid",
     {}},
};

TEST(CliOutputFiles, EveryCaseWritesWhereItShouldAndLeavesTheRestAsItWas) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    TempDir dir, streams;
    WriteText(dir.path() / "a.txt", "4c6, 8p, 8e6, \n");
    if (c.lay)
      c.lay(dir.path());
    const auto before = Snapshot(dir.path());
    const int pipe = open((dir.path() / "pipe").c_str(), O_RDONLY | O_NONBLOCK);

    const CommandResult result = RunCommand("cd " + dir.path().string() + " && " + kCli + " " + c.command);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;

    std::string piped;
    if (pipe >= 0) {
      piped = Drain(pipe);
      close(pipe);
    }
    std::set<std::string> named;
    for (const auto& [name, holds] : c.changed) {
      const std::string path = Expand(name);
      named.insert(path);
      if (path == "<pipe>") {
        WriteText(streams.path() / "stream", piped);
        ExpectHolds(streams.path() / "stream", holds, path);
      } else {
        ExpectHolds(dir.path() / path, holds, path);
      }
    }
    const auto after = Snapshot(dir.path());
    for (const auto& [path, entry] : before) {
      const bool same = named.count(path) || (after.count(path) && after.at(path) == entry);
      EXPECT_TRUE(same) << path << " changed";
    }
    for (const auto& [path, entry] : after)
      EXPECT_TRUE(before.count(path) || named.count(path)) << path << " was made";
  }
}

} // namespace
