#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "support/list_builder.h"
#include "model/list_edit.h"
#include "model/record_codes.h"

namespace orn {
namespace {

using test::Entry;
using test::EntriesOf;
using test::ListIsSound;
using test::ListOf;
using test::LiveEntries;
using test::Entries;

// Records what list editing asks of the canvas.
struct RecordingHooks : ListEditHooks {
  std::vector<Entry> erased;
  std::vector<std::pair<int, int>> plotted;
  int closes = 0;
  int redraws = 0;
  void erasePointBox(float x, float y) override { erased.emplace_back(x, y); }
  void plotPiece(const DrawingList&, int from, int to) override { plotted.emplace_back(from, to); }
  void setDrawCursor() override {}
  void closeOpenRecord(DrawingList& list) override {
    ++closes;
    list.DelLastPt();  // the moving end point goes, as on a double click
    list.closeRecord();
  }
  void drawAll() override { ++redraws; }
};

// A Poly Line (20001, 3) with slot (7, 0) and points (1,1)..(5,5) at 3..7; end marker at 8.
DrawingList fivePointLine() {
  return ListOf({{20001, 3}, {7, 0}, {20077, 7}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
}

TEST(SplitRun, ErasingARunLeavesTheLineAloneAndAppendsThePiecesOnEitherSideWithTheSlot) {
  struct Case {
    const char* what;
    Entries line;
    int pick1, pick2;  // given in either order
    Entries appended;  // entries from 8 on
    Entries erased;
    std::vector<std::pair<int, int>> plotted;
  };
  const Entries line = {{20001, 3}, {7, 0}, {20077, 7}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};
  const Case cases[] = {
      {"inner points: two pieces, each with its first point twice", line, 6, 4,
       {{20001, 3}, {7, 0}, {20077, 5}, {1, 1}, {1, 1}, {2, 2}, {20001, 3}, {7, 0}, {20077, 5}, {4, 4}, {4, 4},
        {5, 5}, {20099, 0}},
       {{3, 3}}, {{11, 13}, {17, 19}}},
      {"from the first point", line, 3, 5,
       {{20001, 3}, {7, 0}, {20077, 6}, {3, 3}, {3, 3}, {4, 4}, {5, 5}, {20099, 0}}, {{1, 1}, {2, 2}}, {{11, 14}}},
      {"to the last point", line, 7, 6,
       {{20001, 3}, {7, 0}, {20077, 7}, {1, 1}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {20099, 0}, {0, 0}}, {{5, 5}},
       {{11, 15}}},
      // (1,1) -> (9,9) -> (1,1): a spike whose points must all survive.
      {"a point back where the line was two points before",
       {{20001, 3}, {0, 0}, {20077, 7}, {1, 1}, {9, 9}, {1, 1}, {4, 4}, {5, 5}}, 5, 7,
       {{20001, 3}, {0, 0}, {20077, 6}, {1, 1}, {1, 1}, {9, 9}, {1, 1}, {20099, 0}}, {{4, 4}, {5, 5}}, {{11, 14}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DrawingList list = ListOf(c.line);
    RecordingHooks hooks;
    PickState pick;
    pick.SplitPick1 = static_cast<std::int16_t>(c.pick1);
    pick.SplitPick2 = static_cast<std::int16_t>(c.pick2);
    ASSERT_TRUE(SplitRun(list, pick, hooks));
    EXPECT_EQ(EntriesOf(list, 0, 7), c.line);
    EXPECT_EQ(EntriesOf(list, 8, 7 + int(c.appended.size())), c.appended);
    EXPECT_EQ(hooks.erased, c.erased);
    EXPECT_EQ(hooks.plotted, c.plotted);
    EXPECT_TRUE(ListIsSound(list));
  }
}

// `body` followed by `code` entries up to `end`, where the end marker goes.
DrawingList filledTo(const Entries& body, int end, float code = kCodeMark) {
  DrawingList list = ListOf(body);
  list.ensureIndex(end);
  for (int i = int(body.size()); i < end; ++i) list.G0[i] = code, list.G1[i] = 0;
  list.G0[end] = kCodeEnd;
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(end);
  return list;
}

TEST(SplitRun, RefusesPicksInTwoRecordsAnOpenRecordOrAListWithoutRoomForBothPieces) {
  const Entries line = EntriesOf(fivePointLine(), 0, 7);
  DrawingList two = ListOf({{20001, 3}, {0, 0}, {20077, 4}, {1, 1}, {2, 2}, {20001, 3}, {0, 0}, {20077, 4}, {3, 3}, {4, 4}});
  DrawingList open = fivePointLine();
  open.CreateItem(kTypePolyLine, 1, 0, 0);
  DrawingList nearlyFull = filledTo(line, kMaxIndex - 8);  // room for the first piece only
  for (auto [list, p1, p2] : {std::tuple{&two, 4, 8}, {&open, 4, 6}, {&nearlyFull, 4, 6}}) {
    const auto before = LiveEntries(*list);
    RecordingHooks hooks;
    PickState pick;
    pick.SplitPick1 = static_cast<std::int16_t>(p1);
    pick.SplitPick2 = static_cast<std::int16_t>(p2);
    EXPECT_FALSE(SplitRun(*list, pick, hooks));
    EXPECT_EQ(LiveEntries(*list), before);
    EXPECT_TRUE(hooks.erased.empty());
  }
}

TEST(DupShapes, CopiesThePickedRecordToTheEndAndMovesThePickWithIt) {
  Entries body(10, {20092, 0});
  body.insert(body.end(), {{20002, 3}, {0, 0}, {20077, 7}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
  body.resize(50, {20092, 0});
  DrawingList list = ListOf(body);
  PickState pick;
  pick.HitHeader = 10;
  pick.HitEnd = 17;
  pick.HitBegin = 13;
  pick.HitIndex = 15;
  ASSERT_TRUE(DupShapes(list, pick));
  EXPECT_EQ(EntriesOf(list, 50, 57), EntriesOf(list, 10, 17));
  EXPECT_EQ(list.NumPoints, 58);
  EXPECT_EQ(pick.DupIndex, 10);
  EXPECT_EQ((std::vector<int>{pick.HitHeader, pick.HitEnd, pick.HitBegin, pick.HitIndex}),
            (std::vector<int>{50, 57, 53, 55}));
  EXPECT_TRUE(ListIsSound(list));

  // A pick that is not one whole record copies nothing.
  const auto before = LiveEntries(list);
  for (auto [head, end] : {std::pair{10, 15}, {12, 17}}) {
    PickState part;
    part.HitHeader = static_cast<std::int16_t>(head);
    part.HitEnd = static_cast<std::int16_t>(end);
    EXPECT_FALSE(DupShapes(list, part));
  }
  EXPECT_EQ(LiveEntries(list), before);
}

TEST(DupShapes, GrowsTheArraysPastTheCapacityMarkAndFailsCleanlyAtTheLimit) {
  Entries body = {{20001, 3}, {0, 0}, {20077, 22}};
  for (int i = 0; i < 20; ++i) body.push_back({float(i), float(i)});
  body.resize(995, {20092, 0});
  DrawingList list = ListOf(body);
  PickState pick;
  pick.HitHeader = 0;
  pick.HitEnd = 22;
  ASSERT_TRUE(DupShapes(list, pick));
  EXPECT_EQ(list.NumPoints, 995 + 23);
  EXPECT_EQ(list.ListCapacity, 2000);
  EXPECT_EQ(EntriesOf(list, 995, 1017), EntriesOf(list, 0, 22));
  EXPECT_TRUE(ListIsSound(list));

  DrawingList full = filledTo(body, kMaxIndex - 10);
  const auto before = LiveEntries(full);
  pick.HitHeader = 0;
  pick.HitEnd = 22;
  pick.HitIndex = 5;
  EXPECT_FALSE(DupShapes(full, pick));
  EXPECT_EQ(LiveEntries(full), before);
  EXPECT_EQ(pick.HitHeader, 0);
  EXPECT_EQ(pick.HitIndex, 5);
}

TEST(MarkAndUndo, MarkGoesWhereTheEndMarkerWasAndUndoReturnsThereAgainAndAgain) {
  DrawingList list = ListOf(Entries(40, {20091, 102}));
  RecordingHooks hooks;
  ASSERT_TRUE(Mark(list, hooks));
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(list.NumPoints, 41);
    EXPECT_EQ(list.ItemHead, 41);
    EXPECT_EQ(EntriesOf(list, 40, 41), (Entries{{20092, 0}, {20099, 0}}));
    EXPECT_TRUE(ListIsSound(list));
    list.CreateItem(kTypePolyLine, 1, 1, 1);
    list.AddPoint(2, 2, kTypePolyLine);
    list.closeRecord();
    ASSERT_TRUE(UndoToMark(list, hooks));
  }
  EXPECT_EQ(hooks.redraws, 3);

  // Without a Mark nothing changes and nothing is redrawn; a shape whose point
  // has x = 20092 (a deep zoom) is no Mark, while a Mark at 0 is honoured.
  DrawingList none = ListOf({{20001, 3}, {0, 0}, {20077, 4}, {1, 1}, {2, 2}});
  EXPECT_FALSE(UndoToMark(none, hooks));
  EXPECT_EQ(none.NumPoints, 5);
  EXPECT_EQ(hooks.redraws, 3);
  DrawingList zoomed;
  ASSERT_TRUE(Mark(zoomed, hooks));
  zoomed.CreateItem(kTypePolyLine, 1, 20092, 0);
  zoomed.AddPoint(20092, 0, kTypePolyLine);
  zoomed.AddPoint(5, 5, kTypePolyLine);
  zoomed.closeRecord();
  ASSERT_TRUE(UndoToMark(zoomed, hooks));
  EXPECT_EQ(LiveEntries(zoomed), (Entries{{20092, 0}, {20099, 0}}));
}

TEST(MarkAndUndo, MarkClosesAnOpenRecordPacksFirstAndFailsCleanlyAtTheLimit) {
  DrawingList list = ListOf({{20002, 3}, {0, 0}, {20077, 6}, {kDeletedPoint, kDeletedPoint},
                             {kDeletedPoint, kDeletedPoint}, {3, 3}, {4, 4}});
  list.PackFrom = 3;
  list.CreateItem(kTypePolyLine, 1, 1, 1);
  list.AddPoint(1, 1, kTypePolyLine);  // moving end point
  list.AddPoint(2, 2, kTypePolyLine);
  RecordingHooks hooks;
  ASSERT_TRUE(Mark(list, hooks));
  EXPECT_EQ(hooks.closes, 1);
  EXPECT_EQ(list.PackFrom, 0);
  EXPECT_EQ(LiveEntries(list), (Entries{{20002, 3}, {0, 0}, {20077, 4}, {3, 3}, {4, 4}, {20001, 3}, {0, 0},
                                        {20077, 4}, {1, 1}, {1, 1}, {20092, 0}, {20099, 0}}));

  DrawingList full = filledTo({}, kMaxIndex, kCodeSymmetryChg);
  EXPECT_FALSE(Mark(full, hooks));
  EXPECT_EQ(full.NumPoints, kMaxIndex);
  EXPECT_EQ(full.G0[kMaxIndex], kCodeEnd);
}

}  // namespace
}  // namespace orn
