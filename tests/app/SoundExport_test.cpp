// The sound export of the window: the assembly page's button and the file
// lists' context-menu entry, each answered by a scripted save dialog, the
// written file read back by libsndfile, the status bar's report, and the
// cancelled export that leaves no file. The format of each extension, the
// file's title and the export of a part file are the export's, tested with
// the command line.

#include "AudioReading.h"
#include "FormFixture.h"

#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>

#include <utility>

namespace arvento::test {
namespace {

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
    if (event->type() == QEvent::Show && dialog != nullptr)
      connect(dialog->findChild<QProgressBar*>(), &QProgressBar::valueChanged, this,
              [this, dialog](int value) {
                if (value > 0 && !std::exchange(clicked, true))
                  QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
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
    ASSERT_TRUE(fs::exists(Song("ch1v1m.mid")));
  }
};

TEST_F(SoundExportTest, TheButtonAssemblesAndExportsTheProject) {
  Click("bbSbor");
  const fs::path out = Song("Песня.ogg");
  dialogs.PlanSaveFiles({QString::fromStdString(out.string())});
  Click("bbExport");
  EXPECT_TRUE(Reported());
  // Assembled as the save button assembles, and loaded into the project player.
  EXPECT_EQ(PlayerCalls("mpSum").back(), "Open " + Song("song.mid").string());
  ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
  EXPECT_EQ(dialogs.saveQuestions[0].caption, "Экспорт звука");
  EXPECT_EQ(dialogs.saveQuestions[0].suggested, Song("song.ogg").string());
  EXPECT_EQ(dialogs.saveQuestions[0].filters, (QStringList{"Ogg Vorbis (*.ogg)", "AAC в MPEG-4 (*.m4r)",
                                                           "MP3 (*.mp3)", "FLAC (*.flac)", "WAV (*.wav)"}));
  // The file the dialog chose, and the status bar naming it, its length and
  // loudness as its reader finds them, to the tenth that the status shows.
  const AudioReading audio = ReadAudio(out);
  EXPECT_EQ(audio.format, "OGG (OGG Container format)");
  const QRegularExpressionMatch report =
      QRegularExpression("^Записан файл (.+): (\\d+\\.\\d) с, (-\\d+\\.\\d) LUFS$").match(StatusText());
  ASSERT_TRUE(report.hasMatch()) << StatusText().toStdString();
  EXPECT_EQ(report.captured(1).toStdString(), out.string());
  EXPECT_NEAR(report.captured(2).toDouble(), audio.seconds, 0.06);
  EXPECT_NEAR(report.captured(3).toDouble(), audio.loudness, 0.06);
}

// A file list's entry exports the part file chosen as the button exports the
// assembly: its question names the part.
TEST_F(SoundExportTest, AListsEntryAsksForThePartAndACancelledExportWritesNothing) {
  const CancelOnFirstProgress canceller;
  // The save dialog cancelled: no export begins.
  dialogs.PlanSaveFiles({""});
  ChooseFromContextMenu("flbSum", "ch1v1m.mid", "Экспорт звука…");
  ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
  EXPECT_EQ(dialogs.saveQuestions[0].suggested, Song("ch1v1m.ogg").string());
  EXPECT_FALSE(canceller.clicked) << "an export began";
  // The progress dialog cancelled while the sound renders.
  Click("bbSbor");
  dialogs.PlanSaveFiles({QString::fromStdString(Song("song.ogg").string())});
  Click("bbExport");
  EXPECT_TRUE(canceller.clicked) << "the progress dialog did not show";
  EXPECT_TRUE(Reported());
  // The part, its record and the assembly, and nothing the export left.
  EXPECT_EQ(std::distance(fs::directory_iterator(Song()), {}), 3);
  EXPECT_EQ(StatusText(), "");
}

} // namespace
} // namespace arvento::test
