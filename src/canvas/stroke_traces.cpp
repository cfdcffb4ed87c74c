#include "canvas/stroke_traces.h"

namespace orn {

namespace {

bool sameSize(const Surface& a, const Surface& b) { return a.width() == b.width() && a.height() == b.height(); }

}  // namespace

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
  return show(canvas, figure, ink);
}

bool StrokeTraces::show(Surface& canvas, const Surface& figure, Rgb ink) const {
  if (!known(canvas) || !sameSize(canvas, figure)) return false;
  for (int y = 0; y < canvas.height(); ++y) {
    const Rgb* f = figure.row(y);
    const Rgb* w = without_->row(y);
    Rgb* c = canvas.pixels() + static_cast<std::size_t>(y) * canvas.width();
    for (int x = 0; x < canvas.width(); ++x) c[x] = f[x] == kBlack ? ink : w[x];
  }
  return true;
}

}  // namespace orn
