// Point finding and snapping: only stored points are found, in the order
// the tools rely on.
#include <gtest/gtest.h>

#include "canvas/snap.h"
#include "canvas_fixture.h"

namespace orn::test {
namespace {

// Finds a point as a press of the current tool does: (HitIndex, HitHeader).
std::pair<int, int> find(MouseScene& s, float x, float y) {
  s.m.FindPoint(x, y);
  return {s.pick.HitIndex, s.pick.HitHeader};
}

TEST(FindPoint, RepeatedPressesCycleThroughPointsAtOnePlaceAndAMultiLineHitNamesItsPair) {
  MouseScene s;
  AddShape(s.list, kTypePolyLine, {{50, 50}, {90, 50}});
  AddShape(s.list, kTypePolyLine, {{51, 51}, {51, 90}});
  s.ed.CurDrawType = kToolAdjustPoints;
  EXPECT_EQ(find(s, 50, 50), std::make_pair(3, 0));
  EXPECT_EQ(find(s, 50, 50), std::make_pair(8, 5));
  EXPECT_EQ(find(s, 50, 50), std::make_pair(3, 0));
  EXPECT_EQ(find(s, 50, 47), std::make_pair(-1, 0));  // 3 away in y: a miss

  MouseScene m;  // a multi line's pair is named by its first entry, whichever end is hit
  AddShape(m.list, kTypeMultiLine, {{10, 10}, {50, 10}, {10, 40}, {50, 40}});
  m.ed.CurDrawType = kToolEraseLines;
  EXPECT_EQ(find(m, 50, 40).first, 6);
  EXPECT_EQ(m.m.ms.HitPair, 5);
  m.m.FindPoint(10, 40);
  EXPECT_EQ(m.m.ms.HitPair, 5);
}

TEST(FindPoint, OnlyPointsAreFoundNeverSlotsColourEntriesOrSymmetryRecords) {
  MouseScene s;
  AddTranslationSymmetry(s.list, s.sym);
  const int after = s.list.NumPoints;
  AddShape(s.list, kTypePolyLine, {{100, 100}, {110, 100}});  // its parameter slot holds (0, 0)
  AddPaint(s.list, {{0x0000FF, {20, 20}}});
  s.ed.CurDrawType = kToolEraseLines;
  // The base rectangle has a point at (0, 0) and the symmetry items points
  // near it, but they lie before the end of the symmetry block.
  EXPECT_EQ(find(s, 1, 1).first, -1);
  EXPECT_EQ(find(s, 20, 20).first, -1);  // a fill's seed is no point for Erase Lines
  s.ed.CurDrawType = kToolAdjustColorHandles;
  s.m.FindPoint(21, 20);
  EXPECT_GT(s.pick.HitIndex, after);
  EXPECT_EQ(s.pick.HitType, kTypePaint);
  EXPECT_EQ(s.m.ms.HitPair, s.pick.HitIndex - 1);
  EXPECT_EQ(find(s, 100, 100).first, -1);  // a colour-handle tool never picks a shape point
}

TEST(GravFind, SnapsStrictlyInsideTheSnapDistanceToTheNewestRecord) {
  MouseScene s;
  AddShape(s.list, kTypePolyLine, {{50, 50}, {90, 50}});
  AddShape(s.list, kTypePolyLine, {{52, 52}, {52, 90}});
  AddPaint(s.list, {{0x0000FF, {70, 70}}});
  struct Case { float x, y; int snap; bool hit; float wantX; };
  // The newer polyline wins; exactly SnapSize away is out; fills never attract; size 0 is off.
  for (const Case c : {Case{51, 51, 5, true, 52}, Case{95, 50, 5, false, 95}, Case{71, 70, 5, false, 71},
                       Case{51, 51, 0, false, 51}}) {
    s.m.ms.SnapSize = c.snap;
    int flag = -1;
    float x = c.x, y = c.y;
    EXPECT_EQ(s.m.GravFind(x, y, -1, flag), c.hit) << c.x;
    EXPECT_EQ(x, c.wantX) << c.x;
    if (c.hit) {
      EXPECT_EQ(flag, 0);
    }
  }
}

TEST(GravFind, AnOpenCircleIgnoresItsOwnCentreAPolylineSnapsToItsPointsAndALeadingMarkIsSafe) {
  MouseScene s;
  s.m.ms.SnapSize = 5;
  s.tool(kToolCircle2);
  s.click(60, 60);
  s.click(62, 61);  // would snap onto the centre if the open record counted
  EXPECT_EQ(s.list.G0[3], 62.0f);
  s.tool(kToolPolyLine);
  s.click(100, 100);
  s.click(130, 100);
  // Snapped onto its own first point: the snap's move fixes the point and
  // the click, now on the last fixed point, ends the polyline there.
  s.click(101, 102);
  EXPECT_FALSE(s.list.recordOpen());
  EXPECT_EQ(EntriesOf(s.list, s.list.NumPoints - 2, s.list.NumPoints - 1), (Entries{{130, 100}, {100, 100}}));

  MouseScene m;  // a mark at the very start of the list is no record to snap into
  Append(m.list, {{float(kCodeMark), 0}});
  m.m.ms.SnapSize = 5;
  m.tool(kToolPolyLine);
  m.click(3, 3);
  m.click(40, 40);
  EXPECT_TRUE(ListIsSound(m.list));
  EXPECT_EQ(m.list.G0[0], float(kCodeMark));
}

}  // namespace
}  // namespace orn::test
