// Polygon base shapes: the shape table and the polygons built on a dragged edge.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "symmetry/polygon_shape.h"

namespace orn {
namespace {

TEST(PolygonShape, BadShapeCodesZeroEdgesAndShortArraysChangeNothing) {
  PolyShape s;
  int n = -5;  // the rhombus: four sides, the code turned into the count
  ASSERT_TRUE(SetPolygonShape(s, n));
  EXPECT_EQ(n, 4);
  const PolyShape before = s;
  for (int bad : {-9, -100, 0, 1, 2, 36, 1000}) {  // would divide by zero or overrun the table
    int m = bad;
    EXPECT_FALSE(SetPolygonShape(s, m));
    EXPECT_EQ(m, bad);
    EXPECT_TRUE(s == before);
  }

  std::vector<float> X(60, 5), Y(60, 5);
  X[4] = Y[1] = 0;  // a zero-length edge at (5, 5)
  int last = 0;
  ASSERT_TRUE(BuildPolygonOnEdge(PolyShape(), X, Y, 0, 2, last));
  EXPECT_EQ(last, 3);
  EXPECT_EQ(X[4], 0.0f);  // nothing appended
  EXPECT_FLOAT_EQ(Y[1], 3.0f);

  std::vector<float> sx(6, 0), sy(6, 0);  // too little room after the edge
  sx[3] = 1;
  last = -1;
  EXPECT_FALSE(BuildPolygonOnEdge(PolyShape(), sx, sy, 0, 2, last));
  EXPECT_EQ(last, -1);
  EXPECT_EQ(sy[1], 0.0f);
}

// Polygons on the unit edge (0,0)-(1,0), laid out as a Geometric record:
// header at 0, Begin Data at 1, the edge at 2 and 3, then the other vertices,
// the closing vertex and the centre.
TEST(PolygonShape, PolygonsOnTheUnitEdgeHaveTheHandWorkedVertices) {
  struct V {
    int i;
    double x, y, tol;
  };
  struct Case {
    int code, last;
    std::vector<V> v;
  };
  const Case cases[] = {
      {4, 7, {{4, 1, -1, 1e-6}, {5, 0, -1, 1e-6}, {6, 0, 0, 0}, {7, 0.5, -0.5, 1e-3}}},
      {6, 9, {{4, 1.5, -0.866, 1e-6}, {5, 1, -1.732, 1e-6}, {7, -0.5, -0.866, 1e-6}, {8, 0, 0, 0},
              {9, 0.5, -0.866, 1e-3}}},
      {3, 6, {{4, 0.5, -0.866, 1e-6}, {6, 0.5, -0.2887, 2e-3}}},
      {-1, 6, {{4, 0.5, -0.363, 2e-3}}},
      {-5, 7, {{4, 1.5, -0.866, 1e-6}, {5, 0.5, -0.866, 1e-6}, {7, 0.75, -0.433, 2e-3}}},
      {-4, 6, {{4, 0.134, -0.5, 1e-3}}},  // 30-75-75: the triangle itself
      // The three pentagons: closed on their start, centred where the first
      // two corners' bisectors meet.
      {-6, 8, {{4, 1, -1, 1e-6}, {5, 0.249, -1.66, 1e-3}, {6, -0.411, -0.909, 1e-3}, {7, 0, 0, 0},
               {8, 0.3114, -0.6886, 2e-3}}},
      {-7, 8, {{4, 1.66, -0.751, 1e-3}, {5, 0.909, -1.411, 1e-3}, {6, -0.002, -0.999, 1e-3}, {7, 0, 0, 0},
               {8, 0.6887, -0.6884, 2e-3}}},
      {-8, 8, {{4, 1, -1, 1e-6}, {5, 0.089, -1.412, 1e-3}, {6, -0.662, -0.752, 1e-3}, {7, 0, 0, 0},
               {8, 0.3922, -0.6078, 2e-3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    PolyShape s;
    int n = c.code;
    ASSERT_TRUE(SetPolygonShape(s, n));
    std::vector<float> X(60, 0), Y(60, 0);
    X[3] = 1;
    int last = 0;
    ASSERT_TRUE(BuildPolygonOnEdge(s, X, Y, 0, 2, last));
    EXPECT_EQ(last, c.last);
    EXPECT_FLOAT_EQ(Y[1], float(c.last));  // Begin Data: offset from the header to the centre
    for (const V& v : c.v) {
      EXPECT_NEAR(X[v.i], v.x, v.tol) << v.i;
      EXPECT_NEAR(Y[v.i], v.y, v.tol) << v.i;
    }
    for (int i = 4; i < last - 1; ++i)  // vertices keep three decimals
      EXPECT_NEAR(Y[i] * 1000.0, std::round(Y[i] * 1000.0), 1e-3) << i;
  }
}

}  // namespace
}  // namespace orn
