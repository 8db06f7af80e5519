#include "app/RollTrackList.h"

#include "roll/RollColours.h"
#include "roll/RollTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>
#include <map>

namespace arvento::app {

namespace {

// The choices in the order of roll::TrackMode, translated where they are shown.
constexpr std::array<const char*, 3> kModeNames = {
    QT_TRANSLATE_NOOP("arvento::app::RollTrackList", "Показать"),
    QT_TRANSLATE_NOOP("arvento::app::RollTrackList", "Приглушить"),
    QT_TRANSLATE_NOOP("arvento::app::RollTrackList", "Скрыть")};

} // namespace

RollTrackList::RollTrackList(QWidget* parent) : QWidget(parent) {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(4, 0, 0, 0);
  auto* title = new QLabel(tr("Дорожки"), this);
  outer->addWidget(title);
  grid_ = new QGridLayout;
  grid_->setHorizontalSpacing(6);
  outer->addLayout(grid_);
  outer->addStretch(1);
}

void RollTrackList::SetTracks(const std::vector<midi::SmfNoteTrack>& tracks) {
  std::map<QString, int> kept;
  for (QComboBox* choice : choices_)
    kept[choice->objectName()] = choice->currentIndex();
  for (QWidget* row : rows_)
    delete row;
  rows_.clear();
  choices_.clear();
  for (std::size_t t = 0; t < tracks.size(); ++t) {
    const int line = static_cast<int>(t);
    auto* swatch = new QLabel(this);
    swatch->setFixedSize(12, 12);
    swatch->setStyleSheet("background: " + roll::TrackColour(tracks[t].number).name());
    auto* label = new QLabel(QString::fromStdString(roll::TrackLabel(tracks[t])), this);
    auto* choice = new QComboBox(this);
    choice->setObjectName("trackMode" + QString::number(tracks[t].number));
    for (const char* name : kModeNames)
      choice->addItem(tr(name));
    if (const auto found = kept.find(choice->objectName()); found != kept.end())
      choice->setCurrentIndex(found->second);
    connect(choice, &QComboBox::currentIndexChanged, this, &RollTrackList::modesChanged);
    grid_->addWidget(swatch, line, 0);
    grid_->addWidget(label, line, 1);
    grid_->addWidget(choice, line, 2);
    rows_.insert(rows_.end(), {swatch, label, choice});
    choices_.push_back(choice);
  }
}

std::vector<roll::TrackMode> RollTrackList::Modes() const {
  std::vector<roll::TrackMode> modes;
  for (const QComboBox* choice : choices_)
    modes.push_back(static_cast<roll::TrackMode>(choice->currentIndex()));
  return modes;
}

} // namespace arvento::app
