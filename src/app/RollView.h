#pragma once

#include "midi/SmfNotes.h"
#include "roll/CursorFollowing.h"
#include "roll/NoteSearch.h"
#include "roll/RollGeometry.h"

#include <QWidget>

#include <functional>
#include <vector>

class QHelpEvent;
class QScrollBar;
class QWheelEvent;

namespace arvento::app {

// The piano roll of the roll window: the notes under the keyboard at the
// left, the velocity lane below them, and the scroll bars. The wheel
// scrolls, Ctrl+wheel zooms time and Shift+wheel pitch about the mouse; a
// note's tooltip tells its token, start, velocity and track; a cursor shows
// where the playback is.
class RollView : public QWidget {
  Q_OBJECT

public:
  using Clock = std::function<roll::CursorFollowing::TimePoint()>;

  explicit RollView(Clock clock, QWidget* parent = nullptr);

  // Shows the notes of a file, fitted into the view until the user scrolls
  // or zooms, then at the zoom and place the user chose. modes holds one mode a track.
  void SetNotes(midi::SmfNotes notes, std::vector<roll::TrackMode> modes);
  void SetModes(std::vector<roll::TrackMode> modes);
  // Moves the playback cursor to the tick, and the view after it when the
  // cursor has left it, unless the user is scrolling.
  void ShowCursor(double tick);

  // Where the notes are drawn in the canvas, for checks from outside.
  const roll::RollGeometry& Geometry() const { return geometry_; }
  QWidget* Canvas() const { return canvas_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Paint(QWidget* layer);
  void Wheel(QWidget* layer, QWheelEvent* event);
  bool ShowToolTip(QHelpEvent* event);
  void ZoomTime(double factor, double x);
  void ZoomPitch(double factor, double y);
  // Fits the whole file into the canvas, within the zoom limits; the keys
  // fill the canvas and the zoom goes no further out.
  void Fit();
  // The scroll bars' ranges for the geometry and the canvas, and their
  // values from the geometry's scroll, which they clamp.
  void UpdateScrollBars();
  void UserScrolled();
  void Repaint();

  Clock clock_;
  QWidget* canvas_;
  QWidget* keys_;
  QWidget* velocities_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  midi::SmfNotes notes_;
  std::vector<roll::TrackMode> modes_;
  roll::RollGeometry geometry_;
  roll::CursorFollowing following_;
  double cursor_ = 0;
  // Whether the user has scrolled or zoomed; until then the view fits the file into the canvas.
  bool placed_ = false;
  // Set while the view moves the scroll bars itself, which is no scrolling of the user's.
  bool moving_ = false;
};

} // namespace arvento::app
