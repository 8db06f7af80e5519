#pragma once

// A MIDI file played through the synthesizer far enough past its last note
// that any level the export may set still finds where the sound ends.

#include "export/Cut.h"
#include "export/Progress.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace arvento::exporting {

// The rendering follows the sound after the last note-off down to −120 dBFS
// (or for kMaxRingSeconds), so that a gain of up to 60 dB still finds where
// it falls below kSilence.
inline constexpr float kRenderSilence = 1e-6f;

struct Rendering {
  int sampleRate = 0;
  std::vector<float> samples;  // left and right side by side
  std::size_t lastNoteOff = 0; // the frame of the last note-off
  double truePeak = 0;         // dBTP, when asked for
};

// With peakOf, the true peak of the longest sound the cut can hold, its start
// to its length or the format's limit, is measured on another thread while
// the synthesizer renders. Throws arvento::Error for a file that is not a
// MIDI file, whose notes play for longer than ten minutes or that the
// synthesizer cannot play, and for a SoundFont that does not load; Cancelled
// when progress says to stop.
Rendering RenderToSilence(const std::filesystem::path& midiFile, const std::string& soundFont,
                          const std::optional<CutRequest>& peakOf, const Progress& progress);

} // namespace arvento::exporting
