// Circles and arcs on a real Surface, against a pixel-by-pixel definition of
// the ring computed with 128-bit integers.
#include <cmath>

#include "surface_testing.h"

namespace orn {
namespace {

__extension__ typedef __int128 Big;
constexpr double kPi = 3.1415926535;

// A pixel at offset (x, y) from the centre belongs to a width-1 circle when
// it lies in the disk x² + y² <= r² + r with a 4-neighbour outside it; to a
// wider ring when its distance from the circle is at most w / 2, the circle
// of an even pen being centred half a pixel right of and below the centre.
bool onRing(Big x, Big y, Big r, int w) {
  auto inDisk = [r](Big a, Big b) { return a * a + b * b <= r * r + r; };
  if (w == 1)
    return inDisk(x, y) && !(inDisk(x + 1, y) && inDisk(x - 1, y) && inDisk(x, y + 1) && inDisk(x, y - 1));
  const Big e = w % 2 == 0 ? 1 : 0;
  const Big d4 = (2 * x - e) * (2 * x - e) + (2 * y - e) * (2 * y - e);
  const Big outer = 2 * r + w, inner = 2 * r - w;
  return d4 <= outer * outer && (inner <= 0 || d4 >= inner * inner);
}

Surface drawOn(int w, int h, int penWidth, const std::function<void(Surface&)>& draw) {
  Surface s(w, h);
  s.setPenWidth(penWidth);
  draw(s);
  return s;
}

TEST(SurfaceCircle, RingMatchesItsDefinitionForSmallAndHugeRadii) {
  struct Case {
    long cx, cy, r;
  };
  std::vector<Case> cases;
  for (int r : {0, 1, 2, 3, 5, 8, 13, 21, 30}) cases.push_back({35, 34, r});
  // Radii far beyond the surface: only an arc of the ring crosses it.
  for (Case f : {Case{30, 100000000 + 20, 100000000}, Case{-1000000000, 25, 1000000010},
                 Case{2000000000, -2000000000, 2147483647}, Case{40, 40, 2147483647}, Case{-60, -60, 100}})
    cases.push_back(f);
  for (int w : {1, 2, 3, 4, 5, 8, 13, 20})  // the even pen centred half a pixel right of and below
    for (const Case& c : cases) {
      const Surface s = drawOn(70, 60, w, [&](Surface& t) { t.circle(int(c.cx), int(c.cy), int(c.r)); });
      for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
          ASSERT_EQ(s.point(x, y) == kBlack, onRing(Big(x) - c.cx, Big(y) - c.cy, c.r, w))
              << "pixel " << x << "," << y << " circle " << c.cx << "," << c.cy << " r " << c.r << " w " << w;
    }
  EXPECT_TRUE(drawOn(9, 9, 1, [](Surface& s) { s.circle(4, 4, -3); }) == Surface(9, 9));
}

TEST(SurfaceCircle, XorCirclesAndArcsDrawnTwiceRestoreEveryPixel) {
  std::mt19937 rng(9);
  std::uniform_int_distribution<int> centre(-20, 90), radius(0, 70);
  std::uniform_real_distribution<double> angle(-7.0, 14.0);
  for (int w : {1, 2, 5, 6})
    for (int i = 0; i < 40; ++i) {
      const int cx = centre(rng), cy = centre(rng), r = radius(rng);
      const double a = angle(rng), b = angle(rng);
      SCOPED_TRACE(testing::Message() << "w " << w << " at " << cx << "," << cy << " r " << r);
      test::expectXorExact(w, [&](Surface& s) { s.circle(cx, cy, r); });
      test::expectXorExact(w, [&](Surface& s) { s.arc(cx, cy, r, a, b); });
    }
}

TEST(SurfaceCircle, ArcRunsCounterClockwiseOnAYDownSurface) {
  // From east (0) to north (pi/2): the upper right quarter of the circle.
  const Surface q = drawOn(41, 41, 1, [&](Surface& s) { s.arc(20, 20, 10, 0, kPi / 2); });
  const Surface full = drawOn(41, 41, 1, [](Surface& s) { s.circle(20, 20, 10); });
  for (int y = 0; y < 41; ++y)
    for (int x = 0; x < 41; ++x) {
      const bool upperRight = x >= 20 && y <= 20;
      EXPECT_EQ(q.point(x, y), upperRight ? full.point(x, y) : kWhite) << x << "," << y;
    }
  EXPECT_EQ(q.point(30, 20), kBlack);  // east end
  EXPECT_EQ(q.point(20, 10), kBlack);  // north end
  // From north round through west and south past a full turn: the other three quarters.
  const Surface rest = drawOn(41, 41, 1, [&](Surface& s) { s.arc(20, 20, 10, kPi / 2, 2 * kPi); });
  EXPECT_EQ(rest.point(10, 20), kBlack);
  EXPECT_EQ(rest.point(20, 30), kBlack);
  EXPECT_EQ(rest.point(27, 13), kWhite);
  // Equal angles: the whole circle; non-finite angles: nothing.
  EXPECT_TRUE(drawOn(41, 41, 1, [](Surface& s) { s.arc(20, 20, 10, 1.0, 1.0); }) == full);
  EXPECT_TRUE(drawOn(41, 41, 1, [](Surface& s) { s.arc(20, 20, 10, 0, NAN); }) == Surface(41, 41));
}

// An arc pixel by pixel: a pixel of the ring whose direction from the
// centre lies in the sweep from `start` (a few billionths of a radian of
// slack at either end), or, for a wide pen, a pixel centre within w / 2 of
// either end point. Sweeps of a full turn, and equal angles, are the circle.
bool onArc(long x, long y, long cx, long cy, long r, int w, double start, double end) {
  const bool ring = onRing(Big(x) - cx, Big(y) - cy, r, w);
  if (w == 1 && !ring) return false;
  double sweep = end - start;
  if (!(std::fabs(sweep) < 2 * M_PI)) return ring;
  double a0 = std::fmod(start, 2 * M_PI);
  if (a0 < 0) a0 += 2 * M_PI;
  sweep = std::fmod(sweep, 2 * M_PI);
  if (sweep < 0) sweep += 2 * M_PI;
  if (sweep == 0) return ring;
  const double a1 = a0 + sweep, shift = w % 2 == 0 ? 0.5 : 0.0;
  for (double a : {a0, a1}) {
    const double ex = cx + shift + r * std::cos(a), ey = cy + shift - r * std::sin(a);
    if (w > 1 && (x - ex) * (x - ex) + (y - ey) * (y - ey) <= w * w / 4.0) return true;
  }
  if (!ring) return false;
  const double vx = x - cx - shift, vy = -(y - cy - shift);
  const double slack = -1e-9 * (std::fabs(vx) + std::fabs(vy));
  const double c0 = std::cos(a0) * vy - std::sin(a0) * vx;
  const double c1 = vx * std::sin(a1) - vy * std::cos(a1);
  return sweep <= M_PI ? (c0 >= slack && c1 >= slack) : !(c0 < slack && c1 < slack);
}

TEST(SurfaceCircle, ArcMatchesItsDefinitionForEverySweepAndPen) {
  std::mt19937 rng(12);
  std::uniform_int_distribution<int> centre(-30, 100), radius(0, 60);
  std::uniform_real_distribution<double> angle(-7.0, 14.0);
  for (int i = 0; i < 1500; ++i) {
    const int w = i % 3 == 0 ? 1 + i % 9 : 1;
    const int cx = centre(rng), cy = centre(rng), r = i % 10 == 0 ? radius(rng) * 100 : radius(rng);
    const double a = angle(rng), b = i % 7 == 0 ? a + angle(rng) * 1e-3 : angle(rng);
    const Surface s = drawOn(72, 64, w, [&](Surface& t) { t.arc(cx, cy, r, a, b); });
    for (int y = 0; y < s.height(); ++y)
      for (int x = 0; x < s.width(); ++x)
        ASSERT_EQ(s.point(x, y) == kBlack, onArc(x, y, cx, cy, r, w, a, b))
            << "pixel " << x << "," << y << " arc " << cx << "," << cy << " r " << r << " w " << w
            << " from " << a << " to " << b;
  }
}

TEST(SurfaceCircle, WideArcHasRoundEndsAndHugeArcsClip) {
  const Surface s = drawOn(60, 60, 7, [&](Surface& t) { t.arc(30, 30, 20, 0, kPi / 2); });
  // Past the east end the cap covers pixels within 3.5 of (50, 30), the ring does not go on.
  EXPECT_EQ(s.point(50, 33), kBlack);
  EXPECT_EQ(s.point(48, 36), kWhite);
  EXPECT_EQ(s.point(27, 10), kBlack);  // west of the north end, in its cap
  EXPECT_EQ(s.point(24, 10), kWhite);
  // Radius 1e8 centred far below: the top of the circle is the row y = 20.
  const int r = 100000000;
  const Surface top = drawOn(64, 40, 1, [&](Surface& t) { t.arc(32, r + 20, r, kPi / 2 - 1e-6, kPi / 2 + 1e-6); });
  EXPECT_EQ(top.point(32, 20), kBlack);
  EXPECT_EQ(top.point(32, 19), kWhite);
  EXPECT_TRUE(drawOn(64, 40, 1, [&](Surface& t) { t.arc(32, r + 20, r, kPi, 2 * kPi); }) == Surface(64, 40));
}

}  // namespace
}  // namespace orn
