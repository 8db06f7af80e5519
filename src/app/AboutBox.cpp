#include "app/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace arvento::app {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("TAboutBox");
  setWindowTitle(tr("О программе"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 14, 18, 12);
  layout->setSpacing(8);

  auto* name = new QLabel("Arvento  v 2.1.1", this);
  name->setObjectName("laProgram");
  QFont big = name->font();
  big.setPointSize(big.pointSize() + 5);
  big.setBold(true);
  name->setFont(big);
  name->setStyleSheet("color: navy;");

  auto* what = new QLabel(tr("Аранжировщик полифонических мелодий для мобильных телефонов: "
                             "мелодия, аккорды и партии сводятся в один MIDI-файл."),
                          this);
  what->setObjectName("laPurpose");
  what->setWordWrap(true);

  laSound = new QLabel(this);
  laSound->setObjectName("laSound");
  laSound->setWordWrap(true);
  laSound->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  layout->addWidget(name);
  layout->addWidget(what);
  layout->addWidget(laSound);
  layout->addStretch(1);
  layout->addWidget(buttons);
  setFixedWidth(420);
}

void TAboutBox::SetSoundDescription(const QString& description) {
  laSound->setText(description);
}

} // namespace arvento::app
