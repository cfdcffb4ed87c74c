#pragma once
// Pictures for the set-up tests: base shapes laid with the Geometric tool's
// polygon builder, and strokes after them.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "model/drawing_list.h"
#include "symmetry/polygon_shape.h"

namespace orn::testing {

// Lays a polygon of `shape` on the edge (x0, y0)-(x1, y1) at the end of the
// list, as the Geometric tool does, and closes it.
inline void AddPolygon(DrawingList& list, const PolyShape& shape, float x0, float y0, float x1,
                       float y1) {
  ASSERT_TRUE(list.CreateItem(6, 0, x0, y0));
  ASSERT_TRUE(list.AddPoint(x1, y1, 6));
  ASSERT_TRUE(list.ensureIndex(list.NumPoints + PolygonRoomNeeded(shape) + 1));
  int last = 0;
  ASSERT_TRUE(BuildPolygonOnEdge(shape, list.G0, list.G1, list.ItemHead, list.ItemFirst, last));
  list.NumPoints = static_cast<std::int16_t>(last);
  ASSERT_TRUE(list.closeRecord());
}

inline PolyShape Regular(int n) {
  PolyShape s;
  SetPolygonShape(s, n);
  return s;
}

inline PolyShape Regular8() { return Regular(8); }

// A Poly Line through the points.
inline void AddPolyLine(DrawingList& list, std::initializer_list<std::pair<float, float>> pts) {
  auto it = pts.begin();
  ASSERT_TRUE(list.CreateItem(1, 1, it->first, it->second));
  for (++it; it != pts.end(); ++it) ASSERT_TRUE(list.AddPoint(it->first, it->second, 1));
  ASSERT_TRUE(list.closeRecord());
}

}  // namespace orn::testing
