// The settings group: family and instrument lists, the program number in
// files and in the live player, the volume maximum and the focus rules.

#include "FormFixture.h"

#include "core/InstrumentNames.h"
#include "player/TMidiGen.h"

#include <QApplication>
#include <QTest>

namespace arvento::test {
namespace {

QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i)
    items.push_back(combo->itemText(i));
  return items;
}

class SettingsTest : public FormTest {
protected:
  void SetUp() override {
    Start();
    Click("bbMelod");
    Type("re2", "4c6, ");
  }

  // The melody pane played into the audition directory.
  std::vector<std::uint8_t> Played() {
    Click("buPlay");
    EXPECT_TRUE(dialogs.errors.empty());
    return ReadBytes(Base() / "tmp" / ("ch" + Text("cbChan").toStdString() + "v1m.mid"));
  }

  const player::TMidiGen& Live() const { return form->LivePlayer(); }
};

constexpr std::size_t kDivisionOffset = 13;
constexpr std::size_t kModulationOffset = 57;
constexpr std::size_t kProgramOffset = 60;
constexpr std::size_t kFirstVelocityOffset = 64;

TEST_F(SettingsTest, FamiliesShowTheirEightInstrumentsWithTheKeptSpellings) {
  const QStringList families = Items(Control<QComboBox>("cbFamily"));
  ASSERT_EQ(families.size(), 17);
  EXPECT_EQ(families.front(), "PIANO");
  EXPECT_EQ(families[12], "SYNTH EFFECTS");
  EXPECT_EQ(families.back(), "DRUMS");

  const auto* instruments = Control<QComboBox>("cbInstByFamily");
  EXPECT_EQ(Items(instruments),
            (QStringList{"Acoustic Grand", "Bright Acoustic", "Electric Grand", "Honky-Tonk",
                         "Electric Piano 1", "Electric Piano", "Harpsichord", "Clav"}));
  Choose("cbFamily", "ORGAN");
  EXPECT_EQ(Items(instruments)[5], "Accoridan");
  EXPECT_EQ(Items(instruments)[7], "Tango Accordian");
  Choose("cbFamily", "PIPE");
  EXPECT_EQ(Items(instruments)[5], "Skakuhachi");
  Choose("cbFamily", "STRINGS");
  EXPECT_EQ(Items(instruments)[6], "Orchestral Strings");
  EXPECT_EQ(Text("cbInstByFamily"), "Violin");
  // Every melodic family shows eight names of its own.
  for (int family = 0; family < 16; ++family)
    EXPECT_EQ(InstrumentNamesOf(family).size(), 8u) << family;
}

TEST_F(SettingsTest, DrumsSelectChannelTenAndAnyOtherFamilyChannelOne) {
  Choose("cbChan", "4");
  Choose("cbFamily", "DRUMS");
  const QStringList drums = Items(Control<QComboBox>("cbInstByFamily"));
  ASSERT_EQ(drums.size(), 46);
  EXPECT_EQ(drums.front(), "Bass Drum 1");
  EXPECT_EQ(drums.back(), "Open Triangle");
  EXPECT_EQ(Text("cbChan"), "10");
  EXPECT_EQ(Live().Channel(), player::mgCh10);
  EXPECT_EQ(Live().Instrument(), 0);
  // A drum part's file carries the standard kit.
  EXPECT_EQ(Played()[kProgramOffset], 0);

  Choose("cbFamily", "GUITAR");
  EXPECT_EQ(Text("cbChan"), "1");
  EXPECT_EQ(Live().Channel(), player::mgCh01);
  EXPECT_EQ(Live().Instrument(), 24);
}

TEST_F(SettingsTest, ProgramIsEightTimesTheFamilyPlusTheInstrument) {
  Choose("cbFamily", "BASS");
  Choose("cbInstByFamily", "Fretless Bass");
  EXPECT_EQ(Live().Instrument(), 35);
  EXPECT_EQ(Played()[kProgramOffset], 35);

  Choose("cbFamily", "SOUND EFFECTS");
  EXPECT_EQ(Live().Instrument(), 120);
  Choose("cbInstByFamily", "Gunshot");
  EXPECT_EQ(Live().Instrument(), 127);
  EXPECT_EQ(Played()[kProgramOffset], 127);
}

