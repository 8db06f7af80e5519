#include "app/RollView.h"

#include "roll/RollColours.h"
#include "roll/RollPainter.h"
#include "roll/RollTexts.h"
#include "roll/ViewZoom.h"

#include <QGridLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace arvento::app {

namespace {

constexpr int kKeyboardWidth = 48;
constexpr int kVelocityLaneHeight = 64;
// A wheel notch: the zoom factor, the rows and the part of the page it scrolls.
constexpr double kZoomStep = 1.25;
constexpr int kRowsPerNotch = 3;
constexpr double kPagePerNotch = 0.125;
constexpr double kNotch = 120;

QWidget* NewLayer(QWidget* parent, const char* name, QObject* filter) {
  auto* layer = new QWidget(parent);
  layer->setObjectName(name);
  layer->setAttribute(Qt::WA_OpaquePaintEvent);
  layer->setMouseTracking(true);
  layer->installEventFilter(filter);
  return layer;
}

} // namespace

RollView::RollView(Clock clock, QWidget* parent) : QWidget(parent), clock_(std::move(clock)) {
  canvas_ = NewLayer(this, "rollCanvas", this);
  keys_ = NewLayer(this, "rollKeys", this);
  velocities_ = NewLayer(this, "rollVelocities", this);
  keys_->setFixedWidth(kKeyboardWidth);
  velocities_->setFixedHeight(kVelocityLaneHeight);
  canvas_->setMinimumSize(120, 80);
  horizontal_ = new QScrollBar(Qt::Horizontal, this);
  horizontal_->setObjectName("rollHorizontal");
  vertical_ = new QScrollBar(Qt::Vertical, this);
  vertical_->setObjectName("rollVertical");
  auto* velocityLabel = new QLabel(tr("Сила"), this);
  velocityLabel->setAlignment(Qt::AlignCenter);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  layout->addWidget(keys_, 0, 0);
  layout->addWidget(canvas_, 0, 1);
  layout->addWidget(vertical_, 0, 2);
  layout->addWidget(velocityLabel, 1, 0);
  layout->addWidget(velocities_, 1, 1);
  layout->addWidget(horizontal_, 2, 1);
  layout->setRowStretch(0, 1);
  layout->setColumnStretch(1, 1);

  connect(horizontal_, &QScrollBar::valueChanged, this, [this](int value) {
    geometry_.scrollX = value;
    UserScrolled();
  });
  connect(vertical_, &QScrollBar::valueChanged, this, [this](int value) {
    geometry_.scrollY = value;
    UserScrolled();
  });
  for (QScrollBar* bar : {horizontal_, vertical_}) {
    connect(bar, &QScrollBar::sliderPressed, this, [this] { following_.UserHolds(true); });
    connect(bar, &QScrollBar::sliderReleased, this, [this] {
      following_.UserHolds(false);
      following_.UserScrolled(clock_());
    });
  }
}

void RollView::SetNotes(midi::SmfNotes notes, std::vector<roll::TrackMode> modes) {
  // A file read again keeps the zoom and the keys at the top of the view.
  const int topKey = notes.highest + roll::kMarginRows;
  geometry_.scrollY += (topKey - geometry_.topKey) * geometry_.rowHeight;
  geometry_.topKey = topKey;
  notes_ = std::move(notes);
  modes_ = std::move(modes);
  // The file's player starts again from its beginning.
  cursor_ = 0;
  if (!placed_)
    Fit();
  UpdateScrollBars();
  Repaint();
}

void RollView::SetModes(std::vector<roll::TrackMode> modes) {
  modes_ = std::move(modes);
  Repaint();
}

void RollView::ShowCursor(double tick) {
  cursor_ = tick;
  const std::optional<double> first =
      following_.FirstTick(tick, geometry_.Tick(0), geometry_.Tick(canvas_->width()), clock_());
  if (first) {
    geometry_.scrollX = *first * geometry_.pixelsPerTick;
    UpdateScrollBars();
  }
  Repaint();
}

// The layers are opaque: each one repaints only when it is told to.
void RollView::Repaint() {
  for (QWidget* layer : {canvas_, keys_, velocities_})
    layer->update();
}

void RollView::UserScrolled() {
  if (!moving_) {
    following_.UserScrolled(clock_());
    placed_ = true;
  }
  Repaint();
}

void RollView::Fit() {
  if (!notes_.Empty())
    geometry_ = roll::FirstView(notes_, canvas_->width(), canvas_->height());
}

