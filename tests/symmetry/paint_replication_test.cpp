// Fills at the seed and at its image in every copy of the part.
#include <gtest/gtest.h>

#include "colour/colour_model.h"
#include "platform/core/surface.h"
#include "sym_fixtures.h"
#include "symmetry/replication.h"

namespace orn {
namespace {

constexpr Rgb kRed = 0x0000FF;

struct Pt {
  int x, y;
};

// Images of the seed (150,280) in the square's copies, plain then mirrored.
const Pt kSeeds[4] = {{150, 280}, {280, 250}, {250, 120}, {120, 150}};
const Pt kMirrorSeeds[4] = {{250, 280}, {280, 150}, {150, 120}, {120, 250}};
// Just outside the small triangle around the seed, in the base cell.
const Pt kOutside = {150, 295};

struct PaintTest : ::testing::Test {
  DrawingList list;
  SymState sym;
  DrawContext ctx;
  Surface canvas{400, 400};
  void SetUp() override { ctx.Picture1 = &canvas; }

  // A small closed black triangle around (150,280) in the base cell, drawn
  // through the replication so that every copy has its twin.
  void DrawTriangle() {
    SymmLine(sym, ctx, 140, 290, 165, 290, kBlack);
    SymmLine(sym, ctx, 165, 290, 150, 265, kBlack);
    SymmLine(sym, ctx, 150, 265, 140, 290, kBlack);
  }
  Rgb At(Pt p) const { return static_cast<Rgb>(canvas.point(p.x, p.y)); }
};

TEST_F(PaintTest, AFillFillsTheSeedsRegionInEveryRotatedCopyAndNothingElse) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  DrawTriangle();
  SymmPaint(sym, ctx, kRed, 150, 280, kBlack, FillType::Border);
  EXPECT_FALSE(ctx.FillFailed);
  for (const Pt& s : kSeeds) EXPECT_EQ(At(s), kRed) << s.x << "," << s.y;
  EXPECT_EQ(At(kOutside), kWhite);
  EXPECT_EQ(At({200, 200}), kWhite);
}

TEST_F(PaintTest, MirroredCopiesAreFilledAtTheMirroredSeed) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareD4()), SymRebuild::Valid);
  DrawTriangle();
  SymmPaint(sym, ctx, kRed, 150, 280, kBlack, FillType::Border);
  for (int e = 0; e < 4; ++e) {
    EXPECT_EQ(At(kSeeds[e]), kRed);
    EXPECT_EQ(At(kMirrorSeeds[e]), kRed);
  }
  EXPECT_EQ(At(kOutside), kWhite);
}

TEST_F(PaintTest, ASeedOnBlackFailsInTheBaseButTheReplicasAreStillFilled) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  DrawTriangle();
  canvas.pset(150, 280, kBlack);
  SymmPaint(sym, ctx, kRed, 150, 280, kBlack, FillType::Border);
  EXPECT_TRUE(ctx.FillFailed);
  EXPECT_EQ(At(kSeeds[0]), kBlack);
  EXPECT_EQ(At({150, 285}), kWhite);
  for (int k = 1; k < 4; ++k) EXPECT_EQ(At(kSeeds[k]), kRed);
}

TEST_F(PaintTest, FillsIgnoreWorkingSymmetryAndNoPartFillsOnlyTheBase) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  DrawTriangle();
  sym.WorkingSym = 0;
  SymmPaint(sym, ctx, kRed, 150, 280, kBlack, FillType::Border);
  for (const Pt& s : kSeeds) EXPECT_EQ(At(s), kRed);

  sym.CurPart = 0;
  CheckSymData(sym, list);
  SymmPaint(sym, ctx, rgb(0, 255, 0), 150, 280, kBlack, FillType::Border);
  EXPECT_EQ(At(kSeeds[0]), rgb(0, 255, 0));
  for (int k = 1; k < 4; ++k) EXPECT_EQ(At(kSeeds[k]), kRed);
}

TEST_F(PaintTest, ASeedOffTheCanvasIsSkippedWhileTheOthersAreFilled) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  canvas.resize(270, 400);
  DrawTriangle();
  SymmPaint(sym, ctx, kRed, 150, 280, kBlack, FillType::Border);
  EXPECT_FALSE(ctx.FillFailed);
  EXPECT_EQ(At(kSeeds[0]), kRed);
  EXPECT_EQ(At(kSeeds[2]), kRed);
  EXPECT_EQ(At(kSeeds[3]), kRed);
}

TEST_F(PaintTest, GrayPaintFillsInTheGreyOfTheColour) {
  DrawTriangle();
  ctx.GrayPaint = true;
  SymmPaint(sym, ctx, rgb(200, 40, 90), 150, 280, kBlack, FillType::Border);
  EXPECT_EQ(At(kSeeds[0]), GrayOf(rgb(200, 40, 90)));
  EXPECT_NE(At(kSeeds[0]), rgb(200, 40, 90));
}

TEST_F(PaintTest, HighSpeedRepaintMarksSeedsButNeverABorderPixel) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  DrawTriangle();
  const Surface before = canvas;
  canvas.pset(kSeeds[1].x, kSeeds[1].y, kBlack);  // one replica seed lies on a border
  ctx.PaintOrderMode = 1;
  SymmPaint(sym, ctx, kRed, 150, 280, kBlack, FillType::Border);
  int changed = 0;
  for (int i = 0; i < canvas.width() * canvas.height(); ++i) {
    changed += canvas.pixels()[i] != before.pixels()[i];
  }
  EXPECT_EQ(changed, 4);  // three probes and the border pixel set above
  EXPECT_EQ(At(kSeeds[1]), kBlack);
  EXPECT_EQ(At(kSeeds[0]), ctx.ProbeColor);

  // The replay fills where a probe shows, and leaves the border pixel black
  // so nothing leaks out of the region.
  ctx.PaintOrderMode = 2;
  SymmPaint(sym, ctx, kRed, 150, 280, kBlack, FillType::Border);
  EXPECT_EQ(At(kSeeds[0]), kRed);
  EXPECT_EQ(At(kSeeds[2]), kRed);
  EXPECT_EQ(At(kSeeds[1]), kBlack);
  EXPECT_EQ(At({200, 200}), kWhite);

  // A region whose probe a newer fill has covered is not filled again.
  SymmPaint(sym, ctx, rgb(0, 255, 0), 150, 280, kBlack, FillType::Border);
  EXPECT_EQ(At(kSeeds[0]), kRed);
}

}  // namespace
}  // namespace orn
