// The set-up: capturing the base shapes' edges as copies, clicks on their
// handles, accepting (the symmetry block written and read back), choosing a
// part and its highlight.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/record_codes.h"
#include "support/list_builder.h"
#include "support/scripted_host.h"
#include "sym_fixtures.h"
#include "symmetry/parts_select.h"
#include "symmetry/setup_accept.h"
#include "symmetry/setup_capture.h"
#include "symmetry/setup_handles.h"
#include "symmetry/working_sym_value.h"

namespace orn {
namespace {

using test::AddPolygon;
using test::AddShape;
using test::EntriesOf;

// A Mark over the end marker, as the Mark command writes it.
void AddMark(DrawingList& list) { test::Append(list, {{kMarkCode, 0.0f}}); }

int MarksInARow(const DrawingList& l) {
  int worst = 0, run = 0;
  for (int i = 0; i <= l.NumPoints; ++i) worst = std::max(worst, run = l.G0[i] == kMarkCode ? run + 1 : 0);
  return worst;
}

std::vector<SymItem> Block(const DrawingList& l, const SymState& s) {
  std::vector<SymItem> v;
  EXPECT_TRUE(ReadSymBlock(l, s, v));
  return v;
}

// A picture with base shapes and strokes, in set-up with its copies captured.
struct Picture {
  DrawingList list;
  SymState sym;
  SetupState setup;
  Surface canvas{600, 600};
  DrawContext ctx;
  test::ScriptedHost host;

