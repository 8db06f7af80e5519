#include "TestSupport.h"
#include "generators/PatternGenerator.h"
#include "melody/MelodyCompiler.h"

#include <gtest/gtest.h>

using namespace arvento;
using generators::GeneratePatternPart;
using GeneratorResult = Outcome<std::vector<std::string>>;
using generators::PartMode;
using Lines = std::vector<std::string>;

namespace {
const std::string kFigure = "8a5, 8c6, 8e6, 8c6, ";

GeneratorResult Generate(const Lines& chords, const std::string& pattern,
                         PartMode mode = PartMode::BassOrPicking, int barCells = 8,
                         const std::string& noteLength = "8") {
  return GeneratePatternPart(chords, pattern, mode, barCells, noteLength);
}

// The lines of a generation that must succeed.
Lines Part(const Lines& chords, const std::string& pattern, PartMode mode = PartMode::BassOrPicking,
           int barCells = 8, const std::string& noteLength = "8") {
  const GeneratorResult result = Generate(chords, pattern, mode, barCells, noteLength);
  EXPECT_FALSE(result.Refused()) << result.RefusalText();
  return result.Result();
}

// The message of a generation that must be refused; a refusal carries no lines.
std::string RefusalMessage(const Lines& chords, const std::string& pattern,
                           PartMode mode = PartMode::BassOrPicking, const std::string& noteLength = "8") {
  const GeneratorResult result = Generate(chords, pattern, mode, 8, noteLength);
  EXPECT_TRUE(result.Refused()) << pattern;
  return result.RefusalText();
}

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i)
    result += text;
  return result;
}
} // namespace

TEST(PatternGenerator, WorkedExamples) {
  // Over C major the figure's c becomes c# and lands on e; over E minor c stays and lands on g.
  EXPECT_EQ(Part({"4(C), 4(Em), "}, kFigure), (Lines{"1*8c5, 1*8e5, ", "1*8e5, 1*8g5, "}));
  EXPECT_EQ(Part({"2(Am), "}, kFigure), (Lines{"1*8a5, 1*8c6, 1*8e6, 1*8c6, "}));
  EXPECT_EQ(Part({"1(A), "}, kFigure), (Lines{Repeat("1*8a5, 1*8c#6, 1*8e6, 1*8c#6, ", 2)}));
}

TEST(PatternGenerator, FigureMovesToEveryRoot) {
  const std::vector<std::pair<std::string, std::string>> rootToA = {
      {"C", "c5"},   {"C#", "c#5"}, {"D", "d5"},   {"D#", "d#5"}, {"E", "e5"},   {"F", "f5"},
      {"F#", "f#5"}, {"G", "g5"},   {"G#", "g#5"}, {"A", "a5"},   {"A#", "a#5"}, {"B", "a#5"},
      {"H", "b5"},   {"Hm", "b5"},  {"h", "b5"},   {"b7", "a#5"}, {"Dm7", "d5"}};
  for (const auto& [chord, a] : rootToA)
    EXPECT_EQ(Part({"8(" + chord + ")"}, "8a5, "), (Lines{"1*8" + a + ", "})) << chord;

  // Moving up past b carries into the next octave, moving down past c borrows from it.
  EXPECT_EQ(Part({"8(H)"}, "8b5, "), (Lines{"1*8c#6, "}));
  EXPECT_EQ(Part({"8(Cm)"}, "8c6, "), (Lines{"1*8d#5, "}));
  EXPECT_EQ(Part({"8(Cm)"}, "8g#6, "), (Lines{"1*8b5, "}));
}

