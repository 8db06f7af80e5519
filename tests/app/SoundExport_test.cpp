// The sound export of the window: the assembly page's button and the file
// lists' context-menu entry, each answered by a scripted save dialog, the
// written file read back by libsndfile, the status bar's report, and the
// cancelled export that leaves no file.

#include "AudioReading.h"
#include "FormFixture.h"

#include <QApplication>
#include <QListWidget>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace arvento::test {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kFilters = {"Ogg Vorbis (*.ogg)", "AAC в MPEG-4 (*.m4r)", "MP3 (*.mp3)",
                                           "FLAC (*.flac)", "WAV (*.wav)"};

// The names in a directory that are not the given ones: what an export left.
std::vector<std::string> Others(const fs::path& dir, const std::vector<std::string>& known) {
  std::vector<std::string> others;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (std::find(known.begin(), known.end(), name) == known.end())
      others.push_back(name);
  }
  return others;
}

// Clicks the cancel button of the export's progress dialog as soon as the
// dialog shows that the export has begun.
class CancelOnFirstProgress : public QObject {
public:
  CancelOnFirstProgress() { qApp->installEventFilter(this); }
  ~CancelOnFirstProgress() override { qApp->removeEventFilter(this); }

  bool clicked = false;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QProgressDialog*>(watched);
    if (event->type() != QEvent::Show || dialog == nullptr)
      return false;
    auto* bar = dialog->findChild<QProgressBar*>();
    auto* cancel = dialog->findChild<QPushButton*>();
    EXPECT_NE(bar, nullptr);
    EXPECT_NE(cancel, nullptr);
    if (bar != nullptr && cancel != nullptr)
      connect(bar, &QProgressBar::valueChanged, this, [this, cancel](int value) {
        if (value > 0 && !clicked) {
          clicked = true;
          QTest::mouseClick(cancel, Qt::LeftButton);
        }
      });
    return false;
  }
};

class SoundExportTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    OpenProject("song");
    Melody("4c6, 8p, 8e6, 4g6, ");
    Click("bbSaveSingle");
    ASSERT_TRUE(fs::exists(Song() / "ch1v1m.mid"));
  }

  // The status bar names the file, its length and loudness as its reader
  // finds them, to the tenth that the status shows.
  void ExpectReported(const fs::path& file, const AudioReading& audio) {
    const QRegularExpressionMatch report =
        QRegularExpression("^Записан файл (.+): (\\d+\\.\\d) с, (-\\d+\\.\\d) LUFS$").match(StatusText());
    ASSERT_TRUE(report.hasMatch()) << StatusText().toStdString();
    EXPECT_EQ(report.captured(1).toStdString(), file.string());
    EXPECT_NEAR(report.captured(2).toDouble(), audio.seconds, 0.06);
    EXPECT_NEAR(report.captured(3).toDouble(), audio.loudness, 0.06);
  }
};

TEST_F(SoundExportTest, TheButtonAssemblesAndExportsTheProject) {
  Click("bbSbor");
  auto* button = Control<QPushButton>("bbExport");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "Экспорт…");
  EXPECT_EQ(button->toolTip(), "Сохранить сборку как звуковой файл для телефона");
  const fs::path out = Song() / "Песня.ogg";
  dialogs.PlanSaveFiles({QString::fromStdString(out.string())});
  Click("bbExport");
  EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
  EXPECT_TRUE(dialogs.AllAnswered());

  // Assembled as the save button assembles, and loaded into the project player.
  EXPECT_EQ(PlayerCalls("mpSum").back(), "Open " + (Song() / "song.mid").string());
  ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
  EXPECT_EQ(dialogs.saveQuestions[0].caption, "Экспорт звука");
  EXPECT_EQ(dialogs.saveQuestions[0].suggested, (Song() / "song.ogg").string());
  EXPECT_EQ(dialogs.saveQuestions[0].filters, kFilters);

  // The level, the length and the encoding are the export's, checked by its own tests and the command
  // line's; here the file the dialog chose, its title and the report.
  const AudioReading audio = ReadAudio(out);
  EXPECT_EQ(audio.format, "OGG (OGG Container format)");
  EXPECT_EQ(audio.tags.count("title") ? audio.tags.at("title") : "", "Песня");
  ExpectReported(out, audio);
}

TEST_F(SoundExportTest, EveryProjectFileListExportsThePartFileChosen) {
  struct Case {
    const char* list;
    const char* page; // the page button that shows the list; the project group's list is always shown
    const char* file;
    std::string format;
  };
  const Case cases[] = {
      {"flbSum", nullptr, "sum.wav", "WAV (Microsoft)"},
      {"flb1", "bbAccords", "chords.flac", "FLAC (Free Lossless Audio Codec)"},
      {"flb2", "bbMelod", "melody.mp3", "MPEG-1/2 Audio"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    if (c.page != nullptr)
      Click(c.page);
    const fs::path out = Song() / c.file;
    dialogs.PlanSaveFiles({QString::fromStdString(out.string())});
    dialogs.saveQuestions.clear();
    ChooseFromContextMenu(c.list, "ch1v1m.mid", "Экспорт звука…");
    EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
    EXPECT_TRUE(dialogs.AllAnswered());
    ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
    EXPECT_EQ(dialogs.saveQuestions[0].suggested, (Song() / "ch1v1m.ogg").string());
    EXPECT_EQ(dialogs.saveQuestions[0].filters, kFilters);

    const AudioReading audio = ReadAudio(out);
    EXPECT_EQ(audio.format, c.format);
    EXPECT_EQ(audio.tags.count("title") ? audio.tags.at("title") : "", fs::path(c.file).stem().string());
    ExpectReported(out, audio);
  }
}

TEST_F(SoundExportTest, ACancelledExportWritesNothing) {
  Click("bbSbor");
  // The save dialog cancelled: no export begins.
  dialogs.PlanSaveFiles({""});
  Click("bbExport");
  EXPECT_TRUE(dialogs.AllAnswered());
  EXPECT_EQ(form->findChild<QProgressDialog*>(), nullptr);

  // The progress dialog cancelled while the sound renders.
  const fs::path out = Song() / "song.ogg";
  dialogs.PlanSaveFiles({QString::fromStdString(out.string())});
  const CancelOnFirstProgress canceller;
  Click("bbExport");
  EXPECT_TRUE(canceller.clicked) << "the progress dialog did not show";
  EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(Others(Song(), {"ch1v1m.mid", "ch1v1m.txt", "song.mid"}), std::vector<std::string>{})
      << "the export left a file";
  EXPECT_FALSE(StatusText().startsWith("Записан файл"));
}

} // namespace
} // namespace arvento::test
