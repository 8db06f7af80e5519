#include "cli/SoundFontOption.h"

#include "core/Error.h"
#include "core/Quote.h"
#include "player/SoundFont.h"

#include <filesystem>

namespace arvento::cli {

std::string SoundFontOption(const Args& args) {
  if (const std::optional<std::string> chosen = args.Value("--soundfont")) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(*chosen, error))
      throw Error("cannot find the SoundFont " + Escaped(*chosen));
    return *chosen;
  }
  std::string soundFont = player::FindSoundFont();
  if (soundFont.empty())
    throw Error("no General MIDI SoundFont found: install timgm6mb-soundfont or name one with --soundfont");
  return soundFont;
}

} // namespace arvento::cli
