// Polylines and multi lines drawn on a real canvas, and printer lines.
#include <gtest/gtest.h>

#include <vector>

#include "canvas/plot_lines.h"
#include "redraw_fixture.h"
#include "symmetry/replication.h"

namespace orn::test {
namespace {

constexpr Rgb kRedPen = 255;

// The canvas after drawing the segments one by one through the line replication.
Surface linesOf(std::initializer_list<std::array<int, 4>> segs) {
  Scene s;
  for (const auto& g : segs) SymmLine(s.sym, s.ctx, g[0], g[1], g[2], g[3], kBlack);
  return s.canvas;
}

TEST(PlotLines, DrawsAChainAndPairsOfAMultiLine) {
  Scene chain;
  const Frame fc = frameAt(chain.list, chain.addShape(kTypePolyLine, {{10, 10}, {50, 10}, {50, 50}, {90, 90}, {10, 90}}));
  CanvasDrawing dc = chain.drawing();
  PlotLines(dc, chain.list, fc.first, fc.last, 0, 100, kTypePolyLine);
  EXPECT_TRUE(chain.canvas == linesOf({{10, 10, 50, 10}, {50, 10, 50, 50}, {50, 50, 90, 90}, {90, 90, 10, 90}}));
  EXPECT_EQ(chain.ctx.ExtendFirst, 0);

  // Five points of a multi line: two segments, the fifth waits for its partner.
  Scene multi;
  const Frame fm = frameAt(multi.list, multi.addShape(kTypeMultiLine, {{10, 10}, {50, 10}, {50, 50}, {90, 90}, {10, 90}}));
  CanvasDrawing dm = multi.drawing();
  PlotLines(dm, multi.list, fm.first, fm.last, 0, 100, kTypeMultiLine);
  EXPECT_TRUE(multi.canvas == linesOf({{10, 10, 50, 10}, {50, 50, 90, 90}}));

  // A pair whose first point is deleted is left out.
  multi.canvas.clear();
  multi.list.G0[fm.first] = kDeletedPoint;
  PlotLines(dm, multi.list, fm.first, fm.last, 0, 100, kTypeMultiLine);
  EXPECT_TRUE(multi.canvas == linesOf({{50, 50, 90, 90}}));

  // A run of one point draws nothing.
  multi.canvas.clear();
  PlotLines(dm, multi.list, fm.first + 2, fm.first + 2, 0, 100, kTypeMultiLine);
  EXPECT_TRUE(multi.canvas == linesOf({}));
}

// The chain (20,20) (60,20) (60,60) (100,60) (100,100) in a part of two
// copies, drawn as a full redraw draws it (lines lengthened by 3), each
// segment through the line replication with the given lengthening switches.
Surface extendedChain(std::initializer_list<int> extendFirst) {
  Scene s;
  s.addTranslationSymmetry();
  s.sym.CurPart = 1;
  CheckSymData(s.sym, s.list);
  s.ctx.ExtendLen = 3.0f;
  s.ctx.ExtendLast = -1;
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
  Scene s;
  s.addTranslationSymmetry();
  s.sym.CurPart = 1;
  CheckSymData(s.sym, s.list);
  s.ctx.ExtendLen = 3.0f;
  s.ctx.ExtendLast = -1;
  const Frame f = frameAt(s.list, s.addShape(kTypePolyLine, {{20, 20}, {60, 20}, {60, 60}, {100, 60}, {100, 100}}));
  CanvasDrawing d = s.drawing();
  PlotLines(d, s.list, f.first, f.last, 0, 100, kTypePolyLine);
  EXPECT_EQ(s.ctx.ExtendFirst, 0);
  EXPECT_TRUE(s.canvas == extendedChain({0, 1, 1, 0}));
  // The switches make a visible difference in the copy.
  EXPECT_FALSE(s.canvas == extendedChain({0, 0, 0, 0}));
  EXPECT_FALSE(s.canvas == extendedChain({1, 1, 1, 1}));
}

TEST(PlotLines, ASmallCountDrawsOnlyTheNewestSegment) {
  Scene s;
  const Frame f = frameAt(s.list, s.addShape(kTypePolyLine, {{10, 10}, {50, 10}, {50, 50}, {90, 90}}));
  CanvasDrawing d = s.drawing();
  PlotLines(d, s.list, f.first, f.last, 0, 4, kTypePolyLine);
  EXPECT_TRUE(s.canvas == linesOf({{50, 50, 90, 90}}));

  // A multi line gets its newest segment only on the click that ends a pair.
  s.canvas.clear();
  PlotLines(d, s.list, f.first, f.last, 0, 4, kTypeMultiLine);  // 4 points: ends a pair
  EXPECT_TRUE(s.canvas == linesOf({{50, 50, 90, 90}}));
  s.canvas.clear();
  PlotLines(d, s.list, f.first, f.last - 1, 0, 4, kTypeMultiLine);  // 3 points: waits
  EXPECT_TRUE(s.canvas == linesOf({}));
}

TEST(PlotLines, DrawsThePickedRunRedAndTheRestBlack) {
  Scene s;
  // Points 10..20 of a chain at list indexes first..first+10, 20 pixels apart.
  s.addShape(kTypePolyLine, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}});  // filler
  const int head = s.addShape(kTypePolyLine, {{5, 50},   {25, 50},  {45, 50},  {65, 50},
                                              {85, 50},  {105, 50}, {125, 50}, {145, 50},
                                              {165, 50}, {185, 50}, {205, 50}});
  const Frame f = frameAt(s.list, head);
  s.canvas.clear();
  s.ed.SecondPick = true;
  s.pick.HitIndex = static_cast<std::int16_t>(f.first + 4);
  s.pick.SplitPick2 = static_cast<std::int16_t>(f.first + 1);
  CanvasDrawing d = s.drawing();
  PlotLines(d, s.list, f.first, f.last, 0, 100, kTypePolyLine);
  for (int k = 1; k <= 10; ++k) {
    const int x = 5 + 20 * k - 10;  // the middle of the segment from point k-1 to k
    EXPECT_EQ(s.canvas.point(x, 50), (k >= 2 && k <= 4) ? kRedPen : kBlack) << k;
  }
}

