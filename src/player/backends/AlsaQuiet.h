#pragma once

namespace arvento::player {

// Keeps alsa-lib from printing its own error lines on standard error (for
// instance on a machine without a sound card): the sound back ends report
// what failed themselves.
void QuietAlsaLibrary();

} // namespace arvento::player
