// Lines, boxes and dots on a real Surface, checked pixel by pixel.
#include <cmath>

#include "surface_testing.h"

namespace orn {
namespace {

using test::drawn;
using test::Pixels;

TEST(SurfaceLine, ThinLineIsEightConnectedSetsItsStartAndLeavesOutItsEnd) {
  const Pixels p = drawn(40, 40, 1, [](Surface& s) { s.line(1, 30, 37, 3); });
  std::set<int> columns;
  for (auto [x, y] : p) {
    columns.insert(x);
    EXPECT_TRUE(x == 1 || p.count({x - 1, y}) || p.count({x - 1, y + 1}) || p.count({x - 1, y - 1}));
  }
  EXPECT_EQ(p.size(), 36u);  // one pixel per column, the last one left out
  EXPECT_EQ(columns.size(), p.size());
  EXPECT_TRUE(p.count({1, 30}));
  EXPECT_FALSE(p.count({37, 3}));
  const Pixels v = drawn(20, 20, 1, [](Surface& s) { s.line(4, 10, 4, 2); });
  EXPECT_EQ(v.size(), 8u);
  EXPECT_TRUE(v.count({4, 10}) && !v.count({4, 2}));
  EXPECT_TRUE(drawn(20, 20, 1, [](Surface& s) { s.line(5, 5, 5, 5); }).empty());
}

// A width-1 line by its definition: along the major axis (x on a tie), from
// the end with the smaller major coordinate a0, step k lies at minor
// coordinate b0 + floor((2 k db + da) / (2 da)); every step but the line's
// own end point, wherever it falls on the surface.
Pixels thinLineByDefinition(long x1, long y1, long x2, long y2, int w, int h) {
  __extension__ typedef __int128 Big;
  Pixels out;
  if (x1 == x2 && y1 == y2) return out;
  const bool xMajor = std::labs(x2 - x1) >= std::labs(y2 - y1);
  long a1 = xMajor ? x1 : y1, b1 = xMajor ? y1 : x1, a2 = xMajor ? x2 : y2, b2 = xMajor ? y2 : x2;
  const bool forward = a1 < a2;
  const Big a0 = forward ? a1 : a2, b0 = forward ? b1 : b2;
  const Big da = forward ? Big(a2) - a1 : Big(a1) - a2, db = forward ? Big(b2) - b1 : Big(b1) - b2;
  // Only the steps whose major coordinate falls on the surface can show.
  const Big size = xMajor ? w : h;
  const Big kFrom = a0 < 0 ? -a0 : 0, kTo = std::min<Big>(da, size - 1 - a0);
  for (Big k = kFrom; k <= kTo; ++k) {
    if (k == (forward ? da : 0)) continue;
    const Big n = 2 * k * db + da, d = 2 * da;
    const Big q = n / d - ((n % d != 0 && n < 0) ? 1 : 0);
    const Big a = a0 + k, b = b0 + q;
    const Big x = xMajor ? a : b, y = xMajor ? b : a;
    if (x >= 0 && y >= 0 && x < w && y < h) out.insert({int(x), int(y)});
  }
  return out;
}

TEST(SurfaceLine, ThinLineMatchesItsDefinitionInsideAcrossTheEdgesAndFarAway) {
  std::mt19937 rng(41);
  std::uniform_int_distribution<int> inside(0, 63), near(-40, 100), shortStep(-3, 3);
  std::uniform_int_distribution<int> far(-2000000000, 2000000000);
  for (int i = 0; i < 6000; ++i) {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    switch (i % 4) {
      case 0:  // short strokes inside, as curves and replicas draw them
        x1 = inside(rng), y1 = inside(rng) % 48, x2 = x1 + shortStep(rng), y2 = y1 + shortStep(rng);
        break;
      case 1:  // anywhere around the surface
        x1 = near(rng), y1 = near(rng), x2 = near(rng), y2 = near(rng);
        break;
      case 2:  // one end far away
        x1 = inside(rng), y1 = inside(rng) % 48, x2 = far(rng), y2 = far(rng);
        break;
      default: {  // both ends far away on either side of a point near the surface
        const int dx = shortStep(rng) * 300 + near(rng), dy = shortStep(rng) * 300 + near(rng);
        const long reach = 2000000000L / std::max({std::abs(dx), std::abs(dy), 1});
        std::uniform_int_distribution<long> along(reach / 2, reach);
        const long t1 = along(rng), t2 = along(rng);
        const int px = near(rng), py = near(rng);
        x1 = int(px - t1 * dx), y1 = int(py - t1 * dy), x2 = int(px + t2 * dx), y2 = int(py + t2 * dy);
        break;
      }
    }
    ASSERT_EQ(drawn(64, 48, 1, [&](Surface& s) { s.line(x1, y1, x2, y2); }),
              thinLineByDefinition(x1, y1, x2, y2, 64, 48))
        << "(" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ")";
  }
}

TEST(SurfaceLine, SegmentGivesTheSamePixelsFromEitherEnd) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> coord(-30, 90);
  for (int i = 0; i < 600; ++i) {
    const int x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
    const int w = i % 3 == 0 ? 1 : 1 + i % 7;
    Pixels a = drawn(64, 64, w, [&](Surface& s) { s.line(x1, y1, x2, y2); });
    Pixels b = drawn(64, 64, w, [&](Surface& s) { s.line(x2, y2, x1, y1); });
    if (w == 1) {  // each direction leaves out its own end pixel
      a.erase({x1, y1});
      b.erase({x2, y2});
    }
    ASSERT_EQ(a, b) << "(" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ") width " << w;
  }
}

// The swept pen in doubled coordinates: its centre runs along the segment,
// half a pixel right and down for an even width; a pixel is drawn when its
// centre lies within w / 2 of that path (so the ends are round).
bool underPen(long x, long y, long x1, long y1, long x2, long y2, int w) {
  __extension__ typedef __int128 Big;
  const Big e = w % 2 == 0 ? 1 : 0;
  const Big u = 2 * Big(x - x1) - e, v = 2 * Big(y - y1) - e;
  const Big dx = 2 * Big(x2 - x1), dy = 2 * Big(y2 - y1);
  const Big ww = Big(w) * w, len2 = dx * dx + dy * dy;
  if (u * u + v * v <= ww) return true;
  const Big ub = u - dx, vb = v - dy;
  if (ub * ub + vb * vb <= ww) return true;
  const Big t = u * dx + v * dy, cross = u * dy - v * dx;
  return len2 > 0 && t >= 0 && t <= len2 && cross * cross <= ww * len2;
}

TEST(SurfaceLine, WideLineIsThePixelsUnderTheSweptPen) {
  std::mt19937 rng(23);
  std::uniform_int_distribution<int> coord(-40, 110), step(-6, 6);
  for (int i = 0; i < 2000; ++i) {
    int x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
    if (i % 4 == 1) {  // short strokes: rows near the ends only
      x2 = x1 + step(rng);
      y2 = y1 + step(rng);
    } else if (i % 8 == 2) {  // level and upright lines
      (i % 16 == 2 ? y2 : x2) = i % 16 == 2 ? y1 : x1;
    }
    const int w = 2 + i % 19;
    const Pixels p = drawn(72, 64, w, [&](Surface& s) { s.line(x1, y1, x2, y2); });
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 72; ++x)
        ASSERT_EQ(p.count({x, y}) == 1, underPen(x, y, x1, y1, x2, y2, w))
            << "pixel " << x << "," << y << " line (" << x1 << "," << y1 << ")-(" << x2 << "," << y2
            << ") width " << w;
  }
  // A dot, and a zero-length wide line, is the round pen itself, of every width.
  for (int w = 2; w <= 20; ++w) {
    const Pixels dot = drawn(30, 30, w, [](Surface& s) { s.dot(15, 15); });
    EXPECT_EQ(dot, drawn(30, 30, w, [](Surface& s) { s.line(15, 15, 15, 15); })) << w;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x) ASSERT_EQ(dot.count({x, y}) == 1, underPen(x, y, 15, 15, 15, 15, w)) << w;
  }
  EXPECT_EQ(drawn(30, 30, 6, [](Surface& s) { s.dot(15, 15); }).size(), 32u);  // 6 x 6 without its corners
  EXPECT_EQ(drawn(30, 30, 1, [](Surface& s) { s.dot(3, 4); }), Pixels({{3, 4}}));
}

