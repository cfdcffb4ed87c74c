#include "symmetry/sym_table.h"

#include <cmath>

#include "model/geometry.h"
#include "symmetry/sym_records.h"

namespace orn {

namespace {

bool Finite(double v) { return std::isfinite(v); }

void ClearGroups(SymState& sym) {
  for (auto& row : sym.SymGroups) row = {0, 0, 0};
}

void SelectPart(SymState& sym) {
  const int part = (sym.CurPart >= 0 && sym.CurPart <= kMaxParts) ? sym.CurPart : 0;
  sym.BaseCopy = sym.SymGroups[part][kFirstCopy];
  sym.LastCopy = sym.SymGroups[part][kLastCopy];
}

// Rebuilds the drawing layout from the block; returns the list index of the
// first damaged entry, or -1 when the whole block was read.
int RebuildFromBlock(SymState& sym, const DrawingList& list) {
  const int listEnd = static_cast<int>(std::min(list.G0.size(), list.G1.size()));
  if (sym.SymStart < 0 || sym.SymStart >= sym.SymEnd || sym.SymEnd >= listEnd) {
    return sym.SymStart;
  }
  int copy = -1;
  int group = 0;
  int i = sym.SymStart + 1;
  while (i < sym.SymEnd) {
    SymItem item;
    if (copy >= kMaxCopy || !GetSymItem(list, i, sym.SymEnd, item)) return i;
    ++copy;
    if (item.group < 0) {
      const int g = -item.group;
      // The reference geometry is a Geometric record ahead of the block.
      if (g > kMaxParts || item.RefGeo < 0 || item.RefGeo >= sym.SymStart) return i;
      sym.SymGroups[g][kFirstCopy] = copy;
      if (group > 0) sym.SymGroups[group][kLastCopy] = copy - 1;
      group = g;
      sym.SymGroups[g][kRefGeo] = item.RefGeo;
    }
    auto& row = sym.SymData[copy];
    row.fill(0.0f);
    row[kReflect] = item.reflect;
    row[kP0x] = item.P0x;
    row[kP0y] = item.P0y;
    row[kP1x] = item.P1x;
    row[kP1y] = item.P1y;
    row[kHandleX] = item.handleX;
    row[kHandleY] = item.handleY;
    row[kP2x] = item.P2x;
    row[kP2y] = item.P2y;
    row[kCacheX] = kNoCachedPoint;
    row[kCacheY] = kNoCachedPoint;
    i += kSymItemLength;
  }
  sym.SymGroups[group][kLastCopy] = copy;
  return -1;
}

}  // namespace

void InvalidateSymTables(SymState& sym) {
  sym.SymTablesValid = false;
  sym.CorruptStart = sym.CorruptEnd = sym.CorruptAt = -1;
}

SymRebuild CheckSymData(SymState& sym, const DrawingList& list) {
  SymRebuild result = SymRebuild::Valid;
  if (sym.GeoCapture != 0 && !sym.SymTablesValid) {
    // The table holds the set-up layout; rebuilding would destroy it.
    result = SymRebuild::SetupActive;
  } else if (!sym.SymTablesValid) {
    ClearGroups(sym);
    sym.CacheReach.fill(-1);
    if (sym.SymStart == sym.SymEnd) {
      result = SymRebuild::NoBlock;
    } else {
      const int bad = RebuildFromBlock(sym, list);
      if (bad < 0) {
        sym.SymTablesValid = true;
      } else {
        // A damaged block replicates nothing: no part keeps a half-read range.
        ClearGroups(sym);
        const bool same = sym.CorruptStart == sym.SymStart && sym.CorruptEnd == sym.SymEnd &&
                          sym.CorruptAt == bad;
        sym.CorruptStart = sym.SymStart;
        sym.CorruptEnd = sym.SymEnd;
        sym.CorruptAt = bad;
        result = same ? SymRebuild::CorruptAgain : SymRebuild::Corrupt;
      }
    }
  }
  SelectPart(sym);
  return result;
}

bool PointToUV(const SymState& sym, int k, double px, double py, UV& out) {
  if (k < 0 || k > kMaxCopy || !Finite(px) || !Finite(py)) return false;
  const auto& t = sym.SymData[k];
  const double x0 = t[kP0x], y0 = t[kP0y], x1 = t[kP1x], y1 = t[kP1y];
  const double x2 = t[kP2x], y2 = t[kP2y];
  // Twice the triangle's signed area: a triangle without area maps nothing.
  const double area = (x1 - x0) * (y2 - y0) - (y1 - y0) * (x2 - x0);
  if (!Finite(area) || std::fabs(area) < 1e-9) return false;

  out = UV{};
  float fqx = 0.0f, fqy = 0.0f;
  if (!LineIntersect(t[kP0x], t[kP0y], t[kP1x], t[kP1y], t[kP2x], t[kP2y], float(px), float(py), fqx,
                     fqy)) {
    // p lies on (or very near) the line through the apex parallel to the base
    // edge, where (u, v) do not exist: keep the barycentric weights instead.
    out.onLine = true;
    out.w1 = ((px - x0) * (y2 - y0) - (py - y0) * (x2 - x0)) / area;
    out.w2 = ((x1 - x0) * (py - y0) - (y1 - y0) * (px - x0)) / area;
    out.w0 = 1.0 - out.w1 - out.w2;
    out.v = out.w2;
    return Finite(out.w0) && Finite(out.w1) && Finite(out.w2);
  }
  const double qx = fqx, qy = fqy;
  // Divide by the larger difference, so a nearly vertical or horizontal edge
  // never divides by almost nothing (a tie uses y).
  if (std::fabs(float(y0 - y1)) < std::fabs(float(x0 - x1))) {
    out.u = (qx - x0) / (x1 - x0);
  } else {
    out.u = (qy - y0) / (y1 - y0);
  }
  if (std::fabs(float(qy - y2)) < std::fabs(float(qx - x2))) {
    out.v = (px - qx) / (x2 - qx);
  } else {
    out.v = (py - qy) / (y2 - qy);
  }
  return Finite(out.u) && Finite(out.v);
}

}  // namespace orn
