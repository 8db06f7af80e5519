#pragma once

// Where a piano roll puts time and pitch: tick to x left to right, key to y
// bottom to top, one row per semitone, both scrolled by a pixel offset and
// zoomed about a point that stays where it is.

#include "core/NoteNames.h"

#include <cstddef>

namespace arvento::roll {

struct RollGeometry {
  double pixelsPerTick = 1;
  double rowHeight = 1;
  int topKey = 127; // the key of the first row from the top, before scrolling
  double scrollX = 0;
  double scrollY = 0;

  double X(double tick) const { return tick * pixelsPerTick - scrollX; }
  double Tick(double x) const { return (x + scrollX) / pixelsPerTick; }
  double RowTop(int key) const { return (topKey - key) * rowHeight - scrollY; }
  // The key whose row holds y.
  int KeyAt(double y) const;

  // Multiplies the pixels a tick by factor, keeping the tick at x where it is.
  void ZoomTime(double factor, double x);
  // Multiplies the row height by factor, keeping the pitch at y where it is.
  void ZoomPitch(double factor, double y);
};

// The whole of a file in width x height: ticks 0 to endTick across, keys
// lowest to highest with two rows of margin above and below.
RollGeometry FitWhole(double endTick, int lowest, int highest, double width, double height);

// The rows a view of the keys lowest..highest shows: the keys and two rows above and below.
constexpr int kMarginRows = 2;
constexpr int RowCount(int lowest, int highest) {
  return highest - lowest + 1 + 2 * kMarginRows;
}

// Whether the key is a black key of the keyboard: one whose name is sharp.
constexpr bool IsBlackKey(int key) {
  return NoteNames[static_cast<std::size_t>((key % 12 + 12) % 12)].size() == 2;
}

} // namespace arvento::roll
