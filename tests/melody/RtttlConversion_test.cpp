#include "GridModel.h"
#include "core/Error.h"
#include "melody/MelodyCompiler.h"
#include "melody/RhythmText.h"
#include "melody/RtttlConversion.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

using namespace arvento;
using melody::MelodySlot;
using melody::RhythmToRtttl;
using Lines = std::vector<std::string>;

namespace {
// The refusal text, empty when the conversion wrote lines.
std::string RefusalOf(const Outcome<Lines>& lines) {
  return lines.Refused() ? lines.RefusalText() : "";
}

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i)
    result += text;
  return result;
}

const std::string kWorkedExampleLine = "2*8c7, 8d7, 29*8p, " + Repeat("32*8p, ", 7);

// The pitches the compiler sounds for the lines, from their note-on events.
std::vector<int> SoundedPitches(const Lines& lines) {
  std::vector<int> pitches;
  for (const std::string& event : melody::MelodyEvents(lines, 1, 100)) {
    std::istringstream in(event);
    const std::vector<std::string> bytes{std::istream_iterator<std::string>(in), {}};
    // Every byte of the delta time but its last has the top bit set.
    std::size_t status = 0;
    while (std::stoi(bytes.at(status), nullptr, 16) >= 0x80)
      ++status;
    ++status;
    if (bytes.at(status) == "90")
      pitches.push_back(std::stoi(bytes.at(status + 1), nullptr, 16));
  }
  return pitches;
}
} // namespace

TEST(RtttlConversion, WorkedExampleFromGridToOneLine) {
  // Recording 72, 74, 76; bars over columns 1..2 and 3 of row 1; rows 2..8 empty.
  std::vector<test::GridRowModel> rows(8);
  rows[0].Bar(1, 2);
  rows[0].Bar(3, 3);
  const melody::GridSampler sample = [&rows](int row, int x) { return rows.at(row - 1).Sampler()(x); };
  const Lines rhythm = melody::RunsToRhythm(melody::CollectRunList(8, melody::kFourFourGrid, sample), "8");
  ASSERT_EQ(rhythm.size(), 8u);
  EXPECT_EQ(rhythm[0], "2*8 1*8 29p*8 ");
  EXPECT_EQ(rhythm[7], "32p*8 ");

  const melody::RtttlConversion conversion = RhythmToRtttl(rhythm, {72, 74, 76});
  EXPECT_EQ(RefusalOf(conversion.lines), "");
  ASSERT_EQ(conversion.lines.Result(), Lines{kWorkedExampleLine});
  EXPECT_EQ(conversion.lines.Result()[0].size(), 68u);
  ASSERT_EQ(conversion.melodySlots.size(), 10u);
  EXPECT_EQ(conversion.melodySlots[0], (MelodySlot{72, 8, false, 2}));
  EXPECT_EQ(conversion.melodySlots[1], (MelodySlot{74, 8, false, 1}));
  EXPECT_EQ(conversion.melodySlots[2], (MelodySlot{melody::kRestPitch, 8, false, 29}));
  EXPECT_EQ(conversion.melodySlots[9], (MelodySlot{melody::kRestPitch, 8, false, 32}));
  // The compiler sounds the recorded pitches; the third is not used.
  EXPECT_EQ(SoundedPitches(conversion.lines.Result()), (std::vector<int>{72, 74}));
}

