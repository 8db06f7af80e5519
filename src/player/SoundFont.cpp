#include "player/SoundFont.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace arvento::player {

namespace {
// Debian's General MIDI fonts, the better one first: fluid-soundfont-gm, timgm6mb-soundfont.
constexpr std::array<std::string_view, 2> kSoundFonts = {
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
};

bool IsFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}
} // namespace

std::string FindSoundFont() {
  if (const char* chosen = std::getenv("ARVENTO_SOUNDFONT"); chosen != nullptr && IsFile(chosen))
    return chosen;
  for (std::string_view candidate : kSoundFonts) {
    if (IsFile(std::string(candidate)))
      return std::string(candidate);
  }
  return {};
}

} // namespace arvento::player
