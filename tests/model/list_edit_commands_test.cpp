#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "drawing_list_test_util.h"
#include "model/list_edit.h"
#include "model/record_codes.h"

namespace orn {
namespace {

using testing::Entry;
using testing::entries;
using testing::listIsSound;
using testing::listOf;
using testing::liveEntries;

// Records what list editing asks of the canvas.
struct RecordingHooks : ListEditHooks {
  std::vector<Entry> erased;
  std::vector<std::pair<int, int>> plotted;
  int cursors = 0;
  int closes = 0;
  int redraws = 0;
  void erasePointBox(float x, float y) override { erased.emplace_back(x, y); }
  void plotPiece(const DrawingList&, int from, int to) override { plotted.emplace_back(from, to); }
  void setDrawCursor() override { ++cursors; }
  void closeOpenRecord(DrawingList& list) override {
    ++closes;
    list.DelLastPt();  // the moving end point goes, as on a double click
    list.closeRecord();
  }
  void drawAll() override { ++redraws; }
};

// A Poly Line (20001, 3) with slot (7, 0) and points (1,1)..(5,5) at 3..7; end marker at 8.
DrawingList fivePointLine() {
  return listOf({{20001, 3}, {7, 0}, {20077, 7}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
}

TEST(SplitRun, ErasingBetweenInnerPointsMakesTwoPiecesWithTheSlotAndLeavesTheLineAlone) {
  DrawingList list = fivePointLine();
  const auto original = entries(list, 0, 7);
  RecordingHooks hooks;
  PickState pick;
  pick.SplitPick1 = 6;  // given in either order
  pick.SplitPick2 = 4;
  ASSERT_TRUE(SplitRun(list, pick, hooks));

  EXPECT_EQ(entries(list, 0, 7), original);
  // Piece before: points first..lo, the first one twice.
  EXPECT_EQ(entries(list, 8, 13), (std::vector<Entry>{{20001, 3}, {7, 0}, {20077, 5}, {1, 1}, {1, 1}, {2, 2}}));
  // Piece after: hi..last.
  EXPECT_EQ(entries(list, 14, 19), (std::vector<Entry>{{20001, 3}, {7, 0}, {20077, 5}, {4, 4}, {4, 4}, {5, 5}}));
  EXPECT_EQ(list.NumPoints, 20);
  EXPECT_TRUE(listIsSound(list));

  // Only the inner point of the run loses its box; both picks stay in pieces.
  EXPECT_EQ(hooks.erased, (std::vector<Entry>{{3, 3}}));
  EXPECT_EQ(hooks.plotted, (std::vector<std::pair<int, int>>{{11, 13}, {17, 19}}));
  EXPECT_EQ(hooks.cursors, 2);
}

TEST(SplitRun, ErasingFromAnEndMakesOnlyThePieceOnTheOtherSide) {
  DrawingList fromFirst = fivePointLine();
  RecordingHooks hooks;
  PickState pick;
  pick.SplitPick1 = 3;
  pick.SplitPick2 = 5;
  ASSERT_TRUE(SplitRun(fromFirst, pick, hooks));
  EXPECT_EQ(entries(fromFirst, 8, 14),
            (std::vector<Entry>{{20001, 3}, {7, 0}, {20077, 6}, {3, 3}, {3, 3}, {4, 4}, {5, 5}}));
  EXPECT_EQ(fromFirst.NumPoints, 15);
  EXPECT_EQ(hooks.erased, (std::vector<Entry>{{1, 1}, {2, 2}}));

  DrawingList toLast = fivePointLine();
  RecordingHooks hooks2;
  pick.SplitPick1 = 7;
  pick.SplitPick2 = 6;
  ASSERT_TRUE(SplitRun(toLast, pick, hooks2));
  EXPECT_EQ(entries(toLast, 8, 17),
            (std::vector<Entry>{{20001, 3}, {7, 0}, {20077, 7}, {1, 1}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {20099, 0}, {0, 0}}));
  EXPECT_EQ(hooks2.erased, (std::vector<Entry>{{5, 5}}));
}

TEST(SplitRun, APieceKeepsAPointThatReturnsToWhereTheLineWasTwoPointsBefore) {
  // (1,1) -> (9,9) -> (1,1): a spike; every point of the piece must survive.
  DrawingList list = listOf({{20001, 3}, {0, 0}, {20077, 7}, {1, 1}, {9, 9}, {1, 1}, {4, 4}, {5, 5}});
  RecordingHooks hooks;
  PickState pick;
  pick.SplitPick1 = 5;
  pick.SplitPick2 = 7;
  ASSERT_TRUE(SplitRun(list, pick, hooks));
  EXPECT_EQ(entries(list, 11, 14), (std::vector<Entry>{{1, 1}, {1, 1}, {9, 9}, {1, 1}}));
}

TEST(SplitRun, RefusesPicksInTwoRecordsAnOpenRecordOrAFullList) {
  DrawingList two = listOf({{20001, 3}, {0, 0}, {20077, 4}, {1, 1}, {2, 2}, {20001, 3}, {0, 0}, {20077, 4}, {3, 3}, {4, 4}});
  const auto before = liveEntries(two);
  RecordingHooks hooks;
  PickState pick;
  pick.SplitPick1 = 4;
  pick.SplitPick2 = 8;
  EXPECT_FALSE(SplitRun(two, pick, hooks));
  EXPECT_EQ(liveEntries(two), before);

  DrawingList open = fivePointLine();
  open.CreateItem(kTypePolyLine, 1, 0, 0);
  pick.SplitPick1 = 4;
  pick.SplitPick2 = 6;
  EXPECT_FALSE(SplitRun(open, pick, hooks));

  // Room for the first piece but not for the second: nothing is made.
  DrawingList nearlyFull = fivePointLine();
  nearlyFull.ensureIndex(kMaxIndex);
  nearlyFull.G0[8] = 0;
  nearlyFull.G0[kMaxIndex - 8] = kCodeEnd;
  nearlyFull.G1[kMaxIndex - 8] = 0;
  for (int i = 8; i < kMaxIndex - 8; ++i) nearlyFull.G0[i] = kCodeMark;
  nearlyFull.NumPoints = nearlyFull.ItemHead = nearlyFull.ItemFirst = kMaxIndex - 8;
  const auto full = liveEntries(nearlyFull);
  EXPECT_FALSE(SplitRun(nearlyFull, pick, hooks));
  EXPECT_EQ(liveEntries(nearlyFull), full);
  EXPECT_TRUE(hooks.erased.empty());
}

TEST(DupShapes, CopiesThePickedRecordToTheEndAndMovesThePickWithIt) {
  std::vector<Entry> body;
  for (int i = 0; i < 10; ++i) body.push_back({20092, 0});
  body.insert(body.end(), {{20002, 3}, {0, 0}, {20077, 7}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
  for (int i = 18; i < 50; ++i) body.push_back({20092, 0});
  DrawingList list = listOf(body);
  PickState pick;
  pick.HitHeader = 10;
  pick.HitEnd = 17;
  pick.HitBegin = 13;
  pick.HitIndex = 15;
  ASSERT_TRUE(DupShapes(list, pick));
  EXPECT_EQ(entries(list, 50, 57), entries(list, 10, 17));
  EXPECT_EQ(entries(list, 58, 58), (std::vector<Entry>{{20099, 0}}));
  EXPECT_EQ(list.NumPoints, 58);
  EXPECT_EQ(pick.DupIndex, 10);
  EXPECT_EQ(pick.HitHeader, 50);
  EXPECT_EQ(pick.HitEnd, 57);
  EXPECT_EQ(pick.HitBegin, 53);
  EXPECT_EQ(pick.HitIndex, 55);
  EXPECT_TRUE(listIsSound(list));

  // A pick that is not one whole record copies nothing.
  const auto before = liveEntries(list);
  PickState part;
  part.HitHeader = 10;
  part.HitEnd = 15;
  EXPECT_FALSE(DupShapes(list, part));
  part.HitHeader = 12;
  part.HitEnd = 17;
  EXPECT_FALSE(DupShapes(list, part));
  EXPECT_EQ(liveEntries(list), before);
}

TEST(DupShapes, GrowsTheArraysPastTheCapacityMarkAndFailsCleanlyAtTheLimit) {
  std::vector<Entry> body = {{20001, 3}, {0, 0}, {20077, 22}};
  for (int i = 0; i < 20; ++i) body.push_back({float(i), float(i)});
  while (body.size() < 995) body.push_back({20092, 0});
  DrawingList list = listOf(body);
  ASSERT_EQ(list.ListCapacity, 1000);
  PickState pick;
  pick.HitHeader = 0;
  pick.HitEnd = 22;
  ASSERT_TRUE(DupShapes(list, pick));
  EXPECT_EQ(list.NumPoints, 995 + 23);
  EXPECT_EQ(list.ListCapacity, 2000);
  EXPECT_EQ(entries(list, 995, 1017), entries(list, 0, 22));
  EXPECT_TRUE(listIsSound(list));

  DrawingList full = listOf(body);
  full.ensureIndex(kMaxIndex);
  for (int i = 995; i < kMaxIndex - 10; ++i) full.G0[i] = kCodeMark;
  full.G0[kMaxIndex - 10] = kCodeEnd;
  full.NumPoints = full.ItemHead = full.ItemFirst = kMaxIndex - 10;
  const auto before = liveEntries(full);
  PickState fullPick;
  fullPick.HitHeader = 0;
  fullPick.HitEnd = 22;
  fullPick.HitIndex = 5;
  EXPECT_FALSE(DupShapes(full, fullPick));
  EXPECT_EQ(liveEntries(full), before);
  EXPECT_EQ(fullPick.HitHeader, 0);
  EXPECT_EQ(fullPick.HitIndex, 5);
}

TEST(MarkAndUndo, MarkGoesWhereTheEndMarkerWasAndUndoReturnsThereAgainAndAgain) {
  std::vector<Entry> body;
  for (int i = 0; i < 40; ++i) body.push_back({20091, 102});
  DrawingList list = listOf(body);
  RecordingHooks hooks;
  ASSERT_TRUE(Mark(list, hooks));
  EXPECT_EQ(entries(list, 40, 41), (std::vector<Entry>{{20092, 0}, {20099, 0}}));
  EXPECT_EQ(list.NumPoints, 41);
  EXPECT_EQ(list.ItemHead, 41);

  for (int round = 0; round < 2; ++round) {
    list.CreateItem(kTypePolyLine, 1, 1, 1);
    list.AddPoint(2, 2, kTypePolyLine);
    list.closeRecord();
    ASSERT_TRUE(UndoToMark(list, hooks));
    EXPECT_EQ(list.NumPoints, 41);
    EXPECT_EQ(entries(list, 40, 41), (std::vector<Entry>{{20092, 0}, {20099, 0}}));
    EXPECT_TRUE(listIsSound(list));
  }
  EXPECT_EQ(hooks.redraws, 2);
}

TEST(MarkAndUndo, CloseAnOpenRecordAndPackFirst) {
  DrawingList list = listOf({{20002, 3}, {0, 0}, {20077, 6}, {kDeletedPoint, kDeletedPoint},
                             {kDeletedPoint, kDeletedPoint}, {3, 3}, {4, 4}});
  list.PackFrom = 3;
  list.CreateItem(kTypePolyLine, 1, 1, 1);
  list.AddPoint(1, 1, kTypePolyLine);  // moving end point
  list.AddPoint(2, 2, kTypePolyLine);
  RecordingHooks hooks;
  ASSERT_TRUE(Mark(list, hooks));
  EXPECT_EQ(hooks.closes, 1);
  EXPECT_EQ(list.PackFrom, 0);
  EXPECT_EQ(liveEntries(list), (std::vector<Entry>{{20002, 3}, {0, 0}, {20077, 4}, {3, 3}, {4, 4},
                                                   {20001, 3}, {0, 0}, {20077, 4}, {1, 1}, {1, 1},
                                                   {20092, 0}, {20099, 0}}));
}

TEST(MarkAndUndo, UndoFindsOnlyRealMarksAndHonoursOneAtTheStart) {
  // No Mark: nothing changes, nothing is redrawn.
  DrawingList none = listOf({{20001, 3}, {0, 0}, {20077, 4}, {1, 1}, {2, 2}});
  RecordingHooks hooks;
  EXPECT_FALSE(UndoToMark(none, hooks));
  EXPECT_EQ(none.NumPoints, 5);
  EXPECT_EQ(hooks.redraws, 0);

  // A Mark on an empty picture, then a shape whose point has x = 20092 (a
  // deep zoom): the point is no Mark, the Mark at 0 is.
  DrawingList list;
  ASSERT_TRUE(Mark(list, hooks));
  list.CreateItem(kTypePolyLine, 1, 20092, 0);
  list.AddPoint(20092, 0, kTypePolyLine);
  list.AddPoint(5, 5, kTypePolyLine);
  list.closeRecord();
  ASSERT_TRUE(UndoToMark(list, hooks));
  EXPECT_EQ(liveEntries(list), (std::vector<Entry>{{20092, 0}, {20099, 0}}));
}

TEST(MarkAndUndo, MarkAtTheLimitFailsWithoutBreakingTheList) {
  DrawingList list;
  list.ensureIndex(kMaxIndex);
  for (int i = 0; i < kMaxIndex; ++i) list.G0[i] = kCodeSymmetryChg;
  list.G0[kMaxIndex] = kCodeEnd;
  list.NumPoints = list.ItemHead = list.ItemFirst = kMaxIndex;
  RecordingHooks hooks;
  EXPECT_FALSE(Mark(list, hooks));
  EXPECT_EQ(list.NumPoints, kMaxIndex);
  EXPECT_EQ(list.G0[kMaxIndex], kCodeEnd);
}

}  // namespace
}  // namespace orn
