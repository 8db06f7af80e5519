#include "melody/GridRuns.h"

#include "core/Error.h"
#include "core/Translate.h"

#include <algorithm>

namespace arvento::melody {

namespace {
std::string RunKey(int row, int first, int length, bool gap) {
  std::string key =
      std::to_string(row) + (first < 10 ? "0" : "") + std::to_string(first) + "," + std::to_string(length);
  if (gap)
    key += 'p';
  return key;
}

void CheckGrid(int row, int columns, int cellWidth) {
  if (row < 1 || row > 9 || columns < 1 || columns > 99 || cellWidth < 1)
    throw Error(Tr("Сетка: строка %1, столбцов %2, ширина столбца %3 не записываются ключами отрезков", row,
                   columns, cellWidth));
}

void AddBars(int row, int columns, const RowSampler& sample, int cellWidth, std::vector<std::string>& keys) {
  int first = 0;
  for (int c = 1; c <= columns; ++c) {
    if (first == 0 && sample(ColumnCentreX(c, cellWidth)) == Sample::Red)
      first = c;
    if (first != 0 && (c == columns || sample(BoundaryAfterX(c, cellWidth)) != Sample::Red)) {
      keys.push_back(RunKey(row, first, c - first + 1, false));
      first = 0;
    }
  }
}

void AddGaps(int row, int columns, const RowSampler& sample, int cellWidth, std::vector<std::string>& keys) {
  int first = 0;
  for (int c = 1; c <= columns; ++c) {
    if (sample(ColumnCentreX(c, cellWidth)) == Sample::Silver) {
      if (first == 0)
        first = c;
    } else if (first != 0) {
      keys.push_back(RunKey(row, first, c - first, true));
      first = 0;
    }
  }
  if (first != 0)
    keys.push_back(RunKey(row, first, columns - first + 1, true));
}
} // namespace

bool RowIsEmpty(int columns, const RowSampler& sampleAtRowLine, int cellWidth) {
  for (int c = 1; c <= columns; ++c) {
    if (sampleAtRowLine(ColumnCentreX(c, cellWidth)) == Sample::Red)
      return false;
  }
  return true;
}

std::vector<std::string> CollectGridRuns(int row, bool emptyRow, int columns,
                                         const RowSampler& sampleAtRowLine, int cellWidth) {
  CheckGrid(row, columns, cellWidth);
  std::vector<std::string> keys;
  if (emptyRow) {
    keys.push_back(RunKey(row, 1, columns, true));
  } else {
    AddBars(row, columns, sampleAtRowLine, cellWidth, keys);
    AddGaps(row, columns, sampleAtRowLine, cellWidth, keys);
    // Bars and gaps never start in the same column, so the text order is
    // the column order.
    std::sort(keys.begin(), keys.end());
  }
  // A row whose centres are all neither red nor silver has no run; its mark
  // still ends the row.
  keys.push_back((keys.empty() ? std::to_string(row) : keys.back()) + "%");
  return keys;
}

std::vector<std::string> CollectPatternRuns(int columns, const RowSampler& sampleAtRowLine, int cellWidth) {
  return CollectGridRuns(1, false, columns, sampleAtRowLine, cellWidth);
}

std::vector<std::string> CollectRunList(int rows, const GridGeometry& geometry, const GridSampler& sample) {
  std::vector<std::string> runList;
  for (int row = 1; row <= rows; ++row) {
    const RowSampler rowSample = [&sample, row](int x) { return sample(row, x); };
    const bool empty = RowIsEmpty(geometry.columns, rowSample, geometry.cellWidth);
    const std::vector<std::string> keys =
        CollectGridRuns(row, empty, geometry.columns, rowSample, geometry.cellWidth);
    runList.insert(runList.end(), keys.begin(), keys.end());
  }
  return runList;
}

} // namespace arvento::melody
