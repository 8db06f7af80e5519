#include "cli/Args.h"
#include "cli/Commands.h"
#include "core/Translate.h"
#include "midi/SmfReader.h"
#include "project/AtomicFile.h"
#include "project/InputFile.h"

#include <iostream>

namespace arvento::cli {

namespace {
int RunDump(const std::vector<std::string>& arguments) {
  const Args args(arguments, {});
  const std::string file = args.Single("FILE.mid");
  project::RefuseDirectory(file);
  const std::vector<std::uint8_t> bytes = project::ReadFileBytes(file);
  std::cout << midi::DumpSmf(midi::ReadSmf(bytes));
  return kExitOk;
}
} // namespace

const Command kDumpCommand = {
    "dump", TrLater("print a Standard MIDI File as readable lines"),
    TrLater("Usage: arvento-cli dump FILE.mid\n"
            "Prints the header, then each track's events, one per line: absolute tick,\n"
            "channel, kind and data bytes (meta events: their type and payload).\n"),
    RunDump};

} // namespace arvento::cli
