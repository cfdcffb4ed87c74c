// Records wholly outside the canvas are marked OUT and come back in when
// they are in view again.
#include <gtest/gtest.h>

#include "canvas/out_marks.h"
#include "canvas_fixture.h"

namespace orn::test {
namespace {

constexpr CanvasRect kCanvas{0, 400, 0, 300};

TEST(OutMarks, ShapesOutsideAreMarkedAndComeBackAndAnEdgeTouchStaysIn) {
  DrawingList list = ListOf({{20001, 3}, {0, 0}, {20077, 4}, {500, 10}, {600, 20},     // right of the canvas
                             {20003, 2}, {20077, 3}, {-50, 10}, {0, 10},                // maxX = L: touches
                             {20105, 2}, {20077, 4}, {10, 10}, {20, 20}, {30, 10}});    // an OUT arc now inside
  MakeOutMarks(list, kCanvas);
  EXPECT_EQ(list.G0[0], 20101.0f);
  EXPECT_EQ(list.G0[5], 20003.0f);
  EXPECT_EQ(list.G0[9], 20005.0f);

  list.G0[3] = 100;  // moved back into view
  MakeOutMarks(list, kCanvas);
  EXPECT_EQ(list.G0[0], 20001.0f);
  // Nothing but header codes changed.
  EXPECT_EQ(list.G1[0], 3.0f);
  EXPECT_EQ(list.G0[4], 600.0f);
}

TEST(OutMarks, PaintIsJudgedByItsSeedsAlone) {
  // Colour entries (21000 + code, RGB) lie far outside; the seed is inside.
  DrawingList inside = ListOf({{20010, 2}, {20077, 3}, {21305, 255}, {50, 50}});
  MakeOutMarks(inside, kCanvas);
  EXPECT_EQ(inside.G0[0], 20010.0f);

  DrawingList outside = ListOf({{20010, 2}, {20077, 5}, {21305, 255}, {-10, 50}, {21412, 65280}, {-20, 900}});
  MakeOutMarks(outside, kCanvas);
  EXPECT_EQ(outside.G0[0], 20110.0f);
}

TEST(OutMarks, PositiveSymmetryChangeKeepsEverythingInUntilTurnedOff) {
  DrawingList list = ListOf({{20091, 1},
                             {20001, 3}, {0, 0}, {20077, 4}, {900, 900}, {950, 900},
                             {20091, -2},
                             {20001, 3}, {0, 0}, {20077, 4}, {900, 900}, {950, 900},
                             {20092, 0}});
  MakeOutMarks(list, kCanvas);
  EXPECT_EQ(list.G0[1], 20001.0f);
  EXPECT_EQ(list.G0[7], 20101.0f);
  EXPECT_EQ(list.G0[12], 20092.0f);
}

TEST(OutMarks, SymmetryItemsFollowTheirReferenceShapeAndTheBaseCopyKeepsItIn) {
  DrawingList list = ListOf({{20006, 2}, {20077, 5}, {900, 900}, {990, 900}, {990, 990}, {900, 990},  // 0, off canvas
                             {20006, 2}, {20077, 5}, {800, 0}, {890, 0}, {890, 90}, {800, 90},        // 6, off canvas
                             {20091, -2},
                             {20090, 4}, {-1, 1}, {0, 0}, {20077, 7}, {0, 0}, {1, 0}, {1, 1}, {0, 1},     // 13 base of ref 0
                             {20090, 4}, {2, 1}, {6, 0}, {20077, 7}, {0, 0}, {1, 0}, {1, 1}, {0, 1},      // 21 ref 6
                             {20090, 4}, {2, 2}, {5, 0}, {20077, 7}, {0, 0}, {1, 0}, {1, 1}, {0, 1},      // 29 ref is a point
                             {20190, 4}, {2, 3}, {9999, 0}, {20077, 7}, {0, 0}, {1, 0}, {1, 1}, {0, 1}}); // 37 ref outside
  MakeOutMarks(list, kCanvas);
  EXPECT_EQ(list.G0[0], 20006.0f);   // forced in by its base copy
  EXPECT_EQ(list.G0[13], 20090.0f);
  EXPECT_EQ(list.G0[6], 20106.0f);
  EXPECT_EQ(list.G0[21], 20190.0f);  // follows its shape out
  EXPECT_EQ(list.G0[29], 20090.0f);  // a reference that is no shape: left in, and the point untouched
  EXPECT_EQ(list.G0[5], 900.0f);
  EXPECT_EQ(list.G0[37], 20090.0f);
}

TEST(OutMarks, EmptyListAndAnOpenRecordAreSafe) {
  DrawingList empty;
  MakeOutMarks(empty, kCanvas);
  EXPECT_EQ(empty.G0[0], 20099.0f);

  // An open record: NumPoints is its last point, no end marker yet.
  DrawingList open = ListOf({{20001, 3}, {0, 0}, {20077, 4}, {500, 10}, {600, 20}});
  open.NumPoints = open.ItemHead = 4;
  open.ItemFirst = 3;
  MakeOutMarks(open, kCanvas);
  EXPECT_EQ(open.G0[0], 20101.0f);
  EXPECT_EQ(open.G0[5], 20099.0f);
}

}  // namespace
}  // namespace orn::test
