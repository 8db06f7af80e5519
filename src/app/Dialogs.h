#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace arvento::app {

// The modal boxes of the window: a question with Yes and No, a notice with
// OK, the report of a failed command, the choice of a file to save or to
// open and the choice of an item from a list.
// Tests answer through a scripted one.
class Dialogs {
public:
  virtual ~Dialogs() = default;

  // True when the user answers Yes.
  virtual bool Ask(const QString& question) = 0;
  virtual void Inform(const QString& text) = 0;
  virtual void ReportError(const QString& text) = 0;
  // The file the user chose in a save dialog that starts at the suggested
  // file and offers the filters ("Ogg Vorbis (*.ogg)"), the first chosen; a
  // name typed without an extension gets the chosen filter's. Empty when the
  // user cancels.
  virtual QString AskSaveFile(const QString& caption, const QString& suggested,
                              const QStringList& filters) = 0;
  // The existing file the user chose in an open dialog that offers the
  // filters; empty when the user cancels.
  virtual QString AskOpenFile(const QString& caption, const QStringList& filters) = 0;
  // The index of the item the user chose from the list, the first offered;
  // -1 when the user cancels.
  virtual int ChooseItem(const QString& caption, const QStringList& items) = 0;
};

// The real boxes, on top of whatever window is active.
class MessageBoxDialogs : public Dialogs {
public:
  bool Ask(const QString& question) override;
  void Inform(const QString& text) override;
  void ReportError(const QString& text) override;
  QString AskSaveFile(const QString& caption, const QString& suggested, const QStringList& filters) override;
  QString AskOpenFile(const QString& caption, const QStringList& filters) override;
  int ChooseItem(const QString& caption, const QStringList& items) override;
};

} // namespace arvento::app
