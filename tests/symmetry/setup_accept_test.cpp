// Accepting a set-up: the symmetry block written into the drawing list, read
// back by the engine, and what it makes of a stroke in the base cell.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/record_codes.h"
#include "setup_fixtures.h"
#include "symmetry/replication.h"
#include "symmetry/setup_accept.h"
#include "symmetry/setup_capture.h"
#include "symmetry/setup_handles.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"

namespace orn {
namespace {

using testing::AddPolyLine;
using testing::AddPolygon;
using testing::Regular8;

struct Entry {
  float g0, g1;
  bool operator==(const Entry&) const = default;
};

std::vector<Entry> Entries(const DrawingList& l, int from, int to) {
  std::vector<Entry> v;
  for (int i = from; i <= to; ++i) v.push_back({l.G0[i], l.G1[i]});
  return v;
}

// A picture with base shapes and strokes, in set-up with its copies captured.
struct Picture {
  DrawingList list;
  SymState sym;
  SetupState setup;
  Surface canvas{600, 600};
  NullHost host;

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
};

TEST(SetupAccept, FirstOkWritesTheBlockAfterTheBaseShapesAndKeepsTheDrawing) {
  Picture p;
  AddPolygon(p.list, PolyShape(), 100, 300, 300, 300);  // entries 0..7
  AddPolyLine(p.list, {{150, 280}, {160, 270}, {30000, 5}});
  p.list.ensureIndex(p.list.NumPoints + 3);
  // A fill whose colour must come back exactly.
  const int paint = p.list.NumPoints;
  p.list.G0[paint] = 20010; p.list.G1[paint] = 2;
  p.list.G0[paint + 1] = 20077; p.list.G1[paint + 1] = 3;
  p.list.G0[paint + 2] = 21000 + 305; p.list.G1[paint + 2] = 16777215;
  p.list.G0[paint + 3] = 150.123456f; p.list.G1[paint + 3] = 280.987654f;
  p.list.NumPoints = static_cast<std::int16_t>(paint + 3);
  p.list.ItemHead = static_cast<std::int16_t>(paint);
  p.list.ItemFirst = static_cast<std::int16_t>(paint + 2);
  ASSERT_TRUE(p.list.closeRecord());
  const std::vector<Entry> strokes = Entries(p.list, 8, p.list.NumPoints);

  p.enterSetup();
  p.clickEdge(100, 300);  // base
  p.clickEdge(300, 300);  // member
  p.clickEdge(300, 100);
  p.clickEdge(300, 100);  // mirrored
  p.setup.CurSymType = 1;
  const AcceptOutcome out = AcceptSymmetry(p.setup, p.sym, p.list);
  ASSERT_EQ(out.result, AcceptResult::Written);
  EXPECT_TRUE(out.partShown[1]);
  EXPECT_FALSE(out.partShown[2]);
  EXPECT_EQ(out.partRefGeo[1], 0);

  EXPECT_EQ(p.sym.SymStart, 8);
  EXPECT_EQ(p.sym.SymEnd, 8 + 1 + 3 * 8);
  EXPECT_EQ(p.list.G0[8], kSymChangeCode);
  EXPECT_EQ(p.list.G1[8], -2.0f);
  EXPECT_EQ(p.list.G1[p.sym.SymEnd], 1.0f);
  EXPECT_EQ(p.list.G0[p.sym.SymEnd + 1], kMarkCode);
  EXPECT_EQ(Entries(p.list, p.sym.SymEnd + 2, p.list.NumPoints), strokes);
  EXPECT_EQ(p.list.ItemHead, p.list.NumPoints);
  EXPECT_EQ(p.sym.CurPart, 1);
  EXPECT_EQ(p.sym.GeoCapture, 0);
  EXPECT_FALSE(p.sym.SymTablesValid);

  // The engine reads the block back into the same copies.
  std::vector<SymItem> items;
  ASSERT_TRUE(ReadSymBlock(p.list, p.sym, items));
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].group, -1);
  EXPECT_FLOAT_EQ(items[0].P0x, 100);
  EXPECT_NEAR(items[0].P2y, -700, 0.01);  // ten times as far from the edge as the centre
  EXPECT_NEAR(items[0].handleY, 250, 1e-3);
  EXPECT_EQ(items[2].reflect, -1.0f);
  EXPECT_EQ(CheckSymData(p.sym, p.list), SymRebuild::Valid);
  EXPECT_EQ(p.sym.BaseCopy, 0);
  EXPECT_EQ(p.sym.LastCopy, 2);
  EXPECT_EQ(p.sym.SymData[2][kReflect], -1.0f);
}

