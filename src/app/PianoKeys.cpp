#include "app/PianoKeys.h"

#include "melody/KeyboardTables.h"

#include <QKeyEvent>

#include <utility>

namespace arvento::app {

int TypedCharCode(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers & Qt::AltModifier)
    return -1;
  const int key = event.key();
  // Platforms differ in the text they give Ctrl+letter; the key is certain.
  if (modifiers & Qt::ControlModifier)
    return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : -1;
  const QString text = event.text();
  if (text.size() != 1 || text[0].unicode() > 255)
    return -1;
  return text[0].unicode();
}

int ReleasedKeyCode(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z)
    return key;
  switch (key) {
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
      return melody::kSemicolonKeyCode;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
      return melody::kApostropheKeyCode;
    default:
      return 0;
  }
}

PianoKeyFilter::PianoKeyFilter(std::function<void(int)> keyPress, std::function<void(int)> keyUp,
                               QObject* parent)
    : QObject(parent), keyPress_(std::move(keyPress)), keyUp_(std::move(keyUp)) {}

bool PianoKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
    return QObject::eventFilter(watched, event);
  const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
  if (keyEvent.key() == Qt::Key_Tab || keyEvent.key() == Qt::Key_Backtab)
    return false;
  if (event->type() == QEvent::KeyPress) {
    if (const int code = TypedCharCode(keyEvent); code >= 0)
      keyPress_(code);
  } else if (!keyEvent.isAutoRepeat()) {
    keyUp_(ReleasedKeyCode(keyEvent));
  }
  return true;
}

} // namespace arvento::app