TEST(PatternGenerator, MajorChordsRaiseTheFiguresC) {
  // A symbol is minor when it holds an M in either case and no MAJ.
  for (const std::string minor : {"Am", "am", "Am7", "AM", "Adim"})
    EXPECT_EQ(Part({"8(" + minor + ")"}, "8c6, "), (Lines{"1*8c6, "})) << minor;
  for (const std::string major : {"A", "A7", "Amaj7", "Asus"})
    EXPECT_EQ(Part({"8(" + major + ")"}, "8c6, "), (Lines{"1*8c#6, "})) << major;
  EXPECT_EQ(Part({"8(Dm7)", "8(D7)", "8(Cmaj7)", "8(Ddim)"}, "8c6, "),
            (Lines{"1*8f5, ", "1*8f#5, ", "1*8e5, ", "1*8f5, "}));
  // Only c is raised; c# and every other note keep their place in the figure.
  EXPECT_EQ(Part({"8(A)"}, "8c#6, "), (Lines{"1*8c#6, "}));
  EXPECT_EQ(Part({"8(A)"}, "8d6, "), (Lines{"1*8d6, "}));
}

TEST(PatternGenerator, BAndHInFigureAndChords) {
  EXPECT_EQ(Part({"4(H), 4(B), "}, "8a5, 8e6, "), (Lines{"1*8b5, 1*8f#6, ", "1*8a#5, 1*8f6, "}));
  // In the figure b and h both name B natural.
  EXPECT_EQ(Part({"4(C)"}, "8a5, 8b5, "), (Lines{"1*8c5, 1*8d5, "}));
  EXPECT_EQ(Part({"4(C)"}, "8a5, 8h5, "), (Lines{"1*8c5, 1*8d5, "}));
}

TEST(PatternGenerator, FigureIsCutOrRepeatedToFillTheChord) {
  // The first step is written even when it alone is longer than the chord.
  EXPECT_EQ(Part({"8(Am)"}, "4a5, 4e6, "), (Lines{"1*4a5, "}));
  // A step that does not fit into what remains becomes a rest of sixteenths.
  EXPECT_EQ(Part({"4(Am)"}, "8a5, 4c6, "), (Lines{"1*8a5, 2*16p, "}));
  // A dotted chord lasts half as long again: 6 sixteenths hold both steps.
  EXPECT_EQ(Part({"4.(Am)"}, "8a5, 4c6, "), (Lines{"1*8a5, 1*4c6, "}));
  EXPECT_EQ(Part({"2*4.(Am)"}, "8a5, 4c6, "), (Lines{"1*8a5, 1*4c6, 1*8a5, 1*4c6, "}));
  // Every chord starts the figure from its first step; repeat factors are kept.
  EXPECT_EQ(Part({"4(Am), 2*4(Am)"}, "2*8a5, 8e6, "), (Lines{"2*8a5, ", "2*8a5, 1*8e6, 2*16p, "}));
  // Text after the last comma is no step; a figure of one step repeats alone.
  EXPECT_EQ(Part({"4(Am)"}, "8a5, 8c6"), (Lines{"1*8a5, 1*8a5, "}));
  // A chord of a thirty-second lasts no sixteenth: only the first step.
  EXPECT_EQ(Part({"32(Am)"}, kFigure), (Lines{"1*8a5, "}));
  // A step shorter than a sixteenth takes no time but is written each round.
  EXPECT_EQ(Part({"8(Am)"}, "16a5, 32e6, "), (Lines{"1*16a5, 1*32e6, 1*16a5, "}));
}

TEST(PatternGenerator, BarFittingOfTheFinalRest) {
  // 4/4: five eighths and a rest; the rest fills the bar.
  EXPECT_EQ(Part({"1(Am)"}, "8a5, 8c6, 8e6, 8c6, 8a5, 8p, "),
            (Lines{"1*8a5, 1*8c6, 1*8e6, 1*8c6, 1*8a5, 3*8p, "}));
  // Notes that end on a bar line lose the rest.
  EXPECT_EQ(Part({"1(Am)"}, Repeat("8a5, ", 8) + "8p, "), (Lines{Repeat("1*8a5, ", 8)}));
  // 3/4: four eighths and a rest end with the rest 2*8; six eighths lose it.
  EXPECT_EQ(Part({"3*4(Am)"}, Repeat("8a5, ", 4) + "5*8p, ", PartMode::BassOrPicking, 6),
            (Lines{Repeat("1*8a5, ", 4) + "2*8p, "}));
  EXPECT_EQ(Part({"3*4(Am)"}, Repeat("8a5, ", 6) + "8p, ", PartMode::BassOrPicking, 6),
            (Lines{Repeat("1*8a5, ", 6)}));
  // The new rest is written in the box's note length; factors alone are counted.
  EXPECT_EQ(Part({"1(Am)"}, "16a5, 2*16c6, 16p, ", PartMode::BassOrPicking, 8, "16"),
            (Lines{Repeat("1*16a5, 2*16c6, 5*16p, ", 2)}));
  // A rest that is not the last step is left alone.
  EXPECT_EQ(Part({"4(Am)"}, "8p, 8a5, "), (Lines{"1*8p, 1*8a5, "}));
}

