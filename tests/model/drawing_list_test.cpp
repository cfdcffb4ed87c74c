#include <gtest/gtest.h>

#include <random>

#include "support/list_builder.h"
#include "model/drawing_list.h"
#include "model/record_codes.h"
#include "platform/core/surface.h"

namespace orn {
namespace {

using test::Entry;
using test::EntriesOf;
using test::ListIsSound;
using test::ListOf;
using test::LiveEntries;
using test::Entries;

TEST(DrawingList, CreateItemLaysOutTheRecordInPlaceOfTheEndMarkerAndRefusesWhileOpen) {
  DrawingList poly;
  ASSERT_TRUE(poly.CreateItem(kTypePolyLine, 1, 5, 7));
  EXPECT_EQ(EntriesOf(poly, 0, 3), (Entries{{20001, 3}, {0, 0}, {20077, 3}, {5, 7}}));
  EXPECT_EQ(poly.ItemHead, 0);
  EXPECT_EQ(poly.ItemFirst, 3);
  EXPECT_EQ(poly.NumPoints, 3);
  EXPECT_TRUE(ListIsSound(poly));

  DrawingList circle;
  ASSERT_TRUE(circle.CreateItem(kTypeCircle2, 0, 5, 7));
  EXPECT_EQ(EntriesOf(circle, 0, 2), (Entries{{20003, 2}, {20077, 2}, {5, 7}}));

  DrawingList list = ListOf({{20092, 0}});
  ASSERT_TRUE(list.CreateItem(kTypePaint, 0, 1, 2));
  EXPECT_EQ(EntriesOf(list, 0, 3), (Entries{{20092, 0}, {20010, 2}, {20077, 2}, {1, 2}}));
  const auto before = LiveEntries(list);
  EXPECT_FALSE(list.CreateItem(kTypePolyLine, 1, 9, 9));
  EXPECT_EQ(LiveEntries(list), before);
}

TEST(DrawingList, AddPointSkipsARepeatOfTheEntryBeforeTheLastExceptForPaintAndMultiLinePairs) {
  // Right after CreateItem the entry before is "Begin Data": the same point goes in.
  DrawingList list;
  list.CreateItem(kTypePolyLine, 1, 5, 7);
  ASSERT_TRUE(list.AddPoint(5, 7, kTypePolyLine));
  EXPECT_EQ(list.NumPoints, 4);
  list.G1[2] = 0;  // a skipped repeat still rewrites the Begin Data offset
  ASSERT_TRUE(list.AddPoint(5, 7, kTypePolyLine));
  EXPECT_EQ(list.NumPoints, 4);
  EXPECT_EQ(list.G1[2], 4);
  ASSERT_TRUE(list.AddPoint(5, 8, kTypePolyLine));  // differs in y only
  EXPECT_EQ(list.NumPoints, 5);

  // Multi Line: kept when NumPoints - ItemFirst is even, skipped when odd.
  DrawingList multi;
  multi.CreateItem(kTypeMultiLine, 1, 1, 1);
  multi.AddPoint(1, 1, kTypeMultiLine);
  multi.AddPoint(1, 1, kTypeMultiLine);
  EXPECT_EQ(multi.NumPoints - multi.ItemFirst, 1);
  multi.AddPoint(2, 2, kTypeMultiLine);
  multi.AddPoint(1, 1, kTypeMultiLine);
  EXPECT_EQ(multi.NumPoints - multi.ItemFirst, 3);

  // The paint tool keeps repeats; the test is on the tool, not the record's type.
  DrawingList polyWithPaintTool;
  polyWithPaintTool.CreateItem(kTypePolyLine, 1, 3, 3);
  polyWithPaintTool.AddPoint(3, 3, kTypePaint);
  polyWithPaintTool.AddPoint(3, 3, kTypePaint);
  EXPECT_EQ(polyWithPaintTool.NumPoints, 5);
  EXPECT_TRUE(ListIsSound(polyWithPaintTool));
}

TEST(DrawingList, AppendingPastTheCapacityMarkGrowsByAThousandAndKeepsEveryEntry) {
  DrawingList list;
  EXPECT_EQ(list.size(), 1011);
  list.CreateItem(kTypePolyLine, 1, 0, 0);
  for (int k = 1; list.NumPoints < list.ListCapacity; ++k) list.AddPoint(float(k), float(-k), kTypePolyLine);
  EXPECT_EQ(list.size(), 1011);
  ASSERT_TRUE(list.AddPoint(-1, -1, kTypePolyLine));
  EXPECT_EQ(list.NumPoints, 1001);
  EXPECT_EQ(list.ListCapacity, 2000);
  EXPECT_EQ(list.size(), 2011);
  for (int i = 4; i <= 1000; ++i) ASSERT_EQ(list.G0[i], float(i - 3)) << i;
  EXPECT_EQ(EntriesOf(list, 1001, 1002), (Entries{{-1, -1}, {0, 0}}));
  ASSERT_TRUE(list.closeRecord());
  EXPECT_EQ(list.NumPoints, 1002);
  EXPECT_TRUE(ListIsSound(list));
}

DrawingList openRecordReaching(int last) {
  DrawingList list;
  list.CreateItem(kTypePolyLine, 1, 0, 0);
  while (list.NumPoints < last) list.AddPoint(float(list.NumPoints), 1, kTypePolyLine);
  return list;
}

TEST(DrawingList, NoOperationWritesPastTheLastIndexAndAFailedOneChangesNothing) {
  DrawingList full = openRecordReaching(kMaxIndex);
  const auto before = LiveEntries(full);
  const int capacity = full.ListCapacity;
  EXPECT_FALSE(full.AddPoint(-5, -5, kTypePolyLine));
  EXPECT_FALSE(full.closeRecord());
  EXPECT_EQ(full.ListCapacity, capacity);
  EXPECT_EQ(LiveEntries(full), before);
  EXPECT_TRUE(ListIsSound(full));
  // A repeat appends nothing and so is no failure; the record can still close.
  EXPECT_TRUE(full.AddPoint(full.G0[kMaxIndex - 1], full.G1[kMaxIndex - 1], kTypePolyLine));
  ASSERT_TRUE(full.DelLastPt());
  ASSERT_TRUE(full.closeRecord());
  EXPECT_EQ(full.NumPoints, kMaxIndex);
  EXPECT_TRUE(ListIsSound(full));

  // A new record needs three entries past the end marker.
  DrawingList nearly = openRecordReaching(kMaxIndex - 3);
  nearly.closeRecord();
  const auto idle = LiveEntries(nearly);
  EXPECT_FALSE(nearly.CreateItem(kTypePolyLine, 1, 9, 9));
  EXPECT_EQ(LiveEntries(nearly), idle);
  EXPECT_FALSE(nearly.recordOpen());
  EXPECT_TRUE(nearly.CreateItem(kTypeCircle2, 0, 9, 9));
  EXPECT_EQ(nearly.NumPoints, kMaxIndex);
}

// Poly Line at 0-5, a Mark at 6, an OUT 3 Pt Circle at 7-11, a PAINT record at 12-15, end at 16.
DrawingList threeRecords() {
  return ListOf({{20001, 3}, {0, 0}, {20077, 5}, {1, 1}, {2, 2}, {3, 3}, {20092, 0},
                 {20104, 2}, {20077, 4}, {4, 4}, {5, 5}, {6, 6}, {20010, 2}, {20077, 3}, {21003, 255}, {7, 7}});
}

TEST(DrawingList, SeekShapeFindsTheRecordOfEveryEntryAndIsNotMisledByCodeLikeCoordinates) {
  DrawingList list = threeRecords();
  struct Case { int index, header, last, type; };
  // From a point its record; from a header, slot or Mark the record before.
  for (const Case c : {Case{3, 0, 5, kTypePolyLine}, Case{5, 0, 5, kTypePolyLine}, Case{6, 0, 5, kTypePolyLine},
                       Case{7, 0, 5, kTypePolyLine}, Case{8, 0, 5, kTypePolyLine}, Case{9, 7, 11, kTypeCircle3},
                       Case{11, 7, 11, kTypeCircle3}, Case{15, 12, 15, kTypePaint}}) {
    SCOPED_TRACE(c.index);
    const auto s = list.SeekShape(c.index);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->header, c.header);
    EXPECT_EQ(s->last, c.last);
    EXPECT_EQ(s->type, c.type);
  }
  EXPECT_EQ(list.SeekShape(4)->first, 3);
  for (int i : {1, 2, -3, 400}) EXPECT_FALSE(list.SeekShape(i)) << i;

