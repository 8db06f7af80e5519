// The grid page "save": its controls, the melody grid pb1, and the drawing
// state that the melody grid shares with the pattern grid of the parts page.

#include "app/MainForm.h"

#include "app/PianoKeys.h"
#include "melody/GridGeometry.h"

namespace arvento::app {

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
  MirrorGridChoices(rb8, rb6, cb1, rb82, rb62, cb12, &TMainForm2::bbSetkaClick);
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

void TMainForm2::DrawEmptyGrid(GridPicture& picture, GridCanvas& view) {
  gridGeometry = melody::GridGeometryFor(rb6->isChecked());
  picture.DrawEmpty(palette().color(QPalette::Button), gridGeometry);
  view.update();
}

void TMainForm2::ToggleGridEraseMode(QAbstractButton& button) {
  gridEraseMode = !gridEraseMode;
  button.setText(gridEraseMode ? tr("Рисовать") : tr("Удалить"));
}

void TMainForm2::bbSetkaClick() {
  if (!dialogs.Ask(tr("Новый фрагмент мелодии?")))
    return;
  re1.clear();
  re2->clear();
  ResetRecording();
  DrawEmptyGrid(pb1Picture, *pb1);
}

void TMainForm2::bbDrawEraseClick() {
  ToggleGridEraseMode(*bbDrawErase);
}

void TMainForm2::pb1MouseDown(Qt::MouseButtons held, int x, int y) {
  pb1Picture.Press(held, x, y, gridEraseMode);
}

void TMainForm2::pb1MouseMove(int x) {
  pb1Picture.Move(x);
  pb1->update();
}

// A right-button release copies the row above; any other release ends a
// drag or erases.
void TMainForm2::pb1MouseUp(Qt::MouseButton button, int x, int y) {
  if (button == Qt::RightButton)
    pb1Picture.CopyRowAbove(y);
  else
    pb1Picture.Release(x, y, gridGeometry.cellWidth, gridEraseMode);
  pb1->update();
}

} // namespace arvento::app
