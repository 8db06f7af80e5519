#include "roll/RollColours.h"

#include <array>

namespace arvento::roll {

namespace {

struct Rgb {
  int red, green, blue;
};

// Twelve colours far apart from each other and from the grey rows.
constexpr std::array<Rgb, 12> kTrackColours = {{{31, 119, 180},
                                                {214, 39, 40},
                                                {44, 160, 44},
                                                {255, 127, 14},
                                                {148, 103, 189},
                                                {23, 190, 207},
                                                {227, 119, 194},
                                                {140, 86, 75},
                                                {188, 189, 34},
                                                {0, 0, 128},
                                                {128, 0, 0},
                                                {0, 128, 128}}};

// How much of the colour a ghost keeps.
constexpr int kGhostAlpha = 70;

} // namespace

QColor TrackColour(int trackNumber) {
  const Rgb& rgb = kTrackColours[static_cast<std::size_t>(trackNumber - 1) % kTrackColours.size()];
  return {rgb.red, rgb.green, rgb.blue};
}

QColor GhostColour(int trackNumber) {
  QColor colour = TrackColour(trackNumber);
  colour.setAlpha(kGhostAlpha);
  return colour;
}

} // namespace arvento::roll
