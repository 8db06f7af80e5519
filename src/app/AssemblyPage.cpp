// The assembly page "Sborka": a level per channel, and every part of the
// project recompiled with its channel's level and joined into one file.

#include "app/MainForm.h"

#include "app/PaneText.h"
#include "core/Error.h"
#include "core/Outcome.h"
#include "core/Translate.h"
#include "project/Assembly.h"
#include "project/ProjectNames.h"

namespace arvento::app {

void TMainForm2::ConnectAssemblyPage() {
  OnClick(bbSbor, &TMainForm2::bbSborClick);
  OnClick(bbSobr, &TMainForm2::bbSobrClick);
  OnClick(BitBtn1, &TMainForm2::BitBtn1Click);
}

void TMainForm2::bbSborClick() {
  bool isNumber = false;
  const int maximum = edGrMax->text().toInt(&isNumber);
  if (!isNumber)
    throw Error(tr("Максимум громкости \"%1\" не целое число.").arg(edGrMax->text()).toStdString());
  // Every record is read before the page changes, so that one that does not
  // read leaves the page as it was. With no project open there is no part,
  // and every channel stays silent. The mode buttons keep their colours:
  // assembly is not one of the four modes.
  const std::array<int, 16> levels =
      projectName.empty() ? std::array<int, 16>{}
                          : project::LevelsFromParts(project::ReadProjectParts(projectDir, projectTitle));
  ShowMode(Sborka, tr("Сборка"));
  for (std::size_t channel = 0; channel < levels.size(); ++channel) {
    channelSliders[channel]->setMaximum(maximum);
    channelSliders[channel]->setValue(maximum - levels[channel]);
  }
}

void TMainForm2::bbSobrClick() {
  if (AssembleIntoPlayer())
    mpSum->Play();
}

std::optional<std::filesystem::path> TMainForm2::AssembleIntoPlayer() {
  if (projectName.empty()) {
    dialogs.Inform(QString::fromStdString(Tr(project::kNoPartsNotice)));
    return std::nullopt;
  }
  // The level is what each slider shows against its own top, and the
  // velocity stays within the volume slider's range.
  project::AssemblySettings settings;
  for (std::size_t channel = 0; channel < channelSliders.size(); ++channel)
    settings.levels[channel] = channelSliders[channel]->maximum() - channelSliders[channel]->value();
  settings.volumeMax = sbGrom->maximum();
  settings.tempo = sbFreq->value();
  settings.accompaniment = CurrentAccompanimentSettings();

  // Every part file and the assembled file are rewritten; no player may hold one.
  for (MediaPlayerBar* player : {mp1, mp2, mpSum}) {
    player->Close();
    player->SetFileName({});
  }
  // Files left out of the assembly are told in the status bar with the
  // chord items the compile skipped.
  std::vector<std::string> notices;
  const Outcome<project::AssemblyResult> assembly =
      project::AssembleProject(projectDir, auditionDir, projectTitle, settings, &notices);
  ShowCompileNotices(notices);
  if (assembly.Refused()) {
    dialogs.Inform(QString::fromStdString(assembly.RefusalText()));
    return std::nullopt;
  }
  const project::AssemblyResult& result = assembly.Result();
  autoPlay = false;
  ShowAssembledParts(result.parts);
  UpdateFileLists();
  mpSum->SetFileName(result.assembledFile.string());
  mpSum->Open();
  assembledFile = result.assembledFile;
  bbRoll->setEnabled(true);
  return result.assembledFile;
}

void TMainForm2::ShowAssembledParts(const std::vector<project::ProjectPart>& parts) {
  for (const project::ProjectPart& part : parts) {
    const project::PartRecord& record = part.record;
    if (record.kind == project::PartKind::Melody) {
      re1 = record.rhythmLines;
      SetPaneLines(*re2, record.melodyLines);
    } else {
      SetPaneLines(*reAcc, record.chordLines);
      SetPaneLines(*reAcc2, record.chordLines);
    }
  }
  const project::PartRecord& last = parts.back().record;
  assemblyRole = last.kind;
  ApplyRecordSettings(last);
}

void TMainForm2::BitBtn1Click() {
  mpSum->Stop();
}

} // namespace arvento::app
