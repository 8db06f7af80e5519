#include "cli/SoundFontOption.h"

#include "core/Error.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "player/SoundFont.h"

#include <filesystem>

namespace arvento::cli {

std::string SoundFontOption(const Args& args) {
  if (const std::optional<std::string> chosen = args.Value("--soundfont")) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(*chosen, error))
      throw Error(Tr("cannot find the SoundFont %1", Escaped(*chosen)));
    return *chosen;
  }
  std::string soundFont = player::FindSoundFont();
  if (soundFont.empty())
    throw Error(
        Tr("no General MIDI SoundFont found: install timgm6mb-soundfont or name one with --soundfont"));
  return soundFont;
}

} // namespace arvento::cli
