// Lines, boxes and dots on a real Surface, checked pixel by pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <set>
#include <utility>

#include "platform/core/surface.h"

namespace orn {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels a drawing call sets on a white surface with a black copy pen.
Pixels drawn(int w, int h, int penWidth, const std::function<void(Surface&)>& draw) {
  Surface s(w, h);
  s.setPenColor(kBlack);
  s.setPenWidth(penWidth);
  draw(s);
  Pixels out;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (s.point(x, y) == kBlack) out.insert({x, y});
  return out;
}

Surface noise(int w, int h, unsigned seed) {
  Surface s(w, h);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.pset(x, y, rng() & 0xFFFFFF);
  return s;
}

TEST(SurfaceLine, ThinLineSetsItsStartAndLeavesOutItsEnd) {
  const Pixels p = drawn(20, 20, 1, [](Surface& s) { s.line(2, 3, 12, 7); });
  EXPECT_TRUE(p.count({2, 3}));
  EXPECT_FALSE(p.count({12, 7}));
  EXPECT_EQ(p.size(), 10u);  // one pixel per column, the last one left out
  EXPECT_TRUE(drawn(20, 20, 1, [](Surface& s) { s.line(5, 5, 5, 5); }).empty());
  const Pixels v = drawn(20, 20, 1, [](Surface& s) { s.line(4, 10, 4, 2); });
  EXPECT_EQ(v.size(), 8u);
  EXPECT_TRUE(v.count({4, 10}));
  EXPECT_FALSE(v.count({4, 2}));
}

TEST(SurfaceLine, ThinLineIsEightConnectedWithOnePixelPerMajorStep) {
  const Pixels p = drawn(40, 40, 1, [](Surface& s) { s.line(1, 30, 37, 3); });
  std::set<int> columns;
  for (auto [x, y] : p) columns.insert(x);
  EXPECT_EQ(columns.size(), p.size());
  EXPECT_EQ(p.size(), 36u);
  for (auto [x, y] : p) {
    if (x == 1) continue;
    const bool linked = p.count({x - 1, y}) || p.count({x - 1, y + 1}) || p.count({x - 1, y - 1});
    EXPECT_TRUE(linked) << x << "," << y;
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

// An odd pen is centred on the segment's pixels and an even one half a pixel
// right of and below them, so the figure is symmetric about the segment's
// midpoint, moved by that half pixel for an even pen.
TEST(SurfaceLine, WideLineIsSymmetricAboutItsPenCentreWithRoundEnds) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> coord(25, 75);
  for (int i = 0; i < 300; ++i) {
    const int x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
    const int w = 2 + i % 19, e = w % 2 == 0 ? 1 : 0;
    const Pixels p = drawn(100, 100, w, [&](Surface& s) { s.line(x1, y1, x2, y2); });
    for (auto [x, y] : p)
      ASSERT_TRUE(p.count({x1 + x2 + e - x, y1 + y2 + e - y})) << "width " << w;
  }
  // A horizontal width-5 line: 5 rows thick, and its ends are rounded, so
  // the corners of the bounding box stay clear.
  const Pixels h = drawn(40, 20, 5, [](Surface& s) { s.line(10, 10, 30, 10); });
  EXPECT_TRUE(h.count({20, 8}) && h.count({20, 12}));
  EXPECT_FALSE(h.count({20, 7}) || h.count({20, 13}));
  EXPECT_TRUE(h.count({32, 10}) && h.count({8, 10}));
  EXPECT_FALSE(h.count({32, 8}) || h.count({8, 12}));
  EXPECT_FALSE(h.count({33, 10}));
  // A mirror image across the line too.
  for (auto [x, y] : h) EXPECT_TRUE(h.count({x, 20 - y}));
}

// What the user picks as the line width is what the canvas shows: every
// width, odd or even, gives a horizontal or vertical line exactly that many
// pixels thick, with the extra row of an even pen below (or column right of)
// the line whichever end it is drawn from.
TEST(SurfaceLine, StraightLineIsExactlyAsThickAsThePen) {
  for (int w = 1; w <= 20; ++w) {
    SCOPED_TRACE(testing::Message() << "width " << w);
    for (bool reversed : {false, true}) {
      const Pixels h = drawn(80, 60, w, [&](Surface& s) {
        reversed ? s.line(60, 30, 20, 30) : s.line(20, 30, 60, 30);
      });
      const Pixels v = drawn(80, 60, w, [&](Surface& s) {
        reversed ? s.line(40, 50, 40, 10) : s.line(40, 10, 40, 50);
      });
      std::set<int> rows, columns;
      for (auto [x, y] : h)
        if (x == 40) rows.insert(y);
      for (auto [x, y] : v)
        if (y == 30) columns.insert(x);
      ASSERT_EQ(int(rows.size()), w);
      ASSERT_EQ(int(columns.size()), w);
      EXPECT_EQ(*rows.begin(), 30 - (w - 1) / 2);
      EXPECT_EQ(*rows.rbegin(), 30 + w / 2);
      EXPECT_EQ(*columns.begin(), 40 - (w - 1) / 2);
      EXPECT_EQ(*columns.rbegin(), 40 + w / 2);
    }
    // A dot spans the pen's width both ways.
    const Pixels d = drawn(40, 40, w, [](Surface& s) { s.dot(20, 20); });
    std::set<int> xs, ys;
    for (auto [x, y] : d) {
      xs.insert(x);
      ys.insert(y);
    }
    EXPECT_EQ(int(xs.size()), w);
    EXPECT_EQ(int(ys.size()), w);
  }
  // Width 2 and width 3 differ: a 2-pixel pen is not drawn 3 pixels thick.
  EXPECT_NE(drawn(40, 40, 2, [](Surface& s) { s.line(5, 20, 35, 20); }),
            drawn(40, 40, 3, [](Surface& s) { s.line(5, 20, 35, 20); }));
  EXPECT_EQ(drawn(20, 20, 2, [](Surface& s) { s.dot(5, 5); }),
            Pixels({{5, 5}, {6, 5}, {5, 6}, {6, 6}}));
}

// The swept pen, decided pixel by pixel in doubled coordinates: the pen's
// centre runs along the segment, moved half a pixel right and down for an
// even width; a pixel is drawn when its centre lies within w / 2 of that path.
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
  std::uniform_int_distribution<int> coord(-40, 110);
  for (int i = 0; i < 400; ++i) {
    const int x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
    const int w = 2 + i % 19;
    const Pixels p = drawn(72, 64, w, [&](Surface& s) { s.line(x1, y1, x2, y2); });
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 72; ++x)
        ASSERT_EQ(p.count({x, y}) == 1, underPen(x, y, x1, y1, x2, y2, w))
            << "pixel " << x << "," << y << " line (" << x1 << "," << y1 << ")-(" << x2 << ","
            << y2 << ") width " << w;
  }
}

