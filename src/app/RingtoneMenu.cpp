// The melody pane's context menu entries for classic RTTTL ringtones: one
// opened from the clipboard or a file into the pane and the tempo, and the
// pane put on the clipboard as one.

#include "app/MainForm.h"

#include "app/PaneText.h"
#include "core/Error.h"
#include "ringtone/ClassicRingtone.h"
#include "ringtone/RingtoneExport.h"
#include "ringtone/RingtoneImport.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>

#include <memory>

namespace arvento::app {

namespace {

// The whole text of a file the user chose.
std::string FileText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw Error(QCoreApplication::translate("RingtoneMenu", "Не удалось прочитать файл %1: %2")
                    .arg(path, file.errorString())
                    .toStdString());
  return file.readAll().toStdString();
}

// The warnings after a status text, each after a full stop.
QString WithWarnings(QString text, const std::vector<std::string>& warnings) {
  for (const std::string& warning : warnings)
    text += ". " + QString::fromStdString(warning);
  return text;
}

} // namespace

void TMainForm2::ConnectRingtoneMenu() {
  auto* paste = new QAction(tr("Вставить RTTTL"), re2);
  auto* copy = new QAction(tr("Копировать как RTTTL"), re2);
  re2->addActions({paste, copy});
  connect(paste, &QAction::triggered, this, [this] { Run([this] { PasteRingtoneClick(); }); });
  connect(copy, &QAction::triggered, this, [this] { Run([this] { CopyRingtoneClick(); }); });
  re2->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(re2, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    const std::unique_ptr<QMenu> menu(re2->createStandardContextMenu());
    menu->addSeparator();
    menu->addActions(re2->actions());
    menu->exec(re2->viewport()->mapToGlobal(at));
  });
}

void TMainForm2::PasteRingtoneClick() {
  std::string text = QGuiApplication::clipboard()->text().toStdString();
  if (!ringtone::HoldsRingtone(text)) {
    const QString file = dialogs.AskOpenFile(
        tr("Открыть мелодию RTTTL"), {tr("Мелодии RTTTL (*.txt *.rtttl *.rtx)"), tr("Все файлы (*)")});
    if (file.isEmpty())
      return;
    text = FileText(file);
  }
  const std::vector<std::string_view> lines = ringtone::RingtoneLines(text);
  if (lines.empty())
    throw Error(tr("В файле нет ни одной мелодии RTTTL").toStdString());
  int picked = 0;
  if (lines.size() > 1) {
    QStringList names;
    for (std::size_t i = 0; i < lines.size(); ++i)
      names << QString::number(i + 1) + " " +
                   QString::fromStdString(std::string(ringtone::RingtoneName(lines[i])));
    picked = dialogs.ChooseItem(tr("Выберите мелодию"), names);
    if (picked < 0)
      return;
  }
  const ringtone::ImportedRingtone imported =
      ringtone::ImportRingtone(lines[static_cast<std::size_t>(picked)]);
  if (!re2->toPlainText().trimmed().isEmpty() && !dialogs.Ask(tr("Текст мелодии будет заменен. Продолжить?")))
    return;
  SetPaneLines(*re2, imported.lines);
  sbFreq->setValue(imported.tempo);
  SetStatusText(WithWarnings(tr("Вставлена мелодия RTTTL, темп %1").arg(imported.tempo), imported.warnings));
}

// The ringtone is named as the project's assembled file, without its extension.
void TMainForm2::CopyRingtoneClick() {
  const std::string name = std::filesystem::path(projectName).stem().string();
  const ringtone::ClassicExport written = ringtone::ExportRingtone(PaneLines(*re2), name, sbFreq->value());
  QGuiApplication::clipboard()->setText(QString::fromStdString(written.line));
  SetStatusText(WithWarnings(tr("Мелодия скопирована в буфер обмена как RTTTL"), written.warnings));
}

} // namespace arvento::app
