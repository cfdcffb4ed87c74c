#include "canvas/spline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "symmetry/replication.h"

namespace orn {

namespace {

inline float f(double v) { return static_cast<float>(v); }

struct Pen {
  float x;
  float y;
};

bool finite(float a, float b) { return std::isfinite(a) && std::isfinite(b); }

// Pieces drawn between two looks at the stop request inside one interval: an
// interval that reaches far off the canvas is cut into many thousands.
constexpr int kPiecesPerPoll = 100;

// One interval of the curve cut into straight pieces, ending exactly on the
// interval's end point. An interval whose curve cannot be computed (absurd
// coordinates) is drawn straight. False when a stop was asked for on the
// way: the interval ends where it was.
bool drawInterval(CanvasDrawing& d, const SplineCurve& c, int j, Pen& pen, Rgb colour) {
  const float endX = c.x[j + 1];
  const float endY = c.y[j + 1];
  const float H = f(double(c.t[j + 1]) - c.t[j]);
  const float mx = SplineValue(c.x, c.cx, j, H / 2.0);
  const float my = SplineValue(c.y, c.cy, j, H / 2.0);
  if (finite(mx, my)) {
    const double dist = std::hypot(double(c.x[j]) - mx, double(c.y[j]) - my);
    const double pieces = std::min<double>(std::floor(dist) + 2.0, kMaxSplinePieces);
    const int N = static_cast<int>(pieces);
    const float du = f(H / double(N));
    for (int k = 1; k <= N - 1; ++k) {
      const float u = f(k * double(du));
      const float px = SplineValue(c.x, c.cx, j, u);
      const float py = SplineValue(c.y, c.cy, j, u);
      if (!finite(px, py)) break;
      SymmLine(d.sym, d.ctx, pen.x, pen.y, px, py, colour);
      pen = {px, py};
      if (k % kPiecesPerPoll == 0 && PumpAndTestStop(d)) return false;
    }
  }
  SymmLine(d.sym, d.ctx, pen.x, pen.y, endX, endY, colour);
  pen = {endX, endY};
  return true;
}

}  // namespace

SplineCurve SolveSplineCurve(const std::vector<float>& x, const std::vector<float>& y, int k) {
  SplineCurve c;
  c.n = k + 1;
  c.x.assign(c.n + 1, 0.0f);
  c.y.assign(c.n + 1, 0.0f);
  c.t.assign(c.n + 1, 0.0f);
  for (int i = 1; i <= k; ++i) {
    c.x[i] = x[i];
    c.y[i] = y[i];
  }
  // The extra end point only shapes the end of the curve; it is never drawn to.
  c.x[k + 1] = f(2.0 * c.x[k] - c.x[k - 1]);
  c.y[k + 1] = f(2.0 * c.y[k] - c.y[k - 1]);
  c.t[1] = 0.0f;
  for (int i = 2; i <= c.n; ++i) {
    const double dx = double(c.x[i]) - c.x[i - 1];
    const double dy = double(c.y[i]) - c.y[i - 1];
    c.t[i] = f(c.t[i - 1] + std::sqrt(dx * dx + dy * dy));
  }
  SplineSolve(c.x, c.t, c.n, c.cx);
  SplineSolve(c.y, c.t, c.n, c.cy);
  return c;
}

void SplineDraw(CanvasDrawing& d, const DrawingList& list, int First, int Last, Rgb Colour, int Count) {
  const int size = static_cast<int>(std::min(list.G0.size(), list.G1.size()));
  if (First < 0 || Last >= size || Last < First) return;

  const bool firstPieceRule = Count < 0;
  Count = std::abs(Count);

  // Repeated points at the end add nothing.
  int L = Last;
  while (L > First && list.G0[L] == list.G0[L - 1] && list.G1[L] == list.G1[L - 1]) {
    --L;
    --Count;
  }
  if (L == First) return;
  if (L == First + 1) {
    SymmLine(d.sym, d.ctx, list.G0[First], list.G1[First], list.G0[L], list.G1[L], Colour);
    return;
  }

  // The points are copied out: the list is never written, so an event that
  // changes it while the curve is drawn cannot be overwritten by this call.
  const int k = L - First + 1;
  std::vector<float> x(k + 1), y(k + 1);
  for (int i = 1; i <= k; ++i) {
    x[i] = list.G0[First + i - 1];
    y[i] = list.G1[First + i - 1];
  }
  const SplineCurve curve = SolveSplineCurve(x, y, k);

  const int Start = (L + 1 - Count > First) ? L + 1 - Count : First;
  Pen pen{list.G0[Start], list.G1[Start]};
  d.ctx.ExtendFirst = 1;  // spline pieces are never lengthened

  Surface* canvas = d.ctx.Picture1;
  const bool blackFirst = firstPieceRule && (Start > First || k == 4);
  const Rgb callerColour = Colour;
  if (blackFirst) {
    Colour = 0;
    if (canvas != nullptr) canvas->setPenMode(PenMode::Copy);
  }

  int counter = 0;
  for (int m = Start; m <= L; ++m) {
    ++counter;
    if (counter % 10 == 0 && PumpAndTestStop(d)) break;
    if (m < L && !drawInterval(d, curve, m - First + 1, pen, Colour)) break;
    if (blackFirst && m == Start) {
      Colour = callerColour;
      if (canvas != nullptr) canvas->setPenMode(PenMode::Xor);
    }
  }
  d.ctx.ExtendFirst = 0;
}

}  // namespace orn
