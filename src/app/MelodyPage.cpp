// The melody page "work": the single part as RTTTL-E text, played, saved
// and read back.

#include "app/MainForm.h"

#include "app/PaneText.h"
#include "melody/MelodyCompiler.h"
#include "project/ProjectNames.h"

namespace fs = std::filesystem;

namespace arvento::app {

void TMainForm2::ConnectMelodyPage() {
  // The grid page and the parts page play the melody pane through the same command.
  OnClick(buPlay, &TMainForm2::buPlayClick);
  OnClick(bbPlayResult, &TMainForm2::buPlayClick);
  OnClick(bbProigr, &TMainForm2::buPlayClick);
  OnClick(bbSaveSingle, &TMainForm2::bbSaveSingleClick);
  OnClick(bbRead, &TMainForm2::bbReadClick);
  OnItemClicked(flb2, &TMainForm2::flb2Click);
  OnItemDoubleClicked(flb2, &TMainForm2::bbReadClick);
  ConnectRingtoneMenu();
}

void TMainForm2::buPlayClick() {
  if (projectName.empty())
    OpenDefaultProject();
  autoPlay = true;
  CompileMelody(true, PageInFrontTarget(true));
}

void TMainForm2::CompileMelody(bool toAuditionDir, PlayTarget target) {
  WriteMidiFile(PartFileName(), toAuditionDir, target,
                melody::CompileMelody(PaneLines(*re2), CurrentSoundSettings()));
}

void TMainForm2::bbSaveSingleClick() {
  if (projectName.empty()) {
    OpenDefaultProject();
  } else if (ConfirmPartSave(project::kAccompanimentRole)) {
    autoPlay = false;
    WritePartRecord(project::PartKind::Melody, cbChan->currentText().toInt(), cbVoice->currentText().toInt());
    CompileMelody(false, PageInFrontTarget(false));
  }
  UpdateFileLists();
}

void TMainForm2::bbReadClick() {
  const fs::path file = PageVisible(Sborka) ? flbSum->SelectedFile() : flb2->SelectedFile();
  if (!HasRecord(file, tr("Не выбран файл с записью RTTTL-E")))
    return;
  // The first line decides: a chord record is only told, however bad the
  // rest of it. Any other record is read whole before anything is applied,
  // so that a bad record changes nothing in the window.
  if (const std::optional<project::PartRecord> record =
          project::ReadPartRecordAs(project::RecordPathFor(file), project::PartKind::Melody)) {
    re1 = record->rhythmLines;
    SetPaneLines(*re2, record->melodyLines);
    ApplyRecordSettings(*record);
  } else {
    dialogs.Inform(tr("В этом файле записаны аккорды"));
  }
  if (!PageVisible(Sborka))
    mp1->Reopen(file.string(), true);
}

void TMainForm2::flb2Click() {
  for (MediaPlayerBar* player : {mp1, mp2, mpSum})
    player->Close();
}

} // namespace arvento::app
