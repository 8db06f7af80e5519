#include "app/GridCanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace arvento::app {

namespace {
QPoint ImagePoint(const QMouseEvent* event) {
  return event->position().toPoint();
}
} // namespace

GridCanvas::GridCanvas(QWidget* parent) : QWidget(parent) {
  // The grids react to moves without a button too (the pen colour changes).
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GridCanvas::SetImage(const QImage* image) {
  image_ = image;
  if (image_ != nullptr)
    setFixedSize(image_->size());
  update();
}

void GridCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_ != nullptr)
    painter.drawImage(0, 0, *image_);
  else
    painter.fillRect(rect(), palette().button());
}

void GridCanvas::mousePressEvent(QMouseEvent* event) {
  const QPoint p = ImagePoint(event);
  emit pressed(event->button(), event->buttons(), event->modifiers(), p.x(), p.y());
}

void GridCanvas::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = ImagePoint(event);
  emit moved(event->buttons(), event->modifiers(), p.x(), p.y());
}

void GridCanvas::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = ImagePoint(event);
  emit released(event->button(), event->buttons(), event->modifiers(), p.x(), p.y());
}

} // namespace arvento::app
