#include "app/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace arvento::app {

namespace {
const QString kTitle = QStringLiteral("Arvento");

// The extension of a filter such as "Ogg Vorbis (*.ogg)".
QString FilterSuffix(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
  return pattern.match(filter).captured(1);
}
} // namespace

bool MessageBoxDialogs::Ask(const QString& question) {
  QMessageBox box(QMessageBox::Question, kTitle, question, QMessageBox::NoButton,
                  QApplication::activeWindow());
  QPushButton* yes = box.addButton(QCoreApplication::translate("Dialogs", "Да"), QMessageBox::YesRole);
  box.addButton(QCoreApplication::translate("Dialogs", "Нет"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.exec();
  return box.clickedButton() == yes;
}

void MessageBoxDialogs::Inform(const QString& text) {
  QMessageBox box(QMessageBox::Information, kTitle, text, QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.addButton(QCoreApplication::translate("Dialogs", "OK"), QMessageBox::AcceptRole);
  box.exec();
}

void MessageBoxDialogs::ReportError(const QString& text) {
  QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::NoButton, QApplication::activeWindow());
  box.addButton(QCoreApplication::translate("Dialogs", "OK"), QMessageBox::AcceptRole);
  box.exec();
}

QString MessageBoxDialogs::AskSaveFile(const QString& caption, const QString& suggested,
                                       const QStringList& filters) {
  QFileDialog dialog(QApplication::activeWindow(), caption, suggested);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(FilterSuffix(filters.value(0)));
  QObject::connect(&dialog, &QFileDialog::filterSelected,
                   [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterSuffix(filter)); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().front();
}

QString MessageBoxDialogs::AskOpenFile(const QString& caption, const QStringList& filters) {
  QFileDialog dialog(QApplication::activeWindow(), caption);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(filters);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().front();
}

int MessageBoxDialogs::ChooseItem(const QString& caption, const QStringList& items) {
  bool chosen = false;
  const QString item =
      QInputDialog::getItem(QApplication::activeWindow(), kTitle, caption, items, 0, false, &chosen);
  return chosen ? static_cast<int>(items.indexOf(item)) : -1;
}

} // namespace arvento::app
