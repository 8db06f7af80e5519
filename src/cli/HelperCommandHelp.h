#pragma once

// Summary and help of the commands that run in the helper programs of
// arvento-cli. arvento-cli lists them and shows their help itself;
// arvento-cli-sound, which links the synthesizer, runs play, render and
// export, and arvento-cli-roll, which links Qt's painting, runs roll.

#include "core/Translate.h"

#include <string>

namespace arvento::cli {

inline constexpr const char* kPlaySummary = TrLater("sound a note or a note text on the live player");
inline constexpr const char* kPlayHelp =
    TrLater("Usage: arvento-cli play [OPTIONS] (--note N | --text TEXT) [--dry-run]\n"
            "Sounds one note (0..127) or a note text such as \"C5;50,0;E5,0;G5\" at once on\n"
            "the live player's output, and waits until it has played.\n\n"
            "Options (the player's properties and their defaults):\n"
            "  --volume N        0..100, default 100\n"
            "  --pan N           -100..100, default 0\n"
            "  --reverb N        0..100, default 0\n"
            "  --chorus N        0..100, default 0\n"
            "  --sustain         hold the sustain pedal\n"
            "  --modulation N    0..100, default 0\n"
            "  --pitch-bend N    -120..120 tenths of a semitone, default 0\n"
            "  --pb-delay N      0..100 percent of the note before the bend, default 0\n"
            "  --pb-duration N   0..100 percent of the rest over which it bends, default 100\n"
            "  --duration N      ticks of a single note (100 a second), default 50\n"
            "  --octave N        0..10, the octave of note names without one, default 4\n"
            "  --instrument N    0..127 a General MIDI program, 128..174 a percussion key,\n"
            "                    or its name such as mgAccordion; default 0\n"
            "  --channel N       0..15 (9 is the percussion channel), default 0\n"
            "  --loops N         passes of the request, 0 repeats for ever; default 1\n"
            "  --dry-run         play nothing; print the stream buffer that would be\n"
            "                    submitted, one event a line: delta, event word in hex\n"
            "Exit status 1 when the player refuses the request (no output, no note).\n");

inline constexpr const char* kRenderSummary =
    TrLater("render a MIDI file to a WAV file through the synthesizer");
inline constexpr const char* kRenderHelp =
    TrLater("Usage: arvento-cli render FILE.mid -o OUT.wav [--soundfont PATH]\n"
            "Plays FILE.mid through the built-in synthesizer without an audio device and\n"
            "writes the sound as a 16-bit stereo WAV file at 44.1 kHz, up to the moment\n"
            "the last note has died away.\n\n"
            "Options:\n"
            "  -o OUT.wav          the WAV file to write (\"-\" for standard output)\n"
            "  --soundfont PATH    the General MIDI SoundFont; by default ARVENTO_SOUNDFONT,\n"
            "                      else FluidR3_GM.sf2 or TimGM6mb.sf2 from /usr/share/sounds/sf2\n");

inline constexpr const char* kExportSummary =
    TrLater("render a MIDI file to a ringtone: WAV, FLAC, Ogg Vorbis, MP3 or m4r");
inline constexpr const char* kExportHelp =
    TrLater("Usage: arvento-cli export IN.mid -o OUT [--format wav|flac|ogg|mp3|m4r] [--start SEC]\n"
            "                          [--length SEC] [--fade SEC] [--loudness LUFS|off] [--loop]\n"
            "                          [--title TEXT] [--soundfont FILE]\n"
            "Plays IN.mid through the built-in synthesizer, as render does (44.1 kHz stereo),\n"
            "and writes the sound for a telephone. It ends where the music ends: after the\n"
            "last note-off, once the sound has stayed below -60 dBFS for 50 ms (at most 3 s).\n"
            "The whole file is brought to -14 LUFS integrated loudness (EBU R128) with its\n"
            "true peak at most -1 dBTP. OUT is written under a temporary name and renamed\n"
            "into place, so a failure leaves an existing OUT as it was.\n\n"
            "Options:\n"
            "  -o OUT               the file to write; its extension chooses the format:\n"
            "                       .wav, .flac, .ogg (Ogg Vorbis), .mp3 or .m4r (AAC in\n"
            "                       MPEG-4, at most 40 s: a longer sound is cut there)\n"
            "  --format F           wav, flac, ogg, mp3 or m4r, whatever OUT's extension\n"
            "  --start SEC          where the cut starts, in seconds such as 1.5 [0]\n"
            "  --length SEC         how long the cut lasts [to the end of the sound]\n"
            "  --fade SEC           a cut that ends inside the sound fades out over its\n"
            "                       last SEC seconds; 0 for none [0.5]\n"
            "  --loudness LUFS|off  the integrated loudness [-14]; off keeps the\n"
            "                       synthesizer's level\n"
            "  --loop               Ogg Vorbis only: the comment ANDROID_LOOP=true, which\n"
            "                       makes Android repeat the ringtone\n"
            "  --title TEXT         the title tag [OUT's file name without its extension]\n"
            "  --soundfont FILE     the General MIDI SoundFont; by default ARVENTO_SOUNDFONT,\n"
            "                       else FluidR3_GM.sf2 or TimGM6mb.sf2 from /usr/share/sounds/sf2\n"
            "On a terminal a progress line shows on standard error while an export takes\n"
            "longer than a second.\n");

inline constexpr const char* kRollSummary = TrLater("draw a MIDI file as a piano roll into a PNG picture");
inline constexpr const char* kRollHelp =
    TrLater("Usage: arvento-cli roll IN.mid -o OUT.png [--width W] [--height H]\n"
            "Draws the whole of IN.mid as a piano roll: time left to right from tick 0 to\n"
            "the end of the longest track, pitch bottom to top from the lowest to the\n"
            "highest note with two rows of margin, one row a semitone, a thin line at\n"
            "every bar of four quarter notes. Every track has a colour of its own, the same\n"
            "for the same track number in every picture; drum notes are diamonds. A legend\n"
            "at the top names each track's number, channel and instrument.\n\n"
            "Options:\n"
            "  -o OUT.png     the picture to write (\"-\" for standard output)\n"
            "  --width W      16..10000 pixels [1200]\n"
            "  --height H     16..10000 pixels [600]\n"
            "A file that is not a MIDI file or holds no note is a message and exit status 2.\n");

} // namespace arvento::cli