  Picture() { ctx.Picture1 = &canvas; }
  void enterSetup() {
    sym.GeoCapture = 2;
    CaptureLeadingShapes(sym, list);
    SymShowHandles(sym, canvas, 0, true);
    setup = SetupState{};
    if (sym.SymStart != sym.SymEnd) {
      MatchSymRecords(setup, sym, list);
      setup.CurSymType = static_cast<int>(std::lround(list.G1[sym.SymEnd]));
    }
  }
  // Clicks the handle of the copy whose edge starts at (x, y).
  void clickEdge(float x, float y) {
    for (int k = 1; k <= sym.SymCount; ++k) {
      const auto& f = sym.SymData[k];
      if (f[kEdgeP0x] == x && f[kEdgeP0y] == y) {
        SymTestHandle(setup, sym, canvas, host, 1, 0, f[kHandlePosX], f[kHandlePosY]);
        return;
      }
    }
    FAIL() << "no edge starts at " << x << ", " << y;
  }
  // Copy 1 as the base of part 1 and copies 2..members as its members, then OK.
  void accept(int members) {
    for (int k = 1; k <= members; ++k) sym.SymData[k][kGroup] = k == 1 ? -1.0f : 1.0f;
    setup.CurSymType = 1;
    ASSERT_EQ(AcceptSymmetry(setup, sym, list).result, AcceptResult::Written);
    ASSERT_EQ(CheckSymData(sym, list), SymRebuild::Valid);
  }
  // One square on (100,300)-(300,300) in set-up. Handles: copy 1 (200,294),
  // 2 (294,200), 3 (200,106), 4 (106,200).
  void square() {
    AddPolygon(list, PolyShape(), 100, 300, 300, 300);
    enterSetup();
  }
  HandleAction click(float x, float y) { return SymTestHandle(setup, sym, canvas, host, 1, 0, x, y); }
  Rgb px(int x, int y) const { return static_cast<Rgb>(canvas.point(x, y)); }
};

TEST(SetupCapture, OneSquareGivesFourCopiesWithEdgesCentreMatchPointsAndHandles) {
  Picture p;
  p.square();  // handles sit 6 units inside each edge's midpoint
  ASSERT_EQ(p.sym.SymCount, 4);
  const float want[4][8] = {{100, 300, 300, 300, 200, 250, 200, 294},
                            {300, 300, 300, 100, 250, 200, 294, 200},
                            {300, 100, 100, 100, 200, 150, 200, 106},
                            {100, 100, 100, 300, 150, 200, 106, 200}};
  for (int k = 1; k <= 4; ++k) {
    SCOPED_TRACE(k);
    const auto& f = p.sym.SymData[k];
    const float* w = want[k - 1];
    EXPECT_FLOAT_EQ(f[kGroup], 0);
    EXPECT_FLOAT_EQ(f[kOrient], 2);  // the record's first point
    const float got[8] = {f[kEdgeP0x], f[kEdgeP0y], f[kEdgeP1x], f[kEdgeP1y],
                          f[kMatchX], f[kMatchY], f[kHandlePosX], f[kHandlePosY]};
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(got[i], w[i], 1e-3) << i;
    EXPECT_NEAR(f[kCentreX], 200, 1e-3);
    EXPECT_NEAR(f[kCentreY], 200, 1e-3);
  }
}

TEST(SetupCapture, TwoSquaresAndAHexagonAreNumberedInListOrderAndStopAtStrokes) {
  DrawingList list;
  AddPolygon(list, PolyShape(), 100, 300, 300, 300);
  AddPolygon(list, PolyShape(), 300, 300, 500, 300);
  AddPolygon(list, test::Regular(6), 100, 500, 200, 500);
  AddShape(list, kTypePolyLine, {{10, 10}, {20, 20}});
  AddPolygon(list, PolyShape(), 0, 0, 50, 0);  // after a stroke: no longer a base shape
  SymState sym;
  ASSERT_EQ(CaptureLeadingShapes(sym, list), 14);
  EXPECT_FLOAT_EQ(sym.SymData[5][kEdgeP0x], 300);
  EXPECT_FLOAT_EQ(sym.SymData[5][kOrient], 10);
  EXPECT_NEAR(sym.SymData[5][kCentreX], 400, 1e-3);
  EXPECT_NEAR(sym.SymData[9][kCentreX], 150, 1e-3);
  EXPECT_NEAR(sym.SymData[9][kCentreY], 413.397, 1e-3);
  EXPECT_FALSE(sym.CaptureOverflow);

  DrawingList strokeFirst;
  AddShape(strokeFirst, kTypePolyLine, {{10, 10}, {20, 20}});
  AddPolygon(strokeFirst, PolyShape(), 100, 300, 300, 300);
  EXPECT_EQ(CaptureLeadingShapes(sym, strokeFirst), 0);
}

TEST(SetupCapture, MoreThan800EdgesKeepTheFirst800AndSayItOnce) {
  DrawingList list;
  const PolyShape big = test::Regular(35);
  for (int p = 0; p < 23; ++p) AddPolygon(list, big, 10.0f * p, 500, 10.0f * p + 8, 500);
  SymState sym;
  EXPECT_EQ(CaptureLeadingShapes(sym, list), kMaxSetupCopies);
  EXPECT_TRUE(sym.CaptureOverflow);
  // Copy 800 is edge 30 of the 23rd polygon: nothing past the table was touched.
  EXPECT_FLOAT_EQ(sym.SymData[800][kEdgeP0x], list.G0[static_cast<int>(sym.SymData[800][kOrient]) + 29]);
}

TEST(SetupHandles, HitToleranceAndFirstColumnWins) {
  Picture s;
  s.square();
  EXPECT_EQ(FindHandle(s.sym, 202.9f, 294), 1);
  EXPECT_EQ(FindHandle(s.sym, 203.0f, 294), 0);
  EXPECT_EQ(FindHandle(s.sym, 200, 291.1f), 1);
  EXPECT_EQ(FindHandle(s.sym, 200, 291.0f), 0);
  s.sym.SymData[3][kHandlePosX] = 201;  // two handles within reach: the lower column is taken
  s.sym.SymData[3][kHandlePosY] = 294;
  EXPECT_EQ(FindHandle(s.sym, 200.5f, 294), 1);
  EXPECT_EQ(s.click(50, 50), HandleAction::Missed);
  EXPECT_EQ(s.setup.SymActive, 0);
}

// A free copy's red handle is a filled square a user can see, and every
// pixel of it hits the handle while none around it does.
TEST(SetupHandles, TheRedHandleIsASquareExactlyAsLargeAsWhereAClickHitsIt) {
  Picture s;
  s.square();
  for (int k = 1; k <= s.sym.SymCount; ++k) {
    const auto& f = s.sym.SymData[static_cast<std::size_t>(k)];
    const int cx = toPixel(f[kHandlePosX]), cy = toPixel(f[kHandlePosY]);
    int red = 0;
    for (int dy = -4; dy <= 4; ++dy)
      for (int dx = -4; dx <= 4; ++dx) {
        const bool onMark = s.px(cx + dx, cy + dy) == kHandleRed;
        red += onMark;
        EXPECT_EQ(onMark, FindHandle(s.sym, float(cx + dx), float(cy + dy)) == k)
            << "copy " << k << " at " << dx << "," << dy;
      }
    EXPECT_EQ(red, 25) << "copy " << k;
  }
}

TEST(SetupHandles, ClicksCycleBasePlainMirroredFreeAndTheMarksFollow) {
  Picture s;
  s.square();
  EXPECT_EQ(s.px(199, 293), kHandleRed);  // a free copy: a red square
  EXPECT_EQ(s.px(200, 294), kHandleRed);
  const auto copy1 = s.sym.SymData[1];
  const auto copy4 = s.sym.SymData[4];
  // The group was empty, so copy 4 becomes its base and moves to the front.
  ASSERT_EQ(s.click(106, 200), HandleAction::Joined);
  EXPECT_EQ(s.sym.SymData[1][kEdgeP0x], copy4[kEdgeP0x]);
  EXPECT_EQ(s.sym.SymData[1][kGroup], -1);
  EXPECT_EQ(s.sym.SymData[4], copy1);
  const auto before = s.sym.SymData;
  EXPECT_EQ(s.click(106, 200), HandleAction::BaseRefused);
  ASSERT_EQ(s.host.texts().size(), 1u);
  EXPECT_EQ(s.host.texts()[0], kBaseClickText);
  EXPECT_EQ(s.sym.SymData, before);

  // Copy 3: 'b' (stem on the P0 side, the right), 'd', free (red box again),
  // then 'b' as a plain member: the group was used, so no second base.
  ASSERT_EQ(s.click(200, 106), HandleAction::Joined);
  ASSERT_EQ(s.sym.SymData[2][kGroup], 1);
  EXPECT_EQ(s.px(204, 114), kBlack);
  ASSERT_EQ(s.click(200, 106), HandleAction::Mirrored);
  EXPECT_LT(s.sym.SymData[2][kOrient], 0);
  EXPECT_EQ(s.px(204, 114), kWhite);
  EXPECT_EQ(s.px(196, 114), kBlack);
  ASSERT_EQ(s.click(200, 106), HandleAction::Left);
  EXPECT_EQ(s.sym.SymData[2][kGroup], 0);
  EXPECT_EQ(s.px(199, 105), kHandleRed);
  ASSERT_EQ(s.click(200, 106), HandleAction::Joined);
  EXPECT_EQ(s.sym.SymData[2][kGroup], 1);
  EXPECT_EQ(s.setup.GroupCounts[1], 3);
}

TEST(SetupHandles, MovingTheBaseAndNeverOntoAnotherGroupsBase) {
  Picture s;
  s.square();
  s.click(200, 294);  // copy 1: base of group 1
  s.click(294, 200);  // copy 2: member ...
  s.click(294, 200);  // ... mirrored
  s.setup.MovingBase = true;
  EXPECT_EQ(s.click(10, 10), HandleAction::Missed);
  EXPECT_TRUE(s.setup.MovingBase);  // still waiting for a handle
  ASSERT_EQ(s.click(294, 200), HandleAction::BaseMoved);
  EXPECT_FALSE(s.setup.MovingBase);
  EXPECT_EQ(s.sym.SymData[1][kGroup], 1);   // the old base is a member now
  EXPECT_EQ(s.sym.SymData[2][kGroup], -1);  // the new base, never mirrored
  EXPECT_GT(s.sym.SymData[2][kOrient], 0);
  EXPECT_EQ(s.setup.GroupCounts[1], 2);

  s.setup.CurSymGroup = 2;
  s.click(200, 106);  // copy 3: base of group 2
  ASSERT_EQ(s.sym.SymData[3][kGroup], -2);
  s.setup.CurSymGroup = 1;
  s.setup.MovingBase = true;
  const auto before = s.sym.SymData;
  EXPECT_EQ(s.click(200, 106), HandleAction::MoveRefused);
  EXPECT_EQ(s.sym.SymData, before);
  EXPECT_TRUE(s.setup.MovingBase);
  EXPECT_EQ(s.host.texts().size(), 1u);
}

TEST(SetupAccept, FirstOkWritesTheBlockAfterTheBaseShapesAndKeepsTheDrawingExactly) {
  Picture p;
  AddPolygon(p.list, PolyShape(), 100, 300, 300, 300);  // entries 0..7
  AddShape(p.list, kTypePolyLine, {{150, 280}, {160, 270}, {30000, 5}});
  p.list.ensureIndex(p.list.NumPoints + 3);
  const int paint = p.list.NumPoints;  // a fill whose colour and seed must come back exactly
  const float fill[4][2] = {{20010, 2}, {20077, 3}, {21305, 16777215}, {150.123456f, 280.987654f}};
  for (int i = 0; i < 4; ++i) {
    p.list.G0[paint + i] = fill[i][0];
    p.list.G1[paint + i] = fill[i][1];
  }
  p.list.NumPoints = static_cast<std::int16_t>(paint + 3);
  p.list.ItemHead = static_cast<std::int16_t>(paint);
  p.list.ItemFirst = static_cast<std::int16_t>(paint + 2);
  ASSERT_TRUE(p.list.closeRecord());
  const test::Entries strokes = EntriesOf(p.list, 8, p.list.NumPoints);

  p.enterSetup();
  p.clickEdge(100, 300);  // base
  p.clickEdge(300, 300);  // member
  p.clickEdge(300, 100);
  p.clickEdge(300, 100);  // mirrored
  p.setup.CurSymType = 1;
  ASSERT_EQ(AcceptSymmetry(p.setup, p.sym, p.list).result, AcceptResult::Written);
  EXPECT_EQ(p.sym.SymEnd, 8 + 1 + 3 * 8);
  EXPECT_EQ(p.list.G0[8], kSymChangeCode);
  EXPECT_EQ(p.list.G1[p.sym.SymEnd], 1.0f);
  EXPECT_EQ(EntriesOf(p.list, p.sym.SymEnd + 2, p.list.NumPoints), strokes);

  const std::vector<SymItem> items = Block(p.list, p.sym);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].group, -1);
  EXPECT_NEAR(items[0].P2y, -700, 0.01);  // ten times as far from the edge as the centre
  EXPECT_EQ(items[2].reflect, -1.0f);
  EXPECT_EQ(CheckSymData(p.sym, p.list), SymRebuild::Valid);
  EXPECT_EQ(p.sym.LastCopy, 2);
}

