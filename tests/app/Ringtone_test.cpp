// The melody pane's context menu for classic ringtones, used through the real
// menu: a ringtone opened from the clipboard or a chosen file, one of several
// picked from a list, the question before a pane with text is replaced, the
// tempo slider, the pane copied to the clipboard and the status bar's word.

#include "FormFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace arvento::test {
namespace {

// Chooses an entry of the menu as soon as the menu shows, then closes it.
class MenuChoice : public QObject {
public:
  explicit MenuChoice(QString entry) : entry_(std::move(entry)) { qApp->installEventFilter(this); }
  ~MenuChoice() override { qApp->removeEventFilter(this); }

  QStringList shown; // the entries of the menu, separators left out

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (event->type() != QEvent::Show || menu == nullptr)
      return false;
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator())
        shown << action->text();
      if (action->text() == entry_)
        chosen = action;
    }
    EXPECT_NE(chosen, nullptr) << entry_.toStdString();
    QMetaObject::invokeMethod(menu, &QMenu::close, Qt::QueuedConnection);
    if (chosen != nullptr)
      chosen->trigger();
    return false;
  }

private:
  QString entry_;
};

constexpr char kNokia[] = "Nokia:d=4,o=5,b=120:8e6,8d6,f#,g#";

class RingtoneMenuTest : public FormTest {
protected:
  void SetUp() override {
    Start();
    Click("bbMelod");
  }

  // Opens the melody pane's context menu with the mouse and chooses the entry.
  QStringList Choose(const QString& entry) {
    MenuChoice choice(entry);
    QWidget* viewport = Control<QPlainTextEdit>("re2")->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &event);
    return choice.shown;
  }

  int Tempo() const { return Control<QSlider>("sbFreq")->value(); }
};

TEST_F(RingtoneMenuTest, ClipboardRingtoneReplacesThePaneAfterTheQuestion) {
  QGuiApplication::clipboard()->setText(kNokia);
  Type("re2", "8c6, ");
  dialogs.Plan({false});
  const QStringList shown = Choose("Вставить RTTTL");
  EXPECT_TRUE(shown.contains("Вставить RTTTL") && shown.contains("Копировать как RTTTL"))
      << shown.join("|").toStdString();
  EXPECT_GT(shown.size(), 2) << "the pane's own editing entries stay";
  EXPECT_EQ(Text("re2"), "8c6, ");
  EXPECT_EQ(Tempo(), 50);

  dialogs.Plan({true});
  Choose("Вставить RTTTL");
  EXPECT_EQ(dialogs.questions, (std::vector<std::string>(2, "Текст мелодии будет заменен. Продолжить?")));
  EXPECT_EQ(Text("re2"), "// Nokia, b=120\n8e8, 8d8, 4f#7, 4g#7, ");
  EXPECT_EQ(Tempo(), 48);
  EXPECT_EQ(StatusText(), "Вставлена мелодия RTTTL, темп 48");
}

TEST_F(RingtoneMenuTest, WithoutOneOnTheClipboardAFileIsChosenAndOneOfItsRingtonesPicked) {
  QGuiApplication::clipboard()->setText("no ringtone");
  const std::filesystem::path file = dir.path() / "collection.txt";
  WriteText(file, std::string(kNokia) + "\r\nFast:b=300:c\r\n");
  dialogs.PlanOpenFiles({QString::fromStdString(file.string())});
  dialogs.PlanChoices({1});
  Choose("Вставить RTTTL");
  EXPECT_EQ(dialogs.choiceLists, (std::vector<std::vector<std::string>>{{"1 Nokia", "2 Fast"}}));
  EXPECT_TRUE(dialogs.questions.empty()) << "an empty pane is replaced without a question";
  EXPECT_EQ(Text("re2"), "// Fast, b=300\n4c8, ");
  EXPECT_EQ(Tempo(), 100);
  EXPECT_EQ(
      StatusText(),
      "Вставлена мелодия RTTTL, темп 100. Мелодия \"Fast\": b=300 дает темп 120 вне 10..100, взят темп 100");

  // A cancelled file dialog or list changes nothing.
  dialogs.PlanOpenFiles({""});
  Choose("Вставить RTTTL");
  dialogs.PlanOpenFiles({QString::fromStdString(file.string())});
  dialogs.PlanChoices({-1});
  Choose("Вставить RTTTL");
  EXPECT_EQ(Text("re2"), "// Fast, b=300\n4c8, ");
  EXPECT_TRUE(dialogs.AllAnswered());
}

TEST_F(RingtoneMenuTest, ABadRingtoneIsReportedAndOpensNothing) {
  QGuiApplication::clipboard()->setText("x:d=4:8c,8x");
  Choose("Вставить RTTTL");
  EXPECT_EQ(dialogs.errors,
            (std::vector<std::string>{"Мелодия \"x\": нота 2 \"8x\": неизвестная нота \"x\""}));
  EXPECT_EQ(Text("re2"), "");
  EXPECT_EQ(Tempo(), 50);
}

TEST_F(RingtoneMenuTest, CopyPutsTheClassicLineOnTheClipboard) {
  Type("edProjectName", "song");
  Click("bbOpenProject");
  Click("bbMelod");
  Type("re2", "4c6, 8p, 8e6, ");
  Choose("Копировать как RTTTL");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "song:d=8,o=4,b=125:4c,p,e");
  EXPECT_EQ(StatusText(), "Мелодия скопирована в буфер обмена как RTTTL");

  Type("re2", "8b2, ");
  Choose("Копировать как RTTTL");
  EXPECT_EQ(dialogs.errors, (std::vector<std::string>{
                                "Строка 1, элемент \"8b2\": нота ниже c3, октавы 1 классического формата"}));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "song:d=8,o=4,b=125:4c,p,e");
}

} // namespace
} // namespace arvento::test
