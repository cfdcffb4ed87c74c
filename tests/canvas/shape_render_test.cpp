// Circle records and Geometric base shapes drawn through the replication.
#include <gtest/gtest.h>

#include <vector>

#include "canvas/shape_render.h"
#include "symmetry/sym_fixtures.h"

namespace orn {
namespace {

TEST(Circles, DrawTheCircleOrChordTheirPointsDefine) {
  struct Case { const char* what; std::vector<float> X, Y; int last, type; bool chord; };
  const Case cases[] = {
      {"three points on the rim", {100, 120, 140}, {100, 120, 100}, 2, 4, false},
      {"two points: the diameter", {100, 140, 140}, {100, 100, 100}, 1, 4, false},
      {"a last point equal to the second", {100, 140, 140}, {100, 100, 100}, 2, 4, false},
      {"three points on one line", {100, 120, 140}, {100, 100, 100}, 2, 4, false},
      {"an arc of two points: its chord", {100, 140, 140}, {100, 100, 100}, 1, 5, true},
      {"an arc through three points on one line: the chord of its ends", {100, 140, 120}, {100, 100, 100}, 2, 5, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SymState sym;
    DrawContext ctx;
    Surface canvas{300, 300}, expected{300, 300};
    ctx.Picture1 = &canvas;
    Circles(sym, ctx, c.X, c.Y, 0, c.last, kBlack, c.type);
    if (c.chord) {
      expected.line(100, 100, 140, 100);
      expected.pset(140, 100, kBlack);
    } else {
      expected.circle(120, 100, 20);
    }
    EXPECT_TRUE(canvas == expected);
  }
}

TEST(GeoSegments, ASquareDrawsFourEdgesAndTheCaptureRecordsItsCopyUpToTheTablesEnd) {
  // Vertices, the first repeated, then the centre.
  const std::vector<float> X = {100, 200, 200, 100, 100, 150}, Y = {200, 200, 100, 100, 200, 150};
  SymState sym;
  DrawContext ctx;
  Surface canvas{300, 300}, expected{300, 300};
  ctx.Picture1 = &canvas;
  sym.GeoCapture = 1;
  GeoSegments(sym, ctx, X, Y, 0, 5, kBlack, 6);
  expected.box(100, 100, 200, 200);
  EXPECT_TRUE(canvas == expected);
  ASSERT_EQ(sym.SymCount, 4);
  const auto& c2 = sym.SymData[2];
  EXPECT_EQ(std::vector<int>(c2.begin() + 1, c2.begin() + 12),
            (std::vector<int>{175, 150, 200, 200, 200, 100, 150, 150, 200, 150, 0}));
  EXPECT_FALSE(sym.CaptureOverflow);

  SymState full;
  full.GeoCapture = 1;
  full.SymCount = kMaxCopy - 1;
  GeoSegments(full, ctx, X, Y, 0, 5, kBlack, 6);
  EXPECT_EQ(full.SymCount, kMaxCopy);
  EXPECT_TRUE(full.CaptureOverflow);
  SymState plain;  // outside a capture the table is not touched
  GeoSegments(plain, ctx, X, Y, 0, 5, kBlack, 6);
  EXPECT_EQ(plain.SymCount, 0);
}

}  // namespace
}  // namespace orn
