#include "TestSupport.h"
#include "generators/PatternGenerator.h"
#include "generators/RhythmGenerator.h"

#include <gtest/gtest.h>

using namespace arvento;
using namespace arvento::test;
using generators::PartMode;
using Lines = std::vector<std::string>;

namespace {
constexpr PartMode kBass = PartMode::BassOrPicking, kDrums = PartMode::Drums;
const std::string kFigure = "8a5, 8c6, 8e6, 8c6, ";
// Bars over columns 1 to 2 and over column 4 of a 4/4 row: strokes 2*8 and 8, rests 8 and 28*8, which the
// bar fitting makes 4*8 so that the rhythm lasts one bar.
const Lines kRowKeys = {"101,2", "103,1p", "104,1", "105,28p", "105,28p%"};

std::string RhythmError(const Lines& keys) {
  return ErrorText([&] { generators::GenerateRhythm(keys, {"4(Am)"}, 8, "8"); });
}

struct PatternCase {
  Lines chords;
  std::string figure;
  std::string part; // the lines joined by "|", or a piece of the refusal
  PartMode mode = kBass;
  int barCells = 8;
  std::string box = "8";
  std::string Generated() const {
    return Joined(generators::GeneratePatternPart(chords, figure, mode, barCells, box));
  }
};

struct RhythmCase {
  Lines keys, chords;
  std::string lines; // joined by "|", or the start of the refusal
  int barCells = 8;
  std::string box = "8";
  std::string Generated() const { return Joined(generators::GenerateRhythm(keys, chords, barCells, box)); }
};
} // namespace

TEST(PatternGenerator, TheFigureMovesToEveryRoot) {
  std::vector<PatternCase> cases = {
      // Onto pitch class 12 or past it a note carries into the next octave, up to c11; below c it borrows.
      {{"4(B), 4(H)"}, "8b5, 8a#10, ", "1*8c6, 1*8b10, |1*8c#6, 1*8c11, "},
      {{"4(H)"}, "8h5, 8a#5, ", "1*8c#6, 1*8c6, "},
      {{"4(Cm)"}, "8g#6, 8c6, ", "1*8b5, 1*8d#5, "},
  };
  // The figure is recorded over A minor; chord symbols write B for B flat and H for B natural.
  const std::pair<std::string, std::string> rootToA[] = {
      {"C", "c5"},   {"C#", "c#5"}, {"D", "d5"},   {"D#", "d#5"}, {"E", "e5"},   {"F", "f5"},
      {"F#", "f#5"}, {"G", "g5"},   {"G#", "g#5"}, {"A", "a5"},   {"A#", "a#5"}, {"B", "a#5"},
      {"H", "b5"},   {"Hm", "b5"},  {"h", "b5"},   {"b7", "a#5"},
  };
  for (const auto& [chord, a] : rootToA)
    cases.push_back({{"8(" + chord + ")"}, "8a5, ", "1*8" + a + ", "});
  for (const PatternCase& c : cases)
    EXPECT_EQ(c.Generated(), c.part) << c.chords[0];
}

