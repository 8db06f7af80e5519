#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdlib.h>
#include <sys/wait.h>
#include <system_error>

namespace fs = std::filesystem;

namespace arvento::test {

TempDir::TempDir() {
  std::string pattern = fs::temp_directory_path() / "arvento-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::system_error(errno, std::generic_category(), pattern);
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary);
  out << text;
}

namespace {
std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}
} // namespace

CommandResult RunCommand(const std::string& commandLine, const std::string& input) {
  TempDir dir;
  const fs::path in = dir.path() / "in", out = dir.path() / "out", err = dir.path() / "err";
  WriteText(in, input);
  const std::string full = commandLine + " <" + Quote(in) + " >" + Quote(out) + " 2>" + Quote(err);
  const int raw = std::system(full.c_str());
  CommandResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadText(out);
  result.err = ReadText(err);
  return result;
}

std::string MidiCsv(const fs::path& file) {
  const CommandResult result = RunCommand("midicsv " + Quote(file.string()));
  EXPECT_EQ(result.status, 0) << "midicsv rejected " << file << ": " << result.err;
  EXPECT_TRUE(result.err.empty()) << "midicsv complained about " << file << ": " << result.err;
  return result.out;
}

std::vector<std::string> MidiCsvNotes(const fs::path& file) {
  std::istringstream csv(MidiCsv(file));
  std::vector<std::string> notes;
  for (std::string line; std::getline(csv, line);) {
    if (line.find("Note_on_c") == std::string::npos && line.find("Note_off_c") == std::string::npos)
      continue;
    std::erase(line, ' ');
    std::erase(line, '\r');
    std::replace(line.begin(), line.end(), ',', ' ');
    notes.push_back(line);
  }
  return notes;
}

std::vector<std::uint8_t> Bytes(const std::string& hexText) {
  std::istringstream in(hexText);
  std::vector<std::uint8_t> bytes;
  for (std::string token; in >> token;)
    bytes.push_back(static_cast<std::uint8_t>(std::stoul(token, nullptr, 16)));
  return bytes;
}

std::string Repeat(const std::string& text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i)
    repeated += text;
  return repeated;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i)
    joined += (i == 0 ? "" : "|") + lines[i];
  return joined;
}

std::string Joined(const Outcome<std::vector<std::string>>& lines) {
  return lines.Refused() ? lines.RefusalText() : Joined(lines.Result());
}

std::vector<std::uint8_t> Smf(int division, const std::vector<std::string>& tracks) {
  std::vector<std::uint8_t> bytes = Bytes("4D 54 68 64 00 00 00 06 00 01");
  const auto twoBytes = [&bytes](std::size_t value) {
    bytes.insert(bytes.end(), {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
  };
  twoBytes(tracks.size());
  twoBytes(static_cast<std::size_t>(division));
  for (const std::string& track : tracks) {
    const std::vector<std::uint8_t> body = Bytes(track);
    bytes.insert(bytes.end(), {'M', 'T', 'r', 'k', 0, 0}); // a length below 65536
    twoBytes(body.size());
    bytes.insert(bytes.end(), body.begin(), body.end());
  }
  return bytes;
}

} // namespace arvento::test