TEST(SetupAccept, SecondOkRestoresTheGroupsAndReplacesTheBlockWithOneMark) {
  Picture p;
  AddPolygon(p.list, PolyShape(), 100, 300, 300, 300);
  AddPolygon(p.list, PolyShape(), 300, 300, 500, 300);
  AddPolyLine(p.list, {{150, 280}, {160, 270}});
  p.enterSetup();
  p.clickEdge(100, 300);
  p.clickEdge(300, 300);
  p.clickEdge(300, 300);  // mirrored
  p.setup.CurSymGroup = 2;
  p.clickEdge(500, 300);
  p.setup.CurSymType = 2;
  ASSERT_EQ(AcceptSymmetry(p.setup, p.sym, p.list).result, AcceptResult::Written);
  const std::vector<SymItem> first = [&] {
    std::vector<SymItem> v;
    ReadSymBlock(p.list, p.sym, v);
    return v;
  }();
  const int tailLength = p.list.NumPoints - p.sym.SymEnd;

  // Entering again restores every group, base and mirror from the block.
  p.enterSetup();
  EXPECT_EQ(p.setup.SymActive, 3);
  EXPECT_EQ(p.setup.CurSymType, 2);
  EXPECT_EQ(p.setup.GroupCounts[1], 2);
  EXPECT_EQ(p.setup.GroupCounts[2], 1);
  EXPECT_EQ(p.sym.SymData[1][kGroup], -1);
  EXPECT_EQ(p.sym.SymData[2][kGroup], 1);
  EXPECT_LT(p.sym.SymData[2][kOrient], 0);
  EXPECT_EQ(p.sym.SymData[3][kGroup], -2);

  // OK with no change writes the same block, and exactly one Mark follows it.
  ASSERT_EQ(AcceptSymmetry(p.setup, p.sym, p.list).result, AcceptResult::Written);
  std::vector<SymItem> second;
  ASSERT_TRUE(ReadSymBlock(p.list, p.sym, second));
  ASSERT_EQ(second.size(), first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(second[i].group, first[i].group);
    EXPECT_EQ(second[i].handleX, first[i].handleX);
    EXPECT_EQ(second[i].reflect, first[i].reflect);
  }
  EXPECT_EQ(p.list.NumPoints - p.sym.SymEnd, tailLength);
  EXPECT_NE(p.list.G0[p.sym.SymEnd + 2], kMarkCode);
}

// Mark over the end marker, as the Mark command writes it.
void AddMark(DrawingList& list) {
  ASSERT_TRUE(list.ensureIndex(list.NumPoints + 1));
  list.G0[list.NumPoints] = kMarkCode;
  list.G1[list.NumPoints] = 0.0f;
  list.NumPoints = static_cast<std::int16_t>(list.NumPoints + 1);
  list.G0[list.NumPoints] = float(kCodeEnd);
  list.G1[list.NumPoints] = 0.0f;
  list.ItemHead = list.ItemFirst = list.NumPoints;
}

int MarksInARow(const DrawingList& l, int from) {
  int worst = 0, run = 0;
  for (int i = from; i <= l.NumPoints; ++i) {
    run = l.G0[i] == kMarkCode ? run + 1 : 0;
    worst = std::max(worst, run);
  }
  return worst;
}

TEST(SetupAccept, MarksSetTwiceInARowBehindTheBlockBecomeOne) {
  for (bool withGroup : {true, false}) {
    Picture p;
    AddPolygon(p.list, PolyShape(), 100, 300, 300, 300);
    AddMark(p.list);
    AddMark(p.list);
    int from = p.list.NumPoints;
    AddPolyLine(p.list, {{150, 280}, {160, 270}});
    const std::vector<Entry> first = Entries(p.list, from, p.list.NumPoints - 1);
    AddMark(p.list);
    AddMark(p.list);
    AddMark(p.list);
    from = p.list.NumPoints;
    AddPolyLine(p.list, {{170, 280}, {180, 270}});
    const std::vector<Entry> second = Entries(p.list, from, p.list.NumPoints);
    p.enterSetup();
    if (withGroup) p.clickEdge(100, 300);
    ASSERT_EQ(AcceptSymmetry(p.setup, p.sym, p.list).result, AcceptResult::Written);
    EXPECT_EQ(MarksInARow(p.list, 0), 1) << withGroup;
    // The base shapes (8 entries), the block with its Mark or a lone Mark,
    // the first stroke, one Mark, the second stroke and the end marker.
    std::vector<Entry> expected = first;
    expected.push_back({kMarkCode, 0.0f});
    expected.insert(expected.end(), second.begin(), second.end());
    const int after = 8 + (withGroup ? SymBlockLength(1) : 1);
    EXPECT_EQ(Entries(p.list, after, p.list.NumPoints), expected) << withGroup;
  }
}

