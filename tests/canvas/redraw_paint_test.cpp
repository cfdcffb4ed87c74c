// Replaying fills: swaps, erasing, the event pump, and the handle dots.
#include <gtest/gtest.h>

#include "canvas/paint_replay.h"
#include "redraw_fixture.h"

namespace orn::test {
namespace {

constexpr Rgb kRed = 0x0000FF;
constexpr Rgb kBlue = 0xFF0000;
constexpr Rgb kYellow = 0x00FFFF;

// Two boxes side by side, each with a fill.
struct TwoBoxes : Scene {
  int paint;
  TwoBoxes() {
    addShape(kTypePolyLine, {{10, 10}, {60, 10}, {60, 60}, {10, 60}, {10, 10}});
    addShape(kTypePolyLine, {{80, 10}, {130, 10}, {130, 60}, {80, 60}, {80, 10}});
    paint = addPaint({{kRed, {35, 35}}, {kBlue, {105, 35}}});
    list.G0[frameAt(list, paint).first] = 21408.0f;      // red is 408
    list.G0[frameAt(list, paint).first + 2] = 21416.0f;  // blue is 416
  }
};

TEST(PaintRecord, AnExchangeOfTwoColoursSurvivesHighSpeedRepaint) {
  for (int order : {0, -1}) {
    TwoBoxes t;
    t.ctx.PaintOrderMode = order;
    RedrawEnv e = t.env();
    DrawAll(e, 1);
    // Red picked from the colours in use, exchanged with blue.
    t.colour.SwapIndex = 1;
    t.colour.SwapOldRGB = kRed;
    t.colour.SwapOldCode = 408;
    t.colour.SwapNewRGB = kBlue;
    t.colour.SwapNewCode = 416;
    t.ed.ColorMode = kColorSwapApplying;
    DrawAll(e, 1);
    const int first = frameAt(t.list, t.paint).first;
    EXPECT_EQ(t.list.G0[first], 21416.0f) << order;
    EXPECT_EQ(t.list.G1[first], float(kBlue)) << order;
    EXPECT_EQ(t.list.G0[first + 2], 21408.0f) << order;
    EXPECT_EQ(t.canvas.point(35, 35), kBlue) << order;
    EXPECT_EQ(t.canvas.point(105, 35), kRed) << order;
    EXPECT_TRUE(t.ed.PicChanged);
  }
}

TEST(PaintRecord, AOneWaySwapChangesOnlyTheOldColour) {
  TwoBoxes t;
  RedrawEnv e = t.env();
  t.colour.SwapIndex = 0;
  t.colour.SwapOldRGB = kBlue;
  t.colour.SwapNewRGB = kYellow;
  t.colour.SwapNewCode = 410;
  t.ed.ColorMode = kColorSwapApplying;
  DrawAll(e, 1);
  const int first = frameAt(t.list, t.paint).first;
  EXPECT_EQ(t.list.G0[first], 21408.0f);
  EXPECT_EQ(t.list.G0[first + 2], 21410.0f);
  EXPECT_EQ(t.list.G1[first + 2], float(kYellow));
}

TEST(PaintRecord, ErasingPaintsTheBackgroundAndLeavesTheListAlone) {
  TwoBoxes t;
  RedrawEnv e = t.env();
  DrawAll(e, 1);
  const std::vector<float> g0 = t.list.G0, g1 = t.list.G1;
  t.colour.SwapOldRGB = kRed;  // a pending swap is not applied by an erase
  t.colour.SwapNewRGB = kYellow;
  const int first = frameAt(t.list, t.paint).first;
  CanvasDrawing d = t.drawing();
  PaintRecord(d, t.list, t.colour, first, first + 1, -1);
  EXPECT_EQ(t.canvas.point(35, 35), kWhite);
  EXPECT_EQ(t.canvas.point(105, 35), kBlue);
  EXPECT_EQ(t.list.G0, g0);
  EXPECT_EQ(t.list.G1, g1);
}

TEST(PaintRecord, SkipsRemovedFillsAndPumpsEveryTenthPair) {
  Scene s;
  std::vector<std::pair<Rgb, Pt>> fills;
  const int paint = s.addPaint({{kRed, {5, 5}},   {kRed, {6, 5}},   {kRed, {7, 5}},   {kRed, {8, 5}},
                                {kRed, {9, 5}},   {kRed, {10, 5}},  {kRed, {11, 5}},  {kRed, {12, 5}},
                                {kRed, {13, 5}},  {kBlue, {14, 5}}, {kRed, {15, 5}},  {kRed, {16, 5}},
                                {kRed, {17, 5}},  {kRed, {18, 5}},  {kRed, {19, 5}},  {kRed, {20, 5}},
                                {kRed, {21, 5}},  {kRed, {22, 5}},  {kRed, {23, 5}},  {kRed, {24, 5}},
                                {kRed, {25, 5}},  {kRed, {26, 5}},  {kRed, {27, 5}},  {kRed, {28, 5}},
                                {kYellow, {29, 5}}});
  const Frame f = frameAt(s.list, paint);
  s.list.G0[f.last - 1] = kDeletedPoint;  // the yellow fill was removed
  s.ed.AllowDoEvents = true;
  CanvasDrawing d = s.drawing();
  PaintRecord(d, s.list, s.colour, f.first, f.last, 0);
  EXPECT_EQ(s.host.pumps, 2);
  EXPECT_EQ(s.canvas.point(0, 0), kRed);  // each fill floods the whole canvas

  // A colour action runs to its end without pumping.
  s.host.pumps = 0;
  s.ed.ColorMode = kColorSwapApplying;
  PaintRecord(d, s.list, s.colour, f.first, f.last, 0);
  EXPECT_EQ(s.host.pumps, 0);

  // A stop at the tenth pair ends the replay before its fill.
  s.ed.ColorMode = kColorIdle;
  s.canvas.clear();
  s.host.onPump = [&] { StopSign_Click(s.ed); };
  PaintRecord(d, s.list, s.colour, f.first, f.last, 0);
  EXPECT_EQ(s.canvas.point(0, 0), kRed);  // pair 9 was red, pair 10 (blue) never came
}

TEST(DoDots, MarksColourHandlesForThePaintTool) {
  Scene s;
  s.addShape(kTypePolyLine, {{10, 100}, {60, 100}});
  s.addPaint({{0x0000FF, {30, 30}}, {0xFFFFFF, {80, 30}}, {0x808080, {130, 30}}});
  s.ed.CurDrawType = kToolPaint;
  RedrawEnv e = s.env();
  DoDots(e, 0);
  EXPECT_EQ(s.ed.DotsMode, kToolAdjustColorHandles);
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) EXPECT_EQ(s.canvas.point(30 + dx, 30 + dy), 0xFFFF00u);  // dark fill
  }
  EXPECT_EQ(s.canvas.point(80, 30), 0xFF0000u);   // light fill
  EXPECT_EQ(s.canvas.point(130, 30), 0xFF0000u);  // mean exactly 128 counts as light
  EXPECT_EQ(s.canvas.point(32, 30), kWhite);
  EXPECT_EQ(s.canvas.point(10, 100), kWhite);  // line points carry no handle
}

