#include "shell/sample_preview.h"

#include <algorithm>
#include <cmath>

#include "canvas/redraw.h"
#include "model/record_codes.h"

namespace orn {

namespace {

bool sane(float v) { return std::isfinite(v) && v >= 16.0f && v <= 8000.0f; }

// The canvas a picture that stores none needs: one that holds all the points
// of its records with a small margin.
std::pair<int, int> CanvasOfPoints(const DrawingList& list) {
  float right = 0, bottom = 0;
  FrameWalker walk(list, 0);
  Frame f;
  while (walk.next(f)) {
    if (f.kind != FrameKind::Record) continue;
    for (int i = f.first; i <= f.last; ++i)
      if (list.G0[i] >= 0 && list.G0[i] < 8000 && list.G1[i] >= 0 && list.G1[i] < 8000) {
        right = std::max(right, list.G0[i]);
        bottom = std::max(bottom, list.G1[i]);
      }
  }
  return {std::max(16, int(std::ceil(right)) + 10), std::max(16, int(std::ceil(bottom)) + 10)};
}

}  // namespace

std::optional<Surface> RenderPictureFile(const PictureFile& pf, const std::string& path, bool fills,
                                         ViewMap* fitted) {
  // An editor of its own, loaded through the program's loader.
  OffscreenEditor e;
  LoadReport report;
  e.load(pf, path, report);
  e.editor.ColorToolsOn = fills;

  auto [w, h] = CanvasOfPoints(e.list);
  if (report.hasStoredSizes && sane(report.storedCanvasWidth) && sane(report.storedCanvasHeight)) {
    w = int(std::lround(report.storedCanvasWidth));
    h = int(std::lround(report.storedCanvasHeight));
  }
  if (fitted != nullptr) *fitted = ViewMap{};
  if (std::max(w, h) > kLargestPreviewCanvas) {
    const double f = double(kLargestPreviewCanvas) / std::max(w, h);
    const int fw = std::max(1, int(std::lround(w * f))), fh = std::max(1, int(std::lround(h * f)));
    const std::optional<ViewMap> map = RescaleToCanvas(e.views, e.list, w, fw, fh);
    if (map && fitted != nullptr) *fitted = *map;
    w = fw;
    h = fh;
  }
  Surface canvas(w, h, e.draw.PicBackColor);
  canvas.setPenWidth(e.draw.LineWidth);
  e.draw.Picture1 = &canvas;
  PickState pick;
  ColourState colour;
  EditorControls ui;
  RedrawEnv env{e.list, e.sym, e.draw, e.editor, pick, colour, e.views, e.host, ui};
  DrawAll(env, 1);
  return canvas;
}

Surface ShrinkToFit(const Surface& src, int width, int height, Rgb back) {
  Surface out(std::max(width, 1), std::max(height, 1), back);
  out.clear();
  if (src.empty()) return out;
  const double scale = std::min({double(out.width()) / src.width(), double(out.height()) / src.height(), 1.0});
  const double tw = src.width() * scale, th = src.height() * scale;
  const double ox = (out.width() - tw) / 2, oy = (out.height() - th) / 2;
  const double step = 1.0 / scale;  // source pixels per target pixel
  for (int ty = 0; ty < out.height(); ++ty) {
    const double sy0 = (ty - oy) * step, sy1 = sy0 + step;
    if (sy1 <= 0 || sy0 >= src.height()) continue;
    for (int tx = 0; tx < out.width(); ++tx) {
      const double sx0 = (tx - ox) * step, sx1 = sx0 + step;
      if (sx1 <= 0 || sx0 >= src.width()) continue;
      // Area-weighted sum over the source pixels the target pixel covers;
      // the part outside the source shows the background.
      double r = 0, g = 0, b = 0, area = 0;
      for (int y = std::max(0, int(std::floor(sy0))); y < std::min(src.height(), int(std::ceil(sy1))); ++y) {
        const double wy = std::min(sy1, y + 1.0) - std::max(sy0, double(y));
        const Rgb* row = src.row(y);
        for (int x = std::max(0, int(std::floor(sx0))); x < std::min(src.width(), int(std::ceil(sx1))); ++x) {
          const double wgt = wy * (std::min(sx1, x + 1.0) - std::max(sx0, double(x)));
          r += wgt * (row[x] & 0xFF);
          g += wgt * ((row[x] >> 8) & 0xFF);
          b += wgt * ((row[x] >> 16) & 0xFF);
          area += wgt;
        }
      }
      const double rest = step * step - area;
      r += rest * (back & 0xFF);
      g += rest * ((back >> 8) & 0xFF);
      b += rest * ((back >> 16) & 0xFF);
      const double n = step * step;
      out.pset(tx, ty, rgb(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(b / n))));
    }
  }
  return out;
}

}  // namespace orn
