// Picture parts after a set-up: choosing a part, its highlights, and strokes
// replicated into its copies (limited by the working symmetry).
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "model/record_codes.h"
#include "setup_fixtures.h"
#include "symmetry/parts_select.h"
#include "symmetry/replication.h"
#include "symmetry/setup_accept.h"
#include "symmetry/setup_capture.h"
#include "symmetry/setup_handles.h"
#include "symmetry/sym_records.h"
#include "symmetry/working_sym_value.h"

namespace orn {
namespace {

using testing::AddPolygon;

// A square on (100,300)-(300,300) set up as one part of four copies: the
// base on the bottom edge, the others plain, or alternately mirrored.
struct Rosette {
  DrawingList list;
  SymState sym;
  SetupState setup;
  Surface canvas{400, 400};
  DrawContext ctx;

  explicit Rosette(bool mirrored) {
    AddPolygon(list, PolyShape(), 100, 300, 300, 300);
    CaptureLeadingShapes(sym, list);
    sym.GeoCapture = 2;
    for (int k = 1; k <= 4; ++k) {
      sym.SymData[k][kGroup] = k == 1 ? -1.0f : 1.0f;
      if (mirrored && k % 2 == 0) sym.SymData[k][kOrient] = -sym.SymData[k][kOrient];
    }
    setup.CurSymType = 1;
    EXPECT_EQ(AcceptSymmetry(setup, sym, list).result, AcceptResult::Written);
    EXPECT_EQ(CheckSymData(sym, list), SymRebuild::Valid);
    ctx.Picture1 = &canvas;
  }
  Rgb px(int x, int y) const { return static_cast<Rgb>(canvas.point(x, y)); }
};

TEST(PartsSelect, ChoicesInARowLeaveOneEntryAndNeverTouchTheBlocksEnd) {
  Rosette r(false);
  const int end = r.list.NumPoints;
  const float closing = r.list.G1[r.sym.SymEnd];
  // The block's closing entry and Mark stand right before the end marker;
  // choosing a part appends its own entry.
  ASSERT_TRUE(SelectPart(r.list, r.sym, 2).done);
  EXPECT_EQ(r.list.G0[end], kSymChangeCode);
  EXPECT_EQ(r.list.G1[end], 102.0f);
  EXPECT_EQ(r.list.G0[end + 1], float(kCodeEnd));
  EXPECT_EQ(r.list.NumPoints, end + 1);
  ASSERT_TRUE(SelectPart(r.list, r.sym, 3).done);
  EXPECT_EQ(r.list.G1[end], 103.0f);
  ASSERT_TRUE(SelectPart(r.list, r.sym, 0).done);
  EXPECT_EQ(r.list.G1[end], 100.0f);
  EXPECT_EQ(r.list.NumPoints, end + 1);
  EXPECT_EQ(r.list.ItemHead, r.list.NumPoints);
  EXPECT_EQ(r.sym.CurPart, 0);
  EXPECT_EQ(r.list.G1[r.sym.SymEnd], closing);

  // With the Mark undone, the closing entry stands just before the end
  // marker: it still is not replaced.
  DrawingList l2 = r.list;
  SymState s2 = r.sym;
  l2.NumPoints = static_cast<std::int16_t>(s2.SymEnd + 1);
  l2.ItemHead = l2.ItemFirst = l2.NumPoints;
  l2.G0[l2.NumPoints] = float(kCodeEnd);
  ASSERT_TRUE(SelectPart(l2, s2, 1).done);
  EXPECT_EQ(l2.G1[s2.SymEnd], closing);
  EXPECT_EQ(l2.G0[s2.SymEnd + 1], kSymChangeCode);

  EXPECT_FALSE(SelectPart(r.list, r.sym, 6).done);
  EXPECT_FALSE(SelectPart(r.list, r.sym, -1).done);
}

TEST(PartsSelect, PressHighlightToggles) {
  Rosette r(false);
  r.sym.CurPart = 1;
  const Surface before = r.canvas;
  ShowSymme(r.sym, r.ctx, r.list, 0);
  EXPECT_FALSE(r.canvas == before);
  // A cyan box round the handle of copy 2 ((250,200) on white XOR cyan = red).
  EXPECT_EQ(r.px(252, 200), 0xFFFFFFu ^ kPartHighlight);
  ShowSymme(r.sym, r.ctx, r.list, 0);
  EXPECT_TRUE(r.canvas == before);

  r.sym.CurPart = 0;  // no part: nothing drawn
  ShowSymme(r.sym, r.ctx, r.list, 0);
  EXPECT_TRUE(r.canvas == before);
}

TEST(PartsSelect, YellowBaseShapeFillsOnlyTheBaseCellsShape) {
  DrawingList list;
  AddPolygon(list, PolyShape(), 100, 300, 200, 300);
  AddPolygon(list, PolyShape(), 200, 300, 300, 300);
  SymState sym;
  CaptureLeadingShapes(sym, list);
  sym.GeoCapture = 2;
  for (int k = 1; k <= 8; ++k) sym.SymData[k][kGroup] = k == 1 ? -1.0f : 1.0f;
  SetupState setup;
  setup.CurSymType = 1;
  AcceptSymmetry(setup, sym, list);
  ASSERT_EQ(CheckSymData(sym, list), SymRebuild::Valid);
  Surface canvas(400, 400);
  DrawContext ctx;
  ctx.Picture1 = &canvas;
  ShowSymme(sym, ctx, list, 1);
  EXPECT_EQ(canvas.point(150, 250), kYellow);
  EXPECT_EQ(canvas.point(250, 250), kWhite);  // the second square is a copy, not the base

  // A RefGeo that does not name a base shape draws nothing.
  sym.SymGroups[1][kRefGeo] = 9;
  Surface clean(400, 400);
  ctx.Picture1 = &clean;
  ShowSymme(sym, ctx, list, 1);
  EXPECT_TRUE(clean == Surface(400, 400));
}

// A base shape whose centre lies half a pixel from its right side: the
// centre rounds to the even pixel inside the shape, not onto its outline.
TEST(PartsSelect, YellowBaseShapeRoundsItsCentreHalvesToEven) {
  DrawingList list;
  ASSERT_TRUE(list.CreateItem(6, 0, 100, 250));
  for (auto [x, y] : {std::pair{151.0f, 250.0f}, {151.0f, 150.0f}, {100.0f, 150.0f},
                      {100.0f, 250.0f}, {150.5f, 200.0f}})
    ASSERT_TRUE(list.AddPoint(x, y, 6));
  ASSERT_TRUE(list.closeRecord());
  SymState sym;
  ASSERT_EQ(CaptureLeadingShapes(sym, list), 4);
  sym.GeoCapture = 2;
  for (int k = 1; k <= 4; ++k) sym.SymData[k][kGroup] = k == 1 ? -1.0f : 1.0f;
  SetupState setup;
  setup.CurSymType = 1;
  ASSERT_EQ(AcceptSymmetry(setup, sym, list).result, AcceptResult::Written);
  ASSERT_EQ(CheckSymData(sym, list), SymRebuild::Valid);
  Surface canvas(400, 400);
  DrawContext ctx;
  ctx.Picture1 = &canvas;
  ShowSymme(sym, ctx, list, 1);
  EXPECT_EQ(canvas.point(150, 200), kYellow);
  EXPECT_EQ(canvas.point(120, 180), kYellow);
  EXPECT_EQ(canvas.point(151, 200), kWhite);  // the outline, white again
  EXPECT_EQ(canvas.point(160, 200), kWhite);
}

// A part may be its base copy alone; made from the first base shape, its
// row of the part table is all zeros, and it is highlighted all the same.
TEST(PartsSelect, APartOfItsBaseCopyAloneIsHighlighted) {
  DrawingList list;
  AddPolygon(list, PolyShape(), 100, 300, 300, 300);
  SymState sym;
  CaptureLeadingShapes(sym, list);
  sym.GeoCapture = 2;
  sym.SymData[1][kGroup] = -1.0f;
  SetupState setup;
  setup.CurSymType = 1;
  ASSERT_EQ(AcceptSymmetry(setup, sym, list).result, AcceptResult::Written);
  ASSERT_EQ(CheckSymData(sym, list), SymRebuild::Valid);
  ASSERT_EQ(sym.SymGroups[1], (std::array<int, 3>{0, 0, 0}));
  Surface canvas(400, 400);
  DrawContext ctx;
  ctx.Picture1 = &canvas;
  ShowSymme(sym, ctx, list, 0);
  // The cyan box round the base copy's handle (200,250).
  EXPECT_EQ(canvas.point(202, 250), 0xFFFFFFu ^ kPartHighlight);
  ShowSymme(sym, ctx, list, 0);
  EXPECT_TRUE(canvas == Surface(400, 400));
  ShowSymme(sym, ctx, list, 1);
  EXPECT_EQ(canvas.point(200, 200), kYellow);

  // Part 2 has no copies at all: nothing is drawn for it.
  sym.CurPart = 2;
  Surface clean(400, 400);
  ctx.Picture1 = &clean;
  ShowSymme(sym, ctx, list, 0);
  ShowSymme(sym, ctx, list, 1);
  EXPECT_TRUE(clean == Surface(400, 400));
}

TEST(PartsSelect, AStrokeInTheBaseCellAppearsInEveryCopyMirroredWhereMarked) {
  for (bool mirrored : {false, true}) {
    Rosette r(mirrored);
    r.sym.CurPart = 1;
    ASSERT_EQ(CheckSymData(r.sym, r.list), SymRebuild::Valid);
    ASSERT_EQ(r.sym.LastCopy - r.sym.BaseCopy, 3);
    // From (150,280) to (150,290) in the base cell (near the bottom edge).
    SymmLine(r.sym, r.ctx, 150, 280, 150, 290, kBlack);
    EXPECT_EQ(r.px(150, 285), kBlack);
    // Rotations about the centre (200,200): copy 2 the right edge, 3 the
    // top, 4 the left. Mirrored copies 2 and 4 are reflected.
    if (!mirrored) {
      EXPECT_EQ(r.px(285, 250), kBlack);
      EXPECT_EQ(r.px(250, 115), kBlack);
      EXPECT_EQ(r.px(115, 150), kBlack);
      EXPECT_EQ(r.px(285, 150), kWhite);
    } else {
      EXPECT_EQ(r.px(285, 150), kBlack);
      EXPECT_EQ(r.px(250, 115), kBlack);
      EXPECT_EQ(r.px(115, 250), kBlack);
      EXPECT_EQ(r.px(285, 250), kWhite);
    }
  }
}

TEST(PartsSelect, WorkingSymmetryLimitsLinesButNotFills) {
  Rosette r(false);
  r.sym.CurPart = 1;
  CheckSymData(r.sym, r.list);
  r.sym.WorkingSym = 1;
  SymmLine(r.sym, r.ctx, 150, 280, 150, 290, kBlack);
  EXPECT_EQ(r.px(150, 285), kBlack);
  EXPECT_EQ(r.px(285, 250), kBlack);   // one replica
  EXPECT_EQ(r.px(250, 115), kWhite);   // not the others
  EXPECT_EQ(r.px(115, 150), kWhite);

  EXPECT_EQ(PartCopiesOf(r.sym), 3);
  // The values offered for 3 replicas: None, 1, 2 and All.
  EXPECT_EQ(ShowWorkSym(0, 3).label, "None");
  EXPECT_EQ(ShowWorkSym(2, 3).label, "2");
  EXPECT_EQ(ShowWorkSym(3, 3).value, kAllReplicas);
  EXPECT_EQ(ShowWorkSym(900, 3).label, "All");
  EXPECT_EQ(ShowWorkSym(999, 3).value, 2);  // one step down from All
  EXPECT_EQ(ShowWorkSym(999, 1).label, "None");
  r.sym.CurPart = 0;
  EXPECT_EQ(PartCopiesOf(r.sym), 0);
}

}  // namespace
}  // namespace orn
