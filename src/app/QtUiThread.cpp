#include "app/QtUiThread.h"

#include "player/UiThread.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace arvento::app {

player::UiThread QtUiThread() {
  return player::UiThread{
      .post =
          [](std::function<void()> work) {
            QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::QueuedConnection);
          },
      .processPending = [] { QCoreApplication::processEvents(); },
  };
}

} // namespace arvento::app
