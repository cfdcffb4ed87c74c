#pragma once
// The one drawing-list builder of the suite: lists made entry by entry or
// record by record the way the editor stores them (shapes, fills, symmetry
// blocks, Geometric polygons, lattices), their entries read back, and the
// list's invariants checked.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "colour/colour_codes.h"
#include "model/drawing_list.h"
#include "model/record_codes.h"
#include "symmetry/polygon_shape.h"
#include "symmetry/sym_records.h"

namespace orn::test {

using Entry = std::pair<float, float>;
using Entries = std::vector<Entry>;
using Pt = Entry;

// Puts `entries` in place of the end marker and the end marker after them.
inline void Append(DrawingList& list, const Entries& entries) {
  int i = list.NumPoints;
  for (auto [a, b] : entries) {
    list.ensureIndex(i + 1);
    list.G0[i] = a;
    list.G1[i++] = b;
  }
  list.ensureIndex(i);
  list.G0[i] = float(kCodeEnd);
  list.G1[i] = 0.0f;
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(i);
}

// A list of raw entries followed by the end marker.
inline DrawingList ListOf(const Entries& entries) {
  DrawingList list;
  Append(list, entries);
  return list;
}

// Entries from..to of the list; every entry up to the end marker.
inline Entries EntriesOf(const DrawingList& list, int from, int to) {
  Entries out;
  for (int i = from; i <= to; ++i) out.emplace_back(list.G0[i], list.G1[i]);
  return out;
}
inline Entries LiveEntries(const DrawingList& list) { return EntriesOf(list, 0, list.NumPoints); }

// AddPoint keeps repeated points for the paint tool (number 10, as the
// paint record's type), so the builders add every point as that tool.
constexpr int kKeepEveryPoint = kTypePaint;

// A closed record of the given type through the given points; returns its header.
inline int AddShape(DrawingList& list, int type, const Entries& pts) {
  const int nParams = type <= kTypeMultiLine ? 1 : 0;
  EXPECT_TRUE(list.CreateItem(type, nParams, pts[0].first, pts[0].second));
  const int head = list.ItemHead;
  for (std::size_t i = 1; i < pts.size(); ++i) EXPECT_TRUE(list.AddPoint(pts[i].first, pts[i].second, kKeepEveryPoint));
  EXPECT_TRUE(list.closeRecord());
  return head;
}

// A PAINT record of fills (colour, seed); returns its header.
inline int AddPaint(DrawingList& list, const std::vector<std::pair<Rgb, Pt>>& fills) {
  int head = -1;
  for (const auto& [colour, seed] : fills) {
    if (head < 0) {
      list.CreateItem(kTypePaint, 0, seed.first, seed.second);
      head = list.ItemHead;
      list.G0[list.ItemFirst] = float(kColorEntryBase + kOffTableCode);
      list.G1[list.ItemFirst] = float(colour);
    } else {
      list.AddPoint(float(kColorEntryBase + kOffTableCode), float(colour), kKeepEveryPoint);
    }
    list.AddPoint(seed.first, seed.second, kKeepEveryPoint);
  }
  list.closeRecord();
  return head;
}

// A symmetry block of `items` with `part` chosen, in place of the end marker.
inline void AppendSymBlock(DrawingList& list, SymState& sym, const std::vector<SymItem>& items, int part = 1) {
  const int at = list.NumPoints;
  const int end = at + SymBlockLength(int(items.size()));
  list.ensureIndex(end + 1);
  EXPECT_TRUE(WriteSymBlock(list, sym, at, items, part));
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(end);
  list.G0[end] = float(kCodeEnd);
  list.G1[end] = 0.0f;
}

// A base rectangle (0,0)-(119,159) and a symmetry block with one part of
// two copies: the base cell and its translate 120 pixels to the right.
inline void AddTranslationSymmetry(DrawingList& list, SymState& sym) {
  const int geo = AddShape(list, kTypeGeometric, {{0, 0}, {119, 0}, {119, 159}, {0, 159}, {0, 0}, {60, 80}});
  SymItem base;
  base.group = -1;
  base.RefGeo = geo;
  base.P0x = 0, base.P0y = 0, base.P1x = 119, base.P1y = 0, base.P2x = 0, base.P2y = 159;
  base.handleX = 30, base.handleY = 30;
  SymItem copy = base;
  copy.group = 1;
  copy.copyNumber = 2;
  copy.P0x += 120, copy.P1x += 120, copy.P2x += 120, copy.handleX += 120;
  AppendSymBlock(list, sym, {base, copy});
}

// A wallpaper pattern: a lattice of cols x rows cells of w x h pixels from
// the canvas's corner, one part whose base copy is cell (baseCol, baseRow),
// the top-left one unless said otherwise, and every other cell a plain
// translate of it.
inline void AddLattice(DrawingList& list, SymState& sym, int cols, int rows, float w, float h, float handleX,
                       float handleY, int baseCol = 0, int baseRow = 0) {
  const float bx = baseCol * w, by = baseRow * h;
  const int geo = AddShape(list, kTypeGeometric,
                           {{bx, by}, {bx + w, by}, {bx + w, by + h}, {bx, by + h}, {bx, by}, {bx + w / 2, by + h / 2}});
  std::vector<SymItem> items;
  auto cell = [&](int c, int r) {
    SymItem it;
    it.group = items.empty() ? -1 : 1;
    it.RefGeo = geo;
    it.copyNumber = int(items.size()) + 1;
    const float x = c * w, y = r * h;
    it.P0x = x, it.P0y = y, it.P1x = x + w, it.P1y = y, it.P2x = x, it.P2y = y + h;
    it.handleX = x + handleX, it.handleY = y + handleY;
    items.push_back(it);
  };
  cell(baseCol, baseRow);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      if (c != baseCol || r != baseRow) cell(c, r);
    }
  }
  AppendSymBlock(list, sym, items);
}

