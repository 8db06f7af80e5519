#include "app/MainForm.h"

#include "app/AboutBox.h"
#include "core/Error.h"
#include "core/InstrumentNames.h"
#include "player/FilePlayer.h"
#include "player/TMidiGen.h"
#include "project/AtomicFile.h"

#include <QAction>
#include <QLabel>
#include <QScreen>
#include <QStyle>

namespace fs = std::filesystem;

namespace arvento::app {

namespace {

const QColor kModeLabelColour(0, 0, 128);
const QColor kPressedModeColour(Qt::red);
const QColor kModeColour(Qt::black);

// The settings of the live player as the window uses it: a held note sounds
// for up to five seconds, with sustain, and never bends.
constexpr int kLiveVolume = 60;
constexpr int kLiveModulation = 50;
constexpr int kLiveDuration = 500;
constexpr int kLiveOctave = 1;

void SetButtonTextColour(QAbstractButton& button, const QColor& colour) {
  QPalette palette = button.palette();
  palette.setColor(QPalette::ButtonText, colour);
  button.setPalette(palette);
}

} // namespace

TMainForm2::TMainForm2(const FormServices& services, QWidget* parent)
    : QMainWindow(parent), dialogs(services.dialogs), exportMidiFile(services.exportMidiFile),
      startDirectory(services.startDirectory),
      MidiGen1(std::make_unique<player::TMidiGen>(services.midiOutput, services.uiThread)),
      pb1Picture(melody::kMelodyGridHeight, melody::kMelodyGridRows),
      pb2Picture(melody::kPatternGridHeight, 1), newFilePlayer(services.newFilePlayer),
      clock(services.clock) {
  setupUi(this);

  QPalette regime = laRegime->palette();
  regime.setColor(QPalette::WindowText, kModeLabelColour);
  laRegime->setPalette(regime);

  stbText = new QLabel(stb);
  stbText->setObjectName("stbText");
  // A long notice is cut off at the window's edge rather than widening the window.
  stbText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  stb->addWidget(stbText, 1);
  stbSound = new QLabel(stb);
  stbSound->setObjectName("stbSound");
  stbSound->setText(services.soundStatus);
  stb->addPermanentWidget(stbSound);

  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  sbErase->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_MediaStop));

  // A channel slider's position counts down from the top, the loudest level;
  // a filled groove would suggest the opposite, so the groove stays plain.
  for (QSlider* slider : Sborka->findChildren<QSlider*>()) {
    QPalette plain = slider->palette();
    plain.setColor(QPalette::Highlight, plain.color(QPalette::Button));
    slider->setPalette(plain);
  }

  pb1->SetImage(&pb1Picture.Image());
  pb2->SetImage(&pb2Picture.Image());
  pb1Picture.Clear(palette().color(QPalette::Button));
  pb2Picture.Clear(palette().color(QPalette::Button));

  mp1->Attach(services.newFilePlayer("mp1"));
  mp2->Attach(services.newFilePlayer("mp2"));
  mpSum->Attach(services.newFilePlayer("mpSum"));

  MidiGen1->SetVolume(kLiveVolume);
  MidiGen1->SetSustain(true);
  MidiGen1->SetModulation(kLiveModulation);
  MidiGen1->SetPBDuration(0);
  MidiGen1->SetDuration(kLiveDuration);
  MidiGen1->SetOctave(kLiveOctave);
  MidiGen1->SetInstrument(player::mgAccordion);

  aboutBox = new TAboutBox(this);
  aboutBox->SetSoundDescription(services.soundDescription);

  for (const std::string_view family : kFamilyNames)
    cbFamily->addItem(QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size())));

  ConnectControls();

  // Centred on the screen; the first activation moves the window to the top edge.
  resize(793, 562);
  const QRect screenArea = screen()->availableGeometry();
  move(screenArea.center() - QPoint(width() / 2, height() / 2));
}

// The live player waits for its stream to close by letting the UI thread
// work, which delivers pending repaints and notifications to this window. It
// goes first, while the grid pictures and the rest of the window's state
// still exist; left to the member order it would go after them.
TMainForm2::~TMainForm2() {
  MidiGen1.reset();
}

