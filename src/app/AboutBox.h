#pragma once

#include <QDialog>

namespace arvento::app {

// Name and version of the program, what it does, and which synthesizer and
// SoundFont sound its notes.
class TAboutBox : public QDialog {
  Q_OBJECT

public:
  TAboutBox(const QString& soundDescription, QWidget* parent = nullptr);
};

} // namespace arvento::app
