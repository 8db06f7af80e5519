// The chord page "acc": the chord sequence played, saved, read back,
// restored and moved by octaves; the accompaniment compile that the parts
// page shares; the rule that only one player plays at a time.

#include "app/MainForm.h"

#include "app/PaneText.h"
#include "chords/AccompanimentCompiler.h"
#include "project/ProjectNames.h"

#include <QScopeGuard>

namespace fs = std::filesystem;

namespace arvento::app {

namespace {
// Leaves an unchanged pane alone, so that its cursor stays where the user left it.
void ReplacePaneLines(QPlainTextEdit& pane, const std::vector<std::string>& lines) {
  if (PaneLines(pane) != lines)
    SetPaneLines(pane, lines);
}
} // namespace

void TMainForm2::ConnectChordPage() {
  OnClick(bbDragon, &TMainForm2::bbDragonClick);
  OnClick(bbSaveAccordCH, &TMainForm2::bbSaveAccordCHClick);
  OnClick(bbClearAllAcc, &TMainForm2::bbClearAllAccClick);
  OnClick(bbReadA, &TMainForm2::bbReadAClick);
  OnClick(bbRestore, &TMainForm2::bbRestoreClick);
  OnClick(bbOctp, &TMainForm2::bbOctpClick);
  OnClick(bboctm, &TMainForm2::bboctmClick);
  OnItemClicked(flb1, &TMainForm2::flb1Click);
  OnItemDoubleClicked(flb1, &TMainForm2::bbReadAClick);
  OnSelected(rbFno, &TMainForm2::rbFnoClick);
  OnSelected(rbGuitar, &TMainForm2::rbGuitarClick);
}

void TMainForm2::bbDragonClick() {
  if (projectName.empty())
    OpenDefaultProject();
  autoPlay = true;
  CompileAccompaniment(ChordSource::Pane, true, PageInFrontTarget(true));
}

void TMainForm2::bbSaveAccordCHClick() {
  if (projectName.empty()) {
    OpenDefaultProject();
  } else if (ConfirmPartSave(project::kMelodyRole)) {
    autoPlay = false;
    WritePartRecord(project::PartKind::Accompaniment, cbChan->currentText().toInt(),
                    cbVoice->currentText().toInt());
    CompileAccompaniment(ChordSource::Pane, false, PageInFrontTarget(false));
  }
  UpdateFileLists();
}

void TMainForm2::bbClearAllAccClick() {
  reAcc->clear();
}

void TMainForm2::bbReadAClick() {
  const fs::path file = flb1->SelectedFile();
  if (!HasRecord(file, tr("Нет файла с записью аккордов")))
    return;
  // The first line decides: only a melody record is refused, and any other
  // first line is read as chords. The whole record is read before anything
  // is applied, so that a bad record changes nothing on the page.
  const std::optional<project::PartRecord> record =
      project::ReadPartRecordAs(project::RecordPathFor(file), project::PartKind::Accompaniment);
  if (!record) {
    dialogs.Inform(tr("В этом файле записана мелодия"));
    return;
  }
  ApplyRecordSettings(*record);
  SetPaneLines(*reAcc, record->chordLines);
  SetPaneLines(*reAcc2, record->chordLines);
  mp2->Reopen(file.string(), autoPlay);
}

void TMainForm2::bbRestoreClick() {
  reAcc->clear();
  CopyChordPane(*reAcc2, *reAcc, tr("Резервное поле записи аккордов пустое, восстановление невозможно"));
}

void TMainForm2::CopyChordPane(const QPlainTextEdit& from, QPlainTextEdit& to, const QString& ifEmpty) {
  const std::vector<std::string> lines = PaneLines(from);
  if (lines.empty())
    dialogs.Inform(ifEmpty);
  else
    SetPaneLines(to, lines);
}

void TMainForm2::bbOctpClick() {
  // A melody in the melody pane keeps the accompaniment from rising.
  if (re2->toPlainText().isEmpty())
    ++accOctaveShift;
}

void TMainForm2::bboctmClick() {
  --accOctaveShift;
}

void TMainForm2::flb1Click() {
  for (MediaPlayerBar* player : {mp1, mp2, mpSum})
    player->Close();
}

void TMainForm2::mp1Click() {
  mpSum->Close();
  mp2->Close();
}

void TMainForm2::mp2Click() {
  for (MediaPlayerBar* player : {mpSum, mp1}) {
    player->Close();
    player->SetFileName({});
  }
}

// Not a rule of the page players: the project player closes both page
// players, so that it too never plays over another file.
void TMainForm2::mpSumClick() {
  mp1->Close();
  mp2->Close();
}

void TMainForm2::rbFnoClick() {
  rbFno2 = true;
  rbGuitar2 = false;
}

void TMainForm2::rbGuitarClick() {
  rbGuitar2 = true;
  rbFno2 = false;
}

chords::AccompanimentSettings TMainForm2::CurrentAccompanimentSettings() const {
  chords::AccompanimentSettings settings;
  settings.guitar = rbGuitar->isChecked();
  settings.arpeggio = cbArp->isChecked() ? cmbArp->currentText().toInt() : 0;
  settings.octaveShift = accOctaveShift;
  return settings;
}

void TMainForm2::CompileAccompaniment(ChordSource source, bool toAuditionDir, PlayTarget target) {
  QPlainTextEdit& pane = PageVisible(perebor) ? *reAcc2 : *reAcc;
  const std::vector<std::string> lines =
      source == ChordSource::BaseChord
          ? std::vector<std::string>{chords::BaseChordLine(edBase->text().toStdString())}
          : PaneLines(pane);
  const chords::AccompanimentSettings settings = CurrentAccompanimentSettings();
  const SoundSettings sound = CurrentSoundSettings();
  chords::AccompanimentResult expansion;
  std::vector<std::uint8_t> bytes;
  {
    // What the expansion found is shown even when its chords then fail to
    // become events.
    const auto showExpansion = qScopeGuard([&] { ShowExpansion(pane, lines, expansion); });
    bytes = chords::CompileAccompaniment(lines, settings, sound, &expansion);
  }
  if (!toAuditionDir)
    WriteMidiFile(PartFileName(), false, target, bytes);
  WriteMidiFile(PartFileName(), true, target, bytes);
}

void TMainForm2::ShowExpansion(QPlainTextEdit& pane, const std::vector<std::string>& lines,
                               const chords::AccompanimentResult& expansion) {
  const std::vector<std::string> reserve = PaneLines(*reAcc2);
  // The cleaned lines go back where they came from, one for one; in base
  // chord mode the single line lands on the first line of the pane.
  std::vector<std::string> shown = PaneLines(pane);
  shown.resize(std::max(shown.size(), expansion.cleanedLines.size()));
  std::copy(expansion.cleanedLines.begin(), expansion.cleanedLines.end(), shown.begin());
  ReplacePaneLines(pane, shown);
  // The reserve keeps its first line; an empty reserve stays empty, so that
  // the base chord never lands in it.
  std::vector<std::string> restored = PaneLines(*reAcc2);
  if (reserve.empty())
    restored.clear();
  else
    restored.front() = reserve.front();
  ReplacePaneLines(*reAcc2, restored);
  lbFin = expansion.expandedChords;
  std::vector<std::string> notices = expansion.skipped;
  for (std::string& warning : chords::ChordTextWarnings(lines))
    notices.push_back(std::move(warning));
  ShowCompileNotices(notices);
}

void TMainForm2::ShowCompileNotices(const std::vector<std::string>& notices) {
  if (notices.empty()) {
    // Only a message of an earlier compile is taken away, not another notice.
    if (compileNoticesShown) {
      SetStatusText({});
      stbText->setToolTip({});
    }
    compileNoticesShown = false;
    return;
  }
  QStringList messages;
  for (const std::string& message : notices)
    messages.push_back(QString::fromStdString(message));
  SetStatusText(messages.join(" | "));
  stbText->setToolTip(messages.join('\n'));
  compileNoticesShown = true;
}

} // namespace arvento::app
