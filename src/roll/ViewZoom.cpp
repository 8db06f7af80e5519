#include "roll/ViewZoom.h"

#include "roll/RollTexts.h"

#include <algorithm>

namespace arvento::roll {

namespace {

// Zoom limits: pixels a tick and the row height.
constexpr double kMostPixelsPerTick = 16;
constexpr double kLeastRowHeight = 3; // a file of many keys scrolls below it
constexpr double kMostRowHeight = 48;
// A file of few keys fills the canvas with tall rows; the zoom goes this far beyond them.
constexpr double kFurthestZoomIn = 4;
// The ticks a quarter note is first shown at least this wide, in pixels.
constexpr double kLeastQuarterWidth = 24;

double WholeTimeAcross(std::uint32_t endTick, double width) {
  return width / std::max(1.0, double(endTick));
}

double LeastRowHeight(int lowest, int highest, double height) {
  return std::max(kLeastRowHeight, height / RowCount(lowest, highest));
}

// The factor that brings value * factor into least..most, where a value
// already outside that range may stay where it is but goes no further out.
double HeldFactor(double value, double factor, double least, double most) {
  return std::clamp(value * factor, std::min(least, value), std::max(most, value)) / value;
}

} // namespace

RollGeometry FirstView(const midi::SmfNotes& notes, double width, double height) {
  RollGeometry view;
  view.topKey = notes.highest + kMarginRows;
  const double quarter = std::max(1, QuarterTicks(notes.division));
  view.pixelsPerTick =
      std::min(kMostPixelsPerTick, std::max(WholeTimeAcross(notes.end, width), kLeastQuarterWidth / quarter));
  view.rowHeight = LeastRowHeight(notes.lowest, notes.highest, height);
  // The middle of the keys in the middle of the canvas.
  view.scrollY = (RowCount(notes.lowest, notes.highest) * view.rowHeight - height) / 2;
  return view;
}

double TimeZoom(const RollGeometry& view, double factor, std::uint32_t endTick, double width) {
  return HeldFactor(view.pixelsPerTick, factor, WholeTimeAcross(endTick, width), kMostPixelsPerTick);
}

double PitchZoom(const RollGeometry& view, double factor, int lowest, int highest, double height) {
  const double least = LeastRowHeight(lowest, highest, height);
  return HeldFactor(view.rowHeight, factor, least, std::max(kMostRowHeight, kFurthestZoomIn * least));
}

} // namespace arvento::roll
