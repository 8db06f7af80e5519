#include "roll/RollPicture.h"

#include "roll/RollColours.h"
#include "roll/RollPainter.h"
#include "roll/RollTexts.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <vector>

namespace arvento::roll {

namespace {

constexpr int kLegendPadding = 4;
constexpr int kSwatch = 10;
constexpr int kEntryGap = 16;

struct LegendEntry {
  QRect place;
  QColor colour;
  QString text;
};

// The entries of the legend left to right, a new line where the width ends.
std::vector<LegendEntry> LayOutLegend(const midi::SmfNotes& notes, int width, int& height) {
  const QFontMetrics metrics(QGuiApplication::font());
  const int lineHeight = std::max(metrics.height(), kSwatch) + kLegendPadding;
  std::vector<LegendEntry> entries;
  int x = kLegendPadding, y = kLegendPadding / 2;
  for (const midi::SmfNoteTrack& track : notes.tracks) {
    const QString text = QString::fromStdString(WrittenTrackLabel(track));
    const int entryWidth = kSwatch + kLegendPadding + metrics.horizontalAdvance(text);
    if (x > kLegendPadding && x + entryWidth > width) {
      x = kLegendPadding;
      y += lineHeight;
    }
    entries.push_back({QRect(x, y, entryWidth, lineHeight), TrackColour(track.number), text});
    x += entryWidth + kEntryGap;
  }
  height = y + lineHeight + kLegendPadding / 2;
  return entries;
}

} // namespace

int LegendHeight(const midi::SmfNotes& notes, int width) {
  int height = 0;
  LayOutLegend(notes, width, height);
  return height;
}

RollGeometry PictureGeometry(const midi::SmfNotes& notes, QSize size) {
  const int legend = LegendHeight(notes, size.width());
  RollGeometry geometry =
      FitWhole(notes.end, notes.lowest, notes.highest, size.width(), std::max(1, size.height() - legend));
  geometry.scrollY = -legend;
  return geometry;
}

QImage DrawRollPicture(const midi::SmfNotes& notes, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  int legendHeight = 0;
  for (const LegendEntry& entry : LayOutLegend(notes, size.width(), legendHeight)) {
    const QRect& place = entry.place;
    painter.fillRect(QRect(place.left(), place.center().y() - kSwatch / 2, kSwatch, kSwatch), entry.colour);
    painter.setPen(Qt::black);
    painter.drawText(place.adjusted(kSwatch + kLegendPadding, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     entry.text);
  }
  const RollGeometry geometry = PictureGeometry(notes, size);
  // The layers paint below the legend only.
  painter.setClipRect(QRect(0, legendHeight, size.width(), size.height() - legendHeight));
  const QSizeF area(size.width(), size.height());
  const std::vector<TrackMode> modes(notes.tracks.size(), TrackMode::Shown);
  PaintRows(painter, geometry, area);
  PaintBars(painter, geometry, area, notes.division, notes.end);
  PaintNotes(painter, notes, modes, geometry, area);
  return image;
}

} // namespace arvento::roll
