#pragma once

#include "app/MediaPlayerBar.h"
#include "app/RollView.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>

class QFileSystemWatcher;
class QTimer;

namespace arvento::app {

class RollTrackList;

// A window of its own, beside the main window, that shows one MIDI file of
// the project as a piano roll: play, pause and stop through a file player,
// a cursor that follows the playback, the track list, and a fresh reading
// whenever the file changes on disk.
class RollWindow : public QWidget {
  Q_OBJECT

public:
  // Runs a command under the main window's error guard.
  using Guard = std::function<void(const std::function<void()>&)>;

  // Shows the notes read from the file; the window reads it again through
  // guard when it changes.
  RollWindow(std::filesystem::path file, midi::SmfNotes notes, std::unique_ptr<player::FilePlayer> player,
             Guard guard, RollView::Clock clock, QWidget* parent);

  // Moves the cursor to where the player is. A timer calls it while the file
  // plays; tests call it themselves.
  void ShowPlayback();

  RollView& View() const { return *view_; }

private:
  void Show(midi::SmfNotes notes);
  // Reads the file again when it is there and has changed since it was read.
  void FileMayHaveChanged();

  std::filesystem::path file_;
  std::filesystem::file_time_type readAt_;
  Guard guard_;
  MediaPlayerBar* bar_;
  RollView* view_;
  RollTrackList* tracks_;
  QFileSystemWatcher* watcher_;
  QTimer* playback_;
};

} // namespace arvento::app