TEST(SurfaceLine, WideZeroLengthLineIsTheSameRoundDotAsDot) {
  const Pixels a = drawn(30, 30, 6, [](Surface& s) { s.line(15, 15, 15, 15); });
  const Pixels b = drawn(30, 30, 6, [](Surface& s) { s.dot(15, 15); });
  EXPECT_EQ(a, b);
  EXPECT_EQ(a.size(), 32u);  // a 6 x 6 square without its corners
  EXPECT_FALSE(a.count({13, 13}) || a.count({18, 18}));
  EXPECT_TRUE(a.count({13, 14}) && a.count({18, 17}));
  const Pixels c = drawn(30, 30, 5, [](Surface& s) { s.dot(15, 15); });
  EXPECT_EQ(c.size(), 21u);  // a 5 x 5 square without its corners
  EXPECT_EQ(drawn(30, 30, 1, [](Surface& s) { s.dot(3, 4); }), Pixels({{3, 4}}));
}

// XOR drawing touches each pixel once: the pixels it flips are exactly those
// a copy pen sets, and drawing it again restores every pixel.
void expectXorExact(int penWidth, const std::function<void(Surface&)>& draw) {
  const Pixels copy = drawn(70, 60, penWidth, draw);
  Surface s(70, 60);
  s.setPenWidth(penWidth);
  s.setPenMode(PenMode::Xor);
  s.setPenColor(0x00FF00);
  draw(s);
  Pixels flipped;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 70; ++x)
      if (s.point(x, y) != kWhite) {
        EXPECT_EQ(s.point(x, y), kWhite ^ 0x00FF00);
        flipped.insert({x, y});
      }
  EXPECT_EQ(flipped, copy);
  Surface n = noise(70, 60, 3);
  const Surface before = n;
  n.setPenWidth(penWidth);
  n.setPenMode(PenMode::Xor);
  n.setPenColor(0x123456);
  draw(n);
  EXPECT_EQ(n == before, copy.empty());
  draw(n);
  EXPECT_TRUE(n == before);
}

TEST(SurfaceLine, XorLinesAndBoxesDrawnTwiceRestoreEveryPixel) {
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> coord(-20, 90);
  for (int w : {1, 2, 5, 20}) {
    for (int i = 0; i < 20; ++i) {
      const int x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
      SCOPED_TRACE(testing::Message() << "width " << w << " (" << x1 << "," << y1 << ")-(" << x2
                                      << "," << y2 << ")");
      expectXorExact(w, [&](Surface& s) { s.line(x1, y1, x2, y2); });
      expectXorExact(w, [&](Surface& s) { s.box(x1, y1, x2, y2); });
    }
  }
  expectXorExact(3, [](Surface& s) { s.box(10, 10, 11, 30); });  // frame thicker than the box
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
    const int cx = 33, cy = 27;
    const long near = 200 / std::max(std::abs(c.dx), std::abs(c.dy)) + 60;
    const long far = 2000000000L / std::max(std::abs(c.dx), std::abs(c.dy));
    auto at = [&](long k) { return std::pair<int, int>(int(cx + k * c.dx), int(cy + k * c.dy)); };
    const auto [n1x, n1y] = at(-near);
    const auto [n2x, n2y] = at(near);
    const auto [f1x, f1y] = at(-far);
    const auto [f2x, f2y] = at(far);
    const Pixels shortLine = drawn(80, 60, c.width, [&](Surface& s) { s.line(n1x, n1y, n2x, n2y); });
    const Pixels longLine = drawn(80, 60, c.width, [&](Surface& s) { s.line(f1x, f1y, f2x, f2y); });
    EXPECT_FALSE(shortLine.empty());
    EXPECT_EQ(shortLine, longLine);
    EXPECT_EQ(longLine, drawn(80, 60, c.width, [&](Surface& s) { s.line(f2x, f2y, f1x, f1y); }));
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
  EXPECT_GT(toPixel(1e300), 100000000);
  EXPECT_GT(std::abs(toPixel(std::nan(""))), 100000000);
  // Pinned values can still be subtracted without overflowing an int.
  EXPECT_GT(toPixel(1e300) - toPixel(-1e300), 0);
}

}  // namespace
}  // namespace orn
