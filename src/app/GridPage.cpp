// The grid page "save": its controls, and the grid routines it shares with
// the pattern grid of the parts page. A grid's picture is its only store:
// bars are painted red on each row's band, the empty band is silver, and
// the conversion reads the pixels back.

#include "MainForm.h"

#include "GridGeometry.h"
#include "PianoKeys.h"

#include <QPainter>

namespace arvento::app {

namespace {

const QColor kLineColour(0, 0, 0);
const QColor kEmptyBandColour(192, 192, 192);
const QColor kBarColour(255, 0, 0);

constexpr int kLongTick = 15;
constexpr int kShortTick = 5;
// The band lies from 2 pixels above a row line to 4 below it and spans the
// image but for its one-pixel frame.
constexpr int kBandAbove = 2;
constexpr int kBandHeight = 7;
constexpr int kBandLeft = 1;
constexpr int kBandWidth = melody::kGridWidth - 2;
// A painted stretch reaches this far over the boundaries at its ends: its
// silver clears them, and its red stops short of them, so they are cut.
constexpr int kBoundaryMargin = 5;

// The row line of the row that pixel row y lies in.
int RowLineYAt(int y) {
  return melody::RowLineY(y / melody::kRowPitch + 1);
}

QRect Band(int left, int right, int rowLineY) {
  return QRect(left, rowLineY - kBandAbove, right - left, kBandHeight);
}

// A stretch whose right edge is not beyond its left one paints nothing: a
// release left of the press column places no bar.
void FillBand(QImage& image, int left, int right, int rowLineY, const QColor& colour) {
  if (right > left)
    QPainter(&image).fillRect(Band(left, right, rowLineY), colour);
}

} // namespace

void TMainForm2::ConnectGridPage() {
  auto* keys = new PianoKeyFilter([this](int code) { Run([&] { buRecCardKeyPress(code); }); },
                                  [this](int code) { Run([&] { buRecCardKeyUp(code); }); }, this);
  for (QAbstractButton* button : {bbRecCard, bbPodbor, bbZap2, bbPodb2})
    button->installEventFilter(keys);
  OnClick(bbRecCard, &TMainForm2::buRecCardClick);
  OnClick(bbZap2, &TMainForm2::buRecCardClick);
  OnClick(bbPodbor, &TMainForm2::buPodborClick);
  OnClick(bbPodb2, &TMainForm2::buPodborClick);
  OnClick(bbNewRec, &TMainForm2::buNewRecClick);

  OnClick(bbSetka, &TMainForm2::bbSetkaClick);
  OnClick(bbDrawErase, &TMainForm2::bbDrawEraseClick);
  // A metre button acts when it becomes selected, by the user or by the
  // parts page's metre button.
  connect(rb8, &QAbstractButton::toggled, this, [this](bool on) {
    if (on)
      Run([this] { rb8Click(); });
  });
  connect(rb6, &QAbstractButton::toggled, this, [this](bool on) {
    if (on)
      Run([this] { rb6Click(); });
  });
  connect(cb1, &QComboBox::currentTextChanged, this, [this] { Run([this] { cb1Change(); }); });
  connect(pb1, &GridCanvas::pressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons held, Qt::KeyboardModifiers, int x, int y) {
            Run([&] { pb1MouseDown(held, x, y); });
          });
  connect(pb1, &GridCanvas::moved, this,
          [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int) { Run([&] { pb1MouseMove(x); }); });
  connect(pb1, &GridCanvas::released, this,
          [this](Qt::MouseButton button, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
            Run([&] { pb1MouseUp(button, x, y); });
          });

  OnClick(bbProba, &TMainForm2::bbProbaClick);
  OnClick(bbPlay, &TMainForm2::bbPlayClick);
  OnClick(buFromMemory, &TMainForm2::buFromMemoryClick);
  OnClick(bbStop, &TMainForm2::bbStopClick);
  for (QAbstractButton* button : {buInc, bbOctPlus, bbOctPlus2})
    OnClick(button, &TMainForm2::buIncClick);
  for (QAbstractButton* button : {buDec, bbOctMinus, bbOctMinus2})
    OnClick(button, &TMainForm2::buDecClick);
}

void TMainForm2::DrawGridRow(int y, int target) {
  const melody::GridGeometry geometry = melody::GridGeometryFor(rb6->isChecked());
  gridCellWidth = geometry.cellWidth;
  gridBarCells = geometry.barCells;
  gridColumns = geometry.columns;
  QImage& image = GridImage(target);
  {
    QPainter painter(&image);
    painter.setPen(kLineColour);
    painter.drawLine(0, y, melody::kGridWidth - 1, y);
    for (int k = 1; k < gridColumns; ++k) {
      const int length = k % gridBarCells == 0 ? kLongTick : kShortTick;
      painter.drawLine(k * gridCellWidth, y, k * gridCellWidth, y + length - 1);
    }
  }
  gridRowLineY = RowLineYAt(y);
  FillBand(image, kBandLeft, kBandLeft + kBandWidth, gridRowLineY, kEmptyBandColour);
  GridView(target).update();
}

