// Segments drawn in the base cell land in every copy of the part.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/core/surface.h"
#include "sym_fixtures.h"
#include "symmetry/replication.h"

namespace orn {
namespace {

using test::kSquare;

struct Seg {
  int x1, y1, x2, y2;
};

// The segment (150,280)-(120,290) and its images in the square's copies.
const Seg kPlain[4] = {{150, 280, 120, 290}, {280, 250, 290, 280}, {250, 120, 280, 110}, {120, 150, 110, 120}};
const Seg kMirrored[4] = {{250, 280, 280, 290}, {280, 150, 290, 120}, {150, 120, 120, 110}, {120, 250, 110, 280}};

// What a black segment looks like on the canvas: the line and its end pixel.
void Expected(Surface& s, const Seg& g) {
  s.setPenColor(kBlack);
  s.line(g.x1, g.y1, g.x2, g.y2);
  s.plot(g.x2, g.y2);
}

struct LineTest : ::testing::Test {
  DrawingList list;
  SymState sym;
  DrawContext ctx;
  Surface canvas{400, 400};
  Surface expected{400, 400};
  void SetUp() override { ctx.Picture1 = &canvas; }
  void Draw(Rgb colour = kBlack) { SymmLine(sym, ctx, 150, 280, 120, 290, colour); }
};

TEST_F(LineTest, ALineLandsOnTheSamePixelsInEveryRotatedCopy) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  Draw();
  for (const Seg& g : kPlain) Expected(expected, g);
  EXPECT_TRUE(canvas == expected);
}

TEST_F(LineTest, AMirroredCopyGetsTheMirrorImage) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareD4()), SymRebuild::Valid);
  Draw();
  for (int e = 0; e < 4; ++e) {
    Expected(expected, kPlain[e]);
    Expected(expected, kMirrored[e]);
  }
  EXPECT_TRUE(canvas == expected);
}

TEST_F(LineTest, WorkingSymmetryLimitsTheReplicasAndNoPartMeansNone) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  sym.WorkingSym = 2;
  Draw();
  for (int k = 0; k < 3; ++k) Expected(expected, kPlain[k]);
  EXPECT_TRUE(canvas == expected);

  canvas.clear();
  expected.clear();
  sym.WorkingSym = 0;
  Draw();
  Expected(expected, kPlain[0]);
  EXPECT_TRUE(canvas == expected);

  canvas.clear();
  sym.WorkingSym = kAllReplicas;
  sym.CurPart = 0;
  CheckSymData(sym, list);
  Draw();
  EXPECT_TRUE(canvas == expected);
}

TEST_F(LineTest, OnlyABlackLineClosesItsEndPixel) {
  Draw(rgb(255, 0, 0));
  EXPECT_EQ(canvas.point(150, 280), std::int64_t(rgb(255, 0, 0)));
  EXPECT_EQ(canvas.point(120, 290), std::int64_t(kWhite));
  Draw(kBlack);
  EXPECT_EQ(canvas.point(120, 290), std::int64_t(kBlack));
}

TEST_F(LineTest, APolylinesReplicasJoinExactly) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  test::PrintRecorder rec;
  test::PrintEverything(ctx, rec);
  SymmLine(sym, ctx, 150, 280, 120.3f, 290.7f, kBlack);
  SymmLine(sym, ctx, 120.3f, 290.7f, 160, 260, kBlack);
  ASSERT_EQ(rec.segs.size(), 8u);
  for (int k = 1; k < 4; ++k) {
    EXPECT_EQ(rec.segs[4 + k].x1, rec.segs[k].x2);
    EXPECT_EQ(rec.segs[4 + k].y1, rec.segs[k].y2);
  }
}

// A segment that continues the previous one after WorkingSym grew must not
// start the newly drawn replicas at points the previous segment never wrote.
TEST_F(LineTest, MoreReplicasAfterWorkingSymmetryGrewStartAtTheSharedPoint) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  test::PrintRecorder rec;
  test::PrintEverything(ctx, rec);
  sym.WorkingSym = 1;
  SymmLine(sym, ctx, 160, 270, 150, 280, kBlack);
  rec.segs.clear();
  sym.WorkingSym = kAllReplicas;
  SymmLine(sym, ctx, 150, 280, 120, 290, kBlack);
  ASSERT_EQ(rec.segs.size(), 4u);
  for (int k = 1; k < 4; ++k) {
    EXPECT_NEAR(rec.segs[k].x1 - 1, kPlain[k].x1, 1e-3) << k;
    EXPECT_NEAR(rec.segs[k].y1 - 1, kPlain[k].y1, 1e-3) << k;
  }
}

