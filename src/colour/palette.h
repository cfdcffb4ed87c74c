#pragma once
// The palette of standard colours, the custom-colour grid and the colours in
// use as grids of cells: which rows the palette shows for each harmony, which
// cell a click lands on, and which colour code a picked colour takes.
//
// Positions are in cell units: (X, Y) = (2.5, 1.2) lies in column 2, row 1.
// A click never picks a cell past the table: the palette and the custom grid
// take the nearest real cell, the colours in use nothing.
#include <array>

#include "colour/colour_table.h"

namespace orn {

constexpr int kPaletteColumns = 8;
constexpr int kPaletteRowSlots = 4;
constexpr int kCustomColumns = 8;
constexpr int kCustomRows = 2;

// The hue of each palette row, -1 for an empty row.
using PaletteRows = std::array<int, kPaletteRowSlots>;

// The number of rows shown: those before the first empty one, as SetPalette
// counts them (the last of the tests on rows 3, 2, 1 that finds -1 wins).
int PaletteRowCount(const PaletteRows& rows);

// Palette harmonies, numbered as the "Pallette Harmony" menu items.
constexpr int kHarmonyNormal = 0;
constexpr int kHarmonyOpposite = 1;
constexpr int kHarmonyThreeFold = 2;
constexpr int kHarmonyAdjacent = 3;

// The highest value of the harmony scroll bar (its top end); its lowest is
// -2. Every set of hues of a harmony has one value from the top down to 0;
// -1 and -2 show the base colours and the grays and browns.
int HarmonyTop(int HarmonyMode);

// The palette rows for a harmony at a scroll value.
PaletteRows HarmonyRows(int HarmonyMode, int value);

struct GridCell {
  int column = 0;
  int row = 0;
  bool operator==(const GridCell&) const = default;
};

// The palette cell under (X, Y): the column and row are clamped to the table
// and a row below the last one shown picks from the last one.
GridCell PaletteCellAt(float X, float Y, const PaletteRows& rows);

// The code of the palette colour in `column` of hue `hue`: 100 x column +
// hue; a colour of the base hues 4 and 6 takes the code of an equal wheel
// colour instead, so that it turns with the wheel.
int PalettePickCode(int column, int hue, const ColourTable& table);

// The custom cell 0-15 under (X, Y), clamped to the 8 x 2 grid.
int CustomCellAt(float X, float Y);

// The code of a custom colour picked from `cell`: a colour equal to the base
// colour of its column (hue 5 for the top row, hue 6 for the bottom row)
// takes the base code (hue 4 or 6), or the code of an equal wheel colour;
// any other colour is off the table (999).
int CustomPickCode(int cell, Rgb colour, const ColourTable& table);

// The shape of the colours-in-use grid for a strip of `stripHeight` pixels
// holding `count` colours: rows of 20 pixels, of 10 when the colours would
// need more than two columns; the columns always leave one empty column.
struct InUseGrid {
  int rows = 1;
  int cols = 1;
};
InUseGrid InUseGridFor(int stripHeight, int count);

// The entry 1..rows x cols of the grid under (X, Y), or 0 in the margin
// beside or below the cells.
int InUseIndexAt(const InUseGrid& grid, float X, float Y);

}  // namespace orn
