// The project group and the project store: opening projects, part file
// names and records, deleting files and starting over.

#include "app/MainForm.h"

#include "app/PaneText.h"
#include "core/Error.h"
#include "project/ProjectNames.h"

namespace fs = std::filesystem;

namespace arvento::app {

namespace {

// Said in the status bar when a project opens without a name.
const char* const kNoProjectName =
    QT_TRANSLATE_NOOP("arvento::app::TMainForm2", "Не задано название проекта, принято значение tmp");
const QString kDefaultProject = QStringLiteral("tmp");

} // namespace

void TMainForm2::ConnectProjectGroup() {
  OnClick(bbOpenProject, &TMainForm2::bbOpenProjectClick);
  OnClick(sbErase, &TMainForm2::sbEraseClick);
  OnClick(bbKillAll, &TMainForm2::bbKillAllClick);
  connect(dlb1, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Run([&] { dlb1Click(item); }); });
  OnItemClicked(flbSum, &TMainForm2::flbSumClick);
  OnItemDoubleClicked(flbSum, &TMainForm2::flbSumDblClick);
}

void TMainForm2::bbOpenProjectClick() {
  if (edProjectName->text().isEmpty()) {
    SetStatusText(tr(kNoProjectName));
    edProjectName->setText(kDefaultProject);
  }
  if (edProjectName->text() != kDefaultProject)
    SetStatusText({});
  const std::string name = edProjectName->text().toStdString();
  // A refused name or a directory that cannot be made leaves the open project open.
  project::CheckProjectName(name);
  const fs::path directory = baseDir / name;
  EnsureDirectory(directory);

  projectName = name;
  projectTitle = name;
  laRegime->setText(QString::fromStdString(projectTitle) + ". " +
                    (PageVisible(work) ? tr("Запись одиночной партии") : tr("Запись аккордов")));
  projectDir = directory;
  // The roll of an assembly belongs to the project that was assembled.
  assembledFile.clear();
  bbRoll->setEnabled(false);
  auditionDir = baseDir / kDefaultProject.toStdString();
  flb1->SetDirectory(projectDir);
  flb2->SetDirectory(projectDir);
  flbSum->SetDirectory(projectDir);
  dlb1->Reread();
  projectName += ".mid";
  mpSum->Close();
  mpSum->SetFileName(flbSum->SelectedFile().string());
  if ((!re11.empty() || !re22.empty()) &&
      dialogs.Ask(tr("Буфер содержит несохраненный фрагмент мелодии. Удалить?"))) {
    re11.clear();
    re22.clear();
  }
}

void TMainForm2::OpenDefaultProject() {
  SetStatusText(tr(kNoProjectName));
  edProjectName->setText(kDefaultProject);
  bbOpenProjectClick();
}

std::string TMainForm2::PartFileName() const {
  char role = project::kAccompanimentRole;
  if (PageVisible(Sborka))
    role = assemblyRole == project::PartKind::Melody ? project::kMelodyRole : project::kAccompanimentRole;
  else if (PageVisible(work))
    role = project::kMelodyRole;
  return project::PartFileName(cbChan->currentText().toInt(), cbVoice->currentText().toInt(), role);
}

void TMainForm2::WritePartRecord(project::PartKind kind, int channel, int voice) {
  project::PartRecord record;
  record.kind = kind;
  record.family = cbFamily->currentIndex();
  record.instrument = cbInstByFamily->currentIndex();
  record.channel = channel;
  record.voice = voice;
  record.modulation = sbMod->value();
  record.volume = sbGrom->value();
  char role = project::kAccompanimentRole;
  if (kind == project::PartKind::Melody) {
    role = project::kMelodyRole;
    record.rhythmLines = re1;
    record.melodyLines = PaneLines(*re2);
  } else {
    record.chordLines = PaneLines(*reAcc);
  }
  project::WritePartRecord(project::RecordPathFor(projectDir / project::PartFileName(channel, voice, role)),
                           record);
}

void TMainForm2::EnsureDirectory(const fs::path& directory) {
  std::error_code error;
  if (!fs::is_directory(directory, error) && !fs::create_directory(directory, error))
    throw Error(tr("Cannot create %1").arg(QString::fromStdString(directory.string())).toStdString());
}

void TMainForm2::UpdateFileLists() {
  flb1->Reread();
  flb2->Reread();
  flbSum->Reread();
}

void TMainForm2::sbEraseClick() {
  const fs::path file = flbSum->SelectedFile();
  if (file.empty() || !dialogs.Ask(tr("Удалить файл из проекта?")))
    return;
  mpSum->Close();
  mpSum->SetFileName({});
  for (const fs::path& doomed : {file, project::RecordPathFor(file)}) {
    std::error_code error;
    fs::remove(doomed, error);
    if (error)
      throw Error(tr("Не удалось удалить файл %1: %2")
                      .arg(QString::fromStdString(doomed.string()), QString::fromStdString(error.message()))
                      .toStdString());
  }
  UpdateFileLists();
}

void TMainForm2::bbKillAllClick() {
  if (!dialogs.Ask(tr("Удалить все текущие наработки?"))) {
    dialogs.Inform(tr("Единственно правильное и мудрое решение!"));
    return;
  }
  reAcc->clear();
  reAcc2->clear();
  re1.clear();
  re2->clear();
  re11.clear();
  re22.clear();
  recordingOn = false;
  ResetRecording();
}

void TMainForm2::dlb1Click(QListWidgetItem* item) {
  edProjectName->setText(item->text());
}

void TMainForm2::flbSumClick() {
  for (MediaPlayerBar* player : {mp1, mp2, mpSum})
    player->Close();
  const fs::path file = flbSum->SelectedFile();
  if (file.empty())
    return;
  mpSum->SetFileName(file.string());
  mpSum->Open();
}

void TMainForm2::flbSumDblClick() {
  flbSumClick();
}

bool TMainForm2::ConfirmPartSave(char twinRole) {
  const std::string name = PartFileName();
  if (fs::exists(projectDir / name))
    return dialogs.Ask(tr("Файл %1 в проекте уже записан. Перезаписать?").arg(QString::fromStdString(name)));
  const std::string twin =
      project::PartFileName(cbChan->currentText().toInt(), cbVoice->currentText().toInt(), twinRole);
  if (fs::exists(projectDir / twin))
    return dialogs.Ask(tr("Канал %1, голос %2 в проекте уже задействованы. Использовать еще раз?")
                           .arg(cbChan->currentText(), cbVoice->currentText()));
  return true;
}

bool TMainForm2::HasRecord(const fs::path& file, const QString& ifNone) {
  if (!file.empty() && fs::exists(project::RecordPathFor(file)))
    return true;
  dialogs.Inform(ifNone);
  return false;
}

void TMainForm2::ApplyRecordSettings(const project::PartRecord& record) {
  // The instrument list is refilled for the record's family before its
  // instrument is chosen, and the channel is set after the refill, which
  // resets it; otherwise a drum part would pick from the wrong list.
  cbFamily->setCurrentIndex(record.family);
  FillInstrumentList();
  sbMod->setValue(record.modulation);
  sbGrom->setValue(record.volume);
  cbInstByFamily->setCurrentIndex(record.instrument);
  cbChan->setCurrentIndex(record.channel - 1);
  cbVoice->setCurrentIndex(record.voice - 1);
}

} // namespace arvento::app