TEST(SetupAccept, SecondOkRestoresTheGroupsAndWritesTheSameBlockWithOneMark) {
  Picture p;
  AddPolygon(p.list, PolyShape(), 100, 300, 300, 300);
  AddPolygon(p.list, PolyShape(), 300, 300, 500, 300);
  AddShape(p.list, kTypePolyLine, {{150, 280}, {160, 270}});
  p.enterSetup();
  p.clickEdge(100, 300);
  p.clickEdge(300, 300);
  p.clickEdge(300, 300);  // mirrored
  p.setup.CurSymGroup = 2;
  p.clickEdge(500, 300);
  p.setup.CurSymType = 2;
  ASSERT_EQ(AcceptSymmetry(p.setup, p.sym, p.list).result, AcceptResult::Written);
  const std::vector<SymItem> first = Block(p.list, p.sym);
  const test::Entries tail = EntriesOf(p.list, p.sym.SymEnd, p.list.NumPoints);

  p.enterSetup();
  EXPECT_EQ(p.setup.CurSymType, 2);
  EXPECT_EQ(p.setup.GroupCounts[1], 2);
  EXPECT_EQ(p.setup.GroupCounts[2], 1);
  EXPECT_LT(p.sym.SymData[2][kOrient], 0);
  EXPECT_EQ(p.sym.SymData[3][kGroup], -2);

  ASSERT_EQ(AcceptSymmetry(p.setup, p.sym, p.list).result, AcceptResult::Written);
  const std::vector<SymItem> second = Block(p.list, p.sym);
  ASSERT_EQ(second.size(), first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(std::tie(second[i].group, second[i].handleX, second[i].reflect, second[i].P2y),
              std::tie(first[i].group, first[i].handleX, first[i].reflect, first[i].P2y));
  }
  EXPECT_EQ(EntriesOf(p.list, p.sym.SymEnd, p.list.NumPoints), tail);
}

