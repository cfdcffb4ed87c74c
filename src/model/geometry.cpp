#include "model/geometry.h"

#include <cmath>
#include <utility>

namespace orn {

double AngleOf(double dx, double dy) {
  double a;
  if (std::fabs(dx) > 0.000001) {
    a = std::atan(dy / dx);
    if (dx < 0) a += kPi;
  } else {
    a = kPi / 2;
    if (dy < 0) a += kPi;
    if (std::fabs(dy) < 0.000001) a = 0;
  }
  if (!std::isfinite(a)) return 0;
  while (a < 0) a += kTwoPi;
  while (a >= kTwoPi) a -= kTwoPi;
  return a;
}

double SweepAngle(double x0, double y0, double x1, double y1, double x2, double y2) {
  const double a1 = AngleOf(x1 - x0, y1 - y0);
  double a2 = AngleOf(x2 - x0, y2 - y0);
  if (a2 < a1) a2 += kTwoPi;
  return a2 - a1;
}

float RadToDeg(float r) { return static_cast<float>(r * 180.0 / kPi); }
float DegToRad(float d) { return static_cast<float>(d * kPi / 180.0); }

bool LineIntersect(float a, float b, float c, float d, float e, float f, float g, float h,
                   float& xi, float& yi) {
  const double den = (double(h) - f) * (double(a) - c) - (double(g) - e) * (double(b) - d);
  if (!(std::fabs(den) >= 0.001)) return false;  // parallel, or not a number
  const double t = ((double(g) - c) * (double(h) - f) - (double(h) - d) * (double(g) - e)) / den;
  xi = static_cast<float>(a * t + c * (1 - t));
  yi = static_cast<float>(b * t + d * (1 - t));
  return true;
}

void RotateAbout(float x, float y, float cx, float cy, float& nx, float& ny, float dAngle,
                 float radius) {
  const float a = static_cast<float>(AngleOf(double(x) - cx, double(y) - cy));
  const float deg = RadToDeg(a) + dAngle;
  const float theta = DegToRad(deg);
  nx = static_cast<float>(cx + radius * std::cos(double(theta)));
  ny = static_cast<float>(cy + radius * std::sin(double(theta)));
}

OutCodeFlags OutCode(const ClipRect& rect, const ClipPoint& p) {
  return {p.x < rect.ClipXMin, p.x > rect.ClipXMax, p.y > rect.ClipYMax, p.y < rect.ClipYMin};
}

namespace {

bool allFalse(const OutCodeFlags& c) { return !c[0] && !c[1] && !c[2] && !c[3]; }

bool finite(const ClipPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

ClipResult ClipLine(const ClipRect& rect, ClipPoint& p0, ClipPoint& p1) {
  ClipResult res;
  // Out-codes of a point that is not a number are all false; such a segment
  // must never count as inside.
  if (!finite(p0) || !finite(p1) || !std::isfinite(rect.ClipXMin) || !std::isfinite(rect.ClipXMax) ||
      !std::isfinite(rect.ClipYMin) || !std::isfinite(rect.ClipYMax)) {
    res.clipped = true;
    return res;
  }
  // Each round moves one end onto an edge; rounding near a corner can make the
  // ends trade flags back and forth, so the rounds are counted.
  constexpr int kMaxRounds = 16;
  for (int round = 0; round < kMaxRounds; ++round) {
    OutCodeFlags c0 = OutCode(rect, p0);
    OutCodeFlags c1 = OutCode(rect, p1);
    if (allFalse(c0) && allFalse(c1)) {
      res.visible = true;
      return res;
    }
    res.clipped = true;
    for (int k = 0; k < 4; ++k) {
      if (c0[k] && c1[k]) return res;  // wholly on the outer side of one edge
    }
    if (allFalse(c0)) {
      std::swap(p0, p1);
      std::swap(c0, c1);
    }
    if (p1.x == p0.x) {
      if (c0[3]) {
        p0.y = rect.ClipYMin;
      } else if (c0[2]) {
        p0.y = rect.ClipYMax;
      }
      continue;
    }
    // The crossing with the edge, worked out from whichever end lies nearer
    // that edge: the same line, but a far-away end would swamp the result.
    const double m = (double(p1.y) - p0.y) / (double(p1.x) - p0.x);
    auto nearer = [&](double e0, double e1, double edge) {
      return std::fabs(edge - e1) < std::fabs(edge - e0) ? p1 : p0;
    };
    double nx = p0.x;
    double ny = p0.y;
    if (c0[0] || c0[1]) {
      nx = c0[0] ? rect.ClipXMin : rect.ClipXMax;
      const ClipPoint b = nearer(p0.x, p1.x, nx);
      ny = b.y + (nx - b.x) * m;
    } else {
      ny = c0[2] ? rect.ClipYMax : rect.ClipYMin;
      const ClipPoint b = nearer(p0.y, p1.y, ny);
      nx = b.x + (ny - b.y) / m;
    }
    p0.x = static_cast<float>(nx);
    p0.y = static_cast<float>(ny);
    if (!finite(p0)) return res;
  }
  return res;  // did not settle: nothing drawn
}

}  // namespace orn