TEST(PatternGenerator, ChordRestsAndDrums) {
  // Over a chord rest the figure's rhythm stays and every step is a rest.
  EXPECT_EQ(Part({"4(P), 4(p)"}, "8a5, 8c6, "), (Lines{"1*8p, 1*8p, ", "1*8p, 1*8p, "}));
  // Drum mode reads every chord, a chord rest too, as the base chord: the keys stay.
  EXPECT_EQ(Part({"1(C), 4(P), "}, "8c4, 8f#4, ", PartMode::Drums),
            (Lines{Repeat("1*8c4, 1*8f#4, ", 4), "1*8c4, 1*8f#4, "}));
  // Drum mode does not read the symbol, so any symbol will do.
  EXPECT_EQ(Part({"4(E#)"}, "8c4, 8f#4, ", PartMode::Drums), (Lines{"1*8c4, 1*8f#4, "}));
}

TEST(PatternGenerator, ChordRecordLayout) {
  // Two lines of three items give six lines; blanks go, empty lines are skipped,
  // a final comma is optional and text after ")" is ignored.
  EXPECT_EQ(Part({"8(C), 8(D), 8(E)", "", "   ", "8 ( F ) , 8(G)x, 8(A),"}, "8a5, "),
            (Lines{"1*8c5, ", "1*8d5, ", "1*8e5, ", "1*8f5, ", "1*8g5, ", "1*8a5, "}));
  // Only the given line is the pattern; blanks around a token are dropped.
  EXPECT_EQ(Part({"8(Am)"}, "  8a5 ,  "), (Lines{"1*8a5, "}));
}

TEST(PatternGenerator, RefusesWithoutChords) {
  EXPECT_EQ(RefusalMessage({}, kFigure), "Не вижу аккорды, нечего ваять!");
  EXPECT_EQ(RefusalMessage({"", "   "}, kFigure), "Не вижу аккорды, нечего ваять!");
  // The chords are looked at first.
  EXPECT_EQ(RefusalMessage({}, ""), "Не вижу аккорды, нечего ваять!");
}

