#include "canvas/stroke_traces.h"

#include <algorithm>

namespace orn {

namespace {

bool sameSize(const Surface& a, const Surface& b) { return a.width() == b.width() && a.height() == b.height(); }

// Every neighbour of (x, y) outside the figure shows the background.
bool clearAround(const Surface& canvas, const Surface& figure, int x, int y, Rgb back) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const std::int64_t c = canvas.point(x + dx, y + dy);
      if (c < 0 || c == std::int64_t(back) || figure.point(x + dx, y + dy) == std::int64_t(kBlack)) continue;
      return false;
    }
  return true;
}

}  // namespace

bool TakeFigureOff(Surface& canvas, const Surface& figure, Rgb ink, Rgb back) {
  if (!sameSize(canvas, figure)) return false;
  for (int y = 0; y < figure.height(); ++y) {
    const Rgb* f = figure.row(y);
    const Rgb* c = canvas.row(y);
    for (int x = 0; x < figure.width(); ++x) {
      if (f[x] != kBlack) continue;
      if (c[x] != ink && c[x] != back) return false;
      if (!clearAround(canvas, figure, x, y, back)) return false;
    }
  }
  for (int y = 0; y < figure.height(); ++y) {
    const Rgb* f = figure.row(y);
    for (int x = 0; x < figure.width(); ++x)
      if (f[x] == kBlack) canvas.pset(x, y, back);
  }
  return true;
}

void StrokeTraces::rememberWithout(const Surface& canvas, const Surface& drawn, Rgb ink, Rgb back) {
  without_ = canvas;
  if (!TakeFigureOff(*without_, drawn, ink, back)) without_.reset();
}

bool StrokeTraces::known(const Surface& canvas) const { return without_ && sameSize(*without_, canvas); }

bool StrokeTraces::replace(Surface& canvas, const Surface& figure, Rgb ink, Rgb back) const {
  if (!known(canvas) || !sameSize(canvas, figure)) return false;
  // Ink on the background or on ink: a fill never reached those pixels, so
  // the new border changes no fill a redraw makes.
  for (int y = 0; y < figure.height(); ++y) {
    const Rgb* f = figure.row(y);
    const Rgb* w = without_->row(y);
    for (int x = 0; x < figure.width(); ++x)
      if (f[x] == kBlack && w[x] != ink && w[x] != back) return false;
  }
  for (int y = 0; y < canvas.height(); ++y) {
    const Rgb* f = figure.row(y);
    const Rgb* w = without_->row(y);
    Rgb* c = canvas.pixels() + static_cast<std::size_t>(y) * canvas.width();
    for (int x = 0; x < canvas.width(); ++x) c[x] = f[x] == kBlack ? ink : w[x];
  }
  return true;
}

}  // namespace orn
