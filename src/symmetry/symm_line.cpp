#include <cmath>
#include <algorithm>

#include "model/geometry.h"
#include "symmetry/replication.h"
#include "symmetry/replication_detail.h"
#include "symmetry/replication_math.h"
#include "symmetry/sym_table.h"

namespace orn {

namespace repl {

void PrintSegment(DrawContext& ctx, float x1, float y1, float x2, float y2, Rgb colour) {
  if (!ctx.PrintPath || ctx.Printer == nullptr) return;
  ClipPoint p1{x1, y1}, p2{x2, y2};
  if (ClipLine(ctx.Clip, p1, p2).visible) {
    ctx.Printer->PrintLine(p1.x + 1.0f, p1.y + 1.0f, p2.x + 1.0f, p2.y + 1.0f, colour);
  }
}

double BaseEdgeLength(const SymState& sym, int k) {
  const auto& t = sym.SymData[k];
  return std::hypot(double(t[kP1x]) - t[kP0x], double(t[kP1y]) - t[kP0y]);
}

}  // namespace repl

namespace {

// A rounded value as an int, pinned far outside any picture when huge.
int RoundInt(double v) {
  const double r = repl::RoundEven(v);
  return static_cast<int>(std::clamp(r, -1.0e9, 1.0e9));
}

// Moves both ends of the segment outward by len along it.
void Lengthen(float& x1, float& y1, float& x2, float& y2, double len) {
  if (std::fabs(double(x1) - x2) > 0.001) {
    const double s = (double(y1) - y2) / (double(x1) - x2);
    double e = len / std::sqrt(s * s + 1.0);
    if (x1 > x2) e = -e;
    x1 = float(x1 - e);
    y1 = float(y1 - s * e);
    x2 = float(x2 + e);
    y2 = float(y2 + s * e);
  } else if (std::fabs(double(y1) - y2) > 0.001) {
    double e = len;
    if (y1 > y2) e = -e;
    y1 = float(y1 - e);
    y2 = float(y2 + e);
  }
}

// The nearest translates of the probe segment to the right of and below its
// end, for the wallpaper tile.
void Measure(DrawContext& ctx, int dx, int dy, double m1x, double m1y, double m2x, double m2y) {
  const int ix = RoundInt(m2x);
  const int iy = RoundInt(m2y);
  if (RoundInt(m1x - m2x) != dx || RoundInt(m1y - m2y) != dy) return;
  if (ix == ctx.WallLeft && iy > ctx.WallTop && iy - ctx.WallTop < ctx.WallBottom - ctx.WallTop) {
    ctx.WallBottom = iy;
  }
  if (iy == ctx.WallTop && ix > ctx.WallLeft && ix - ctx.WallLeft < ctx.WallRight - ctx.WallLeft) {
    ctx.WallRight = ix;
  }
}

}  // namespace

void SymmLine(SymState& sym, DrawContext& ctx, float x1, float y1, float x2, float y2, Rgb colour) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;

  repl::SegmentDrawer draw(ctx, colour);
  int dx = 0, dy = 0;
  if (ctx.WallMeasure) {
    dx = RoundInt(double(x1) - x2);
    dy = RoundInt(double(y1) - y2);
    ctx.WallLeft = RoundInt(x2);
    ctx.WallTop = RoundInt(y2);
    ctx.WallRight = kWallNotFound;
    ctx.WallBottom = kWallNotFound;
  } else {
    draw(x1, y1, x2, y2);
  }
  repl::PrintSegment(ctx, x1, y1, x2, y2, colour);

  // The working symmetry limits the replicas while the user draws; a full
  // redraw draws every one, so that the fills of every copy stay in their
  // cells.
  const bool everyReplica = ctx.ExtendLast != 0 && !ctx.LimitReplicas;
  const repl::CopyRange range = repl::Replicas(sym, everyReplica ? kMaxCopy + 1 : sym.WorkingSym);
  if (sym.CurPart == 0 || sym.BaseCopy < 0 || sym.BaseCopy > kMaxCopy) return;

  // In a full redraw the replicas are lengthened so that their joins close.
  if (ctx.ExtendLen != 0.0f && ctx.ExtendFirst != 1 && ctx.ExtendLast != 0) {
    Lengthen(x1, y1, x2, y2, ctx.ExtendLen);
  }

  const int base = range.base;
  auto& baseRow = sym.SymData[base];
  // A segment that starts where the previous one in this part ended takes its
  // replica starts from the copies' caches, so the replicas join exactly; but
  // only for the replicas that the previous segment reached.
  const bool hit = baseRow[kCacheX] == x1 && baseRow[kCacheY] == y1;
  const int reach = hit ? sym.CacheReach[base] : base;

  UV us, ue;
  bool startMapped = false, startOk = false;
  const bool endOk = PointToUV(sym, base, x2, y2, ue);

  int written = base;  // the replicas written so far without a gap
  for (int k = range.first; endOk && k <= range.last; ++k) {
    auto& row = sym.SymData[k];
    double m1x, m1y;
    if (k <= reach) {
      m1x = row[kCacheX];
      m1y = row[kCacheY];
    } else {
      if (!startMapped) {
        startOk = PointToUV(sym, base, x1, y1, us);
        startMapped = true;
      }
      if (!startOk || !UVToCopy(sym, k, us, m1x, m1y)) continue;
      // A mapped start is held in single precision like a cached one (and
      // like the end below), so both ends of a replica round the same way.
      m1x = float(m1x);
      m1y = float(m1y);
    }
    double m2x, m2y;
    if (!UVToCopy(sym, k, ue, m2x, m2y)) continue;
    // Kept as stored, so the next segment starts exactly where this one ends.
    row[kCacheX] = float(m2x);
    row[kCacheY] = float(m2y);
    if (written == k - 1) written = k;
    if (ctx.WallMeasure) {
      Measure(ctx, dx, dy, m1x, m1y, row[kCacheX], row[kCacheY]);
    } else {
      draw(m1x, m1y, row[kCacheX], row[kCacheY]);
      if (ctx.PrintPath) {
        repl::PrintSegment(ctx, float(m1x), float(m1y), row[kCacheX], row[kCacheY], colour);
      }
    }
  }
  sym.CacheReach[base] = written;
  baseRow[kCacheX] = x2;
  baseRow[kCacheY] = y2;
}

}  // namespace orn
