#pragma once
// Hand-made symmetries for the tests: the square built on the edge
// (100,300)->(300,300), its four edges as copies (apex ten times as far out
// as the centre (200,200)); and pictures laid with the Geometric tool.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "model/drawing_list.h"
#include "symmetry/draw_context.h"
#include "support/list_builder.h"
#include "symmetry/polygon_shape.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_state.h"
#include "symmetry/sym_table.h"

namespace orn::test {

struct Tri {
  float p0x, p0y, p1x, p1y, p2x, p2y;
};

// The square's four edge triangles, counter-clockwise from the bottom edge.
inline const Tri kSquare[4] = {
    {100, 300, 300, 300, 200, -700},
    {300, 300, 300, 100, -700, 200},
    {300, 100, 100, 100, 200, 1100},
    {100, 100, 100, 300, 1100, 200},
};

inline Tri Shifted(const Tri& t, float dx, float dy) {
  return {t.p0x + dx, t.p0y + dy, t.p1x + dx, t.p1y + dy, t.p2x + dx, t.p2y + dy};
}

inline Tri Scaled(const Tri& t, float s) {
  return {t.p0x * s, t.p0y * s, t.p1x * s, t.p1y * s, t.p2x * s, t.p2y * s};
}

inline SymItem Item(const Tri& t, int group, float reflect = 0.0f) {
  return {group, 1, 0, reflect, t.p0x, t.p0y, t.p1x, t.p1y, (t.p0x + t.p1x) / 2, (t.p0y + t.p1y) / 2, t.p2x, t.p2y};
}

// One part: the first triangle is the base copy, the others its replicas.
inline std::vector<SymItem> Part(const std::vector<Tri>& tris, int group = 1,
                                 const std::vector<float>& reflects = {}) {
  std::vector<SymItem> items;
  for (std::size_t i = 0; i < tris.size(); ++i)
    items.push_back(Item(tris[i], i == 0 ? -group : group, i < reflects.size() ? reflects[i] : 0.0f));
  return items;
}

// The square cut into 4 rotated copies.
inline std::vector<SymItem> SquareC4() { return Part({kSquare[0], kSquare[1], kSquare[2], kSquare[3]}); }

// The square cut into 8: every edge once plain and once mirrored.
inline std::vector<SymItem> SquareD4() {
  return Part({kSquare[0], kSquare[0], kSquare[1], kSquare[1], kSquare[2], kSquare[2], kSquare[3],
               kSquare[3]},
              1, {0, -1, 0, -1, 0, -1, 0, -1});
}

// Where the test lists start their symmetry block; entry 0 stands in for the
// Geometric record the parts refer to.
constexpr int kBlockAt = 10;

inline SymRebuild LoadBlock(DrawingList& list, SymState& sym, const std::vector<SymItem>& items,
                            int part = 1) {
  list.G0[0] = 20006.0f;
  list.G1[0] = 2.0f;
  WriteSymBlock(list, sym, kBlockAt, items, part);
  list.NumPoints = static_cast<std::int16_t>(sym.SymEnd + 2);
  list.G0[list.NumPoints] = 20099.0f;
  sym.CurPart = part;
  return CheckSymData(sym, list);
}

// Collects the printer's segments.
struct PrintRecorder : PrintSink {
  struct Seg {
    float x1, y1, x2, y2;
    Rgb colour;
  };
  std::vector<Seg> segs;
  void PrintLine(float x1, float y1, float x2, float y2, Rgb colour) override {
    segs.push_back({x1, y1, x2, y2, colour});
  }
  float PrintScaleWidth() const override { return 500.0f; }
};

inline void PrintEverything(DrawContext& ctx, PrintRecorder& rec) {
  ctx.PrintPath = true;
  ctx.Printer = &rec;
  ctx.Clip = {-1.0e6f, 1.0e6f, 1.0e6f, -1.0e6f};
}

inline PolyShape Regular(int n) {
  PolyShape s;
  SetPolygonShape(s, n);
  return s;
}

}  // namespace orn::test