TEST(SurfaceLine, XorLinesAndBoxesDrawnTwiceRestoreEveryPixel) {
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> coord(-20, 90);
  for (int w : {1, 2, 5, 20}) {
    for (int i = 0; i < 20; ++i) {
      const int x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
      SCOPED_TRACE(testing::Message() << "width " << w << " (" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ")");
      test::expectXorExact(w, [&](Surface& s) { s.line(x1, y1, x2, y2); });
      test::expectXorExact(w, [&](Surface& s) { s.box(x1, y1, x2, y2); });
    }
  }
  test::expectXorExact(3, [](Surface& s) { s.box(10, 10, 11, 30); });  // frame thicker than the box
}

TEST(SurfaceLine, BoxOutlineIncludesBothCornersAndWidensEvenly) {
  const Pixels p = drawn(10, 10, 1, [](Surface& s) { s.box(4, 4, 2, 2); });
  EXPECT_EQ(p, Pixels({{2, 2}, {3, 2}, {4, 2}, {2, 3}, {4, 3}, {2, 4}, {3, 4}, {4, 4}}));
  const Pixels w3 = drawn(30, 30, 3, [](Surface& s) { s.box(5, 5, 20, 15); });
  EXPECT_TRUE(w3.count({4, 4}) && w3.count({6, 6}) && w3.count({21, 16}));
  EXPECT_FALSE(w3.count({3, 3}) || w3.count({7, 7}) || w3.count({22, 10}));
}

