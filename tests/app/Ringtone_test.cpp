// The melody pane's context menu for classic ringtones, used through the real
// menu: a ringtone opened from the clipboard or a chosen file, one of several
// picked from a list, the question before a pane with text is replaced, the
// tempo slider, the pane copied to the clipboard and the status bar's word.

#include "FormFixture.h"

#include <QClipboard>

namespace arvento::test {
namespace {

constexpr char kNokia[] = "Nokia:d=4,o=5,b=120:8e6,8d6,f#,g#";

class RingtoneMenuTest : public FormTest {
protected:
  void SetUp() override {
    Start();
    Click("bbMelod");
  }

  // Opens the melody pane's context menu with the mouse and chooses the entry.
  QStringList Choose(const QString& entry) {
    return ChooseFromContextMenu(Control<QPlainTextEdit>("re2")->viewport(), QPoint(5, 5), entry);
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
  EXPECT_EQ(dialogs.questions, Lines(2, "Текст мелодии будет заменен. Продолжить?"));
  EXPECT_EQ(Text("re2"), "// Nokia, b=120\n8e8, 8d8, 4f#7, 4g#7, ");
  EXPECT_EQ(Tempo(), 48);
  EXPECT_EQ(StatusText(), "Вставлена мелодия RTTTL, темп 48");
}

TEST_F(RingtoneMenuTest, WithoutOneOnTheClipboardAFileIsChosenAndOneOfItsRingtonesPicked) {
  QGuiApplication::clipboard()->setText("no ringtone");
  const fs::path file = dir.path() / "collection.txt";
  WriteText(file, std::string(kNokia) + "\r\nFast:b=300:c\r\n");
  dialogs.PlanOpenFiles({QString::fromStdString(file.string())});
  dialogs.PlanChoices({1});
  Choose("Вставить RTTTL");
  EXPECT_EQ(dialogs.choiceLists, (std::vector<QStringList>{{"1 Nokia", "2 Fast"}}));
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
  // Nor does a ringtone that does not read, which is reported before any question.
  QGuiApplication::clipboard()->setText("x:d=4:8c,8x");
  Choose("Вставить RTTTL");
  EXPECT_EQ(dialogs.errors, Lines{"Мелодия \"x\": нота 2 \"8x\": неизвестная нота \"x\""});
  EXPECT_EQ(Text("re2"), "// Fast, b=300\n4c8, ");
  EXPECT_EQ(Tempo(), 100);
  EXPECT_TRUE(dialogs.AllAnswered());
}

TEST_F(RingtoneMenuTest, CopyPutsTheClassicLineOnTheClipboard) {
  OpenProject("song");
  Type("re2", "4c6, 8p, 8e6, ");
  Choose("Копировать как RTTTL");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "song:d=8,o=4,b=125:4c,p,e");
  EXPECT_EQ(StatusText(), "Мелодия скопирована в буфер обмена как RTTTL");

  Type("re2", "8b2, ");
  Choose("Копировать как RTTTL");
  EXPECT_EQ(dialogs.errors, Lines{"Строка 1, элемент \"8b2\": нота ниже c3, октавы 1 классического формата"});
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "song:d=8,o=4,b=125:4c,p,e");
}

} // namespace
} // namespace arvento::test
