#pragma once

// One row of a grid drawn by the window's own grid picture, read on its row
// line one sample per pixel, so the run collection can be tested on the
// readings it will get.

#include "app/GridPicture.h"
#include "melody/GridGeometry.h"
#include "melody/GridRuns.h"

#include <map>
#include <stdexcept>
#include <vector>

namespace arvento::test {

class GridRowModel {
public:
  explicit GridRowModel(melody::GridGeometry geometry = melody::kFourFourGrid)
      : geometry_(geometry), picture_(melody::kPatternGridHeight, 1) {
    picture_.DrawEmpty(QColor(240, 240, 240), geometry_);
  }

  // A left-button drag pressed at pressX and released at releaseX.
  void Drag(int pressX, int releaseX) {
    picture_.Press(Qt::LeftButton, pressX, kRowLineY, false);
    picture_.Release(releaseX, kRowLineY, geometry_.cellWidth, false);
  }
  // Bar over columns first..last (1-based), drawn by a drag inside them.
  void Bar(int first, int last) {
    const int w = geometry_.cellWidth;
    Drag((first - 1) * w + w / 2, (last - 1) * w + w / 2);
  }
  // The red trail a drag from fromX leaves when the pointer moves to toX.
  void Trail(int fromX, int toX) {
    picture_.Press(Qt::LeftButton, fromX, kRowLineY, false);
    picture_.Move(toX);
  }
  // Erase-mode release over column c (1-based).
  void Erase(int column) {
    const int w = geometry_.cellWidth;
    picture_.Release((column - 1) * w + w / 2, kRowLineY, w, true);
  }
  // Makes the reading at x this sample, whatever is drawn there.
  void Set(int x, melody::Sample sample) { set_[x] = sample; }

  // The sampler handed to the run collection; it fails the test with an
  // exception if the collection reads outside the image.
  melody::RowSampler Sampler() const {
    return [this](int x) {
      if (x < 0 || x >= melody::kGridWidth)
        throw std::out_of_range("read outside the grid");
      const auto set = set_.find(x);
      return set != set_.end() ? set->second : picture_.SampleAt(x, kRowLineY);
    };
  }
  std::vector<std::string> Runs(int row = 1) const {
    return melody::CollectGridRuns(row, melody::RowIsEmpty(geometry_.columns, Sampler(), geometry_.cellWidth),
                                   geometry_.columns, Sampler(), geometry_.cellWidth);
  }
  const melody::GridGeometry& geometry() const { return geometry_; }

private:
  static constexpr int kRowLineY = melody::RowLineY(1);

  melody::GridGeometry geometry_;
  app::GridPicture picture_;
  std::map<int, melody::Sample> set_;
};

} // namespace arvento::test
