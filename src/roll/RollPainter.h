#pragma once

// The layers of a piano roll, each painted into a rectangle from its top
// left corner under one geometry: the key rows, the bar lines, the notes, the
// velocity lane and the keyboard. The picture of arvento-cli roll and the
// roll window both paint through these.

#include "midi/SmfNotes.h"
#include "roll/NoteSearch.h"
#include "roll/RollGeometry.h"

#include <QSizeF>

#include <span>

class QPainter;

namespace arvento::roll {

// The rows of the keys in view, those of the black keys a shade darker.
void PaintRows(QPainter& painter, const RollGeometry& geometry, QSizeF size);

// A thin line at every bar of four quarter notes of the division, from tick 0 to endTick.
void PaintBars(QPainter& painter, const RollGeometry& geometry, QSizeF size, int division,
               std::uint32_t endTick);

// Every note of the tracks not hidden: a rectangle from its note-on to its
// note-off in its track's colour, a drum note a diamond; ghosts faded, under
// the shown tracks, in the order of DrawingOrder.
void PaintNotes(QPainter& painter, const midi::SmfNotes& notes, std::span<const TrackMode> modes,
                const RollGeometry& geometry, QSizeF size);

// A bar at each note's start as tall as its velocity (127 fills the lane).
void PaintVelocities(QPainter& painter, const midi::SmfNotes& notes, std::span<const TrackMode> modes,
                     const RollGeometry& geometry, QSizeF size);

// The keyboard beside the rows: white and black keys, named as RTTTL-E names
// them (c6, g#5) where a row is tall enough for its name, else only the Cs.
void PaintKeyboard(QPainter& painter, const RollGeometry& geometry, QSizeF size);

} // namespace arvento::roll