TEST_F(LineTest, AFullRedrawLengthensOnlyTheReplicas) {
  std::vector<test::Tri> strip = {kSquare[0], test::Shifted(kSquare[0], 200, 0)};
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part(strip)), SymRebuild::Valid);
  test::PrintRecorder rec;
  test::PrintEverything(ctx, rec);
  ctx.ExtendLast = -1;
  ctx.ExtendLen = 0.5f;
  SymmLine(sym, ctx, 10, 5, 20, 5, kBlack);
  SymmLine(sym, ctx, 10, 5, 10, 15, kBlack);
  ctx.ExtendFirst = 1;
  SymmLine(sym, ctx, 30, 5, 40, 5, kBlack);
  ctx.ExtendFirst = 0;
  SymmLine(sym, ctx, 50, 5, 50.0005f, 5.0005f, kBlack);
  ASSERT_EQ(rec.segs.size(), 8u);
  auto near = [](const test::PrintRecorder::Seg& s, float x1, float y1, float x2, float y2) {
    EXPECT_NEAR(s.x1, x1 + 1, 1e-3);
    EXPECT_NEAR(s.y1, y1 + 1, 1e-3);
    EXPECT_NEAR(s.x2, x2 + 1, 1e-3);
    EXPECT_NEAR(s.y2, y2 + 1, 1e-3);
  };
  near(rec.segs[0], 10, 5, 20, 5);
  near(rec.segs[1], 209.5f, 5, 220.5f, 5);
  near(rec.segs[3], 210, 4.5f, 210, 15.5f);
  near(rec.segs[5], 230, 5, 240, 5);
  near(rec.segs[7], 250, 5, 250.0005f, 5.0005f);
}

TEST_F(LineTest, ThePrinterReceivesClippedSegmentsShiftedByOne) {
  test::PrintRecorder rec;
  ctx.PrintPath = true;
  ctx.Printer = &rec;
  ctx.Clip = {0, 200, 400, 0};
  SymmLine(sym, ctx, 150, 100, 250, 100, kBlack);
  SymmLine(sym, ctx, 250, 50, 300, 60, kBlack);
  SymmLine(sym, ctx, 20, 30, 40, 50, rgb(0, 0, 255));
  ASSERT_EQ(rec.segs.size(), 2u);
  // Clipping may turn the segment round.
  EXPECT_FLOAT_EQ(std::min(rec.segs[0].x1, rec.segs[0].x2), 151);
  EXPECT_FLOAT_EQ(std::max(rec.segs[0].x1, rec.segs[0].x2), 201);
  EXPECT_FLOAT_EQ(rec.segs[0].y1, 101);
  EXPECT_FLOAT_EQ(rec.segs[0].y2, 101);
  EXPECT_FLOAT_EQ(rec.segs[1].x1, 21);
  EXPECT_FLOAT_EQ(rec.segs[1].y2, 51);
  EXPECT_EQ(rec.segs[1].colour, rgb(0, 0, 255));
  // The canvas got every segment, unclipped.
  EXPECT_EQ(canvas.point(240, 100), std::int64_t(kBlack));
}

TEST_F(LineTest, MeasuringFindsTheWallpaperTileAndDrawsNothing) {
  std::vector<test::Tri> tris = {kSquare[0], kSquare[1], test::Shifted(kSquare[0], 200, 0),
                                 test::Shifted(kSquare[0], 400, 0), test::Shifted(kSquare[0], 0, 200),
                                 test::Shifted(kSquare[0], 0, 400)};
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part(tris)), SymRebuild::Valid);
  ctx.WallMeasure = true;
  SymmLine(sym, ctx, 100, 300, 110, 290, kBlack);
  EXPECT_EQ(ctx.WallLeft, 110);
  EXPECT_EQ(ctx.WallTop, 290);
  EXPECT_EQ(ctx.WallRight - ctx.WallLeft, 200);
  EXPECT_EQ(ctx.WallBottom - ctx.WallTop, 200);
  EXPECT_TRUE(canvas == expected);

  SymState rosette;
  ASSERT_EQ(test::LoadBlock(list, rosette, test::SquareC4()), SymRebuild::Valid);
  SymmLine(rosette, ctx, 100, 300, 110, 290, kBlack);
  EXPECT_EQ(ctx.WallRight, kWallNotFound);
  EXPECT_EQ(ctx.WallBottom, kWallNotFound);
}

TEST_F(LineTest, DegenerateCopiesAndBadPointsArePassedOver) {
  const test::Tri flat{200, 200, 200, 200, 200, 200};
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part({kSquare[0], flat, kSquare[1]})), SymRebuild::Valid);
  Draw();
  Expected(expected, kPlain[0]);
  Expected(expected, kPlain[1]);
  // The flat copy shrinks the segment onto its one point.
  expected.setPenColor(kBlack);
  expected.plot(200, 200);
  EXPECT_TRUE(canvas == expected);

  // A base cell without area carries nothing into its copies.
  SymState flatBase;
  ASSERT_EQ(test::LoadBlock(list, flatBase, test::Part({flat, kSquare[0], kSquare[1]})), SymRebuild::Valid);
  canvas.clear();
  SymmLine(flatBase, ctx, 150, 280, 120, 290, kBlack);
  expected.clear();
  Expected(expected, kPlain[0]);
  EXPECT_TRUE(canvas == expected);

  const float nan = std::numeric_limits<float>::quiet_NaN();
  SymmLine(sym, ctx, nan, 280, 120, 290, kBlack);
  SymmLine(sym, ctx, 1e30f, -1e30f, 120, 290, kBlack);
}

}  // namespace
}  // namespace orn
