#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

#include "model/file_util.h"
#include "model/geometry.h"

namespace orn {
namespace {

constexpr double kEps = 1e-9;

TEST(Geometry, AngleOfCoversEveryQuadrantAndTheAxes) {
  struct Case {
    double dx, dy, angle;
  };
  const Case cases[] = {
      {1, 0, 0},           {1, 1, kPi / 4},         {0, 1, kPi / 2},    {-1, 1, 3 * kPi / 4},
      {-1, 0, kPi},        {-1, -1, 5 * kPi / 4},   {0, -1, 3 * kPi / 2}, {1, -1, 7 * kPi / 4},
      {0.0000005, -0.0000005, 0},  // too short in both directions
      {0.0000001, 1, kPi / 2},     // a hair off vertical counts as vertical
      {0.0000001, -3, 3 * kPi / 2},
  };
  for (const auto& c : cases) {
    const double a = AngleOf(c.dx, c.dy);
    EXPECT_NEAR(a, c.angle, kEps) << c.dx << ", " << c.dy;
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, kTwoPi);
  }
}

TEST(Geometry, SweepAngleTurnsFromTheFirstRayToTheSecond) {
  EXPECT_NEAR(SweepAngle(0, 0, 1, 0, 0, 1), kPi / 2, kEps);
  EXPECT_NEAR(SweepAngle(0, 0, 0, 1, 1, 0), 3 * kPi / 2, kEps);
  EXPECT_EQ(SweepAngle(5, 5, 7, 5, 9, 5), 0.0);
  // About another centre, from straight up on screen round through east and
  // south to straight left.
  EXPECT_NEAR(SweepAngle(10, 10, 10, 0, 0, 10), 3 * kPi / 2, kEps);
}

TEST(Geometry, DegreesAndRadiansUseThePicturesPi) {
  EXPECT_FLOAT_EQ(RadToDeg(float(kPi)), 180.0f);
  EXPECT_FLOAT_EQ(DegToRad(90.0f), float(kPi / 2));
  EXPECT_FLOAT_EQ(RadToDeg(DegToRad(37.5f)), 37.5f);
}

TEST(Geometry, LineIntersectOnUnboundedLinesAndParallels) {
  float x = -1, y = -1;
  ASSERT_TRUE(LineIntersect(0, 0, 2, 2, 0, 2, 2, 0, x, y));
  EXPECT_FLOAT_EQ(x, 1);
  EXPECT_FLOAT_EQ(y, 1);

  // The crossing lies outside both segments (t = -2 on the first line).
  ASSERT_TRUE(LineIntersect(0, 0, 1, 1, 3, 0, 3, 1, x, y));
  EXPECT_FLOAT_EQ(x, 3);
  EXPECT_FLOAT_EQ(y, 3);

  // den = -0.0009: parallel, and the outputs keep their values.
  x = 42;
  y = 43;
  EXPECT_FALSE(LineIntersect(0, 0, 1, 0, 0, 1, 1, 1.0009f, x, y));
  EXPECT_EQ(x, 42);
  EXPECT_EQ(y, 43);
  EXPECT_TRUE(LineIntersect(0, 0, 1, 0, 0, 1, 1, 1.0011f, x, y));

  // Not a number is no crossing either.
  x = 42;
  EXPECT_FALSE(LineIntersect(0, 0, 1, 0, 0, 1, std::numeric_limits<float>::quiet_NaN(), 2, x, y));
  EXPECT_EQ(x, 42);
}

TEST(Geometry, RotateAboutSetsTheRadiusAndTurnsClockwiseOnScreen) {
  float nx = 0, ny = 0;
  RotateAbout(10, 0, 0, 0, nx, ny, 90, 5);
  EXPECT_NEAR(nx, 0, 1e-5);
  EXPECT_NEAR(ny, 5, 1e-5);

  // From straight up on screen (3 pi / 2) a quarter turn on reaches east.
  RotateAbout(4, 1, 4, 4, nx, ny, 90, 2);
  EXPECT_NEAR(nx, 6, 1e-5);
  EXPECT_NEAR(ny, 4, 1e-5);

  RotateAbout(7, 7, 4, 4, nx, ny, -45, 1);
  EXPECT_NEAR(nx, 5, 1e-5);
  EXPECT_NEAR(ny, 4, 1e-5);
}

ClipRect rect100x50() {
  ClipRect r;
  r.ClipXMin = 0;
  r.ClipXMax = 100;
  r.ClipYMin = 0;
  r.ClipYMax = 50;
  return r;
}

TEST(Geometry, ClipLineKeepsInsideSegmentsAndRejectsOnesOutside) {
  const ClipRect r = rect100x50();
  ClipPoint a{10, 10}, b{20, 20};
  ClipResult res = ClipLine(r, a, b);
  EXPECT_TRUE(res.visible);
  EXPECT_FALSE(res.clipped);
  EXPECT_EQ(a.x, 10);
  EXPECT_EQ(b.y, 20);

  a = {-10, 10};
  b = {-5, 40};
  res = ClipLine(r, a, b);
  EXPECT_FALSE(res.visible);
  EXPECT_TRUE(res.clipped);

  // Passing outside the corner (x + y = -5) is rejected after one clip.
  a = {-10, 5};
  b = {5, -10};
  res = ClipLine(r, a, b);
  EXPECT_FALSE(res.visible);
}

TEST(Geometry, ClipLineMovesAnOutsideEndOntoTheEdge) {
  const ClipRect r = rect100x50();
  // The inside end comes first: the ends trade places and the outer one moves.
  ClipPoint a{50, 25}, b{150, 25};
  ClipResult res = ClipLine(r, a, b);
  EXPECT_TRUE(res.visible);
  EXPECT_TRUE(res.clipped);
  EXPECT_EQ(a.x, 100);
  EXPECT_EQ(a.y, 25);
  EXPECT_EQ(b.x, 50);

  // Across two corners of a square.
  ClipRect sq;
  sq.ClipXMax = 100;
  sq.ClipYMax = 100;
  a = {-50, -50};
  b = {150, 150};
  res = ClipLine(sq, a, b);
  EXPECT_TRUE(res.visible);
  EXPECT_FLOAT_EQ(a.x, 100);
  EXPECT_FLOAT_EQ(a.y, 100);
  EXPECT_FLOAT_EQ(b.x, 0);
  EXPECT_FLOAT_EQ(b.y, 0);

  // Vertical.
  a = {30, -20};
  b = {30, 200};
  res = ClipLine(r, a, b);
  EXPECT_TRUE(res.visible);
  EXPECT_EQ(std::min(a.y, b.y), 0);
  EXPECT_EQ(std::max(a.y, b.y), 50);
}

TEST(Geometry, ClipLineEndsAndReportsOnlyFiniteVisibleEnds) {
  const ClipRect r = rect100x50();
  // Near-vertical with a huge slope.
  ClipPoint a{30, -1e6f}, b{30.0001f, 1e6f};
  ClipResult res = ClipLine(r, a, b);
  ASSERT_TRUE(res.visible);
  for (const ClipPoint& p : {a, b}) {
    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    EXPECT_NEAR(p.x, 30, 0.001);
    EXPECT_TRUE(p.y == 0 || p.y == 50);
  }

  // Ends far out at the float range: a difference that overflows a float.
  const float big = 3e38f;
  a = {-big, -big};
  b = {big, big};
  res = ClipLine(r, a, b);
  ASSERT_TRUE(res.visible);
  EXPECT_NEAR(std::min(a.x, b.x), 0, 1e-3);
  EXPECT_NEAR(std::max(a.x, b.x), 50, 1e-3);
  EXPECT_NEAR(std::max(a.y, b.y), 50, 1e-3);

  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (const ClipPoint& bad : {ClipPoint{nan, 10}, ClipPoint{10, nan}, ClipPoint{inf, 10}, ClipPoint{10, -inf}}) {
    a = {10, 10};
    b = bad;
    res = ClipLine(r, a, b);
    EXPECT_FALSE(res.visible);
  }
  ClipRect broken = r;
  broken.ClipXMax = nan;
  a = {10, 10};
  b = {20, 20};
  EXPECT_FALSE(ClipLine(broken, a, b).visible);
}

TEST(Geometry, ClipLineSettlesForSegmentsGrazingACorner) {
  // Many segments that pass within rounding distance of a corner: each call
  // must end, and a visible result must lie on or in the rectangle.
  ClipRect r;
  r.ClipXMin = 0.1f;
  r.ClipXMax = 99.7f;
  r.ClipYMin = 0.3f;
  r.ClipYMax = 49.9f;
  for (int k = 0; k < 2000; ++k) {
    const float t = float(k) * 0.00037f;
    ClipPoint a{-1000.0f + t, 0.3f - (1000.1f - t) * 0.5f};
    ClipPoint b{99.7f + 1000.0f * t, 49.9f + 1000.0f * (1 + t)};
    const ClipResult res = ClipLine(r, a, b);
    if (res.visible) {
      for (const ClipPoint& p : {a, b}) {
        ASSERT_GE(p.x, r.ClipXMin - 1e-3f);
        ASSERT_LE(p.x, r.ClipXMax + 1e-3f);
        ASSERT_GE(p.y, r.ClipYMin - 1e-3f);
        ASSERT_LE(p.y, r.ClipYMax + 1e-3f);
      }
    }
  }
}

class FileExistsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("orn_file_exists_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(FileExistsTest, OnlyANonEmptyFileExists) {
  const auto empty = dir_ / "EMPTY.PNT";
  const auto one = dir_ / "ONE.PNT";
  std::ofstream(empty).close();
  std::ofstream(one) << 'x';

  EXPECT_FALSE(FileExists((dir_ / "MISSING.PNT").string()));
  EXPECT_FALSE(FileExists(empty.string()));
  EXPECT_TRUE(FileExists(one.string()));
  EXPECT_TRUE(FileExists(one.string() + "\\"));  // a trailing separator is dropped
  EXPECT_FALSE(FileExists(dir_.string()));
  EXPECT_FALSE(FileExists(dir_.string() + "/"));
  EXPECT_FALSE(FileExists(dir_.string() + "\\"));
  EXPECT_FALSE(FileExists(""));
}

}  // namespace
}  // namespace orn
