#pragma once

// What the sound module gives the window: the synthesizer with its outputs
// and the sound-file export. The module holds FluidSynth, ALSA and the audio
// file libraries, so the window loads it after it shows (see LateSound).

#include "core/Translate.h"
#include "export/ExportSound.h"
#include "player/SoundSystem.h"
#include "player/UiThread.h"

namespace arvento::app {

using ExportFunction = exporting::ExportReport (*)(const std::filesystem::path& midiFile,
                                                   const std::filesystem::path& out,
                                                   const exporting::ExportOptions& options,
                                                   const exporting::Progress& progress);

struct SoundModule {
  // The module holds its own copy of the lower folders, and with it its own
  // translator: the window hands it one that asks the window's.
  void (*installTranslator)(Translator translator);
  // Returns once the SoundFont has loaded or failed to.
  std::unique_ptr<player::SoundSystem> (*createSound)(player::UiThread ui);
  ExportFunction exportMidiFile;
};

} // namespace arvento::app

// The module's one exported symbol.
extern "C" const arvento::app::SoundModule* ArventoSoundModule();
