#include "cli/CliIo.h"

#include "core/Error.h"
#include "core/Quote.h"
#include "core/TextLines.h"
#include "core/Translate.h"
#include "project/AtomicFile.h"
#include "project/InputFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace arvento::cli {

namespace {
// The whole stream: the expected size at once, then whatever more there is
// in large blocks.
std::string ReadAll(std::istream& in, std::size_t expected) {
  std::string text(expected, '\0');
  in.read(text.data(), static_cast<std::streamsize>(expected));
  text.resize(static_cast<std::size_t>(in.gcount()));
  char block[1 << 16];
  while (in.read(block, sizeof block), in.gcount() > 0)
    text.append(block, static_cast<std::size_t>(in.gcount()));
  return text;
}
} // namespace

std::string ReadInputText(const std::string& file) {
  if (file == "-") {
    std::string text = ReadAll(std::cin, 0);
    // Standard input is read through stdio, whose read errors the stream
    // takes for the end of the input.
    if (std::cin.bad() || std::ferror(stdin))
      throw Error(Tr("Не удалось прочитать стандартный ввод: %1", std::strerror(errno)));
    return text;
  }
  project::RefuseDirectory(file);
  std::ifstream in(file, std::ios::binary);
  if (!in)
    throw Error(Tr("Не удалось прочитать файл %1", Escaped(file)));
  // A regular file is read in one go at its size; the size of anything else is unknown.
  std::error_code unknown;
  const std::uintmax_t size = std::filesystem::file_size(file, unknown);
  std::string text = ReadAll(in, unknown ? 0 : static_cast<std::size_t>(size));
  if (in.bad())
    throw Error(Tr("Не удалось прочитать файл %1: %2", Escaped(file), std::strerror(errno)));
  return text;
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
