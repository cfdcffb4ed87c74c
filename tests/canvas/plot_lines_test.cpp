// Polylines and multi lines drawn on a real canvas.
#include <gtest/gtest.h>

#include "canvas/plot_lines.h"
#include "canvas_fixture.h"
#include "symmetry/replication.h"

namespace orn::test {
namespace {

// The canvas after drawing the segments one by one through the line replication.
Surface linesOf(std::initializer_list<std::array<int, 4>> segs) {
  Scene s;
  for (const auto& g : segs) SymmLine(s.sym, s.ctx, g[0], g[1], g[2], g[3], kBlack);
  return s.canvas;
}

TEST(PlotLines, DrawsAChainPairsOfAMultiLineAndWithASmallCountOnlyTheNewestSegment) {
  struct Case { const char* what; int type, dropLast, count; bool deleteFirst; Surface want; };
  const Case cases[] = {
      {"chain", kTypePolyLine, 0, 100, false, linesOf({{10, 10, 50, 10}, {50, 10, 50, 50}, {50, 50, 90, 90}, {90, 90, 10, 90}})},
      {"multi line: the fifth point waits", kTypeMultiLine, 0, 100, false, linesOf({{10, 10, 50, 10}, {50, 50, 90, 90}})},
      {"a pair with a deleted first point", kTypeMultiLine, 0, 100, true, linesOf({{50, 50, 90, 90}})},
      {"chain, count 4", kTypePolyLine, 0, 4, false, linesOf({{90, 90, 10, 90}})},
      {"multi line, count 4 on the click ending a pair", kTypeMultiLine, 1, 4, false, linesOf({{50, 50, 90, 90}})},
      {"multi line, count 4 on an odd click", kTypeMultiLine, 2, 4, false, linesOf({})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scene s;
    const Frame f = frameAt(s.list, AddShape(s.list, c.type, {{10, 10}, {50, 10}, {50, 50}, {90, 90}, {10, 90}}));
    if (c.deleteFirst) s.list.G0[f.first] = kDeletedPoint;
    CanvasDrawing d = s.drawing();
    PlotLines(d, s.list, f.first, f.last - c.dropLast, 0, c.count, c.type);
    EXPECT_TRUE(s.canvas == c.want);
    EXPECT_EQ(s.ctx.ExtendFirst, 0);
  }
}

// A part of two copies with lines lengthened by 3, as a full redraw draws them.
struct Extended : Scene {
  Extended() {
    AddTranslationSymmetry(list, sym);
    sym.CurPart = 1;
    CheckSymData(sym, list);
    ctx.ExtendLen = 3.0f;
    ctx.ExtendLast = -1;
  }
};

// The chain (20,20) (60,20) (60,60) (100,60) (100,100) segment by segment with the given switches.
Surface extendedChain(std::initializer_list<int> extendFirst) {
  Extended s;
  const int pts[5][2] = {{20, 20}, {60, 20}, {60, 60}, {100, 60}, {100, 100}};
  int k = 0;
  for (int ext : extendFirst) {
    s.ctx.ExtendFirst = ext;
    SymmLine(s.sym, s.ctx, pts[k][0], pts[k][1], pts[k + 1][0], pts[k + 1][1], kBlack);
    ++k;
  }
  return s.canvas;
}

TEST(PlotLines, LengthensOnlyTheFirstAndLastSegmentOfAChainInARedraw) {
  Extended s;
  const Frame f = frameAt(s.list, AddShape(s.list, kTypePolyLine, {{20, 20}, {60, 20}, {60, 60}, {100, 60}, {100, 100}}));
  CanvasDrawing d = s.drawing();
  PlotLines(d, s.list, f.first, f.last, 0, 100, kTypePolyLine);
  EXPECT_EQ(s.ctx.ExtendFirst, 0);
  EXPECT_TRUE(s.canvas == extendedChain({0, 1, 1, 0}));
  EXPECT_FALSE(s.canvas == extendedChain({0, 0, 0, 0}));
  EXPECT_FALSE(s.canvas == extendedChain({1, 1, 1, 1}));
}

TEST(PlotLines, DrawsThePickedRunRedAndTheRestBlack) {
  Scene s;
  AddShape(s.list, kTypePolyLine, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}});  // filler
  const Frame f = frameAt(s.list, AddShape(s.list, kTypePolyLine, {{5, 50}, {25, 50}, {45, 50}, {65, 50}, {85, 50}, {105, 50},
                                                            {125, 50}, {145, 50}, {165, 50}, {185, 50}, {205, 50}}));
  s.canvas.clear();
  s.ed.SecondPick = true;
  s.pick.HitIndex = static_cast<std::int16_t>(f.first + 4);
  s.pick.SplitPick2 = static_cast<std::int16_t>(f.first + 1);
  CanvasDrawing d = s.drawing();
  PlotLines(d, s.list, f.first, f.last, 0, 100, kTypePolyLine);
  for (int k = 1; k <= 10; ++k)  // the middle of the segment from point k-1 to k
    EXPECT_EQ(s.canvas.point(20 * k - 5, 50), (k >= 2 && k <= 4) ? 255 : kBlack) << k;
}

TEST(PlotLines, InsideARedrawPumpsEveryHundredSegmentsButNotInAColourActionAndStopsWhenAsked) {
  struct Case { int mode; bool stop; int pumps; };
  Surface full;
  for (const Case c : {Case{kColorIdle, false, 2}, Case{kColorSwapApplying, false, 0}, Case{kColorIdle, true, 1}}) {
    SCOPED_TRACE(testing::Message() << c.mode << c.stop);
    Scene s;
    s.list.CreateItem(kTypePolyLine, 1, 0, 0);
    for (int k = 1; k <= 250; ++k) s.list.AddPoint(float(k % 2 ? 200 : 0), float(k * 0.5), kToolPaint);
    s.list.closeRecord();
    const Frame f = frameAt(s.list, 0);
    s.ed.AllowDoEvents = true;
    s.ed.ColorMode = c.mode;
    if (c.stop) s.host.onPump = [&] { StopSign_Click(s.ed); };
    CanvasDrawing d = s.drawing();
    PlotLines(d, s.list, f.first, f.last, 0, 100, kTypePolyLine);
    EXPECT_EQ(s.host.pumps, c.pumps);
    EXPECT_EQ(s.ctx.ExtendFirst, 0);
    if (c.stop) {
      EXPECT_TRUE(s.black(100, 40) && !s.black(100, 100));  // segment 80 drawn, 200 not
    } else if (c.mode == kColorIdle) {
      full = s.canvas;
    } else {
      EXPECT_TRUE(s.canvas == full);
    }
  }
}

}  // namespace
}  // namespace orn::test
