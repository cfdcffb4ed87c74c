// Draws the stored points of a picture's records, joined in order, scaled
// to fit the preview; every record type's points are joined the same way.
#include "shell/preview_render.h"

#include <algorithm>
#include <cmath>

#include "model/picture_file.h"

namespace orn {

namespace {

constexpr float kFirstCode = 20000.0f;  // entries from here on are record codes
constexpr float kPenUp = -7777.0f;

bool isPoint(float g0) { return g0 < kFirstCode && g0 != kPenUp && std::isfinite(g0); }

}  // namespace

std::optional<Surface> RenderPreview(const std::filesystem::path& picture, int width, int height) {
  const FileResult<PictureFile> read = ReadPictureFile(picture);
  if (!read.ok() || width < 2 || height < 2) return std::nullopt;
  const PictureFile& p = *read.value;
  const Rgb back = Rgb(std::clamp(p.header[kHdrPicBackColor], 0.0f, 16777215.0f));
  Surface s(width, height, back);
  float x0 = 1e30f, y0 = 1e30f, x1 = -1e30f, y1 = -1e30f;
  for (std::size_t i = 0; i < p.g0.size(); ++i)
    if (isPoint(p.g0[i]) && std::isfinite(p.g1[i])) {
      x0 = std::min(x0, p.g0[i]);
      x1 = std::max(x1, p.g0[i]);
      y0 = std::min(y0, p.g1[i]);
      y1 = std::max(y1, p.g1[i]);
    }
  if (x1 < x0) return s;
  const float scale = std::min((width - 2) / std::max(x1 - x0, 1.0f), (height - 2) / std::max(y1 - y0, 1.0f));
  const auto px = [&](float x) { return int(std::lround((x - x0) * scale)) + 1; };
  const auto py = [&](float y) { return int(std::lround((y - y0) * scale)) + 1; };
  s.setPenColor(kBlack);
  bool joined = false;
  int lx = 0, ly = 0;
  for (std::size_t i = 0; i < p.g0.size(); ++i) {
    if (!isPoint(p.g0[i]) || !std::isfinite(p.g1[i])) {
      joined = false;
      continue;
    }
    const int x = px(p.g0[i]), y = py(p.g1[i]);
    if (joined) s.line(lx, ly, x, y);
    s.pset(x, y, kBlack);
    lx = x;
    ly = y;
    joined = true;
  }
  return s;
}

}  // namespace orn