// A wallpaper pattern on any lattice: copies at origin + c a + r b (c from -3
// to 8, r from 0 to 5), each the triangle origin, origin + a, origin + b
// moved there, its handle at (20, 17) from its first corner; the base copy
// at c = r = 0.
inline void AddSkewLattice(DrawingList& list, SymState& sym, float ox, float oy, float ax, float ay, float bx,
                           float by) {
  const int geo = AddShape(list, kTypeGeometric, {{0, 0}, {ax, ay}, {bx, by}, {0, 0}, {ax / 3, by / 3}});
  std::vector<SymItem> items;
  for (int r = 0; r <= 5; ++r) {
    for (int c = -3; c <= 8; ++c) {
      SymItem it;
      it.group = 1;
      it.RefGeo = geo;
      it.P0x = ox + c * ax + r * bx, it.P0y = oy + c * ay + r * by;
      it.P1x = it.P0x + ax, it.P1y = it.P0y + ay;
      it.P2x = it.P0x + bx, it.P2y = it.P0y + by;
      it.handleX = it.P0x + 20, it.handleY = it.P0y + 17;
      if (r == 0 && c == 0) {
        it.group = -1;
        items.insert(items.begin(), it);
      } else {
        items.push_back(it);
      }
    }
  }
  AppendSymBlock(list, sym, items);
}

// Lays a polygon of `shape` on the edge (x0, y0)-(x1, y1) at the end of the
// list, as the Geometric tool does, and closes it.
inline void AddPolygon(DrawingList& list, const PolyShape& shape, float x0, float y0, float x1, float y1) {
  ASSERT_TRUE(list.CreateItem(kTypeGeometric, 0, x0, y0));
  ASSERT_TRUE(list.AddPoint(x1, y1, kTypeGeometric));
  ASSERT_TRUE(list.ensureIndex(list.NumPoints + PolygonRoomNeeded(shape) + 1));
  int last = 0;
  ASSERT_TRUE(BuildPolygonOnEdge(shape, list.G0, list.G1, list.ItemHead, list.ItemFirst, last));
  list.NumPoints = static_cast<std::int16_t>(last);
  ASSERT_TRUE(list.closeRecord());
}

// The list's invariants: idle with the end marker at NumPoints, or a record
// open whose offsets agree with ItemHead, ItemFirst and NumPoints; every frame
// before the end fits.
inline ::testing::AssertionResult ListIsSound(const DrawingList& list) {
  auto fail = [] { return ::testing::AssertionFailure(); };
  if (list.NumPoints < 0 || list.NumPoints >= list.size()) return fail() << "NumPoints " << list.NumPoints;
  if (list.ListCapacity + kSpareEntries + 1 != list.size()) return fail() << "arrays not 10 past capacity";
  if (list.recordOpen()) {
    if (list.G1[list.ItemHead] != list.ItemFirst - list.ItemHead) return fail() << "open header offset wrong";
    if (list.G0[list.ItemFirst - 1] != kCodeBeginData || list.G1[list.ItemFirst - 1] != list.NumPoints - list.ItemHead)
      return fail() << "open Begin Data wrong";
  } else if (list.G0[list.NumPoints] != kCodeEnd || list.G1[list.NumPoints] != 0.0f) {
    return fail() << "no end marker at " << list.NumPoints;
  }
  FrameWalker walk(list);
  Frame f;
  while (walk.next(f)) {
    if (f.kind == FrameKind::Malformed) return fail() << "malformed frame at " << f.head;
    if (f.kind == FrameKind::Record && f.last < f.first) return fail() << "empty record at " << f.head;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace orn::test
