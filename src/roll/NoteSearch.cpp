#include "roll/NoteSearch.h"

#include <algorithm>
#include <cmath>

namespace arvento::roll {

namespace {
// A diamond is at least this many pixels wide on either side, so that it shows in short rows.
constexpr double kLeastHalfWidth = 3;
} // namespace

std::span<const midi::SmfNote> NotesReaching(const midi::SmfNoteTrack& track, double from, double to) {
  const double first = from - track.longest;
  const auto begin =
      std::lower_bound(track.notes.begin(), track.notes.end(), first,
                       [](const midi::SmfNote& note, double tick) { return note.start < tick; });
  const auto end = std::lower_bound(begin, track.notes.end(), to,
                                    [](const midi::SmfNote& note, double tick) { return note.start < tick; });
  return {begin, end};
}

bool IsDrumNote(const midi::SmfNote& note) {
  return note.channel == midi::kDrumChannel;
}

double DiamondHalfWidth(const RollGeometry& geometry) {
  return std::max(kLeastHalfWidth, geometry.rowHeight / 2);
}

std::vector<std::size_t> DrawingOrder(std::span<const TrackMode> modes) {
  std::vector<std::size_t> order;
  for (const TrackMode mode : {TrackMode::Dimmed, TrackMode::Shown}) {
    for (std::size_t t = modes.size(); t-- > 0;) {
      if (modes[t] == mode)
        order.push_back(t);
    }
  }
  return order;
}

std::optional<NoteHit> NoteAt(const midi::SmfNotes& notes, std::span<const TrackMode> modes,
                              const RollGeometry& geometry, double x, double y) {
  const int key = geometry.KeyAt(y);
  const double halfWidth = DiamondHalfWidth(geometry);
  const std::vector<std::size_t> order = DrawingOrder(modes);
  for (auto t = order.rbegin(); t != order.rend(); ++t) {
    const midi::SmfNoteTrack& track = notes.tracks[*t];
    const std::span<const midi::SmfNote> near =
        NotesReaching(track, geometry.Tick(x - halfWidth), geometry.Tick(x + halfWidth) + 1);
    // The latest note is drawn over the earlier ones.
    for (auto note = near.rbegin(); note != near.rend(); ++note) {
      if (note->key != key)
        continue;
      const double left = geometry.X(note->start);
      const bool under = IsDrumNote(*note) ? std::abs(x - left) <= halfWidth
                                           : x >= left && x < std::max(geometry.X(note->end), left + 1);
      if (under)
        return NoteHit{&*note, track.number};
    }
  }
  return std::nullopt;
}

} // namespace arvento::roll
