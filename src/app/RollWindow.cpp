#include "app/RollWindow.h"

#include "app/RollTrackList.h"
#include "roll/RollFile.h"

#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace fs = std::filesystem;

namespace arvento::app {

namespace {
// How often the cursor moves while the file plays: about 30 times a second.
constexpr int kPlaybackIntervalMs = 33;

fs::file_time_type WrittenAt(const fs::path& file) {
  std::error_code error;
  return fs::last_write_time(file, error);
}
} // namespace

RollWindow::RollWindow(fs::path file, midi::SmfNotes notes, std::unique_ptr<player::FilePlayer> player,
                       Guard guard, RollView::Clock clock, QWidget* parent)
    : QWidget(parent, Qt::Window), file_(std::move(file)), guard_(std::move(guard)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Пиано-ролл: %1").arg(QString::fromStdString(file_.filename().string())));
  bar_ = new MediaPlayerBar(this);
  bar_->setObjectName("rollPlayer");
  bar_->Attach(std::move(player));
  view_ = new RollView(std::move(clock), this);
  tracks_ = new RollTrackList(this);
  tracks_->setObjectName("rollTracks");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(bar_);
  auto* body = new QHBoxLayout;
  body->addWidget(view_, 1);
  body->addWidget(tracks_);
  layout->addLayout(body, 1);

  playback_ = new QTimer(this);
  playback_->setInterval(kPlaybackIntervalMs);
  connect(playback_, &QTimer::timeout, this, &RollWindow::ShowPlayback);
  connect(bar_, &MediaPlayerBar::buttonClicked, this, [this](MediaPlayerBar::Button button) {
    guard_([&] {
      bar_->Press(button);
      ShowPlayback();
    });
  });
  connect(tracks_, &RollTrackList::modesChanged, this, [this] { view_->SetModes(tracks_->Modes()); });

  // The file is watched, and its folder too: a file written under a
  // temporary name and renamed into place is a new file, which the watch of
  // the old one does not see.
  watcher_ = new QFileSystemWatcher(this);
  watcher_->addPath(QString::fromStdString(file_.string()));
  watcher_->addPath(QString::fromStdString(file_.parent_path().string()));
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, &RollWindow::FileMayHaveChanged);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &RollWindow::FileMayHaveChanged);

  resize(960, 600);
  Show(std::move(notes));
}

void RollWindow::Show(midi::SmfNotes notes) {
  readAt_ = WrittenAt(file_);
  bar_->Close();
  bar_->SetFileName(file_.string());
  bar_->Open();
  tracks_->SetTracks(notes.tracks);
  view_->SetNotes(std::move(notes), tracks_->Modes());
}

void RollWindow::FileMayHaveChanged() {
  if (!fs::exists(file_) || WrittenAt(file_) == readAt_)
    return;
  const QString path = QString::fromStdString(file_.string());
  if (!watcher_->files().contains(path))
    watcher_->addPath(path);
  guard_([&] { Show(roll::ReadRollFile(file_)); });
}

void RollWindow::ShowPlayback() {
  view_->ShowCursor(bar_->PlayingTick());
  if (bar_->IsPlaying())
    playback_->start();
  else
    playback_->stop();
}

} // namespace arvento::app
