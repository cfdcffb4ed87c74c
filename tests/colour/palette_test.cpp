// The palette's rows for each harmony, the cells that clicks land on, the
// codes picked colours take, and the shape of the colours-in-use grid.
#include <gtest/gtest.h>

#include "colour/colour_codes.h"
#include "colour/palette.h"

namespace orn {
namespace {

TEST(HarmonyRows, EveryHarmonyGivesItsRowsAtEveryScrollValue) {
  const struct {
    int mode, value;
    PaletteRows rows;
  } cases[] = {
      {kHarmonyNormal, 0, {8, 9, 10, 11}},     {kHarmonyNormal, 2, {16, 17, 18, 19}},
      {kHarmonyOpposite, 0, {8, 14, -1, -1}},  {kHarmonyOpposite, 5, {13, 19, -1, -1}},
      {kHarmonyThreeFold, 1, {9, 13, 17, -1}}, {kHarmonyThreeFold, 3, {11, 15, 19, -1}},
      {kHarmonyAdjacent, 0, {19, 8, 9, -1}},   {kHarmonyAdjacent, 5, {12, 13, 14, -1}},
      {kHarmonyAdjacent, 11, {18, 19, 8, -1}},
      // Below 0 every harmony shows the grays and browns, then the base colours.
      {kHarmonyThreeFold, -1, {4, 6, -1, -1}}, {kHarmonyAdjacent, -2, {0, 2, -1, -1}},
  };
  for (const auto& c : cases) EXPECT_EQ(HarmonyRows(c.mode, c.value), c.rows) << c.mode << " at " << c.value;
  EXPECT_EQ(HarmonyTop(kHarmonyNormal), 2);
  EXPECT_EQ(HarmonyTop(kHarmonyAdjacent), 11);
  // The top value of each harmony is its last set of hues: no row past hue 19.
  for (int mode = 0; mode < 4; ++mode)
    for (int hue : HarmonyRows(mode, HarmonyTop(mode))) EXPECT_LE(hue, kLastWheelHue) << mode;
}

TEST(Palette, CountsTheRowsBeforeTheFirstEmptyOneAndClicksPickRealCells) {
  EXPECT_EQ(PaletteRowCount({8, 9, -1, 10}), 2);
  EXPECT_EQ(PaletteRowCount({8, -1, 9, 10}), 1);
  EXPECT_EQ(PaletteRowCount({8, 9, 10, -1}), 3);
  const PaletteRows three{8, 12, 16, -1};
  EXPECT_EQ(PaletteCellAt(2.5f, 3.5f, three), (GridCell{2, 2}));   // below the last row: the last row
  EXPECT_EQ(PaletteCellAt(-0.2f, 0.5f, three), (GridCell{0, 0}));  // left of it: column 0
  EXPECT_EQ(PaletteCellAt(9.0f, 8.0f, three), (GridCell{7, 2}));   // past the corner: the corner
  EXPECT_EQ(CustomCellAt(8.0f, 2.0f), 15);                        // the last pixel of the grid
  EXPECT_EQ(CustomCellAt(-1.0f, 1.5f), 8);
}

TEST(Palette, PickedColoursTakeTheirTableCodeOrTheWheelCodeOfAnEqualColour) {
  const ColourTable& t = BuiltInColorTable();
  EXPECT_EQ(PalettePickCode(3, 12, t), 312);
  EXPECT_EQ(PalettePickCode(4, 4, t), 408);  // the base red is the wheel's red
  EXPECT_EQ(PalettePickCode(1, 6, t), 106);  // a dark base colour is on no wheel row
  // Custom cells: the top row against hue 5, the bottom row against hue 6.
  EXPECT_EQ(CustomPickCode(4, t(4, 5), t), 408);
  EXPECT_EQ(CustomPickCode(8, t(0, 6), t), 6);
  EXPECT_EQ(CustomPickCode(1, t(4, 5), t), kOffTableCode);  // the right colour in the wrong column
  EXPECT_EQ(CustomPickCode(3, 0x123456, t), kOffTableCode);
}

TEST(InUseGrid, RowsOfTwentyPixelsHalvedForManyColoursAndClicksInTheMarginPickNothing) {
  const struct {
    int height, count, rows, cols;
  } cases[] = {{200, 5, 10, 1},  {200, 10, 10, 2}, {200, 19, 10, 2}, {200, 20, 20, 2}, {50, 4, 5, 1},
               {50, 5, 5, 2},    {70, 7, 4, 2},    {70, 8, 7, 2},    {300, 29, 15, 2}, {300, 30, 30, 2},
               {0, 3, 2, 2},     {-40, 0, 1, 1}};  // a strip squeezed to nothing still has rows
  for (const auto& c : cases) {
    const InUseGrid g = InUseGridFor(c.height, c.count);
    EXPECT_EQ(g.rows, c.rows) << c.height << " " << c.count;
    EXPECT_EQ(g.cols, c.cols) << c.height << " " << c.count;
  }
  const InUseGrid g{10, 2};
  EXPECT_EQ(InUseIndexAt(g, 1.5f, 0.5f), 2);
  EXPECT_EQ(InUseIndexAt(g, 0.5f, 9.5f), 19);
  EXPECT_EQ(InUseIndexAt(g, 2.01f, 0.5f), 0);  // the margin right of the last column
  EXPECT_EQ(InUseIndexAt(g, 0.5f, 10.1f), 0);  // and below the last row
}

}  // namespace
}  // namespace orn