TEST(PatternGenerator, RefusesAnUnusablePatternNamingTheStep) {
  const Lines chords = {"4(Am)"};
  EXPECT_NE(RefusalMessage(chords, "").find("нет ни одной ноты"), std::string::npos);
  // The bar fitting drops a lone rest.
  EXPECT_NE(RefusalMessage(chords, "32*8p, ").find("нет ни одной ноты"), std::string::npos);
  EXPECT_NE(RefusalMessage(chords, Repeat("16a5, ", 33)).find("33 шагов"), std::string::npos);
  EXPECT_TRUE(Part(chords, Repeat("16a5, ", 32)).size() == 1);

  const std::vector<std::pair<std::string, std::string>> faults = {
      {"8a5, 8C6, ", "шаг 2 \"8C6\": нет названия ноты"},
      {"8P, ", "шаг 1 \"8P\": нет названия ноты"},
      {"8a5, 8a.5, ", "шаг 2 \"8a.5\": ноты с точкой"},
      {"4.a5, ", "шаг 1 \"4.a5\": ноты с точкой"},
      {"8e#5, ", "шаг 1 \"8e#5\": нет такой ноты \"e#\""},
      {"8ab5, ", "нет такой ноты \"ab\""},
      {"8a, ", "шаг 1 \"8a\": нет октавы"},
      {"8a5x, ", "октава \"5x\" не число"},
      {"a5, ", "шаг 1 \"a5\": нет длительности"},
      {"0a5, ", "шаг 1 \"0a5\": длительность \"0\" недопустима: пишется 1, 2, 4, 8, 16 или 32"},
      // Only what the melody compiler plays: lengths of the notation, factors
      // from 1, steps it can time and notes within c1..g11.
      {"3a5, 8c6, ", "шаг 1 \"3a5\": длительность \"3\" недопустима"},
      {"64c6, ", "шаг 1 \"64c6\": длительность \"64\" недопустима"},
      {"0008e6, ", "шаг 1 \"0008e6\": длительность \"0008\" недопустима"},
      {"0*8a5, ", "шаг 1 \"0*8a5\": число повторов не может быть 0"},
      {"11184811*8a5, ", "шаг 1 \"11184811*8a5\": слишком длинный шаг"},
      {"8a0, ", "шаг 1 \"8a0\": нота вне пределов c1..g11"},
      {"8g#11, ", "шаг 1 \"8g#11\": нота вне пределов c1..g11"},
      {"x*8a5, ", "перед \"*\" должно стоять число повторов"},
      {"2*a5, ", "нет длительности"},
      {"8a5, , 8c6, ", "шаг 2 \"\": пустой шаг"},
      // Without the blank after a comma the next token loses its first character.
      {"8a5,8c6, ", "шаг 2 \"c6\": нет длительности"},
  };
  for (const auto& [pattern, expected] : faults) {
    const std::string message = RefusalMessage(chords, pattern);
    EXPECT_NE(message.find(expected), std::string::npos) << pattern << " -> " << message;
    EXPECT_EQ(message.find("Шаблон (первая строка мелодии)"), 0u) << message;
  }
  EXPECT_NE(RefusalMessage(chords, "32a5, 32c6, ").find("короче шестнадцатой"), std::string::npos);
}

TEST(PatternGenerator, RefusesAPartTheMelodyCompilerWouldNotTake) {
  const struct {
    Lines chords;
    std::string pattern;
    std::string message;
  } cases[] = {
      // Moved to C major, c1 becomes e0; moved to H, g11 becomes a11.
      {{"4(Am), 8(C)"},
       "8c1, ",
       "Шаблон (первая строка мелодии), шаг 1 \"8c1\": над аккордом \"8(C)\" в строке 1 записи аккордов "
       "нота ушла бы за пределы c1..g11."},
      {{"8(Am)", "8(H)"},
       "8g11, ",
       "Шаблон (первая строка мелодии), шаг 1 \"8g11\": над аккордом \"8(H)\" в строке 2 записи аккордов "
       "нота ушла бы за пределы c1..g11."},
      // Two chord rests make one run of rests, longer than a delta time holds.
      {{"4(P), 4(P)"},
       "11184810*8p, 8a5, ",
       "Партию не скомпилировать: Строка 2, элемент \"11184810*8p\": слишком длинная пауза."},
  };
  for (const auto& [chords, pattern, message] : cases)
    EXPECT_EQ(RefusalMessage(chords, pattern), message) << pattern;
  // The same figures where they stay within what the compiler takes.
  EXPECT_EQ(Part({"8(Am)"}, "8c1, "), (Lines{"1*8c1, "}));
  EXPECT_EQ(Part({"8(C)"}, "8g11, "), (Lines{"1*8a#10, "}));
  EXPECT_EQ(Part({"4(P)"}, "11184810*8p, 8a5, "), (Lines{"11184810*8p, "}));
}

