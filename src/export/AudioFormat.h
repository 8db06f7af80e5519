#pragma once

// The sound file formats an export writes, chosen by the file's extension or by name.

#include "core/Translate.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace arvento::exporting {

enum class AudioFormat { Wav, Flac, Ogg, Mp3, M4r };

struct FormatInfo {
  AudioFormat format;
  std::string_view name;        // the extension without its dot, and the name --format takes
  std::string_view description; // for a person choosing a format, shown through ShownDescription
  double maxSeconds;            // what the telephones that play the format accept; 0: no limit
  // A lossy encoder changes the sound: its decoded peaks may rise above the
  // peaks it was given.
  bool lossy;
  // How far below the true-peak ceiling the sound is put before encoding,
  // so that the file seldom has to be encoded again: the 16-bit rounding of
  // lossless files, the usual overshoot of the lossy encoders at their
  // bit rates.
  double peakHeadroomDb;
};

// Telephones take an AAC ringtone of at most 40 seconds.
inline constexpr std::array<FormatInfo, 5> kFormats = {{
    {AudioFormat::Wav, "wav", "WAV", 0, false, 0.01},
    {AudioFormat::Flac, "flac", "FLAC", 0, false, 0.01},
    {AudioFormat::Ogg, "ogg", "Ogg Vorbis", 0, true, 0.3},
    {AudioFormat::Mp3, "mp3", "MP3", 0, true, 0.3},
    {AudioFormat::M4r, "m4r", TrLater("AAC в MPEG-4"), 40, true, 0.5},
}};

const FormatInfo& Info(AudioFormat format);

// The format's description in the user's language.
std::string ShownDescription(AudioFormat format);

// The format of that name, in any case; nullopt for another name.
std::optional<AudioFormat> FormatNamed(std::string_view name);

// The format of the file's extension. Throws arvento::Error listing the
// formats for a file without one of theirs.
AudioFormat FormatOfFile(const std::filesystem::path& file);

} // namespace arvento::exporting