void RollView::UpdateScrollBars() {
  const double width = std::max(1.0, double(notes_.end)) * geometry_.pixelsPerTick;
  const double height = roll::RowCount(notes_.lowest, notes_.highest) * geometry_.rowHeight;
  moving_ = true;
  horizontal_->setRange(0, std::max(0, int(std::ceil(width)) - canvas_->width()));
  horizontal_->setPageStep(canvas_->width());
  horizontal_->setSingleStep(std::max(1, canvas_->width() / 20));
  vertical_->setRange(0, std::max(0, int(std::ceil(height)) - canvas_->height()));
  vertical_->setPageStep(canvas_->height());
  vertical_->setSingleStep(std::max(1, int(geometry_.rowHeight)));
  horizontal_->setValue(int(std::lround(geometry_.scrollX)));
  vertical_->setValue(int(std::lround(geometry_.scrollY)));
  geometry_.scrollX = std::clamp(geometry_.scrollX, 0.0, double(horizontal_->maximum()));
  geometry_.scrollY = std::clamp(geometry_.scrollY, 0.0, double(vertical_->maximum()));
  moving_ = false;
  Repaint();
}

void RollView::ZoomTime(double factor, double x) {
  geometry_.ZoomTime(roll::TimeZoom(geometry_, factor, notes_.end, canvas_->width()), x);
  UpdateScrollBars();
}

void RollView::ZoomPitch(double factor, double y) {
  geometry_.ZoomPitch(roll::PitchZoom(geometry_, factor, notes_.lowest, notes_.highest, canvas_->height()),
                      y);
  UpdateScrollBars();
}

bool RollView::eventFilter(QObject* watched, QEvent* event) {
  auto* layer = qobject_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::Paint:
      Paint(layer);
      return true;
    case QEvent::Wheel:
      Wheel(layer, static_cast<QWheelEvent*>(event));
      return true;
    case QEvent::ToolTip:
      return layer == canvas_ && ShowToolTip(static_cast<QHelpEvent*>(event));
    case QEvent::Resize:
      if (layer == canvas_) {
        if (!placed_)
          Fit();
        UpdateScrollBars();
      }
      return false;
    default:
      return false;
  }
}

void RollView::Paint(QWidget* layer) {
  QPainter painter(layer);
  const QSizeF size = layer->size();
  if (layer == keys_) {
    painter.fillRect(layer->rect(), palette().window());
    roll::PaintKeyboard(painter, geometry_, size);
    return;
  }
  painter.fillRect(layer->rect(), Qt::white);
  if (layer == velocities_) {
    roll::PaintVelocities(painter, notes_, modes_, geometry_, size);
    return;
  }
  roll::PaintRows(painter, geometry_, size);
  roll::PaintBars(painter, geometry_, size, notes_.division, notes_.end);
  roll::PaintNotes(painter, notes_, modes_, geometry_, size);
  const double x = std::floor(geometry_.X(cursor_));
  painter.setPen(QPen(roll::kCursor, 2));
  painter.drawLine(QLineF(x, 0, x, size.height()));
}

void RollView::Wheel(QWidget* layer, QWheelEvent* event) {
  // Some systems turn Shift+wheel into a horizontal turn.
  const QPoint turn = event->angleDelta();
  const double notches = (turn.y() != 0 ? turn.y() : turn.x()) / kNotch;
  const QPointF at = canvas_->mapFrom(this, layer->mapTo(this, event->position()));
  if (event->modifiers() & Qt::ControlModifier) {
    ZoomTime(std::pow(kZoomStep, notches), at.x());
    UserScrolled();
  } else if (event->modifiers() & Qt::ShiftModifier) {
    ZoomPitch(std::pow(kZoomStep, notches), at.y());
    UserScrolled();
  } else if (turn.y() != 0) {
    vertical_->setValue(vertical_->value() - int(std::lround(notches * kRowsPerNotch * geometry_.rowHeight)));
  } else {
    horizontal_->setValue(horizontal_->value() -
                          int(std::lround(notches * kPagePerNotch * canvas_->width())));
  }
  event->accept();
}

bool RollView::ShowToolTip(QHelpEvent* event) {
  const std::optional<roll::NoteHit> hit =
      roll::NoteAt(notes_, modes_, geometry_, event->pos().x(), event->pos().y());
  if (!hit) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  QToolTip::showText(
      event->globalPos(),
      QString::fromStdString(roll::DescribeNote(*hit->note, hit->trackNumber, notes_.division)), canvas_);
  return true;
}

} // namespace arvento::app
