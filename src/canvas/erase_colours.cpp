#include "canvas/erase_colours.h"

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/record_codes.h"
#include "symmetry/sym_table.h"

namespace orn {

namespace {

// A run of entries taken out of the list: its first index and its length.
using Cut = std::pair<int, int>;

std::vector<Cut> paintRecords(const DrawingList& list) {
  std::vector<Cut> cuts;
  FrameWalker walk(list);
  Frame f;
  while (walk.next(f)) {
    if (f.kind == FrameKind::Record && list.G0[f.head] == float(kCodePaint))
      cuts.push_back({f.head, f.last - f.head + 1});
  }
  return cuts;
}

// Where an entry that was kept lands: its index less the entries cut before it.
int movedIndex(const std::vector<Cut>& cuts, int old) {
  int moved = old;
  for (const auto& [start, length] : cuts)
    if (start < old) moved -= length;
  return moved;
}

bool insideCut(const std::vector<Cut>& cuts, int i) {
  for (const auto& [start, length] : cuts)
    if (i >= start && i < start + length) return true;
  return false;
}

// Each Symmetry Item names the header of its Geometric record; the reference
// follows the record down. Called before the entries move.
void moveGeometricReferences(DrawingList& list, const std::vector<Cut>& cuts) {
  FrameWalker walk(list);
  Frame f;
  while (walk.next(f)) {
    if (f.kind != FrameKind::Record || f.type != kTypeSymmetryItem) continue;
    float& ref = list.G0[f.head + 2];
    const int refGeo = roundEntry(ref);
    if (refGeo < 0 || refGeo > list.NumPoints || insideCut(cuts, refGeo)) continue;
    const int moved = movedIndex(cuts, refGeo);
    if (moved != refGeo) ref = float(moved);
  }
}

}  // namespace

int RemovePaintRecords(DrawingList& list, SymState& sym) {
  const std::vector<Cut> cuts = paintRecords(list);
  if (cuts.empty()) return 0;
  moveGeometricReferences(list, cuts);

  const int end = list.NumPoints;
  const bool open = list.recordOpen();
  const bool openRecordCut = open && insideCut(cuts, list.ItemHead);

  int dst = cuts.front().first;
  for (std::size_t c = 0; c < cuts.size(); ++c) {
    const int stop = c + 1 < cuts.size() ? cuts[c + 1].first : end + 1;
    for (int src = cuts[c].first + cuts[c].second; src < stop; ++src, ++dst) {
      list.G0[dst] = list.G0[src];
      list.G1[dst] = list.G1[src];
    }
  }
  const int removed = end + 1 - dst;
  for (int i = dst; i <= end; ++i) list.G0[i] = list.G1[i] = 0.0f;

  if (sym.SymStart != sym.SymEnd) {
    sym.SymStart = movedIndex(cuts, sym.SymStart);
    sym.SymEnd = movedIndex(cuts, sym.SymEnd);
  }
  // The copy table holds list indexes of the Geometric records: rebuild it.
  InvalidateSymTables(sym);

  if (openRecordCut) {
    // The open record was itself a PAINT record: the list now ends where it began.
    list.G0[dst] = float(kCodeEnd);
    list.G1[dst] = 0.0f;
    list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(dst);
  } else {
    list.NumPoints = static_cast<std::int16_t>(dst - 1);
    list.ItemHead = static_cast<std::int16_t>(open ? movedIndex(cuts, list.ItemHead) : dst - 1);
    list.ItemFirst = static_cast<std::int16_t>(open ? movedIndex(cuts, list.ItemFirst) : dst - 1);
  }
  if (list.PackFrom > list.NumPoints) list.PackFrom = 0;
  return removed;
}

bool ResetSymmetryChanges(DrawingList& list) {
  bool changed = false;
  for (int i = 0; i < list.NumPoints; ++i) {
    if (list.G0[i] == float(kCodeSymmetryChg) && list.G1[i] > 0.0f) {
      list.G1[i] = 0.0f;
      changed = true;
    }
  }
  return changed;
}

}  // namespace orn
