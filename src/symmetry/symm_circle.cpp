#include <cmath>

#include "model/geometry.h"
#include "symmetry/replication.h"
#include "symmetry/replication_detail.h"
#include "symmetry/replication_math.h"
#include "symmetry/sym_table.h"

namespace orn {

namespace {

using repl::Pix;
using repl::RoundUpHalf;

constexpr Rgb kRed = 0x0000FF;

// A full circle on the current target, at whole-number values.
void DrawCircle(DrawContext& ctx, double x, double y, double r, Rgb colour) {
  if (ctx.DrawTarget != kDrawMemBmp) {
    if (ctx.Picture1 == nullptr) return;
    ctx.Picture1->setPenColor(colour);
    ctx.Picture1->circle(Pix(x), Pix(y), Pix(r));
  } else if (ctx.MemBmp != nullptr) {
    const double k = ctx.BitmapScale;
    ctx.MemBmp->MemBmpPenColor(colour);
    ctx.MemBmp->MemBmpEllipse(Pix(x * k), Pix(y * k), Pix(r * k));
  }
}

// A point mapped into copy k, rounded up from half.
bool MapRounded(const SymState& sym, int k, const UV& uv, double& x, double& y) {
  if (!UVToCopy(sym, k, uv, x, y)) return false;
  x = RoundUpHalf(x);
  y = RoundUpHalf(y);
  return true;
}

// Radius ratio to the base copy's base edge; false when that edge has no length.
bool RadiusRatio(const SymState& sym, int base, double r, double& ratio) {
  const double len = repl::BaseEdgeLength(sym, base);
  if (!(len > 1e-6)) return false;
  ratio = r / len;
  return std::isfinite(ratio);
}

void FullCircle(SymState& sym, DrawContext& ctx, double x, double y, double r, Rgb colour) {
  if (ctx.PrintPath) {
    ArcLines(sym, ctx, x, y, r, 0.0, kTwoPi, colour);
  } else {
    DrawCircle(ctx, x, y, r, colour);
  }
  // While drawing a working symmetry of none leaves the replicas out; a
  // full redraw draws them all, as it draws every line's.
  const bool noReplicas = sym.WorkingSym <= 0 && (ctx.ExtendLast == 0 || ctx.LimitReplicas);
  if (sym.CurPart <= 0 || noReplicas || ctx.PrintPath) return;

  // WorkingSym limits lines only: a circle goes into every replica.
  const repl::CopyRange range = repl::Replicas(sym, kMaxCopy + 1);
  UV uc;
  double ratio = 0.0;
  if (!PointToUV(sym, range.base, RoundUpHalf(x), RoundUpHalf(y), uc) ||
      !RadiusRatio(sym, range.base, r, ratio)) {
    return;
  }
  for (int k = range.first; k <= range.last; ++k) {
    double cx, cy;
    if (!MapRounded(sym, k, uc, cx, cy)) continue;
    const double rk = RoundUpHalf(ratio * repl::BaseEdgeLength(sym, k));
    if (std::isfinite(rk)) DrawCircle(ctx, cx, cy, rk, colour);
  }
}

// A rubber band: a figure on the canvas in the XOR pen, which the next move
// draws again to take it off.
bool RubberBand(const DrawContext& ctx) {
  return ctx.DrawTarget != kDrawMemBmp && ctx.Picture1 != nullptr && !ctx.PrintPath &&
         ctx.Picture1->penMode() == PenMode::Xor;
}

void Arc(SymState& sym, DrawContext& ctx, std::span<const float> X, std::span<const float> Y,
         double x, double y, double r, Rgb colour, int i1, int i2) {
  const std::size_t n = std::min(X.size(), Y.size());
  if (i1 < 0 || i2 < 0 || std::size_t(i1) + 1 >= n || std::size_t(i2) >= n) return;
  const double ax = X[i1], ay = Y[i1], bx = X[i1 + 1], by = Y[i1 + 1];
  const double px = X[i2], py = Y[i2];
  ArcAngles(sym, ctx, x, y, ax, ay, bx, by, px, py, r, colour);

  // Other arcs went through SymmLine, which replicated their segments.
  if (!RubberBand(ctx) || sym.CurPart <= 0 || sym.WorkingSym <= 0) return;
  const repl::CopyRange range = repl::Replicas(sym, kMaxCopy + 1);
  UV uc, ua, ub, up;
  double ratio = 0.0;
  const int base = range.base;
  if (!PointToUV(sym, base, RoundUpHalf(x), RoundUpHalf(y), uc) ||
      !PointToUV(sym, base, RoundUpHalf(ax), RoundUpHalf(ay), ua) ||
      !PointToUV(sym, base, RoundUpHalf(bx), RoundUpHalf(by), ub) ||
      !PointToUV(sym, base, RoundUpHalf(px), RoundUpHalf(py), up) ||
      !RadiusRatio(sym, base, r, ratio)) {
    return;
  }
  for (int k = range.first; k <= range.last; ++k) {
    double c[2], a[2], b[2], p[2];
    if (!MapRounded(sym, k, uc, c[0], c[1]) || !MapRounded(sym, k, ua, a[0], a[1]) ||
        !MapRounded(sym, k, ub, b[0], b[1]) || !MapRounded(sym, k, up, p[0], p[1])) {
      continue;
    }
    const double rk = RoundUpHalf(ratio * repl::BaseEdgeLength(sym, k));
    if (std::isfinite(rk)) ArcAngles(sym, ctx, c[0], c[1], a[0], a[1], b[0], b[1], p[0], p[1], rk, colour);
  }
}

}  // namespace

void SymmCircle(SymState& sym, DrawContext& ctx, std::span<const float> X, std::span<const float> Y,
                float x, float y, float r, Rgb colour, int type, int i1, int i2) {
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(r)) return;
  if (type != kArcType) {
    FullCircle(sym, ctx, x, y, r, colour);
  } else {
    Arc(sym, ctx, X, Y, x, y, r, colour, i1, i2);
  }
}

