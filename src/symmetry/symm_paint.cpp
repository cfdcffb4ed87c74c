#include <cmath>
#include <optional>
#include <utility>

#include "colour/colour_model.h"
#include "symmetry/replication.h"
#include "symmetry/replication_detail.h"
#include "symmetry/replication_math.h"
#include "symmetry/sym_table.h"

namespace orn {

namespace {

// Whether a fill from this pixel would start: not on the border colour (or,
// filling a surface, on the surface colour) and on the canvas.
bool FillWouldStart(const Surface& canvas, int x, int y, Rgb border, FillType type) {
  const std::int64_t p = canvas.point(x, y);
  if (p < 0) return false;
  const Rgb c = static_cast<Rgb>(p);
  return type == FillType::Border ? c != (border & 0xFFFFFF) : c == (border & 0xFFFFFF);
}

// The fill at one seed pixel; returns false when the canvas fill failed.
bool FillAt(DrawContext& ctx, int ix, int iy, Rgb colour, Rgb brush, Rgb border, FillType type) {
  Surface& canvas = *ctx.Picture1;
  if (ctx.PaintOrderMode == 1) {
    // Mark the seed for the replay; a seed on a border pixel is not marked,
    // or the replay would start there and leak through the border.
    if (FillWouldStart(canvas, ix, iy, border, type)) canvas.pset(ix, iy, ctx.ProbeColor);
    return true;
  }
  if (ctx.PaintOrderMode == 2 && canvas.point(ix, iy) != std::int64_t(ctx.ProbeColor & 0xFFFFFF)) {
    return true;
  }
  bool ok = true;
  if (ctx.DrawTarget != kDrawMemBmp) ok = canvas.floodFill(ix, iy, border, brush, type);
  if (ctx.DrawTarget != kDrawCanvas && ctx.MemBmp != nullptr) {
    const double k = ctx.BitmapScale;
    ctx.MemBmp->MemBmpFill(repl::Pix(ix * k), repl::Pix(iy * k), colour);
  }
  return ok;
}

// The seed pixel of a point, or none when the point is off the canvas.
std::optional<std::pair<int, int>> SeedPixel(const Surface& canvas, double x, double y) {
  if (!(x >= 0 && x <= canvas.width() && y >= 0 && y <= canvas.height())) return std::nullopt;
  return std::pair{repl::Pix(repl::RoundEven(x)), repl::Pix(repl::RoundEven(y))};
}

}  // namespace

void ForEachFillSeed(const SymState& sym, const Surface& canvas, float x, float y,
                     const std::function<void(int x, int y, bool base)>& seed) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  if (const auto p = SeedPixel(canvas, x, y)) seed(p->first, p->second, true);

  // Fills go into every replica: WorkingSym does not limit them.
  const repl::CopyRange range = repl::Replicas(sym, kMaxCopy + 1);
  if (range.first > range.last) return;
  UV uv;
  if (!PointToUV(sym, range.base, repl::RoundUpHalf(x), repl::RoundUpHalf(y), uv)) return;
  for (int k = range.first; k <= range.last; ++k) {
    double sx, sy;
    if (!UVToCopy(sym, k, uv, sx, sy)) continue;
    if (const auto p = SeedPixel(canvas, repl::RoundUpHalf(sx), repl::RoundUpHalf(sy)))
      seed(p->first, p->second, false);
  }
}

void SymmPaint(const SymState& sym, DrawContext& ctx, Rgb colour, float x, float y, Rgb border,
               FillType type) {
  if (ctx.Picture1 == nullptr) return;
  const Rgb brush = ctx.GrayPaint ? GrayOf(colour) : (colour & 0xFFFFFF);
  ForEachFillSeed(sym, *ctx.Picture1, x, y, [&](int ix, int iy, bool base) {
    if (!FillAt(ctx, ix, iy, colour, brush, border, type) && base) ctx.FillFailed = true;
  });
}

}  // namespace orn