TEST(RtttlConversion, MessagesInsteadOfText) {
  const Lines emptyGrid(8, "32p*8 ");
  {
    const auto conversion = RhythmToRtttl(emptyGrid, {});
    EXPECT_EQ(RefusalOf(conversion.lines), melody::kNoNotesMessage);
    EXPECT_TRUE(conversion.lines.Refused());
  }
  EXPECT_EQ(RefusalOf(RhythmToRtttl({}, {}).lines), melody::kNoNotesMessage)
      << "the recording is checked first";
  EXPECT_EQ(RefusalOf(RhythmToRtttl({}, {72}).lines), melody::kNoRhythmMessage);
  EXPECT_EQ(RefusalOf(RhythmToRtttl({"", "   "}, {72}).lines), melody::kNoRhythmMessage);
  {
    // A note or rest length other than 1, 2, 4, 8, 16, 32: the text stays
    // empty, the other tokens still fill their slots.
    const auto conversion = RhythmToRtttl({"1*8 3*5 2p*5 1*16 "}, {72, 74});
    EXPECT_EQ(RefusalOf(conversion.lines), melody::kInvalidLengthMessage);
    EXPECT_TRUE(conversion.lines.Refused());
    EXPECT_EQ(conversion.melodySlots, (std::vector<MelodySlot>{{72, 8, false, 1}, {74, 16, false, 1}}));
  }
  {
    const auto conversion = RhythmToRtttl(emptyGrid, {72});
    EXPECT_EQ(RefusalOf(conversion.lines), "");
    EXPECT_EQ(conversion.lines.Result(), Lines{Repeat("32*8p, ", 8)});
  }
}

TEST(RtttlConversion, TokensWrittenForNotesAndRests) {
  const auto text = [](const Lines& rhythm, const std::vector<int>& notes) {
    const auto conversion = RhythmToRtttl(rhythm, notes);
    EXPECT_EQ(RefusalOf(conversion.lines), "");
    std::string joined;
    for (const std::string& line : conversion.lines.Result())
      joined += line;
    return joined;
  };
  EXPECT_EQ(text({"1*8 "}, {72}), "8c7, ") << "factor 1 is written without a factor";
  EXPECT_EQ(text({"3*16 "}, {72}), "3*16c7, ");
  EXPECT_EQ(text({"3*8 2*8 "}, {60, 62}), "3*8c6, 2*8d6, ");
  EXPECT_EQ(text({"1*4 1*4 1*4 1*4 "}, {1, 73, 127, 119}), "4c#1, 4c#7, 4g11, 4b10, ");
  EXPECT_EQ(text({"4. 2*8. "}, {72, 74}), "4c.7, 2*8d.7, ");
  EXPECT_EQ(text({"1p*8 2p*4 24p*8 "}, {72}), "8p, 2*4p, 24*8p, ");
  EXPECT_EQ(text({"  2*8   1*8"}, {72, 74}), "2*8c7, 8d7, ") << "blanks only separate tokens";
  // Five notes, three pitches: everything before the fourth note, rests included.
  EXPECT_EQ(text({"1*8 2p*8 1*8 1*8 1p*8 1*8 1*8 "}, {60, 62, 64}), "8c6, 2*8p, 8d6, 8e6, 8p, ");
  // A new conversion writes only its own rhythm.
  EXPECT_EQ(text({"1*8 1*8 1*8 "}, {60, 62, 64}), "8c6, 8d6, 8e6, ");
  EXPECT_EQ(text({"1*8 "}, {60, 62, 64}), "8c6, ");
}

TEST(RtttlConversion, EveryPitchClassIsNamedSoTheCompilerSoundsIt) {
  std::vector<int> notes;
  for (int pitch = 1; pitch <= 127; ++pitch)
    notes.push_back(pitch);
  const auto octave6 =
      RhythmToRtttl({Repeat("1*8 ", 12)}, std::vector<int>(notes.begin() + 59, notes.begin() + 71));
  EXPECT_EQ(octave6.lines.Result(),
            Lines{"8c6, 8c#6, 8d6, 8d#6, 8e6, 8f6, 8f#6, 8g6, 8g#6, 8a6, 8a#6, 8b6, "});
  const auto all = RhythmToRtttl({Repeat("1*8 ", 127)}, notes);
  ASSERT_EQ(RefusalOf(all.lines), "");
  EXPECT_EQ(SoundedPitches(all.lines.Result()), notes);
}