// A line far longer than the surface shows the same pixels as a short piece
// of it that still spans the surface: clipping keeps the exact line.
TEST(SurfaceLine, FarAwayEndsAreClippedWithoutMovingTheLine) {
  struct Case {
    int dx, dy, width;
  };
  for (Case c : {Case{3, 1, 1}, Case{-2, 7, 1}, Case{5, -5, 1}, Case{1, 0, 1}, Case{3, 1, 4},
                 Case{-2, 7, 9}, Case{1000, 999, 1}, Case{1000, 999, 3}}) {
    SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy << " width " << c.width);
    const long step = std::max(std::abs(c.dx), std::abs(c.dy));
    const long near = 200 / step + 60, far = 2000000000L / step;
    auto line = [&](long k1, long k2) {
      return drawn(80, 60, c.width, [&](Surface& s) {
        s.line(int(33 + k1 * c.dx), int(27 + k1 * c.dy), int(33 + k2 * c.dx), int(27 + k2 * c.dy));
      });
    };
    const Pixels shortLine = line(-near, near);
    EXPECT_FALSE(shortLine.empty());
    EXPECT_EQ(shortLine, line(-far, far));
    EXPECT_EQ(shortLine, line(far, -far));
  }
  // Wholly outside, at the ends of the int range: nothing drawn, no overflow.
  const int big = 2147483647, small = -2147483647 - 1;
  for (int w : {1, 7, 8}) {
    EXPECT_TRUE(drawn(50, 50, w, [&](Surface& s) {
                  s.line(small, small, big, small);
                  s.line(big, small, big, big);
                  s.line(small, 60, small + 1000, 60);
                }).empty());
    // The diagonal of the int range crosses the surface's own diagonal.
    const Pixels d = drawn(50, 50, w, [&](Surface& s) { s.line(small + 1, small + 1, big, big); });
    for (int i = 0; i < 50; ++i) EXPECT_TRUE(d.count({i, i}));
  }
}

TEST(SurfaceLine, PixelRoundingPinsFarValues) {
  EXPECT_EQ(toPixel(2.5), 2);
  EXPECT_EQ(toPixel(3.5), 4);
  EXPECT_EQ(toPixel(-2.5), -2);
  EXPECT_EQ(toPixel(7.4999), 7);
  EXPECT_LT(toPixel(-1e300), -100000000);
  EXPECT_GT(std::abs(toPixel(std::nan(""))), 100000000);
  EXPECT_GT(toPixel(1e300) - toPixel(-1e300), 0);  // pinned values subtract without overflow
}

}  // namespace
}  // namespace orn
