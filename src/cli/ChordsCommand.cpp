#include "chords/AccompanimentCompiler.h"
#include "cli/AccompanimentOptions.h"
#include "cli/CliIo.h"
#include "cli/Commands.h"
#include "core/Translate.h"

#include <iostream>

namespace arvento::cli {

namespace {
int RunChords(const std::vector<std::string>& arguments) {
  std::set<std::string> options = kSoundOptions;
  options.insert(kAccompanimentOptions.begin(), kAccompanimentOptions.end());
  options.insert("-o");
  const Args args(arguments, options);
  const SoundSettings sound = ReadSoundOptions(args);
  const chords::AccompanimentSettings settings = ReadAccompanimentOptions(args);
  const std::string output = OutputOption(args);
  const std::string input = args.Single("FILE");
  CheckOutputIsNotInput(input, output);
  const std::vector<std::string> lines = ReadInputLines(input);

  std::vector<std::string> skipped;
  const auto report = [&skipped, &lines] {
    for (const std::string& message : skipped)
      std::cerr << "arvento-cli chords: " << message << "\n";
    for (const std::string& warning : chords::ChordTextWarnings(lines))
      std::cerr << "arvento-cli chords: " << warning << "\n";
  };
  std::vector<std::uint8_t> bytes;
  try {
    bytes = chords::CompileAccompaniment(lines, settings, sound, skipped);
  } catch (...) {
    report(); // lines lost before the failure are worth knowing too
    throw;
  }
  report();
  WriteOutputFile(output, bytes);
  return kExitOk;
}

} // namespace

const Command kChordsCommand = {
    "chords", TrLater("voice chord sequence text into an accompaniment part file"),
    TrLater("Usage: arvento-cli chords [OPTIONS] FILE -o OUT.mid\n"
            "Voices the chord sequence text in FILE (\"-\" for standard input), items such as\n"
            "4(Am), 2*4(G), 2.(C7), A3:8(Dm), and writes the accompaniment part file.\n"
            "A line with a chord that cannot be voiced loses the rest of that line; each such\n"
            "line is reported on standard error and the file is still written.\n\n"
            "Options:\n"
            "%2"
            "%1"
            "  -o OUT.mid        the part file to write (\"-\" for standard output)\n"),
    RunChords};

} // namespace arvento::cli
