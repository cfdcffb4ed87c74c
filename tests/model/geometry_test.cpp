#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>

#include "model/file_util.h"
#include "model/geometry.h"
#include "support/scratch_folder.h"

namespace orn {
namespace {

constexpr double kEps = 1e-9;
const float kNan = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

TEST(Geometry, AnglesCoverEveryQuadrantTheAxesAndNearlyVerticalRays) {
  struct Case { double dx, dy, angle; };
  const Case cases[] = {
      {1, 0, 0}, {1, 1, kPi / 4}, {0, 1, kPi / 2}, {-1, 1, 3 * kPi / 4}, {-1, 0, kPi}, {-1, -1, 5 * kPi / 4},
      {0, -1, 3 * kPi / 2}, {1, -1, 7 * kPi / 4},
      {0.0000005, -0.0000005, 0},  // too short in both directions
      {0.0000001, 1, kPi / 2}, {0.0000001, -3, 3 * kPi / 2},  // a hair off vertical counts as vertical
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.dx << ", " << c.dy);
    const double a = AngleOf(c.dx, c.dy);
    EXPECT_NEAR(a, c.angle, kEps);
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, kTwoPi);
  }
  EXPECT_NEAR(SweepAngle(0, 0, 1, 0, 0, 1), kPi / 2, kEps);
  EXPECT_NEAR(SweepAngle(0, 0, 0, 1, 1, 0), 3 * kPi / 2, kEps);
  EXPECT_EQ(SweepAngle(5, 5, 7, 5, 9, 5), 0.0);
  EXPECT_NEAR(SweepAngle(10, 10, 10, 0, 0, 10), 3 * kPi / 2, kEps);

  float nx = 0, ny = 0;  // RotateAbout sets the radius and turns clockwise on screen
  RotateAbout(4, 1, 4, 4, nx, ny, 90, 2);
  EXPECT_NEAR(nx, 6, 1e-5);
  EXPECT_NEAR(ny, 4, 1e-5);
  RotateAbout(7, 7, 4, 4, nx, ny, -45, 1);
  EXPECT_NEAR(nx, 5, 1e-5);
  EXPECT_NEAR(ny, 4, 1e-5);
}

TEST(Geometry, LineIntersectOnUnboundedLinesAndParallels) {
  float x = -1, y = -1;
  ASSERT_TRUE(LineIntersect(0, 0, 1, 1, 3, 0, 3, 1, x, y));  // outside both segments
  EXPECT_FLOAT_EQ(x, 3);
  EXPECT_FLOAT_EQ(y, 3);
  // Nearly parallel (den = -0.0009) or not a number: no crossing, outputs kept.
  x = 42, y = 43;
  EXPECT_FALSE(LineIntersect(0, 0, 1, 0, 0, 1, 1, 1.0009f, x, y));
  EXPECT_FALSE(LineIntersect(0, 0, 1, 0, 0, 1, kNan, 2, x, y));
  EXPECT_EQ(x, 42);
  EXPECT_EQ(y, 43);
  EXPECT_TRUE(LineIntersect(0, 0, 1, 0, 0, 1, 1, 1.0011f, x, y));
}