void TMainForm2::ShowSound(const QString& status, const QString& description) {
  stbSound->setText(status);
  aboutBox->SetSoundDescription(description);
}

void TMainForm2::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!activated) {
    activated = true;
    Run([this] { FormActivate(); });
  }
}

void TMainForm2::ConnectControls() {
  ConnectShell();
  ConnectSettingsGroup();
  ConnectProjectGroup();
  ConnectMelodyPage();
  ConnectGridPage();
  ConnectChordPage();
  ConnectAssemblyPage();
  ConnectSoundExport();
  ConnectRoll();
  ConnectPartsPage();
}

void TMainForm2::ConnectShell() {
  OnClick(bbMelod, &TMainForm2::bbMelodClick);
  OnClick(bbAccords, &TMainForm2::bbAccordsClick);
  OnClick(bbPodb, &TMainForm2::bbPodbClick);
  OnClick(bbPerebor, &TMainForm2::bbPereborClick);
  OnClick(SpeedButton1, &TMainForm2::SpeedButton1Click);
  OnClick(SpeedButton3, &TMainForm2::SpeedButton3Click);
  for (MediaPlayerBar* player : {mp1, mp2, mpSum}) {
    connect(player, &MediaPlayerBar::buttonClicked, this, [this, player](MediaPlayerBar::Button button) {
      Run([&] { PlayerButtonClick(*player, button); });
    });
  }
}

void TMainForm2::Run(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    dialogs.ReportError(QString::fromUtf8(error.what()));
  }
}

void TMainForm2::OnClick(QAbstractButton* button, void (TMainForm2::*handler)()) {
  connect(button, &QAbstractButton::clicked, this, [this, handler] { Run([&] { (this->*handler)(); }); });
}

void TMainForm2::OnSelected(QAbstractButton* button, void (TMainForm2::*handler)()) {
  connect(button, &QAbstractButton::toggled, this, [this, handler](bool selected) {
    if (selected)
      Run([&] { (this->*handler)(); });
  });
}

void TMainForm2::MirrorGridChoices(QRadioButton* eight, QRadioButton* six, QComboBox* length,
                                   QRadioButton* otherEight, QRadioButton* otherSix, QComboBox* otherLength,
                                   void (TMainForm2::*redraw)()) {
  // Selecting the other page's button runs its own handler, which redraws
  // that page's grid; a button already selected does nothing.
  const auto mirror = [this, redraw](QRadioButton* button, QRadioButton* other) {
    connect(button, &QAbstractButton::toggled, this, [this, redraw, other](bool selected) {
      if (selected)
        Run([&] {
          other->setChecked(true);
          (this->*redraw)();
        });
    });
  };
  mirror(eight, otherEight);
  mirror(six, otherSix);
  connect(length, &QComboBox::currentTextChanged, this, [this, length, otherLength] {
    Run([&] {
      if (otherLength->currentText() != length->currentText())
        otherLength->setCurrentText(length->currentText());
    });
  });
}

void TMainForm2::AddFileListEntry(const QString& text, void (TMainForm2::*action)(const fs::path& file)) {
  for (FileListBox* list : {flb1, flb2, flbSum}) {
    auto* entry = new QAction(text, list);
    list->addAction(entry);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(entry, &QAction::triggered, this, [this, list, action] {
      Run([&] {
        const fs::path file = list->SelectedFile();
        if (!file.empty())
          (this->*action)(file);
      });
    });
  }
}

void TMainForm2::OnItemClicked(QListWidget* list, void (TMainForm2::*handler)()) {
  connect(list, &QListWidget::itemClicked, this, [this, handler] { Run([&] { (this->*handler)(); }); });
}

void TMainForm2::OnItemDoubleClicked(QListWidget* list, void (TMainForm2::*handler)()) {
  connect(list, &QListWidget::itemDoubleClicked, this, [this, handler] { Run([&] { (this->*handler)(); }); });
}

