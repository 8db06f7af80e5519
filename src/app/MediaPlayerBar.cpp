#include "app/MediaPlayerBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include <filesystem>

namespace arvento::app {

namespace {
QToolButton* NewButton(QWidget* parent, QStyle::StandardPixmap icon, const char* name, const QString& hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setToolTip(hint);
  button->setAutoRaise(false);
  return button;
}
} // namespace

MediaPlayerBar::MediaPlayerBar(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  play_ = NewButton(this, QStyle::SP_MediaPlay, "playButton", tr("Воспроизвести"));
  pause_ = NewButton(this, QStyle::SP_MediaPause, "pauseButton", tr("Пауза"));
  stop_ = NewButton(this, QStyle::SP_MediaStop, "stopButton", tr("Стоп"));
  name_ = new QLabel(this);
  name_->setObjectName("fileName");
  name_->setMinimumWidth(40);
  name_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  layout->addWidget(play_);
  layout->addWidget(pause_);
  layout->addWidget(stop_);
  layout->addWidget(name_, 1);
  connect(play_, &QToolButton::clicked, this, [this] { emit buttonClicked(Button::Play); });
  connect(pause_, &QToolButton::clicked, this, [this] { emit buttonClicked(Button::Pause); });
  connect(stop_, &QToolButton::clicked, this, [this] { emit buttonClicked(Button::Stop); });
  Refresh();
}

MediaPlayerBar::~MediaPlayerBar() = default;

void MediaPlayerBar::Attach(std::unique_ptr<player::FilePlayer> player) {
  player_ = std::move(player);
  open_ = false;
  Refresh();
}

void MediaPlayerBar::SetFileName(const std::string& path) {
  player_->SetFileName(path);
  Refresh();
}

std::string MediaPlayerBar::FileName() const {
  return player_->FileName();
}

void MediaPlayerBar::Open() {
  player_->Open();
  open_ = true;
  Refresh();
}

void MediaPlayerBar::Play() {
  player_->Play();
}
void MediaPlayerBar::Pause() {
  player_->Pause();
}
void MediaPlayerBar::Stop() {
  player_->Stop();
}

void MediaPlayerBar::Reopen(const std::string& path, bool play) {
  Close();
  SetFileName(path);
  Open();
  if (play)
    Play();
}

void MediaPlayerBar::Close() {
  player_->Close();
  open_ = false;
  Refresh();
}

bool MediaPlayerBar::IsPlaying() const {
  return player_->IsPlaying();
}

std::uint32_t MediaPlayerBar::PlayingTick() const {
  return player_->PlayingTick();
}

void MediaPlayerBar::Press(Button button) {
  switch (button) {
    case Button::Play:
      Play();
      break;
    case Button::Pause:
      Pause();
      break;
    case Button::Stop:
      Stop();
      break;
  }
}

void MediaPlayerBar::Refresh() {
  const std::string path = player_ ? player_->FileName() : std::string();
  name_->setText(QString::fromStdString(std::filesystem::path(path).filename().string()));
  name_->setToolTip(QString::fromStdString(path));
  for (QToolButton* button : {play_, pause_, stop_})
    button->setEnabled(open_);
}

} // namespace arvento::app