TEST(Geometry, ClipLineKeepsMovesOrRejectsSegmentsAndNeverReportsANonFiniteEnd) {
  ClipRect r;
  r.ClipXMax = 100;
  r.ClipYMax = 50;
  struct Case {
    const char* what;
    ClipPoint a, b;
    bool visible, clipped, ordered;
    ClipPoint wantA, wantB;
  };
  const Case cases[] = {
      {"inside", {10, 10}, {20, 20}, true, false, true, {10, 10}, {20, 20}},
      {"left of the box", {-10, 10}, {-5, 40}, false, true, true, {}, {}},
      {"outside the corner", {-10, 5}, {5, -10}, false, true, true, {}, {}},
      {"inside end first: ends trade places", {50, 25}, {150, 25}, true, true, true, {100, 25}, {50, 25}},
      {"across two corners", {-50, -50}, {150, 150}, true, true, false, {50, 50}, {0, 0}},
      {"vertical", {30, -20}, {30, 200}, true, true, false, {30, 50}, {30, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClipPoint a = c.a, b = c.b;
    const ClipResult res = ClipLine(r, a, b);
    EXPECT_EQ(res.visible, c.visible);
    EXPECT_EQ(res.clipped, c.clipped);
    if (!c.visible) continue;
    const bool same = a.x == c.wantA.x && a.y == c.wantA.y && b.x == c.wantB.x && b.y == c.wantB.y;
    const bool swapped = a.x == c.wantB.x && a.y == c.wantB.y && b.x == c.wantA.x && b.y == c.wantA.y;
    EXPECT_TRUE(same || (swapped && !c.ordered)) << a.x << "," << a.y << " " << b.x << "," << b.y;
  }

  // Near-vertical with a huge slope, and ends whose difference overflows a float.
  ClipPoint a{30, -1e6f}, b{30.0001f, 1e6f};
  ASSERT_TRUE(ClipLine(r, a, b).visible);
  for (const ClipPoint& p : {a, b}) {
    EXPECT_NEAR(p.x, 30, 0.001);
    EXPECT_TRUE(p.y == 0 || p.y == 50);
  }
  a = {-3e38f, -3e38f};
  b = {3e38f, 3e38f};
  ASSERT_TRUE(ClipLine(r, a, b).visible);
  EXPECT_NEAR(std::min(a.x, b.x), 0, 1e-3);
  EXPECT_NEAR(std::max(a.x, b.x), 50, 1e-3);
  EXPECT_NEAR(std::max(a.y, b.y), 50, 1e-3);

  for (const ClipPoint& bad : {ClipPoint{kNan, 10}, ClipPoint{10, kNan}, ClipPoint{kInf, 10}, ClipPoint{10, -kInf}}) {
    a = {10, 10};
    b = bad;
    EXPECT_FALSE(ClipLine(r, a, b).visible);
  }
  ClipRect broken = r;
  broken.ClipXMax = kNan;
  a = {10, 10};
  b = {20, 20};
  EXPECT_FALSE(ClipLine(broken, a, b).visible);
}

TEST(Geometry, ClipLineSettlesForSegmentsGrazingACorner) {
  ClipRect r;
  r.ClipXMin = 0.1f;
  r.ClipXMax = 99.7f;
  r.ClipYMin = 0.3f;
  r.ClipYMax = 49.9f;
  for (int k = 0; k < 2000; ++k) {
    const float t = float(k) * 0.00037f;
    ClipPoint a{-1000.0f + t, 0.3f - (1000.1f - t) * 0.5f};
    ClipPoint b{99.7f + 1000.0f * t, 49.9f + 1000.0f * (1 + t)};
    if (!ClipLine(r, a, b).visible) continue;
    for (const ClipPoint& p : {a, b}) {
      ASSERT_TRUE(p.x >= r.ClipXMin - 1e-3f && p.x <= r.ClipXMax + 1e-3f) << k;
      ASSERT_TRUE(p.y >= r.ClipYMin - 1e-3f && p.y <= r.ClipYMax + 1e-3f) << k;
    }
  }
}

TEST(FileExists, OnlyANonEmptyFileExistsNeverAFolder) {
  test::ScratchFolder folder;
  const std::string dir = folder.dir().string();
  std::ofstream(folder.path("EMPTY.PNT")).close();
  std::ofstream(folder.path("ONE.PNT")) << 'x';
  EXPECT_TRUE(FileExists(folder.path("ONE.PNT").string()));
  EXPECT_TRUE(FileExists(folder.path("ONE.PNT").string() + "\\"));  // a trailing separator is dropped
  for (const std::string& p : {folder.path("MISSING.PNT").string(), folder.path("EMPTY.PNT").string(), dir,
                               dir + "/", dir + "\\", std::string()})
    EXPECT_FALSE(FileExists(p)) << p;
}

}  // namespace
}  // namespace orn
