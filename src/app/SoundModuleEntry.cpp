#include "app/SoundModule.h"

#include "player/backends/SynthSoundSystem.h"

extern "C" __attribute__((visibility("default"))) const arvento::app::SoundModule* ArventoSoundModule() {
  static const arvento::app::SoundModule module{
      .installTranslator = arvento::InstallTranslator,
      .createSound = arvento::player::CreateSynthSoundSystem,
      .exportMidiFile = arvento::exporting::ExportMidiFile,
  };
  return &module;
}
