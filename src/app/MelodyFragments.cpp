// From the drawn rhythm and the keyboard recording to RTTTL-E, fragment by
// fragment: the conversion, the fragment buffer and the octave buttons.

#include "app/MainForm.h"

#include "app/PaneText.h"
#include "melody/GridGeometry.h"
#include "melody/GridRuns.h"
#include "melody/OctaveShift.h"
#include "melody/RhythmText.h"

namespace arvento::app {

namespace {

void AppendLines(std::vector<std::string>& to, const std::vector<std::string>& lines) {
  to.insert(to.end(), lines.begin(), lines.end());
}

} // namespace

void TMainForm2::bbProbaClick() {
  ConvertGrid();
}

void TMainForm2::ConvertGrid() {
  re1.clear();
  re2->clear();
  const bool pattern = PageVisible(perebor);
  const GridPicture& picture = pattern ? pb2Picture : pb1Picture;
  const std::vector<std::string> runList =
      melody::CollectRunList(pattern ? 1 : melody::kMelodyGridRows, gridGeometry, [&picture](int row, int x) {
        return picture.SampleAt(x, melody::RowLineY(row));
      });
  re1 = melody::RunsToRhythm(runList, cb1->currentText().toStdString());
  buPlayRTTTLClick();
  // The play compiles whatever the conversion left, an empty pane included.
  buPlayClick();
}

void TMainForm2::buPlayRTTTLClick() {
  melody::RtttlConversion conversion = melody::RhythmToRtttl(re1, keyboardRecording.recordedNotes());
  melodySlots = std::move(conversion.melodySlots);
  re2->clear();
  if (conversion.lines.Refused()) {
    dialogs.Inform(QString::fromStdString(conversion.lines.RefusalText()));
    return;
  }
  SetPaneLines(*re2, conversion.lines.Result());
}

void TMainForm2::bbPlayClick() {
  if (!dialogs.Ask(tr("Сохранить записанный фрагмент?")))
    return;
  AppendLines(re11, re1);
  AppendLines(re22, PaneLines(*re2));
  re2->clear();
  re1.clear();
  ResetRecording();
  DrawEmptyGrid(pb1Picture, *pb1);
}

void TMainForm2::buFromMemoryClick() {
  if (!dialogs.Ask(tr("Вывести всю запись?")))
    return;
  AppendLines(re1, re11);
  std::vector<std::string> melody = PaneLines(*re2);
  AppendLines(melody, re22);
  SetPaneLines(*re2, melody);
  re22.clear();
  re11.clear();
  ResetRecording();
}

void TMainForm2::bbStopClick() {
  mp2->Stop();
}

void TMainForm2::buIncClick() {
  ShiftOctave(1);
}

void TMainForm2::buDecClick() {
  ShiftOctave(-1);
}

// A shift that would take a note out of the playable range, or that meets a
// token it cannot read, changes nothing, the keyboard included, and says why
// in the status bar.
void TMainForm2::ShiftOctave(int octaves) {
  if (PageVisible(save))
    (recordMode ? bbRecCard : bbPodbor)->setFocus();
  std::string refusal;
  if (!re2->toPlainText().isEmpty()) {
    const Outcome<std::vector<std::string>> shift = melody::ShiftMelodyOctave(PaneLines(*re2), octaves);
    if (shift.Refused())
      refusal = shift.RefusalText();
    else
      SetPaneLines(*re2, shift.Result());
  } else {
    Outcome<melody::KeyboardRecording> shift = melody::ShiftRecordingOctave(keyboardRecording, octaves);
    if (shift.Refused())
      refusal = shift.RefusalText();
    else
      keyboardRecording = std::move(shift.Result());
  }
  if (!refusal.empty()) {
    SetStatusText(QString::fromStdString(refusal));
    octaveRefusalShown = true;
    return;
  }
  octaveOffset += 12 * octaves;
  if (octaveRefusalShown) {
    SetStatusText({});
    octaveRefusalShown = false;
  }
}

} // namespace arvento::app
