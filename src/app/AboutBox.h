#pragma once

#include <QDialog>
#include <QLabel>

namespace arvento::app {

// Name and version of the program, what it does, and which synthesizer and
// SoundFont sound its notes.
class TAboutBox : public QDialog {
  Q_OBJECT

public:
  explicit TAboutBox(QWidget* parent = nullptr);
  void SetSoundDescription(const QString& description);

private:
  QLabel* laSound;
};

} // namespace arvento::app
