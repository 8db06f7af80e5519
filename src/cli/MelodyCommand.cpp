#include "cli/CliIo.h"
#include "cli/Commands.h"
#include "core/Translate.h"
#include "melody/MelodyCompiler.h"

#include <iostream>

namespace arvento::cli {

namespace {
constexpr int kDrumChannel = 10;

int RunMelody(const std::vector<std::string>& arguments) {
  std::set<std::string> options = kSoundOptions;
  options.insert("-o");
  const Args args(arguments, options);
  const SoundSettings settings = ReadSoundOptions(args);
  const std::string output = OutputOption(args);
  const std::string input = args.Single("FILE");
  CheckOutputIsNotInput(input, output);
  InputPieces text(input);
  WriteOutputFile(output, melody::CompileMelodyText([&text] { return text.Next(); }, settings,
                                                    ReadyBytes(melody::PartFileRoom(text.Size()))));
  if (settings.family == kDrumFamily && settings.channel != kDrumChannel)
    std::cerr << "arvento-cli melody: "
              << Tr("--family 16 is drums, but General MIDI players sound drums only on channel 10, not on "
                    "channel %1",
                    settings.channel)
              << "\n";
  return kExitOk;
}

} // namespace

const Command kMelodyCommand = {
    "melody", TrLater("compile RTTTL-E melody text into a part file"),
    TrLater("Usage: arvento-cli melody [OPTIONS] FILE -o OUT.mid\n"
            "Compiles the RTTTL-E text in FILE (\"-\" for standard input) into a part file.\n\n"
            "Options:\n"
            "%1"
            "  -o OUT.mid      the part file to write (\"-\" for standard output)\n"),
    RunMelody};

} // namespace arvento::cli
