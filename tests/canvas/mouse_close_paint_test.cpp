// Closing strokes that shrink to nothing, and what a paint click records in
// the colours in use.
#include <gtest/gtest.h>

#include "mouse_fixture.h"

namespace orn::test {
namespace {

// No record is left without a point: a walk over the list finds only
// records that hold at least their first point.
bool noEmptyRecord(const DrawingList& list) {
  FrameWalker walk(list, 0);
  Frame f;
  while (walk.next(f)) {
    if (f.kind == FrameKind::Record && f.last < f.first) return false;
  }
  return true;
}

TEST(MouseClosing, AStrokeDoubleClickedAtItsFirstPointLeavesNoRecord) {
  for (int t : {kToolSpline, kToolPolyLine, kToolMultiLine, kToolCircle3, kToolArc}) {
    MouseScene s;
    s.ctx.LineWidth = 3;
    s.canvas.setPenWidth(3);
    s.tool(t);
    const Surface empty = s.canvas;
    s.dbl(30, 30);
    EXPECT_FALSE(s.list.recordOpen()) << t;
    EXPECT_EQ(s.list.NumPoints, 0) << t;
    EXPECT_EQ(s.list.G0[0], float(kCodeEnd)) << t;
    EXPECT_TRUE(noEmptyRecord(s.list)) << t;
    EXPECT_EQ(s.canvas, empty) << t << " " << MouseScene::diff(s.canvas, empty);
  }
}

TEST(MouseClosing, AMultiLineOfOnePairAndAnUnpairedPointKeepsThePair) {
  MouseScene s;
  s.tool(kToolMultiLine);
  s.click(10, 30);
  s.click(100, 30);
  s.dbl(50, 90);
  using E = std::vector<std::pair<float, float>>;
  EXPECT_EQ(s.entries(0, 5), (E{{20002, 3}, {0, 0}, {20077, 4}, {10, 30}, {100, 30}, {20099, 0}}));
}

// A closed square to paint in.
struct PaintScene : MouseScene {
  PaintScene() {
    addShape(kTypePolyLine, {{10, 10}, {100, 10}, {100, 100}, {10, 100}, {10, 10}});
    addShape(kTypePolyLine, {{130, 10}, {220, 10}, {220, 100}, {130, 100}, {130, 10}});
    m.DrawAll(1);
    tool(kToolPaint);
  }
};

TEST(PaintClick, AColourAlreadyInUseIsNotAddedAgainUnderAnotherCode) {
  PaintScene s;
  s.colour.CurrentColor = 0x3366CC;
  s.colour.CurrentCode = 999;
  s.click(50, 50);
  ASSERT_EQ(s.colour.InUseCount, 1);
  // The same colour picked from elsewhere carries another code.
  s.colour.CurrentCode = 412;
  s.click(170, 50);
  EXPECT_EQ(s.canvas.point(170, 50), std::int64_t(0x3366CC));
  EXPECT_EQ(s.list.G0[s.list.NumPoints - 1], float(kColorEntryBase + 412));
  EXPECT_EQ(s.colour.InUseCount, 1);
  EXPECT_EQ(s.colour.ColorsInUse.size(), 1u);
}

TEST(PaintClick, APaintedColourEndsAnArmedSwap) {
  PaintScene s;
  s.ed.ColorMode = kColorSwapArmed;
  s.colour.SwapIndex = 3;
  s.click(50, 50);
  EXPECT_EQ(s.colour.InUseCount, 1);
  EXPECT_EQ(s.ed.ColorMode, kColorIdle);
  EXPECT_EQ(s.colour.SwapIndex, 0);
}

TEST(PaintClick, AFailedFillLeavesTheListAndTheColoursInUseAsTheyWere) {
  PaintScene s;
  const int n = s.list.NumPoints;
  s.ed.ColorMode = kColorSwapArmed;
  s.click(100, 50);  // on the black line
  EXPECT_EQ(s.host.beeps, 1);
  EXPECT_EQ(s.list.NumPoints, n);
  EXPECT_FALSE(s.list.recordOpen());
  EXPECT_EQ(s.colour.InUseCount, 0);
  EXPECT_EQ(s.ed.ColorMode, kColorSwapArmed);
}

}  // namespace
}  // namespace orn::test
