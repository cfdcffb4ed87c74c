#pragma once
// A wallpaper pattern for the tests: a lattice of cols x rows cells of
// w x h pixels from the canvas's corner, one part whose base copy is the
// top-left cell and every other cell a plain translate of it.
#include <vector>

#include "model/drawing_list.h"
#include "canvas/editor_state.h"
#include "model/record_codes.h"
#include "symmetry/sym_records.h"

namespace orn::test {

inline void AddLattice(DrawingList& list, SymState& sym, int cols, int rows, float w, float h,
                       float handleX, float handleY) {
  list.CreateItem(kTypeGeometric, 0, 0, 0);
  const int geo = list.ItemHead;
  for (auto [x, y] : {std::pair{w, 0.f}, {w, h}, {0.f, h}, {0.f, 0.f}, {w / 2, h / 2}})
    list.AddPoint(x, y, kToolPaint);
  list.closeRecord();
  std::vector<SymItem> items;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      SymItem it;
      it.group = items.empty() ? -1 : 1;
      it.RefGeo = geo;
      it.copyNumber = int(items.size()) + 1;
      const float x = c * w, y = r * h;
      it.P0x = x, it.P0y = y, it.P1x = x + w, it.P1y = y, it.P2x = x, it.P2y = y + h;
      it.handleX = x + handleX, it.handleY = y + handleY;
      items.push_back(it);
    }
  }
  const int at = list.NumPoints;
  list.ensureIndex(at + SymBlockLength(int(items.size())) + 1);
  WriteSymBlock(list, sym, at, items, 1);
  const int end = at + SymBlockLength(int(items.size()));
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(end);
  list.G0[end] = float(kCodeEnd);
  list.G1[end] = 0.0f;
}

}  // namespace orn::test
