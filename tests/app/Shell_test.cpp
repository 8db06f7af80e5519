// Start-up, the mode buttons, the about box and exit, and the settings group:
// the instrument lists, the values the sliders pass on, the volume maximum
// and where the focus goes.

#include "FormFixture.h"

#include "player/TMidiGen.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace arvento::test {
namespace {

QColor TextColour(const QWidget* button) {
  return button->palette().color(QPalette::ButtonText);
}

TEST_F(FormTest, StartsOnTheChordPageWithNoProjectAndTheFirstInstrument) {
  EXPECT_EQ(form->windowTitle(), "Аранжировщик полифонических мелодий Arvento  v 2.1.1 ");
  EXPECT_EQ(form->frameGeometry().top(), form->screen()->availableGeometry().top());
  EXPECT_TRUE(Shown("acc"));
  EXPECT_EQ(Text("laRegime"), "Проект не открыт");
  for (const char* box : {"cbChan", "cbVoice"})
    EXPECT_EQ(Text(box), "1") << box;
  EXPECT_EQ(Text("cbInstByFamily"), "Acoustic Grand");
  EXPECT_EQ(Text("stbSound"), "");
}

class SoundOffTest : public FormTest {
  void SetUp() override { Start(false); }
};

TEST_F(SoundOffTest, TheStatusBarSaysSoundIsOffAndPlayingStillWritesTheFile) {
  EXPECT_EQ(Text("stbSound"), "Звук выключен: нет устройства вывода звука");
  Melody("8c6, ");
  Click("buPlay");
  EXPECT_TRUE(fs::exists(Tmp("ch1v1m.mid")));
}

TEST_F(FormTest, ModeButtonsShowTheirPageAndLabelAndColourOnlyThemselves) {
  const struct {
    const char* button;
    const char* page;
    const char* label;
    const char* red;
  } modes[] = {
      {"bbMelod", "work", ". Правка одиночной партии", "bbMelod"},
      {"bbPodb", "save", ". Запись одиночной партии", "bbPodb"},
      {"bbPerebor", "perebor", ". Запись перебора", "bbPerebor"},
      {"bbAccords", "acc", ". Запись аккордов", "bbAccords"},
      // "Сборка" is not one of the four modes and leaves the colours as they were.
      {"bbSbor", "Sborka", ". Сборка", "bbAccords"},
  };
  for (const auto& mode : modes) {
    SCOPED_TRACE(mode.button);
    Click(mode.button);
    EXPECT_TRUE(Shown(mode.page));
    EXPECT_EQ(Text("laRegime"), mode.label);
    for (const char* other : {"bbMelod", "bbPodb", "bbPerebor", "bbAccords"})
      EXPECT_EQ(TextColour(Control(other)), QColor(other == std::string(mode.red) ? Qt::red : Qt::black)) << other;
  }
  OpenProject("song");
  Click("bbMelod");
  EXPECT_EQ(Text("laRegime"), "song. Правка одиночной партии");
}

TEST_F(FormTest, StartUpRunsOnceAndExitClosesTheWindow) {
  Click("bbMelod");
  Choose("cbChan", "5");
  // Hiding and showing the window, going to another window and coming back,
  // or closing the about box, does not start the window again.
  form->hide();
  form->show();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QString about;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    for (const QLabel* label : box->findChildren<QLabel*>())
      about += label->text() + "\n";
    box->accept();
  });
  Click("SpeedButton1");
  EXPECT_TRUE(about.contains("Arvento  v 2.1.1\n") && about.contains("FluidSynth, TimGM6mb.sf2")) << about;
  EXPECT_TRUE(Shown("work"));
  EXPECT_EQ(Text("cbChan"), "5");

  Click("SpeedButton3");
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(FormTest, TheChosenInstrumentSetsTheLivePlayerAndTheChannel) {
  const struct {
    const char* family;
    const char* instrument;
    int program; // of the live player
    const char* channel;
  } choices[] = {
      {"BASS", "Fretless Bass", 35, "1"},
      {"SOUND EFFECTS", "Gunshot", 127, "1"},
      // Percussion keys count from 35.
      {"DRUMS", "Hand Clap", 38, "10"},
      {"GUITAR", "Acoustic Guitar(nylon)", 24, "1"},
  };
  for (const auto& choice : choices) {
    SCOPED_TRACE(choice.family);
    Choose("cbChan", "4");
    Choose("cbFamily", choice.family);
    EXPECT_EQ(Text("cbChan"), choice.channel);
    EXPECT_EQ(form->LivePlayer().Channel(),
              std::string_view(choice.channel) == "10" ? player::mgCh10 : player::mgCh01);
    Choose("cbInstByFamily", choice.instrument);
    EXPECT_EQ(form->LivePlayer().Instrument(), choice.program);
  }
}

