// Circle records and Geometric base shapes drawn through the replication.
#include <gtest/gtest.h>

#include <vector>

#include "canvas/shape_render.h"
#include "symmetry/sym_fixtures.h"

namespace orn {
namespace {

struct ShapeTest : ::testing::Test {
  SymState sym;
  DrawContext ctx;
  Surface canvas{300, 300};
  Surface expected{300, 300};
  void SetUp() override { ctx.Picture1 = &canvas; }
};

TEST_F(ShapeTest, ThreePointsOnTheRimGiveTheirCircle) {
  std::vector<float> X = {100, 120, 140}, Y = {100, 120, 100};
  Circles(sym, ctx, X, Y, 0, 2, kBlack, 4);
  expected.circle(120, 100, 20);
  EXPECT_TRUE(canvas == expected);
}

TEST_F(ShapeTest, TwoPointsGiveTheCircleOnTheirDiameterOrTheArcsChord) {
  std::vector<float> X = {100, 140, 140}, Y = {100, 100, 100};
  Circles(sym, ctx, X, Y, 0, 1, kBlack, 4);
  expected.circle(120, 100, 20);
  EXPECT_TRUE(canvas == expected);
  // A last point equal to the second counts as two points.
  canvas.clear();
  Circles(sym, ctx, X, Y, 0, 2, kBlack, 4);
  EXPECT_TRUE(canvas == expected);

  canvas.clear();
  expected.clear();
  Circles(sym, ctx, X, Y, 0, 1, kBlack, 5);
  expected.line(100, 100, 140, 100);
  expected.pset(140, 100, kBlack);
  EXPECT_TRUE(canvas == expected);
}

TEST_F(ShapeTest, ThreePointsOnOneLineFallBackToTheTwoPointRule) {
  std::vector<float> X = {100, 120, 140}, Y = {100, 100, 100};
  Circles(sym, ctx, X, Y, 0, 2, kBlack, 4);
  expected.circle(120, 100, 20);
  EXPECT_TRUE(canvas == expected);
  EXPECT_EQ(canvas.point(0, 0), std::int64_t(kWhite));
}

TEST_F(ShapeTest, ASquareDrawsFourEdgesAndTheCaptureRecordsFourCopies) {
  // Vertices, the first repeated, then the centre.
  std::vector<float> X = {100, 200, 200, 100, 100, 150}, Y = {200, 200, 100, 100, 200, 150};
  sym.GeoCapture = 1;
  GeoSegments(sym, ctx, X, Y, 0, 5, kBlack, 6);
  expected.box(100, 100, 200, 200);
  EXPECT_TRUE(canvas == expected);
  ASSERT_EQ(sym.SymCount, 4);
  const auto& c2 = sym.SymData[2];
  EXPECT_EQ(c2[3], 200);
  EXPECT_EQ(c2[4], 200);
  EXPECT_EQ(c2[5], 200);
  EXPECT_EQ(c2[6], 100);
  EXPECT_EQ(c2[7], 150);
  EXPECT_EQ(c2[8], 150);
  EXPECT_EQ(c2[9], 200);
  EXPECT_EQ(c2[10], 150);
  EXPECT_EQ(c2[1], 175);
  EXPECT_EQ(c2[2], 150);
  EXPECT_EQ(c2[11], 0);
  EXPECT_FALSE(sym.CaptureOverflow);
}

TEST_F(ShapeTest, TheCaptureStopsAtTheTablesLastCopy) {
  std::vector<float> X = {100, 200, 200, 100, 100, 150}, Y = {200, 200, 100, 100, 200, 150};
  sym.GeoCapture = 1;
  sym.SymCount = kMaxCopy - 1;
  GeoSegments(sym, ctx, X, Y, 0, 5, kBlack, 6);
  EXPECT_EQ(sym.SymCount, kMaxCopy);
  EXPECT_TRUE(sym.CaptureOverflow);
  // Outside a capture the table is not touched.
  SymState plain;
  GeoSegments(plain, ctx, X, Y, 0, 5, kBlack, 6);
  EXPECT_EQ(plain.SymCount, 0);
}

}  // namespace
}  // namespace orn
