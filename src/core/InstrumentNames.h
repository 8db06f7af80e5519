#pragma once

#include "core/SoundSettings.h"

#include <array>
#include <span>
#include <string_view>

namespace arvento {

// The families of the family list, in list order; the last one is the drums.
constexpr std::array<std::string_view, 17> kFamilyNames = {
    "PIANO",         "CHROM PERCUSSION",
    "ORGAN",         "GUITAR",
    "BASS",          "STRINGS",
    "ENSEMBLE",      "BRASS",
    "REED",          "PIPE",
    "SYNTH LEAD",    "SYNTH PAD",
    "SYNTH EFFECTS", "ETHNIC",
    "PERCUSSIVE",    "SOUND EFFECTS",
    "DRUMS",
};

// The program's own display names: entries 0..127 for the General MIDI
// programs, 128..174 for the percussion keys 35..81. The spellings are the
// ones users of earlier versions know, misspellings included.
constexpr std::array<std::string_view, 175> kInstrumentCaptions = {
    // 0 PIANO
    "Acoustic Grand",
    "Bright Acoustic",
    "Electric Grand",
    "Honky-Tonk",
    "Electric Piano 1",
    "Electric Piano",
    "Harpsichord",
    "Clav",
    // 8 CHROM PERCUSSION
    "Celesta",
    "Glockenspiel",
    "Music Box",
    "Vibraphone",
    "Marimba",
    "Xylophone",
    "Tubular Bells",
    "Dulcimer",
    // 16 ORGAN
    "Drawbar Organ",
    "Percussive Organ",
    "Rock Organ",
    "Church Organ",
    "Reed Organ",
    "Accoridan",
    "Harmonica",
    "Tango Accordian",
    // 24 GUITAR
    "Acoustic Guitar(nylon)",
    "Acoustic Guitar(steel)",
    "Electric Guitar(jazz)",
    "Electric Guitar(clean)",
    "Electric Guitar(muted)",
    "Overdriven Guitar",
    "Distortion Guitar",
    "Guitar Harmonics",
    // 32 BASS
    "Acoustic Bass",
    "Electric Bass(finger)",
    "Electric Bass(pick)",
    "Fretless Bass",
    "Slap Bass 1",
    "Slap Bass 2",
    "Synth Bass 1",
    "Synth Bass 2",
    // 40 STRINGS
    "Violin",
    "Viola",
    "Cello",
    "Contrabass",
    "Tremolo Strings",
    "Pizzicato Strings",
    "Orchestral Strings",
    "Timpani",
    // 48 ENSEMBLE
    "String Ensemble 1",
    "String Ensemble 2",
    "SynthStrings 1",
    "SynthStrings 2",
    "Choir Aahs",
    "Voice Oohs",
    "Synth Voice",
    "Orchestra Hit",
    // 56 BRASS
    "Trumpet",
    "Trombone",
    "Tuba",
    "Muted Trumpet",
    "French Horn",
    "Brass Section",
    "SynthBrass 1",
    "SynthBrass 2",
    // 64 REED
    "Soprano Sax",
    "Alto Sax",
    "Tenor Sax",
    "Baritone Sax",
    "Oboe",
    "English Horn",
    "Bassoon",
    "Clarinet",
    // 72 PIPE
    "Piccolo",
    "Flute",
    "Recorder",
    "Pan Flute",
    "Blown Bottle",
    "Skakuhachi",
    "Whistle",
    "Ocarina",
    // 80 SYNTH LEAD
    "Lead 1 (square)",
    "Lead 2 (sawtooth)",
    "Lead 3 (calliope)",
    "Lead 4 (chiff)",
    "Lead 5 (charang)",
    "Lead 6 (voice)",
    "Lead 7 (fifths)",
    "Lead 8 (bass+lead)",
    // 88 SYNTH PAD
    "Pad 1 (new age)",
    "Pad 2 (warm)",
    "Pad 3 (polysynth)",
    "Pad 4 (choir)",
    "Pad 5 (bowed)",
    "Pad 6 (metallic)",
    "Pad 7 (halo)",
    "Pad 8 (sweep)",
    // 96 SYNTH EFFECTS
    "FX 1 (rain)",
    "FX 2 (soundtrack)",
    "FX 3 (crystal)",
    "FX 4 (atmosphere)",
    "FX 5 (brightness)",
    "FX 6 (goblins)",
    "FX 7 (echoes)",
    "FX 8 (sci-fi)",
    // 104 ETHNIC
    "Sitar",
    "Banjo",
    "Shamisen",
    "Koto",
    "Kalimba",
    "Bagpipe",
    "Fiddle",
    "Shanai",
    // 112 PERCUSSIVE
    "Tinkle Bell",
    "Agogo",
    "Steel Drums",
    "Woodblock",
    "Taiko Drum",
    "Melodic Tom",
    "Synth Drum",
    "Reverse Cymbal",
    // 120 SOUND EFFECTS
    "Guitar Fret Noise",
    "Breath Noise",
    "Seashore",
    "Bird Tweet",
    "Telephone Ring",
    "Helicopter",
    "Applause",
    "Gunshot",
    // 128 percussion keys 35..81; key 35 is never shown
    "Acoustic Bass Drum",
    "Bass Drum 1",
    "Side Stick",
    "Acoustic Snare",
    "Hand Clap",
    "Electric Snare",
    "Low Floor Tom",
    "Closed Hi-Hat",
    "High Floor Tom",
    "Pedal Hi-Hat",
    "Low Tom",
    "Open Hi-Hat",
    "Low-Mid Tom",
    "Hi-Mid Tom",
    "Crash Cymbal 1",
    "High Tom",
    "Ride Cymbal 1",
    "Chinese Cymbal",
    "Ride Bell",
    "Tambourine",
    "Splash Cymbal",
    "Cowbell",
    "Crash Cymbal 2",
    "Vibraslap",
    "Ride Cymbal 2",
    "Hi Bongo",
    "Low Bongo",
    "Mute Hi Conga",
    "Open Hi Conga",
    "Low Conga",
    "High Timbale",
    "Low Timbale",
    "High Agogo",
    "Low Agogo",
    "Cabasa",
    "Maracas",
    "Short Whistle",
    "Long Whistle",
    "Short Guiro",
    "Long Guiro",
    "Claves",
    "Hi Wood Block",
    "Low Wood Block",
    "Mute Cuica",
    "Open Cuica",
    "Mute Triangle",
    "Open Triangle",
};

constexpr int kInstrumentsPerFamily = 8;
// The drum family shows the percussion names from "Bass Drum 1" on.
constexpr int kFirstDrumName = 129;
constexpr int kDrumNameCount = 46;
// The drum family's live sound is the percussion key of its list index plus this.
constexpr int kFirstDrumKey = 35;

// The names the instrument list shows for a family.
constexpr std::span<const std::string_view> InstrumentNamesOf(int family) {
  if (family == kDrumFamily)
    return std::span(kInstrumentCaptions).subspan(kFirstDrumName, kDrumNameCount);
  return std::span(kInstrumentCaptions)
      .subspan(static_cast<std::size_t>(family * kInstrumentsPerFamily), kInstrumentsPerFamily);
}

static_assert(kFirstDrumName + kDrumNameCount == kInstrumentCaptions.size());
static_assert(kFamilyNames.size() == kDrumFamily + 1);

} // namespace arvento
