#pragma once

// A MIDI file as a sound file for a telephone: rendered through the
// synthesizer, ended where the music ends, cut, brought to a loudness,
// encoded, tagged and written in place of the old file only when whole.

#include "export/AudioFormat.h"
#include "export/Cut.h"
#include "export/Loudness.h"
#include "export/Progress.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace arvento::exporting {

struct ExportOptions {
  AudioFormat format = AudioFormat::Ogg;
  std::string soundFont;
  // The cut; its limit is the format's, whatever is set here.
  CutRequest cut;
  // The integrated loudness in LUFS; nullopt leaves the synthesizer's level.
  std::optional<double> loudness = kDefaultLoudnessTarget;
  // The title tag; the output's file name without its extension when absent.
  std::optional<std::string> title;
  // Ogg Vorbis: Android repeats the ringtone.
  bool loop = false;
};

struct ExportReport {
  double seconds = 0;
  // When its level was set: the integrated loudness of the sound at its gain,
  // and the true peak of the written file as a player decodes it.
  std::optional<Loudness> loudness;
  // What a person should know about the file, such as a cut at the format's limit.
  std::vector<std::string> notices;
};

// Writes the sound of the MIDI file to `out` through a temporary file beside
// it. Throws Cancelled when progress says to stop, and arvento::Error naming
// what failed; either way an existing `out` stays as it was.
ExportReport ExportMidiFile(const std::filesystem::path& midiFile, const std::filesystem::path& out,
                            const ExportOptions& options, const Progress& progress);

} // namespace arvento::exporting
