#pragma once

// Summary and help of the roll command. arvento-cli lists it and shows its
// help itself; arvento-cli-roll, which links Qt's painting, runs it.

namespace arvento::cli {

inline constexpr const char* kRollSummary = "draw a MIDI file as a piano roll into a PNG picture";
inline constexpr const char* kRollHelp =
    "Usage: arvento-cli roll IN.mid -o OUT.png [--width W] [--height H]\n"
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
    "A file that is not a MIDI file or holds no note is a message and exit status 2.\n";

} // namespace arvento::cli
