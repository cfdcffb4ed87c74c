// Drawing with the mouse on a real canvas: every drawing tool writes the
// record the picture keeps, shows it in the base cell and in its copy, and
// leaves the canvas exactly as a full redraw of the picture would show it.
#include <gtest/gtest.h>

#include "mouse_fixture.h"

namespace orn::test {
namespace {

using E = std::vector<std::pair<float, float>>;

// A picture with a base cell (0..119) and its copy 120 pixels to the right,
// redrawn so that the part is current, with the given tool.
struct Drawing : MouseScene {
  explicit Drawing(int t) {
    addTranslationSymmetry();
    start = list.NumPoints;
    m.DrawAll(1);
    tool(t);
  }
  int start = 0;
};

TEST(MouseDrawing, PolylineClicksWriteTheRecordAndShowItInEveryCopy) {
  Drawing s(kToolPolyLine);
  ASSERT_EQ(s.sym.CurPart, 1);
  s.click(10, 10);
  s.click(40, 10);
  EXPECT_EQ(s.m.ms.NearDist, 30);
  s.click(40, 40);
  s.click(40, 40);  // a second click on the last point ends the polyline
  const int h = s.start;
  EXPECT_EQ(s.entries(h, h + 6), (E{{20001, 3}, {0, 0}, {20077, 5}, {10, 10}, {40, 10}, {40, 40}, {20099, 0}}));
  EXPECT_EQ(s.list.NumPoints, h + 6);
  EXPECT_FALSE(s.list.recordOpen());
  for (int dx : {0, 120}) {
    EXPECT_EQ(s.canvas.point(25 + dx, 10), kBlack) << dx;
    EXPECT_EQ(s.canvas.point(40 + dx, 25), kBlack) << dx;
    EXPECT_EQ(s.canvas.point(25 + dx, 25), kWhite) << dx;
  }
  { const Surface r = s.redrawn(); EXPECT_EQ(s.canvas, r) << MouseScene::diff(s.canvas, r); }
}

TEST(MouseDrawing, RubberBandFollowsTheMouseAndLeavesNothingBehind) {
  Drawing s(kToolPolyLine);
  const Surface empty = s.canvas;
  s.click(20, 20);
  s.move(60, 90);
  EXPECT_EQ(s.canvas.point(40, 55), kBlack);
  EXPECT_EQ(s.canvas.point(160, 55), kBlack);
  s.move(90, 30);
  EXPECT_EQ(s.canvas.point(40, 55), kWhite);
  EXPECT_EQ(s.list.G0[s.list.NumPoints], 90.0f);
  s.move(20, 20);
  s.dbl(20, 20);  // a record of one point is dropped
  EXPECT_EQ(s.list.NumPoints, s.start);
  EXPECT_EQ(s.list.G0[s.start], float(kCodeEnd));
  EXPECT_EQ(s.canvas, empty);
}

TEST(MouseDrawing, MultiLineDrawsSeparatePairsAndDropsAnUnpairedPoint) {
  Drawing s(kToolMultiLine);
  s.click(10, 30);
  s.click(100, 30);
  s.click(10, 60);
  s.click(100, 60);
  s.click(50, 90);
  s.click(50, 90);  // never closes a Multi Line
  EXPECT_TRUE(s.list.recordOpen());
  s.m.P1DBL();
  const int h = s.start;
  EXPECT_EQ(s.entries(h, h + 7),
            (E{{20002, 3}, {0, 0}, {20077, 6}, {10, 30}, {100, 30}, {10, 60}, {100, 60}, {20099, 0}}));
  for (int dx : {0, 120}) {
    EXPECT_EQ(s.canvas.point(50 + dx, 30), kBlack);
    EXPECT_EQ(s.canvas.point(50 + dx, 60), kBlack);
    EXPECT_EQ(s.canvas.point(10 + dx, 45), kWhite);  // no segment between the pairs
  }
  { const Surface r = s.redrawn(); EXPECT_EQ(s.canvas, r) << MouseScene::diff(s.canvas, r); }
}

TEST(MouseDrawing, SplineClicksDrawASmoothCurveAndCloseOnTheLastPoint) {
  Drawing s(kToolSpline);
  s.click(10, 80);
  s.click(40, 40);
  s.click(70, 90);
  s.click(100, 60);
  s.click(100, 60);
  const int h = s.start;
  EXPECT_EQ(s.entries(h, h + 8), (E{{20000, 3}, {0, 0}, {20077, 6}, {10, 80}, {40, 40}, {70, 90},
                                    {100, 60}, {20099, 0}, s.entries(h + 8, h + 8)[0]}));
  EXPECT_EQ(s.canvas.point(40, 40), kBlack);
  EXPECT_EQ(s.canvas.point(160, 40), kBlack);
  { const Surface r = s.redrawn(); EXPECT_EQ(s.canvas, r) << MouseScene::diff(s.canvas, r); }
}

TEST(MouseDrawing, SplineSwitchRecordsAPolylineThatStandsForASpline) {
  Drawing s(kToolSpline);
  s.splinePolyOn = true;
  s.click(10, 10);
  EXPECT_EQ(s.ed.CurDrawType, kToolPolyLine);
  s.click(50, 50);
  s.dbl(90, 10);
  EXPECT_EQ(s.list.G0[s.start], 20001.0f);
  EXPECT_EQ(s.list.G0[s.start + 1], -1.0f);
  EXPECT_EQ(s.ed.CurDrawType, kToolSpline);
  { const Surface r = s.redrawn(); EXPECT_EQ(s.canvas, r) << MouseScene::diff(s.canvas, r); }
}

TEST(MouseDrawing, TwoPointCircleClosesOnTheSecondClick) {
  Drawing s(kToolCircle2);
  s.click(60, 80);
  s.move(60, 50);
  s.move(80, 80);
  s.click(60, 100);
  const int h = s.start;
  EXPECT_EQ(s.entries(h, h + 4), (E{{20003, 2}, {20077, 3}, {60, 80}, {60, 100}, {20099, 0}}));
  for (int dx : {0, 120}) {
    EXPECT_EQ(s.canvas.point(60 + dx, 60), kBlack);
    EXPECT_EQ(s.canvas.point(80 + dx, 80), kBlack);
    EXPECT_EQ(s.canvas.point(60 + dx, 80), kWhite);
  }
  { const Surface r = s.redrawn(); EXPECT_EQ(s.canvas, r) << MouseScene::diff(s.canvas, r); }
}

TEST(MouseDrawing, ThreePointCircleAndArcCloseOnTheThirdClick) {
  for (int t : {kToolCircle3, kToolArc}) {
    Drawing s(t);
    s.click(40, 80);
    s.click(80, 80);
    EXPECT_TRUE(s.list.recordOpen()) << t;
    s.move(60, 110);
    s.click(60, 60);
    const int h = s.start;
    EXPECT_EQ(s.entries(h, h + 5), (E{{20000.0f + t, 2}, {20077, 4}, {40, 80}, {80, 80}, {60, 60}, {20099, 0}}))
        << t;
    EXPECT_EQ(s.canvas.point(60, 60), kBlack) << t;
    EXPECT_EQ(s.canvas.point(180, 60), kBlack) << t;
    EXPECT_EQ(s.canvas.point(60, 100) == kBlack, t == kToolCircle3) << t;
    { const Surface r = s.redrawn(); EXPECT_EQ(s.canvas, r) << t << MouseScene::diff(s.canvas, r); }
  }
}

TEST(MouseDrawing, GeometricShapeIsBuiltOnTheDraggedEdge) {
  Drawing s(kToolGeometric);
  s.ed.ShowGeoNumbers = true;
  s.ui.dupVisible = false;
  s.click(20, 100);
  s.move(50, 100);
  s.click(60, 100);
  const int h = s.start;
  const E want{{20006, 2}, {20077, 7}, {20, 100}, {60, 100}, {60, 60}, {20, 60}, {20, 100}, {40, 80}, {20099, 0}};
  const E got = s.entries(h, h + 8);
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(got[i].first, want[i].first, 1e-3) << i;
    EXPECT_NEAR(got[i].second, want[i].second, 1e-3) << i;
  }
  EXPECT_TRUE(s.ui.dupVisible);
  EXPECT_TRUE(s.mui.editsym);  // the list begins with a Geometric record
  for (int dx : {0, 120}) EXPECT_EQ(s.canvas.point(40 + dx, 60), kBlack);
  { const Surface r = s.redrawn(); EXPECT_EQ(s.canvas, r) << MouseScene::diff(s.canvas, r); }
}

TEST(MouseDrawing, FreehandDragFixesAPointEveryThreeUnits) {
  Drawing s(kToolPolyLine);
  s.move(10, 10);
  s.press(10, 10);
  for (int x = 11; x <= 20; ++x) s.move(float(x), 10, 1);
  s.release(20, 10);
  // Points at 10, 13, 16, 19 and the moving point at 20.
  EXPECT_EQ(s.list.NumPoints - s.list.ItemFirst, 4);
  EXPECT_EQ(s.list.G0[s.list.ItemFirst + 3], 19.0f);
}

TEST(MouseDrawing, RightButtonStepsBackPointByPointAndRecordByRecord) {
  Drawing s(kToolPolyLine);
  s.click(10, 10);
  s.click(60, 10);
  s.click(60, 60);
  s.move(100, 60);
  s.press(100, 60, 2);
  EXPECT_EQ(s.list.NumPoints - s.list.ItemFirst, 2);
  EXPECT_TRUE(s.ed.UndoPolyRunning);
  EXPECT_TRUE(s.mui.undoPoly);
  EXPECT_EQ(s.mui.located.back(), std::make_pair(60, 60));
  EXPECT_EQ(s.m.ms.NearDist, 10000);
  s.release(100, 60, 2);
  EXPECT_FALSE(s.ed.UndoPolyRunning);
  s.move(60, 60);
  s.m.P1DBL();  // after a right press a double click steps back once more
  EXPECT_EQ(s.list.NumPoints - s.list.ItemFirst, 1);
  s.move(60, 10);
  s.dbl(60, 10);
  // Closed: (10,10)-(60,10). No record open: the next right press re-opens it.
  EXPECT_FALSE(s.list.recordOpen());
  s.tool(kToolCircle2);
  s.press(5, 5, 2);  // a polyline of two points goes whole
  EXPECT_EQ(s.ed.CurDrawType, kToolPolyLine);
  EXPECT_EQ(s.list.NumPoints, s.start);
  EXPECT_EQ(s.canvas.point(30, 10), kWhite);
  EXPECT_EQ(s.canvas.point(150, 10), kWhite);
}

TEST(MouseDrawing, StepBackRemovesACircleWholeAndAsksBeforeRemovingAMark) {
  Drawing s(kToolCircle2);
  s.click(60, 80);
  s.click(60, 100);
  s.addSingle(float(kCodeMark), 0);
  s.host.messageBoxAnswer = MsgResult::No;
  s.press(1, 1, 2);  // "Undo Mark?" No: the Mark stays
  EXPECT_EQ(s.list.G0[s.list.NumPoints - 1], float(kCodeMark));
  s.host.messageBoxAnswer = MsgResult::Yes;
  s.press(1, 1, 2);
  EXPECT_NE(s.list.G0[s.list.NumPoints - 1], float(kCodeMark));
  s.press(1, 1, 2);  // the circle goes whole
  EXPECT_EQ(s.list.NumPoints, s.start);
  EXPECT_EQ(s.canvas.point(60, 60), kWhite);
  EXPECT_EQ(s.canvas.point(180, 60), kWhite);
}

TEST(MouseDrawing, RightPressOnAnEmptyPictureOnlyDisablesSymmetrySetup) {
  MouseScene s;
  s.press(10, 10, 2);
  EXPECT_FALSE(s.mui.editsym);
  EXPECT_EQ(s.list.NumPoints, 0);
}

TEST(MouseDrawing, PressInShowModeLeavesTheEditor) {
  struct ShowControls : RecordingControls {
    bool showMode() const override { return true; }
  };
  MouseScene s;
  ShowControls show;
  MouseEngine m(MouseEnv{s.list, s.sym, s.ctx, s.ed, s.pick, s.colour, s.views, s.host, show, s.mui,
                         s.splinePolyOn, s.polyShape});
  m.P1MD(1, 0, 10, 10);
  EXPECT_EQ(s.mui.exits, 1);
  EXPECT_EQ(s.list.NumPoints, 0);
}

TEST(MouseDrawing, NothingChangesTheListWhileARedrawRuns) {
  Drawing s(kToolPolyLine);
  s.click(10, 10);
  s.click(50, 10);
  const std::vector<float> g0 = s.list.G0;
  const int n = s.list.NumPoints;
  s.ed.DrawBusy = true;
  s.move(70, 70);
  s.press(70, 70);
  s.press(70, 70, 2);
  s.m.P1DBL();
  s.m.DrawType(kToolCircle2);  // the tool buttons go through DrawType_MouseDown
  s.m.DrawType_MouseDown(kToolCircle2);
  s.ed.DrawBusy = false;
  EXPECT_EQ(s.list.NumPoints, n);
  EXPECT_EQ(s.list.G0[n], g0[n]);
}

TEST(MouseDrawing, AClickThatWouldPassTheEntryLimitBeepsAndAddsNothing) {
  MouseScene s;
  // A list filled to just below the limit with one long polyline.
  s.list.CreateItem(kTypePolyLine, 1, 0, 0);
  while (s.list.NumPoints < kMaxIndex - 3) s.list.AddPoint(float(s.list.NumPoints % 200), 1, kToolPaint);
  s.list.closeRecord();
  const int n = s.list.NumPoints;
  s.tool(kToolCircle2);
  s.click(100, 100);
  EXPECT_EQ(s.host.beeps, 1);
  EXPECT_EQ(s.list.NumPoints, n);
  EXPECT_TRUE(s.wellFormed());
}

}  // namespace
}  // namespace orn::test
