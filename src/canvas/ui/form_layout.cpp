#include "canvas/ui/form_layout.h"

#include <algorithm>
#include <cmath>

namespace orn {

namespace {

int roundHalfEven(double v) { return int(std::nearbyint(v)); }

}  // namespace

CanvasFit FitCanvas(int formW, int formH, double pageAspect, int curW, int curH) {
  // The free space, up to the largest canvas.
  const int freeW = std::min(formW - kFreeWidth, kMaxCanvas);
  const int freeH = std::min(formH - kFreeHeight, kMaxCanvas);
  if (pageAspect == kAspectFromCanvas) {
    pageAspect = curW > 0 ? double(curH) / curW : 0.0;
    if (curW > 0 && curH > 0 && curW <= freeW && curH <= freeH) return {curW, curH, pageAspect};
  }
  // Never smaller than the smallest canvas: a tiny window still gets a
  // canvas, and the ratio below never divides by zero.
  double w = std::max(freeW, kMinCanvas);
  double h = std::max(freeH, kMinCanvas);
  if (!(pageAspect > 0.0) || !std::isfinite(pageAspect)) pageAspect = h / w;
  if (w * pageAspect <= h)
    h = w * pageAspect;
  else
    w = h / pageAspect;
  return {std::max(roundHalfEven(w), 1), std::max(roundHalfEven(h), 1), pageAspect};
}

CanvasPlace PlaceCanvas(int formW, int formH, int canvasW, int canvasH, bool showMode) {
  if (!showMode) return {};
  return {roundHalfEven((formW - canvasW) / 2.0), roundHalfEven((formH - canvasH) / 2.0)};
}

}  // namespace orn
