#include "roll/RollGeometry.h"

#include <cmath>

namespace arvento::roll {

int RollGeometry::KeyAt(double y) const {
  return topKey - static_cast<int>(std::floor((y + scrollY) / rowHeight));
}

void RollGeometry::ZoomTime(double factor, double x) {
  const double tick = Tick(x);
  pixelsPerTick *= factor;
  scrollX = tick * pixelsPerTick - x;
}

void RollGeometry::ZoomPitch(double factor, double y) {
  const double rows = (y + scrollY) / rowHeight;
  rowHeight *= factor;
  scrollY = rows * rowHeight - y;
}

RollGeometry FitWhole(double endTick, int lowest, int highest, double width, double height) {
  RollGeometry geometry;
  geometry.pixelsPerTick = width / (endTick > 0 ? endTick : 1);
  geometry.rowHeight = height / RowCount(lowest, highest);
  geometry.topKey = highest + kMarginRows;
  return geometry;
}

} // namespace arvento::roll
