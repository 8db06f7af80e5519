// The settings group: instrument family and instrument, channel, voice,
// tempo, volume and modulation, and the volume maximum.

#include "app/MainForm.h"

#include "core/Error.h"
#include "core/InstrumentNames.h"
#include "player/TMidiGen.h"

namespace arvento::app {

namespace {

constexpr int kDrumChannelIndex = 9; // "10" in the channel list
constexpr int kVolumeMinimum = 10;
constexpr int kDefaultVolumeMaximum = 100;
constexpr int kLargestPlainVolume = 127;

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void TMainForm2::ConnectSettingsGroup() {
  connect(cbFamily, &QComboBox::activated, this, [this] { Run([this] { cbFamilyChange(); }); });
  connect(cbInstByFamily, &QComboBox::activated, this, [this] { Run([this] { cbInstByFamilyChange(); }); });
  OnClick(SpeedButton2, &TMainForm2::SpeedButton2Click);
  connect(sbFreq, &QSlider::valueChanged, laFreqValue, qOverload<int>(&QLabel::setNum));
  connect(sbGrom, &QSlider::valueChanged, laGromValue, qOverload<int>(&QLabel::setNum));
  connect(sbMod, &QSlider::valueChanged, laModValue, qOverload<int>(&QLabel::setNum));
}

void TMainForm2::FillInstrumentList() {
  familyIndex = cbFamily->currentIndex();
  cbInstByFamily->clear();
  for (const std::string_view name : InstrumentNamesOf(familyIndex))
    cbInstByFamily->addItem(FromView(name));
  cbInstByFamily->setCurrentIndex(0);
  if (familyIndex == kDrumFamily) {
    cbChan->setCurrentIndex(kDrumChannelIndex);
    programNumber = cbInstByFamily->currentIndex();
    MidiGen1->SetInstrument(programNumber);
    MidiGen1->SetChannel(player::mgCh10);
  } else {
    cbChan->setCurrentIndex(0);
    programNumber = cbInstByFamily->currentIndex() + kInstrumentsPerFamily * familyIndex;
    MidiGen1->SetInstrument(programNumber);
    MidiGen1->SetChannel(player::mgCh01);
  }
}

void TMainForm2::SelectInstrument() {
  if (familyIndex == kDrumFamily)
    programNumber = cbInstByFamily->currentIndex() + kFirstDrumKey;
  else
    programNumber = cbInstByFamily->currentIndex() + kInstrumentsPerFamily * cbFamily->currentIndex();
  MidiGen1->SetInstrument(programNumber);
}

void TMainForm2::cbFamilyChange() {
  FillInstrumentList();
  cbInstByFamily->setFocus();
}

void TMainForm2::cbInstByFamilyChange() {
  SelectInstrument();
  // The computer keyboard plays through the button that has the focus.
  if (PageVisible(save))
    (recordMode ? bbRecCard : bbPodbor)->setFocus();
  else if (PageVisible(acc))
    bbDragon->setFocus();
}

void TMainForm2::SpeedButton2Click() {
  const QString text = edGrMax->text();
  if (text.isEmpty())
    return;
  const int kept = sbGrom->value();
  bool isNumber = false;
  int maximum = text.toInt(&isNumber);
  if (!isNumber)
    maximum = kDefaultVolumeMaximum;
  if (isNumber && maximum > kLargestPlainVolume &&
      !dialogs.Ask(tr("Ваша звуковая карта поддерживает громкость свыше 127, вы уверены?"))) {
    edGrMax->setText(QString::number(kLargestPlainVolume));
    maximum = kLargestPlainVolume;
  }
  if (maximum < kVolumeMinimum)
    throw Error(tr("Максимум громкости не может быть меньше %1.").arg(kVolumeMinimum).toStdString());
  sbGrom->setMaximum(maximum);
  sbGrom->setValue(std::min(kept, maximum));
  if (!isNumber)
    throw Error(tr("Максимум громкости \"%1\" не целое число.").arg(text).toStdString());
  for (QSlider* slider : channelSliders) {
    const int distance = slider->maximum() - slider->value();
    slider->setMaximum(maximum);
    slider->setValue(maximum - distance);
  }
}

SoundSettings TMainForm2::CurrentSoundSettings() const {
  SoundSettings settings;
  settings.family = cbFamily->currentIndex();
  settings.instrument = cbInstByFamily->currentIndex();
  settings.channel = cbChan->currentText().toInt();
  settings.voice = cbVoice->currentText().toInt();
  settings.tempo = sbFreq->value();
  settings.volume = sbGrom->value();
  settings.modulation = sbMod->value();
  return settings;
}

} // namespace arvento::app
