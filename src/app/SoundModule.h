#pragma once

// What the sound module gives the window: the synthesizer with its outputs
// and the sound-file export. The module holds FluidSynth, ALSA and the audio
// file libraries, so the window loads it after it shows (see LateSound).

#include "export/ExportSound.h"
#include "player/SoundSystem.h"
#include "player/UiThread.h"

namespace arvento::app {

using ExportFunction = exporting::ExportReport (*)(const std::filesystem::path& midiFile,
                                                   const std::filesystem::path& out,
                                                   const exporting::ExportOptions& options,
                                                   const exporting::Progress& progress);

struct SoundModule {
  // Returns once the SoundFont has loaded or failed to.
  std::unique_ptr<player::SoundSystem> (*createSound)(player::UiThread ui);
  ExportFunction exportMidiFile;
};

} // namespace arvento::app

// The module's one exported symbol.
extern "C" const arvento::app::SoundModule* ArventoSoundModule();
