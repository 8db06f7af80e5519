#pragma once

#include "midi/SmfNotes.h"
#include "roll/NoteSearch.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QGridLayout;

namespace arvento::app {

// The tracks of the roll window, each with its colour, its label and a
// choice to show it, dim it to a ghost or hide it.
class RollTrackList : public QWidget {
  Q_OBJECT

public:
  explicit RollTrackList(QWidget* parent = nullptr);

  // Lists the tracks; a track number listed before keeps its mode, a new one is shown.
  void SetTracks(const std::vector<midi::SmfNoteTrack>& tracks);
  std::vector<roll::TrackMode> Modes() const;

signals:
  void modesChanged();

private:
  QGridLayout* grid_;
  std::vector<QWidget*> rows_;
  std::vector<QComboBox*> choices_;
};

} // namespace arvento::app
