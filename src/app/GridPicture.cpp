#include "app/GridPicture.h"

#include <QPainter>

namespace arvento::app {

namespace {

const QColor kLineColour(0, 0, 0);
const QColor kEmptyBandColour(192, 192, 192);
const QColor kBarColour(255, 0, 0);

constexpr int kLongTick = 15;
constexpr int kShortTick = 5;
// The band lies from 2 pixels above a row line to 4 below it and spans the
// image but for its one-pixel frame.
constexpr int kBandAbove = 2;
constexpr int kBandHeight = 7;
constexpr int kBandLeft = 1;
constexpr int kBandWidth = melody::kGridWidth - 2;
// A painted stretch reaches this far over the boundaries at its ends: its
// silver clears them, and its red stops short of them, so they are cut.
constexpr int kBoundaryMargin = 5;

// The row line of the row that pixel row y lies in.
int RowLineYAt(int y) {
  return melody::RowLineY(y / melody::kRowPitch + 1);
}

QRect Band(int left, int right, int rowLineY) {
  return QRect(left, rowLineY - kBandAbove, right - left, kBandHeight);
}

// A stretch whose right edge is not beyond its left one paints nothing: a
// release left of the press column places no bar.
void FillBand(QImage& image, int left, int right, int rowLineY, const QColor& colour) {
  if (right > left)
    QPainter(&image).fillRect(Band(left, right, rowLineY), colour);
}

} // namespace

GridPicture::GridPicture(int height, int rows)
    : image_(melody::kGridWidth, height, QImage::Format_RGB32), rows_(rows) {}

void GridPicture::Clear(const QColor& face) {
  image_.fill(face);
}

void GridPicture::DrawEmpty(const QColor& face, const melody::GridGeometry& geometry) {
  {
    QPainter painter(&image_);
    painter.fillRect(image_.rect(), face);
    painter.setPen(kLineColour);
    painter.setBrush(face);
    painter.drawRect(image_.rect().adjusted(0, 0, -1, -1));
  }
  for (int row = 0; row < rows_; ++row)
    DrawRow(row * melody::kRowPitch, geometry);
}

void GridPicture::DrawRow(int y, const melody::GridGeometry& geometry) {
  {
    QPainter painter(&image_);
    painter.setPen(kLineColour);
    painter.drawLine(0, y, melody::kGridWidth - 1, y);
    for (int k = 1; k < geometry.columns; ++k) {
      const int length = k % geometry.barCells == 0 ? kLongTick : kShortTick;
      painter.drawLine(k * geometry.cellWidth, y, k * geometry.cellWidth, y + length - 1);
    }
  }
  rowLineY_ = RowLineYAt(y);
  FillBand(image_, kBandLeft, kBandLeft + kBandWidth, rowLineY_, kEmptyBandColour);
}

void GridPicture::Press(Qt::MouseButtons held, int x, int y, bool erasing) {
  if ((held & Qt::RightButton) || erasing)
    return;
  pressX_ = x;
  rowLineY_ = RowLineYAt(y);
  penPos_ = QPoint(x, rowLineY_);
  dragging_ = true;
}

// The trail keeps to the row line of the row where the drag began, wherever
// the pointer goes.
void GridPicture::Move(int x) {
  if (!dragging_)
    return;
  const QPoint to(x, rowLineY_);
  {
    QPainter painter(&image_);
    painter.setPen(kBarColour);
    painter.drawLine(penPos_, to);
  }
  penPos_ = to;
}

void GridPicture::Release(int x, int y, int cellWidth, bool erasing) {
  const int w = cellWidth;
  if (erasing) {
    const int c = x / w;
    rowLineY_ = RowLineYAt(y);
    FillBand(image_, c * w - kBoundaryMargin, (c + 1) * w + kBoundaryMargin, rowLineY_, kEmptyBandColour);
    return;
  }
  if (!dragging_)
    return;
  dragging_ = false;
  const int s = pressX_ / w;
  const int e = x / w + 1;
  FillBand(image_, s * w - kBoundaryMargin, e * w + kBoundaryMargin, rowLineY_, kEmptyBandColour);
  FillBand(image_, s * w + kBoundaryMargin, e * w - kBoundaryMargin, rowLineY_, kBarColour);
}

void GridPicture::CopyRowAbove(int y) {
  const int row = y / melody::kRowPitch + 1;
  if (row < 2)
    return;
  const QRect from = Band(kBandLeft, kBandLeft + kBandWidth, melody::RowLineY(row - 1));
  const QImage band = image_.copy(from);
  QPainter(&image_).drawImage(from.translated(0, melody::kRowPitch).topLeft(), band);
}

melody::Sample GridPicture::SampleAt(int x, int y) const {
  if (!image_.valid(x, y))
    return melody::Sample::Other;
  const QRgb pixel = image_.pixel(x, y);
  return melody::SampleOfColour(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace arvento::app
