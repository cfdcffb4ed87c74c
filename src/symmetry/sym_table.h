#pragma once
// The copy table built from the picture's symmetry block, and the mapping of
// a point of the base cell into any copy through the copies' triangles.
//
// A base-cell point p is written in the base triangle's own coordinates
// (u, v): u is where the line from the apex P2 through p meets the base edge
// P0-P1 (0 at P0, 1 at P1), v is how far p lies from that point towards the
// apex (0 on the base edge, 1 at the apex). Rebuilding p from the same (u, v)
// in another copy's triangle carries it into that copy; a mirrored copy walks
// its base edge from P1 to P0.
#include <cmath>

#include "model/drawing_list.h"
#include "symmetry/sym_state.h"

namespace orn {

enum class SymRebuild {
  Valid,         // the tables hold the drawing layout of the block
  NoBlock,       // the picture has no symmetry block: no parts
  Corrupt,       // the block is damaged: show "Corrupt Symmetry data"
  CorruptAgain,  // the same damaged block, already reported: stay silent
  SetupActive,   // the set-up layout is in the table; it was left alone
};

// The editor's message for a damaged block.
inline constexpr const char* kCorruptSymmetryText = "Corrupt Symmetry data";

// Rebuilds SymData and SymGroups from the block between SymStart and SymEnd
// when SymTablesValid is False, then selects the current part: BaseCopy and
// LastCopy from SymGroups(CurPart). The caller marks the part label
// (PutSymState) and shows kCorruptSymmetryText for Corrupt. A damaged block
// leaves SymTablesValid False and every copy of it unused.
SymRebuild CheckSymData(SymState& sym, const DrawingList& list);

// Clears SymTablesValid after a change of the block or of the stored
// coordinates, and lets a damaged block be reported again.
void InvalidateSymTables(SymState& sym);

// Coordinates of a point relative to a copy's triangle. Off the line through
// the apex parallel to the base edge they are (u, v); on that line the point
// has no such coordinates and the barycentric weights of P0, P1, P2 are kept
// instead (onLine set), which map it by the same affine map.
struct UV {
  double u = 0.0;
  double v = 0.0;
  double w0 = 0.0, w1 = 0.0, w2 = 0.0;
  bool onLine = false;
};

// (u, v) of point (px, py) relative to copy k's triangle. False when the
// triangle has no area or a coordinate is not finite: nothing can be mapped
// out of it.
bool PointToUV(const SymState& sym, int k, double px, double py, UV& out);

// The point with coordinates uv in copy k, mirrored when the copy's reflect
// flag is set. False when the result is not finite (a damaged copy).
inline bool UVToCopy(const SymState& sym, int k, const UV& uv, double& x, double& y) {
  if (k < 0 || k > kMaxCopy) return false;
  const auto& t = sym.SymData[k];
  const bool mirrored = t[kReflect] != 0.0f;
  if (uv.onLine) {
    const double a = mirrored ? uv.w1 : uv.w0;
    const double b = mirrored ? uv.w0 : uv.w1;
    x = a * t[kP0x] + b * t[kP1x] + uv.w2 * t[kP2x];
    y = a * t[kP0y] + b * t[kP1y] + uv.w2 * t[kP2y];
  } else {
    const double u = mirrored ? 1.0 - uv.u : uv.u;
    const double qx = t[kP0x] + u * (double(t[kP1x]) - t[kP0x]);
    const double qy = t[kP0y] + u * (double(t[kP1y]) - t[kP0y]);
    x = qx + uv.v * (t[kP2x] - qx);
    y = qy + uv.v * (t[kP2y] - qy);
  }
  return std::isfinite(x) && std::isfinite(y);
}

}  // namespace orn