TEST(SetupAccept, GroupsWithoutCopiesAreSkippedAndNoGroupLeavesNoBlock) {
  Picture p;
  AddPolygon(p.list, PolyShape(), 100, 300, 300, 300);
  AddPolyLine(p.list, {{150, 280}, {160, 270}});
  const std::vector<Entry> strokes = Entries(p.list, 8, p.list.NumPoints);
  p.enterSetup();
  // A group that was used and emptied again, and a count left by a record
  // that matched no copy: neither may leave a record-less part behind.
  p.clickEdge(300, 300);
  p.setup.MovingBase = false;
  p.sym.SymData[1][kGroup] = 0;
  p.setup.GroupCounts[3] = 1;
  p.setup.CurSymType = 1;
  const AcceptOutcome out = AcceptSymmetry(p.setup, p.sym, p.list);
  ASSERT_EQ(out.result, AcceptResult::Written);
  for (int g = 1; g <= kMaxGroups; ++g) EXPECT_FALSE(out.partShown[g]);
  EXPECT_EQ(p.sym.SymStart, 0);
  EXPECT_EQ(p.sym.SymEnd, 0);
  EXPECT_EQ(p.sym.CurPart, 0);
  EXPECT_FALSE(p.setup.HasBaseGroup);
  EXPECT_EQ(p.list.G0[8], kMarkCode);
  EXPECT_EQ(Entries(p.list, 9, p.list.NumPoints), strokes);
}

TEST(SetupAccept, RecordOrderIsBaseThenMembersAndAGroupWithoutBaseGetsOne) {
  Picture p;
  AddPolygon(p.list, Regular8(), 200, 400, 300, 400);
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
  std::vector<SymItem> items;
  ASSERT_TRUE(ReadSymBlock(p.list, p.sym, items));
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].copyNumber, 4);
  EXPECT_EQ(items[1].copyNumber, 2);
  EXPECT_EQ(items[2].copyNumber, 7);
  EXPECT_EQ(items[3].copyNumber, 3);
  EXPECT_EQ(items[3].group, -2);
  EXPECT_EQ(items[3].reflect, 0.0f);
  EXPECT_EQ(items[4].group, 2);
  EXPECT_EQ(items[4].reflect, -1.0f);
}

TEST(SetupAccept, ABlockThatWouldPassTheEntryLimitIsRefusedWithTheListUntouched) {
  Picture p;
  AddPolygon(p.list, Regular8(), 200, 400, 300, 400);
  // Fill the list with a long stroke up to near the limit.
  ASSERT_TRUE(p.list.CreateItem(1, 1, 0, 0));
  for (int i = 1; p.list.NumPoints < kMaxIndex - 20; ++i)
    ASSERT_TRUE(p.list.AddPoint(float(i % 500), float(i / 500), 1));
  ASSERT_TRUE(p.list.closeRecord());
  p.enterSetup();
  for (int k = 1; k <= 8; ++k) p.sym.SymData[k][kGroup] = k == 1 ? -1 : 1;
  const std::vector<Entry> before = Entries(p.list, 0, p.list.NumPoints);
  const int n = p.list.NumPoints;
  EXPECT_EQ(AcceptSymmetry(p.setup, p.sym, p.list).result, AcceptResult::TooLong);
  EXPECT_EQ(p.list.NumPoints, n);
  EXPECT_EQ(Entries(p.list, 0, n), before);
  EXPECT_EQ(p.sym.SymStart, p.sym.SymEnd);
}

TEST(SetupAccept, RangeFramesTheBaseShapes) {
  DrawingList list;
  AddPolygon(list, PolyShape(), 0, 50, 50, 50);
  AddPolygon(list, PolyShape(), 50, 50, 100, 50);
  auto f = SymRangeFrame(list, 400, 400);
  ASSERT_TRUE(f.has_value());
  EXPECT_FLOAT_EQ((*f)[0], -5);
  EXPECT_FLOAT_EQ((*f)[1], -2.5f);
  EXPECT_FLOAT_EQ((*f)[4], 105);
  EXPECT_FLOAT_EQ((*f)[5], 52.5f);
  f = SymRangeFrame(list, 800, 100);  // a wide canvas widens the frame in x
  ASSERT_TRUE(f.has_value());
  const double w = (*f)[2] - (*f)[0], h = (*f)[5] - (*f)[1];
  EXPECT_NEAR(w / h, 799.0 / 99.0, 1e-3);
  EXPECT_NEAR(((*f)[0] + (*f)[2]) / 2, 50, 1e-3);

  DrawingList flat;  // a base shape of no extent gives no frame
  AddPolygon(flat, PolyShape(), 5, 5, 5, 5);
  EXPECT_FALSE(SymRangeFrame(flat, 400, 400).has_value());
}

}  // namespace
}  // namespace orn
