#pragma once

// The window's view of a piano roll: where a file first opens, and how far
// its zoom goes. Functions of the notes' extent and the canvas size, so that
// the window only asks.

#include "midi/SmfNotes.h"
#include "roll/RollGeometry.h"

namespace arvento::roll {

// The first view of the notes on a canvas of width x height: the whole time
// across when a quarter note is then at least 24 pixels wide, else that
// width; the rows the canvas's height over the rows of the keys, at least 3
// pixels; the middle key in the middle.
RollGeometry FirstView(const midi::SmfNotes& notes, double width, double height);

// The factor by which a zoom of time may multiply the pixels a tick: from the
// whole file across the canvas to 16 pixels a tick, never further out or in
// than the view already is.
double TimeZoom(const RollGeometry& view, double factor, std::uint32_t endTick, double width);

// The factor by which a zoom of pitch may multiply the row height: from all
// rows on the canvas (3 pixels at least) to 48 pixels or four times that
// least height, whichever is more.
double PitchZoom(const RollGeometry& view, double factor, int lowest, int highest, double height);

} // namespace arvento::roll