// Without a group (one used and emptied again, and a count left by a record
// that matched no copy) no record-less part is written: a lone Mark instead.
TEST(SetupAccept, MarksSetTwiceInARowBecomeOneAndEmptyGroupsAreSkipped) {
  for (bool withGroup : {true, false}) {
    SCOPED_TRACE(withGroup);
    Picture p;
    AddPolygon(p.list, PolyShape(), 100, 300, 300, 300);
    AddMark(p.list);
    AddMark(p.list);
    int from = p.list.NumPoints;
    AddShape(p.list, kTypePolyLine, {{150, 280}, {160, 270}});
    test::Entries expected = EntriesOf(p.list, from, p.list.NumPoints - 1);
    expected.push_back({kMarkCode, 0.0f});
    for (int i = 0; i < 3; ++i) AddMark(p.list);
    from = p.list.NumPoints;
    AddShape(p.list, kTypePolyLine, {{170, 280}, {180, 270}});
    for (const test::Entry& e : EntriesOf(p.list, from, p.list.NumPoints)) expected.push_back(e);
    p.enterSetup();
    p.clickEdge(withGroup ? 100 : 300, 300);
    if (!withGroup) {
      p.sym.SymData[1][kGroup] = 0;
      p.setup.GroupCounts[3] = 1;
    }
    p.setup.CurSymType = 1;
    const AcceptOutcome out = AcceptSymmetry(p.setup, p.sym, p.list);
    ASSERT_EQ(out.result, AcceptResult::Written);
    for (int g = 1; g <= kMaxGroups; ++g) EXPECT_EQ(out.partShown[g], withGroup && g == 1) << g;
    EXPECT_EQ(p.sym.CurPart, withGroup ? 1 : 0);
    EXPECT_EQ(p.sym.SymEnd != 0, withGroup);
    EXPECT_EQ(MarksInARow(p.list), 1);
    EXPECT_EQ(p.list.G0[withGroup ? p.sym.SymEnd + 1 : 8], kMarkCode);
    // After the base shapes and the block with its Mark (or a lone Mark): the
    // first stroke, one Mark, the second stroke and the end marker.
    EXPECT_EQ(EntriesOf(p.list, 8 + (withGroup ? SymBlockLength(1) : 1), p.list.NumPoints), expected);
  }
}