TEST(DoDots, MarksThePointsAnEditToolWorksOn) {
  Scene s;
  s.addShape(kTypePolyLine, {{10, 100}, {60, 100}});
  s.addShape(kTypeCircle2, {{100, 100}, {100, 120}});
  s.addPaint({{0x0000FF, {30, 30}}});
  s.ed.CurDrawType = 75;  // Adjust Points
  RedrawEnv e = s.env();
  DoDots(e, 0);
  EXPECT_EQ(s.canvas.point(10, 100), 255u);
  EXPECT_EQ(s.canvas.point(61, 101), 255u);
  EXPECT_EQ(s.canvas.point(100, 120), 255u);
  EXPECT_EQ(s.canvas.point(30, 30), kWhite);  // seeds are not points of a shape

  // The duplicate tool marks only the centre of a circle.
  Scene dup;
  dup.addShape(kTypePolyLine, {{10, 100}, {60, 100}});
  dup.addShape(kTypeCircle2, {{100, 100}, {100, 120}});
  dup.ed.CurDrawType = kToolDuplicate;
  RedrawEnv ed = dup.env();
  DoDots(ed, 0);
  EXPECT_EQ(dup.canvas.point(100, 100), 255u);
  EXPECT_EQ(dup.canvas.point(100, 120), kWhite);
  EXPECT_EQ(dup.canvas.point(10, 100), kWhite);
}

TEST(DoDots, ClosesARecordLeftOpenByADrawingTool) {
  Scene s;
  s.list.CreateItem(kTypePolyLine, 1, 10, 10);
  s.list.AddPoint(50, 10, kToolPolyLine);
  s.list.AddPoint(50, 50, kToolPolyLine);
  ASSERT_TRUE(s.list.recordOpen());
  const int head = s.list.ItemHead;
  s.ed.CurDrawType = kToolPolyLine;
  RedrawEnv e = s.env();
  DoDots(e, 0);
  EXPECT_FALSE(s.list.recordOpen());
  const Frame f = frameAt(s.list, head);
  ASSERT_EQ(f.kind, FrameKind::Record);
  EXPECT_EQ(f.last - f.first, 2);
  EXPECT_EQ(s.list.G0[s.list.NumPoints], float(kCodeEnd));
}

}  // namespace
}  // namespace orn::test
