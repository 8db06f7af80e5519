#include "cli/CliIo.h"
#include "cli/Commands.h"
#include "core/Translate.h"
#include "ringtone/RingtoneExport.h"

#include <filesystem>
#include <iostream>

namespace arvento::cli {

namespace {
int RunRtttlExport(const std::vector<std::string>& arguments) {
  const Args args(arguments, {"--name", "--tempo"});
  const std::string input = args.Single("FILE");
  const int tempo = args.Int("--tempo", 10, 100, 50);
  const std::string name =
      args.Value("--name").value_or(input == "-" ? "" : std::filesystem::path(input).stem().string());
  const ringtone::ClassicExport written = ringtone::ExportRingtone(ReadInputLines(input), name, tempo);
  for (const std::string& warning : written.warnings)
    std::cerr << "arvento-cli rtttl-export: " << warning << "\n";
  std::cout << written.line << "\n";
  return kExitOk;
}
} // namespace

const Command kRtttlExportCommand = {
    "rtttl-export", TrLater("write RTTTL-E melody text as a classic RTTTL ringtone"),
    TrLater("Usage: arvento-cli rtttl-export FILE [--name NAME] [--tempo N]\n"
            "Prints the RTTTL-E melody text of FILE (\"-\" for standard input) as one classic RTTTL\n"
            "line, NAME:d=D,o=O,b=B:NOTES: D is the most frequent length, O the most frequent\n"
            "classic octave (octave k is the classic octave k - 2), B = 2.5 x tempo.\n"
            "A repeat factor becomes the classic value it makes (2*8 a quarter, 3*16 a dotted\n"
            "eighth), else notes of the same pitch one after the other, which standard error\n"
            "tells: the classic format has no ties.\n\n"
            "Options:\n"
            "  --name NAME     the ringtone's name, without \":\" and \",\" [FILE's name without extension]\n"
            "  --tempo N       tempo setting 10..100 [50]\n\n"
            "A token the melody compiler cannot play, or a note below c3 (classic octave 1),\n"
            "is named with its line on standard error and the exit status is 2.\n"),
    RunRtttlExport};

} // namespace arvento::cli
