#pragma once

// Reading a drawn grid row into its run keys. A grid stores its rhythm only
// as pixels: red bars (notes) and silver band (rests) on each row's line.
// The caller samples its image; everything else happens here.
//
// A run key is the row digit, the run's first column as two digits, a comma,
// the run's length in columns and "p" for a gap: 103,2 is a bar over columns
// 3 and 4 of row 1, 205,4p a gap of four columns from column 5 of row 2. The
// keys of a row come in text order (so by column) and are followed by the
// end-of-row mark, a copy of the row's last key with "%" appended.

#include "melody/GridGeometry.h"

#include <functional>
#include <string>
#include <vector>

namespace arvento::melody {

enum class Sample { Red, Silver, Other };

// The reading of one pixel: red 255,0,0 is painted, silver 192,192,192 is
// the empty band; any other colour belongs to no run.
constexpr Sample SampleOfColour(int red, int green, int blue) {
  if (red == 255 && green == 0 && blue == 0)
    return Sample::Red;
  if (red == 192 && green == 192 && blue == 192)
    return Sample::Silver;
  return Sample::Other;
}

// Samples the row's line at pixel x. It is asked only for column centres
// and for the boundaries between columns, so x stays below columns *
// cellWidth: the boundary after the last column lies outside the image and
// is never joined.
using RowSampler = std::function<Sample(int x)>;

// Whether no column centre of the row is red.
bool RowIsEmpty(int columns, const RowSampler& sampleAtRowLine, int cellWidth);

// The run keys of row 1..9 followed by its end-of-row mark. An empty row is
// one gap over all columns. Otherwise a bar opens at a red centre and runs
// on over every joined (red) boundary, whatever the later centres hold; a
// gap is a maximal stretch of silver centres. Throws arvento::Error for a row
// or a column count that the keys cannot spell.
std::vector<std::string> CollectGridRuns(int row, bool emptyRow, int columns,
                                         const RowSampler& sampleAtRowLine, int cellWidth);

// The pattern grid's one row. A row without bars still reads as its single
// whole-row gap, so the keys equal those of an empty row.
std::vector<std::string> CollectPatternRuns(int columns, const RowSampler& sampleAtRowLine, int cellWidth);

// Samples row 1..rows of a grid on its row line at pixel x.
using GridSampler = std::function<Sample(int row, int x)>;

// The run list of a whole grid: every row's keys and mark, row by row, each
// row flagged empty when no centre is red.
std::vector<std::string> CollectRunList(int rows, const GridGeometry& geometry, const GridSampler& sample);

} // namespace arvento::melody
