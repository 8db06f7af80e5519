#pragma once

#include "cli/Args.h"
#include "core/SoundSettings.h"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace arvento::cli {

// An input file, or standard input for "-", read in pieces of whole lines
// through one buffer: a long melody is compiled from the buffer as it is
// read, without a copy of the whole file, whose every page would cost more
// to make than its notes cost to compile. Throws arvento::Error naming the
// file when it cannot be opened or read, or is a directory.
class InputPieces {
public:
  explicit InputPieces(const std::string& file);
  ~InputPieces();
  InputPieces(const InputPieces&) = delete;
  InputPieces& operator=(const InputPieces&) = delete;

  // The size of a regular file; 0 for a pipe or a device, whose size is not known beforehand.
  std::size_t Size() const { return size_; }

  // The next lines, ending after a line end, except the input's last line
  // when it has none; an empty piece once the input has ended. A piece stays
  // valid until the next call.
  std::string_view Next();

private:
  std::string name_;
  int fd_ = -1;
  std::size_t size_ = 0;
  std::string buffer_ = std::string(std::size_t{1} << 16, '\0');
  std::size_t filled_ = 0; // bytes read into the buffer
  std::size_t handed_ = 0; // of them, the bytes handed out by the last Next
  bool ended_ = false;
};

// The whole text of a file, or of standard input for "-". Throws
// arvento::Error naming the file when it cannot be read or is a directory.
std::string ReadInputText(const std::string& file);

// An empty buffer with room for capacity bytes, whose pages are all made at
// once, as ReadInputText's are for a regular file: a large melody's pages
// taken one fault at a time cost more than compiling it.
std::vector<std::uint8_t> ReadyBytes(std::size_t capacity);

// The lines of ReadInputText, cut by TextLines: CR LF and LF line ends.
std::vector<std::string> ReadInputLines(const std::string& file);

// Writes the bytes to OUT through a temporary name, so an OUT that existed
// before stays whole when anything fails; "-" writes them to standard output.
void WriteOutputFile(const std::string& file, const std::vector<std::uint8_t>& bytes);

// Refuses an output that is the input file itself, under any name or link,
// before anything is read or written.
void CheckOutputIsNotInput(const std::string& input, const std::string& output);

// The sound options shared by the compiling commands, with the window's start
// values as defaults: --family --instrument --channel --voice --tempo
// --volume --modulation.
extern const std::set<std::string> kSoundOptions;
SoundSettings ReadSoundOptions(const Args& args);

// The help lines that describe the sound options, in the user's language.
std::string SoundOptionsHelp();

// The output file of "-o OUT.mid" ("-" for standard output); refuses a
// command without it.
std::string OutputOption(const Args& args);

} // namespace arvento::cli
