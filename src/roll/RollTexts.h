#pragma once

// The words a piano roll shows: a track in the legend and the track list, a
// note in its tooltip.

#include "midi/SmfNotes.h"

#include <string>

namespace arvento::roll {

// "2 · канал 1 · Acoustic Grand"; a track on the drum channel is "DRUMS".
std::string TrackLabel(const midi::SmfNoteTrack& track);
// The same words in the picture's legend: a picture is a file, and a file the
// program writes is the same in every language.
std::string WrittenTrackLabel(const midi::SmfNoteTrack& track);

// The start of a tick in bars of four quarter notes of the division and in
// beats, both from 1: "такт 2, доля 3", "такт 1, доля 2.5"; "тик 96" in a
// file whose division counts no quarter notes.
std::string BarsAndBeats(std::uint32_t tick, int division);

// "8.g#6, такт 2, доля 3, громкость 100, дорожка 2": the RTTTL-E token of a
// note, where it starts, its velocity and its track.
std::string DescribeNote(const midi::SmfNote& note, int trackNumber, int division);

// Ticks a quarter note of the division; 0 for a division of frames a second or of 0 ticks.
constexpr int QuarterTicks(int division) {
  return division > 0 && (division & 0x8000) == 0 ? division : 0;
}

} // namespace arvento::roll
