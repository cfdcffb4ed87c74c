// Bitmap export and the wallpaper tile: the name check, and the tile found
// by the line replication's measuring on real copy tables.
#include <gtest/gtest.h>

#include "print/bitmap_export.h"
#include "print/print_fixture.h"
#include "support/list_builder.h"

namespace orn {
namespace {

using test::AddShape;
using test::AddTranslationSymmetry;
using test::Scene;

void AddLattice(Scene& s, int cols, int rows, float w, float h, float handleX, float handleY) {
  test::AddLattice(s.list, s.sym, cols, rows, w, h, handleX, handleY);
}

WallFit Fit(Scene& s) { return MeasureWallTile(s.sym, s.ctx, s.list, s.canvas.width(), s.canvas.height()); }
bool Measure(Scene& s) { return Fit(s) != WallFit::None; }

int TileWidth(const Scene& s) { return s.ctx.WallRight - s.ctx.WallLeft + 1; }
int TileHeight(const Scene& s) { return s.ctx.WallBottom - s.ctx.WallTop + 1; }

void AddSkewLattice(Scene& s, float ox, float oy, float ax, float ay, float bx, float by) {
  test::AddSkewLattice(s.list, s.sym, ox, oy, ax, ay, bx, by);
}

TEST(BitmapExport, OnlyANameEndingInBmpIsABitmapName) {
  for (const char* ok : {"pic.bmp", "PIC.BMP", "/home/a.b/pic.Bmp", "my.pic.bmp"})
    EXPECT_TRUE(BitmapNameOk(ok)) << ok;
  for (const char* bad : {"pic", "pic.jpg", "PICTURE.BMPX", "/home/x.bmp/pic", "bmp"})
    EXPECT_FALSE(BitmapNameOk(bad)) << bad;
}

TEST(WallTile, ASquareLatticeGivesExactlyOnePeriodCentredOnTheHandle) {
  Scene s;
  AddLattice(s, 2, 2, 120, 120, 60, 60);
  ASSERT_TRUE(Measure(s));
  EXPECT_EQ(s.ctx.WallLeft, 0);  // the handle at (60, 60)
  EXPECT_EQ(s.ctx.WallTop, 0);
  EXPECT_EQ(s.ctx.WallRight - s.ctx.WallLeft + 1, 120);
  EXPECT_EQ(s.ctx.WallBottom - s.ctx.WallTop + 1, 120);
  EXPECT_TRUE(s.ctx.WallMeasure);
}

TEST(WallTile, ATileOverTheCanvasEdgeMovesOntoIt) {
  Scene s;
  AddLattice(s, 6, 4, 40, 40, 5, 35);
  ASSERT_TRUE(Measure(s));
  EXPECT_EQ(s.ctx.WallLeft, 0);  // 5 - 20, moved in to the edge
  EXPECT_EQ(s.ctx.WallTop, 15);
  EXPECT_EQ(s.ctx.WallRight, 39);
  EXPECT_EQ(s.ctx.WallBottom, 54);
}

TEST(WallTile, ItMeasuresInPartOneAndInEveryReplicaWhateverTheSelection) {
  Scene s;
  AddLattice(s, 6, 4, 40, 40, 20, 20);
  s.sym.CurPart = 0;
  s.sym.WorkingSym = 1;  // lines drawn into one replica only
  ASSERT_TRUE(Measure(s));
  EXPECT_EQ(s.ctx.WallRight - s.ctx.WallLeft + 1, 40);
  EXPECT_EQ(s.ctx.WallBottom - s.ctx.WallTop + 1, 40);
  EXPECT_EQ(s.sym.CurPart, 0);
  EXPECT_EQ(s.sym.WorkingSym, 1);
}

// A hexagonal lattice of side 28 repeats every 28 pixels across and every
// 48.497 down: one period down is half a pixel off, two are 96.995, whole
// to within a fifth of a pixel. The tile is 28 x 97 wherever the lattice
// lies on the pixels.
TEST(WallTile, AHexagonalLatticeSpansTheFewestPeriodsWholeWithinAFifthOfAPixel) {
  for (const float oy : {20.0f, 20.3f, 20.45f, 20.8f}) {
    Scene s;
    AddSkewLattice(s, 30, oy, 28, 0, 14, 24.2487f);
    ASSERT_EQ(Fit(s), WallFit::WholePeriods) << oy;
    EXPECT_EQ(TileWidth(s), 28) << oy;
    EXPECT_EQ(TileHeight(s), 97) << oy;
  }
}

// A lattice whose rows drift down by 0.8 pixel a period has no rectangle of
// whole periods: the tile is made, and the user is told it shows a seam.
TEST(WallTile, ALatticeWhoseRowsDriftHasNoSeamlessTile) {
  Scene s;
  AddSkewLattice(s, 30, 30.6f, 40, 0.8f, 0, 40);
  ASSERT_EQ(Fit(s), WallFit::NotWhole);
  EXPECT_EQ(TileWidth(s), 40);
  EXPECT_EQ(TileHeight(s), 40);
}

TEST(WallTile, APatternWithoutTwoTranslationsOrTooLargeMakesNoWallpaper) {
  Scene frieze;  // a horizontal period only
  AddTranslationSymmetry(frieze.list, frieze.sym);
  EXPECT_FALSE(Measure(frieze));
  Scene plain;  // no symmetry at all
  AddShape(plain.list, kTypePolyLine, {{10, 10}, {50, 50}});
  EXPECT_FALSE(Measure(plain));
  Scene large;  // one period is taller than the canvas
  AddLattice(large, 2, 2, 100, 200, 50, 50);
  EXPECT_FALSE(Measure(large));
}

TEST(WallTile, ThePictureSaveWritesTheTileWhileMeasuringElseTheCanvas) {
  Scene s;
  AddLattice(s, 6, 4, 40, 40, 20, 20);
  s.canvas.pset(5, 5, rgb(1, 2, 3));
  test::KeptImages images;
  ASSERT_FALSE(SaveCanvasBitmap(s.canvas, s.ctx, images, "all.bmp"));
  EXPECT_TRUE(images.files["all.bmp"] == s.canvas);
  ASSERT_TRUE(Measure(s));
  ASSERT_FALSE(SaveCanvasBitmap(s.canvas, s.ctx, images, "tile.bmp"));
  const Surface& tile = images.files["tile.bmp"];
  EXPECT_EQ(tile.width(), 40);
  EXPECT_EQ(tile.point(5, 5), std::int64_t(rgb(1, 2, 3)));
}

TEST(WallTile, TheOutlineAroundTheTileComesOffWhenDrawnAgain) {
  Scene s;
  AddLattice(s, 6, 4, 40, 40, 60, 60);
  ASSERT_TRUE(Measure(s));
  s.canvas.setPenWidth(3);
  const Surface before = s.canvas;
  WallOutline(s.canvas, s.ctx);
  EXPECT_EQ(s.canvas.point(s.ctx.WallLeft - 1, s.ctx.WallTop + 5), std::int64_t(kWhite ^ kWallOutlineColour));
  EXPECT_EQ(s.canvas.point(s.ctx.WallLeft, s.ctx.WallTop + 5), std::int64_t(kWhite));  // the tile is untouched
  WallOutline(s.canvas, s.ctx);
  EXPECT_TRUE(s.canvas == before);
  EXPECT_EQ(s.canvas.penWidth(), 3);
}

}  // namespace
}  // namespace orn
