#include "canvas/spline_solve.h"

#include <cmath>

namespace orn {

namespace {
inline float f(double v) { return static_cast<float>(v); }
}  // namespace

void SplineSolve(const std::vector<float>& p, const std::vector<float>& t, int n, SplineColumn& out) {
  // The work columns are reused as the solve goes: `h` holds the interval
  // lengths and later the c coefficients, `de` the divided differences, then
  // the diagonal, then the q coefficients. The end rows read the values in
  // whichever state the reuse leaves them, so the reuse is kept.
  std::vector<float>& s = out.s;
  std::vector<float>& h = out.c;
  std::vector<float>& de = out.q;
  s.assign(n + 2, 0.0f);
  h.assign(n + 2, 0.0f);
  de.assign(n + 2, 0.0f);

  for (int i = 2; i <= n; ++i) {
    h[i] = f(double(t[i]) - t[i - 1]);
    if (std::fabs(h[i]) < 0.001f) h[i] = 0.001f;  // a repeated point
    de[i] = f((double(p[i]) - p[i - 1]) / h[i]);
  }

  // Left end row.
  de[1] = h[3];
  h[1] = f(double(h[2]) + h[3]);
  s[1] = f(((double(h[2]) + 2.0 * h[1]) * de[2] * h[3] + double(h[2]) * h[2] * de[3]) / h[1]);

  // Forward pass: the factor is taken positive and nothing is carried over
  // from the row before (s[i + 1] is still 0 here).
  for (int i = 2; i <= n - 1; ++i) {
    const float g = f(double(h[i + 1]) / de[i - 1]);
    s[i] = f(double(g) * s[i + 1] + 3.0 * (double(h[i]) * de[i + 1] + double(h[i + 1]) * de[i]));
    de[i] = f(double(g) * h[i - 1] + 2.0 * (double(h[i]) + h[i + 1]));
  }

  // Right end row; the divided difference n - 1 has been overwritten by now,
  // so it is formed afresh from the points.
  {
    const float G = f(double(h[n - 1]) + h[n]);
    s[n] = f(((double(h[n]) + 2.0 * G) * de[n] * h[n - 1] +
              double(h[n]) * h[n] * (double(p[n - 1]) - p[n - 2]) / h[n - 1]) /
             G);
    const float g = f(double(G) / de[n - 1]);
    de[n] = f(double(g) * h[n - 1] + h[n - 1]);
    s[n] = f((double(g) * s[n - 1] + s[n]) / de[n]);
  }

  // Back substitution.
  for (int j = n - 1; j >= 1; --j) {
    s[j] = f((double(s[j]) - double(h[j]) * s[j + 1]) / de[j]);
  }

  // Coefficients of each interval, written over the columns as they go.
  for (int i = 2; i <= n; ++i) {
    const float d1 = f((double(p[i]) - p[i - 1]) / h[i]);
    const float d3 = f(double(s[i - 1]) + s[i] - 2.0 * d1);
    h[i - 1] = f(2.0 * (double(d1) - s[i - 1] - d3) / h[i]);
    de[i - 1] = f((double(d3) / h[i]) * (6.0 / h[i]));
  }
}

float SplineValue(const std::vector<float>& p, const SplineColumn& col, int j, double u) {
  return f(p[j] + col.s[j] * u + col.c[j] * u * u / 2.0 + col.q[j] * u * u * u / 6.0);
}

}  // namespace orn
