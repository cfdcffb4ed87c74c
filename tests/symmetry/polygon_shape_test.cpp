// Polygon base shapes: the shape table and the polygons built on a dragged edge.
#include <gtest/gtest.h>

#include <cmath>

#include "symmetry/polygon_shape.h"

namespace orn {
namespace {

// The polygon on the edge (x0, y0)-(x1, y1), laid out as a Geometric record:
// header at 0, Begin Data at 1, the edge at 2 and 3.
struct Built {
  std::vector<float> X = std::vector<float>(60, 0.0f);
  std::vector<float> Y = std::vector<float>(60, 0.0f);
  int last = 0;
  bool ok = false;
};

Built BuildOn(const PolyShape& s, float x0, float y0, float x1, float y1) {
  Built b;
  b.X[2] = x0;
  b.Y[2] = y0;
  b.X[3] = x1;
  b.Y[3] = y1;
  b.ok = BuildPolygonOnEdge(s, b.X, b.Y, 0, 2, b.last);
  return b;
}

void ExpectPoint(const Built& b, int i, double x, double y, double tol = 1e-6) {
  EXPECT_NEAR(b.X[i], x, tol) << "point " << i;
  EXPECT_NEAR(b.Y[i], y, tol) << "point " << i;
}

TEST(PolygonShape, RegularAndFixedTables) {
  PolyShape s;
  EXPECT_EQ(s.count(), 4);
  EXPECT_FLOAT_EQ(s.t[4][1], 90.0f);

  int n = 6;
  ASSERT_TRUE(SetPolygonShape(s, n));
  for (int k = 1; k <= 6; ++k) {
    EXPECT_FLOAT_EQ(s.t[k][0], 1.0f);
    EXPECT_FLOAT_EQ(s.t[k][1], 120.0f);
  }
  n = 3;
  SetPolygonShape(s, n);
  EXPECT_FLOAT_EQ(s.t[3][1], 60.0f);

  n = -5;
  ASSERT_TRUE(SetPolygonShape(s, n));
  EXPECT_EQ(n, 4);
  EXPECT_EQ(s.count(), 4);
  EXPECT_FLOAT_EQ(s.t[1][1], 120.0f);
  EXPECT_FLOAT_EQ(s.t[2][1], 60.0f);
  n = -4;
  SetPolygonShape(s, n);
  EXPECT_EQ(n, 3);
  EXPECT_FLOAT_EQ(s.t[3][0], 0.5176f);

  // Values that would divide by zero or overrun the table change nothing.
  const PolyShape before = s;
  for (int bad : {-9, -100, 0, 1, 2, 36, 1000}) {
    int m = bad;
    EXPECT_FALSE(SetPolygonShape(s, m));
    EXPECT_EQ(m, bad);
    EXPECT_TRUE(s == before);
  }
}

TEST(PolygonShape, SquareOnUnitEdge) {
  const Built b = BuildOn(PolyShape(), 0, 0, 1, 0);
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(b.last, 2 + 4 + 1);
  ExpectPoint(b, 4, 1, -1);
  ExpectPoint(b, 5, 0, -1);
  ExpectPoint(b, 6, 0, 0);
  ExpectPoint(b, 7, 0.5, -0.5, 1e-3);
  EXPECT_FLOAT_EQ(b.Y[1], 7.0f);  // Begin Data: offset from the header to the centre
}

TEST(PolygonShape, HexagonClosesExactlyAndKeepsThreeDecimals) {
  PolyShape s;
  int n = 6;
  SetPolygonShape(s, n);
  const Built b = BuildOn(s, 0, 0, 1, 0);
  ASSERT_TRUE(b.ok);
  ExpectPoint(b, 4, 1.5, -0.866);
  ExpectPoint(b, 5, 1, -1.732);
  ExpectPoint(b, 6, 0, -1.732);
  ExpectPoint(b, 7, -0.5, -0.866);
  EXPECT_EQ(b.X[8], 0.0f);  // the closing vertex is the first point, exactly
  EXPECT_EQ(b.Y[8], 0.0f);
  ExpectPoint(b, 9, 0.5, -0.866, 1e-3);
  for (int i = 4; i <= 7; ++i) {
    const double scaled = b.Y[i] * 1000.0;
    EXPECT_NEAR(scaled, std::round(scaled), 1e-3) << "more than three decimals at " << i;
  }
}

TEST(PolygonShape, TriangleAndFixedShapesOnUnitEdge) {
  PolyShape s;
  int n = 3;
  SetPolygonShape(s, n);
  Built b = BuildOn(s, 0, 0, 1, 0);
  ExpectPoint(b, 4, 0.5, -0.866);
  ExpectPoint(b, 6, 0.5, -0.2887, 2e-3);  // the centre of an equilateral triangle

  n = -1;
  SetPolygonShape(s, n);
  b = BuildOn(s, 0, 0, 1, 0);
  ExpectPoint(b, 4, 0.5, -0.363, 2e-3);

  n = -5;  // the 60-degree rhombus
  SetPolygonShape(s, n);
  b = BuildOn(s, 0, 0, 1, 0);
  EXPECT_EQ(b.last, 2 + 4 + 1);
  ExpectPoint(b, 4, 1.5, -0.866);
  ExpectPoint(b, 5, 0.5, -0.866);
  ExpectPoint(b, 7, 0.75, -0.433, 2e-3);

  n = -4;  // 30-75-75: the triangle itself, whatever its closing row says
  SetPolygonShape(s, n);
  b = BuildOn(s, 0, 0, 1, 0);
  ExpectPoint(b, 4, 0.134, -0.5, 1e-3);
  const double side = std::hypot(b.X[4] - 0.0, b.Y[4] - 0.0);
  EXPECT_NEAR(side, 0.5176, 2e-3);

  for (int code : {-6, -7, -8}) {  // pentagons close near their start
    n = code;
    SetPolygonShape(s, n);
    std::vector<float> X(60, 0), Y(60, 0);
    X[3] = 1;
    int last = 0;
    ASSERT_TRUE(BuildPolygonOnEdge(s, X, Y, 0, 2, last));
    EXPECT_EQ(last, 2 + 5 + 1);
  }
}

TEST(PolygonShape, ZeroEdgeAndShortArrays) {
  const Built b = BuildOn(PolyShape(), 5, 5, 5, 5);
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(b.last, 3);
  EXPECT_FLOAT_EQ(b.Y[1], 3.0f);
  EXPECT_EQ(b.X[4], 0.0f);  // nothing appended

  // Too little room after the edge: nothing is written past the arrays.
  std::vector<float> X(6, 0), Y(6, 0);
  X[3] = 1;
  int last = -1;
  EXPECT_FALSE(BuildPolygonOnEdge(PolyShape(), X, Y, 0, 2, last));
  EXPECT_EQ(last, -1);
  EXPECT_EQ(Y[1], 0.0f);
}

TEST(PolygonShape, ButtonCaptionCentresOneAndTwoDigits) {
  PolyShape s;
  GeoCaption c = GeoShCaption(s);
  EXPECT_EQ(c.text, " 4");
  EXPECT_EQ(c.x, -1);
  int n = 12;
  SetPolygonShape(s, n);
  c = GeoShCaption(s);
  EXPECT_EQ(c.text, " 12");
  EXPECT_EQ(c.x, -4);
}

}  // namespace
}  // namespace orn
