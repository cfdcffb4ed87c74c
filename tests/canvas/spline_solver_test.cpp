// The spline solver against values worked out by hand from its equations.
// It is not the textbook spline: the hand values below tell the two apart.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "canvas/spline.h"

namespace orn {
namespace {

void expectColumn(const std::vector<float>& got, const std::vector<double>& want, const char* what) {
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(got[i + 1], want[i], 1e-5 * (1.0 + std::fabs(want[i]))) << what << " " << i + 1;
  }
}

TEST(SplineSolve, FourPointRunMatchesTheHandSolution) {
  // Clicks (0,0), (100,0), (100,100): the extra end point is (100,200), the
  // chord parameters 0, 100, 200, 300.
  const std::vector<float> x{0, 0, 100, 100}, y{0, 0, 0, 100};
  const SplineCurve c = SolveSplineCurve(x, y, 3);
  ASSERT_EQ(c.n, 4);
  EXPECT_EQ(c.x[4], 100.0f);
  EXPECT_EQ(c.y[4], 200.0f);
  expectColumn(c.t, {0, 100, 200, 300}, "t");

  // x: d = 1, 0, 0; e1 = 100, combined h1 = 200, s1 = 250 before the sweep.
  expectColumn(c.cx.s, {1.5, 0.5, 0, 0}, "x slope");
  expectColumn(c.cx.c, {-0.01, -0.02, 0}, "x second");
  expectColumn(c.cx.q, {0, 0.0003, 0}, "x third");
  // y: s = -25/74, 31/74, 18/37, 147/37.
  expectColumn(c.cy.s, {-25.0 / 74, 31.0 / 74, 18.0 / 37, 147.0 / 37}, "y slope");
}

TEST(SplineSolve, SixPointRunMatchesTheHandSolution) {
  // A zigzag 0,1,0,1,0,1 at unit spacing; every value is a multiple of 1/661.
  const std::vector<float> p{0, 0, 1, 0, 1, 0, 1};
  const std::vector<float> t{0, 0, 1, 2, 3, 4, 5};
  SplineColumn col;
  SplineSolve(p, t, 6, col);
  expectColumn(col.s, {1318.0 / 661, 2.0 / 661, -12.0 / 661, 50.0 / 661, -212.0 / 661, 898.0 / 661},
               "slope");
  expectColumn(col.c, {-1310.0 / 661, -3950.0 / 661, 3914.0 / 661, -3742.0 / 661, 3018.0 / 661},
               "second");
  expectColumn(col.q, {-12.0 / 661, 7872.0 / 661, -7704.0 / 661, 6960.0 / 661, -3816.0 / 661}, "third");
  // Every interval ends on its point whatever the slopes.
  for (int j = 1; j <= 5; ++j) EXPECT_NEAR(SplineValue(p, col, j, 1.0), p[j + 1], 1e-5) << j;
}

TEST(SplineSolve, EquallySpacedPointsOnALineDoNotGiveALinearParameter) {
  // The textbook spline gives slope 0.6 everywhere here; this one does not,
  // and stored pictures were drawn along this one.
  const std::vector<float> x{0, 0, 30, 60, 90}, y{0, 0, 40, 0, 40};
  const SplineCurve c = SolveSplineCurve(x, y, 4);
  expectColumn(c.t, {0, 50, 100, 150, 200}, "t");
  EXPECT_NEAR(c.cx.s[1], 0.86492, 1e-4);
  EXPECT_NEAR(c.cx.s[2], 0.46754, 1e-4);
  EXPECT_NEAR(c.cy.s[1], 1.56923, 1e-4);
}

TEST(SplineSolve, ARepeatedPointGetsAShortIntervalInsteadOfADivisionByZero) {
  const std::vector<float> x{0, 0, 50, 50, 100}, y{0, 0, 30, 30, 0};
  const SplineCurve c = SolveSplineCurve(x, y, 4);
  for (int i = 1; i <= c.n; ++i) {
    EXPECT_TRUE(std::isfinite(c.cx.s[i]) && std::isfinite(c.cy.s[i])) << i;
  }
  EXPECT_NEAR(SplineValue(c.x, c.cx, 3, c.t[4] - c.t[3]), 100.0f, 1e-3);
}

}  // namespace
}  // namespace orn
