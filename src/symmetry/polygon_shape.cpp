#include "symmetry/polygon_shape.h"

#include <algorithm>
#include <cmath>

#include "model/geometry.h"

namespace orn {

namespace {

struct FixedShape {
  int n;
  float ratio[5];
  float angle[5];
};

// Three golden triangles, a 30-75-75 triangle, a 60-degree rhombus and three
// pentagons (the faces of the great dodecahedron's stellations and friends).
constexpr FixedShape kFixed[kFixedShapeCount] = {
    {3, {0.618047f, 0.618047f, 1}, {36, 108, 36}},
    {3, {1, 1.618f, 1}, {108, 36, 36}},
    {3, {1.618f, 1, 1}, {36, 36, 108}},
    {3, {1, 1, 0.5176f}, {30, 75, 75}},
    {4, {1, 1, 1, 1}, {120, 60, 120, 60}},
    {5, {1, 1, 1, 1, 1}, {90, 131.332f, 90, 114.334f, 114.334f}},
    {5, {1, 1, 1, 1, 1}, {131.332f, 90, 114.334f, 114.334f, 90}},
    {5, {1, 1, 1, 1, 1}, {90, 114.334f, 114.334f, 90, 131.332f}},
};

// Vertices are kept to three decimals, halves rounding up (also below zero).
float round3(float v) { return static_cast<float>(std::floor(double(v) * 1000.0 + 0.5) / 1000.0); }

}  // namespace

PolyShape::PolyShape() {
  int n = 4;
  SetPolygonShape(*this, n);
}

int PolyShape::count() const {
  const float v = t[0][0];
  if (!std::isfinite(v)) return 0;
  const int n = static_cast<int>(std::nearbyint(v));
  return (n >= kMinPolygonEdges && n <= kMaxPolygonEdges) ? n : 0;
}

bool SetPolygonShape(PolyShape& shape, int& n) {
  if (n >= kMinPolygonEdges && n <= kMaxPolygonEdges) {
    const float a = static_cast<float>(180.0 - 360.0 / n);
    shape.t[0][0] = static_cast<float>(n);
    for (int k = 1; k <= n; ++k) {
      shape.t[k][0] = 1;
      shape.t[k][1] = a;
    }
    return true;
  }
  if (n <= -1 && n >= -kFixedShapeCount) {
    const FixedShape& f = kFixed[-n - 1];
    shape.t[0][0] = static_cast<float>(f.n);
    for (int k = 1; k <= f.n; ++k) {
      shape.t[k][0] = f.ratio[k - 1];
      shape.t[k][1] = f.angle[k - 1];
    }
    n = f.n;
    return true;
  }
  return false;
}

int PolygonRoomNeeded(const PolyShape& shape) { return shape.count() + 1; }

bool BuildPolygonOnEdge(const PolyShape& shape, std::vector<float>& X, std::vector<float>& Y,
                        int base, int i, int& last) {
  const int n = shape.count();
  if (n == 0 || i < 1 || base < 0 || base >= i) return false;
  const std::size_t size = std::min(X.size(), Y.size());
  if (static_cast<std::size_t>(i) + 1 >= size) return false;

  const double dx = double(X[i + 1]) - X[i];
  const double dy = double(Y[i + 1]) - Y[i];
  const float L = static_cast<float>(std::sqrt(dx * dx + dy * dy));
  if (L == 0) {
    last = i + 1;
    Y[i - 1] = static_cast<float>(last - base);
    return true;
  }
  if (static_cast<std::size_t>(i) + 1 + PolygonRoomNeeded(shape) >= size) return false;

  // Each bisector is the vertex and a guide point 3 units along it.
  float guide[2][2] = {};
  for (int k = 1; k <= n; ++k) {
    const int j = i + k - 1;
    float nx = 0, ny = 0;
    RotateAbout(X[j], Y[j], X[j + 1], Y[j + 1], nx, ny, shape.t[k][1], L * shape.t[k][0]);
    X[j + 2] = round3(nx);
    Y[j + 2] = round3(ny);
    if (k <= 2) {
      RotateAbout(X[j], Y[j], X[j + 1], Y[j + 1], guide[k - 1][0], guide[k - 1][1],
                  shape.t[k][1] / 2, 3.0f);
    }
  }
  last = i + n + 1;
  X[last - 1] = X[i];
  Y[last - 1] = Y[i];

  // The centre: where the bisectors at the first edge's far end and at the
  // next vertex meet. Should they not meet (a degenerate table), the mean of
  // the vertices stands in.
  float cx = 0, cy = 0;
  const bool ok = LineIntersect(X[i + 1], Y[i + 1], guide[0][0], guide[0][1], X[i + 2], Y[i + 2],
                                guide[1][0], guide[1][1], cx, cy);
  if (!ok || !std::isfinite(cx) || !std::isfinite(cy)) {
    double sx = 0, sy = 0;
    for (int v = i; v < last - 1; ++v) {
      sx += X[v];
      sy += Y[v];
    }
    cx = static_cast<float>(sx / n);
    cy = static_cast<float>(sy / n);
  }
  X[last] = cx;
  Y[last] = cy;
  Y[i - 1] = static_cast<float>(last - base);
  return true;
}

std::vector<PolyPoint> PolygonOnUnitEdge(const PolyShape& shape) {
  std::vector<float> X(41, 0.0f), Y(41, 0.0f);
  X[2] = 1;
  int last = 2;
  std::vector<PolyPoint> pts;
  if (!BuildPolygonOnEdge(shape, X, Y, 0, 1, last)) last = 2;
  for (int k = 1; k <= last; ++k) pts.push_back({X[k], Y[k]});
  return pts;
}

GeoCaption GeoShCaption(const PolyShape& shape) {
  GeoCaption c;
  const std::string digits = std::to_string(shape.count());
  c.text = " " + digits;
  c.x = -1 - 3 * (static_cast<int>(digits.size()) - 1);
  return c;
}

}  // namespace orn
