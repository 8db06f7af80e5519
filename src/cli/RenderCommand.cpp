#include "cli/Args.h"
#include "cli/CliIo.h"
#include "cli/Commands.h"
#include "cli/HelperCommandHelp.h"
#include "cli/SoundFontOption.h"
#include "core/Translate.h"
#include "player/OfflineRender.h"
#include "project/InputFile.h"

namespace arvento::cli {

namespace {
int RunRender(const std::vector<std::string>& arguments) {
  const Args args(arguments, {"-o", "--soundfont"});
  const std::string input = args.Single("FILE.mid");
  project::RefuseDirectory(input);
  const std::optional<std::string> output = args.Value("-o");
  if (!output || output->empty())
    throw UsageError(Tr("missing %1", "-o OUT.wav"));
  CheckOutputIsNotInput(input, *output);
  const std::string soundFont = SoundFontOption(args);
  WriteOutputFile(*output, player::WavBytes(player::RenderMidiFile(input, soundFont)));
  return kExitOk;
}
} // namespace

const Command kRenderCommand = {"render", kRenderSummary, kRenderHelp, RunRender};

} // namespace arvento::cli
