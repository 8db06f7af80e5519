#include "app/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace arvento::app {

namespace {
const QString kTitle = QStringLiteral("Arvento");
} // namespace

bool MessageBoxDialogs::Ask(const QString& question) {
  QMessageBox box(QMessageBox::Question, kTitle, question, QMessageBox::NoButton,
                  QApplication::activeWindow());
  QPushButton* yes = box.addButton("Да", QMessageBox::YesRole);
  box.addButton("Нет", QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.exec();
  return box.clickedButton() == yes;
}

void MessageBoxDialogs::Inform(const QString& text) {
  QMessageBox box(QMessageBox::Information, kTitle, text, QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.addButton("OK", QMessageBox::AcceptRole);
  box.exec();
}

void MessageBoxDialogs::ReportError(const QString& text) {
  QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::NoButton, QApplication::activeWindow());
  box.addButton("OK", QMessageBox::AcceptRole);
  box.exec();
}

} // namespace arvento::app
