#pragma once

// The row line of a grid image as the window paints it, one sample per
// pixel, so the run collection can be tested on the readings it will get.

#include "GridGeometry.h"
#include "GridRuns.h"

#include <algorithm>
#include <vector>

namespace arvento::test {

class GridRowModel {
public:
  explicit GridRowModel(melody::GridGeometry geometry = melody::kFourFourGrid)
      : geometry_(geometry), pixels_(melody::kGridWidth, melody::Sample::Silver) {
    // The frame at both edges is neither red nor silver.
    pixels_.front() = pixels_.back() = melody::Sample::Other;
  }

  // A drag released at releaseX: the stretch from the press column to the
  // release column becomes one bar, cut from its neighbours.
  void Drag(int pressX, int releaseX) {
    const int w = geometry_.cellWidth;
    const int s = pressX / w, e = releaseX / w + 1;
    Fill(s * w - 5, e * w + 5, melody::Sample::Silver);
    Fill(s * w + 5, e * w - 5, melody::Sample::Red);
  }
  // Bar over columns first..last (1-based), drawn by a drag inside them.
  void Bar(int first, int last) {
    const int w = geometry_.cellWidth;
    Drag((first - 1) * w + w / 2, (last - 1) * w + w / 2);
  }
  // The red trail a drag leaves along the row line.
  void Trail(int fromX, int toX) { Fill(fromX, toX + 1, melody::Sample::Red); }
  // Erase-mode release over column c (1-based).
  void Erase(int column) {
    const int w = geometry_.cellWidth;
    Fill((column - 1) * w - 5, column * w + 5, melody::Sample::Silver);
  }
  void Set(int x, melody::Sample sample) { pixels_.at(static_cast<std::size_t>(x)) = sample; }

  // The sampler handed to the run collection; at() fails the test with an
  // exception if the collection reads outside the image.
  melody::RowSampler Sampler() const {
    return [this](int x) { return pixels_.at(static_cast<std::size_t>(x)); };
  }
  std::vector<std::string> Runs(int row = 1) const {
    return melody::CollectGridRuns(row, melody::RowIsEmpty(geometry_.columns, Sampler(), geometry_.cellWidth),
                                   geometry_.columns, Sampler(), geometry_.cellWidth);
  }
  const melody::GridGeometry& geometry() const { return geometry_; }

private:
  // Fills x in [from, to), clipped to the image.
  void Fill(int from, int to, melody::Sample sample) {
    from = std::max(from, 0);
    to = std::min(to, melody::kGridWidth);
    for (int x = from; x < to; ++x)
      pixels_[static_cast<std::size_t>(x)] = sample;
  }

  melody::GridGeometry geometry_;
  std::vector<melody::Sample> pixels_;
};

} // namespace arvento::test