  list.CreateItem(kTypeMultiLine, 1, 8, 8);
  list.AddPoint(9, 9, kTypeMultiLine);
  EXPECT_EQ(list.SeekShape(list.NumPoints)->header, 16);

  // Points whose x equals "Begin Data" or a header code, as after a deep zoom.
  const DrawingList zoomed =
      ListOf({{20001, 3}, {0, 0}, {20077, 7}, {20500, 2}, {20077, 4}, {20001, 3}, {1, 1}, {2, 2}});
  for (int i = 3; i <= 7; ++i) {
    const auto s = zoomed.SeekShape(i);
    ASSERT_TRUE(s) << i;
    EXPECT_EQ(s->header, 0) << i;
    EXPECT_EQ(s->last, 7) << i;
  }
}

TEST(DrawingList, PointMarkIsABoxInAColourThatStandsOutAgainstTheFill) {
  EXPECT_EQ(PtMarkColor(float(rgb(128, 128, 128))), 0xFF0000u);
  EXPECT_EQ(PtMarkColor(float(rgb(127, 128, 128))), 0xFFFF00u);  // mean just below 128
  DrawingList list = threeRecords();
  Surface s(30, 30, kWhite);
  s.setPenColor(0x123456);
  DispPtMark(list, 15, s);  // seed (7, 7) after a red fill: dark, so cyan
  for (auto [x, y] : {std::pair{6, 6}, {8, 8}, {8, 6}}) EXPECT_EQ(s.point(x, y), 0xFFFF00u);
  EXPECT_EQ(s.point(7, 7), kWhite);
  EXPECT_EQ(s.point(5, 5), kWhite);
  EXPECT_EQ(s.penColor(), 0x123456u);

  Surface untouched(30, 30, kWhite);
  DispPtMark(list, 0, untouched);
  DispPtMark(list, 5000, untouched);
  EXPECT_TRUE(untouched == Surface(30, 30, kWhite));
}

TEST(DrawingList, RandomStoreOperationsKeepTheListSound) {
  std::mt19937 rng(1234);
  for (int run = 0; run < 20; ++run) {
    DrawingList list;
    int tool = 1;
    for (int step = 0; step < 1500; ++step) {
      const int op = int(rng() % 10);
      const float x = float(rng() % 5);  // small range: repeats happen often
      const float y = float(rng() % 5);
      if (!list.recordOpen()) {
        if (op < 7) {
          tool = std::vector<int>{0, 1, 2, 3, 4, 5, 6, 10}[rng() % 8];
          ASSERT_TRUE(list.CreateItem(tool, tool <= 2 ? 1 : 0, x, y));
          ASSERT_TRUE(list.AddPoint(x, y, tool));
        }
      } else if (op < 6) {
        ASSERT_TRUE(list.AddPoint(x, y, tool));
      } else if (op < 8) {
        ASSERT_EQ(list.DelLastPt(), list.NumPoints > list.ItemFirst);
      } else {
        ASSERT_TRUE(list.closeRecord());
      }
      ASSERT_TRUE(ListIsSound(list)) << "run " << run << " step " << step;
    }
  }
}

TEST(RecordCodes, FrameWalkStopsAtAFrameThatDoesNotFitAndNeverReadsPastTheEnd) {
  Frame f;
  DrawingList stuck = ListOf({{20002, 0}, {20077, 3}, {1, 1}});  // header offset 0
  FrameWalker walk(stuck);
  ASSERT_TRUE(walk.next(f));
  EXPECT_EQ(f.kind, FrameKind::Malformed);
  EXPECT_FALSE(walk.next(f));

  DrawingList longer = ListOf({{20092, 0}, {20001, 3}, {0, 0}, {20077, 50}, {1, 1}});
  FrameWalker walk2(longer);
  ASSERT_TRUE(walk2.next(f));
  EXPECT_EQ(f.kind, FrameKind::Single);
  ASSERT_TRUE(walk2.next(f));
  EXPECT_EQ(f.kind, FrameKind::Malformed);
  EXPECT_EQ(f.head, 1);
  EXPECT_FALSE(walk2.next(f));
}

TEST(RecordCodes, ColourEntriesAndMarksAreFoundOnlyWhereTheFramesPutThem) {
  // Points with x of 21005 and 20092, a PAINT seed at x 21040, a Mark, and an
  // OUT PAINT record with a deleted fill.
  const DrawingList list = ListOf({{20001, 3}, {0, 0}, {20077, 5}, {21005, 1}, {20092, 0}, {3, 3},
                                   {20010, 2}, {20077, 5}, {21003, 255}, {21040, 9}, {21108, 65535}, {4, 4},
                                   {20092, 0},
                                   {20110, 2}, {20077, 5}, {-7777, -7777}, {-7777, -7777}, {21001, 7}, {5, 5}});
  EXPECT_EQ(colourEntryIndexes(list, false), (std::vector<int>{8, 10}));
  EXPECT_EQ(colourEntryIndexes(list, true), (std::vector<int>{8, 10, 17}));
  EXPECT_EQ(lastMarkIndex(list), 12);
  EXPECT_EQ(lastMarkIndex(ListOf({{20001, 3}, {0, 0}, {20077, 4}, {20092, 0}, {20092, 0}})), -1);
}

}  // namespace
}  // namespace orn
