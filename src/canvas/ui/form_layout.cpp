#include "canvas/ui/form_layout.h"

#include <algorithm>
#include <cmath>

namespace orn {

namespace {

int roundHalfEven(double v) { return int(std::nearbyint(v)); }

}  // namespace

CanvasFit FitCanvas(int formW, int formH, double pageAspect, int curW, int curH) {
  CanvasFit fit;
  double w = curW;
  double h = curH;
  if (pageAspect == kAspectFromCanvas) {
    pageAspect = curW > 0 ? double(curH) / curW : 0.0;
    if (curW > 0 && curH > 0 && curW <= formW - kFreeWidth && curH <= formH - kFreeHeight)
      return {curW, curH, pageAspect};
  }
  // The free space, never smaller than the smallest canvas: a tiny window
  // still gets a canvas, and the ratio below never divides by zero.
  w = std::max(formW - kFreeWidth, kMinCanvas);
  h = std::max(formH - kFreeHeight, kMinCanvas);
  if (!(pageAspect > 0.0) || !std::isfinite(pageAspect)) pageAspect = h / w;
  if (w * pageAspect <= h)
    h = w * pageAspect;
  else
    w = h / pageAspect;
  fit.width = std::max(roundHalfEven(w), 1);
  fit.height = std::max(roundHalfEven(h), 1);
  fit.pageAspect = pageAspect;
  return fit;
}

CanvasPlace PlaceCanvas(int formW, int formH, int canvasW, int canvasH, bool showMode) {
  if (!showMode) return {};
  return {roundHalfEven((formW - canvasW) / 2.0), roundHalfEven((formH - canvasH) / 2.0)};
}

}  // namespace orn