// A symbol is minor when it holds an M in either case and no MAJ; over a major chord the figure's c is
// raised to c#. The first step is written even when it outlasts the chord; a step that does not fit becomes
// a rest of sixteenths. A final rest fills the last bar in the box's length, or goes on a bar line.
TEST(PatternGenerator, PartsOfChordsAndFigures) {
  const PatternCase cases[] = {
      // The worked examples: over C major the figure's c lands on e, over E minor on g.
      {{"4(C), 4(Em), "}, kFigure, "1*8c5, 1*8e5, |1*8e5, 1*8g5, "},
      {{"2(Am), "}, kFigure, "1*8a5, 1*8c6, 1*8e6, 1*8c6, "},
      {{"1(A), "}, kFigure, Repeat("1*8a5, 1*8c#6, 1*8e6, 1*8c#6, ", 2)},
      {{"8(Am), 8(am), 8(Am7), 8(AM), 8(Adim)"}, "8c6, ", Repeat("1*8c6, |", 4) + "1*8c6, "},
      {{"8(A), 8(A7), 8(Amaj7), 8(Asus)"}, "8c6, ", Repeat("1*8c#6, |", 3) + "1*8c#6, "},
      {{"4(A)"}, "8c#6, 8d6, ", "1*8c#6, 1*8d6, "},
      {{"8(Am)"}, "4a5, 4e6, ", "1*4a5, "},
      {{"4(Am)"}, "8a5, 4c6, ", "1*8a5, 2*16p, "},
      {{"4.(Am), 2*4.(Am)"}, "8a5, 4c6, ", "1*8a5, 1*4c6, |1*8a5, 1*4c6, 1*8a5, 1*4c6, "},
      {{"4(Am), 2*4(Am)"}, "2*8a5, 8e6, ", "2*8a5, |2*8a5, 1*8e6, 2*16p, "},
      {{"8(Am)"}, "16a5, 32e6, ", "1*16a5, 1*32e6, 1*16a5, "},
      {{"1(Am)"}, "8a5, 8c6, 8e6, 8c6, 8a5, 8p, ", "1*8a5, 1*8c6, 1*8e6, 1*8c6, 1*8a5, 3*8p, "},
      {{"1(Am)"}, Repeat("8a5, ", 8) + "8p, ", Repeat("1*8a5, ", 8), kBass, 8, "3"},
      {{"3*4(Am)"}, Repeat("8a5, ", 4) + "5*8p, ", Repeat("1*8a5, ", 4) + "2*8p, ", kBass, 6},
      {{"2(Am)"}, "16a5, 2*16c6, 16p, ", "1*16a5, 2*16c6, 5*16p, ", kBass, 8, "16"},
      {{"4(Am)"}, "8p, 8a5, ", "1*8p, 1*8a5, ", kBass, 8, "abc"},
      {{"4(P), 4(p)"}, "8a5, 8c6, ", "1*8p, 1*8p, |1*8p, 1*8p, "}, // over a chord rest, rests
      {{"4(C), 4(P), 4(E#)"}, "8c4, 8f#4, ", Repeat("1*8c4, 1*8f#4, |", 2) + "1*8c4, 1*8f#4, ", kDrums},
      // Blanks go, empty lines are skipped, a final comma is optional and text after ")" is ignored.
      {{"8(C), 8(D)", "", "   ", "8 ( F ) , 8(G)x,"}, "  8a5 ,  ", "1*8c5, |1*8d5, |1*8f5, |1*8g5, "},
      // The highest note, the longest rest and the most steps that the melody compiler takes.
      {{"8(C)"}, "8g11, ", "1*8a#10, "},
      {{"4(P)"}, "11184810*8p, 8a5, ", "11184810*8p, "},
      {{"4(Am)"}, Repeat("16a5, ", 32), Repeat("1*16a5, ", 4)},
  };
  for (const PatternCase& c : cases)
    EXPECT_EQ(c.Generated(), c.part) << c.chords[0] << c.figure;
}

