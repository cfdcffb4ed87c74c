// The editing tools on a small picture: Erase Lines, Delete Color Handle,
// the drags of Adjust Points, Adjust Color Handles and the duplicate tool,
// and the spline/polyline conversion.
#include <gtest/gtest.h>

#include "canvas/plot_lines.h"
#include "mouse_fixture.h"

namespace orn::test {
namespace {

constexpr Rgb kRed = 255;
constexpr Rgb kBlueFill = 0xFF0000;

// Three closed records: a polyline, a circle and another polyline.
struct Picture : MouseScene {
  Picture() {
    a = addShape(kTypePolyLine, {{10, 10}, {60, 10}, {60, 40}});
    b = addShape(kTypeCircle2, {{150, 80}, {150, 100}});
    c = addShape(kTypePolyLine, {{20, 120}, {100, 120}});
    m.DrawAll(1);
  }
  int a, b, c;
};

TEST(EraseLines, LeftPickShowsTheRecordRedAndARightPressDeletesIt) {
  Picture s;
  s.tool(kToolEraseLines);
  s.click(150, 100);
  EXPECT_EQ(s.pick.SplitPick1, s.b + 3) << s.b;
  EXPECT_EQ(s.canvas.point(130, 80), kRed);
  EXPECT_EQ(s.canvas.point(60, 25), kBlack);
  s.click(150, 100);  // the left button again only beeps
  EXPECT_EQ(s.host.beeps, 1);
  const int oldEnd = s.list.NumPoints;
  s.click(5, 150, 2);  // a right press confirms the pick wherever it is
  EXPECT_EQ(s.list.NumPoints, oldEnd - 4);
  EXPECT_EQ(s.list.G0[s.b], 20001.0f);  // the last polyline moved down over it
  EXPECT_EQ(s.list.G0[s.b + 3], 20.0f);
  EXPECT_EQ(s.list.G0[s.list.NumPoints], float(kCodeEnd));
  EXPECT_EQ(s.canvas.point(130, 80), kWhite);
  EXPECT_EQ(s.pick.SplitPick1, 0);
  EXPECT_TRUE(s.wellFormed());
}

TEST(EraseLines, TwoPicksInOnePolylineCutOutTheRunBetweenThem) {
  MouseScene s;
  s.addShape(kTypePolyLine, {{10, 50}, {40, 50}, {70, 50}, {100, 50}, {130, 50}});
  s.m.DrawAll(1);
  s.tool(kToolEraseLines);
  s.click(40, 50);
  s.click(100, 50);
  EXPECT_EQ(s.canvas.point(85, 50), kRed);   // the run between the picks
  EXPECT_EQ(s.canvas.point(25, 50), kBlack);  // the rest
  s.click(100, 50, 2);
  // Two pieces, (10,50)-(40,50) and (100,50)-(130,50), each opened on its
  // first point as a stroke is.
  using E = std::vector<std::pair<float, float>>;
  EXPECT_EQ(s.entries(0, 5), (E{{20001, 3}, {0, 0}, {20077, 5}, {10, 50}, {10, 50}, {40, 50}}));
  EXPECT_EQ(s.entries(6, 12), (E{{20001, 3}, {0, 0}, {20077, 5}, {100, 50}, {100, 50}, {130, 50}, {20099, 0}}));
  EXPECT_EQ(s.canvas.point(70, 50), kWhite);
  EXPECT_EQ(s.canvas.point(25, 50), kBlack);
  EXPECT_EQ(s.canvas.point(115, 50), kBlack);
}

TEST(EraseLines, AMultiLineSegmentIsMarkedAndPackedLater) {
  Picture s;
  const int ml = s.addShape(kTypeMultiLine, {{10, 140}, {60, 140}, {10, 150}, {60, 150}});
  s.tool(kToolEraseLines);
  s.click(60, 150);
  s.click(60, 150, 2);
  EXPECT_EQ(s.list.G0[ml + 5], kDeletedPoint);
  EXPECT_EQ(s.list.G0[ml + 6], kDeletedPoint);
  EXPECT_EQ(s.list.PackFrom, ml + 5);
  // Deleting a whole record before the marks moves them and PackFrom with them.
  s.click(10, 10);
  s.click(10, 10, 2);
  EXPECT_EQ(s.list.PackFrom, ml + 5 - 6);
  EXPECT_EQ(s.list.G0[s.list.PackFrom], kDeletedPoint);
  PackBad(s.list);
  EXPECT_TRUE(s.wellFormed());
}

TEST(DeleteColorHandle, LeftChoosesTheHandleAndRightDeletesOnlyThatFill) {
  Picture s;
  s.ed.ColorToolsOn = true;
  const int p = s.addPaint({{kBlueFill, {30, 80}}});
  s.m.DrawAll(1);
  ASSERT_EQ(s.canvas.point(30, 80), kBlueFill);
  s.tool(kToolDeleteColorHandle);
  s.click(30, 80);
  EXPECT_TRUE(s.mui.killShown);
  EXPECT_EQ(s.mui.kill, kBlueFill);
  EXPECT_EQ(s.m.ms.ColorHandle, p + 2);
  s.click(30, 80, 2);
  EXPECT_EQ(s.list.G0[p + 2], kDeletedPoint);
  EXPECT_EQ(s.list.G0[p + 3], kDeletedPoint);
  EXPECT_EQ(s.m.ms.ColorHandle, kNoHandle);
  EXPECT_FALSE(s.mui.killShown);
  EXPECT_EQ(s.canvas.point(30, 80), kWhite);
}

TEST(DeleteColorHandle, ARightPressNeverDeletesARecordTheUserDidNotPick) {
  Picture s;
  s.addPaint({{kBlueFill, {30, 80}}});
  s.tool(kToolAdjustPoints);
  s.click(60, 10);  // picks a polyline point (HitPair stays 0)
  s.tool(kToolDeleteColorHandle);
  const std::vector<float> before = s.list.G0;
  const int n = s.list.NumPoints;
  s.click(60, 10, 2);
  EXPECT_EQ(s.host.beeps, 1);
  EXPECT_EQ(s.list.NumPoints, n);
  EXPECT_EQ(std::vector<float>(s.list.G0.begin(), s.list.G0.begin() + n + 1),
            std::vector<float>(before.begin(), before.begin() + n + 1));
}

TEST(AdjustPoints, DragMovesThePointAndTheReleaseSnapsIt) {
  Picture s;
  s.m.ms.SnapSize = 4;
  s.tool(kToolAdjustPoints);
  s.move(60, 40);
  s.press(60, 40);
  EXPECT_TRUE(s.m.ms.MouseBusy);
  s.move(80, 70, 1);
  s.move(98, 118, 1);
  s.release(98, 118);
  EXPECT_FALSE(s.m.ms.MouseBusy);
  EXPECT_EQ(s.list.G0[s.a + 5], 100.0f);  // snapped onto the other polyline's end
  EXPECT_EQ(s.list.G1[s.a + 5], 120.0f);
  EXPECT_EQ(s.canvas.point(80, 65), kBlack);  // the moved segment
  EXPECT_EQ(s.canvas.point(60, 25), kWhite);  // the old one is gone
}

TEST(Duplicate, ACircleCopiedByItsCentreIsDraggedAwayFromItsSource) {
  Picture s;
  s.tool(kToolDuplicate);
  const int n = s.list.NumPoints;
  s.click(60, 10);  // not a centre: nothing
  EXPECT_EQ(s.list.NumPoints, n);
  s.move(150, 80);
  s.press(150, 80);
  EXPECT_EQ(s.list.NumPoints, n + 4);
  s.move(170, 60, 1);
  s.move(190, 40, 1);
  s.release(190, 40);
  EXPECT_EQ(s.entries(n, n + 4), (std::vector<std::pair<float, float>>{{20003, 2}, {20077, 3}, {190, 40}, {190, 60}, {20099, 0}}));
  EXPECT_EQ(s.list.G0[s.b + 2], 150.0f);  // the source stays
  EXPECT_EQ(s.canvas.point(130, 80), kBlack);
  EXPECT_EQ(s.canvas.point(170, 40), kBlack);
  EXPECT_EQ(s.pick.DupIndex, -1);
  // A copy released where it was made lies exactly on its source.
  s.click(150, 80);
  EXPECT_EQ(s.entries(n + 4, n + 7), s.entries(s.b, s.b + 3));
  EXPECT_TRUE(s.wellFormed());
}

TEST(Duplicate, AGeometricShapeDraggedByItsCentreSnapsToANeighbourNotToItself) {
  MouseScene s;
  s.addShape(kTypeGeometric, {{20, 20}, {60, 20}, {60, 60}, {20, 60}, {20, 20}, {40, 40}});
  s.addShape(kTypePolyLine, {{100, 100}, {150, 100}});
  s.m.DrawAll(1);
  s.m.ms.SnapSize = 5;
  s.tool(kToolDuplicate);
  const int n = s.list.NumPoints;
  s.move(40, 40);
  s.press(40, 40);
  s.move(100, 70, 1);
  s.move(122, 82, 1);  // vertices (102, 62) .. (102, 102); centre (122, 82)
  s.release(122, 82);
  // The vertex (102, 102) is 2 from the polyline's end (100, 100): the copy
  // moves by (-2, -2) so that they meet. Its own closing vertex, which
  // repeats its first, never counts as a neighbour.
  EXPECT_EQ(s.list.G0[n + 2], 100.0f);
  EXPECT_EQ(s.list.G1[n + 2], 60.0f);
  EXPECT_EQ(s.list.G0[n + 7], 120.0f);
  EXPECT_EQ(s.list.G1[n + 7], 80.0f);
  EXPECT_EQ(s.list.G0[2], 20.0f);  // the source stays
}

TEST(Convert, ThePickedRecordTurnsBetweenSplineAndPolylineBothWays) {
  MouseScene s;
  const int h = s.addShape(kTypePolyLine, {{10, 80}, {50, 40}, {90, 90}, {130, 60}});
  s.m.DrawAll(1);
  s.tool(kToolConvert);
  s.click(50, 40);
  EXPECT_EQ(s.canvas.point(30, 60), kRed);
  s.click(50, 40, 2);
  EXPECT_EQ(s.list.G0[h], 20000.0f);
  EXPECT_EQ(s.canvas.point(50, 40), kBlack);
  EXPECT_EQ(s.pick.SplitPick1, 0);
  s.click(50, 40);
  s.click(50, 40, 4);  // the middle button confirms too
  EXPECT_EQ(s.list.G0[h], 20001.0f);
  EXPECT_EQ(s.canvas.point(70, 65), kBlack);  // straight again between the points
}

TEST(Convert, AShortRecordIsLeftAloneAndAnOpenRecordIsClosedFirst) {
  MouseScene s;
  const int two = s.addShape(kTypePolyLine, {{10, 10}, {50, 10}});
  const int spline = s.addShape(kTypeSpline, {{10, 80}, {50, 40}, {90, 90}});
  s.tool(kToolPolyLine);
  s.click(100, 100);
  s.click(120, 100);
  s.m.PolySplineSwap(two + 3);
  EXPECT_EQ(s.list.G0[two], 20001.0f);
  EXPECT_FALSE(s.list.recordOpen());
  s.m.PolySplineSwap(spline + 4);
  EXPECT_EQ(s.list.G0[spline], 20001.0f);
  EXPECT_TRUE(s.wellFormed());
}

TEST(SplineSwitch, TurnsSplinesIntoPolylinesAndBackLeavingUserPolylines) {
  MouseScene s;
  const int sp = s.addShape(kTypeSpline, {{10, 80}, {50, 40}, {90, 90}});
  const int pl = s.addShape(kTypePolyLine, {{10, 10}, {50, 10}, {90, 30}});
  s.m.SplinePoly_Click();
  EXPECT_TRUE(s.splinePolyOn);
  EXPECT_EQ(s.list.G0[sp], 20001.0f);
  EXPECT_EQ(s.list.G0[sp + 1], -1.0f);
  s.m.SplinePoly_Click();
  EXPECT_EQ(s.list.G0[sp], 20000.0f);
  EXPECT_EQ(s.list.G0[sp + 1], 0.0f);
  EXPECT_EQ(s.list.G0[pl], 20001.0f);
  EXPECT_EQ(s.ed.CurDrawType, kToolSpline);
}

TEST(ToolSelection, SwitchingClosesTheOpenRecordAndEditToolsNeedAPicture) {
  MouseScene s;
  s.tool(kToolEraseLines);
  EXPECT_EQ(s.ed.CurDrawType, kToolPolyLine);  // empty picture: refused
  s.tool(kToolSpline);
  s.click(10, 10);
  s.click(60, 60);
  s.tool(kToolCircle2);
  EXPECT_FALSE(s.list.recordOpen());
  EXPECT_EQ(s.list.G0[0], 20000.0f);
  EXPECT_EQ(s.ed.CurDrawType, kToolCircle2);
  // A pending pick is given up without marking the picture changed.
  s.tool(kToolEraseLines);
  s.click(60, 60);
  EXPECT_NE(s.pick.SplitPick1, 0);
  s.ed.PicChanged = false;
  s.tool(kToolPolyLine);
  EXPECT_EQ(s.pick.SplitPick1, 0);
  EXPECT_FALSE(s.ed.PicChanged);
}

TEST(ListCommands, MarkAndUndoToMarkCloseTheStrokeAndRedrawTheCanvas) {
  MouseScene s;
  s.tool(kToolPolyLine);
  s.click(10, 10);
  s.click(60, 10);
  EXPECT_TRUE(s.m.MarkC());
  EXPECT_EQ(s.list.G0[s.list.NumPoints - 1], float(kCodeMark));
  EXPECT_EQ(s.canvas.point(30, 10), kBlack);
  s.click(10, 50);
  s.dbl(60, 50);
  EXPECT_EQ(s.canvas.point(30, 50), kBlack);
  EXPECT_TRUE(s.m.UndoToMarkC());
  EXPECT_EQ(s.canvas.point(30, 50), kWhite);
  EXPECT_EQ(s.canvas.point(30, 10), kBlack);
  EXPECT_TRUE(s.wellFormed());
}

}  // namespace
}  // namespace orn::test
