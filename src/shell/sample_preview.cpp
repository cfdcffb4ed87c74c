#include "shell/sample_preview.h"

#include <algorithm>
#include <cmath>

#include "canvas/redraw.h"
#include "model/picture_io.h"
#include "shell/model_view.h"

namespace orn {

namespace {

class NoDialogs : public FileDialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
};

bool sane(float v) { return std::isfinite(v) && v >= 16.0f && v <= 8000.0f; }

}  // namespace

std::optional<Surface> RenderPictureFile(const PictureFile& pf, const std::string& path, bool fills) {
  // An editor of its own, loaded through the program's loader.
  DrawingList list;
  ViewTable views;
  EditorState ed;
  DrawContext draw;
  SymState sym;
  PictureSettings pic;
  FileState file;
  NullHost host;
  NoDialogs dialogs;
  FileHooks hooks;
  FileContext ctx{list, views, ed, draw, sym, pic, file, host, dialogs, hooks};
  LoadReport report;
  ApplyPictureFile(ctx, pf, path, report);
  ed.ColorToolsOn = fills;

  int w = kDefaultRenderWidth, h = kDefaultRenderHeight;
  if (report.hasStoredSizes && sane(report.storedCanvasWidth) && sane(report.storedCanvasHeight)) {
    w = int(std::lround(report.storedCanvasWidth));
    h = int(std::lround(report.storedCanvasHeight));
  }
  Surface canvas(w, h, draw.PicBackColor);
  canvas.setPenWidth(draw.LineWidth);
  draw.Picture1 = &canvas;
  PickState pick;
  ColourState colour;
  EditorControls ui;
  RedrawEnv env{list, sym, draw, ed, pick, colour, views, host, ui};
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

Surface RenderSamplePreview(const std::filesystem::path& pnt, int width, int height, Rgb back) {
  const FileResult<PictureFile> read = ReadPictureFile(pnt);
  if (!read.ok()) return Surface();
  const std::string path = pnt.string();
  if (const int model = ModelNumberOf(path); model != 0) {
    Surface view = RenderFoldedModel(*read.value, path, model, std::min(width, height), back);
    if (!view.empty()) return ShrinkToFit(view, width, height, back);
  }
  const std::optional<Surface> picture = RenderPictureFile(*read.value, path);
  if (!picture) return Surface();
  if (!WallpaperAllowed(read.value->header[kHdrPicKind]) || width <= 0 || height <= 0)
    return ShrinkToFit(*picture, width, height, back);
  // A pattern repeats: its middle, cut to the box's proportions, shows it
  // larger than the whole would.
  const int cw = std::min(picture->width(), int(std::lround(double(picture->height()) * width / height)));
  const int ch = std::min(picture->height(), int(std::lround(double(cw) * height / width)));
  Surface middle(cw, ch, back);
  middle.blit(0, 0, cw, ch, *picture, (picture->width() - cw) / 2, (picture->height() - ch) / 2);
  return ShrinkToFit(middle, width, height, back);
}

}  // namespace orn
