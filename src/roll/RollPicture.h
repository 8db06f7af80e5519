#pragma once

// The whole of a MIDI file as one picture: the legend at the top, under it
// the roll from tick 0 to the end of the longest track and from the lowest
// to the highest note with two rows of margin.

#include "midi/SmfNotes.h"
#include "roll/RollGeometry.h"

#include <QImage>
#include <QSize>

namespace arvento::roll {

// The height of the legend over the roll: one line of tracks for each that
// the width holds.
int LegendHeight(const midi::SmfNotes& notes, int width);

// Where the picture's roll puts the notes, below the legend: y counts from
// the picture's top.
RollGeometry PictureGeometry(const midi::SmfNotes& notes, QSize size);

// Every track shown. notes must hold a note.
QImage DrawRollPicture(const midi::SmfNotes& notes, QSize size);

} // namespace arvento::roll
