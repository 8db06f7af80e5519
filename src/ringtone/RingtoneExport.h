#pragma once

// A melody part written out as a classic ringtone, NAME:d=D,o=O,b=B:NOTES on
// one line.

#include <string>
#include <string_view>
#include <vector>

namespace arvento::ringtone {

struct ClassicExport {
  std::string line;
  std::vector<std::string> warnings; // a note written as several, which the classic format cannot tie
};

// The name as a ringtone can hold it: without ":", "," and line breaks.
std::string ClassicName(std::string_view name);

// The beats per minute of a tempo setting: 2.5 × tempo, a half rounded up,
// which reads back as the same setting.
int BeatsOfTempo(int tempo);

// Writes the RTTTL-E lines, read as the melody compiler reads them, as a
// classic ringtone named ClassicName(name). D is the most frequent length
// (on a tie the larger length number) and O the most frequent classic
// octave (on a tie the lower); a note leaves out a length or octave equal to
// them. A note or rest keeps its value as written; one with a repeat factor
// becomes the classic value of its length when there is one (2*8 a quarter,
// 3*16 a dotted eighth), else values of the same pitch one after the other,
// longest first, with a warning for a note. "P" takes no part. A token the
// compiler cannot play, or a note below the classic octave 1 (c3), throws
// arvento::Error naming its line and the token.
ClassicExport ExportRingtone(const std::vector<std::string>& lines, std::string_view name, int tempo);

} // namespace arvento::ringtone
