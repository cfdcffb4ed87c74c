#pragma once
// The cubic through a run of points, one coordinate at a time, with the
// running chord length as parameter. The end rows and the forward pass are
// this program's own (not the textbook not-a-knot spline): stored pictures
// were drawn, and their fills placed, along exactly these curves.
#include <vector>

namespace orn {

// Per point i = 1..n (slot 0 unused): on the interval from point i to i + 1
// the curve is p(u) = p_i + s[i] u + c[i] u^2 / 2 + q[i] u^3 / 6.
struct SplineColumn {
  std::vector<float> s;
  std::vector<float> c;
  std::vector<float> q;
};

// Solves one coordinate. `p` and `t` hold the coordinates and the chord
// parameters of points 1..n (slot 0 unused); n must be at least 4. Every value
// is kept as a 32-bit float; each step is computed in double and then stored.
void SplineSolve(const std::vector<float>& p, const std::vector<float>& t, int n, SplineColumn& out);

// The curve of one coordinate at u along interval j.
float SplineValue(const std::vector<float>& p, const SplineColumn& col, int j, double u);

}  // namespace orn
