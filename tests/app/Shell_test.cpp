// Start-up, the mode buttons, the about box and exit, and the settings group:
// the instruments, the values the controls pass on, the volume maximum and
// where the focus goes.

#include "FormFixture.h"

#include "player/TMidiGen.h"

#include <QDialog>
#include <QScreen>
#include <QTimer>

namespace arvento::test {
namespace {

TEST_F(FormTest, ModeButtonsShowTheirPageAndLabelAndColourOnlyThemselves) {
  // The window starts at the top of the screen on the chord page, with no project.
  EXPECT_EQ(form->windowTitle(), "Аранжировщик полифонических мелодий Arvento  v 2.1.1 ");
  EXPECT_EQ(form->frameGeometry().top(), form->screen()->availableGeometry().top());
  EXPECT_EQ(Text("laRegime") + Text("stbSound"), "Проект не открыт");
  const struct {
    const char* button;
    const char* page;
    const char* label;
    const char* red; // "Сборка" is not a mode and leaves the colours
  } modes[] = {{"bbAccords", "acc", ". Запись аккордов", "bbAccords"},
               {"bbMelod", "work", ". Правка одиночной партии", "bbMelod"},
               {"bbPodb", "save", ". Запись одиночной партии", "bbPodb"},
               {"bbPerebor", "perebor", ". Запись перебора", "bbPerebor"},
               {"bbSbor", "Sborka", ". Сборка", "bbPerebor"}};
  for (const auto& mode : modes) {
    Click(mode.button);
    EXPECT_TRUE(Shown(mode.page)) << mode.page;
    EXPECT_EQ(Text("laRegime"), mode.label);
    for (const char* button : {"bbMelod", "bbPodb", "bbPerebor", "bbAccords"})
      EXPECT_EQ(Control(button)->palette().color(QPalette::ButtonText),
                QColor(button == std::string(mode.red) ? Qt::red : Qt::black))
          << mode.button << " " << button;
  }
  // With no project open there is nothing to assemble.
  Click("bbSobr");
  EXPECT_EQ(dialogs.notices,
            Lines{"В проекте нет ни одной партии. Сохраните хотя бы одну партию и повторите сборку."});
  OpenProject("song");
  Click("bbMelod");
  EXPECT_EQ(Text("laRegime"), "song. Правка одиночной партии");
}

class SoundOffTest : public FormTest {
  void SetUp() override { Start(false); }
};

TEST_F(SoundOffTest, TheStatusBarSaysSoundIsOff) {
  EXPECT_EQ(Text("stbSound"), "Звук выключен: нет устройства вывода звука");
}

TEST_F(FormTest, StartUpRunsOnceAndExitClosesTheWindow) {
  Click("bbMelod");
  Choose("cbChan", "5");
  // Showing the window again, or closing the about box, does not start it again.
  form->hide();
  form->show();
  QString about;
  QTimer::singleShot(0, [&] {
    for (const QLabel* label : QApplication::activeModalWidget()->findChildren<QLabel*>())
      about += label->text() + "\n";
    qobject_cast<QDialog*>(QApplication::activeModalWidget())->accept();
  });
  Click("SpeedButton1");
  EXPECT_TRUE(about.contains("Arvento  v 2.1.1\n") && about.contains("FluidSynth, TimGM6mb.sf2"));
  EXPECT_EQ(Text("cbChan"), "5");
  Click("SpeedButton3");
  EXPECT_FALSE(form->isVisible());
}

TEST_F(FormTest, TheChosenInstrumentAndTheSlidersReachTheLivePlayerAndThePlayedFile) {
  const struct {
    const char* family;
    const char* instrument;
    int program; // percussion keys count from 35
    const char* channel;
  } choices[] = {{"SOUND EFFECTS", "Gunshot", 127, "1"},
                 {"DRUMS", "Hand Clap", 38, "10"},
                 {"BASS", "Fretless Bass", 35, "1"}};
  for (const auto& choice : choices) {
    Choose("cbChan", "4");
    Choose("cbFamily", choice.family);
    EXPECT_EQ(Text("cbChan"), choice.channel);
    EXPECT_EQ(form->LivePlayer().Channel(),
              choice.channel == std::string("1") ? player::mgCh01 : player::mgCh10);
    Choose("cbInstByFamily", choice.instrument);
    EXPECT_EQ(form->LivePlayer().Instrument(), choice.program) << choice.instrument;
  }
  SlideTo("sbFreq", Qt::Key_Home);
  SlideTo("sbMod", Qt::Key_End);
  SlideTo("sbGrom", Qt::Key_Home);
  EXPECT_EQ(Text("laFreqValue") + Text("laModValue") + Text("laGromValue"), "1010010");
  Melody("4c6, ");
  Click("buPlay");
  const std::vector<std::uint8_t> file = ReadBytes(Tmp("ch1v1m.mid"));
  // The division (the tempo), the modulation, the program and the first velocity.
  EXPECT_EQ((std::vector<int>{file.at(13), file.at(57), file.at(60), file.at(64)}),
            (std::vector<int>{10, 100, 35, 10}));
}

const char* const kVolumeQuestion = "Ваша звуковая карта поддерживает громкость свыше 127, вы уверены?";

TEST_F(FormTest, TheVolumeMaximumAsksAbove127AndMovesTheChannelSlidersAlong) {
  Slider("sbc1")->setValue(70);
  const struct {
    const char* typed;
    int answer; // -1: no question
    int maximum, volume, channel;
    const char* error;
  } steps[] = {{"127", -1, 127, 100, 97, nullptr},
               {"128", 0, 127, 100, 97, nullptr},
               {"150", 1, 150, 100, 120, nullptr},
               {"60", -1, 60, 60, 30, nullptr},
               {"", -1, 60, 60, 30, nullptr},
               {"много", -1, 100, 60, 30, "\"много\" не целое число"},
               {"5", -1, 100, 60, 30, "не может быть меньше 10"}};
  for (const auto& step : steps) {
    dialogs.Clear();
    if (step.answer >= 0)
      dialogs.Plan({step.answer == 1});
    Type("edGrMax", step.typed);
    Click("SpeedButton2");
    EXPECT_EQ(dialogs.questions, step.answer < 0 ? Lines{} : Lines{kVolumeQuestion}) << step.typed;
    EXPECT_EQ(Text("edGrMax"), step.answer == 0 ? "127" : step.typed);
    EXPECT_EQ(
        (std::vector<int>{Slider("sbGrom")->maximum(), Slider("sbGrom")->value(), Slider("sbc1")->value()}),
        (std::vector<int>{step.maximum, step.volume, step.channel}))
        << step.typed;
    EXPECT_TRUE(Reported(step.error));
  }
}

TEST_F(FormTest, ChoosingAnInstrumentMovesTheFocusToWhereTheKeyboardPlays) {
  Choose("cbFamily", "REED");
  EXPECT_EQ(QApplication::focusWidget(), Control("cbInstByFamily"));
  const struct {
    const char* mode;
    const char* record; // pressed first, if any
    const char* focused;
  } pages[] = {{"bbMelod", nullptr, "cbInstByFamily"},
               {"bbAccords", nullptr, "bbDragon"},
               {"bbPodb", nullptr, "bbPodbor"},
               {"bbPodb", "bbRecCard", "bbRecCard"}};
  for (const auto& page : pages) {
    Click(page.mode);
    if (page.record)
      Click(page.record);
    Choose("cbInstByFamily", "Oboe");
    EXPECT_EQ(QApplication::focusWidget(), Control(page.focused)) << page.focused;
  }
}

} // namespace
} // namespace arvento::test
