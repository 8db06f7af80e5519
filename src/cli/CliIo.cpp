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
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace arvento::cli {

namespace {
// The whole of a stream of unknown size, in large blocks.
std::string ReadAll(std::istream& in) {
  std::string text;
  char block[1 << 16];
  while (in.read(block, sizeof block), in.gcount() > 0)
    text.append(block, static_cast<std::size_t>(in.gcount()));
  return text;
}
} // namespace

InputText::InputText(const std::string& file) {
  if (file == "-") {
    read_ = ReadAll(std::cin);
    // Standard input is read through stdio, whose read errors the stream
    // takes for the end of the input.
    if (std::cin.bad() || std::ferror(stdin))
      throw Error(Tr("Не удалось прочитать стандартный ввод: %1", std::strerror(errno)));
    view_ = read_;
    return;
  }
  project::RefuseDirectory(file);
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    throw Error(Tr("Не удалось прочитать файл %1", Escaped(file)));
  // The constructor that throws has no destructor to run.
  const auto failed = [&] {
    const int error = errno;
    ::close(fd);
    if (pages_ != nullptr)
      ::munmap(pages_, size_);
    return Error(Tr("Не удалось прочитать файл %1: %2", Escaped(file), std::strerror(error)));
  };
  struct stat status {};
  if (::fstat(fd, &status) != 0)
    throw failed();
  // The size of anything but a regular file is unknown: it is read as it comes.
  if (!S_ISREG(status.st_mode) || status.st_size == 0) {
    ::close(fd);
    std::ifstream in(file, std::ios::binary);
    if (!in)
      throw Error(Tr("Не удалось прочитать файл %1", Escaped(file)));
    read_ = ReadAll(in);
    if (in.bad())
      throw Error(Tr("Не удалось прочитать файл %1: %2", Escaped(file), std::strerror(errno)));
    view_ = read_;
    return;
  }
  size_ = static_cast<std::size_t>(status.st_size);
  void* pages =
      ::mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
  if (pages == MAP_FAILED)
    throw failed();
  pages_ = pages;
  std::size_t done = 0;
  // A file that grows while it is read is taken at the size it had.
  while (done < size_) {
    const ssize_t got = ::read(fd, static_cast<char*>(pages_) + done, size_ - done);
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      throw failed();
    if (got == 0)
      break;
    done += static_cast<std::size_t>(got);
  }
  ::close(fd);
  view_ = std::string_view(static_cast<const char*>(pages_), done);
}

InputText::~InputText() {
  if (pages_ != nullptr)
    ::munmap(pages_, size_);
}

std::vector<std::uint8_t> ReadyBytes(std::size_t capacity) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(capacity);
  // Whole pages around the buffer: a page it shares with other memory is
  // made with it, which changes nothing there. A kernel without this advice
  // refuses it, and the pages are then made as they are first written.
  const std::uintptr_t page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const std::uintptr_t first = reinterpret_cast<std::uintptr_t>(bytes.data()) & ~(page - 1);
  const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(bytes.data()) + capacity;
  ::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
  return bytes;
}

std::vector<std::string> ReadInputLines(const std::string& file) {
  return TextLines(InputText(file).View());
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