TEST(SetupAccept, RecordOrderIsBaseThenMembersAndAGroupWithoutBaseGetsOne) {
  Picture p;
  AddPolygon(p.list, test::Regular(8), 200, 400, 300, 400);
  p.enterSetup();
  p.sym.SymData[4][kGroup] = -1;
  p.sym.SymData[2][kGroup] = 1;
  p.sym.SymData[7][kGroup] = 1;
  // Group 2 has members only (its base record matched nothing): the lowest
  // member becomes the base, and since it was mirrored the others turn.
  p.sym.SymData[3][kGroup] = 2;
  p.sym.SymData[3][kOrient] = -p.sym.SymData[3][kOrient];
  p.sym.SymData[5][kGroup] = 2;
  ASSERT_EQ(AcceptSymmetry(p.setup, p.sym, p.list).result, AcceptResult::Written);
  const std::vector<SymItem> items = Block(p.list, p.sym);
  ASSERT_EQ(items.size(), 5u);
  const std::tuple<int, int, float> want[5] = {{4, -1, 0}, {2, 1, 0}, {7, 1, 0}, {3, -2, 0}, {5, 2, -1}};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(std::tuple(items[i].copyNumber, items[i].group, items[i].reflect), want[i]) << i;
}

TEST(SetupAccept, ABlockThatWouldPassTheEntryLimitIsRefusedWithTheListUntouched) {
  Picture p;
  AddPolygon(p.list, test::Regular(8), 200, 400, 300, 400);
  ASSERT_TRUE(p.list.CreateItem(1, 1, 0, 0));
  for (int i = 1; p.list.NumPoints < kMaxIndex - 20; ++i)
    ASSERT_TRUE(p.list.AddPoint(float(i % 500), float(i / 500), 1));
  ASSERT_TRUE(p.list.closeRecord());
  p.enterSetup();
  for (int k = 1; k <= 8; ++k) p.sym.SymData[k][kGroup] = k == 1 ? -1 : 1;
  const test::Entries before = EntriesOf(p.list, 0, p.list.NumPoints);
  EXPECT_EQ(AcceptSymmetry(p.setup, p.sym, p.list).result, AcceptResult::TooLong);
  EXPECT_EQ(EntriesOf(p.list, 0, p.list.NumPoints), before);
  EXPECT_EQ(p.sym.SymStart, p.sym.SymEnd);
}

