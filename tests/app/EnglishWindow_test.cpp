// The window in English: its own texts from its Qt translation, the lower
// folders' messages through the core translator, and the files it writes
// unchanged by the language.

#include "FormFixture.h"

#include "app/WindowLanguage.h"

#include <optional>

namespace arvento::test {
namespace {

// The window made with the English translations installed, which go again
// after it.
class EnglishFormTest : public FormTest {
public:
  void SetUp() override {
    english.emplace(Language::English);
    ASSERT_EQ(english->Missing(), QStringList{});
    Start();
  }
  void TearDown() override {
    form.reset();
    english.reset();
  }

  std::optional<app::WindowLanguage> english;
};

TEST_F(EnglishFormTest, TheWindowReadsInEnglishAndSavesWhatItSavesInRussian) {
  EXPECT_EQ(form->windowTitle(), "Arranger of polyphonic melodies Arvento  v 2.1.1 ");
  EXPECT_EQ(Text("laRegime"), "No project open");
  const auto savedPart = [this] {
    OpenProject("song");
    Save("bbMelod", "// Тема\n4c6, 8p, 8e6, ", "2");
    return std::pair{ReadText(Song("ch2v1m.txt")), ReadText(Song("ch2v1m.mid"))};
  };
  const auto inEnglish = savedPart();
  // The mode label, a caption and a hint of the form, and the page player's
  // hint, which the player's own code gives it.
  EXPECT_EQ(QStringList({Text("laRegime"), Text("buInc"), Control("buPlay")->toolTip(),
                         Control("mp1")->findChild<QWidget*>("playButton")->toolTip()}),
            QStringList({"song. Editing a single part", "Octave +", "Play the channel", "Play"}));
  // Converting the grid before a note was recorded is refused by the melody folder.
  Click("bbPodb");
  Click("bbProba");
  EXPECT_EQ(dialogs.notices, Lines{"No note has been recorded!"});
  // The part saved again in Russian has the same bytes.
  TearDown();
  fs::remove_all(Song());
  Start();
  EXPECT_EQ(savedPart(), inEnglish);
}

} // namespace
} // namespace arvento::test