TEST(PatternGenerator, RefusesChordItemsOutsideTheFormNamingTheLine) {
  const std::vector<std::pair<Lines, std::string>> faults = {
      {{"4(Am)", "A3:8(Dm), 4(C)"},
       "В записи присутствует арпеджио: \"A3:8(Dm)\" в строке 2 записи аккордов"},
      {{"x(Am)"}, "Аккорд \"x(Am)\" в строке 1 записи аккордов: нет длительности."},
      {{"4x(Am)"}, "после длительности должна стоять скобка \"(\""},
      {{"4(Am), 0(C)"}, "Аккорд \"0(C)\" в строке 1 записи аккордов: длительность не может быть 0."},
      {{"*4(Am)"}, "перед \"*\" должно стоять число повторов"},
      {{"4(Am"}, "нет закрывающей скобки"},
      {{"4Am)"}, "после длительности должна стоять скобка"},
      {{"4(E#)"}, "Аккорд \"4(E#)\" в строке 1 записи аккордов: не знаю аккорда \"E#\""},
      {{"4(Xm)"}, "не знаю аккорда \"Xm\""},
      {{"4()"}, "нет названия аккорда"},
      {{"4(Am), , 4(C)"}, "Пустой аккорд (две запятые подряд) в строке 1 записи аккордов."},
      {{"99999*1(Am)"}, "слишком длинный аккорд"},
      {{"99999999999*1(Am)"}, "слишком длинный аккорд"},
  };
  for (const auto& [chords, expected] : faults) {
    const std::string message = RefusalMessage(chords, kFigure);
    EXPECT_NE(message.find(expected), std::string::npos) << chords.back() << " -> " << message;
  }
  // The form is required in drum mode too; only the symbol is not read there.
  EXPECT_NE(RefusalMessage({"A3:8(Dm)"}, kFigure, PartMode::Drums).find("арпеджио"), std::string::npos);
}

TEST(PatternGenerator, TheNoteLengthBoxIsCheckedOnlyForTheFinalRestItWrites) {
  struct Case {
    std::string pattern;
    std::string box;
    Lines part; // empty: refused for the box
  };
  const std::vector<Case> cases = {
      {"8a5, 8c6, 8p, ", "", {}},
      {"8a5, 8c6, 8p, ", "abc", {}},
      {"8a5, 8c6, 8p, ", "0", {}},
      {"8a5, 8c6, 8p, ", "3", {}},
      {"8a5, 8c6, 8p, ", "08", {}},
      // Without a final rest, or with one that the fitting drops, the box is not used.
      {kFigure, "", {"1*8a5, 1*8c6, "}},
      {kFigure, "abc", {"1*8a5, 1*8c6, "}},
      {Repeat("8a5, ", 8) + "8p, ", "3", {"1*8a5, 1*8a5, "}},
  };
  for (const Case& c : cases) {
    if (c.part.empty())
      EXPECT_EQ(RefusalMessage({"4(Am)"}, c.pattern, PartMode::BassOrPicking, c.box),
                "Недопустимая длина ноты в поле \"Дл.ноты\": \"" + c.box + "\". Выберите 4, 8 или 16.");
    else
      EXPECT_EQ(Part({"4(Am)"}, c.pattern, PartMode::BassOrPicking, 8, c.box), c.part) << c.pattern;
  }
}

TEST(PatternGenerator, GeneratedPartCompilesAndMidicsvReadsIt) {
  const Lines part = Part({"4(C), 4(Em), "}, kFigure);
  test::TempDir dir;
  const auto file = dir.path() / "ch1v1m.mid";
  test::WriteBytes(file, melody::CompileMelody(part, SoundSettings{}));
  // c5 e5 over C, e5 g5 over Em: notes 48, 52, 52, 55, each an eighth of 24 ticks.
  EXPECT_EQ(test::MidiCsvNotes(file),
            (Lines{"2 0 Note_on_c 0 48 100", "2 24 Note_off_c 0 48 100", "2 24 Note_on_c 0 52 100",
                   "2 48 Note_off_c 0 52 100", "2 48 Note_on_c 0 52 100", "2 72 Note_off_c 0 52 100",
                   "2 72 Note_on_c 0 55 100", "2 96 Note_off_c 0 55 100"}));
}
