#pragma once

namespace arvento {

// The index of the drum family in the family list; every other family is melodic.
constexpr int kDrumFamily = 16;

// The sound settings a part is compiled with, as the settings group shows them.
struct SoundSettings {
  int family = 0;      // family list index, 0..16
  int instrument = 0;  // instrument list index within the family
  int channel = 1;     // MIDI channel 1..16
  int voice = 1;       // 1..16, tells parts on one channel apart in file names
  int tempo = 50;      // 10..100, the division of the part file
  int volume = 100;    // the velocity of every note
  int modulation = 50; // 0..100, controller 1 at the start of the track
};

// General MIDI program of a melodic choice. A drum part carries program 0,
// the standard kit, because family x 8 + instrument would not fit a data byte.
constexpr int ProgramNumber(const SoundSettings& settings) {
  return settings.family == kDrumFamily ? 0 : settings.family * 8 + settings.instrument;
}

} // namespace arvento
