#include "player/backends/AlsaQuiet.h"

#include <alsa/asoundlib.h>

#include <mutex>

namespace arvento::player {

namespace {
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
} // namespace

void QuietAlsaLibrary() {
  static std::once_flag once;
  std::call_once(once, [] { snd_lib_error_set_handler(IgnoreAlsaError); });
}

} // namespace arvento::player
