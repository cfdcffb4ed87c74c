// Circles and arcs on a real Surface, against a pixel-by-pixel definition of
// the ring computed here with 128-bit integers.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "platform/core/surface.h"

namespace orn {
namespace {

__extension__ typedef __int128 Big;

// A pixel at offset (x, y) from the centre belongs to a width-1 circle when
// it lies in the disk x² + y² <= r² + r with a 4-neighbour outside it; to a
// wider ring when its distance from the circle is at most w / 2, the circle
// of an even pen being centred half a pixel right of and below the centre.
bool onRing(Big x, Big y, Big r, int w) {
  auto inDisk = [r](Big a, Big b) { return a * a + b * b <= r * r + r; };
  if (w == 1)
    return inDisk(x, y) &&
           !(inDisk(x + 1, y) && inDisk(x - 1, y) && inDisk(x, y + 1) && inDisk(x, y - 1));
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

void expectRing(const Surface& s, long cx, long cy, long r, int w) {
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x)
      ASSERT_EQ(s.point(x, y) == kBlack, onRing(Big(x) - cx, Big(y) - cy, r, w))
          << "pixel " << x << "," << y << " circle " << cx << "," << cy << " r " << r << " w " << w;
}

TEST(SurfaceCircle, RingMatchesItsDefinitionForSmallAndHugeRadii) {
  for (int w : {1, 2, 3, 5, 20}) {
    for (int r : {0, 1, 2, 3, 5, 8, 13, 21, 30}) {
      expectRing(drawOn(70, 70, w, [&](Surface& s) { s.circle(35, 34, r); }), 35, 34, r, w);
    }
    // Radii far beyond the surface: only an arc of the ring crosses it.
    struct Far {
      long cx, cy, r;
    };
    for (Far f : {Far{30, 100000000 + 20, 100000000}, Far{-1000000000, 25, 1000000010},
                  Far{2000000000, -2000000000, 2147483647}, Far{40, 40, 2147483647},
                  Far{-60, -60, 100}}) {
      const Surface s = drawOn(64, 48, w, [&](Surface& t) { t.circle(int(f.cx), int(f.cy), int(f.r)); });
      expectRing(s, f.cx, f.cy, f.r, w);
    }
  }
  EXPECT_TRUE(drawOn(9, 9, 1, [](Surface& s) { s.circle(4, 4, -3); }) == Surface(9, 9));
}

// Where the ring runs along a row or a column it is exactly as thick as the
// pen, so width 2 and width 3 look different; an even pen's ring, like its
// lines, takes its extra pixel on the lower and right side.
TEST(SurfaceCircle, RingIsExactlyAsThickAsThePen) {
  for (int w = 1; w <= 20; ++w) {
    SCOPED_TRACE(testing::Message() << "width " << w);
    const Surface s = drawOn(90, 90, w, [](Surface& t) { t.circle(45, 45, 25); });
    auto run = [&](int x0, int y0, int stepX, int stepY) {
      int first = -1, count = 0;
      for (int k = 0; k < 45; ++k) {
        if (s.point(x0 + k * stepX, y0 + k * stepY) != kBlack) continue;
        if (first < 0) first = k;
        ++count;
      }
      return std::pair<int, int>(first, count);
    };
    // Down the centre column from the top, right along the centre row from
    // the left edge, and back from the bottom and right edges.
    const auto top = run(45, 0, 0, 1), left = run(0, 45, 1, 0);
    const auto bottom = run(45, 89, 0, -1), right = run(89, 45, -1, 0);
    EXPECT_EQ(top.second, w);
    EXPECT_EQ(left.second, w);
    EXPECT_EQ(bottom.second, w);
    EXPECT_EQ(right.second, w);
    EXPECT_EQ(top.first, 45 - 25 - (w - 1) / 2);
    EXPECT_EQ(89 - bottom.first, 45 + 25 + w / 2);
  }
}

TEST(SurfaceCircle, ThinCircleIsClosedSoAFillInsideStaysInside) {
  for (int r : {1, 2, 5, 17}) {
    Surface s = drawOn(50, 50, 1, [&](Surface& t) { t.circle(25, 25, r); });
    if (r > 1) {
      ASSERT_TRUE(s.floodFill(25, 25, kBlack, 0x0000FF));
    }
    EXPECT_EQ(s.point(0, 0), kWhite);
    EXPECT_EQ(s.point(25, 25 - r - 1), kWhite);
    EXPECT_EQ(s.point(25 + r + 1, 25), kWhite);
  }
}

TEST(SurfaceCircle, XorCirclesAndArcsDrawnTwiceRestoreEveryPixel) {
  std::mt19937 rng(9);
  Surface base(80, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 80; ++x) base.pset(x, y, rng() & 0xFFFFFF);
  std::uniform_int_distribution<int> centre(-20, 100), radius(0, 70);
  std::uniform_real_distribution<double> angle(-7.0, 14.0);
  for (int w : {1, 2, 5, 6}) {
    for (int i = 0; i < 40; ++i) {
      const int cx = centre(rng), cy = centre(rng), r = radius(rng);
      const double a = angle(rng), b = angle(rng);
      for (bool isArc : {false, true}) {
        auto draw = [&](Surface& s) {
          if (isArc) {
            s.arc(cx, cy, r, a, b);
          } else {
            s.circle(cx, cy, r);
          }
        };
        // Once: flips exactly the pixels a copy pen sets (none twice).
        const Surface copy = drawOn(80, 60, w, draw);
        Surface once(80, 60);
        once.setPenWidth(w);
        once.setPenMode(PenMode::Xor);
        once.setPenColor(0xFFFFFF);
        draw(once);
        for (int y = 0; y < 60; ++y)
          for (int x = 0; x < 80; ++x)
            ASSERT_EQ(once.point(x, y) == kBlack, copy.point(x, y) == kBlack)
                << "pixel " << x << "," << y << (isArc ? " arc" : " circle") << " w " << w;
        // Twice: the background comes back.
        Surface s = base;
        s.setPenWidth(w);
        s.setPenMode(PenMode::Xor);
        s.setPenColor(0x5A5A5A);
        draw(s);
        draw(s);
        ASSERT_TRUE(s == base);
      }
    }
  }
}

TEST(SurfaceCircle, ArcRunsCounterClockwiseOnAYDownSurface) {
  const double pi = 3.1415926535;
  // From east (0) to north (pi/2): the upper right quarter only.
  const Surface q = drawOn(41, 41, 1, [&](Surface& s) { s.arc(20, 20, 10, 0, pi / 2); });
  const Surface full = drawOn(41, 41, 1, [](Surface& s) { s.circle(20, 20, 10); });
  int count = 0;
  for (int y = 0; y < 41; ++y)
    for (int x = 0; x < 41; ++x) {
      const bool upperRight = x >= 20 && y <= 20;
      if (q.point(x, y) == kBlack) {
        ++count;
        EXPECT_TRUE(upperRight) << x << "," << y;
        EXPECT_EQ(full.point(x, y), kBlack);
      } else if (upperRight) {
        EXPECT_EQ(full.point(x, y), kWhite) << x << "," << y;
      }
    }
  EXPECT_GT(count, 10);
  EXPECT_EQ(q.point(30, 20), kBlack);  // east end
  EXPECT_EQ(q.point(20, 10), kBlack);  // north end
  // From north round through west and south to east, past a full turn of the
  // start angle: the other three quarters.
  const Surface rest =
      drawOn(41, 41, 1, [&](Surface& s) { s.arc(20, 20, 10, pi / 2, 2 * pi + 0.0); });
  EXPECT_EQ(rest.point(10, 20), kBlack);
  EXPECT_EQ(rest.point(20, 30), kBlack);
  EXPECT_EQ(rest.point(27, 13), kWhite);
  // Equal angles: the whole circle; non-finite angles: nothing.
  EXPECT_TRUE(drawOn(41, 41, 1, [](Surface& s) { s.arc(20, 20, 10, 1.0, 1.0); }) == full);
  EXPECT_TRUE(drawOn(41, 41, 1, [](Surface& s) { s.arc(20, 20, 10, 0, NAN); }) == Surface(41, 41));
}

TEST(SurfaceCircle, WideArcHasRoundEnds) {
  const double pi = 3.1415926535;
  const Surface s = drawOn(60, 60, 7, [&](Surface& t) { t.arc(30, 30, 20, 0, pi / 2); });
  // Beyond the east end (below the x axis) the cap still covers pixels
  // within 3.5 of (50, 30), but the ring further round does not.
  EXPECT_EQ(s.point(50, 33), kBlack);
  EXPECT_EQ(s.point(48, 36), kWhite);
  EXPECT_EQ(s.point(27, 10), kBlack);  // west of the north end, in its cap
  EXPECT_EQ(s.point(24, 10), kWhite);
}

TEST(SurfaceCircle, HugeArcOnlyDrawsItsVisiblePart) {
  const double pi = 3.1415926535;
  // Radius 1e8 centred far below: the top of the circle is a row near y = 20.
  const int r = 100000000;
  const Surface s = drawOn(64, 40, 1, [&](Surface& t) { t.arc(32, r + 20, r, pi / 2 - 1e-6, pi / 2 + 1e-6); });
  EXPECT_EQ(s.point(32, 20), kBlack);
  EXPECT_EQ(s.point(32, 19), kWhite);
  const Surface other = drawOn(64, 40, 1, [&](Surface& t) { t.arc(32, r + 20, r, pi, 2 * pi); });
  EXPECT_TRUE(other == Surface(64, 40));  // the lower half lies far below
}

}  // namespace
}  // namespace orn