void TMainForm2::FormActivate() {
  for (std::size_t k = 0; k < channelSliders.size(); ++k)
    channelSliders[k] = nbMain->findChild<QSlider*>(QString("sbc%1").arg(k + 1));
  nbMain->setCurrentWidget(acc);
  MarkModeButton(bbAccords);
  partMode = generators::PartMode::BassOrPicking;
  move(x(), screen()->availableGeometry().top());
  accOctaveShift = 2;
  projectName.clear();
  baseDir = startDirectory;
  octaveOffset = -12;
  recordingOn = false;
  noteSounding = false;
  cbFamily->setCurrentIndex(0);
  cbInstByFamily->setCurrentIndex(0);
  cbVoice->setCurrentIndex(0);
  cbChan->setCurrentIndex(0);
  familyIndex = 0;
  ResetRecording();
  FillInstrumentList();
  SelectInstrument();
  DrawEmptyGrid(pb1Picture, *pb1);
  dlb1->SetDirectory(baseDir);
}

void TMainForm2::ShowMode(QWidget* page, const QString& modeText) {
  nbMain->setCurrentWidget(page);
  laRegime->setText(QString::fromStdString(projectTitle) + ". " + modeText);
}

void TMainForm2::MarkModeButton(QAbstractButton* pressed) {
  for (QAbstractButton* button : {bbMelod, bbAccords, bbPodb, bbPerebor})
    SetButtonTextColour(*button, button == pressed ? kPressedModeColour : kModeColour);
}

void TMainForm2::bbMelodClick() {
  ShowMode(work, tr("Правка одиночной партии"));
  MarkModeButton(bbMelod);
  bbBas->setEnabled(false);
}

void TMainForm2::bbAccordsClick() {
  ShowMode(acc, tr("Запись аккордов"));
  MarkModeButton(bbAccords);
  bbBas->setEnabled(false);
}

void TMainForm2::bbPodbClick() {
  ShowMode(save, tr("Запись одиночной партии"));
  MarkModeButton(bbPodb);
  bbBas->setEnabled(false);
  DrawEmptyGrid(pb1Picture, *pb1);
}

void TMainForm2::bbPereborClick() {
  ShowMode(perebor, tr("Запись перебора"));
  MarkModeButton(bbPerebor);
  DrawEmptyGrid(pb1Picture, *pb1);
  bbSetClick();
}

void TMainForm2::SpeedButton1Click() {
  aboutBox->exec();
}

void TMainForm2::SpeedButton3Click() {
  close();
}

void TMainForm2::ResetRecording() {
  keyboardRecording.Reset();
  melodySlots.clear();
}

void TMainForm2::SetStatusText(const QString& text) {
  stbText->setText(text);
}

TMainForm2::PlayTarget TMainForm2::PageInFrontTarget(bool play) const {
  if (PageVisible(perebor) && !partsTestRequest)
    return PlayTarget::None;
  if (PageVisible(work))
    return play ? PlayTarget::PlayInMp1 : PlayTarget::OpenInMp1;
  return play ? PlayTarget::PlayInMp2 : PlayTarget::OpenInMp2;
}

void TMainForm2::WriteMidiFile(const std::string& fileName, bool toAuditionDir, PlayTarget target,
                               const std::vector<std::uint8_t>& bytes) {
  // A player holding the file would keep the old one playing.
  for (MediaPlayerBar* player : {mp1, mp2}) {
    player->Close();
    player->SetFileName({});
  }
  // The audition directory is made on demand, so that playing never fails
  // because the project "tmp" was never opened.
  if (toAuditionDir)
    EnsureDirectory(auditionDir);
  const fs::path path = (toAuditionDir ? auditionDir : projectDir) / fileName;
  project::WriteFileAtomically(path, std::span(bytes));

  if (target == PlayTarget::None)
    return;
  const bool inMp1 = target == PlayTarget::OpenInMp1 || target == PlayTarget::PlayInMp1;
  MediaPlayerBar& player = inMp1 ? *mp1 : *mp2;
  player.SetFileName(path.string());
  player.Open();
  if (target == PlayTarget::PlayInMp1 || target == PlayTarget::PlayInMp2)
    player.Play();
}

void TMainForm2::PlayerButtonClick(MediaPlayerBar& player, MediaPlayerBar::Button button) {
  if (&player == mp1)
    mp1Click();
  else if (&player == mp2)
    mp2Click();
  else
    mpSumClick();
  player.Press(button);
}

} // namespace arvento::app
