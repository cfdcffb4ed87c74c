// The enlarged memory bitmap: its primitives, and replication drawn into it
// at BitmapScale (exact pixels against the same shapes drawn by hand).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas/shape_render.h"
#include "colour/colour_model.h"
#include "print/mem_bmp.h"
#include "symmetry/replication.h"
#include "symmetry/sym_fixtures.h"

namespace orn {
namespace {

// Lines (with both end pixels), circles and fills are checked through
// replication below; a circle of radius 0 is a dot as wide as the pen.
TEST(MemBmp, AnEllipseOfRadiusZeroIsADotOfThePenWidth) {
  DrawContext ctx;
  for (int pen : {1, 5}) {
    Surface bmp(60, 60), expected(60, 60);
    bmp.setPenWidth(pen);
    expected.setPenWidth(pen);
    MemBmp(bmp, ctx).MemBmpEllipse(30, 30, 0);
    expected.dot(30, 30);
    EXPECT_TRUE(bmp == expected) << pen;
    EXPECT_EQ(bmp.point(30 + pen / 2, 30), std::int64_t(kBlack)) << pen;
  }
}

// A 100 x 100 canvas drawn into a bitmap at twice its size.
struct TwiceTheCanvas {
  SymState sym;
  DrawContext ctx;
  Surface canvas{100, 100}, bitmap{200, 200};
  MemBmp mem{bitmap, ctx};
  TwiceTheCanvas() {
    ctx.Picture1 = &canvas;
    ctx.MemBmp = &mem;
    ctx.DrawTarget = kDrawMemBmp;
    ctx.BitmapScale = 2.0f;
  }
};

TEST(MemBmp, LinesAndCirclesKeepTheStrokesColour) {
  TwiceTheCanvas t;
  auto& [sym, ctx, canvas, bitmap, mem] = t;
  const Rgb red = rgb(255, 0, 0);
  SymmLine(sym, ctx, 10, 10, 40, 10, red);
  EXPECT_EQ(bitmap.point(50, 20), std::int64_t(red));
  std::vector<float> X, Y;
  SymmCircle(sym, ctx, X, Y, 50, 50, 10, rgb(0, 0, 255), 3, 0, 0);
  EXPECT_EQ(bitmap.point(120, 100), std::int64_t(rgb(0, 0, 255)));
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

TEST(MemBmp, ReplicatedLinesCirclesAndFillsLandAtScaledPositionsInEveryCopy) {
  DrawingList list;
  SymState sym;
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  DrawContext ctx;
  Surface canvas{400, 400}, bitmap{800, 800}, expected{800, 800};
  MemBmp mem{bitmap, ctx};
  ctx.Picture1 = &canvas;
  ctx.MemBmp = &mem;
  ctx.DrawTarget = kDrawMemBmp;
  ctx.BitmapScale = 2.0f;
  std::vector<float> X, Y;
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

// Three points a tenth of a pixel off one line make an arc whose radius is
// many times the canvas: the enlarged bitmap and the printer get its chord,
// as the canvas does.
TEST(MemBmp, AnArcOfARadiusFarBeyondTheCanvasReachesTheBitmapAndThePrinter) {
  TwiceTheCanvas t;
  auto& [sym, ctx, canvas, bitmap, mem] = t;
  const std::vector<float> X = {10, 90, 50}, Y = {50, 50, 49.9f};
  SymmCircle(sym, ctx, X, Y, 50, 8049.95f, 8000.05f, kBlack, kArcType, 0, 2);
  for (int x : {22, 100, 178}) EXPECT_EQ(bitmap.point(x, 100), std::int64_t(kBlack)) << x;

  test::PrintRecorder rec;
  ctx.DrawTarget = kDrawCanvas;
  test::PrintEverything(ctx, rec);
  SymmCircle(sym, ctx, X, Y, 50, 8049.95f, 8000.05f, kBlack, kArcType, 0, 2);
  ASSERT_EQ(rec.segs.size(), 1u);
  const auto& chord = rec.segs[0];
  EXPECT_NEAR(std::min(chord.x1, chord.x2), 11, 0.01);
  EXPECT_NEAR(std::max(chord.x1, chord.x2), 91, 0.01);
  EXPECT_NEAR(chord.y1, 51, 0.05);
  EXPECT_NEAR(chord.y2, 51, 0.05);
  EXPECT_EQ(canvas.point(50, 50), std::int64_t(kBlack));

  // Exactly on one line, the arc record gives the bitmap and the printer the
  // chord of its ends, or with the through point beyond the second end the
  // line outside the ends, far past the page.
  constexpr float kFar = 1.0e5f;
  const struct {
    float through;
    std::vector<int> ink, none;
    std::vector<std::pair<float, float>> printed;  // each segment's least and greatest x
  } lines[] = {{50, {20, 100, 180}, {16, 184}, {{11, 91}}},
               {95, {4, 18, 182, 196}, {22, 100, 178}, {{-kFar, 11}, {91, kFar}}}};
  auto reaches = [&](float x, float expected) {
    return std::fabs(expected) >= kFar ? x * expected > 0 && std::fabs(x) >= kFar : std::fabs(x - expected) < 0.01f;
  };
  for (const auto& line : lines) {
    SCOPED_TRACE(line.through);
    const std::vector<float> Xs = {10, 90, line.through}, Ys = {50, 50, 50};
    ctx.DrawTarget = kDrawMemBmp;
    ctx.PrintPath = false;
    bitmap.clear();
    Circles(sym, ctx, Xs, Ys, 0, 2, kBlack, kArcType);
    for (int x : line.ink) EXPECT_EQ(bitmap.point(x, 100), std::int64_t(kBlack)) << x;
    for (int x : line.none) EXPECT_EQ(bitmap.point(x, 100), std::int64_t(kWhite)) << x;

    rec.segs.clear();
    ctx.DrawTarget = kDrawCanvas;
    test::PrintEverything(ctx, rec);
    Circles(sym, ctx, Xs, Ys, 0, 2, kBlack, kArcType);
    ASSERT_EQ(rec.segs.size(), line.printed.size());
    std::sort(rec.segs.begin(), rec.segs.end(), [](const auto& l, const auto& r) { return l.x1 + l.x2 < r.x1 + r.x2; });
    for (std::size_t i = 0; i < rec.segs.size(); ++i) {
      const auto& seg = rec.segs[i];
      EXPECT_TRUE(reaches(std::min(seg.x1, seg.x2), line.printed[i].first)) << seg.x1 << " " << seg.x2;
      EXPECT_TRUE(reaches(std::max(seg.x1, seg.x2), line.printed[i].second)) << seg.x1 << " " << seg.x2;
      EXPECT_EQ(seg.y1, 51.0f);
      EXPECT_EQ(seg.y2, 51.0f);
    }
  }
}

}  // namespace
}  // namespace orn