TEST(PatternGenerator, RefusalsNameWhatCannotBeUsed) {
  const std::string step = "Шаблон (первая строка мелодии), шаг ";
  const PatternCase cases[] = {
      {{"", "   "}, "", "Не вижу аккорды, нечего ваять!"}, // the chords are looked at first
      {{"4(Am)"}, "", "Не вижу шаблона: в первой строке мелодии нет ни одной ноты."},
      {{"4(Am)"}, Repeat("16a5, ", 33), "слишком длинный: 33 шагов, а помещается не больше 32."},
      {{"4(Am)"}, "32a5, 32c6, ", "Все ноты шаблона короче шестнадцатой"},
      {{"4(Am)"}, "8a5, 8C6, ", step + "2 \"8C6\": нет названия ноты"},
      {{"4(Am)"}, "8a5, 8a.5, ", step + "2 \"8a.5\": ноты с точкой шаблон не понимает."},
      {{"4(Am)"}, "8e#5, ", step + "1 \"8e#5\": нет такой ноты \"e#\"."},
      {{"4(Am)"}, "8a, ", step + "1 \"8a\": нет октавы."},
      {{"4(Am)"}, "8a5x, ", step + "1 \"8a5x\": октава \"5x\" не число."},
      {{"4(Am)"}, "a5, ", step + "1 \"a5\": нет длительности."},
      {{"4(Am)"}, "3a5, ", step + "1 \"3a5\": длительность \"3\" недопустима"},
      {{"4(Am)"}, "0*8a5, ", step + "1 \"0*8a5\": число повторов не может быть 0."},
      {{"4(Am)"}, "x*8a5, ", step + "1 \"x*8a5\": перед \"*\" должно стоять число повторов."},
      {{"4(Am)"}, "11184811*8a5, ", step + "1 \"11184811*8a5\": слишком длинный шаг."},
      {{"4(Am)"}, "8g#11, ", step + "1 \"8g#11\": нота вне пределов c1..g11."},
      {{"4(Am)"}, "8a5, , 8c6, ", step + "2 \"\": пустой шаг между запятыми."},
      // Moved to C major, c1 becomes e0; moved to H, g11 becomes a11; chord rests in a row make one rest.
      {{"4(Am), 8(C)"}, "8c1, ", step + "1 \"8c1\": над аккордом \"8(C)\" в строке 1 записи аккордов нота"},
      {{"8(Am)", "8(H)"}, "8g11, ", "\"8g11\": над аккордом \"8(H)\" в строке 2 записи"},
      {{"4(P), 4(P)"}, "11184810*8p, 8a5, ", "Партию не скомпилировать: Строка 2, элемент \"11184810*8p\""},
      // Chord items outside the form, named with their line.
      {{"4(Am)", "A3:8(Dm), 4(C)"}, kFigure, "В записи присутствует арпеджио: \"A3:8(Dm)\" в строке 2"},
      {{"x(Am)"}, kFigure, "Аккорд \"x(Am)\" в строке 1 записи аккордов: нет длительности."},
      {{"4x(Am)"}, kFigure, "после длительности должна стоять скобка \"(\""},
      {{"4(Am), 0(C)"}, kFigure, "Аккорд \"0(C)\" в строке 1 записи аккордов: длительность не может быть 0."},
      {{"*4(Am)"}, kFigure, "перед \"*\" должно стоять число повторов"},
      {{"4(Am"}, kFigure, "нет закрывающей скобки"},
      {{"4(E#)"}, kFigure, "Аккорд \"4(E#)\" в строке 1 записи аккордов: не знаю аккорда \"E#\"; основной"},
      {{"4()"}, kFigure, "нет названия аккорда"},
      {{"4(Am), , 4(C)"}, kFigure, "Пустой аккорд (две запятые подряд) в строке 1 записи аккордов."},
      {{"99999*1(Am)"}, kFigure, "слишком длинный аккорд"},
      {{"99999999999*1(Am)"}, kFigure, "слишком длинный аккорд"},
      {{"4(Am)"}, "8a5, 8p, ", "Недопустимая длина ноты в поле \"Дл.ноты\": \"\". Выберите", kBass, 8, ""},
  };
  for (const PatternCase& c : cases)
    EXPECT_NE(c.Generated().find(c.part), std::string::npos) << c.figure << " -> " << c.Generated();
}

