// Draws the points of a picture's shape records, joined in order and scaled
// to fit the preview; every shape type's points are joined the same way.
#include "shell/preview_render.h"

#include <algorithm>
#include <cmath>

#include "model/picture_file.h"

namespace orn {

namespace {

constexpr float kPenUp = -7777.0f;
constexpr int kShapeFirst = 20000;
constexpr int kShapeLast = 20006;  // Spline .. Geometric; PAINT and records taken out are not drawn
constexpr int kEndCode = 20099;

// The points of each drawn record: from the entry its header points to up to
// the entry its "Begin Data" entry points to.
template <class F>
void forEachStroke(const PictureFile& p, F stroke) {
  const long n = long(p.g0.size());
  for (long i = 0; i < n && p.g0[std::size_t(i)] != kEndCode;) {
    const float code = p.g0[std::size_t(i)];
    const long first = i + long(p.g1[std::size_t(i)]);
    if (code < kShapeFirst || code >= 21000 || first <= i + 1 || first > n) {
      ++i;  // a single entry (symmetry change, mark) or something not a record
      continue;
    }
    const long last = std::min(i + long(p.g1[std::size_t(first - 1)]), n - 1);
    if (code <= kShapeLast) stroke(first, last);
    i = std::max(last + 1, i + 1);
  }
}

}  // namespace

std::optional<Surface> RenderPreview(const std::filesystem::path& picture, int width, int height) {
  const FileResult<PictureFile> read = ReadPictureFile(picture);
  if (!read.ok() || width < 2 || height < 2) return std::nullopt;
  const PictureFile& p = *read.value;
  const Rgb back = Rgb(std::clamp(p.header[kHdrPicBackColor], 0.0f, 16777215.0f));
  Surface s(width, height, back);
  float x0 = 1e30f, y0 = 1e30f, x1 = -1e30f, y1 = -1e30f;
  forEachStroke(p, [&](long a, long b) {
    for (long k = a; k <= b; ++k)
      if (p.g0[std::size_t(k)] != kPenUp) {
        x0 = std::min(x0, p.g0[std::size_t(k)]);
        x1 = std::max(x1, p.g0[std::size_t(k)]);
        y0 = std::min(y0, p.g1[std::size_t(k)]);
        y1 = std::max(y1, p.g1[std::size_t(k)]);
      }
  });
  if (x1 < x0) return s;
  const float scale = std::min((width - 2) / std::max(x1 - x0, 1.0f), (height - 2) / std::max(y1 - y0, 1.0f));
  const auto px = [&](float x) { return int(std::lround((x - x0) * scale)) + 1; };
  const auto py = [&](float y) { return int(std::lround((y - y0) * scale)) + 1; };
  s.setPenColor(kBlack);
  forEachStroke(p, [&](long a, long b) {
    bool joined = false;
    int lx = 0, ly = 0;
    for (long k = a; k <= b; ++k) {
      if (p.g0[std::size_t(k)] == kPenUp) {
        joined = false;
        continue;
      }
      const int x = px(p.g0[std::size_t(k)]), y = py(p.g1[std::size_t(k)]);
      if (joined) s.line(lx, ly, x, y);
      s.pset(x, y, kBlack);
      lx = x;
      ly = y;
      joined = true;
    }
  });
  return s;
}

}  // namespace orn
