#pragma once

#include "player/FilePlayer.h"

#include <QWidget>

#include <memory>
#include <string>

class QLabel;
class QToolButton;

namespace arvento::app {

// A small media player control: Play, Pause and Stop buttons over a
// FilePlayer, with the name of the file it holds. The window drives the
// player through it so that the buttons always show whether a file is open.
class MediaPlayerBar : public QWidget {
  Q_OBJECT

public:
  enum class Button { Play, Pause, Stop };

  explicit MediaPlayerBar(QWidget* parent = nullptr);
  ~MediaPlayerBar() override;

  void Attach(std::unique_ptr<player::FilePlayer> player);

  void SetFileName(const std::string& path);
  std::string FileName() const;
  void Open();
  void Play();
  void Pause();
  void Stop();
  void Close();
  // Closes what the player holds, then opens the file, and plays it if asked.
  void Reopen(const std::string& path, bool play);
  bool IsPlaying() const;
  // The tick of the file the player has reached.
  std::uint32_t PlayingTick() const;

  // Carries out what a press of the button does.
  void Press(Button button);

signals:
  void buttonClicked(arvento::app::MediaPlayerBar::Button button);

private:
  void Refresh();

  std::unique_ptr<player::FilePlayer> player_;
  bool open_ = false;
  QToolButton* play_;
  QToolButton* pause_;
  QToolButton* stop_;
  QLabel* name_;
};

} // namespace arvento::app
