// The picture of arvento-cli roll, read back pixel by pixel from small files.

#include "TestSupport.h"
#include "roll/NoteSearch.h"
#include "roll/RollColours.h"
#include "roll/RollPicture.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace arvento::roll {
namespace {

const QSize kSize(960, 400);

midi::SmfNotes Notes(const std::vector<std::string>& tracks) {
  return midi::ReadSmfNotes(midi::ReadSmf(test::Smf(48, tracks)));
}

QColor At(const QImage& image, double x, double y) {
  return image.pixelColor(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

// Track 2 holds c6 over ticks 96..192 and e6 over 384..480; the conductor
// track ends at tick 768, four bars of 48 ticks a quarter.
const std::vector<std::string> kTwoNotes = {"86 00 FF 2F 00",
                                            "60 91 3C 64 60 81 3C 40 81 40 91 40 64 60 81 40 40 00 FF 2F 00"};

TEST(RollPicture, NotesAndBarLinesAreWhereTheGeometrySays) {
  const midi::SmfNotes notes = Notes(kTwoNotes);
  const QImage image = DrawRollPicture(notes, kSize);
  ASSERT_EQ(image.size(), kSize);
  const RollGeometry g = PictureGeometry(notes, kSize);
  const double middle = g.RowTop(60) + g.rowHeight / 2;
  EXPECT_EQ(At(image, g.X(144), middle), TrackColour(2));
  // Before its start, after its end and a row above: the rows of a white and a black key.
  EXPECT_EQ(At(image, g.X(96) - 3, middle), kWhiteKeyRow);
  EXPECT_EQ(At(image, g.X(192) + 3, middle), kWhiteKeyRow);
  EXPECT_EQ(At(image, g.X(144), middle - g.rowHeight), kBlackKeyRow);
  // The whole file fills the width, the keys with their margins the height under the legend.
  EXPECT_DOUBLE_EQ(g.X(768), kSize.width());
  EXPECT_NEAR(g.RowTop(60 - 2) + g.rowHeight, kSize.height(), 1e-9);
  EXPECT_EQ(g.RowTop(64 + 2), LegendHeight(notes, kSize.width()));
  EXPECT_EQ(At(image, 6, LegendHeight(notes, kSize.width()) / 2), TrackColour(2)) << "the legend's swatch";
  // In the row of d6, which holds no note: the line at each bar of 192 ticks, none between.
  const double d6 = g.RowTop(62) + g.rowHeight / 2;
  for (const int bar : {192, 384, 576})
    EXPECT_EQ(At(image, g.X(bar), d6), kBarLine) << bar;
  for (const int between : {96, 288, 480, 672})
    EXPECT_EQ(At(image, g.X(between), d6), kWhiteKeyRow) << between;
}

TEST(RollPicture, DrumNotesAreShortDiamonds) {
  // A drum note on key 38 from tick 0 to tick 384, and a note of track 2 to set the end.
  const midi::SmfNotes notes =
      Notes({"00 99 26 64 83 00 89 26 40 00 FF 2F 00", "00 91 3C 64 86 00 81 3C 40 00 FF 2F 00"});
  const QImage image = DrawRollPicture(notes, kSize);
  const RollGeometry g = PictureGeometry(notes, kSize);
  const double top = g.RowTop(38), middle = top + g.rowHeight / 2, halfWidth = DiamondHalfWidth(g);
  EXPECT_EQ(At(image, g.X(0) + 1, middle), TrackColour(1));
  // Narrower towards its top and bottom, and over long before the note ends.
  EXPECT_EQ(At(image, g.X(0) + halfWidth - 1, top + 1), kWhiteKeyRow);
  EXPECT_EQ(At(image, g.X(0) + halfWidth + 2, middle), kWhiteKeyRow);
  EXPECT_EQ(At(image, g.X(96), middle), kWhiteKeyRow);
}

} // namespace
} // namespace arvento::roll
