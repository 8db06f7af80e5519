#pragma once

// The computer keyboard as a piano: the keyboard buttons of the grid and
// parts pages hear every key while they have the focus and pass it on as
// the codes the keyboard tables are indexed by.

#include <QObject>

#include <functional>

class QKeyEvent;

namespace arvento::app {

// The typed character of a key press as a code 0..255: capitals with Shift
// or Caps Lock, the control codes 1..26 for Ctrl with a letter; -1 when the
// press types no such character (Alt combinations, characters beyond 255).
int TypedCharCode(const QKeyEvent& event);

// The code of a released key: letters by their upper-case code, the
// semicolon key 186, the apostrophe key 222, whatever Shift did to them;
// 0 for any other key, which ends no note.
int ReleasedKeyCode(const QKeyEvent& event);

// Installed on a button, takes its key events: presses (auto-repeated ones
// included, as a held key keeps typing) go to keyPress, releases other than
// auto-repeated ones to keyUp. Tab and Backtab still move the focus; no
// other key reaches the button, so Space steps the recording back instead
// of pressing the button.
class PianoKeyFilter : public QObject {
public:
  PianoKeyFilter(std::function<void(int charCode)> keyPress, std::function<void(int keyCode)> keyUp,
                 QObject* parent);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::function<void(int)> keyPress_;
  std::function<void(int)> keyUp_;
};

} // namespace arvento::app