TEST(PartsSelect, ChoicesInARowLeaveOneEntryNeverTouchTheClosingEntryAndSetTheWorkingChoices) {
  Picture p;
  p.square();
  p.accept(4);
  const int end = p.list.NumPoints;
  const float closing = p.list.G1[p.sym.SymEnd];
  for (int part : {2, 3, 0}) {
    ASSERT_TRUE(SelectPart(p.list, p.sym, part).done);
    EXPECT_EQ(p.list.G0[end], kSymChangeCode);
    EXPECT_EQ(p.list.G1[end], 100.0f + part);
    EXPECT_EQ(p.list.NumPoints, end + 1);
  }
  EXPECT_EQ(p.sym.CurPart, 0);
  EXPECT_EQ(p.list.G1[p.sym.SymEnd], closing);

  // With the Mark undone the closing entry stands just before the end marker:
  // it still is not replaced.
  p.list.NumPoints = static_cast<std::int16_t>(p.sym.SymEnd + 1);
  p.list.ItemHead = p.list.ItemFirst = p.list.NumPoints;
  p.list.G0[p.list.NumPoints] = float(kCodeEnd);
  ASSERT_TRUE(SelectPart(p.list, p.sym, 1).done);
  EXPECT_EQ(p.list.G1[p.sym.SymEnd], closing);
  EXPECT_EQ(p.list.G0[p.sym.SymEnd + 1], kSymChangeCode);
  EXPECT_FALSE(SelectPart(p.list, p.sym, 6).done);
  EXPECT_FALSE(SelectPart(p.list, p.sym, -1).done);

  // The working symmetry is offered for the part's 3 replicas: None, 1, 2, All.
  EXPECT_EQ(PartCopiesOf(p.sym), 3);
  EXPECT_EQ(ShowWorkSym(0, 3).label, "None");
  EXPECT_EQ(ShowWorkSym(3, 3).value, kAllReplicas);
  EXPECT_EQ(ShowWorkSym(999, 3).value, 2);  // one step down from All
}

// Part 1 of four copies, and of its base copy alone (made from the first base
// shape, its row of the part table is all zeros): the copies' handles are
// boxed and unboxed in turn, the base shape turns yellow, and a RefGeo naming
// no base shape, no part or a part without copies draw nothing.
TEST(PartsSelect, TheHighlightTogglesTheBaseShapeShowsYellowAndBadPartsDrawNothing) {
  for (auto [members, boxX, boxY] : {std::tuple{4, 252, 200}, {1, 202, 250}}) {
    SCOPED_TRACE(members);
    Picture p;
    p.square();
    p.accept(members);
    if (members == 1) {
      ASSERT_EQ(p.sym.SymGroups[1], (std::array<int, 3>{0, 0, 0}));
    }
    const Surface before = p.canvas;
    ShowSymme(p.sym, p.ctx, p.list, 0);
    EXPECT_EQ(p.px(boxX, boxY), 0xFFFFFFu ^ kPartHighlight);
    ShowSymme(p.sym, p.ctx, p.list, 0);
    EXPECT_TRUE(p.canvas == before);
    ShowSymme(p.sym, p.ctx, p.list, 1);
    EXPECT_EQ(p.px(200, 200), kYellow);

    Surface clean(600, 600);
    p.ctx.Picture1 = &clean;
    p.sym.SymGroups[1][kRefGeo] = 9;
    ShowSymme(p.sym, p.ctx, p.list, 1);
    for (int part : {0, 2}) {
      p.sym.CurPart = part;
      ShowSymme(p.sym, p.ctx, p.list, 0);
      ShowSymme(p.sym, p.ctx, p.list, 1);
    }
    EXPECT_TRUE(clean == Surface(600, 600));
  }
}

// The centre of this base shape lies half a pixel from its right side: it
// rounds to the even pixel inside the shape, not onto its outline.
TEST(PartsSelect, YellowBaseShapeRoundsItsCentreHalvesToEven) {
  Picture p;
  ASSERT_TRUE(p.list.CreateItem(6, 0, 100, 250));
  for (auto [x, y] : {std::pair{151.0f, 250.0f}, {151.0f, 150.0f}, {100.0f, 150.0f}, {100.0f, 250.0f}, {150.5f, 200.0f}})
    ASSERT_TRUE(p.list.AddPoint(x, y, 6));
  ASSERT_TRUE(p.list.closeRecord());
  p.enterSetup();
  ASSERT_EQ(p.sym.SymCount, 4);
  p.accept(4);
  Surface clean(400, 400);
  p.ctx.Picture1 = &clean;
  ShowSymme(p.sym, p.ctx, p.list, 1);
  EXPECT_EQ(clean.point(150, 200), kYellow);
  EXPECT_EQ(clean.point(120, 180), kYellow);
  EXPECT_EQ(clean.point(151, 200), kWhite);  // the outline, white again
  EXPECT_EQ(clean.point(160, 200), kWhite);
}

}  // namespace
}  // namespace orn
