#pragma once

#include "export/AudioFormat.h"

#include <cstdint>
#include <string>
#include <vector>

namespace arvento::exporting {

struct Tags {
  std::string title; // UTF-8; no title tag when empty
  bool loop = false; // Ogg Vorbis only: ANDROID_LOOP=true, which makes Android repeat the ringtone
};

// Writes the tags into an encoded file in memory through TagLib: the RIFF
// INFO title of WAV, the Vorbis comments of FLAC and Ogg Vorbis, the ID3v2
// title of MP3 and the iTunes title of MPEG-4. Throws arvento::Error when
// TagLib cannot read the file or write them.
void WriteTags(std::vector<std::uint8_t>& file, AudioFormat format, const Tags& tags);

} // namespace arvento::exporting