void ArcAngles(SymState& sym, DrawContext& ctx, double cx, double cy, double ax, double ay,
               double bx, double by, double px, double py, double R, Rgb colour) {
  // Counter-clockwise angles as the canvas sees them (its y axis points down).
  const float twoPi = float(kTwoPi);
  const float a1 = float(kTwoPi - AngleOf(ax - cx, ay - cy));
  const float b = float(kTwoPi - AngleOf(bx - cx, by - cy));
  const float a2 = b < a1 ? b + twoPi : b;
  float a3 = float(kTwoPi - AngleOf(px - cx, py - cy));
  if (a3 < a1) a3 += twoPi;

  const bool forward = a1 < a3 && a3 < a2;  // C lies counter-clockwise from A to B
  const double from = forward ? a1 : b;
  const double to = forward ? b : a1;
  // An arc is drawn as the full redraw draws it, as short segments, so that
  // a pick, an erase or a drag covers exactly what the redraw drew; an arc
  // of a radius far beyond the canvas (three nearly collinear points) shows
  // as the segments of its curve too.
  if (!RubberBand(ctx)) {
    ArcLines(sym, ctx, cx, cy, R, from, to, colour);
    return;
  }
  // A rubber band is drawn with the canvas's own arc, which touches each
  // pixel once: the XOR pen would take away the pixels where a wide pen's
  // segments overlap. A counter-clockwise band marks its start with a red
  // point as wide as the pen.
  Surface& canvas = *ctx.Picture1;
  canvas.setPenColor(colour);
  canvas.arc(Pix(cx), Pix(cy), Pix(R), from, to);
  if (forward) {
    canvas.setPenColor(kRed);
    canvas.dot(Pix(ax), Pix(ay));
    canvas.setPenColor(colour);
  }
}

void ArcLines(SymState& sym, DrawContext& ctx, double cx, double cy, double R, double s, double e,
              Rgb colour) {
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(R) || !std::isfinite(s) ||
      !std::isfinite(e) || std::fabs(s) > 100.0 || std::fabs(e) > 100.0) {
    return;
  }
  // Back to the clockwise angles of the points (y down).
  std::swap(s, e);
  s = -s;
  while (s < 0) s += kTwoPi;
  e = -e;
  // The end lies after the start; an arc that starts where it ends is a full
  // circle. A small arc stays small.
  while (e <= s) e += kTwoPi;

  double step = 0.2;
  if (ctx.PrintPath) {
    const float pageWidth = ctx.Printer != nullptr ? ctx.Printer->PrintScaleWidth() : 0.0f;
    step = pageWidth > float(kTwoPi * R) ? 0.05 : 0.025;
  }

  double p0x = cx + R * std::cos(s), p0y = cy + R * std::sin(s);
  double a = s + step;
  ctx.ExtendFirst = 0;
  while (a < e) {
    const double p1x = cx + R * std::cos(a), p1y = cy + R * std::sin(a);
    SymmLine(sym, ctx, float(p0x), float(p0y), float(p1x), float(p1y), colour);
    a += step;
    p0x = p1x;
    p0y = p1y;
    ctx.ExtendFirst = 1;
  }
  ctx.ExtendFirst = 0;
  a -= step;
  if (a < e) {
    SymmLine(sym, ctx, float(p0x), float(p0y), float(cx + R * std::cos(e)), float(cy + R * std::sin(e)),
             colour);
  }
}

}  // namespace orn
