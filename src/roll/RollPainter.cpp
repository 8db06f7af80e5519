#include "roll/RollPainter.h"

#include "core/NoteNames.h"
#include "roll/RollColours.h"
#include "roll/RollTexts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace arvento::roll {

namespace {

// A bar this many pixels wide and tall has an edge.
constexpr double kLeastEdgedWidth = 4;

// The keys whose rows cross the height, top row first.
struct KeySpan {
  int top;
  int bottom;
};
KeySpan KeysInView(const RollGeometry& geometry, double height) {
  return {geometry.KeyAt(0), geometry.KeyAt(height)};
}

QColor NoteColour(int trackNumber, TrackMode mode) {
  return mode == TrackMode::Dimmed ? GhostColour(trackNumber) : TrackColour(trackNumber);
}

void PaintDiamond(QPainter& painter, double x, double top, double halfWidth, double height,
                  const QColor& colour) {
  const double middle = top + height / 2;
  const QPointF corners[] = {{x - halfWidth, middle}, {x, top}, {x + halfWidth, middle}, {x, top + height}};
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(corners, 4);
}

void PaintBar(QPainter& painter, const QRectF& rect, const QColor& colour, bool outlined) {
  painter.fillRect(rect, colour);
  // An edge a shade darker tells apart notes that touch; only where the note is wide enough to keep its
  // colour.
  if (outlined && rect.width() >= kLeastEdgedWidth && rect.height() >= kLeastEdgedWidth) {
    painter.setPen(colour.darker(140));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  }
}

} // namespace

void PaintRows(QPainter& painter, const RollGeometry& geometry, QSizeF size) {
  const KeySpan keys = KeysInView(geometry, size.height());
  for (int key = keys.top; key >= keys.bottom; --key) {
    painter.fillRect(QRectF(0, geometry.RowTop(key), size.width(), geometry.rowHeight),
                     IsBlackKey(key) ? kBlackKeyRow : kWhiteKeyRow);
  }
}

void PaintBars(QPainter& painter, const RollGeometry& geometry, QSizeF size, int division,
               std::uint32_t endTick) {
  const int quarter = QuarterTicks(division);
  if (quarter == 0)
    return;
  const double bar = 4.0 * quarter;
  // Bars closer than a few pixels would fill the picture; every such bar is left out.
  const double step = bar * std::max(1.0, std::ceil(4 / (bar * geometry.pixelsPerTick)));
  const double last = std::min<double>(endTick, geometry.Tick(size.width()));
  painter.setPen(kBarLine);
  for (double tick = std::max(0.0, std::ceil(geometry.Tick(0) / step) * step); tick <= last; tick += step) {
    const double x = std::floor(geometry.X(tick));
    painter.drawLine(QLineF(x, 0, x, size.height()));
  }
}

void PaintNotes(QPainter& painter, const midi::SmfNotes& notes, std::span<const TrackMode> modes,
                const RollGeometry& geometry, QSizeF size) {
  const double halfWidth = DiamondHalfWidth(geometry);
  const KeySpan keys = KeysInView(geometry, size.height());
  const double from = geometry.Tick(-halfWidth), to = geometry.Tick(size.width() + halfWidth);
  for (const std::size_t t : DrawingOrder(modes)) {
    const midi::SmfNoteTrack& track = notes.tracks[t];
    const QColor colour = NoteColour(track.number, modes[t]);
    // The pixel columns of the last bar painted in each key's row: a whole
    // file in a picture puts many short notes into one column, and a note
    // without an edge inside those columns would paint the same pixels again.
    std::array<std::pair<double, double>, 128> painted;
    painted.fill({0, -1});
    for (const midi::SmfNote& note : NotesReaching(track, from, to)) {
      if (note.key > keys.top || note.key < keys.bottom)
        continue;
      const double left = geometry.X(note.start), top = geometry.RowTop(note.key);
      if (IsDrumNote(note)) {
        PaintDiamond(painter, left, top, halfWidth, geometry.rowHeight, colour);
        continue;
      }
      const double width = std::max(1.0, geometry.X(note.end) - left);
      if (left + width < 0)
        continue;
      auto& [first, last] = painted[static_cast<std::size_t>(note.key)];
      const double firstColumn = std::floor(left), lastColumn = std::ceil(left + width);
      if (width < kLeastEdgedWidth && firstColumn >= first && lastColumn <= last)
        continue;
      first = firstColumn;
      last = lastColumn;
      PaintBar(painter, QRectF(left, top, width, geometry.rowHeight), colour, modes[t] == TrackMode::Shown);
    }
  }
}

void PaintVelocities(QPainter& painter, const midi::SmfNotes& notes, std::span<const TrackMode> modes,
                     const RollGeometry& geometry, QSizeF size) {
  const double from = geometry.Tick(-2), to = geometry.Tick(size.width());
  for (const std::size_t t : DrawingOrder(modes)) {
    const midi::SmfNoteTrack& track = notes.tracks[t];
    const QColor colour = NoteColour(track.number, modes[t]);
    for (const midi::SmfNote& note : NotesReaching(track, from, to)) {
      if (note.start < from)
        continue;
      const double height = size.height() * note.velocity / 127;
      painter.fillRect(QRectF(geometry.X(note.start), size.height() - height, 2, height), colour);
    }
  }
}

void PaintKeyboard(QPainter& painter, const RollGeometry& geometry, QSizeF size) {
  const KeySpan keys = KeysInView(geometry, size.height());
  for (int key = keys.top; key >= keys.bottom; --key) {
    const QRectF row(0, geometry.RowTop(key), size.width(), geometry.rowHeight);
    painter.fillRect(row, IsBlackKey(key) ? QColor(40, 40, 40) : QColor(255, 255, 255));
    painter.setPen(QColor(170, 170, 170));
    painter.drawLine(QLineF(0, row.bottom(), size.width(), row.bottom()));
  }
  // The names after all keys, so that a name taller than its row stays whole.
  const double textHeight = QFontMetrics(painter.font()).height();
  const bool everyName = geometry.rowHeight >= textHeight;
  for (int key = std::min(keys.top, 127); key >= std::max(keys.bottom, 0); --key) {
    if (!everyName && key % 12 != 0)
      continue;
    const double middle = geometry.RowTop(key) + geometry.rowHeight / 2;
    painter.setPen(IsBlackKey(key) ? Qt::white : Qt::black);
    painter.drawText(QRectF(4, middle - textHeight / 2, size.width() - 6, textHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, QString::fromStdString(KeyName(key)));
  }
}

} // namespace arvento::roll