void TMainForm2::DrawEmptyGrid(int target) {
  QImage& image = GridImage(target);
  const QColor face = palette().color(QPalette::Button);
  {
    QPainter painter(&image);
    painter.fillRect(image.rect(), face);
    painter.setPen(kLineColour);
    painter.setBrush(face);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
  }
  const int rows = target == kPatternGrid ? 1 : melody::kMelodyGridRows;
  for (int row = 0; row < rows; ++row)
    DrawGridRow(row * melody::kRowPitch, target);
}

void TMainForm2::GridMouseDown(Qt::MouseButtons held, int x, int y) {
  if ((held & Qt::RightButton) || gridEraseMode)
    return;
  gridPressX = x;
  gridRowLineY = RowLineYAt(y);
  gridPenPos = QPoint(x, gridRowLineY);
  gridDragging = true;
}

// The trail keeps to the row line of the row where the drag began, wherever
// the pointer goes.
void TMainForm2::GridMouseMove(int target, int x) {
  if (!gridDragging)
    return;
  const QPoint to(x, gridRowLineY);
  {
    QPainter painter(&GridImage(target));
    painter.setPen(kBarColour);
    painter.drawLine(gridPenPos, to);
  }
  gridPenPos = to;
  GridView(target).update();
}

void TMainForm2::GridMouseUp(int target, int x, int y) {
  QImage& image = GridImage(target);
  const int w = gridCellWidth;
  if (gridEraseMode) {
    gridPressX = gridReleaseX = x;
    const int c = x / w;
    gridRowLineY = RowLineYAt(y);
    FillBand(image, c * w - kBoundaryMargin, (c + 1) * w + kBoundaryMargin, gridRowLineY, kEmptyBandColour);
  } else {
    if (!gridDragging)
      return;
    gridReleaseX = x;
    gridDragging = false;
    const int s = gridPressX / w;
    const int e = gridReleaseX / w + 1;
    FillBand(image, s * w - kBoundaryMargin, e * w + kBoundaryMargin, gridRowLineY, kEmptyBandColour);
    FillBand(image, s * w + kBoundaryMargin, e * w - kBoundaryMargin, gridRowLineY, kBarColour);
  }
  GridView(target).update();
}

void TMainForm2::ToggleGridEraseMode(QAbstractButton& button) {
  gridEraseMode = !gridEraseMode;
  button.setText(gridEraseMode ? "Рисовать" : "Удалить");
}

void TMainForm2::bbSetkaClick() {
  if (!dialogs.Ask("Новый фрагмент мелодии?"))
    return;
  re1.clear();
  re2->clear();
  ResetRecording();
  DrawEmptyGrid(kMelodyGrid);
}

void TMainForm2::bbDrawEraseClick() {
  ToggleGridEraseMode(*bbDrawErase);
}

// Selecting the parts page's metre button runs its own handler, which
// redraws the pattern grid; a button already selected does nothing.
void TMainForm2::rb8Click() {
  rb82->setChecked(true);
  bbSetkaClick();
}

void TMainForm2::rb6Click() {
  rb62->setChecked(true);
  bbSetkaClick();
}

void TMainForm2::cb1Change() {
  if (cb12->currentText() != cb1->currentText())
    cb12->setCurrentText(cb1->currentText());
}

void TMainForm2::pb1MouseDown(Qt::MouseButtons held, int x, int y) {
  GridMouseDown(held, x, y);
}

void TMainForm2::pb1MouseMove(int x) {
  GridMouseMove(kMelodyGrid, x);
}

void TMainForm2::pb1MouseUp(Qt::MouseButton button, int x, int y) {
  if (button == Qt::RightButton)
    CopyRowAbove(y);
  else
    GridMouseUp(kMelodyGrid, x, y);
}

void TMainForm2::CopyRowAbove(int y) {
  const int row = y / melody::kRowPitch + 1;
  if (row < 2)
    return;
  const QRect from = Band(kBandLeft, kBandLeft + kBandWidth, melody::RowLineY(row - 1));
  const QImage band = pb1Image.copy(from);
  QPainter(&pb1Image).drawImage(from.translated(0, melody::kRowPitch).topLeft(), band);
  pb1->update();
}

} // namespace arvento::app
