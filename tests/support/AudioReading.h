#pragma once

// What readers independent of the program make of a sound file it wrote.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace arvento::test {

struct AudioReading {
  std::string format; // the container, as the reader names it
  std::string codec;
  int channels = 0;
  int sampleRate = 0;
  double seconds = 0;
  std::vector<float> samples;              // as decoded, left and right side by side
  std::map<std::string, std::string> tags; // as ffprobe shows them, names in lower case
  double loudness = 0;                     // integrated, LUFS, measured by libebur128 on the samples
  double truePeak = 0;                     // dBTP, likewise
};

// Reads WAV, FLAC, Ogg and MP3 files with libsndfile, an .m4r with ffprobe
// (and its sound decoded by ffmpeg), the tags of all with ffprobe. Fails the
// current test when a reader refuses the file.
AudioReading ReadAudio(const std::filesystem::path& file);

// The highest sample of either channel between two times in seconds, in dBFS.
double PeakDb(const AudioReading& audio, double from, double to);

} // namespace arvento::test
