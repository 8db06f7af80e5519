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

TEST_F(FormTest, StartUpRunsOnceAndExitClosesTheWindow) {
  // The window starts at the top of the screen, with no project.
  EXPECT_EQ(form->frameGeometry().top(), form->screen()->availableGeometry().top());
  EXPECT_EQ(form->windowTitle() + Text("laRegime") + Text("stbSound"),
            "Аранжировщик полифонических мелодий Arvento  v 2.1.1 Проект не открыт");
  // A mode button shows its page and is the only one in red.
  Click("bbMelod");
  EXPECT_TRUE(Shown("work"));
  for (const char* mode : {"bbMelod", "bbPodb", "bbPerebor", "bbAccords"})
    EXPECT_EQ(Control(mode)->palette().color(QPalette::ButtonText),
              QColor(mode == std::string("bbMelod") ? Qt::red : Qt::black))
        << mode;
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
  // Without an audio device the status bar says sound is off.
  form.reset();
  Start(false);
  EXPECT_EQ(Text("stbSound"), "Звук выключен: нет устройства вывода звука");
}

TEST_F(FormTest, TheSettingsReachTheLivePlayerAndTheFileAndTheFocusGoesWhereTheKeyboardPlays) {
  // The page, a button pressed there first, the instrument chosen, its program
  // (percussion keys count from 35) and channel, and the button with the focus.
  const std::tuple<const char*, const char*, const char*, const char*, int, const char*, const char*>
      choices[] = {{"bbMelod", nullptr, "SOUND EFFECTS", "Gunshot", 127, "1", "cbInstByFamily"},
                   {"bbAccords", nullptr, "DRUMS", "Hand Clap", 38, "10", "bbDragon"},
                   {"bbPodb", nullptr, "BASS", "Fretless Bass", 35, "1", "bbPodbor"},
                   {"bbPodb", "bbRecCard", "REED", "Oboe", 68, "1", "bbRecCard"}};
  for (const auto& [mode, first, family, instrument, program, channel, focused] : choices) {
    Click(mode);
    if (first)
      Click(first);
    Choose("cbChan", "4");
    Choose("cbFamily", family);
    EXPECT_EQ(QApplication::focusWidget(), Control("cbInstByFamily"));
    EXPECT_EQ(Text("cbChan"), channel);
    EXPECT_EQ(form->LivePlayer().Channel(), channel == std::string("1") ? player::mgCh01 : player::mgCh10);
    Choose("cbInstByFamily", instrument);
    EXPECT_EQ(form->LivePlayer().Instrument(), program) << instrument;
    EXPECT_EQ(QApplication::focusWidget(), Control(focused)) << focused;
  }
  // The sliders reach the played file.
  SlideTo("sbFreq", Qt::Key_Home);
  SlideTo("sbMod", Qt::Key_End);
  SlideTo("sbGrom", Qt::Key_Home);
  EXPECT_EQ(Text("laFreqValue") + Text("laModValue") + Text("laGromValue"), "1010010");
  Melody("4c6, ");
  Click("buPlay");
  // The division (the tempo), the modulation and the velocity, as midicsv reads them.
  const std::string csv = MidiCsv(Tmp("ch1v1m.mid"));
  for (const char* part : {"Header, 1, 2, 10\n", "Control_c, 0, 1, 100\n", "Note_on_c, 0, 60, 10\n"})
    EXPECT_NE(csv.find(part), std::string::npos) << part << csv;
}

const char* const kVolumeQuestion = "Ваша звуковая карта поддерживает громкость свыше 127, вы уверены?";

TEST_F(FormTest, TheVolumeMaximumAsksAbove127AndMovesTheChannelSlidersAlong) {
  Slider("sbc1")->setValue(70);
  // Typed, the answer to the question (-1: none asked), the volume maximum and
  // value and the channel slider after, and the error reported.
  const std::tuple<const char*, int, int, int, int, const char*> steps[] = {
      {"127", -1, 127, 100, 97, nullptr},
      {"128", 0, 127, 100, 97, nullptr},
      {"150", 1, 150, 100, 120, nullptr},
      {"60", -1, 60, 60, 30, nullptr},
      {"", -1, 60, 60, 30, nullptr},
      {"много", -1, 100, 60, 30, "\"много\" не целое число"},
      {"5", -1, 100, 60, 30, "не может быть меньше 10"}};
  for (const auto& [typed, answer, maximum, volume, channel, error] : steps) {
    dialogs.Clear();
    if (answer >= 0)
      dialogs.Plan({answer == 1});
    Type("edGrMax", typed);
    Click("SpeedButton2");
    EXPECT_EQ(dialogs.questions, answer < 0 ? Lines{} : Lines{kVolumeQuestion}) << typed;
    EXPECT_EQ(Text("edGrMax"), answer == 0 ? "127" : typed);
    EXPECT_EQ(
        (std::vector<int>{Slider("sbGrom")->maximum(), Slider("sbGrom")->value(), Slider("sbc1")->value()}),
        (std::vector<int>{maximum, volume, channel}))
        << typed;
    EXPECT_TRUE(Reported(error));
  }
}

} // namespace
} // namespace arvento::test
