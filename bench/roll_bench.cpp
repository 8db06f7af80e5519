// The piano roll of a 100,000-note file: drawing what a window shows (goal:
// at most 16 ms, one frame) and the whole picture of arvento-cli roll.

#include "BenchSupport.h"
#include "roll/RollPainter.h"
#include "roll/RollPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

// Four tracks of 25,000 notes each: an eighth-note melody, a bass, chords and drums.
arvento::midi::SmfNotes HundredThousandNotes() {
  arvento::midi::SmfNotes notes;
  notes.division = 48;
  notes.lowest = 36;
  notes.highest = 96;
  for (int t = 0; t < 4; ++t) {
    arvento::midi::SmfNoteTrack& track = notes.tracks.emplace_back();
    track.number = t + 2;
    track.channel = t == 3 ? 10 : t + 1;
    for (std::uint32_t i = 0; i < 25000; ++i) {
      const std::uint32_t start = i * 24;
      track.notes.push_back(
          {start, start + 24, 36 + static_cast<int>((i * 7 + t * 13) % 61), 100, track.channel});
    }
    track.longest = 24;
  }
  notes.end = 25000 * 24;
  return notes;
}

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const arvento::midi::SmfNotes notes = HundredThousandNotes();
  const std::vector<arvento::roll::TrackMode> modes(notes.tracks.size(), arvento::roll::TrackMode::Shown);

  // A window of 1000 x 500 pixels, two pixels a tick, rows of 8 pixels, in the middle of the file.
  QImage window(1000, 500, QImage::Format_RGB32);
  arvento::roll::RollGeometry geometry;
  geometry.pixelsPerTick = 2;
  geometry.rowHeight = 8;
  geometry.topKey = 98;
  geometry.scrollX = notes.end;
  const double frame = arvento::bench::BestSeconds([&] {
    QPainter painter(&window);
    const QSizeF size = window.size();
    arvento::roll::PaintRows(painter, geometry, size);
    arvento::roll::PaintBars(painter, geometry, size, notes.division, notes.end);
    arvento::roll::PaintNotes(painter, notes, modes, geometry, size);
    arvento::roll::PaintVelocities(painter, notes, modes, geometry, size);
    arvento::roll::PaintKeyboard(painter, geometry, size);
  });
  std::printf("roll window of a 100,000-note file: %.2f ms (goal: at most 16 ms)\n", frame * 1000);

  const double picture =
      arvento::bench::BestSeconds([&] { arvento::roll::DrawRollPicture(notes, QSize(1200, 600)); });
  std::printf("roll picture of the whole file, 1200 x 600: %.2f ms\n", picture * 1000);
}
