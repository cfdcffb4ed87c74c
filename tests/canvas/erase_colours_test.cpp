// Erasing all colour: the PAINT records leave the list, every other record
// stays exactly as it was, and the list stays well formed.
#include <gtest/gtest.h>

#include "canvas/erase_colours.h"
#include "colour_fixture.h"

namespace orn::test {
namespace {

// The entries of every frame that is not a live PAINT record, in order.
Entries keptEntries(const DrawingList& list) {
  Entries out;
  FrameWalker walk(list);
  Frame f;
  while (walk.next(f)) {
    if (f.kind == FrameKind::Record && list.G0[f.head] == float(kCodePaint)) continue;
    const Entries e = EntriesOf(list, f.head, f.last);
    out.insert(out.end(), e.begin(), e.end());
  }
  return out;
}

void expectWellFormedWithoutPaint(const DrawingList& list) {
  EXPECT_TRUE(ListIsSound(list));
  EXPECT_FALSE(list.recordOpen());
  FrameWalker walk(list);
  Frame f;
  while (walk.next(f)) EXPECT_NE(list.G0[f.head], float(kCodePaint)) << "at " << f.head;
}

struct EraseScene : ColourScene {
  void useTwoColours() { useColours({{308, 0x3333FF}, {999, 0x2050E0}}); }
};

TEST(EraseColours, RemovesPaintBetweenRecordsAndLeavesTheOthersIdentical) {
  EraseScene s;
  AddShape(s.list, kTypePolyLine, {{10, 10}, {50, 10}, {50, 50}});
  AddPaint(s.list, {{0x0000FF, {20, 20}}, {0x00FF00, {30, 30}}});
  AddShape(s.list, kTypeCircle2, {{100, 100}, {120, 100}});
  Append(s.list, {{float(kCodeMark), 0.0f}});
  AddPaint(s.list, {{0xFF0000, {5, 5}}});
  // A PAINT record taken out of the picture is not a live one and stays.
  const int out = AddPaint(s.list, {{0x123456, {7, 7}}});
  s.list.G0[out] = float(kCodePaint + kCodeOut);
  AddShape(s.list, kTypeSpline, {{60, 60}, {70, 80}, {90, 60}});
  s.useTwoColours();
  const Entries expected = keptEntries(s.list);
  const int before = s.list.NumPoints;

  ASSERT_TRUE(s.t.EraseC(kEraseSilent));

  expectWellFormedWithoutPaint(s.list);
  EXPECT_EQ(EntriesOf(s.list, 0, s.list.NumPoints), expected);
  // The entries freed at the end hold nothing of the old records.
  for (int i = s.list.NumPoints + 1; i <= before; ++i) EXPECT_TRUE(s.list.G0[i] == 0 && s.list.G1[i] == 0) << i;
  EXPECT_EQ(s.colour.InUseCount, 0);
  EXPECT_TRUE(s.colour.ColorsInUse.empty());
  EXPECT_TRUE(s.host.boxes.empty());  // silently: no question, no redraw
  EXPECT_EQ(s.cui.redraws, 0);
  EXPECT_TRUE(s.ed.PicChanged);  // the picture to be saved has changed
}

TEST(EraseColours, AsksFirstAndCancelLeavesThePictureAloneButSelectsThePaintTool) {
  EraseScene s;
  AddShape(s.list, kTypePolyLine, {{10, 10}, {50, 10}});
  AddPaint(s.list, {{0x0000FF, {20, 20}}});
  s.useTwoColours();
  const Entries all = EntriesOf(s.list, 0, s.list.NumPoints);
  const int n = s.list.NumPoints;

  s.host.answer = MsgResult::Cancel;
  EXPECT_FALSE(s.t.EraseC(kEraseAsks));
  ASSERT_EQ(s.host.boxes.size(), 1u);
  EXPECT_EQ(s.host.boxes[0].text, "Are you sure?");
  EXPECT_EQ(s.host.boxes[0].title, "Erase All Color From Picture");
  EXPECT_EQ(s.host.boxes[0].buttons, MsgButtons::OKCancel);
  EXPECT_EQ(s.host.boxes[0].icon, MsgIcon::Question);
  EXPECT_EQ(s.list.NumPoints, n);
  EXPECT_EQ(EntriesOf(s.list, 0, n), all);
  EXPECT_EQ(s.colour.InUseCount, 2);
  EXPECT_EQ(s.cui.redraws, 0);
  EXPECT_FALSE(s.ed.PicChanged);
  EXPECT_EQ(s.ed.CurDrawType, kToolPaint);
  // (OK: the window's colour panel and show-mode tests.)
}

TEST(EraseColours, PacksPendingDeletionsAndClosesTheOpenRecordFirst) {
  EraseScene s;
  const int line = AddShape(s.list, kTypePolyLine, {{10, 10}, {50, 10}, {50, 50}, {10, 50}});
  AddPaint(s.list, {{0x0000FF, {20, 20}}});
  // The second point of the line is deleted and waits for packing.
  const int first = firstPointOf(s.list, line);
  s.list.G0[first + 1] = kDeletedPoint;
  s.list.G1[first + 1] = kDeletedPoint;
  s.list.PackFrom = static_cast<std::int16_t>(first + 1);
  // A polyline still being drawn.
  ASSERT_TRUE(s.list.CreateItem(kTypePolyLine, 1, 200, 200));
  ASSERT_TRUE(s.list.AddPoint(220, 210, kToolPolyLine));
  ASSERT_TRUE(s.list.recordOpen());

  ASSERT_TRUE(s.t.EraseC(kEraseSilent));

  EXPECT_EQ(s.list.PackFrom, 0);
  expectWellFormedWithoutPaint(s.list);
  // The line lost its deleted point; the closed record follows it directly.
  const Frame a = frameAt(s.list, 0), b = frameAt(s.list, a.next());
  EXPECT_EQ(EntriesOf(s.list, a.first, a.last), (Entries{{10, 10}, {50, 50}, {10, 50}}));
  EXPECT_EQ(EntriesOf(s.list, b.first, b.last), (Entries{{200, 200}, {220, 210}}));
  EXPECT_EQ(b.next(), s.list.NumPoints);
}

TEST(EraseColours, SymmetryBlockAfterAFillKeepsWorking) {
  // The base shapes were coloured before the symmetry was set up: the block
  // and the Geometric record it refers to move down with the fill gone.
  EraseScene s;
  const int fill = AddPaint(s.list, {{0x0000FF, {40, 40}}});
  const int fillLength = s.list.NumPoints - fill;
  AddTranslationSymmetry(s.list, s.sym);
  AddShape(s.list, kTypePolyLine, {{10, 10}, {100, 100}});
  const int oldStart = s.sym.SymStart;
  const int oldEnd = s.sym.SymEnd;
  s.sym.CurPart = 1;
  ASSERT_EQ(CheckSymData(s.sym, s.list), SymRebuild::Valid);

  ASSERT_TRUE(s.t.EraseC(kEraseSilent));

  expectWellFormedWithoutPaint(s.list);
  EXPECT_EQ(s.sym.SymStart, oldStart - fillLength);
  EXPECT_EQ(s.sym.SymEnd, oldEnd - fillLength);
  EXPECT_EQ(EntriesOf(s.list, s.sym.SymStart, s.sym.SymStart), (Entries{{float(kCodeSymmetryChg), -2}}));
  EXPECT_EQ(s.list.G0[s.sym.SymEnd], float(kCodeSymmetryChg));
  EXPECT_FALSE(s.sym.SymTablesValid);
  ASSERT_EQ(CheckSymData(s.sym, s.list), SymRebuild::Valid);
  // Every copy still refers to the Geometric record, now at the list's start.
  std::vector<SymItem> items;
  ASSERT_TRUE(ReadSymBlock(s.list, s.sym, items));
  ASSERT_EQ(items.size(), 2u);
  for (const SymItem& it : items) EXPECT_EQ(it.RefGeo, 0);
  EXPECT_EQ(s.list.G0[0], float(kCodeGeometric));

  // The redraw replicates the line into the translated copy.
  RedrawEnv redraw = s.env();
  DrawAll(redraw, 1);
  EXPECT_EQ(s.canvas.point(55, 55), std::int64_t(kBlack));
  EXPECT_EQ(s.canvas.point(175, 55), std::int64_t(kBlack));
}

TEST(EraseColours, APictureWithoutPaintKeepsItsListAndStripAndCtrlResetsThePartChanges) {
  EraseScene s;
  AddShape(s.list, kTypePolyLine, {{10, 10}, {50, 10}});
  Append(s.list, {{float(kCodeMark), 0.0f}});
  Append(s.list, {{float(kCodeSymmetryChg), -2.0f}});
  Append(s.list, {{float(kCodeSymmetryChg), 3.0f}});
  s.useTwoColours();
  const Entries all = EntriesOf(s.list, 0, s.list.NumPoints + 3);
  const int n = s.list.NumPoints;
  EXPECT_EQ(RemovePaintRecords(s.list, s.sym), 0);
  ASSERT_TRUE(s.t.EraseC(kEraseAsks));
  EXPECT_EQ(s.list.NumPoints, n);
  EXPECT_EQ(EntriesOf(s.list, 0, n + 3), all);
  EXPECT_EQ(s.colour.InUseCount, 2);
  EXPECT_FALSE(s.ed.PicChanged);

  // With Ctrl held the recorded part changes go too; the block's opening entry stays.
  s.host.ctrl = true;
  ASSERT_TRUE(s.t.EraseC(kEraseAsks));
  EXPECT_EQ(s.list.G1[n - 2], -2.0f);
  EXPECT_EQ(s.list.G1[n - 1], 0.0f);
  EXPECT_TRUE(s.ed.PicChanged);
}

}  // namespace
}  // namespace orn::test
