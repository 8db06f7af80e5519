#include "cli/Args.h"
#include "cli/CliIo.h"
#include "cli/Commands.h"
#include "cli/HelperCommandHelp.h"
#include "cli/SoundFontOption.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "export/ExportSound.h"
#include "project/InputFile.h"

#include <charconv>
#include <chrono>
#include <iostream>
#include <unistd.h>

namespace arvento::cli {

namespace {

using exporting::AudioFormat;

constexpr double kQuietestTarget = -70; // LUFS: the absolute gate of EBU R128

// Seconds such as 1.5; within lo..hi.
std::optional<double> SecondsOption(const Args& args, const std::string& option, double lo, double hi) {
  const std::optional<std::string> text = args.Value(option);
  if (!text)
    return std::nullopt;
  double value = 0;
  const char* end = text->data() + text->size();
  const auto [stop, problem] = std::from_chars(text->data(), end, value);
  if (problem != std::errc() || stop != end || !(value >= lo && value <= hi))
    throw UsageError(Tr("option %1 takes seconds such as 1.5, not %2", option, Quoted(*text)));
  return value;
}

// The target loudness in LUFS, or nullopt for "off".
std::optional<double> LoudnessOption(const Args& args) {
  const std::optional<std::string> given = args.Value("--loudness");
  if (!given)
    return exporting::kDefaultLoudnessTarget;
  const std::string& text = *given;
  if (text == "off")
    return std::nullopt;
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, problem] = std::from_chars(text.data(), end, value);
  if (problem != std::errc() || stop != end || !(value >= kQuietestTarget && value <= 0))
    throw UsageError(Tr("option --loudness takes LUFS from -70 to 0 or off, not %1", Quoted(text)));
  return value;
}

AudioFormat FormatOption(const Args& args, const std::string& output) {
  if (!args.Value("--format"))
    return exporting::FormatOfFile(output);
  std::vector<std::string> names;
  for (const exporting::FormatInfo& info : exporting::kFormats)
    names.emplace_back(info.name);
  return *exporting::FormatNamed(args.Choice("--format", names, names.front()));
}

// On a terminal, a line on standard error that tells how far the export has
// come, once it has taken longer than a second; it is wiped at the end.
class ProgressLine {
public:
  ProgressLine() : terminal_(isatty(STDERR_FILENO) == 1) {}
  ~ProgressLine() {
    if (shown_)
      std::cerr << "\r\x1b[K" << std::flush;
  }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  bool Tell(double done) {
    if (!terminal_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1))
      return true;
    std::cerr << "\rarvento-cli export: " << static_cast<int>(done * 100) << "%" << std::flush;
    shown_ = true;
    return true;
  }

private:
  const bool terminal_;
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  bool shown_ = false;
};

int RunExport(const std::vector<std::string>& arguments) {
  const Args args(arguments,
                  {"-o", "--format", "--start", "--length", "--fade", "--loudness", "--title", "--soundfont"},
                  {"--loop"});
  const std::string input = args.Single("IN.mid");
  project::RefuseDirectory(input);
  const std::optional<std::string> output = args.Value("-o");
  if (!output || output->empty())
    throw UsageError(Tr("missing %1", "-o OUT"));
  exporting::ExportOptions options;
  options.format = FormatOption(args, *output);
  if (args.Has("--loop") && options.format != AudioFormat::Ogg)
    throw UsageError(Tr("--loop marks Ogg Vorbis files only"));
  options.loop = args.Has("--loop");
  constexpr double kHour = 3600;
  options.cut.start = SecondsOption(args, "--start", 0, kHour).value_or(0);
  options.cut.length = SecondsOption(args, "--length", 0, kHour);
  options.cut.fade = SecondsOption(args, "--fade", 0, kHour).value_or(exporting::kDefaultFadeSeconds);
  options.loudness = LoudnessOption(args);
  options.title = args.Value("--title");
  CheckOutputIsNotInput(input, *output);
  options.soundFont = SoundFontOption(args);

  ProgressLine line;
  const exporting::ExportReport report = exporting::ExportMidiFile(
      input, *output, options, exporting::Progress([&line](double done) { return line.Tell(done); }));
  for (const std::string& notice : report.notices)
    std::cerr << "arvento-cli export: " << notice << "\n";
  return kExitOk;
}

} // namespace

const Command kExportCommand = {"export", kExportSummary, kExportHelp, RunExport};

} // namespace arvento::cli
