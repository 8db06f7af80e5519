#pragma once

// A grid's picture, which is the grid's only store: the empty rows, the bars
// that drags paint, the trail a drag leaves and the columns erased are all
// drawn on one image, and the conversion reads the pixels back. The picture
// also keeps the state of the drag in progress.

#include "melody/GridGeometry.h"
#include "melody/GridRuns.h"

#include <QColor>
#include <QImage>
#include <QPoint>

namespace arvento::app {

class GridPicture {
public:
  // A picture of the given height that holds this many rows.
  GridPicture(int height, int rows);

  // Fills the whole picture with the face colour: no grid at all.
  void Clear(const QColor& face);
  // Clears the picture, frames it in black and draws every row empty in the
  // geometry given: the row line, the column ticks and the silver band.
  void DrawEmpty(const QColor& face, const melody::GridGeometry& geometry);

  // The pointer on the picture. In erase mode press and move do nothing and
  // a release empties the column under the pointer, whatever the button; in
  // draw mode a press without the right button begins a drag, its moves
  // leave a red trail along the row line of the press, and its release
  // paints the columns from the press column to the release column as one bar.
  void Press(Qt::MouseButtons held, int x, int y, bool erasing);
  void Move(int x);
  void Release(int x, int y, int cellWidth, bool erasing);
  // Copies the band of the row above pixel row y into that row; the first
  // row has none above it.
  void CopyRowAbove(int y);

  // The reading at one point: red, silver or anything else. Outside the
  // picture there is no pixel to read.
  melody::Sample SampleAt(int x, int y) const;
  const QImage& Image() const { return image_; }

private:
  void DrawRow(int y, const melody::GridGeometry& geometry);

  QImage image_;
  int rows_;
  bool dragging_ = false;
  int pressX_ = 0;
  int rowLineY_ = melody::RowLineY(1);
  // Where the trail of a drag continues from.
  QPoint penPos_;
};

} // namespace arvento::app
