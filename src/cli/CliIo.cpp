#include "cli/CliIo.h"

#include "core/Error.h"
#include "core/Quote.h"
#include "core/TextLines.h"
#include "core/Translate.h"
#include "project/AtomicFile.h"
#include "project/InputFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

namespace arvento::cli {

namespace {

// Makes the pages of the memory at once, where the kernel can: a large
// melody's pages taken one fault at a time cost more than compiling it. Whole
// pages around the memory: a page it shares with other memory is made with
// it, which changes nothing there. A kernel without this advice refuses it,
// and the pages are then made as they are first written.
void MakePages(const void* data, std::size_t size) {
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto first = reinterpret_cast<std::uintptr_t>(data) & ~(page - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(data) + size;
  ::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
}

} // namespace

InputPieces::InputPieces(const std::string& file) : name_(file) {
  if (file == "-") {
    fd_ = STDIN_FILENO;
  } else {
    project::RefuseDirectory(file);
    fd_ = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
      throw Error(Tr("Не удалось прочитать файл %1", Escaped(file)));
  }
  struct stat status {};
  if (::fstat(fd_, &status) == 0 && S_ISREG(status.st_mode))
    size_ = static_cast<std::size_t>(status.st_size);
}

InputPieces::~InputPieces() {
  if (fd_ != STDIN_FILENO)
    ::close(fd_);
}

std::string_view InputPieces::Next() {
  // The unfinished line after the last piece moves to the front.
  std::memmove(buffer_.data(), buffer_.data() + handed_, filled_ - handed_);
  filled_ -= handed_;
  handed_ = 0;
  for (;;) {
    const std::string_view held(buffer_.data(), filled_);
    const std::size_t lineEnd = held.rfind('\n');
    if (lineEnd != std::string_view::npos || ended_) {
      handed_ = lineEnd != std::string_view::npos ? lineEnd + 1 : filled_;
      return held.substr(0, handed_);
    }
    // A line longer than the buffer makes it grow.
    if (filled_ == buffer_.size())
      buffer_.resize(2 * buffer_.size());
    const ssize_t got = ::read(fd_, buffer_.data() + filled_, buffer_.size() - filled_);
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      throw Error(name_ == "-"
                      ? Tr("Не удалось прочитать стандартный ввод: %1", std::strerror(errno))
                      : Tr("Не удалось прочитать файл %1: %2", Escaped(name_), std::strerror(errno)));
    ended_ = got == 0;
    filled_ += static_cast<std::size_t>(got);
  }
}

std::string ReadInputText(const std::string& file) {
  InputPieces input(file);
  std::string text;
  if (input.Size() > 0) {
    text.reserve(input.Size());
    MakePages(text.data(), input.Size());
  }
  for (std::string_view piece = input.Next(); !piece.empty(); piece = input.Next())
    text += piece;
  return text;
}

std::vector<std::uint8_t> ReadyBytes(std::size_t capacity) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(capacity);
  MakePages(bytes.data(), capacity);
  return bytes;
}

std::vector<std::string> ReadInputLines(const std::string& file) {
  return TextLines(ReadInputText(file));
}

void WriteOutputFile(const std::string& file, const std::vector<std::uint8_t>& bytes) {
  if (file != "-") {
    project::WriteFileAtomically(file, bytes);
    return;
  }
  std::cout.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  std::cout.flush();
  if (!std::cout)
    throw Error(Tr("Не удалось записать стандартный вывод: %1", std::strerror(errno)));
}

void CheckOutputIsNotInput(const std::string& input, const std::string& output) {
  if (input == "-" || output == "-")
    return;
  std::error_code error;
  if (std::filesystem::equivalent(input, output, error))
    throw Error(
        Tr("Выходной файл %1 совпадает с входным %2: запись уничтожила бы входной файл.", output, input));
}

const std::set<std::string> kSoundOptions = {"--family", "--instrument", "--channel",   "--voice",
                                             "--tempo",  "--volume",     "--modulation"};

std::string SoundOptionsHelp() {
  return Tr("  --family N      instrument family 0..16 (16: drums, which also sets channel 10) [0]\n"
            "  --instrument N  instrument within the family, 0..7 (drums 0..45) [0]\n"
            "  --channel N     MIDI channel 1..16 [1]\n"
            "  --voice N       voice 1..16, used in part file names [1]\n"
            "  --tempo N       tempo 10..100, the file's ticks per quarter note [50]\n"
            "  --volume N      volume 10..127, the velocity of every note [100]\n"
            "  --modulation N  modulation 0..100 [50]\n");
}

SoundSettings ReadSoundOptions(const Args& args) {
  SoundSettings settings;
  settings.family = args.Int("--family", 0, kDrumFamily, 0);
  const bool drums = settings.family == kDrumFamily;
  settings.instrument = args.Int("--instrument", 0, drums ? 45 : 7, 0);
  // Choosing the drum family selects channel 10, as in the window.
  settings.channel = args.Int("--channel", 1, 16, drums ? 10 : 1);
  settings.voice = args.Int("--voice", 1, 16, 1);
  settings.tempo = args.Int("--tempo", 10, 100, 50);
  settings.volume = args.Int("--volume", 10, 127, 100);
  settings.modulation = args.Int("--modulation", 0, 100, 50);
  return settings;
}

std::string OutputOption(const Args& args) {
  const std::optional<std::string> out = args.Value("-o");
  if (!out || out->empty())
    throw UsageError(Tr("missing %1", "-o OUT.mid"));
  return *out;
}

} // namespace arvento::cli