TEST_F(FormTest, TheSlidersAndTheInstrumentReachThePlayedFile) {
  Choose("cbFamily", "BASS");
  Choose("cbInstByFamily", "Fretless Bass");
  SlideTo("sbFreq", Qt::Key_Home);
  SlideTo("sbMod", Qt::Key_End);
  SlideTo("sbGrom", Qt::Key_Home);
  EXPECT_EQ(Text("laFreqValue") + Text("laModValue") + Text("laGromValue"), "1010010");
  Melody("4c6, ");
  Click("buPlay");
  const std::vector<std::uint8_t> file = ReadBytes(Tmp("ch1v1m.mid"));
  ASSERT_GT(file.size(), 64u);
  // Division (the tempo), modulation, program and the first velocity.
  EXPECT_EQ((std::vector<int>{file[13], file[57], file[60], file[64]}), (std::vector<int>{10, 100, 35, 10}));
}

TEST_F(FormTest, TheVolumeMaximumAsksAbove127AndMovesTheChannelSlidersAlong) {
  Slider("sbc1")->setValue(70);
  const struct {
    const char* typed;
    int answer; // -1: no question
    int maximum, volume, channelValue;
    const char* error; // part of the error reported, if any
  } steps[] = {
      {"127", -1, 127, 100, 97, nullptr},
      {"128", 0, 127, 100, 97, nullptr},
      {"150", 1, 150, 100, 120, nullptr},
      {"60", -1, 60, 60, 30, nullptr},
      {"", -1, 60, 60, 30, nullptr},
      {"много", -1, 100, 60, 30, "\"много\" не целое число"},
      {"5", -1, 100, 60, 30, "не может быть меньше 10"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.typed);
    dialogs.Clear();
    if (step.answer >= 0)
      dialogs.Plan({step.answer == 1});
    Type("edGrMax", step.typed);
    Click("SpeedButton2");
    EXPECT_EQ(dialogs.questions,
              step.answer < 0 ? Lines{}
                              : Lines{"Ваша звуковая карта поддерживает громкость свыше 127, вы уверены?"});
    EXPECT_EQ(Text("edGrMax"), step.answer == 0 ? "127" : step.typed);
    EXPECT_EQ(Slider("sbGrom")->maximum(), step.maximum);
    EXPECT_EQ(Slider("sbGrom")->value(), step.volume);
    EXPECT_EQ(Slider("sbc1")->value(), step.channelValue);
    EXPECT_TRUE(Reported(step.error));
  }
}

TEST_F(FormTest, ChoosingMovesTheFocusToWhereTheKeyboardPlays) {
  const struct {
    const char* mode;
    const char* recordButton; // clicked first, if any
    const char* focused;
  } pages[] = {
      {"bbMelod", nullptr, "cbInstByFamily"},
      {"bbAccords", nullptr, "bbDragon"},
      {"bbPodb", nullptr, "bbPodbor"},
      {"bbPodb", "bbRecCard", "bbRecCard"},
  };
  for (const auto& page : pages) {
    SCOPED_TRACE(page.focused);
    Click(page.mode);
    if (page.recordButton)
      Click(page.recordButton);
    Choose("cbFamily", "REED");
    EXPECT_EQ(QApplication::focusWidget(), Control("cbInstByFamily"));
    Choose("cbInstByFamily", "Oboe");
    EXPECT_EQ(QApplication::focusWidget(), Control(page.focused));
  }
}

} // namespace
} // namespace arvento::test
