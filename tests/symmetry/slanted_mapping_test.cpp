// Points and strokes carried into copies whose triangles are slanted, steep,
// upright, turned or mirrored: the base cells of real pictures rarely have a
// horizontal base edge, and only a slanted one tells every term of the
// mapping apart.
//
// The expected images are worked out from the affine map that carries the
// base triangle onto a copy's: a point that is a P0 + b P1 + c P2 in the base
// (a + b + c = 1) lands on a C0 + b C1 + c C2 in a plain copy and on
// b C0 + a C1 + c C2 in a mirrored one, whose base edge is walked backwards.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "sym_fixtures.h"
#include "symmetry/replication.h"

namespace orn {
namespace {

using test::Tri;

struct Pt {
  double x, y;
};

// Weights of P0, P1 and the apex P2; they add up to 1.
struct Weights {
  double a, b, c;
};

Pt At(const Tri& t, Weights w, bool mirrored = false) {
  const double a = mirrored ? w.b : w.a, b = mirrored ? w.a : w.b;
  return {a * t.p0x + b * t.p1x + w.c * t.p2x, a * t.p0y + b * t.p1y + w.c * t.p2y};
}

// Carries a triangle through a whole-number map of the canvas.
template <class Map>
Tri Through(const Tri& t, Map map) {
  const Pt p0 = map(Pt{t.p0x, t.p0y}), p1 = map(Pt{t.p1x, t.p1y}), p2 = map(Pt{t.p2x, t.p2y});
  return {float(p0.x), float(p0.y), float(p1.x), float(p1.y), float(p2.x), float(p2.y)};
}

Pt Moved(Pt p) { return {p.x + 200, p.y + 30}; }
Pt Turned(Pt p) { return {400 - p.y, p.x}; }        // a quarter turn about (200, 200)
Pt HalfTurned(Pt p) { return {400 - p.x, 400 - p.y}; }
Pt Mirrored(Pt p) { return {400 - p.x, p.y}; }      // across the line x = 200
Pt Halved(Pt p) { return {p.x / 2 + 200, p.y / 2 + 200}; }

// Base cells of every kind. The 3-4-5 edge and its perpendiculars keep the
// hand-worked values whole.
struct Base {
  const char* kind;
  Tri t;
};
const Base kBases[] = {
    {"slanted, 3-4-5 edge", {100, 100, 180, 160, 110, 170}},
    {"slanted, apex on the other side", {100, 100, 180, 160, 170, 90}},
    {"steep, edge running up and left", {150, 160, 90, 80, 160, 50}},
    {"upright edge", {120, 170, 120, 90, 60, 130}},
    {"edge at exactly 45 degrees", {100, 100, 160, 160, 100, 160}},
    {"scalene, apex far to one side", {100, 150, 170, 120, 190, 190}},
};

// Points inside the cell, on its base edge and corners, below the edge,
// beyond the apex, and on the line through the apex parallel to the edge
// (where the line from the apex never meets the edge).
const Weights kPoints[] = {
    {0.6, 0.2, 0.2}, {0.5, 0.5, 0.0}, {1, 0, 0},       {0, 1, 0},          {0, 0, 1},
    {0.8, 0.4, -0.2}, {-0.5, 0.25, 1.25}, {0.3, -0.3, 1.0}, {0.25, 0.75, 0},
};

struct Copy {
  const char* kind;
  Tri t;
  bool mirrored;
};

// The copies of a base cell: itself, and moved, turned and mirrored images of
// it, plain and by the reflect flag, and a triangle of another shape.
std::vector<Copy> CopiesOf(const Tri& b) {
  const Tri other{330, 40, 390, 95, 300, 130};
  // A mirror image kept plain by listing its corners in mirrored order.
  const Tri m = Through(b, Mirrored);
  const Tri swapped{m.p1x, m.p1y, m.p0x, m.p0y, m.p2x, m.p2y};
  return {
      {"the base itself", b, false},          {"moved", Through(b, Moved), false},
      {"moved, mirrored", Through(b, Moved), true}, {"turned a quarter", Through(b, Turned), false},
      {"turned, mirrored", Through(b, Turned), true}, {"turned a half", Through(b, HalfTurned), false},
      {"itself, mirrored", b, true},          {"mirror image, corners swapped", swapped, true},
      {"another shape", other, false},        {"another shape, mirrored", other, true},
  };
}

std::vector<SymItem> PartOf(const std::vector<Copy>& copies) {
  std::vector<SymItem> items;
  for (const Copy& c : copies) items.push_back(test::Item(c.t, items.empty() ? -1 : 1, c.mirrored ? -1.0f : 0.0f));
  return items;
}

// The weights helper against values worked out by hand for the 3-4-5 cell:
// the point 30 along its edge and 10 off it is (118, 126).
TEST(SlantedMapping, TheHandWorkedPointOfTheThreeFourFiveCell) {
  const Tri& b = kBases[0].t;
  const Weights w{0.6, 0.2, 0.2};
  const struct {
    Pt got, want;
  } cases[] = {
      {At(b, w), {118, 126}},
      {At(b, w, true), {150, 150}},                 // 70 along the edge, 10 off it
      {At(Through(b, Moved), w), {318, 156}},
      {At(Through(b, Turned), w), {274, 118}},
      {At(Through(b, Mirrored), w), {282, 126}},
      {At(b, {0.3, -0.3, 1.0}), {86, 152}},         // on the line through the apex
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(c.got.x, c.want.x, 1e-9);
    EXPECT_NEAR(c.got.y, c.want.y, 1e-9);
  }
}

TEST(SlantedMapping, EveryPointOfEveryKindOfBaseCellLandsOnItsImageInEveryCopy) {
  for (const Base& base : kBases) {
    SCOPED_TRACE(base.kind);
    const std::vector<Copy> copies = CopiesOf(base.t);
    DrawingList list;
    SymState sym;
    ASSERT_EQ(test::LoadBlock(list, sym, PartOf(copies)), SymRebuild::Valid);
    ASSERT_EQ(sym.LastCopy - sym.BaseCopy + 1, int(copies.size()));
    for (const Weights& w : kPoints) {
      const Pt p = At(base.t, w);
      SCOPED_TRACE(::testing::Message() << "point (" << p.x << ", " << p.y << ")");
      UV uv;
      ASSERT_TRUE(PointToUV(sym, sym.BaseCopy, p.x, p.y, uv));
      for (int k = 0; k < int(copies.size()); ++k) {
        const Copy& c = copies[std::size_t(k)];
        const Pt want = At(c.t, w, c.mirrored);
        Pt got{};
        ASSERT_TRUE(UVToCopy(sym, sym.BaseCopy + k, uv, got.x, got.y)) << c.kind;
        EXPECT_NEAR(got.x, want.x, 2e-3) << c.kind;
        EXPECT_NEAR(got.y, want.y, 2e-3) << c.kind;
      }
    }
  }
}

// A mirrored copy of an isosceles cell is the cell reflected across its own
// axis: the mapping needs no help from the test's weights to say so. The
// 3-4-5 cell's axis runs through (140, 130) along (-0.6, 0.8).
TEST(SlantedMapping, TheMirroredCopyOfAnIsoscelesSlantedCellReflectsAcrossItsAxis) {
  const Tri& b = kBases[0].t;
  DrawingList list;
  SymState sym;
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part({b, b}, 1, {0, -1})), SymRebuild::Valid);
  const struct {
    Pt p, image;
  } cases[] = {
      {{118, 126}, {150, 150}}, {{100, 100}, {180, 160}}, {{110, 170}, {110, 170}},
      {{140, 130}, {140, 130}}, {{170, 140}, {122, 104}},  // 80 along the edge, 10 below it
  };
  for (const auto& c : cases) {
    UV uv;
    Pt got{};
    ASSERT_TRUE(PointToUV(sym, 0, c.p.x, c.p.y, uv));
    ASSERT_TRUE(UVToCopy(sym, 1, uv, got.x, got.y));
    EXPECT_NEAR(got.x, c.image.x, 2e-3) << c.p.x << "," << c.p.y;
    EXPECT_NEAR(got.y, c.image.y, 2e-3) << c.p.x << "," << c.p.y;
  }
}

