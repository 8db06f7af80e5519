#pragma once

#include <QString>

class QWidget;

namespace arvento::app {

// The modal boxes of the window: a question with Yes and No, a notice with
// OK, and the report of a failed command. Tests answer through a scripted one.
class Dialogs {
public:
  virtual ~Dialogs() = default;

  // True when the user answers Yes.
  virtual bool Ask(const QString& question) = 0;
  virtual void Inform(const QString& text) = 0;
  virtual void ReportError(const QString& text) = 0;
};

// The real boxes, on top of whatever window is active.
class MessageBoxDialogs : public Dialogs {
public:
  bool Ask(const QString& question) override;
  void Inform(const QString& text) override;
  void ReportError(const QString& text) override;
};

} // namespace arvento::app
