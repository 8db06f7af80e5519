// Start-up, the mode buttons, exit and the about box.

#include "FormFixture.h"

#include <QDialog>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

namespace arvento::test {
namespace {

QColor TextColour(const QAbstractButton* button) {
  return button->palette().color(QPalette::ButtonText);
}

QString VisiblePage(const app::TMainForm2& form) {
  return form.findChild<QStackedWidget*>("nbMain")->currentWidget()->objectName();
}

TEST_F(FormTest, StartsOnTheChordPageWithNoProjectAndThePianoOnChannelOne) {
  Start();
  EXPECT_EQ(form->windowTitle(), "Аранжировщик полифонических мелодий Arvento  v 2.1.1 ");
  EXPECT_EQ(form->size(), QSize(793, 562));
  EXPECT_EQ(form->frameGeometry().top(), form->screen()->availableGeometry().top());
  EXPECT_EQ(VisiblePage(*form), "acc");
  EXPECT_EQ(Text("laRegime"), "Проект не открыт");
  EXPECT_EQ(Text("cbFamily"), "PIANO");
  EXPECT_EQ(Text("cbInstByFamily"), "Acoustic Grand");
  EXPECT_EQ(Text("cbChan"), "1");
  EXPECT_EQ(Text("cbVoice"), "1");
  EXPECT_EQ(Control<QSlider>("sbFreq")->value(), 50);
  EXPECT_EQ(Control<QSlider>("sbGrom")->value(), 100);
  EXPECT_EQ(Control<QSlider>("sbGrom")->maximum(), 100);
  EXPECT_EQ(Control<QSlider>("sbMod")->value(), 50);
  EXPECT_EQ(Text("edGrMax"), "100");
  EXPECT_EQ(TextColour(Control<QAbstractButton>("bbAccords")), QColor(Qt::red));
  for (const char* other : {"bbMelod", "bbPodb", "bbPerebor"})
    EXPECT_EQ(TextColour(Control<QAbstractButton>(other)), QColor(Qt::black)) << other;
  EXPECT_FALSE(Control<QAbstractButton>("bbBas")->isEnabled());
  EXPECT_TRUE(Text("stbSound").isEmpty());
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(FormTest, StartUpRunsOnlyOnce) {
  Start();
  Click("bbMelod");
  Choose("cbChan", "5");
  // Hiding and showing the window, or going to another window and coming
  // back, does not start the window again.
  form->hide();
  form->show();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  EXPECT_EQ(VisiblePage(*form), "work");
  EXPECT_EQ(Text("cbChan"), "5");
}

TEST_F(FormTest, ModeButtonsShowTheirPageLabelAndColour) {
  Start();
  struct Mode {
    const char* button;
    const char* page;
    const char* label;
  };
  // With no project open the title is empty, so the label starts with the dot.
  const Mode modes[] = {
      {"bbMelod", "work", ". Правка одиночной партии"},
      {"bbPodb", "save", ". Запись одиночной партии"},
      {"bbPerebor", "perebor", ". Запись перебора"},
      {"bbAccords", "acc", ". Запись аккордов"},
  };
  for (const Mode& mode : modes) {
    Click(mode.button);
    EXPECT_EQ(VisiblePage(*form), mode.page);
    EXPECT_EQ(Text("laRegime"), mode.label);
    for (const Mode& other : modes) {
      EXPECT_EQ(TextColour(Control<QAbstractButton>(other.button)),
                QColor(other.button == mode.button ? Qt::red : Qt::black))
          << "after " << mode.button << ": " << other.button;
    }
  }
  // "Сборка" shows its page and label and leaves the colours to the four modes.
  Click("bbSbor");
  EXPECT_EQ(VisiblePage(*form), "Sborka");
  EXPECT_EQ(Text("laRegime"), ". Сборка");
  for (const Mode& mode : modes)
    EXPECT_EQ(TextColour(Control<QAbstractButton>(mode.button)),
              QColor(mode.button == std::string_view("bbAccords") ? Qt::red : Qt::black))
        << mode.button;

  Type("edProjectName", "song");
  Click("bbOpenProject");
  Click("bbMelod");
  EXPECT_EQ(Text("laRegime"), "song. Правка одиночной партии");
}

TEST_F(FormTest, TextsSurviveModeChangesAndTheGeneratorButtonFollowsTheModes) {
  Start();
  Click("bbMelod");
  Type("re2", "4c6, 8e6, ");
  Click("bbAccords");
  Type("reAcc", "4(Am), 4(C)");
  for (const char* mode : {"bbPodb", "bbPerebor", "bbMelod", "bbAccords", "bbPerebor"})
    Click(mode);
  EXPECT_EQ(Text("re2"), "4c6, 8e6, ");
  EXPECT_EQ(Text("reAcc"), "4(Am), 4(C)");

  auto* bbBas = Control<QAbstractButton>("bbBas");
  bbBas->setEnabled(true); // as the parts page's test command leaves it
  Click("bbPerebor");
  EXPECT_TRUE(bbBas->isEnabled());
  for (const char* mode : {"bbMelod", "bbAccords", "bbPodb"}) {
    bbBas->setEnabled(true);
    Click(mode);
    EXPECT_FALSE(bbBas->isEnabled()) << mode;
  }
}

TEST_F(FormTest, AboutBoxNamesTheProgramAndItsSoundAndExitClosesTheWindow) {
  Start();
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    for (const QLabel* label : about->findChildren<QLabel*>())
      shown += label->text() + "\n";
    about->accept();
  });
  Click("SpeedButton1");
  EXPECT_TRUE(shown.contains("Arvento  v 2.1.1")) << shown.toStdString();
  EXPECT_TRUE(shown.contains("FluidSynth, TimGM6mb.sf2")) << shown.toStdString();
  // Coming back from the about box does not run the start-up again.
  EXPECT_EQ(Text("laRegime"), "Проект не открыт");

  Click("SpeedButton3");
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(FormTest, WithoutSoundTheWindowWorksAndTheStatusBarSaysSoundIsOff) {
  Start(false);
  EXPECT_TRUE(Text("stbSound").contains("Звук выключен")) << Text("stbSound").toStdString();
  Click("bbMelod");
  Type("re2", "8c6, ");
  Click("buPlay");
  EXPECT_TRUE(std::filesystem::exists(Base() / "tmp" / "ch1v1m.mid"));
  EXPECT_TRUE(dialogs.errors.empty());
}

} // namespace
} // namespace arvento::test