// Strokes with whole-number ends drawn in a slanted base cell land on the
// canvas exactly where the same strokes carried by the copies' whole-number
// maps land: turned, half turned, mirrored by the flag and by corner order.
TEST(SlantedMapping, StrokesInASlantedCellAreExactTurnsAndMirrorImagesOnTheCanvas) {
  const Tri& b = kBases[0].t;
  const Tri m = Through(b, Mirrored);
  const Tri flagged{m.p1x, m.p1y, m.p0x, m.p0y, m.p2x, m.p2y};
  DrawingList list;
  SymState sym;
  ASSERT_EQ(test::LoadBlock(list, sym,
                            test::Part({b, Through(b, Turned), Through(b, HalfTurned), flagged, Through(b, Mirrored)},
                                       1, {0, 0, 0, -1, 0})),
            SymRebuild::Valid);
  Pt (*const images[])(Pt) = {[](Pt p) { return p; }, Turned, HalfTurned, Mirrored, Mirrored};

  Surface canvas(400, 400), expected(400, 400);
  expected.setPenColor(kBlack);
  DrawContext ctx;
  ctx.Picture1 = &canvas;
  std::mt19937 random(7);
  std::uniform_int_distribution<int> x(95, 185), y(90, 175);
  for (int stroke = 0; stroke < 200; ++stroke) {
    const Pt a{double(x(random)), double(y(random))}, e{double(x(random)), double(y(random))};
    canvas.clear();
    expected.clear();
    SymmLine(sym, ctx, float(a.x), float(a.y), float(e.x), float(e.y), kBlack);
    for (auto image : images) {
      const Pt ia = image(a), ie = image(e);
      expected.line(int(ia.x), int(ia.y), int(ie.x), int(ie.y));
      expected.plot(int(ie.x), int(ie.y));
    }
    ASSERT_TRUE(canvas == expected) << "stroke (" << a.x << ", " << a.y << ")-(" << e.x << ", " << e.y << ")";
  }
}

