#pragma once

// Where the grids are drawn and read. Both grids are 768 pixels wide and
// are read on the row line of each row, at column centres and at the
// boundaries between columns.

namespace arvento::melody {

struct GridGeometry {
  int columns;   // gridColumns
  int cellWidth; // gridCellWidth, pixels
  int barCells;  // gridBarCells: a long tick after every this many columns
};

//                                          columns  cellWidth  barCells
inline constexpr GridGeometry kFourFourGrid = {32, 24, 8};
inline constexpr GridGeometry kThreeFourGrid = {24, 32, 6};

constexpr GridGeometry GridGeometryFor(bool threeFour) {
  return threeFour ? kThreeFourGrid : kFourFourGrid;
}

inline constexpr int kGridWidth = 768;
inline constexpr int kMelodyGridHeight = 237;
inline constexpr int kMelodyGridRows = 8;
inline constexpr int kPatternGridHeight = 25;
inline constexpr int kRowPitch = 30;

// The row line of row 1..8, where the row's band is painted and read.
constexpr int RowLineY(int row) {
  return (row - 1) * kRowPitch + 15;
}

// The sample points of column 1..columns on the row line.
constexpr int ColumnCentreX(int column, int cellWidth) {
  return column * cellWidth - cellWidth / 2;
}
constexpr int BoundaryAfterX(int column, int cellWidth) {
  return column * cellWidth;
}

} // namespace arvento::melody
