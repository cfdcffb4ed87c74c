// Flood fills through Surface::floodFill, against a plain breadth-first fill.
#include "surface_testing.h"

namespace orn {
namespace {

using test::referenceFill;
using test::tangle;

TEST(SurfaceFill, FillStopsAtDiagonalOnePixelLines) {
  Surface s(40, 40);
  s.line(0, 39, 40, -1);  // corner to corner, one pixel per column
  ASSERT_TRUE(s.floodFill(2, 2, kBlack, 0x0000FF));
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      EXPECT_EQ(s.point(x, y), x + y < 39 ? 0x0000FF : x + y == 39 ? kBlack : kWhite) << x << "," << y;
  // A diamond of four thin diagonal lines keeps a fill inside it.
  Surface d(50, 50);
  d.line(25, 5, 45, 25);
  d.line(45, 25, 25, 45);
  d.line(25, 45, 5, 25);
  d.line(5, 25, 25, 5);
  ASSERT_TRUE(d.floodFill(25, 25, kBlack, 0x00FF00));
  EXPECT_EQ(d.point(25, 7), 0x00FF00);
  EXPECT_EQ(d.point(25, 3), kWhite);
  EXPECT_EQ(d.point(40, 40), kWhite);
  EXPECT_EQ(d.point(0, 0), kWhite);
}

TEST(SurfaceFill, FillSeededOnTheBorderOrOutsideFailsAndChangesNothing) {
  Surface s = tangle(60, 50, 1, 30);
  const Surface before = s;
  int i = 0;
  while (i < 60 * 50 && s.point(i % 60, i / 60) != kBlack) ++i;
  ASSERT_LT(i, 60 * 50);
  const int bx = i % 60, by = i / 60;
  EXPECT_FALSE(s.floodFill(bx, by, kBlack, 0xFF0000));
  for (auto [x, y] : {std::pair{-1, 5}, {5, -1}, {60, 5}, {5, 50}, {60, 50}, {-2147483647 - 1, 0}})
    EXPECT_FALSE(s.floodFill(x, y, kBlack, 0xFF0000)) << x << "," << y;
  EXPECT_FALSE(s.floodFill(bx, by, kWhite, 0xFF0000, FillType::Surface));  // seed of another colour
  EXPECT_TRUE(s == before);
  Surface none;
  EXPECT_FALSE(none.floodFill(0, 0, kBlack, kWhite));
}

TEST(SurfaceFill, BothFillTypesMatchAPlainFillOnRandomLineTangles) {
  std::mt19937 rng(3);
  for (unsigned seed = 0; seed < 60; ++seed) {
    const int w = 30 + int(seed % 7) * 9, h = 25 + int(seed % 5) * 11;
    Surface s = tangle(w, h, seed, 4 + int(seed % 25));
    const int x = int(rng() % w), y = int(rng() % h);
    // Fill colours: new, already present in the tangle, and the border itself.
    const Rgb fills[] = {0xFF0000, 0x0000FF, 0x00FF00, kWhite, kBlack};
    const Rgb fill = fills[seed % 5];
    SCOPED_TRACE(testing::Message() << "seed " << seed << " at " << x << "," << y);
    Surface t = s;
    const bool onBorder = s.point(x, y) == kBlack;
    const Surface expected = onBorder ? s : referenceFill(s, x, y, kBlack, fill);
    EXPECT_EQ(s.floodFill(x, y, kBlack, fill), !onBorder);
    ASSERT_TRUE(s == expected);
    // A surface fill covers only the connected pixels of the seed's colour.
    const Rgb c = Rgb(t.point(x, y));
    const Rgb other = seed % 2 ? 0xABCDEF : 0x00FF00;
    const Surface same = referenceFill(t, x, y, c, other, FillType::Surface);
    ASSERT_TRUE(t.floodFill(x, y, c, other, FillType::Surface));
    ASSERT_TRUE(t == same);
  }
}

TEST(SurfaceFill, FillCrossesPixelsThatAlreadyHaveTheFillColour) {
  // A blue bar splits the box but is no border: both halves are one region.
  Surface s(30, 20);
  s.box(0, 0, 29, 19);
  s.fillBox(14, 1, 15, 18, 0x0000FF);
  ASSERT_TRUE(s.floodFill(5, 5, kBlack, 0x0000FF));
  EXPECT_EQ(s.point(25, 10), 0x0000FF);
  EXPECT_EQ(s.point(0, 0), kBlack);
  // Filling the same region again in the same colour ends and changes nothing.
  const Surface once = s;
  ASSERT_TRUE(s.floodFill(25, 10, kBlack, 0x0000FF));
  EXPECT_TRUE(s == once);
}

TEST(SurfaceFill, FillReachesEveryPixelOfAWindingComb) {
  // Walls open at alternate ends: the fill snakes up and down every corridor.
  Surface s(101, 64);
  for (int x = 2; x < 100; x += 2) x % 4 == 2 ? s.line(x, 0, x, 62) : s.line(x, 63, x, 1);
  ASSERT_TRUE(s.floodFill(0, 0, kBlack, 0xFF00FF));
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 101; ++x) ASSERT_NE(s.point(x, y), kWhite) << x << "," << y;
}

}  // namespace
}  // namespace orn
