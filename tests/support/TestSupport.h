#pragma once

#include "core/Error.h"
#include "core/Outcome.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace arvento::test {

// A fresh directory under the system temp directory, removed on destruction.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

private:
  std::filesystem::path path_;
};

std::string ReadText(const std::filesystem::path& file);
void WriteText(const std::filesystem::path& file, const std::string& text);

// Runs the independent reader midicsv on a file. Fails the current test when
// midicsv rejects the file; returns its CSV output.
std::string MidiCsv(const std::filesystem::path& file);

// The note events that midicsv saw, as "track tick Note_on_c channel key velocity"
// lines (channel 0-based as midicsv prints it), in file order.
std::vector<std::string> MidiCsvNotes(const std::filesystem::path& file);

struct CommandResult {
  int status = -1;
  std::string out, err;
};

// Runs a shell command line, capturing standard output and standard error.
CommandResult RunCommand(const std::string& commandLine, const std::string& input = {});

// Starts a command line that runs a program without the variables that choose
// the language of its texts, so that it speaks its own, Russian, whatever the
// test's environment; variables set after it choose again.
inline const std::string kNoLanguage = "env -u ARVENTO_LANG -u LC_ALL -u LC_MESSAGES -u LANG";

// Parses a byte text such as "4D 54 68 64" into bytes.
std::vector<std::uint8_t> Bytes(const std::string& hexText);

std::string Repeat(const std::string& text, int times);

// The lines joined by "|", or the refusal given instead of them.
std::string Joined(const std::vector<std::string>& lines);
std::string Joined(const Outcome<std::vector<std::string>>& lines);

// The message of the arvento::Error that the call throws; "no error" when it returns.
template <class Call> std::string ErrorText(Call call) {
  try {
    call();
  } catch (const Error& error) {
    return error.what();
  }
  return "no error";
}

// A format 1 Standard MIDI File of the division and the byte texts of its
// track bodies, each ending with its own end-of-track event.
std::vector<std::uint8_t> Smf(int division, const std::vector<std::string>& tracks);

} // namespace arvento::test
