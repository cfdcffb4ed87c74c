// The spline solver against hand-worked values, and spline records drawn on
// a real canvas.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "canvas/spline.h"
#include "canvas_fixture.h"
#include "symmetry/replication.h"

namespace orn::test {
namespace {

void expectColumn(const std::vector<float>& got, const std::vector<double>& want, const char* what) {
  for (std::size_t i = 0; i < want.size(); ++i)
    EXPECT_NEAR(got[i + 1], want[i], 1e-5 * (1.0 + std::fabs(want[i]))) << what << " " << i + 1;
}

TEST(SplineSolve, FourPointRunMatchesTheHandSolution) {
  // Clicks (0,0), (100,0), (100,100): the extra end point is (100,200).
  const SplineCurve c = SolveSplineCurve({0, 0, 100, 100}, {0, 0, 0, 100}, 3);
  ASSERT_EQ(c.n, 4);
  EXPECT_EQ(c.x[4], 100.0f);
  EXPECT_EQ(c.y[4], 200.0f);
  expectColumn(c.t, {0, 100, 200, 300}, "t");
  expectColumn(c.cx.s, {1.5, 0.5, 0, 0}, "x slope");
  expectColumn(c.cx.c, {-0.01, -0.02, 0}, "x second");
  expectColumn(c.cx.q, {0, 0.0003, 0}, "x third");
  expectColumn(c.cy.s, {-25.0 / 74, 31.0 / 74, 18.0 / 37, 147.0 / 37}, "y slope");
}

TEST(SplineSolve, SixPointRunMatchesTheHandSolution) {
  // A zigzag 0,1,0,1,0,1 at unit spacing; every value is a multiple of 1/661.
  const std::vector<float> p{0, 0, 1, 0, 1, 0, 1};
  SplineColumn col;
  SplineSolve(p, {0, 0, 1, 2, 3, 4, 5}, 6, col);
  expectColumn(col.s, {1318.0 / 661, 2.0 / 661, -12.0 / 661, 50.0 / 661, -212.0 / 661, 898.0 / 661}, "slope");
  expectColumn(col.c, {-1310.0 / 661, -3950.0 / 661, 3914.0 / 661, -3742.0 / 661, 3018.0 / 661}, "second");
  expectColumn(col.q, {-12.0 / 661, 7872.0 / 661, -7704.0 / 661, 6960.0 / 661, -3816.0 / 661}, "third");
  for (int j = 1; j <= 5; ++j) EXPECT_NEAR(SplineValue(p, col, j, 1.0), p[j + 1], 1e-5) << j;
}

TEST(SplineSolve, ARepeatedPointGetsAShortIntervalInsteadOfADivisionByZero) {
  const SplineCurve c = SolveSplineCurve({0, 0, 50, 50, 100}, {0, 0, 30, 30, 0}, 4);
  for (int i = 1; i <= c.n; ++i) EXPECT_TRUE(std::isfinite(c.cx.s[i]) && std::isfinite(c.cy.s[i])) << i;
  EXPECT_NEAR(SplineValue(c.x, c.cx, 3, c.t[4] - c.t[3]), 100.0f, 1e-3);
}

Frame draw(Scene& s, int head, int count = kWholeSpline) {
  const Frame f = frameAt(s.list, head);
  CanvasDrawing d = s.drawing();
  SplineDraw(d, s.list, f.first, f.last, 0, count);
  return f;
}

TEST(SplineDraw, OnePointDrawsNothingAndTwoPointsDrawOneStraightSegment) {
  Scene s;
  draw(s, AddShape(s.list, kTypeSpline, {{40, 40}}));
  EXPECT_TRUE(s.canvas == Surface(Scene::kWidth, Scene::kHeight, kWhite));
  // Repeated points at the end count for nothing.
  draw(s, AddShape(s.list, kTypeSpline, {{10, 10}, {90, 50}, {90, 50}, {90, 50}}));
  Scene straight;
  SymmLine(straight.sym, straight.ctx, 10, 10, 90, 50, kBlack);
  EXPECT_TRUE(s.canvas == straight.canvas);
}

TEST(SplineDraw, PassesThroughEveryClickedPointBendsAndOnlyReadsTheList) {
  Scene s;
  const int head = AddShape(s.list, kTypeSpline, {{20, 100}, {60, 30}, {100, 120}, {140, 40}, {200, 90}});
  AddShape(s.list, kTypePolyLine, {{0, 0}, {1, 1}});
  const DrawingList before = s.list;
  const Frame f = draw(s, head);
  EXPECT_EQ(s.list.G0, before.G0);
  EXPECT_EQ(s.list.G1, before.G1);
  EXPECT_EQ(s.ctx.ExtendFirst, 0);
  Surface chords(Scene::kWidth, Scene::kHeight, kWhite);
  for (int i = f.first; i <= f.last; ++i) {
    EXPECT_TRUE(s.black(toPixel(s.list.G0[i]), toPixel(s.list.G1[i]))) << i;
    if (i < f.last)
      chords.line(toPixel(s.list.G0[i]), toPixel(s.list.G1[i]), toPixel(s.list.G0[i + 1]), toPixel(s.list.G1[i + 1]));
  }
  EXPECT_FALSE(s.canvas == chords);
}

TEST(SplineDraw, CountFourDrawsOnlyTheLastThreeIntervalsOfTheSameCurve) {
  Scene whole, tail;
  const std::initializer_list<Pt> pts{{10, 20}, {30, 60}, {50, 20}, {70, 60}, {90, 20},
                                      {110, 60}, {130, 20}, {150, 60}, {170, 20}, {190, 60}};
  draw(whole, AddShape(whole.list, kTypeSpline, pts));
  draw(tail, AddShape(tail.list, kTypeSpline, pts), 4);
  int tailInk = 0;
  for (int y = 0; y < Scene::kHeight; ++y)
    for (int x = 0; x < Scene::kWidth; ++x) {
      if (tail.canvas.point(x, y) == kWhite) continue;
      ++tailInk;
      EXPECT_TRUE(whole.black(x, y)) << x << "," << y;
      EXPECT_GE(x, 129) << y;  // nothing before point 7 (x = 130)
    }
  EXPECT_GT(tailInk, 3 * 40);
  EXPECT_TRUE(tail.black(190, 60) && tail.black(130, 20));
}

TEST(SplineDraw, AStopRequestEndsTheCurveAtTheTenthInterval) {
  Scene s;
  const int head = AddShape(s.list, kTypeSpline, {{5, 5}, {25, 40}, {45, 5}, {65, 40}, {85, 5}, {105, 40}, {125, 5},
                                            {145, 40}, {165, 5}, {185, 40}, {205, 5}, {225, 40}, {235, 5},
                                            {235, 100}, {200, 120}});
  const DrawingList before = s.list;
  s.ed.AllowDoEvents = true;
  s.host.onPump = [&] { StopSign_Click(s.ed); };
  draw(s, head);
  EXPECT_EQ(s.host.pumps, 1);
  EXPECT_TRUE(s.black(185, 40));  // intervals 1-9 drawn
  EXPECT_FALSE(s.black(225, 40));
  EXPECT_EQ(s.list.G0, before.G0);
  EXPECT_EQ(s.ctx.ExtendFirst, 0);
}

TEST(SplineDraw, AStopRequestReachesTheMiddleOfAnIntervalThatRunsFarOffTheCanvas) {
  // The point far off the canvas cuts both of its intervals into thousands
  // of pieces: the redraw looks at the stop request on the way, so that the
  // stop sign ends it there and the way back is never drawn.
  Scene s;
  const int head = AddShape(s.list, kTypeSpline, {{20, 80}, {2.0e6f, 90}, {200, 100}, {220, 100}});
  s.ed.AllowDoEvents = true;
  s.host.onPump = [&] { StopSign_Click(s.ed); };
  draw(s, head);
  EXPECT_EQ(s.host.pumps, 1);
  EXPECT_TRUE(s.black(20, 80));
  EXPECT_FALSE(s.black(200, 100));
  EXPECT_EQ(s.ctx.ExtendFirst, 0);
}

// Takes the segments the replication sends to the printer.
struct SegmentLog : PrintSink {
  struct Seg { float x1, y1, x2, y2; };
  void PrintLine(float x1, float y1, float x2, float y2, Rgb) override {
    segs.push_back({x1 - 1.0f, y1 - 1.0f, x2 - 1.0f, y2 - 1.0f});  // the print path adds 1
  }
  float PrintScaleWidth() const override { return 1.0f; }
  std::vector<Seg> segs;
};

// Segments per interval (an interval ends exactly on its clicked point).
std::vector<int> piecesPerInterval(const std::vector<Pt>& clicks, SegmentLog& log) {
  Scene s;
  s.ctx.PrintPath = true;
  s.ctx.Printer = &log;
  s.ctx.Clip = ClipRect{-1000.0f, 1000.0f, 1000.0f, -1000.0f};
  s.list.CreateItem(kTypeSpline, 1, clicks[0].first, clicks[0].second);
  for (std::size_t k = 1; k < clicks.size(); ++k) s.list.AddPoint(clicks[k].first, clicks[k].second, 0);
  draw(s, s.list.ItemHead);
  std::vector<int> out;
  int n = 0;
  std::size_t next = 1;
  for (std::size_t k = 0; k < log.segs.size(); ++k) {
    const SegmentLog::Seg& g = log.segs[k];
    if (k > 0) {
      EXPECT_TRUE(g.x1 == log.segs[k - 1].x2 && g.y1 == log.segs[k - 1].y2) << k;  // no gaps
    }
    ++n;
    if (next < clicks.size() && g.x2 == clicks[next].first && g.y2 == clicks[next].second) {
      out.push_back(n);
      n = 0;
      ++next;
    }
  }
  EXPECT_EQ(n, 0);
  return out;
}

TEST(SplineDraw, CutsEachIntervalByItsSizeAlongTheSolvedCurve) {
  // Worked by hand: the middle of the first interval of (0,0), (100,0),
  // (100,100) lies at (62.5, -9.4595), 63.2 from its start: 65 pieces; the
  // second's middle (106.25, 49.1554) gives 51.
  SegmentLog a;
  EXPECT_EQ(piecesPerInterval({{0, 0}, {100, 0}, {100, 100}}, a), (std::vector<int>{65, 51}));
  ASSERT_GE(a.segs.size(), 2u);
  EXPECT_TRUE(a.segs[0].x1 == 0.0f && a.segs[0].y1 == 0.0f);
  EXPECT_NEAR(a.segs[0].x2, 2.296, 2e-3);
  EXPECT_NEAR(a.segs[0].y2, -0.514, 2e-3);
  EXPECT_NEAR(a.segs[1].x2, 4.568, 2e-3);
  EXPECT_NEAR(a.segs[1].y2, -1.015, 2e-3);
  // Midpoints (17.48, 29.71), (42.95, 20.67), (78.16, 17.02).
  SegmentLog b;
  EXPECT_EQ(piecesPerInterval({{0, 0}, {30, 40}, {60, 0}, {90, 40}}, b), (std::vector<int>{36, 25, 26}));
}

TEST(SplineDraw, AbsurdCoordinatesDoNotHangOrCrash) {
  Scene s;
  draw(s, AddShape(s.list, kTypeSpline, {{0, 0}, {3.0e37f, 1}, {-3.0e37f, 2}, {5, 5}}));
}

}  // namespace
}  // namespace orn::test
