// "Проверка" on the grid page, the fragment buffer and the octave buttons:
// the drawn rhythm and the recorded pitches become RTTTL-E in the melody
// pane, which is played, kept as fragments, and moved by octaves.

#include "FormFixture.h"

namespace arvento::test {
namespace {

class FragmentsTest : public FormTest {
public:
  void SetUp() override {
    Start();
    Click("bbPodb");
  }
  // Records the keys, draws one-row bars over the given columns and converts.
  void Fragment(const char* keys, std::initializer_list<std::pair<int, int>> bars, const char* length = "8") {
    Click("bbRecCard");
    Keys(keys);
    Type("cb1", length);
    for (const auto& [first, last] : bars)
      Bar(1, first, last);
    playerLog.clear();
    Click("bbProba");
  }
};

TEST_F(FragmentsTest, TheConversionFillsThePanesAndPlaysTheGridPagesFile) {
  Fragment("asd", {{1, 2}, {3, 3}});
  EXPECT_EQ(form->RhythmText()[0], "2*8 1*8 29p*8 ");
  EXPECT_EQ(Text("re2"), "2*8c7, 8d7, 29*8p, " + QString("32*8p, ").repeated(7));
  EXPECT_EQ(StatusText(), "Не задано название проекта, принято значение tmp");
  EXPECT_EQ(PlayerCalls("mp2"),
            (Lines{"Close", "SetFileName ", "SetFileName " + Tmp("ch1v1a.mid").string(),
                   "Open " + Tmp("ch1v1a.mid").string(), "Play " + Tmp("ch1v1a.mid").string()}));
  EXPECT_EQ(MidiCsvNotes(Tmp("ch1v1a.mid")), (Lines{"2 0 Note_on_c 0 72 100", "2 48 Note_off_c 0 72 100",
                                                    "2 48 Note_on_c 0 74 100", "2 72 Note_off_c 0 74 100"}));
  EXPECT_TRUE(dialogs.notices.empty());
  // The third pitch stays unused but recorded.
  EXPECT_EQ(Recorded(), (Notes{72, 74, 76}));

  // A length the conversion cannot write leaves the pane empty, and the
  // play compiles it all the same.
  Click("bbPodb");
  Fragment("a", {{1, 1}}, "5");
  EXPECT_EQ(form->RhythmText()[0], "1*5 31p*5 ");
  EXPECT_EQ(dialogs.notices, Lines{"Недопустимая длина ноты"});
  EXPECT_EQ(Text("re2"), "");
  EXPECT_EQ(LastCall("mp2"), "Play " + Tmp("ch1v1a.mid").string());
  EXPECT_EQ(MidiCsvNotes(Tmp("ch1v1a.mid")), Lines{});
}

TEST_F(FragmentsTest, SavedFragmentsComeBackInOrderAsOneMelody) {
  Fragment("as", {{1, 1}, {2, 2}});
  const QString first = Text("re2");
  dialogs.Plan({false, true});
  Click("bbPlay");
  EXPECT_EQ(Text("re2"), first);
  EXPECT_EQ(Recorded().size(), 2u);
  EXPECT_TRUE(form->MelodyBuffer().empty());
  Click("bbPlay");
  EXPECT_EQ(dialogs.questions, Lines(2, "Сохранить записанный фрагмент?"));
  // The page is ready for the next fragment.
  EXPECT_EQ(Text("re2"), "");
  EXPECT_TRUE(form->RhythmText().empty());
  EXPECT_TRUE(Recorded().empty());
  Click("bbProba");
  EXPECT_EQ(form->RhythmText()[0], "32p*8 ");
  EXPECT_EQ(form->MelodyBuffer(), Lines{first.toStdString()});
  EXPECT_EQ(form->RhythmBuffer().size(), 8u);

  Fragment("d", {{5, 5}});
  dialogs.Plan({true});
  Click("bbPlay");
  Click("bbRecCard");
  Keys("f");
  Click("bbMelod");
  dialogs.Clear();
  dialogs.Plan({false, true});
  Click("buFromMemory");
  EXPECT_EQ(Recorded().size(), 1u);
  Click("buFromMemory");
  EXPECT_EQ(dialogs.questions, Lines(2, "Вывести всю запись?"));
  EXPECT_EQ(Text("re2"), first + "\n4*8p, 8e7, 27*8p, " + QString("32*8p, ").repeated(7));
  EXPECT_EQ(form->RhythmText().size(), 16u);
  EXPECT_TRUE(form->MelodyBuffer().empty());
  EXPECT_TRUE(form->RhythmBuffer().empty());
  EXPECT_TRUE(Recorded().empty());
}

TEST_F(FragmentsTest, OpeningAProjectOffersToDropTheBufferedFragment) {
  Fragment("a", {{1, 1}});
  dialogs.Plan({true, false, true});
  Click("bbPlay");
  OpenProject("song");
  EXPECT_EQ(form->MelodyBuffer().size(), 1u);
  Click("bbOpenProject");
  EXPECT_TRUE(form->MelodyBuffer().empty());
  EXPECT_TRUE(form->RhythmBuffer().empty());
  // With the buffer empty there is no question.
  Click("bbOpenProject");
  EXPECT_EQ(dialogs.questions.back(), "Буфер содержит несохраненный фрагмент мелодии. Удалить?");
  EXPECT_EQ(dialogs.questions.size(), 3u);
  EXPECT_TRUE(dialogs.AllAnswered());

  playerLog.clear();
  Click("bbStop");
  EXPECT_EQ(playerLog, Lines{"mp2 Stop"});
}

TEST_F(FragmentsTest, OctaveButtonsShiftTheMelodyOrTheRecordingAndTellARefusal) {
  Click("bbRecCard");
  Keys("k");
  const struct {
    const char* melody; // typed into the pane first, if any
    const char* button;
    const char* shifted;
    int offset;
    const char* refusal; // the status text, if any
  } shifts[] = {
      {"2*8c7, 8d7, 29*8p, \n8c9, 8a#9, 4p, ", "buInc", "2*8c8, 8d8, 29*8p, \n8c10, 8a#10, 4p, ", 0, nullptr},
      {nullptr, "buDec", "2*8c7, 8d7, 29*8p, \n8c9, 8a#9, 4p, ", -12, nullptr},
      {"8c7, 8d7, \n8c7., 4e7, ", "buInc", "8c7, 8d7, \n8c7., 4e7, ", -12, "Октава не изменена: строка 2, элемент \"8c7.\" не кончается нотой с октавой"},
      {"8c1, 8p, ", "buDec", "8c1, 8p, ", -12, "Октава не изменена: строка 1, элемент \"8c1\": нота вышла бы за пределы c1..g11"},
      // A shift that succeeds clears the refusal.
      {nullptr, "buInc", "8c2, 8p, ", 0, nullptr},
      // With the pane empty the recording moves, up to note 127.
      {"", "buInc", "", 12, nullptr},
      {nullptr, "buInc", "", 24, nullptr},
      {nullptr, "buInc", "", 36, nullptr},
      {nullptr, "buInc", "", 36, "Октава не изменена: записанная нота 120 вышла бы за пределы 1..127"},
      {nullptr, "buDec", "", 24, nullptr},
  };
  for (const auto& shift : shifts) {
    SCOPED_TRACE(shift.shifted);
    if (shift.melody)
      Melody(shift.melody);
    Click(shift.button);
    EXPECT_EQ(Text("re2"), shift.shifted);
    EXPECT_EQ(form->OctaveOffset(), shift.offset);
    EXPECT_EQ(StatusText(), shift.refusal ? shift.refusal : "");
  }
  EXPECT_EQ(Recorded(), (Notes{108}));
  EXPECT_TRUE(dialogs.errors.empty());
}

} // namespace
} // namespace arvento::test
