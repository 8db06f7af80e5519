#include "cli/CliIo.h"
#include "cli/Commands.h"
#include "core/Digits.h"
#include "core/Error.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "melody/MelodyCompiler.h"
#include "ringtone/ClassicRingtone.h"
#include "ringtone/RingtoneImport.h"

#include <iostream>

namespace arvento::cli {

namespace {

// The ringtone that --pick names by its number (from 1) or its name; the
// only one without --pick.
std::string_view Picked(const std::vector<std::string_view>& lines, const std::optional<std::string>& pick) {
  if (!pick) {
    if (lines.size() > 1)
      throw UsageError(
          Tr("the file holds %1 ringtones: pick one with --pick N|NAME (--list names them)", lines.size()));
    return lines.front();
  }
  if (const std::optional<long long> number = DigitsValue(*pick, static_cast<long long>(lines.size())))
    if (*number >= 1)
      return lines[static_cast<std::size_t>(*number - 1)];
  for (const std::string_view line : lines) {
    if (ringtone::RingtoneName(line) == *pick)
      return line;
  }
  throw UsageError(
      Tr("no ringtone %1 among the %2 of the file (--list names them)", Quoted(*pick), lines.size()));
}

int RunRtttlImport(const std::vector<std::string>& arguments) {
  std::set<std::string> options = kSoundOptions;
  options.insert({"-o", "--pick"});
  const Args args(arguments, options, {"--list", "--text"});
  const std::string input = args.Single("FILE");
  const bool list = args.Has("--list");
  const bool text = args.Has("--text");
  if ((list || text) && args.Has("-o"))
    throw UsageError(Tr("%1 prints, and writes no file (-o)", list ? "--list" : "--text"));
  SoundSettings settings = ReadSoundOptions(args);
  std::string output;
  if (!list && !text) {
    output = OutputOption(args);
    CheckOutputIsNotInput(input, output);
  }

  const std::string content = ReadInputText(input);
  const std::vector<std::string_view> lines = ringtone::RingtoneLines(content);
  if (lines.empty())
    throw Error(Tr("В файле %1 нет ни одной мелодии", Escaped(input)));
  if (list) {
    for (std::size_t i = 0; i < lines.size(); ++i)
      std::cout << i + 1 << " " << Escaped(ringtone::RingtoneName(lines[i])) << "\n";
    return kExitOk;
  }
  const ringtone::ImportedRingtone imported = ringtone::ImportRingtone(Picked(lines, args.Value("--pick")));
  for (const std::string& warning : imported.warnings)
    std::cerr << "arvento-cli rtttl-import: " << warning << "\n";
  if (text) {
    for (const std::string& line : imported.lines)
      std::cout << line << "\n";
    return kExitOk;
  }
  if (!args.Has("--tempo"))
    settings.tempo = imported.tempo;
  WriteOutputFile(output, melody::CompileMelody(imported.lines, settings));
  return kExitOk;
}

} // namespace

const Command kRtttlImportCommand = {
    "rtttl-import", TrLater("open a classic RTTTL ringtone as RTTTL-E or a part file"),
    TrLater("Usage: arvento-cli rtttl-import FILE [--pick N|NAME] [--list] [--text] [OPTIONS] [-o OUT.mid]\n"
            "Opens a classic RTTTL ringtone (NAME:d=4,o=5,b=120:8c6,8d6,...) of FILE (\"-\" for\n"
            "standard input), which may hold many, one a line. Classic octave k is octave k + 2\n"
            "(a4, 440 Hz, is a6); the ringtone's b beats per minute are the tempo setting b x 0.4,\n"
            "held within 10..100 with a warning on standard error.\n\n"
            "Options:\n"
            "  --list          print the ringtones' names, one a line with its number\n"
            "  --pick N|NAME   the ringtone of that number (from 1) or name; needed when FILE\n"
            "                  holds several\n"
            "  --text          print the ringtone as RTTTL-E lines instead of writing a part file\n"
            "%1"
            "                  (--tempo replaces the ringtone's own tempo)\n"
            "  -o OUT.mid      the part file to write (\"-\" for standard output)\n"),
    RunRtttlImport};

} // namespace arvento::cli