// Circles and arcs keep their shape in every copy, their radius scaled with
// the copy's base edge: the 3-4-5 cell's edge is 100 long, the halved
// copy's 50.
TEST(SlantedMapping, CirclesAndArcsLandInTurnedHalvedAndMirroredCopiesScaledWithTheEdge) {
  const Tri& b = kBases[0].t;
  DrawingList list;
  SymState sym;
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part({b, Through(b, Turned), Through(b, Halved), b}, 1, {0, 0, 0, -1})),
            SymRebuild::Valid);
  // (118, 126) is carried to (274, 118), (259, 263) and (150, 150).
  const struct {
    int x, y, r10, r20;
  } centres[] = {{118, 126, 10, 20}, {274, 118, 10, 20}, {259, 263, 5, 10}, {150, 150, 10, 20}};

  Surface canvas(400, 400), expected(400, 400);
  expected.setPenColor(kBlack);
  DrawContext ctx;
  ctx.Picture1 = &canvas;
  std::vector<float> X, Y;
  SymmCircle(sym, ctx, X, Y, 118, 126, 10, kBlack, 3, 0, 0);
  for (const auto& c : centres) expected.circle(c.x, c.y, c.r10);
  EXPECT_TRUE(canvas == expected);

  // A quarter arc of radius 20 from due right to due up: every pixel of
  // each copy's arc lies its own radius from its own centre.
  canvas.clear();
  X = {138, 118, 132.14f};
  Y = {126, 106, 111.86f};
  SymmCircle(sym, ctx, X, Y, 118, 126, 20, kBlack, kArcType, 0, 2);
  for (const auto& c : centres) {
    SCOPED_TRACE(::testing::Message() << "arc around (" << c.x << ", " << c.y << ")");
    int inked = 0;
    const int reach = c.r20 + 2;  // a square that holds no other copy's arc
    for (int y = c.y - reach; y <= c.y + reach; ++y) {
      for (int x = c.x - reach; x <= c.x + reach; ++x) {
        if (canvas.point(x, y) == std::int64_t(kWhite)) continue;
        ++inked;
        EXPECT_NEAR(std::hypot(x - c.x, y - c.y), c.r20, 1.5) << x << "," << y;
      }
    }
    EXPECT_GT(inked, c.r20);
  }
}

}  // namespace
}  // namespace orn