TEST_F(SettingsTest, TempoModulationAndVolumeReachTheFile) {
  auto* tempo = Control<QSlider>("sbFreq");
  tempo->setFocus();
  QTest::keyClick(tempo, Qt::Key_Home);
  auto* modulation = Control<QSlider>("sbMod");
  modulation->setFocus();
  QTest::keyClick(modulation, Qt::Key_End);
  auto* volume = Control<QSlider>("sbGrom");
  volume->setFocus();
  QTest::keyClick(volume, Qt::Key_Home);
  EXPECT_EQ(Text("laFreqValue"), "10");
  std::vector<std::uint8_t> file = Played();
  EXPECT_EQ(file[kDivisionOffset], 10);
  EXPECT_EQ(file[kModulationOffset], 100);
  EXPECT_EQ(file[kFirstVelocityOffset], 10);

  tempo->setFocus();
  QTest::keyClick(tempo, Qt::Key_End);
  file = Played();
  EXPECT_EQ(file[kDivisionOffset], 100);
  EXPECT_EQ(MidiCsvNotes(Base() / "tmp" / "ch1v1m.mid"),
            (std::vector<std::string>{"2 0 Note_on_c 0 60 10", "2 48 Note_off_c 0 60 10"}));
}

TEST_F(SettingsTest, VolumeMaximumAsksAboveOneHundredTwentySeven) {
  auto* volume = Control<QSlider>("sbGrom");
  Type("edGrMax", "127");
  Click("SpeedButton2");
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(volume->maximum(), 127);
  EXPECT_EQ(volume->value(), 100);

  dialogs.Plan({false});
  Type("edGrMax", "128");
  Click("SpeedButton2");
  EXPECT_EQ(dialogs.questions,
            std::vector<std::string>{"Ваша звуковая карта поддерживает громкость свыше 127, вы уверены?"});
  EXPECT_EQ(Text("edGrMax"), "127");
  EXPECT_EQ(volume->maximum(), 127);

  dialogs.Plan({true});
  Type("edGrMax", "150");
  Click("SpeedButton2");
  EXPECT_EQ(volume->maximum(), 150);
  volume->setFocus();
  QTest::keyClick(volume, Qt::Key_End);
  // A velocity above 127 cannot be a data byte; the file holds the largest one.
  EXPECT_EQ(Played()[kFirstVelocityOffset], 127);

  Type("edGrMax", "60");
  Click("SpeedButton2");
  EXPECT_EQ(volume->maximum(), 60);
  EXPECT_EQ(volume->value(), 60);
  EXPECT_TRUE(dialogs.AllAnswered());
  EXPECT_TRUE(dialogs.errors.empty());

  // An empty field does nothing.
  Type("edGrMax", "");
  Click("SpeedButton2");
  EXPECT_EQ(volume->maximum(), 60);
}

TEST_F(SettingsTest, VolumeMaximumMovesTheChannelSlidersWithTheirDistanceFromTheTop) {
  auto* first = Control<QSlider>("sbc1");
  auto* last = Control<QSlider>("sbc16");
  first->setValue(70);
  last->setValue(0);
  Type("edGrMax", "127");
  Click("SpeedButton2");
  EXPECT_EQ(first->maximum(), 127);
  EXPECT_EQ(first->value(), 97);
  EXPECT_EQ(last->maximum(), 127);
  EXPECT_EQ(last->value(), 27);
}

TEST_F(SettingsTest, BadVolumeMaximumIsReportedOnce) {
  auto* volume = Control<QSlider>("sbGrom");
  auto* channel = Control<QSlider>("sbc3");
  Type("edGrMax", "120");
  Click("SpeedButton2");
  channel->setValue(50);

  // Not a number: the volume maximum falls back to 100, the channel sliders keep theirs.
  Type("edGrMax", "много");
  Click("SpeedButton2");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_NE(dialogs.errors[0].find("много"), std::string::npos) << dialogs.errors[0];
  EXPECT_EQ(volume->maximum(), 100);
  EXPECT_EQ(channel->maximum(), 120);
  EXPECT_EQ(channel->value(), 50);

  // Below the volume minimum: refused, nothing changes.
  Type("edGrMax", "5");
  Click("SpeedButton2");
  ASSERT_EQ(dialogs.errors.size(), 2u);
  EXPECT_EQ(volume->maximum(), 100);
  EXPECT_EQ(channel->maximum(), 120);
  EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(SettingsTest, ChoosingMovesTheFocusToWhereTheKeyboardPlays) {
  Choose("cbFamily", "REED");
  EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>("cbInstByFamily"));

  // On the melody page the focus stays.
  Choose("cbInstByFamily", "Oboe");
  EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>("cbInstByFamily"));

  Click("bbAccords");
  Choose("cbInstByFamily", "Clarinet");
  EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>("bbDragon"));

  Click("bbPodb");
  Choose("cbInstByFamily", "Bassoon");
  EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>("bbPodbor"));
}

} // namespace
} // namespace arvento::test
