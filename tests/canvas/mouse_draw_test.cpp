// Every drawing tool writes its record, shows it in the base cell and its copy,
// and leaves the canvas exactly as a full redraw shows the picture.
#include <gtest/gtest.h>

#include "canvas_fixture.h"

namespace orn::test {
namespace {

// A base cell (0..119) and its copy 120 pixels to the right, with the given tool.
struct Drawing : MouseScene {
  explicit Drawing(int t) {
    AddTranslationSymmetry(list, sym);
    start = list.NumPoints;
    m.DrawAll(1);
    tool(t);
  }
  void expectInBoth(int x, int y, bool ink) const {
    EXPECT_EQ(black(x, y), ink) << x << "," << y;
    EXPECT_EQ(black(x + 120, y), ink) << x + 120 << "," << y;
  }
  int start = 0;
};

// Each tool's clicks (a move to each point first), then a double click
// where asked: the record written, ink in the base cell and its copy where
// the figure runs and none where it does not.
TEST(MouseDrawing, EachToolWritesItsRecordAndDrawsItInEveryCopy) {
  struct Case {
    int tool;
    std::vector<Pt> clicks;
    bool dblAtEnd;
    Entries want;
    Pt ink, blank;
  };
  const Case cases[] = {
      {kToolPolyLine, {{10, 10}, {40, 10}, {40, 40}, {40, 40}}, false,  // a second click on the last point ends it
       {{20001, 3}, {0, 0}, {20077, 5}, {10, 10}, {40, 10}, {40, 40}, {20099, 0}}, {40, 25}, {25, 25}},
      {kToolMultiLine, {{10, 30}, {100, 30}, {10, 60}, {100, 60}, {50, 90}, {50, 90}}, true,  // the odd point goes
       {{20002, 3}, {0, 0}, {20077, 6}, {10, 30}, {100, 30}, {10, 60}, {100, 60}, {20099, 0}}, {50, 60}, {10, 45}},
      {kToolSpline, {{10, 80}, {40, 40}, {70, 90}, {100, 60}, {100, 60}}, false,
       {{20000, 3}, {0, 0}, {20077, 6}, {10, 80}, {40, 40}, {70, 90}, {100, 60}, {20099, 0}}, {40, 40}, {10, 10}},
      {kToolCircle2, {{60, 80}, {60, 100}}, false, {{20003, 2}, {20077, 3}, {60, 80}, {60, 100}, {20099, 0}},
       {80, 80}, {60, 80}},
      {kToolCircle3, {{40, 80}, {80, 80}, {60, 60}}, false,
       {{20004, 2}, {20077, 4}, {40, 80}, {80, 80}, {60, 60}, {20099, 0}}, {60, 100}, {60, 80}},
      {kToolArc, {{40, 80}, {80, 80}, {60, 60}}, false,
       {{20005, 2}, {20077, 4}, {40, 80}, {80, 80}, {60, 60}, {20099, 0}}, {60, 60}, {60, 100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tool);
    Drawing s(c.tool);
    for (auto [x, y] : c.clicks) {
      s.move(x + 7, y + 31);  // the rubber band follows the mouse on its way
      s.click(x, y);
    }
    EXPECT_EQ(s.list.recordOpen(), c.dblAtEnd);  // a multi line waits for the double click
    if (c.dblAtEnd) s.m.P1DBL();
    EXPECT_EQ(EntriesOf(s.list, s.start, s.start + int(c.want.size()) - 1), c.want);
    s.expectInBoth(int(c.ink.first), int(c.ink.second), true);
    s.expectInBoth(int(c.blank.first), int(c.blank.second), false);
    EXPECT_SAME_AS_REDRAW(s);
  }
}

TEST(MouseDrawing, TheSplineSwitchDrawsAStandInPolylineAndTheGeometricToolBuildsOnTheDraggedEdge) {
  Drawing p(kToolSpline);
  p.splinePolyOn = true;
  p.click(10, 10);
  EXPECT_EQ(p.ed.CurDrawType, kToolPolyLine);
  p.click(50, 50);
  p.dbl(90, 10);
  EXPECT_EQ(EntriesOf(p.list, p.start, p.start), (Entries{{20001, 3}}));
  EXPECT_EQ(p.list.G0[p.start + 1], -1.0f);
  EXPECT_EQ(p.ed.CurDrawType, kToolSpline);
  EXPECT_SAME_AS_REDRAW(p);

  Drawing s(kToolGeometric);
  s.ed.ShowGeoNumbers = true;
  s.ui.dupVisible = false;
  s.click(20, 100);
  s.move(50, 100);
  s.click(60, 100);
  const Entries want{{20006, 2}, {20077, 7}, {20, 100}, {60, 100}, {60, 60}, {20, 60}, {20, 100}, {40, 80}, {20099, 0}};
  const Entries got = EntriesOf(s.list, s.start, s.start + 8);
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(got[i].first, want[i].first, 1e-3) << i;
    EXPECT_NEAR(got[i].second, want[i].second, 1e-3) << i;
  }
  EXPECT_TRUE(s.ui.dupVisible && s.mui.editsym);
  s.expectInBoth(40, 60, true);
  EXPECT_SAME_AS_REDRAW(s);
}

TEST(MouseDrawing, AStrokeDoubleClickedAtItsFirstPointLeavesNoRecord) {
  for (int t : {kToolSpline, kToolPolyLine, kToolMultiLine, kToolCircle3, kToolArc}) {
    MouseScene s;
    s.ctx.LineWidth = 3;
    s.canvas.setPenWidth(3);
    s.tool(t);
    const Surface empty = s.canvas;
    s.dbl(30, 30);
    EXPECT_EQ(s.list.NumPoints, 0) << t;
    EXPECT_EQ(s.list.G0[0], float(kCodeEnd)) << t;
    EXPECT_TRUE(ListIsSound(s.list)) << t;
    EXPECT_TRUE(s.canvas == empty) << t;
  }
}

TEST(MouseDrawing, RightButtonStepsBackPointByPointRecordByRecordAndAsksBeforeAMark) {
  Drawing s(kToolPolyLine);
  s.click(10, 10);
  s.click(60, 10);
  s.click(60, 60);
  s.move(100, 60);
  s.press(100, 60, 2);
  EXPECT_EQ(s.list.NumPoints - s.list.ItemFirst, 2);
  EXPECT_TRUE(s.ed.UndoPolyRunning && s.mui.undoPoly);
  EXPECT_EQ(s.mui.located.back(), std::make_pair(60, 60));
  s.release(100, 60, 2);
  EXPECT_FALSE(s.ed.UndoPolyRunning);
  s.move(60, 60);
  s.m.P1DBL();  // after a right press a double click steps back once more
  EXPECT_EQ(s.list.NumPoints - s.list.ItemFirst, 1);
  s.move(60, 10);
  s.dbl(60, 10);
  EXPECT_FALSE(s.list.recordOpen());
  s.tool(kToolCircle2);
  s.press(5, 5, 2);  // the closed polyline of two points goes whole
  EXPECT_EQ(s.ed.CurDrawType, kToolPolyLine);
  EXPECT_EQ(s.list.NumPoints, s.start);
  s.expectInBoth(30, 10, false);

  s.tool(kToolCircle2);  // a circle goes whole; a mark only once the user agrees
  s.click(60, 80);
  s.click(60, 100);
  Append(s.list, {{float(kCodeMark), 0}});
  s.host.answer = MsgResult::No;
  s.press(1, 1, 2);
  EXPECT_EQ(s.list.G0[s.list.NumPoints - 1], float(kCodeMark));
  s.host.answer = MsgResult::Yes;
  s.press(1, 1, 2);
  s.press(1, 1, 2);
  EXPECT_EQ(s.list.NumPoints, s.start);
  s.expectInBoth(60, 60, false);
}

// A stroke with mouse moves between its clicks, as a hand draws it.
void DrawStroke(Drawing& s) {
  s.click(20, 5);
  s.move(60, 40);
  s.click(80, 70);
  s.move(85, 40);
  s.click(90, 20);
  s.move(50, 90);
}

// A step back never redraws the picture. A record that goes leaves the
// canvas exactly as a fresh redraw shows the list: no rubber band, no dot
// where a band ended, no gap in a fill. What stays of a stroke shows as it
// does while it is drawn, its rubber band to the moving point with the XOR
// pen: a move takes the band off and brings it back exactly, and on a plain
// background the canvas without the band is a redraw of the list without
// the moving point.
TEST(MouseDrawing, StepBacksShowTheStrokeAsItIsDrawnAndLeaveNoLeftover) {
  for (int tool : {kToolSpline, kToolPolyLine, kToolMultiLine})
    for (bool painted : {false, true})
      for (bool closed : {false, true}) {
        SCOPED_TRACE(testing::Message() << "tool " << tool << (painted ? " painted" : "") << (closed ? " closed" : ""));
        Drawing s(kToolPaint);
        if (painted) {
          AddShape(s.list, kTypePolyLine, {{10, 10}, {100, 10}, {100, 60}, {10, 60}, {10, 10}});
          s.m.DrawAll(1);
          s.click(50, 30);
        }
        s.tool(tool);
        const int before = s.list.NumPoints;
        DrawStroke(s);
        if (closed) s.m.P1DBL();
        for (int k = 0; k < 6 && s.list.NumPoints > before; ++k) {
          SCOPED_TRACE(k);
          const int copies = s.ui.copies;
          s.move(30.0f + k, 100.0f - k);
          s.press(30.0f + k, 100.0f - k, 2);
          s.release(30.0f + k, 100.0f - k, 2);
          // The Spline tool's first right press redraws the picture first.
          EXPECT_EQ(s.ui.copies - copies, tool == kToolSpline && k == 0 ? 1 : 0);
          ASSERT_TRUE(ListIsSound(s.list));
          if (!s.list.recordOpen()) {
            EXPECT_SAME_AS_REDRAW(s);
            continue;
          }
          if (!painted && tool != kToolSpline) {
            EXPECT_TRUE(BandTakenOff(s) == RedrawnWithoutMovingPoint(s));
          }
          const Surface shown = s.canvas;
          const int N = s.list.NumPoints;
          const float x = s.list.G0[N], y = s.list.G1[N];
          s.move(5, 95);
          s.move(x, y);
          EXPECT_TRUE(s.canvas == shown);
        }
        EXPECT_EQ(s.list.NumPoints, before);
      }
}

TEST(MouseDrawing, ClosingOrDroppingAStrokeTakesItsTracesOffWithoutARedraw) {
  for (int tool : {kToolSpline, kToolPolyLine, kToolMultiLine, kToolCircle2, kToolCircle3, kToolArc,
                   kToolGeometric}) {
    SCOPED_TRACE(tool);
    Drawing s(tool);
    const int copies = s.ui.copies;
    DrawStroke(s);
    s.m.P1DBL();
    EXPECT_FALSE(s.list.recordOpen());
    EXPECT_EQ(s.ui.copies, copies);
    EXPECT_SAME_AS_REDRAW(s);
    // A stroke shrunk back to its first point leaves nothing behind.
    const int n = s.list.NumPoints, redraws = s.ui.copies;
    s.tool(tool);
    s.click(30, 30);
    s.move(60, 40);
    s.move(30, 30);
    s.m.P1DBL();
    if (tool != kToolCircle2) {
      EXPECT_EQ(s.list.NumPoints, n);  // a circle keeps a radius of one
    }
    EXPECT_EQ(s.ui.copies, redraws);
    EXPECT_SAME_AS_REDRAW(s);
  }
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
  s.m.DrawType(kToolCircle2);
  s.m.DrawType_MouseDown(kToolCircle2);
  EXPECT_EQ(s.list.NumPoints, n);
  EXPECT_EQ(s.list.G0, g0);
}

TEST(MouseDrawing, AClickThatWouldPassTheEntryLimitBeepsAndAddsNothing) {
  MouseScene s;
  s.list.CreateItem(kTypePolyLine, 1, 0, 0);
  while (s.list.NumPoints < kMaxIndex - 3) s.list.AddPoint(float(s.list.NumPoints % 200), 1, kToolPaint);
  s.list.closeRecord();
  const int n = s.list.NumPoints;
  s.tool(kToolCircle2);
  s.click(100, 100);
  EXPECT_EQ(s.host.beeps, 1);
  EXPECT_EQ(s.list.NumPoints, n);
  EXPECT_TRUE(ListIsSound(s.list));
}

// A closed square on each side to paint in.
struct PaintScene : MouseScene {
  PaintScene() {
    AddShape(list, kTypePolyLine, {{10, 10}, {100, 10}, {100, 100}, {10, 100}, {10, 10}});
    AddShape(list, kTypePolyLine, {{130, 10}, {220, 10}, {220, 100}, {130, 100}, {130, 10}});
    m.DrawAll(1);
    tool(kToolPaint);
  }
};

TEST(PaintClick, FillsAndRecordsAColourInUseOnceAndEndsAnArmedSwap) {
  PaintScene s;
  s.ed.ColorMode = kColorSwapArmed;
  s.colour.SwapIndex = 3;
  s.colour.CurrentColor = 0x3366CC;
  s.colour.CurrentCode = 999;
  s.click(50, 50);
  ASSERT_EQ(s.colour.InUseCount, 1);
  EXPECT_EQ(s.ed.ColorMode, kColorIdle);
  EXPECT_EQ(s.colour.SwapIndex, 0);
  s.colour.CurrentCode = 412;  // the same colour picked from elsewhere
  s.click(170, 50);
  EXPECT_EQ(s.canvas.point(50, 50), std::int64_t(0x3366CC));
  EXPECT_EQ(s.canvas.point(170, 50), std::int64_t(0x3366CC));
  EXPECT_EQ(s.canvas.point(110, 50), kWhite);
  EXPECT_EQ(s.list.G0[s.list.NumPoints - 1], float(kColorEntryBase + 412));
  EXPECT_EQ(s.colour.InUseCount, 1);
  EXPECT_EQ(s.colour.ColorsInUse.size(), 1u);
  EXPECT_SAME_AS_REDRAW(s);
}

// Taking back the newer of two fills of one region shows the older again, as
// a redraw does; taking back the only fill of a region leaves it blank.
TEST(PaintClick, AStepBackOverAFillShowsWhatARedrawShows) {
  PaintScene s;
  for (Rgb c : {Rgb(0x3366CC), Rgb(0x22AA22)}) {
    s.colour.CurrentColor = c;
    s.click(50, 50);
  }
  s.colour.CurrentColor = 0xAA2222;
  s.click(170, 50);
  for (Rgb left : {Rgb(0x22AA22), Rgb(0x3366CC), Rgb(kWhite)}) {
    s.press(1, 1, 2);
    s.release(1, 1, 2);
    EXPECT_EQ(s.canvas.point(50, 50), std::int64_t(left));
    EXPECT_SAME_AS_REDRAW(s);
  }
}

TEST(PaintClick, AFailedFillOnALineLeavesTheListAndTheColoursInUseAsTheyWere) {
  PaintScene s;
  const int n = s.list.NumPoints;
  const Surface before = s.canvas;
  s.ed.ColorMode = kColorSwapArmed;
  s.click(100, 50);
  EXPECT_EQ(s.host.beeps, 1);
  EXPECT_EQ(s.list.NumPoints, n);
  EXPECT_FALSE(s.list.recordOpen());
  EXPECT_EQ(s.colour.InUseCount, 0);
  EXPECT_EQ(s.ed.ColorMode, kColorSwapArmed);
  EXPECT_TRUE(s.canvas == before);
}

}  // namespace
}  // namespace orn::test
