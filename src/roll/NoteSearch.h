#pragma once

// Which notes a view of a piano roll shows, and which one lies under a point.

#include "midi/SmfNotes.h"
#include "roll/RollGeometry.h"

#include <optional>
#include <span>
#include <vector>

namespace arvento::roll {

// How a track is drawn: in its colour, faded as a ghost behind the others, or not at all.
enum class TrackMode { Shown, Dimmed, Hidden };

// The notes of a track that start before tick `to`, from the first that may
// still sound at tick `from`: the view's candidates, without a look at every note.
std::span<const midi::SmfNote> NotesReaching(const midi::SmfNoteTrack& track, double from, double to);

// A drum note is drawn as a diamond at its start, as wide as a row, whatever its length.
bool IsDrumNote(const midi::SmfNote& note);
double DiamondHalfWidth(const RollGeometry& geometry);

struct NoteHit {
  const midi::SmfNote* note;
  int trackNumber;
};

// The note drawn at x, y: of the tracks not hidden, shown ones over ghosts
// and earlier tracks over later ones, as they are drawn. modes holds one
// mode a track of notes.tracks.
std::optional<NoteHit> NoteAt(const midi::SmfNotes& notes, std::span<const TrackMode> modes,
                              const RollGeometry& geometry, double x, double y);

// The order tracks are drawn in: ghosts first, then the shown ones, each
// from the last track of the file to the first, so that the first tracks,
// where files keep their melody, lie on top. Hidden tracks are left out.
// Indexes into notes.tracks.
std::vector<std::size_t> DrawingOrder(std::span<const TrackMode> modes);

} // namespace arvento::roll
