// Circles and arcs in every copy, their radii scaled with the copy.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/core/surface.h"
#include "sym_fixtures.h"
#include "symmetry/replication.h"

namespace orn {
namespace {

using test::kSquare;

constexpr double kPiHere = 3.1415926535;
// Arc angles reach the canvas as single-precision values.
double F(double a) { return double(float(a)); }

// Counts the bitmap segments that SymmLine sends while DrawTarget is -1.
struct SegmentCounter : MemBmpTarget {
  int lines = 0;
  int ellipses = 0;
  std::vector<int> radii;
  void MemBmpLine(int, int, int, int) override { ++lines; }
  void MemBmpEllipse(int, int, int r) override {
    ++ellipses;
    radii.push_back(r);
  }
  void MemBmpFill(int, int, Rgb) override {}
};

struct CircleTest : ::testing::Test {
  DrawingList list;
  SymState sym;
  DrawContext ctx;
  Surface canvas{400, 400};
  Surface expected{400, 400};
  std::vector<float> X = std::vector<float>(8, 0.0f), Y = std::vector<float>(8, 0.0f);
  void SetUp() override { ctx.Picture1 = &canvas; }
  void Circle(float x, float y, float r) { SymmCircle(sym, ctx, X, Y, x, y, r, kBlack, 3, 0, 0); }
  void Ring(int x, int y, int r) {
    expected.setPenColor(kBlack);
    expected.circle(x, y, r);
  }
  int BlackPixels() const {
    int n = 0;
    for (int i = 0; i < canvas.width() * canvas.height(); ++i) n += canvas.pixels()[i] == kBlack;
    return n;
  }
};

TEST_F(CircleTest, ACircleAppearsInEveryRotatedCopyWithItsRadius) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  Circle(150, 280, 10);
  Ring(150, 280, 10);
  Ring(280, 250, 10);
  Ring(250, 120, 10);
  Ring(120, 150, 10);
  EXPECT_TRUE(canvas == expected);
}

TEST_F(CircleTest, ACircleScalesWithItsCopysBaseEdge) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part({kSquare[0], test::Scaled(kSquare[0], 0.5f)})),
            SymRebuild::Valid);
  Circle(150, 280, 10);
  Ring(150, 280, 10);
  Ring(75, 140, 5);
  EXPECT_TRUE(canvas == expected);

  canvas.clear();
  expected.clear();
  SymState big;
  ASSERT_EQ(test::LoadBlock(list, big, test::Part({test::Scaled(kSquare[0], 0.5f), kSquare[0]})),
            SymRebuild::Valid);
  SymmCircle(big, ctx, X, Y, 75, 140, 5, kBlack, 3, 0, 0);
  Ring(75, 140, 5);
  Ring(150, 280, 10);
  EXPECT_TRUE(canvas == expected);
}

TEST_F(CircleTest, WorkingSymmetryOnlySwitchesCirclesOffAtZero) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  SegmentCounter bmp;
  ctx.DrawTarget = kDrawMemBmp;
  ctx.MemBmp = &bmp;
  sym.WorkingSym = 1;
  Circle(150, 280, 10);
  EXPECT_EQ(bmp.ellipses, 4);
  sym.WorkingSym = 0;
  Circle(150, 280, 10);
  EXPECT_EQ(bmp.ellipses, 5);
  EXPECT_TRUE(canvas == expected);  // the canvas is not drawn on
}

TEST_F(CircleTest, AnArcTurnsTheWayItsThirdPointLies) {
  // Ends A above the centre and B to its left; C between them on the upper left.
  X = {200, 190, 192.93f};
  Y = {190, 200, 192.93f};
  SymmCircle(sym, ctx, X, Y, 200, 200, 10, kBlack, kArcType, 0, 2);
  expected.setPenColor(kBlack);
  expected.arc(200, 200, 10, F(kPiHere / 2), F(kPiHere));
  expected.pset(200, 190, rgb(255, 0, 0));
  EXPECT_TRUE(canvas == expected);

  canvas.clear();
  expected.clear();
  X[2] = Y[2] = 207.07f;
  SymmCircle(sym, ctx, X, Y, 200, 200, 10, kBlack, kArcType, 0, 2);
  expected.arc(200, 200, 10, F(kPiHere), F(kPiHere / 2));
  EXPECT_TRUE(canvas == expected);
}

