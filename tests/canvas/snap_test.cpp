// Point finding and snapping: only stored points are found, in the order
// the tools rely on.
#include <gtest/gtest.h>

#include "canvas/snap.h"
#include "mouse_fixture.h"

namespace orn::test {
namespace {

TEST(FindPoint, RepeatedPressesCycleThroughPointsAtOnePlace) {
  MouseScene s;
  s.addShape(kTypePolyLine, {{50, 50}, {90, 50}});
  s.addShape(kTypePolyLine, {{51, 51}, {51, 90}});
  s.ed.CurDrawType = kToolAdjustPoints;
  s.m.FindPoint(50, 50);
  EXPECT_EQ(s.pick.HitIndex, 3);
  EXPECT_EQ(s.pick.HitHeader, 0);
  s.m.FindPoint(50, 50);
  EXPECT_EQ(s.pick.HitIndex, 8);
  EXPECT_EQ(s.pick.HitHeader, 5);
  s.m.FindPoint(50, 50);
  EXPECT_EQ(s.pick.HitIndex, 3);
  s.m.FindPoint(50, 47);  // 3 away in y: a miss keeps the rest
  EXPECT_EQ(s.pick.HitIndex, -1);
  EXPECT_EQ(s.pick.HitHeader, 0);
}

TEST(FindPoint, OnlyPointsAreFoundNeverSlotsColourEntriesOrSymmetryRecords) {
  MouseScene s;
  s.addTranslationSymmetry();
  const int after = s.list.NumPoints;
  s.addShape(kTypePolyLine, {{100, 100}, {110, 100}});  // its parameter slot holds (0, 0)
  s.addPaint({{0x0000FF, {20, 20}}});
  s.ed.CurDrawType = kToolEraseLines;
  // The base rectangle has a point at (0, 0) and the symmetry items points
  // near it, but they lie before the end of the symmetry block.
  s.m.FindPoint(1, 1);
  EXPECT_EQ(s.pick.HitIndex, -1);
  s.m.FindPoint(20, 20);  // a fill's seed is no point for Erase Lines
  EXPECT_EQ(s.pick.HitIndex, -1);
  s.ed.CurDrawType = kToolAdjustColorHandles;
  s.m.FindPoint(21, 20);
  EXPECT_GT(s.pick.HitIndex, after);
  EXPECT_EQ(s.pick.HitType, kTypePaint);
  EXPECT_EQ(s.m.ms.HitPair, s.pick.HitIndex - 1);
  s.m.FindPoint(100, 100);  // a colour-handle tool never picks a shape point
  EXPECT_EQ(s.pick.HitIndex, -1);
}

TEST(FindPoint, MultiLinePairIsTheFirstEntryOfThePair) {
  MouseScene s;
  s.addShape(kTypeMultiLine, {{10, 10}, {50, 10}, {10, 40}, {50, 40}});
  s.ed.CurDrawType = kToolEraseLines;
  s.m.FindPoint(50, 40);
  EXPECT_EQ(s.pick.HitIndex, 6);
  EXPECT_EQ(s.m.ms.HitPair, 5);
  s.m.FindPoint(10, 40);
  EXPECT_EQ(s.m.ms.HitPair, 5);
}

TEST(GravFind, SnapsStrictlyInsideTheSnapDistanceToTheNewestRecord) {
  MouseScene s;
  s.addShape(kTypePolyLine, {{50, 50}, {90, 50}});
  s.addShape(kTypePolyLine, {{52, 52}, {52, 90}});
  s.addPaint({{0x0000FF, {70, 70}}});
  s.m.ms.SnapSize = 5;
  int flag = -1;
  float x = 51, y = 51;
  EXPECT_TRUE(s.m.GravFind(x, y, -1, flag));
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(x, 52.0f);  // the newer polyline wins
  x = 95, y = 50;  // exactly SnapSize away in x
  EXPECT_FALSE(s.m.GravFind(x, y, -1, flag));
  x = 71, y = 70;  // fills never attract
  EXPECT_FALSE(s.m.GravFind(x, y, -1, flag));
  s.m.ms.SnapSize = 0;
  x = 51, y = 51;
  EXPECT_FALSE(s.m.GravFind(x, y, -1, flag));
}

TEST(GravFind, ACircleBeingDrawnIsNotAttractedByItsOwnCentreButAPolylineIsByItsPoints) {
  MouseScene s;
  s.m.ms.SnapSize = 5;
  s.tool(kToolCircle2);
  s.click(60, 60);
  s.click(62, 61);  // would snap onto the centre if the open record counted
  EXPECT_EQ(s.list.G0[3], 62.0f);
  s.tool(kToolPolyLine);
  s.click(100, 100);
  s.click(130, 100);
  // Snapped onto the polyline's own first point, 30 units from the last
  // fixed point: the snap's move fixes the point and the click, now on the
  // last fixed point, ends the polyline there.
  s.click(101, 102);
  EXPECT_FALSE(s.list.recordOpen());
  const int last = s.list.NumPoints - 1;
  EXPECT_EQ(s.list.G0[last], 100.0f);
  EXPECT_EQ(s.list.G1[last], 100.0f);
  EXPECT_EQ(s.list.G0[last - 1], 130.0f);
}

TEST(GravFind, AMarkAtTheStartOfTheListIsSafe) {
  MouseScene s;
  s.addSingle(float(kCodeMark), 0);
  s.m.ms.SnapSize = 5;
  s.tool(kToolPolyLine);
  s.click(3, 3);
  s.click(40, 40);
  EXPECT_TRUE(s.wellFormed());
  EXPECT_EQ(s.list.G0[0], float(kCodeMark));
}

}  // namespace
}  // namespace orn::test
