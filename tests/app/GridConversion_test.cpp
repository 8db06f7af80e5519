// "Проверка" on the grid page: the drawn rhythm and the recorded pitches
// become the rhythm text and RTTTL-E lines, which are then played.

#include "GridPageFixture.h"

namespace arvento::test {
namespace {

namespace fs = std::filesystem;

using Lines = std::vector<std::string>;

class GridConversionTest : public GridPageTest {
protected:
  void Record(const char* keys) {
    Click("bbRecCard");
    Keys(keys);
  }
  void Convert() {
    playerLog.clear();
    Click("bbProba");
    EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
  }
  // The file the grid page's player was told to play after the conversion.
  fs::path Played() const {
    for (const std::string& call : PlayerCalls("mp2")) {
      if (call.starts_with("Play "))
        return call.substr(5);
    }
    ADD_FAILURE() << "nothing played";
    return {};
  }
  static QStringList Rests(int count, const QString& rest = "32*8p, ") {
    return QStringList{rest.repeated(count)};
  }
};

TEST_F(GridConversionTest, WorkedExampleFromKeysAndBarsToThePlayedFile) {
  Record("asd");
  Bar(1, 1, 2);
  Bar(1, 3, 3);
  Convert();
  Lines rhythm{"2*8 1*8 29p*8 "};
  rhythm.insert(rhythm.end(), 7, "32p*8 ");
  EXPECT_EQ(form->RhythmText(), rhythm);
  const QString melody = "2*8c7, 8d7, 29*8p, " + QString("32*8p, ").repeated(7);
  EXPECT_EQ(melody.size(), 68);
  EXPECT_EQ(Melody(), QStringList{melody});
  EXPECT_TRUE(dialogs.notices.empty());
  // No project was open: the play opened "tmp" and played the grid page's file.
  EXPECT_EQ(StatusText(), "Не задано название проекта, принято значение tmp");
  const fs::path file = Played();
  EXPECT_EQ(file, Base() / "tmp" / "ch1v1a.mid");
  EXPECT_EQ(MidiCsvNotes(file), (Lines{"2 0 Note_on_c 0 72 100", "2 48 Note_off_c 0 72 100",
                                       "2 48 Note_on_c 0 74 100", "2 72 Note_off_c 0 74 100"}));
  // The third pitch stays unused but recorded.
  EXPECT_EQ(Recorded(), (std::vector<int>{72, 74, 76}));
}

TEST_F(GridConversionTest, AnEmptyGridIsEightRestsOrTheMessageWithoutPitches) {
  Convert();
  EXPECT_EQ(dialogs.notices, Lines{"Не записана ни одна нота!"});
  EXPECT_EQ(form->RhythmText(), Lines(8, "32p*8 "));
  EXPECT_EQ(Melody(), QStringList{});
  // The play still compiles the empty pane: a file without notes.
  EXPECT_EQ(MidiCsvNotes(Played()), Lines{});

  dialogs.Clear();
  Record("a");
  Convert();
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_EQ(Melody(), Rests(8));
  EXPECT_EQ(MidiCsvNotes(Played()), Lines{});
}

TEST_F(GridConversionTest, TouchingBarsAreTwoNotesEachTakingAPitch) {
  Record("asd");
  Bar(1, 3, 5);
  Bar(1, 6, 7);
  Bar(2, 1, 1);
  Convert();
  EXPECT_EQ(form->RhythmText()[0], "2p*8 3*8 2*8 25p*8 ");
  EXPECT_EQ(form->RhythmText()[1], "1*8 31p*8 ");
  EXPECT_EQ(Melody(),
            QStringList{"2*8p, 3*8c7, 2*8d7, 25*8p, 8e7, 31*8p, " + QString("32*8p, ").repeated(6)});
}

TEST_F(GridConversionTest, TheNoteLengthAndTheMetreGoIntoEveryToken) {
  Record("a");
  Type("cb1", "16");
  Bar(1, 2, 4);
  Convert();
  EXPECT_EQ(form->RhythmText()[0], "1p*16 3*16 28p*16 ");
  EXPECT_EQ(form->RhythmText()[7], "32p*16 ");
  EXPECT_TRUE(Melody().front().startsWith("16p, 3*16c7, 28*16p, 32*16p, "));

  // In 3/4 an empty row is 24 columns.
  Type("cb1", "8");
  dialogs.Plan({true});
  Click("rb6");
  Record("s");
  Convert();
  EXPECT_EQ(form->RhythmText(), Lines(8, "24p*8 "));
  EXPECT_EQ(Melody(), Rests(8, "24*8p, "));

  // A length other than 1, 2, 4, 8, 16 or 32 writes nothing.
  Bar(1, 1, 1);
  Type("cb1", "5");
  Convert();
  EXPECT_EQ(form->RhythmText()[0], "1*5 23p*5 ");
  EXPECT_EQ(dialogs.notices, Lines{"Недопустимая длина ноты"});
  EXPECT_EQ(Melody(), QStringList{});
  EXPECT_EQ(MidiCsvNotes(Played()), Lines{});
}

TEST_F(GridConversionTest, TheMelodyEndsAtTheFirstNoteWithoutAPitch) {
  Record("asd");
  for (const int column : {1, 3, 5, 7, 9})
    Bar(1, column, column);
  Convert();
  EXPECT_EQ(Melody(), QStringList{"8c7, 8p, 8d7, 8p, 8e7, 8p, "});
  EXPECT_TRUE(dialogs.notices.empty());

  // Erased bars are gone from the next conversion.
  Click("bbDrawErase");
  for (const int column : {3, 5, 7, 9})
    Drag((column - 1) * kCell + 12, (column - 1) * kCell + 12, 15);
  Click("bbDrawErase");
  Convert();
  EXPECT_EQ(form->RhythmText()[0], "1*8 31p*8 ");
  EXPECT_EQ(Melody(), QStringList{"8c7, 31*8p, " + QString("32*8p, ").repeated(7)});
}

TEST_F(GridConversionTest, LongMelodiesBreakAfterABlankOrComma) {
  Record("awsedftg");
  Bar(1, 1, 1);
  for (int row = 2; row <= 8; ++row)
    QTest::mouseClick(Grid(), Qt::RightButton, {}, QPoint(700, (row - 1) * 30 + 10));
  Convert();
  EXPECT_EQ(form->RhythmText(), Lines(8, "1*8 31p*8 "));
  const QStringList melody = Melody();
  ASSERT_EQ(melody.size(), 2);
  EXPECT_EQ(melody[0], "8c7, 31*8p, 8c#7, 31*8p, 8d7, 31*8p, 8d#7, 31*8p, 8e7, 31*8p, 8f7, 31*8p, "
                       "8f#7, 31*8p, 8g7, ");
  EXPECT_EQ(melody[0].size(), 92);
  EXPECT_EQ(melody[1], "31*8p, ");
  EXPECT_EQ(MidiCsvNotes(Played()).size(), 16u);
}

} // namespace
} // namespace arvento::test
