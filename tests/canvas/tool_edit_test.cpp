// The editing tools on a small picture, choosing tools, and spline/polyline conversion.
#include <gtest/gtest.h>

#include "canvas/plot_lines.h"
#include "canvas_fixture.h"

namespace orn::test {
namespace {

constexpr Rgb kRed = 255;
constexpr Rgb kBlueFill = 0xFF0000;

// Three closed records: a polyline, a circle and another polyline.
struct Picture : MouseScene {
  Picture() {
    a = AddShape(list, kTypePolyLine, {{10, 10}, {60, 10}, {60, 40}});
    b = AddShape(list, kTypeCircle2, {{150, 80}, {150, 100}});
    c = AddShape(list, kTypePolyLine, {{20, 120}, {100, 120}});
    m.DrawAll(1);
  }
  int a, b, c;
};

TEST(EraseLines, LeftPickShowsTheRecordRedAndARightPressDeletesIt) {
  Picture s;
  s.tool(kToolEraseLines);
  s.click(150, 100);
  EXPECT_EQ(s.pick.SplitPick1, s.b + 3);
  EXPECT_EQ(s.canvas.point(130, 80), kRed);
  EXPECT_TRUE(s.black(60, 25));
  s.click(150, 100);  // the left button again only beeps
  EXPECT_EQ(s.host.beeps, 1);
  const int oldEnd = s.list.NumPoints;
  s.click(5, 150, 2);  // a right press confirms the pick wherever it is
  EXPECT_EQ(s.list.NumPoints, oldEnd - 4);
  EXPECT_EQ(EntriesOf(s.list, s.b, s.b), (Entries{{20001, 3}}));  // the last polyline moved down over it
  EXPECT_EQ(s.list.G0[s.b + 3], 20.0f);
  EXPECT_EQ(s.canvas.point(130, 80), kWhite);
  EXPECT_EQ(s.pick.SplitPick1, 0);
  EXPECT_TRUE(ListIsSound(s.list));
  EXPECT_SAME_AS_REDRAW(s);
}

TEST(EraseLines, APickInAnotherRecordTakesThePickOverWithBothRecordsBlack) {
  Picture s;
  s.tool(kToolEraseLines);
  s.click(150, 100);
  ASSERT_EQ(s.canvas.point(130, 80), kRed);
  for (int k = 0; k < 2; ++k) {
    s.click(60, 40);
    EXPECT_EQ(s.pick.SplitPick1, s.a + 5);
    EXPECT_TRUE(s.black(130, 80) && s.black(60, 25));
    s.click(150, 100);
    EXPECT_EQ(s.pick.SplitPick1, s.b + 3);
    EXPECT_TRUE(s.black(130, 80) && s.black(60, 25));
  }
}

TEST(EraseLines, TwoPicksInOnePolylineCutOutTheRunBetweenThem) {
  MouseScene s;
  AddShape(s.list, kTypePolyLine, {{10, 50}, {40, 50}, {70, 50}, {100, 50}, {130, 50}});
  s.m.DrawAll(1);
  s.tool(kToolEraseLines);
  s.click(40, 50);
  s.click(100, 50);
  EXPECT_EQ(s.canvas.point(85, 50), kRed);
  EXPECT_TRUE(s.black(25, 50));
  s.click(100, 50, 2);
  EXPECT_TRUE(ListIsSound(s.list));
  EXPECT_TRUE(!s.black(70, 50) && s.black(25, 50) && s.black(115, 50));
}

TEST(EraseLines, AMultiLineSegmentIsMarkedAndPackedLater) {
  Picture s;
  const int ml = AddShape(s.list, kTypeMultiLine, {{10, 140}, {60, 140}, {10, 150}, {60, 150}});
  s.tool(kToolEraseLines);
  s.click(60, 150);
  s.click(60, 150, 2);
  EXPECT_TRUE(s.list.G0[ml + 5] == kDeletedPoint && s.list.G0[ml + 6] == kDeletedPoint);
  EXPECT_EQ(s.list.PackFrom, ml + 5);
  s.click(10, 10);  // deleting a whole record before the marks moves PackFrom with them
  s.click(10, 10, 2);
  EXPECT_EQ(s.list.PackFrom, ml + 5 - 6);
  EXPECT_EQ(s.list.G0[s.list.PackFrom], kDeletedPoint);
  PackBad(s.list);
  EXPECT_TRUE(ListIsSound(s.list));
}

TEST(DeleteColorHandle, DeletesOnlyTheChosenFillAndNeverARecordTheUserDidNotPick) {
  Picture s;
  const int p = AddPaint(s.list, {{kBlueFill, {30, 80}}});
  s.m.DrawAll(1);
  ASSERT_EQ(s.canvas.point(30, 80), kBlueFill);
  s.tool(kToolAdjustPoints);
  s.click(60, 10);  // picks a polyline point
  s.tool(kToolDeleteColorHandle);
  const std::vector<float> before = s.list.G0;
  s.click(60, 10, 2);
  EXPECT_EQ(s.host.beeps, 1);
  EXPECT_EQ(s.list.G0, before);

  s.click(30, 80);
  EXPECT_TRUE(s.mui.killShown);
  EXPECT_EQ(s.mui.kill, kBlueFill);
  EXPECT_EQ(s.m.ms.ColorHandle, p + 2);
  s.click(30, 80, 2);
  EXPECT_TRUE(s.list.G0[p + 2] == kDeletedPoint && s.list.G0[p + 3] == kDeletedPoint);
  EXPECT_EQ(s.m.ms.ColorHandle, kNoHandle);
  EXPECT_FALSE(s.mui.killShown);
  EXPECT_EQ(s.canvas.point(30, 80), kWhite);
}

TEST(AdjustPoints, DragMovesThePointAndTheReleaseSnapsIt) {
  Picture s;
  s.m.ms.SnapSize = 4;
  s.tool(kToolAdjustPoints);
  s.drag(60, 40, 98, 118);
  EXPECT_FALSE(s.m.ms.MouseBusy);
  EXPECT_EQ(EntriesOf(s.list, s.a + 5, s.a + 5), (Entries{{100, 120}}));  // onto the other polyline's end
  EXPECT_TRUE(s.black(80, 65) && !s.black(60, 25));
}

TEST(Duplicate, ACircleCopiedByItsCentreIsDraggedAwayFromItsSource) {
  Picture s;
  s.tool(kToolDuplicate);
  const int n = s.list.NumPoints;
  s.click(60, 10);  // not a centre: nothing
  EXPECT_EQ(s.list.NumPoints, n);
  s.drag(150, 80, 190, 40);
  EXPECT_EQ(EntriesOf(s.list, n, n + 4), (Entries{{20003, 2}, {20077, 3}, {190, 40}, {190, 60}, {20099, 0}}));
  EXPECT_EQ(s.list.G0[s.b + 2], 150.0f);  // the source stays
  EXPECT_TRUE(s.black(130, 80) && s.black(170, 40));
  EXPECT_EQ(s.pick.DupIndex, -1);
  s.click(150, 80);  // released where it was made: exactly on its source
  EXPECT_EQ(EntriesOf(s.list, n + 4, n + 7), EntriesOf(s.list, s.b, s.b + 3));
  EXPECT_TRUE(ListIsSound(s.list));
}

TEST(Duplicate, AGeometricShapeDraggedByItsCentreSnapsToANeighbourNotToItself) {
  MouseScene s;
  AddShape(s.list, kTypeGeometric, {{20, 20}, {60, 20}, {60, 60}, {20, 60}, {20, 20}, {40, 40}});
  AddShape(s.list, kTypePolyLine, {{100, 100}, {150, 100}});
  s.m.DrawAll(1);
  s.m.ms.SnapSize = 5;
  s.tool(kToolDuplicate);
  const int n = s.list.NumPoints;
  s.drag(40, 40, 122, 82);  // vertices (102, 62) .. (102, 102)
  // (102, 102) is 2 from (100, 100): the copy moves by (-2, -2).
  EXPECT_EQ(EntriesOf(s.list, n + 2, n + 2), (Entries{{100, 60}}));
  EXPECT_EQ(EntriesOf(s.list, n + 7, n + 7), (Entries{{120, 80}}));
  EXPECT_EQ(s.list.G0[2], 20.0f);
}

TEST(Convert, ThePickedRecordTurnsBetweenSplineAndPolylineBothWaysExceptAShortOne) {
  MouseScene s;
  const int h = AddShape(s.list, kTypePolyLine, {{10, 80}, {50, 40}, {90, 90}, {130, 60}});
  s.m.DrawAll(1);
  s.tool(kToolConvert);
  s.click(50, 40);
  EXPECT_EQ(s.canvas.point(30, 60), kRed);
  s.click(50, 40, 2);
  EXPECT_EQ(s.list.G0[h], 20000.0f);
  EXPECT_EQ(s.pick.SplitPick1, 0);
  s.click(50, 40);
  s.click(50, 40, 4);  // the middle button confirms too
  EXPECT_EQ(s.list.G0[h], 20001.0f);
  EXPECT_TRUE(s.black(70, 65));  // straight again between the points

  MouseScene t;  // a two-point record stays a polyline; an open stroke is closed first
  const int two = AddShape(t.list, kTypePolyLine, {{10, 10}, {50, 10}});
  const int spline = AddShape(t.list, kTypeSpline, {{10, 80}, {50, 40}, {90, 90}});
  t.tool(kToolPolyLine);
  t.click(100, 100);
  t.click(120, 100);
  t.m.PolySplineSwap(two + 3);
  EXPECT_EQ(t.list.G0[two], 20001.0f);
  EXPECT_FALSE(t.list.recordOpen());
  t.m.PolySplineSwap(spline + 4);
  EXPECT_EQ(t.list.G0[spline], 20001.0f);
  EXPECT_TRUE(ListIsSound(t.list));
}

TEST(SplineSwitch, TurnsSplinesIntoPolylinesAndBackLeavingUserPolylines) {
  MouseScene s;
  const int sp = AddShape(s.list, kTypeSpline, {{10, 80}, {50, 40}, {90, 90}});
  const int pl = AddShape(s.list, kTypePolyLine, {{10, 10}, {50, 10}, {90, 30}});
  s.m.SplinePoly_Click();
  EXPECT_TRUE(s.splinePolyOn);
  EXPECT_TRUE(s.list.G0[sp] == 20001.0f && s.list.G0[sp + 1] == -1.0f);
  s.m.SplinePoly_Click();
  EXPECT_TRUE(s.list.G0[sp] == 20000.0f && s.list.G0[sp + 1] == 0.0f);
  EXPECT_EQ(s.list.G0[pl], 20001.0f);
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
  s.tool(kToolEraseLines);  // a pending pick is given up without marking the picture changed
  s.click(60, 60);
  EXPECT_NE(s.pick.SplitPick1, 0);
  s.ed.PicChanged = false;
  s.tool(kToolPolyLine);
  EXPECT_EQ(s.pick.SplitPick1, 0);
  EXPECT_FALSE(s.ed.PicChanged);
}

TEST(ToolSelection, EditDotsComeWithoutARedrawAndGoWithOne) {
  MouseScene s;
  AddShape(s.list, kTypePolyLine, {{10, 10}, {100, 10}, {100, 100}, {10, 100}, {10, 10}});
  AddPaint(s.list, {{kBlueFill, {50, 50}}});
  s.m.DrawAll(1);
  int n = s.ui.copies;
  s.tool(kToolEraseLines);
  EXPECT_EQ(s.ui.copies, n);  // the dots are drawn over the picture
  EXPECT_EQ(s.canvas.point(100, 10), kRed);
  s.tool(kToolPolyLine);
  EXPECT_EQ(s.ui.copies, n + 1);
  EXPECT_TRUE(s.black(100, 11) && !s.black(101, 11));
  s.tool(kToolAdjustColorHandles);
  n = s.ui.copies;
  s.tool(kToolAdjustPoints);  // other dots: one redraw
  EXPECT_EQ(s.ui.copies, n + 1);
  EXPECT_EQ(s.ed.DotsMode, kToolAdjustPoints);
  EXPECT_EQ(s.canvas.point(100, 10), kRed);

  s.tool(kToolPaint);  // Paint again replays the fills over the canvas as it stands
  s.canvas.pset(200, 150, 0x00FF00);
  s.ed.ColorMode = kColorPicked;
  s.tool(kToolPaint);
  EXPECT_EQ(s.canvas.point(200, 150), std::int64_t(0x00FF00));
  EXPECT_EQ(s.canvas.point(50, 50), std::int64_t(kBlueFill));
  EXPECT_EQ(s.ed.ColorMode, kColorIdle);

  s.tool(kToolDeleteColorHandle);  // leaving it forgets the chosen handle
  s.click(50, 50);
  ASSERT_TRUE(s.mui.killShown);
  s.tool(kToolEraseLines);
  EXPECT_FALSE(s.mui.killShown);
  EXPECT_EQ(s.m.ms.ColorHandle, kNoHandle);
}

TEST(ListCommands, MarkAndUndoToMarkCloseTheStrokeAndRedrawTheCanvas) {
  MouseScene s;
  s.tool(kToolPolyLine);
  s.click(10, 10);
  s.click(60, 10);
  EXPECT_TRUE(s.m.MarkC());
  EXPECT_EQ(s.list.G0[s.list.NumPoints - 1], float(kCodeMark));
  s.click(10, 50);
  s.dbl(60, 50);
  EXPECT_TRUE(s.black(30, 50));
  EXPECT_TRUE(s.m.UndoToMarkC());
  EXPECT_TRUE(!s.black(30, 50) && s.black(30, 10));
  EXPECT_TRUE(ListIsSound(s.list));
}

}  // namespace
}  // namespace orn::test