TEST_F(CircleTest, TheRedMarkAtAnArcsStartIsAPointOfThePensWidth) {
  // With a wide pen a point set is a dot of the pen's width, so the mark
  // shows beside the wide arc's own round end.
  canvas.setPenWidth(5);
  expected.setPenWidth(5);
  X = {200, 190, 192.93f};
  Y = {190, 200, 192.93f};
  SymmCircle(sym, ctx, X, Y, 200, 200, 10, kBlack, kArcType, 0, 2);
  expected.setPenColor(kBlack);
  expected.arc(200, 200, 10, F(kPiHere / 2), F(kPiHere));
  expected.setPenColor(rgb(255, 0, 0));
  expected.dot(200, 190);
  EXPECT_TRUE(canvas == expected);
  EXPECT_EQ(canvas.point(202, 190), std::int64_t(rgb(255, 0, 0)));
  EXPECT_EQ(canvas.penColor(), kBlack);
}

TEST_F(CircleTest, AnArcInAMirroredCopyIsMirrored) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part({kSquare[0], kSquare[0]}, 1, {0, -1})),
            SymRebuild::Valid);
  // A quarter arc around (150,260) from (150,250) to (140,260); its mirror
  // image lies around (250,260) from (250,250) to (260,260).
  X = {150, 140, 142.93f};
  Y = {250, 260, 252.93f};
  SymmCircle(sym, ctx, X, Y, 150, 260, 10, kBlack, kArcType, 0, 2);
  expected.setPenColor(kBlack);
  expected.arc(150, 260, 10, F(kPiHere / 2), F(kPiHere));
  expected.pset(150, 250, rgb(255, 0, 0));
  expected.setPenColor(kBlack);
  expected.arc(250, 260, 10, F(2 * kPiHere), F(kPiHere / 2));
  EXPECT_TRUE(canvas == expected);
}

TEST_F(CircleTest, ASmallArcStaysSmallInAFullRedraw) {
  // A 3-degree arc of radius 100: in a redraw it is cut into segments.
  const double a0 = -0.3, a1 = a0 - 3 * kPiHere / 180;
  X = {float(200 + 100 * std::cos(a0)), float(200 + 100 * std::cos(a1)),
       float(200 + 100 * std::cos((a0 + a1) / 2))};
  Y = {float(200 + 100 * std::sin(a0)), float(200 + 100 * std::sin(a1)),
       float(200 + 100 * std::sin((a0 + a1) / 2))};
  ctx.ExtendLast = -1;
  SymmCircle(sym, ctx, X, Y, 200, 200, 100, kBlack, kArcType, 0, 2);
  EXPECT_GT(BlackPixels(), 2);
  EXPECT_LT(BlackPixels(), 12);
  EXPECT_EQ(canvas.point(100, 200), std::int64_t(kWhite));
}

TEST_F(CircleTest, ArcsAreCutIntoPiecesFinerOnThePrinter) {
  SegmentCounter bmp;
  ctx.DrawTarget = kDrawMemBmp;
  ctx.MemBmp = &bmp;
  // A quarter arc on screen: seven pieces of 0.2 and a closing piece.
  ArcLines(sym, ctx, 200, 200, 50, 0, kPiHere / 2, kBlack);
  EXPECT_EQ(bmp.lines, 8);
  EXPECT_EQ(ctx.ExtendFirst, 0);

  // While printing a full circle: 0.025 pieces when the circle is wider than
  // the page, 0.05 pieces otherwise.
  test::PrintRecorder rec;
  test::PrintEverything(ctx, rec);
  rec.pageWidth = 500;
  Circle(200, 200, 100);
  EXPECT_EQ(rec.segs.size(), 252u);
  rec.segs.clear();
  Circle(200, 200, 10);
  EXPECT_EQ(rec.segs.size(), 126u);
}

TEST_F(CircleTest, NearlyCollinearArcPointsDrawNothing) {
  X = {0, 400, 200};
  Y = {200, 200, 199.9f};
  SymmCircle(sym, ctx, X, Y, 200, 1000200, 1000000, kBlack, kArcType, 0, 2);
  EXPECT_TRUE(canvas == expected);
  // Indexes outside the point arrays draw nothing either.
  SymmCircle(sym, ctx, X, Y, 200, 200, 10, kBlack, kArcType, 2, 7);
  EXPECT_TRUE(canvas == expected);
}

}  // namespace
}  // namespace orn
