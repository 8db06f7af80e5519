#include "core/Error.h"
#include "generators/RhythmGenerator.h"
#include "melody/GridRuns.h"

#include <gtest/gtest.h>

using namespace arvento;
using generators::GenerateRhythm;
using GeneratorResult = Outcome<std::vector<std::string>>;
using Lines = std::vector<std::string>;

namespace {
// Bars over columns 1 to 2 and over column 4 of a 4/4 row, nothing else.
const Lines kFigureKeys = {"101,2", "103,1p", "104,1", "105,28p", "105,28p%"};

Lines Rhythm(const Lines& keys, const Lines& chords, int barCells = 8, const std::string& noteLength = "8") {
  const GeneratorResult result = GenerateRhythm(keys, chords, barCells, noteLength);
  EXPECT_FALSE(result.Refused()) << result.RefusalText();
  return result.Result();
}

std::string RefusalMessage(const Lines& keys, const Lines& chords, const std::string& noteLength = "8") {
  const GeneratorResult result = GenerateRhythm(keys, chords, 8, noteLength);
  EXPECT_TRUE(result.Refused());
  return result.RefusalText();
}

std::string ErrorOf(const Lines& keys) {
  try {
    GenerateRhythm(keys, {"4(Am)"}, 8, "8");
  } catch (const Error& error) {
    return error.what();
  }
  return "no error";
}
} // namespace

TEST(RhythmGenerator, WorkedExamples) {
  // Steps 2*8 stroke, 8 rest, 8 stroke, 28*8 rest; the bar fitting makes the
  // last one 4*8, so the figure lasts one bar.
  EXPECT_EQ(Rhythm(kFigureKeys, {"1(Am), 2(C),"}),
            (Lines{"2*8(Am), 1*8(p), 1*8(Am), 4*8(p), ", "2*8(C), 1*8(p), 1*8(C), "}));
  EXPECT_EQ(Rhythm(kFigureKeys, {"3*4(Am),"}), (Lines{"2*8(Am), 1*8(p), 1*8(Am), 4*16(P), "}));
  // The first step is written though it is longer than the chord.
  EXPECT_EQ(Rhythm(kFigureKeys, {"8(Am),"}), (Lines{"2*8(Am), "}));
  // A chord longer than the figure repeats it from its start.
  EXPECT_EQ(Rhythm(kFigureKeys, {"2*1(Am)"}),
            (Lines{"2*8(Am), 1*8(p), 1*8(Am), 4*8(p), 2*8(Am), 1*8(p), 1*8(Am), 4*8(p), "}));
}

TEST(RhythmGenerator, BarFitting) {
  // A bar over all 32 columns: one stroke.
  EXPECT_EQ(Rhythm({"101,32", "101,32%"}, {"1(Am)"}), (Lines{"32*8(Am), "}));
  // A last bar ending on a bar line loses the final rest: the figure is one bar.
  EXPECT_EQ(Rhythm({"101,8", "109,24p", "109,24p%"}, {"2*1(Am)"}), (Lines{"8*8(Am), 8*8(Am), "}));
  // 3/4: a bar of two columns and the gap to the row's end fill a bar of six.
  EXPECT_EQ(Rhythm({"101,2", "103,22p", "103,22p%"}, {"2.(Am)"}, 6), (Lines{"2*8(Am), 4*8(p), "}));
  EXPECT_EQ(Rhythm({"101,6", "107,18p", "107,18p%"}, {"2.(Am)"}, 6), (Lines{"6*8(Am), "}));
  // The note length box gives every step's note value.
  EXPECT_EQ(Rhythm({"101,2", "103,30p", "103,30p%"}, {"4(Am)"}, 8, "16"), (Lines{"2*16(Am), 2*16(P), "}));
  EXPECT_EQ(Rhythm({"101,1", "102,1p", "103,1", "104,29p", "104,29p%"}, {"2(Am)"}, 8, "4"),
            (Lines{"1*4(Am), 1*4(p), "}));
}

TEST(RhythmGenerator, ChordSymbolsAreWrittenBackAsWritten) {
  // A chord rest gives strokes (P) and rests (p).
  EXPECT_EQ(Rhythm(kFigureKeys, {"1(P)"}), (Lines{"2*8(P), 1*8(p), 1*8(P), 4*8(p), "}));
  EXPECT_EQ(Rhythm(kFigureKeys, {"2 ( am7/+9 ) , 2(Hm)", "", "2(B)"}),
            (Lines{"2*8(am7/+9), 1*8(p), 1*8(am7/+9), ", "2*8(Hm), 1*8(p), 1*8(Hm), ",
                   "2*8(B), 1*8(p), 1*8(B), "}));
}

