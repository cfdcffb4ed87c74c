// Replaying fills: swaps, erasing, the event pump, and the handle dots.
#include <gtest/gtest.h>

#include "canvas/paint_replay.h"
#include "canvas_fixture.h"

namespace orn::test {
namespace {

constexpr Rgb kRed = 0x0000FF;
constexpr Rgb kBlue = 0xFF0000;
constexpr Rgb kYellow = 0x00FFFF;

// Two boxes side by side, each with a fill: red (code 408), blue (416).
struct TwoBoxes : Scene {
  int paint, first;
  TwoBoxes() {
    AddShape(list, kTypePolyLine, {{10, 10}, {60, 10}, {60, 60}, {10, 60}, {10, 10}});
    AddShape(list, kTypePolyLine, {{80, 10}, {130, 10}, {130, 60}, {80, 60}, {80, 10}});
    paint = AddPaint(list, {{kRed, {35, 35}}, {kBlue, {105, 35}}});
    first = frameAt(list, paint).first;
    list.G0[first] = 21408.0f;
    list.G0[first + 2] = 21416.0f;
  }
};

TEST(PaintRecord, AnExchangeOfTwoColoursSurvivesHighSpeedRepaintAndAOneWaySwapChangesOnlyOne) {
  for (int order : {0, -1}) {
    SCOPED_TRACE(order);
    TwoBoxes t;
    t.ctx.PaintOrderMode = order;
    RedrawEnv e = t.env();
    DrawAll(e, 1);
    t.colour.SwapIndex = 1;
    t.colour.SwapOldRGB = kRed;
    t.colour.SwapOldCode = 408;
    t.colour.SwapNewRGB = kBlue;
    t.colour.SwapNewCode = 416;
    t.ed.ColorMode = kColorSwapApplying;
    DrawAll(e, 1);
    EXPECT_EQ(EntriesOf(t.list, t.first, t.first + 2), (Entries{{21416, float(kBlue)}, {35, 35}, {21408, float(kRed)}}));
    EXPECT_EQ(t.canvas.point(35, 35), kBlue);
    EXPECT_EQ(t.canvas.point(105, 35), kRed);
    EXPECT_TRUE(t.ed.PicChanged);
  }
  TwoBoxes t;
  t.colour.SwapIndex = 0;
  t.colour.SwapOldRGB = kBlue;
  t.colour.SwapNewRGB = kYellow;
  t.colour.SwapNewCode = 410;
  t.ed.ColorMode = kColorSwapApplying;
  RedrawEnv e = t.env();
  DrawAll(e, 1);
  EXPECT_EQ(EntriesOf(t.list, t.first, t.first + 2), (Entries{{21408, float(kRed)}, {35, 35}, {21410, float(kYellow)}}));
}

TEST(PaintRecord, ErasingPaintsTheBackgroundAndLeavesTheListAlone) {
  TwoBoxes t;
  RedrawEnv e = t.env();
  DrawAll(e, 1);
  const DrawingList before = t.list;
  t.colour.SwapOldRGB = kRed;  // a pending swap is not applied by an erase
  t.colour.SwapNewRGB = kYellow;
  CanvasDrawing d = t.drawing();
  PaintRecord(d, t.list, t.colour, t.first, t.first + 1, -1);
  EXPECT_EQ(t.canvas.point(35, 35), kWhite);
  EXPECT_EQ(t.canvas.point(105, 35), kBlue);
  EXPECT_EQ(t.list.G0, before.G0);
  EXPECT_EQ(t.list.G1, before.G1);
}

TEST(PaintRecord, SkipsRemovedFillsPumpsEveryTenthPairAndStopsWhenAsked) {
  Scene s;
  // 25 fills on an empty canvas, each flooding it: the tenth is blue, the last yellow and removed.
  s.list.CreateItem(kTypePaint, 0, 5, 5);
  s.list.G0[s.list.ItemFirst] = float(kColorEntryBase + kOffTableCode);
  s.list.G1[s.list.ItemFirst] = float(kRed);
  s.list.AddPoint(5, 5, kToolPaint);
  for (int k = 1; k < 25; ++k) {
    s.list.AddPoint(float(kColorEntryBase + kOffTableCode), float(k == 9 ? kBlue : k == 24 ? kYellow : kRed), kToolPaint);
    s.list.AddPoint(float(5 + k), 5, kToolPaint);
  }
  const int head = s.list.ItemHead;
  s.list.closeRecord();
  const Frame f = frameAt(s.list, head);
  s.list.G0[f.last - 1] = kDeletedPoint;
  s.ed.AllowDoEvents = true;
  CanvasDrawing d = s.drawing();
  PaintRecord(d, s.list, s.colour, f.first, f.last, 0);
  EXPECT_EQ(s.host.pumps, 2);
  EXPECT_EQ(s.canvas.point(0, 0), kRed);

  s.host.pumps = 0;  // a colour action runs to its end without pumping
  s.ed.ColorMode = kColorSwapApplying;
  PaintRecord(d, s.list, s.colour, f.first, f.last, 0);
  EXPECT_EQ(s.host.pumps, 0);

  s.ed.ColorMode = kColorIdle;  // a stop at the tenth pair ends the replay before its fill
  s.canvas.clear();
  s.host.onPump = [&] { StopSign_Click(s.ed); };
  PaintRecord(d, s.list, s.colour, f.first, f.last, 0);
  EXPECT_EQ(s.canvas.point(0, 0), kRed);
}

TEST(DoDots, MarksColourHandlesOrShapePointsForTheTool) {
  struct Case { int tool; std::vector<std::pair<Pt, Rgb>> want; };
  const Case cases[] = {
      // Dark fills get yellow handles, light ones (mean 128 counts as light) blue; lines none.
      {kToolPaint, {{{30, 30}, 0xFFFF00}, {{29, 29}, 0xFFFF00}, {{80, 30}, 0xFF0000}, {{130, 30}, 0xFF0000},
                    {{32, 30}, kWhite}, {{10, 100}, kWhite}}},
      {kToolAdjustPoints, {{{10, 100}, 255}, {{61, 101}, 255}, {{100, 120}, 255}, {{30, 30}, kWhite}}},
      // The duplicate tool marks only the centre of a circle.
      {kToolDuplicate, {{{100, 100}, 255}, {{100, 120}, kWhite}, {{10, 100}, kWhite}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tool);
    Scene s;
    AddShape(s.list, kTypePolyLine, {{10, 100}, {60, 100}});
    AddShape(s.list, kTypeCircle2, {{100, 100}, {100, 120}});
    AddPaint(s.list, {{0x0000FF, {30, 30}}, {0xFFFFFF, {80, 30}}, {0x808080, {130, 30}}});
    s.ed.CurDrawType = c.tool;
    RedrawEnv e = s.env();
    DoDots(e, 0);
    for (const auto& [p, colour] : c.want)
      EXPECT_EQ(s.canvas.point(int(p.first), int(p.second)), std::int64_t(colour)) << p.first << "," << p.second;
  }
}

TEST(DoDots, ClosesARecordLeftOpenByADrawingTool) {
  Scene s;
  s.list.CreateItem(kTypePolyLine, 1, 10, 10);
  s.list.AddPoint(50, 10, kToolPolyLine);
  s.list.AddPoint(50, 50, kToolPolyLine);
  const int head = s.list.ItemHead;
  s.ed.CurDrawType = kToolPolyLine;
  RedrawEnv e = s.env();
  DoDots(e, 0);
  EXPECT_FALSE(s.list.recordOpen());
  EXPECT_TRUE(ListIsSound(s.list));
  EXPECT_EQ(frameAt(s.list, head).last - frameAt(s.list, head).first, 2);
}

}  // namespace
}  // namespace orn::test