TEST(RtttlConversion, LongTextIsCutAfterABlankOrComma) {
  // A sixteenth then eighteen eighths put a comma at character 95 and its
  // blank at 96: the line ends with the comma.
  const Lines rhythm = {"16 " + Repeat("8 ", 18), Repeat("1*8 ", 30)};
  const std::vector<int> notes(49, 72);
  const auto conversion = RhythmToRtttl(rhythm, notes);
  ASSERT_EQ(RefusalOf(conversion.lines), "");
  ASSERT_GE(conversion.lines.Result().size(), 3u);
  EXPECT_EQ(conversion.lines.Result()[0], "16c7, " + Repeat("8c7, ", 17) + "8c7,");
  EXPECT_EQ(conversion.lines.Result()[0].size(), 95u);
  std::string joined;
  for (std::size_t i = 0; i < conversion.lines.Result().size(); ++i) {
    const std::string& line = conversion.lines.Result()[i];
    EXPECT_LE(line.size(), melody::kMelodyLineWidth);
    if (i + 1 < conversion.lines.Result().size()) {
      EXPECT_TRUE(line.back() == ' ' || line.back() == ',') << line;
    }
    joined += line;
  }
  EXPECT_EQ(joined, "16c7, " + Repeat("8c7, ", 48));
  EXPECT_EQ(SoundedPitches(conversion.lines.Result()).size(), 49u) << "no token is cut by a line break";
}

TEST(RtttlConversion, RhythmOfMoreThanAThousandTokensIsRefused) {
  const std::vector<int> notes(1000, 60);
  const auto full = RhythmToRtttl({Repeat("1*16 ", 1000)}, notes);
  EXPECT_EQ(RefusalOf(full.lines), "");
  EXPECT_EQ(full.melodySlots.size(), 1000u);
  EXPECT_EQ(SoundedPitches(full.lines.Result()).size(), 1000u);

  const auto over = RhythmToRtttl({Repeat("1*16 ", 999), "1p*16 1p*16 "}, notes);
  EXPECT_EQ(RefusalOf(over.lines), melody::kRhythmTooLongMessage);
  EXPECT_TRUE(over.lines.Refused());
  EXPECT_TRUE(over.melodySlots.empty());
}

TEST(RtttlConversion, RefusesPitchesItCannotWrite) {
  EXPECT_THROW(RhythmToRtttl({"1*8 "}, {0}), Error);
  EXPECT_THROW(RhythmToRtttl({"1*8 "}, {72, 128}), Error);
}

TEST(RtttlConversion, WritesOnlyLengthsAndFactorsTheCompilerTakes) {
  const struct {
    std::string rhythm;
    std::string written; // empty: refused with the invalid length message
  } cases[] = {
      {"8 29p ", ""},
      {"8 0p ", ""},
      {"32p*3 ", ""}, // a gap of a run list with the column length 3
      {"0*8 ", ""},
      {"x*8 ", ""},
      {"666666661*8 ", ""},
      {"12345678901*8 ", ""},
      {"11184811*8 ", ""},
      {"11184810*8 ", "11184810*8c6, "}, // 268435440 ticks, the longest delta time is 268435455
      {"11184811p*8 8 ", ""},
      {"11184810p*8 1p*8 8 ", ""}, // the compiler adds up a run of rests
      {"11184810p*8 8 1p*8 8 ", "11184810*8p, 8c6, 8p, 8d6, "},
      {"8 8.p 8 ", "8c6, 8p., 8d6, "},
      {"8 8p. 2*4.p ", "8c6, 8p., 2*4p., "},
  };
  for (const auto& [rhythm, written] : cases) {
    const auto conversion = RhythmToRtttl({rhythm}, {60, 62});
    if (written.empty()) {
      EXPECT_EQ(RefusalOf(conversion.lines), melody::kInvalidLengthMessage) << rhythm;
      EXPECT_TRUE(conversion.lines.Refused()) << rhythm;
      continue;
    }
    EXPECT_EQ(RefusalOf(conversion.lines), "") << rhythm;
    EXPECT_EQ(conversion.lines.Result(), Lines{written}) << rhythm;
    EXPECT_NO_THROW(melody::MelodyEvents(conversion.lines.Result(), 1, 100)) << rhythm;
  }
}