TEST(RhythmGenerator, RefusalsChangeNothing) {
  EXPECT_EQ(RefusalMessage(kFigureKeys, {}), "Не вижу аккордов, нечего ваять!");
  EXPECT_EQ(RefusalMessage(kFigureKeys, {" "}), "Не вижу аккордов, нечего ваять!");
  // An arpeggio mark anywhere in the record, even where no item would read it.
  EXPECT_EQ(RefusalMessage(kFigureKeys, {"4(Am)", "A3:8(Dm)"}),
            "В записи присутствует арпеджио. Удалите его и попробуйте еще раз.");
  EXPECT_EQ(RefusalMessage(kFigureKeys, {"4(Am) // 1:2"}),
            "В записи присутствует арпеджио. Удалите его и попробуйте еще раз.");
  // A row without a bar leaves no step.
  EXPECT_NE(RefusalMessage({"101,32p", "101,32p%"}, {"4(Am)"}).find("нет ни одного штриха"),
            std::string::npos);
  EXPECT_NE(RefusalMessage({"101,2", "103,30p", "103,30p%"}, {"4(Am)"}, "32").find("короче шестнадцатой"),
            std::string::npos);
  EXPECT_EQ(RefusalMessage(kFigureKeys, {"4(Am)"}, "7"),
            "Недопустимая длина ноты в поле \"Дл.ноты\": \"7\". Выберите 4, 8 или 16.");
  EXPECT_EQ(RefusalMessage(kFigureKeys, {"4(Am), 2(C)", "4(Am), 0(C)"}),
            "Аккорд \"0(C)\" в строке 2 записи аккордов: длительность не может быть 0.");
  EXPECT_NE(RefusalMessage(kFigureKeys, {"4(Am"}).find("нет закрывающей скобки"), std::string::npos);
  EXPECT_NE(RefusalMessage(kFigureKeys, {"4(Am),,"}).find("Пустой аккорд"), std::string::npos);
}

TEST(RhythmGenerator, RejectsKeysTheRunCollectionCannotProduce) {
  EXPECT_NE(ErrorOf({"101,2"}).find("метк"), std::string::npos);
  EXPECT_NE(ErrorOf({}).find("метк"), std::string::npos);
  for (const std::string key :
       {"1012", ",2", "101,", "101,0", "101,2x", "1a1,2", "101,p", "0,1", "001,1", "100,1", "1001,1"})
    EXPECT_NE(ErrorOf({key, key + "%"}).find("\"" + key + "\""), std::string::npos) << key;
  Lines many;
  for (int column = 1; column <= 33; ++column)
    many.push_back(std::to_string(100 + column) + ",1");
  many.push_back(many.back() + "%");
  EXPECT_NE(ErrorOf(many).find("33"), std::string::npos);
}

TEST(RhythmGenerator, DottedChordsLastHalfAsLongAgain) {
  // 2. is 12 sixteenths: the figure's bar of 16 is cut after 8 with a rest of 4.
  EXPECT_EQ(Rhythm(kFigureKeys, {"2.(Am), 2*4.(C)"}),
            (Lines{"2*8(Am), 1*8(p), 1*8(Am), 4*16(P), ", "2*8(C), 1*8(p), 1*8(C), 4*16(P), "}));
  EXPECT_EQ(Rhythm(kFigureKeys, {"8.(Am)"}), (Lines{"2*8(Am), "}));
  EXPECT_EQ(Rhythm({"101,1", "102,31p", "102,31p%"}, {"4.(Am)"}, 8, "16"), (Lines{"1*16(Am), 5*16(P), "}));
}

TEST(RhythmGenerator, ReadsTheKeysOfThePatternRunCollection) {
  // A 4/4 pattern row with bars over columns 1 to 2 and over column 4.
  constexpr int kCellWidth = 24;
  const auto sample = [](int x) {
    const bool red = x == 1 * kCellWidth - kCellWidth / 2 || x == 1 * kCellWidth ||
                     x == 2 * kCellWidth - kCellWidth / 2 || x == 4 * kCellWidth - kCellWidth / 2;
    return red ? melody::Sample::Red : melody::Sample::Silver;
  };
  const Lines keys = melody::CollectPatternRuns(32, sample, kCellWidth);
  EXPECT_EQ(keys, kFigureKeys);
  EXPECT_EQ(Rhythm(keys, {"1(Am)"}), (Lines{"2*8(Am), 1*8(p), 1*8(Am), 4*8(p), "}));
}
