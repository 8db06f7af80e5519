// The plain rules of the piano roll: where ticks and keys go and how a zoom
// moves them, which note lies under a point, and the words for tracks and notes.

#include "TestSupport.h"
#include "core/Translate.h"
#include "roll/NoteSearch.h"
#include "roll/RollGeometry.h"
#include "roll/RollTexts.h"
#include "roll/ViewZoom.h"

#include <gtest/gtest.h>

namespace arvento::roll {
namespace {

TEST(RollGeometry, TicksAcrossKeysUpRowsOfMargin) {
  // 480 ticks in 960 pixels; keys 60..64 and two rows either side, 9 rows of 20 pixels.
  const RollGeometry g = FitWhole(480, 60, 64, 960, 180);
  const std::pair<double, double> points[] = {{0, 0}, {120, 240}, {480, 960}}; // tick, x
  for (const auto& [tick, x] : points) {
    EXPECT_DOUBLE_EQ(g.X(tick), x);
    EXPECT_DOUBLE_EQ(g.Tick(x), tick);
  }
  const std::pair<int, double> rows[] = {{66, 0}, {64, 40}, {61, 100}, {60, 120}, {58, 160}}; // key, top
  for (const auto& [key, top] : rows) {
    EXPECT_DOUBLE_EQ(g.RowTop(key), top) << key;
    EXPECT_EQ(g.KeyAt(top), key);
    EXPECT_EQ(g.KeyAt(top + 19.9), key);
  }
  EXPECT_EQ(RowCount(60, 64), 9);
  EXPECT_TRUE(IsBlackKey(61) && IsBlackKey(70) && IsBlackKey(-2));
  EXPECT_FALSE(IsBlackKey(60) || IsBlackKey(64) || IsBlackKey(-1));
}

TEST(RollGeometry, ZoomKeepsThePointUnderTheMouse) {
  // The factor, the mouse at x and y, and the view scrolled by so much.
  const std::tuple<double, double, double, double, double> cases[] = {
      {2, 300, 77, 0, 0}, {0.5, 10, 0, 140, 35}, {1.25, 959, 179, 1000, 400}};
  for (const auto& [factor, x, y, scrollX, scrollY] : cases) {
    RollGeometry g = FitWhole(480, 60, 64, 960, 180);
    g.scrollX = scrollX;
    g.scrollY = scrollY;
    const double tick = g.Tick(x);
    const double rowsAbove = (y + g.scrollY) / g.rowHeight;
    g.ZoomTime(factor, x);
    g.ZoomPitch(factor, y);
    EXPECT_DOUBLE_EQ(g.pixelsPerTick, 2 * factor);
    EXPECT_DOUBLE_EQ(g.rowHeight, 20 * factor);
    EXPECT_NEAR(g.Tick(x), tick, 1e-9);
    EXPECT_NEAR((y + g.scrollY) / g.rowHeight, rowsAbove, 1e-9);
  }
}

// Keys 60..64 (9 rows) to 480 ticks of division 48 on a canvas of 960 x 180.
TEST(ViewZoom, FirstViewAndZoomLimits) {
  const midi::SmfNotes notes{.division = 48, .end = 480, .tracks = {}, .lowest = 60, .highest = 64};
  const RollGeometry first = FirstView(notes, 960, 180);
  EXPECT_DOUBLE_EQ(first.pixelsPerTick, 2); // the whole time across: a quarter is 96 pixels
  EXPECT_DOUBLE_EQ(first.rowHeight, 20);
  EXPECT_EQ(first.topKey, 66);
  EXPECT_DOUBLE_EQ(FirstView(notes, 96, 180).pixelsPerTick, 0.5); // a quarter at least 24 pixels
  // The view's pixels a tick and row height, the zoom asked for, and the time and pitch zooms given.
  const std::tuple<double, double, double, double, double> cases[] = {
      {2, 20, 1.25, 1.25, 1.25}, // within the limits
      {2, 20, 0.5, 1, 1},        // out no further than the whole file, all rows
      {2, 20, 100, 8, 4},        // in to 16 pixels a tick, rows four times the least
      {32, 100, 2, 1, 1},        // already beyond: no further in
      {32, 100, 0.5, 0.5, 0.5},  // but back out
  };
  for (const auto& [pixelsPerTick, rowHeight, factor, time, pitch] : cases) {
    RollGeometry view = first;
    view.pixelsPerTick = pixelsPerTick;
    view.rowHeight = rowHeight;
    EXPECT_DOUBLE_EQ(TimeZoom(view, factor, notes.end, 960), time) << factor;
    EXPECT_DOUBLE_EQ(PitchZoom(view, factor, notes.lowest, notes.highest, 180), pitch) << factor;
  }
}

TEST(RollTexts, BarsBeatsTracksAndNotes) {
  const std::tuple<std::uint32_t, int, const char*> beats[] = {
      {0, 48, "такт 1, доля 1"},   {192, 48, "такт 2, доля 1"},   {72, 48, "такт 1, доля 2.5"},
      {100, 50, "такт 1, доля 3"}, {16, 48, "такт 1, доля 1.33"}, {96, 0, "тик 96"},
      {96, 0xE728, "тик 96"}};
  for (const auto& [tick, division, text] : beats)
    EXPECT_EQ(BarsAndBeats(tick, division), text) << tick << " " << division;
  EXPECT_EQ(DescribeNote({240, 276, 68, 100, 1}, 2, 48), "8.g#6, такт 2, доля 2, громкость 100, дорожка 2");
  EXPECT_EQ(TrackLabel({2, 1, 0, {}, 0}), "2 · канал 1 · Acoustic Grand");
  EXPECT_EQ(TrackLabel({4, 2, 25, {}, 0}), "4 · канал 2 · Acoustic Guitar(steel)");
  EXPECT_EQ(TrackLabel({3, 10, 5, {}, 0}), "3 · канал 10 · DRUMS");
  // The window's label is translated; the picture's, written into a file, is not.
  InstallTranslator([](const char* source) { return std::string("[") + source + "]"; });
  EXPECT_EQ(TrackLabel({2, 1, 0, {}, 0}), "[2 · канал 1 · Acoustic Grand]");
  EXPECT_EQ(WrittenTrackLabel({2, 1, 0, {}, 0}), "2 · канал 1 · Acoustic Grand");
  InstallTranslator(nullptr);
}

TEST(NoteSearch, TheNoteDrawnOnTop) {
  // Track 1 holds c6 over ticks 0..96, track 2 c6 over 48..144, track 3 a drum on key 36 at tick 0.
  const midi::SmfNotes notes = midi::ReadSmfNotes(midi::ReadSmf(
      test::Smf(48, {"00 90 3C 64 60 80 3C 40 00 FF 2F 00", "30 91 3C 50 60 81 3C 40 00 FF 2F 00",
                     "00 99 24 64 83 60 89 24 40 00 FF 2F 00"})));
  // 480 ticks in 960 pixels: two pixels a tick.
  const RollGeometry g = FitWhole(480, notes.lowest, notes.highest, 960, 600);
  constexpr TrackMode S = TrackMode::Shown, D = TrackMode::Dimmed, H = TrackMode::Hidden;
  // The tracks' modes, the tick and key pointed at, and the track whose note is found there, 0 for none.
  const std::tuple<std::vector<TrackMode>, double, int, int> cases[] = {
      {{S, S, S}, 60, 60, 1},  {{D, S, S}, 60, 60, 2},  {{H, D, S}, 60, 60, 2}, {{S, H, S}, 100, 60, 0},
      {{S, S, S}, 100, 60, 2}, {{S, S, S}, 150, 60, 0}, {{S, S, S}, 60, 61, 0}, {{S, S, S}, 1, 36, 3},
      {{S, S, H}, 1, 36, 0},   {{S, S, S}, 200, 36, 0},
  };
  for (const auto& [modes, tick, key, track] : cases) {
    const std::optional<NoteHit> hit = NoteAt(notes, modes, g, g.X(tick), g.RowTop(key) + 1);
    EXPECT_EQ(hit ? hit->trackNumber : 0, track) << "tick " << tick << " key " << key;
  }
  EXPECT_EQ(NotesReaching(notes.tracks[0], 96, 200).size(), 1u);
  EXPECT_EQ(NotesReaching(notes.tracks[1], 0, 48).size(), 0u);
}

} // namespace
} // namespace arvento::roll
