#pragma once

#include <QImage>
#include <QWidget>

namespace arvento::app {

// Shows a grid picture that the window owns and draws on, and reports the
// pointer in image pixels. The picture is the grid's store; this widget keeps
// no state of its own.
class GridCanvas : public QWidget {
  Q_OBJECT

public:
  explicit GridCanvas(QWidget* parent = nullptr);

  // The image stays owned by the caller and must live as long as the canvas
  // may still be painted; call update() after drawing on it.
  void SetImage(const QImage* image);

signals:
  void pressed(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
               int y);
  void moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
  void released(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                int y);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  const QImage* image_ = nullptr;
};

} // namespace arvento::app
