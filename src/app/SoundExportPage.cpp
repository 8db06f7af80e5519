// The sound export of the window: the assembly page's button exports the
// assembled project, the context menu of the project's file lists one part
// file, each into a file the user chooses, with the defaults of arvento-cli
// export.

#include "app/ExportProgress.h"
#include "app/MainForm.h"

#include "export/AudioFormat.h"
#include "player/SoundFont.h"

#include <array>

namespace fs = std::filesystem;

namespace arvento::app {

namespace {

// The formats in the save dialog, the one that telephones play most first.
constexpr std::array<exporting::AudioFormat, 5> kDialogFormats = {
    exporting::AudioFormat::Ogg, exporting::AudioFormat::M4r, exporting::AudioFormat::Mp3,
    exporting::AudioFormat::Flac, exporting::AudioFormat::Wav};

QStringList FormatFilters() {
  QStringList filters;
  for (const exporting::AudioFormat format : kDialogFormats) {
    const exporting::FormatInfo& info = exporting::Info(format);
    filters << QString::fromStdString(exporting::ShownDescription(format)) + " (*." +
                   QString::fromUtf8(info.name.data(), static_cast<qsizetype>(info.name.size())) + ")";
  }
  return filters;
}

QString ExportStatus(const fs::path& out, const exporting::ExportReport& report) {
  QString text = TMainForm2::tr("Записан файл %1: %2 с")
                     .arg(QString::fromStdString(out.string()), QString::number(report.seconds, 'f', 1));
  if (report.loudness)
    text += ", " + QString::number(report.loudness->integrated, 'f', 1) + " LUFS";
  for (const std::string& notice : report.notices)
    text += ". " + QString::fromStdString(notice);
  return text;
}

} // namespace

void TMainForm2::ConnectSoundExport() {
  OnClick(bbExport, &TMainForm2::bbExportClick);
  AddFileListEntry(tr("Экспорт звука…"), &TMainForm2::ExportSound);
}

void TMainForm2::bbExportClick() {
  if (const std::optional<fs::path> assembled = AssembleIntoPlayer())
    ExportSound(*assembled);
}

void TMainForm2::ExportSound(const fs::path& midiFile) {
  fs::path suggested = midiFile;
  suggested.replace_extension(".ogg");
  const QString chosen =
      dialogs.AskSaveFile(tr("Экспорт звука"), QString::fromStdString(suggested.string()), FormatFilters());
  if (chosen.isEmpty())
    return;
  const fs::path out = chosen.toStdString();
  exporting::ExportOptions options;
  options.format = exporting::FormatOfFile(out);
  options.soundFont = player::FindSoundFont();
  const std::optional<exporting::ExportReport> report =
      ExportWithProgress(this, exportMidiFile, midiFile, out, options);
  if (report)
    SetStatusText(ExportStatus(out, *report));
}

} // namespace arvento::app
