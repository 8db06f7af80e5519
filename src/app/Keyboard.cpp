// The computer keyboard as a piano on the grid and parts pages: every key
// sounds at once on the live player and, while recording, adds its pitch to
// the keyboard recording.

#include "app/MainForm.h"

#include "app/PianoKeys.h"
#include "core/Translate.h"
#include "melody/KeyboardTables.h"
#include "player/TMidiGen.h"

namespace arvento::app {

namespace {
const QString kDrumChannel = QStringLiteral("10");
constexpr int kLiveMelodyChannel = 0;
constexpr int kLiveDrumChannel = 9;
} // namespace

void TMainForm2::buRecCardKeyPress(int charCode) {
  const bool drumMode = cbChan->currentText() == kDrumChannel;
  if (charCode == melody::kStepBackChar) {
    keyboardRecording.StepBack();
    return;
  }
  const int note = melody::KeyPressNote(charCode, octaveOffset, drumMode);
  // A held key repeating sounds and records nothing more.
  if (note == 0 || (noteSounding && note == lastNote))
    return;
  if (noteSounding)
    MidiGen1->Stop();
  if (recordingOn && !keyboardRecording.Record(note))
    dialogs.Inform(QString::fromStdString(Tr(melody::kRecordingLimitMessage)));
  lastNote = note;
  // A busy or missing output refuses the note; the pitch is recorded all the same.
  MidiGen1->PlayNote(note);
  noteSounding = true;
}

void TMainForm2::buRecCardKeyUp(int keyCode) {
  const bool drumMode = cbChan->currentText() == kDrumChannel;
  if (melody::ReleaseStopsSound(keyCode, octaveOffset, drumMode, lastNote)) {
    MidiGen1->Stop();
    noteSounding = false;
  }
}

void TMainForm2::buRecCardClick() {
  if (recordingOn)
    return;
  bbBas->setEnabled(false);
  recordMode = true;
  re2->clear();
  recordingOn = true;
  ResetRecording();
}

void TMainForm2::buPodborClick() {
  recordMode = false;
  if (!recordingOn ||
      dialogs.Ask(tr("Переход к подбору мелодии отменит ранее набранную часть мелодии. Продолжить?")))
    recordingOn = false;
  MidiGen1->SetChannel(cbChan->currentText() == kDrumChannel ? kLiveDrumChannel : kLiveMelodyChannel);
}

void TMainForm2::buNewRecClick() {
  if (dialogs.Ask(tr("Введенные ноты будут удалены. Продолжить?"))) {
    re1.clear();
    re2->clear();
    ResetRecording();
  }
  bbRecCard->setFocus();
}

} // namespace arvento::app
