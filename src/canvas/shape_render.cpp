#include "canvas/shape_render.h"

#include <algorithm>
#include <cmath>

#include "symmetry/replication.h"
#include "symmetry/setup_capture.h"
#include "model/geometry.h"

namespace orn {

namespace {

constexpr int kTwoPointCircle = 3;

struct Pt {
  float x, y;
};

float Distance(Pt a, Pt b) { return float(std::hypot(double(a.x) - b.x, double(a.y) - b.y)); }
Pt Mid(Pt a, Pt b) { return {(a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f}; }

// Centre of the circle through three points, from the crossing of two
// perpendicular bisectors; false when the points lie on one line.
bool CircleCentre(Pt first, Pt second, Pt last, Pt& centre) {
  const Pt m1 = Mid(first, last);
  Pt e1{}, e2{};
  RotateAbout(first.x, first.y, m1.x, m1.y, e1.x, e1.y, 90.0f, 6.0f);
  const Pt m2 = Mid(second, last);
  RotateAbout(second.x, second.y, m2.x, m2.y, e2.x, e2.y, 90.0f, 6.0f);
  return LineIntersect(m1.x, m1.y, e1.x, e1.y, m2.x, m2.y, e2.x, e2.y, centre.x, centre.y);
}

// How far the line of a collinear arc runs past its ends: beyond any
// canvas, enlarged bitmap or replica (the segments are clipped where drawn).
constexpr double kRayLength = 1.0e6;

// An arc through three points on one line is what an arc through nearly
// collinear points becomes as its radius grows without bound: the part of
// the line that holds the through point. That is the chord between the ends
// when the through point lies between them, else the line outside them, from
// each end away from the other. Ends at one place keep the chord from the
// first point to the last.
void CollinearArc(SymState& sym, DrawContext& ctx, Pt a, Pt b, Pt through, Rgb colour) {
  const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  const double len2 = dx * dx + dy * dy;
  if (!(len2 > 0.0)) {
    SymmLine(sym, ctx, a.x, a.y, through.x, through.y, colour);
    return;
  }
  const double t = ((double(through.x) - a.x) * dx + (double(through.y) - a.y) * dy) / len2;
  if (t >= 0.0 && t <= 1.0) {
    SymmLine(sym, ctx, a.x, a.y, b.x, b.y, colour);
    return;
  }
  const double k = kRayLength / std::sqrt(len2);
  SymmLine(sym, ctx, a.x, a.y, float(a.x - k * dx), float(a.y - k * dy), colour);
  SymmLine(sym, ctx, b.x, b.y, float(b.x + k * dx), float(b.y + k * dy), colour);
}

}  // namespace

void Circles(SymState& sym, DrawContext& ctx, std::span<const float> X, std::span<const float> Y,
             int first, int last, Rgb colour, int tool) {
  const int n = static_cast<int>(std::min(X.size(), Y.size()));
  if (first < 0 || last < first || last >= n) return;
  const Pt p0{X[first], Y[first]};
  const Pt pn{X[last], Y[last]};

  if (tool == kTwoPointCircle || first == last) {
    SymmCircle(sym, ctx, X, Y, p0.x, p0.y, Distance(p0, pn), colour, tool, first, last);
    return;
  }
  const Pt p1{X[first + 1], Y[first + 1]};
  Pt centre{0.0f, 0.0f};
  // Two points, or a last point equal to the second: the circle on the first
  // and last point as diameter (an arc: their chord). Three points on one
  // line give that circle too; an arc draws its part of the line.
  const bool twoPoint = last == first + 1 || (pn.x == p1.x && pn.y == p1.y);
  const bool onALine = !twoPoint && !CircleCentre(p0, p1, pn, centre);
  if (onALine && tool == kArcType) {
    CollinearArc(sym, ctx, p0, p1, pn, colour);
    return;
  }
  if (twoPoint || onALine) {
    if (tool == kArcType) {
      SymmLine(sym, ctx, p0.x, p0.y, pn.x, pn.y, colour);
    } else {
      const Pt m = Mid(p0, pn);
      SymmCircle(sym, ctx, X, Y, m.x, m.y, Distance(p0, pn) / 2.0f, colour, tool, first, last);
    }
    return;
  }
  SymmCircle(sym, ctx, X, Y, centre.x, centre.y, Distance(centre, p0), colour, tool, first, last);
}

void CirclesAsRedrawn(SymState& sym, DrawContext& ctx, std::span<const float> X, std::span<const float> Y,
                      int first, int last, Rgb colour, int tool) {
  const int extendLast = ctx.ExtendLast;
  ctx.ExtendLast = -1;
  Circles(sym, ctx, X, Y, first, last, colour, tool);
  ctx.ExtendLast = extendLast;
  ctx.ExtendFirst = 0;
}

void GeoSegments(SymState& sym, DrawContext& ctx, std::span<const float> X, std::span<const float> Y,
                 int first, int last, Rgb colour, int /*type*/) {
  const int n = static_cast<int>(std::min(X.size(), Y.size()));
  if (first < 0 || last >= n) return;
  for (int i = first + 1; i <= last - 1; ++i) {
    SymmLine(sym, ctx, X[i - 1], Y[i - 1], X[i], Y[i], colour);
    // The capture redraw turns every edge into a set-up copy.
    if (sym.GeoCapture == 1) CaptureEdge(sym, X, Y, i, first, last);
  }
}

}  // namespace orn
