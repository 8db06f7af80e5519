#include "cli/Args.h"
#include "cli/CliIo.h"
#include "cli/Commands.h"
#include "cli/SoundCommandHelp.h"
#include "core/Error.h"
#include "core/Quote.h"
#include "player/OfflineRender.h"
#include "player/SoundFont.h"
#include "project/InputFile.h"

#include <filesystem>

namespace arvento::cli {

namespace {
int RunRender(const std::vector<std::string>& arguments) {
  const Args args(arguments, {"-o", "--soundfont"});
  const std::string input = args.Single("FILE.mid");
  project::RefuseDirectory(input);
  const std::optional<std::string> output = args.Value("-o");
  if (!output || output->empty())
    throw UsageError("missing -o OUT.wav");
  CheckOutputIsNotInput(input, *output);
  std::string soundFont = player::FindSoundFont();
  if (const std::optional<std::string> chosen = args.Value("--soundfont")) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(*chosen, error))
      throw Error("cannot find the SoundFont " + Escaped(*chosen));
    soundFont = *chosen;
  }
  if (soundFont.empty())
    throw Error("no General MIDI SoundFont found: install timgm6mb-soundfont or name one with --soundfont");
  WriteOutputFile(*output, player::WavBytes(player::RenderMidiFile(input, soundFont)));
  return kExitOk;
}
} // namespace

const Command kRenderCommand = {"render", kRenderSummary, kRenderHelp, RunRender};

} // namespace arvento::cli
