// The enlarged memory bitmap: its primitives, and replication drawn into it
// at BitmapScale.
#include <gtest/gtest.h>

#include <vector>

#include "colour/colour_model.h"
#include "print/mem_bmp.h"
#include "symmetry/replication.h"
#include "symmetry/sym_fixtures.h"

namespace orn {
namespace {

TEST(MemBmp, ALineSetsBothEndPixels) {
  Surface bmp(60, 60);
  DrawContext ctx;
  MemBmp mem(bmp, ctx);
  mem.MemBmpLine(5, 5, 40, 22);
  Surface expected(60, 60);
  expected.line(5, 5, 40, 22);
  expected.pset(40, 22, kBlack);
  EXPECT_TRUE(bmp == expected);
  EXPECT_EQ(bmp.point(5, 5), std::int64_t(kBlack));
}

TEST(MemBmp, AnEllipseOfRadiusZeroIsOnePixel) {
  Surface bmp(60, 60);
  DrawContext ctx;
  MemBmp mem(bmp, ctx);
  mem.MemBmpEllipse(30, 30, 0);
  Surface expected(60, 60);
  expected.pset(30, 30, kBlack);
  EXPECT_TRUE(bmp == expected);
  mem.MemBmpEllipse(30, 30, 12);
  EXPECT_EQ(bmp.point(42, 30), std::int64_t(kBlack));
  EXPECT_EQ(bmp.point(18, 30), std::int64_t(kBlack));
  EXPECT_EQ(bmp.point(43, 30), std::int64_t(kWhite));
}

TEST(MemBmp, AnEllipseOfRadiusZeroWithAWidePenIsADotOfItsWidth) {
  // The bitmap's pen may be wide: a circle of radius 0 is then a dot as wide
  // as the pen, like every other circle and line drawn with it.
  Surface bmp(60, 60);
  bmp.setPenWidth(5);
  DrawContext ctx;
  MemBmp mem(bmp, ctx);
  mem.MemBmpEllipse(30, 30, 0);
  Surface expected(60, 60);
  expected.setPenWidth(5);
  expected.dot(30, 30);
  EXPECT_TRUE(bmp == expected);
  EXPECT_EQ(bmp.point(32, 30), std::int64_t(kBlack));
}

TEST(MemBmp, AFillStopsAtBlackAndTurnsGreyInGrayPaint) {
  Surface bmp(60, 60);
  DrawContext ctx;
  MemBmp mem(bmp, ctx);
  bmp.box(10, 10, 30, 30);
  mem.MemBmpFill(20, 20, rgb(10, 200, 30));
  EXPECT_EQ(bmp.point(20, 20), std::int64_t(rgb(10, 200, 30)));
  EXPECT_EQ(bmp.point(40, 40), std::int64_t(kWhite));
  ctx.GrayPaint = true;
  mem.MemBmpFill(40, 40, rgb(10, 200, 30));
  EXPECT_EQ(bmp.point(40, 40), std::int64_t(GrayOf(rgb(10, 200, 30))));
  EXPECT_EQ(bmp.point(20, 20), std::int64_t(rgb(10, 200, 30)));
}

struct ScaledReplication : ::testing::Test {
  DrawingList list;
  SymState sym;
  DrawContext ctx;
  Surface canvas{400, 400};
  Surface bitmap{800, 800};
  Surface expected{800, 800};
  MemBmp mem{bitmap, ctx};
  std::vector<float> X, Y;
  void SetUp() override {
    ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
    ctx.Picture1 = &canvas;
    ctx.MemBmp = &mem;
    ctx.DrawTarget = kDrawMemBmp;
    ctx.BitmapScale = 2.0f;
  }
};

TEST_F(ScaledReplication, LinesCirclesAndFillsLandAtScaledPositionsInEveryCopy) {
  SymmLine(sym, ctx, 150, 280, 120, 290, kBlack);
  const int segs[4][4] = {{300, 560, 240, 580}, {560, 500, 580, 560}, {500, 240, 560, 220}, {240, 300, 220, 240}};
  for (const auto& s : segs) {
    expected.line(s[0], s[1], s[2], s[3]);
    expected.pset(s[2], s[3], kBlack);
  }
  EXPECT_TRUE(bitmap == expected);

  SymmCircle(sym, ctx, X, Y, 150, 280, 10, kBlack, 3, 0, 0);
  for (const auto& s : segs) expected.circle(s[0], s[1], 20);
  EXPECT_TRUE(bitmap == expected);
  EXPECT_TRUE(canvas == Surface(400, 400));  // nothing on the canvas

  // A fill inside each circle alone, at the scaled seeds.
  bitmap.clear();
  SymmCircle(sym, ctx, X, Y, 150, 280, 10, kBlack, 3, 0, 0);
  SymmPaint(sym, ctx, rgb(0, 0, 255), 150, 280, kBlack, FillType::Border);
  for (const auto& s : segs) {
    EXPECT_EQ(bitmap.point(s[0] + 5, s[1] + 5), std::int64_t(rgb(0, 0, 255)));
    EXPECT_EQ(bitmap.point(s[0] + 25, s[1]), std::int64_t(kWhite));
  }
  EXPECT_FALSE(ctx.FillFailed);
}

}  // namespace
}  // namespace orn
