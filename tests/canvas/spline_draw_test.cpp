// Spline records drawn on a real canvas.
#include <gtest/gtest.h>

#include <cmath>

#include "canvas/spline.h"
#include "redraw_fixture.h"
#include "symmetry/replication.h"

namespace orn::test {
namespace {

std::vector<float> entries(const DrawingList& list) {
  std::vector<float> all(list.G0);
  all.insert(all.end(), list.G1.begin(), list.G1.end());
  return all;
}

int inked(const Surface& s, Rgb back = kWhite) {
  int n = 0;
  for (int i = 0; i < s.width() * s.height(); ++i) n += s.pixels()[i] != back;
  return n;
}

TEST(SplineDraw, OnePointDrawsNothingAndTwoPointsDrawOneStraightSegment) {
  Scene s;
  const Frame one = frameAt(s.list, s.addShape(kTypeSpline, {{40, 40}}));
  CanvasDrawing d = s.drawing();
  SplineDraw(d, s.list, one.first, one.last, 0, kWholeSpline);
  EXPECT_EQ(inked(s.canvas), 0);

  // Repeated points at the end count for nothing.
  const Frame two = frameAt(s.list, s.addShape(kTypeSpline, {{10, 10}, {90, 50}, {90, 50}, {90, 50}}));
  SplineDraw(d, s.list, two.first, two.last, 0, kWholeSpline);
  Scene straight;
  SymmLine(straight.sym, straight.ctx, 10, 10, 90, 50, kBlack);
  EXPECT_TRUE(s.canvas == straight.canvas);
}

TEST(SplineDraw, PassesThroughEveryClickedPointAndOnlyReadsTheList) {
  Scene s;
  const int head = s.addShape(kTypeSpline, {{20, 100}, {60, 30}, {100, 120}, {140, 40}, {200, 90}});
  s.addShape(kTypePolyLine, {{0, 0}, {1, 1}});  // a record right after it
  const Frame f = frameAt(s.list, head);
  const std::vector<float> before = entries(s.list);
  CanvasDrawing d = s.drawing();
  SplineDraw(d, s.list, f.first, f.last, 0, kWholeSpline);
  EXPECT_EQ(entries(s.list), before);
  EXPECT_EQ(s.ctx.ExtendFirst, 0);
  for (int i = f.first; i < f.last; ++i) {
    EXPECT_EQ(s.canvas.point(toPixel(s.list.G0[i]), toPixel(s.list.G1[i])), kBlack) << i;
  }
  // The curve bends away from the straight chords: it is not a polyline.
  Surface chords(Scene::kWidth, Scene::kHeight, kWhite);
  for (int i = f.first; i < f.last; ++i) {
    chords.line(toPixel(s.list.G0[i]), toPixel(s.list.G1[i]), toPixel(s.list.G0[i + 1]),
                toPixel(s.list.G1[i + 1]));
  }
  EXPECT_FALSE(s.canvas == chords);
}

TEST(SplineDraw, CountFourDrawsOnlyTheLastThreeIntervals) {
  Scene whole, tail;
  const std::initializer_list<Pt> pts{{10, 20},  {30, 60},  {50, 20},  {70, 60},  {90, 20},
                                      {110, 60}, {130, 20}, {150, 60}, {170, 20}, {190, 60}};
  const Frame fw = frameAt(whole.list, whole.addShape(kTypeSpline, pts));
  const Frame ft = frameAt(tail.list, tail.addShape(kTypeSpline, pts));
  CanvasDrawing dw = whole.drawing(), dt = tail.drawing();
  SplineDraw(dw, whole.list, fw.first, fw.last, 0, kWholeSpline);
  SplineDraw(dt, tail.list, ft.first, ft.last, 0, 4);

  int tailInk = 0;
  for (int y = 0; y < Scene::kHeight; ++y) {
    for (int x = 0; x < Scene::kWidth; ++x) {
      if (tail.canvas.point(x, y) == kWhite) continue;
      ++tailInk;
      EXPECT_EQ(whole.canvas.point(x, y), kBlack) << x << "," << y;  // the same curve
      EXPECT_GE(x, 129) << y;  // nothing before point 7 (x = 130)
    }
  }
  EXPECT_GT(tailInk, 3 * 40);
  EXPECT_EQ(tail.canvas.point(190, 60), kBlack);  // the last clicked point is reached
  EXPECT_EQ(tail.canvas.point(130, 20), kBlack);
}

TEST(SplineDraw, NegativeCountDrawsTheFirstIntervalBlackAndTheRestInXor) {
  Scene s;
  const Frame f = frameAt(s.list, s.addShape(kTypeSpline, {{10, 80}, {60, 20}, {120, 80}, {180, 20}}));
  s.canvas.setPenMode(PenMode::Xor);
  CanvasDrawing d = s.drawing();
  SplineDraw(d, s.list, f.first, f.last, 0x00FF00, -4);
  EXPECT_EQ(s.canvas.penMode(), PenMode::Xor);
  // Four points: the first interval is the one drawn solid, the others in
  // green XOR white.
  std::vector<float> x{0}, y{0};
  for (int i = f.first; i <= f.last; ++i) x.push_back(s.list.G0[i]), y.push_back(s.list.G1[i]);
  const SplineCurve c = SolveSplineCurve(x, y, 4);
  const auto middle = [&](int j) {
    const double u = (c.t[j + 1] - c.t[j]) / 2.0;
    return s.canvas.point(toPixel(SplineValue(c.x, c.cx, j, u)), toPixel(SplineValue(c.y, c.cy, j, u)));
  };
  EXPECT_EQ(middle(1), kBlack);
  EXPECT_EQ(middle(2), 0xFF00FFu);
  EXPECT_EQ(middle(3), 0xFF00FFu);
}

TEST(SplineDraw, AStopRequestEndsTheCurveAndLeavesTheListAndFlagsSound) {
  Scene s;
  std::vector<Pt> pts;
  const int head = s.addShape(kTypeSpline, {{5, 5},    {25, 40},  {45, 5},   {65, 40},  {85, 5},
                                            {105, 40}, {125, 5},  {145, 40}, {165, 5},  {185, 40},
                                            {205, 5},  {225, 40}, {235, 5},  {235, 100}, {200, 120}});
  const Frame f = frameAt(s.list, head);
  const std::vector<float> before = entries(s.list);
  s.ed.AllowDoEvents = true;
  s.host.onPump = [&] { StopSign_Click(s.ed); };
  CanvasDrawing d = s.drawing();
  SplineDraw(d, s.list, f.first, f.last, 0, kWholeSpline);
  EXPECT_EQ(s.host.pumps, 1);                       // at the tenth interval
  EXPECT_EQ(s.canvas.point(185, 40), kBlack);       // intervals 1-9 drawn
  EXPECT_EQ(s.canvas.point(225, 40), kWhite);       // the rest not
  EXPECT_EQ(entries(s.list), before);
  EXPECT_EQ(s.ctx.ExtendFirst, 0);
}

// Takes the segments the replication sends to the printer.
class SegmentLog : public PrintSink {
 public:
  struct Seg {
    float x1, y1, x2, y2;
  };
  void PrintLine(float x1, float y1, float x2, float y2, Rgb) override {
    segs.push_back({x1 - 1.0f, y1 - 1.0f, x2 - 1.0f, y2 - 1.0f});  // the print path adds 1
  }
  float PrintScaleWidth() const override { return 1.0f; }
  // Segments per interval: an interval ends exactly on its clicked point.
  std::vector<int> piecesUpTo(const std::vector<Pt>& clicks) const {
    std::vector<int> out;
    int n = 0;
    std::size_t next = 1;
    for (const Seg& g : segs) {
      ++n;
      if (next < clicks.size() && g.x2 == clicks[next].first && g.y2 == clicks[next].second) {
        out.push_back(n);
        n = 0;
        ++next;
      }
    }
    return out;
  }
  std::vector<Seg> segs;
};

std::vector<SegmentLog::Seg> drawLogged(const std::vector<Pt>& clicks) {
  Scene s;
  SegmentLog log;
  s.ctx.PrintPath = true;
  s.ctx.Printer = &log;
  s.ctx.Clip = ClipRect{-1000.0f, 1000.0f, 1000.0f, -1000.0f};
  s.list.CreateItem(kTypeSpline, 1, clicks[0].first, clicks[0].second);
  for (std::size_t k = 1; k < clicks.size(); ++k) s.list.AddPoint(clicks[k].first, clicks[k].second, 0);
  const Frame f = frameAt(s.list, s.list.ItemHead);
  CanvasDrawing d = s.drawing();
  SplineDraw(d, s.list, f.first, f.last, 0, kWholeSpline);
  return log.segs;
}

TEST(SplineDraw, CutsEachIntervalByItsSizeAlongTheSolvedCurve) {
  // Worked by hand: the middle of the first interval of (0,0), (100,0),
  // (100,100) lies at (62.5, -9.4595), 63.2 from its start, so 65 pieces; the
  // second interval's middle (106.25, 49.1554) gives 51.
  const std::vector<Pt> a{{0, 0}, {100, 0}, {100, 100}};
  SegmentLog logA;
  logA.segs = drawLogged(a);
  EXPECT_EQ(logA.piecesUpTo(a), (std::vector<int>{65, 51}));
  ASSERT_GE(logA.segs.size(), 2u);
  EXPECT_EQ(logA.segs[0].x1, 0.0f);
  EXPECT_EQ(logA.segs[0].y1, 0.0f);
  EXPECT_NEAR(logA.segs[0].x2, 2.296, 2e-3);
  EXPECT_NEAR(logA.segs[0].y2, -0.514, 2e-3);
  EXPECT_NEAR(logA.segs[1].x2, 4.568, 2e-3);
  EXPECT_NEAR(logA.segs[1].y2, -1.015, 2e-3);
  // The pieces join up: the pen moves along the curve without a gap.
  for (std::size_t k = 1; k < logA.segs.size(); ++k) {
    EXPECT_EQ(logA.segs[k].x1, logA.segs[k - 1].x2) << k;
    EXPECT_EQ(logA.segs[k].y1, logA.segs[k - 1].y2) << k;
  }

  // Four clicks: midpoints (17.48, 29.71), (42.95, 20.67), (78.16, 17.02).
  const std::vector<Pt> b{{0, 0}, {30, 40}, {60, 0}, {90, 40}};
  SegmentLog logB;
  logB.segs = drawLogged(b);
  EXPECT_EQ(logB.piecesUpTo(b), (std::vector<int>{36, 25, 26}));
  EXPECT_EQ(logB.segs.size(), 36u + 25u + 26u);
}

TEST(SplineDraw, AbsurdCoordinatesDoNotHangOrCrash) {
  Scene s;
  const Frame f =
      frameAt(s.list, s.addShape(kTypeSpline, {{0, 0}, {3.0e37f, 1}, {-3.0e37f, 2}, {5, 5}}));
  CanvasDrawing d = s.drawing();
  SplineDraw(d, s.list, f.first, f.last, 0, kWholeSpline);
  SUCCEED();
}

}  // namespace
}  // namespace orn::test