TEST(PlotLines, InsideARedrawPumpsEveryHundredSegmentsAndStopsWhenAsked) {
  auto longChain = [](Scene& s) {
    s.list.CreateItem(kTypePolyLine, 1, 0, 0);
    for (int k = 1; k <= 250; ++k) s.list.AddPoint(float(k % 2 ? 200 : 0), float(k * 0.5), kToolPaint);
    s.list.closeRecord();
    return frameAt(s.list, 0);
  };
  Scene s;
  const Frame f = longChain(s);
  s.ed.AllowDoEvents = true;
  CanvasDrawing d = s.drawing();
  PlotLines(d, s.list, f.first, f.last, 0, 100, kTypePolyLine);
  EXPECT_EQ(s.host.pumps, 2);

  Scene busy;
  const Frame fb = longChain(busy);
  busy.ed.AllowDoEvents = true;
  busy.ed.ColorMode = kColorSwapApplying;  // a swap runs to its end
  CanvasDrawing db = busy.drawing();
  PlotLines(db, busy.list, fb.first, fb.last, 0, 100, kTypePolyLine);
  EXPECT_EQ(busy.host.pumps, 0);
  EXPECT_TRUE(busy.canvas == s.canvas);

  Scene stopped;
  const Frame fs = longChain(stopped);
  stopped.ed.AllowDoEvents = true;
  stopped.host.onPump = [&] { StopSign_Click(stopped.ed); };
  CanvasDrawing ds = stopped.drawing();
  PlotLines(ds, stopped.list, fs.first, fs.last, 0, 100, kTypePolyLine);
  EXPECT_EQ(stopped.host.pumps, 1);
  EXPECT_EQ(stopped.ctx.ExtendFirst, 0);  // later lines are lengthened as usual
  EXPECT_EQ(stopped.canvas.point(100, 40), kBlack);    // segment 80 drawn
  EXPECT_EQ(stopped.canvas.point(100, 100), kWhite);   // segment 200 not
}

class RecordingPrinter : public PrinterPage {
 public:
  void line(float x1, float y1, float x2, float y2, Rgb colour) override {
    lines.push_back({x1, y1, x2, y2, float(colour)});
  }
  std::vector<std::array<float, 5>> lines;
};

TEST(PrintLine, TurnsThePictureAQuarterTurnWhenGivenAnOffset) {
  RecordingPrinter printer;
  PrintLine(printer, 1000.0f, 10, 100, 20, 300, 0x123456);
  PrintLine(printer, 0.0f, 10, 100, 20, 300, 0);
  ASSERT_EQ(printer.lines.size(), 2u);
  EXPECT_EQ(printer.lines[0], (std::array<float, 5>{900, 10, 700, 20, float(0x123456)}));
  EXPECT_EQ(printer.lines[1], (std::array<float, 5>{10, 100, 20, 300, 0}));
}

}  // namespace
}  // namespace orn::test