// Each chord item is struck in the drawn rhythm, its symbol as written; what does not fit is a rest of
// sixteenths (P). Bars have 8 columns in 4/4, 6 in 3/4; the note length box gives every step's value.
TEST(RhythmGenerator, StrokesAndRestsOfEveryChord) {
  const std::string bar = "2*8(Am), 1*8(p), 1*8(Am), 4*8(p), ";
  const RhythmCase cases[] = {
      {kRowKeys, {"1(Am), 2(C),"}, bar + "|2*8(C), 1*8(p), 1*8(C), "}, // the worked example
      {kRowKeys, {"8(Am),", "2*1(Am)"}, "2*8(Am), |" + bar + bar},
      {kRowKeys, {"3*4(Am), 8.(C)"}, "2*8(Am), 1*8(p), 1*8(Am), 4*16(P), |2*8(C), "},
      {kRowKeys, {" 2 ( am7/+9 ) ", ""}, "2*8(am7/+9), 1*8(p), 1*8(am7/+9), "},
      {kRowKeys, {"1(P)"}, "2*8(P), 1*8(p), 1*8(P), 4*8(p), "},
      {{"101,2", "103,22p", "103,22p%"}, {"2.(Am)"}, "2*8(Am), 4*8(p), ", 6},
      {{"101,1", "102,31p", "102,31p%"}, {"4.(Am)"}, "1*16(Am), 5*16(P), ", 8, "16"},
      {{"101,1", "102,1p", "103,1", "104,29p", "104,29p%"}, {"2(Am)"}, "1*4(Am), 1*4(p), ", 8, "4"},
  };
  for (const RhythmCase& c : cases)
    EXPECT_EQ(c.Generated(), c.lines) << c.chords[0];
  // Refusals change nothing; an arpeggio mark is refused anywhere, even where no item would read it.
  const RhythmCase refusals[] = {
      {kRowKeys, {" "}, "Не вижу аккордов, нечего ваять!"},
      {kRowKeys, {"4(Am) // 1:2"}, "В записи присутствует арпеджио. Удалите его"},
      {{"101,32p", "101,32p%"}, {"4(Am)"}, "Не вижу ритма: на сетке нет ни одного штриха."},
      {{"101,2", "103,30p", "103,30p%"}, {"4(Am)"}, "Все шаги ритма короче шестнадцатой", 8, "32"},
      {kRowKeys, {"4(Am)"}, "Недопустимая длина ноты в поле \"Дл.ноты\": \"7\".", 8, "7"},
      {kRowKeys, {"4(Am), 2(C)", "4(Am), 0(C)"}, "Аккорд \"0(C)\" в строке 2 записи аккордов"},
  };
  for (const RhythmCase& c : refusals)
    EXPECT_EQ(c.Generated().rfind(c.lines, 0), 0u) << c.Generated();
}

TEST(RhythmGenerator, AtMost32RunsAndOnlyKeysTheRunCollectionGives) {
  // A row of 32 columns holds 32 runs at most: one-column bars and gaps in turn all become steps.
  Lines runs;
  std::string strokes;
  for (int column = 1; column <= 32; ++column) {
    runs.push_back(std::to_string(100 + column) + (column % 2 == 1 ? ",1" : ",1p"));
    strokes += column % 2 == 1 ? "1*8(Am), " : "1*8(p), ";
  }
  runs.push_back(runs.back() + "%");
  EXPECT_EQ(RhythmCase({runs, {"4*1(Am)"}, strokes}).Generated(), strokes);
  runs.back() = "133,1";
  runs.push_back("133,1%");
  EXPECT_EQ(RhythmError(runs), "В строке сетки не бывает больше 32 серий, а их 33");
  for (const Lines& unmarked : {Lines{"101,2"}, Lines{}})
    EXPECT_EQ(RhythmError(unmarked),
              "Список серий должен кончаться меткой конца строки (последний ключ с \"%\")");
  for (const std::string key :
       {"1012", ",2", "101,", "101,0", "101,2x", "1a1,2", "101,p", "001,1", "100,1", "1001,1"})
    EXPECT_EQ(RhythmError({key, key + "%"}),
              "Ключ серии \"" + key + "\" не похож на ключ сетки (например 101,2 или 103,1p)");
}
