// The parts page "perebor": a one-bar figure drawn on the pattern grid pb2
// becomes a bass, picking or drum part over the chord record reAcc2, or the
// chords re-struck in the drawn rhythm on the chord page.

#include "app/MainForm.h"

#include "app/PaneText.h"
#include "core/Translate.h"
#include "generators/PatternGenerator.h"
#include "generators/RhythmGenerator.h"
#include "melody/GridGeometry.h"
#include "melody/GridRuns.h"

namespace arvento::app {

namespace {

constexpr int kFourFourBarCells = 8;
constexpr int kThreeFourBarCells = 6;

} // namespace

void TMainForm2::ConnectPartsPage() {
  OnClick(bbSet, &TMainForm2::bbSetClick);
  OnClick(bbDellin, &TMainForm2::bbDellinClick);
  connect(pb2, &GridCanvas::pressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons held, Qt::KeyboardModifiers, int x, int y) {
            Run([&] { pb2MouseDown(held, x, y); });
          });
  connect(pb2, &GridCanvas::moved, this,
          [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int) { Run([&] { pb2MouseMove(x); }); });
  connect(pb2, &GridCanvas::released, this,
          [this](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
            Run([&] { pb2MouseUp(x, y); });
          });
  OnClick(bbAccp, &TMainForm2::bbAccpClick);
  OnClick(bbProv2, &TMainForm2::bbProv2Click);
  OnClick(bbShow, &TMainForm2::bbShowClick);
  OnSelected(rbBas, &TMainForm2::rbBasClick);
  OnSelected(rbDrums, &TMainForm2::rbDrumsClick);
  OnSelected(rbRitm, &TMainForm2::rbRitmClick);
  OnClick(bbBas, &TMainForm2::bbBasClick);
  MirrorGridChoices(rb82, rb62, cb12, rb8, rb6, cb1, &TMainForm2::bbSetClick);
}

void TMainForm2::bbSetClick() {
  DrawEmptyGrid(pb2Picture, *pb2);
}

void TMainForm2::bbDellinClick() {
  ToggleGridEraseMode(*bbDellin);
}

void TMainForm2::pb2MouseDown(Qt::MouseButtons held, int x, int y) {
  pb2Picture.Press(held, x, y, gridEraseMode);
}

void TMainForm2::pb2MouseMove(int x) {
  pb2Picture.Move(x);
  pb2->update();
}

// Whatever the button: in draw mode a release ends only a drag that an
// accepted press began, in erase mode every release erases.
void TMainForm2::pb2MouseUp(int x, int y) {
  pb2Picture.Release(x, y, gridGeometry.cellWidth, gridEraseMode);
  pb2->update();
}

void TMainForm2::bbAccpClick() {
  CopyChordPane(*reAcc, *reAcc2, tr("Введите запись аккордов на панели \"аккорды\""));
}

void TMainForm2::bbProv2Click() {
  partsTestRequest = true;
  bbBas->setEnabled(true);
  ConvertGrid();
}

void TMainForm2::bbShowClick() {
  // Like every compile, the base chord needs an open project for its file.
  if (projectName.empty())
    OpenDefaultProject();
  // The base chord plays on the melody page's player.
  CompileAccompaniment(ChordSource::BaseChord, true, PlayTarget::PlayInMp1);
}

void TMainForm2::rbBasClick() {
  partMode = generators::PartMode::BassOrPicking;
}

void TMainForm2::rbDrumsClick() {
  partMode = generators::PartMode::Drums;
}

void TMainForm2::rbRitmClick() {
  bbBas->setEnabled(true);
}

void TMainForm2::bbBasClick() {
  if (rbRitm->isChecked()) {
    GenerateRhythm();
    return;
  }
  GeneratePatternPart(partMode);
  // Refused or not, the melody page shows the pane and plays it.
  bbMelodClick();
  buPlayClick();
}

int TMainForm2::PatternBarCells() const {
  return rb82->isChecked() ? kFourFourBarCells : kThreeFourBarCells;
}

std::vector<std::string> TMainForm2::CollectPatternRuns() const {
  const int rowLineY = melody::RowLineY(1);
  return melody::CollectPatternRuns(
      gridGeometry.columns, [this, rowLineY](int x) { return pb2Picture.SampleAt(x, rowLineY); },
      gridGeometry.cellWidth);
}

void TMainForm2::GeneratePatternPart(generators::PartMode mode) {
  const std::vector<std::string> melody = PaneLines(*re2);
  const Outcome<std::vector<std::string>> result =
      generators::GeneratePatternPart(PaneLines(*reAcc2), melody.empty() ? std::string() : melody.front(),
                                      mode, PatternBarCells(), cb12->currentText().toStdString());
  if (result.Refused()) {
    dialogs.Inform(QString::fromStdString(result.RefusalText()));
    return;
  }
  partsTestRequest = false;
  re1.clear();
  SetPaneLines(*re2, result.Result());
}

void TMainForm2::GenerateRhythm() {
  const Outcome<std::vector<std::string>> result = generators::GenerateRhythm(
      CollectPatternRuns(), PaneLines(*reAcc2), PatternBarCells(), cb12->currentText().toStdString());
  if (result.Refused()) {
    dialogs.Inform(QString::fromStdString(result.RefusalText()));
    return;
  }
  re1.clear();
  re2->clear();
  partsTestRequest = false;
  SetPaneLines(*reAcc, result.Result());
  dialogs.Inform(QString::fromStdString(Tr(generators::kRhythmWrittenNotice)));
  bbAccordsClick();
}

} // namespace arvento::app
