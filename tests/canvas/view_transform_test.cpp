// Applying a stored view rewrites the points of the list and the stored
// frames; a row that cannot be applied changes nothing.
#include <gtest/gtest.h>

#include "canvas/view_table.h"
#include "canvas_fixture.h"

namespace orn::test {
namespace {

constexpr CanvasRect kCanvas{0, 400, 0, 300};

// The points from index `from` on are near the given (x, y) pairs.
void expectPoints(const DrawingList& list, int from, std::initializer_list<Pt> want, double tol = 1e-3) {
  int i = from;
  for (auto [x, y] : want) {
    EXPECT_NEAR(list.G0[i], x, tol) << i;
    EXPECT_NEAR(list.G1[i], y, tol) << i;
    ++i;
  }
}

TEST(ViewTransform, ThirtyDegreeFrameBecomesHorizontalAndScaled) {
  ViewTable v;
  v.rows[1] = ViewRow{100, 100, 273.2051f, 200, 0, 0, 0, 0, 399, 0, 0, 0};
  DrawingList list = ListOf({{20001, 3}, {0, 0}, {20077, 5}, {100, 100}, {273.2051f, 200}, {200, 300}});
  ASSERT_TRUE(TransformView(v, list, 1, kCanvas));
  expectPoints(list, 3, {{0, 0}, {399, 0}, {372.2721f, 245.7941f}}, 2e-3);
  // The row's own frame moved with the points; its targets stayed.
  EXPECT_NEAR(v.rows[1][0], 0, 1e-3);
  EXPECT_NEAR(v.rows[1][2], 399, 1e-3);
  EXPECT_EQ(v.rows[1][8], 399.0f);
  EXPECT_EQ(EntriesOf(list, 0, 2), (Entries{{20001, 3}, {0, 0}, {20077, 5}}));  // never rewritten
}

TEST(ViewTransform, DoubleWidthFrameHalvesPointsSeedsAndStoredFramesButNotCodes) {
  ViewTable v;
  v.rows[6] = ViewRow{0, 0, 798, 0, 798, 598, 0, 0, 399, 0, 399, 299};
  v.rows[3] = ViewRow{100, 100, 300, 100, 300, 200, 0, 0, 399, 0, 399, 299};
  v.rows[21] = ViewRow{2, 4, 6, 4, 6, 8, 0, 0, 1, 0, 1, 1};
  v.rows[30] = ViewRow{2, 4, 6, 4, 6, 8, 0, 0, 1, 0, 1, 1};  // beyond the history: untouched
  v.ViewDepth = 1;
  DrawingList list = ListOf({{20001, 3}, {0, 0}, {20077, 4}, {500, 300}, {100, 50},
                             {20091, 7}, {20092, 0},
                             {20010, 2}, {20077, 5}, {21305, 255}, {40, 60}, {-7777, -7777}, {-7777, -7777}});
  ASSERT_TRUE(TransformView(v, list, 6, kCanvas));
  // Points and seeds halved; symmetry change, Mark, colour entry and deleted pair kept.
  EXPECT_EQ(EntriesOf(list, 0, 12), (Entries{{20001, 3}, {0, 0}, {20077, 4}, {250, 150}, {50, 25}, {20091, 7}, {20092, 0},
                                             {20010, 2}, {20077, 5}, {21305, 255}, {20, 30}, {-7777, -7777}, {-7777, -7777}}));
  EXPECT_EQ(v.rows[3], (ViewRow{50, 50, 150, 50, 150, 100, 0, 0, 399, 0, 399, 299}));
  EXPECT_EQ(v.rows[21][0], 1.0f);
  EXPECT_EQ(v.rows[30][0], 2.0f);
}

TEST(ViewTransform, RowsThatCannotBeAppliedChangeNothing) {
  const DrawingList original = ListOf({{20001, 3}, {0, 0}, {20077, 4}, {5, 7}, {15, 9}});
  ViewTable v;
  v.rows[1] = ViewRow{0, 0, 100, 0, 100, 100, 0, 0, 399, 0, 399, 299};
  v.rows[2] = ViewRow{0, 0, 100, 0, 100, 100, 10, 10, 10, 10, 10, 10};  // target of no width
  v.rows[4] = ViewRow{30, 30, 30, 30, 30, 30, 0, 0, 399, 0, 399, 299};  // edge of no length
  v.rows[5] = ViewRow{0, 0, 1e-30f, 0, 0, 0, 0, 0, 3e38f, 0, 0, 0};     // scale overflows
  const ViewTable before = v;
  for (int row : {0, 2, 4, 5, 51, -1}) {
    DrawingList list = original;
    EXPECT_FALSE(TransformView(v, list, row, kCanvas)) << row;
    EXPECT_EQ(list.G0, original.G0) << row;
    EXPECT_EQ(list.G1, original.G1) << row;
    EXPECT_EQ(v.rows, before.rows) << row;
  }
}

TEST(ViewTransform, VerticalFrameEdgeTurnsThePictureAQuarter) {
  ViewTable v;
  v.rows[1] = ViewRow{0, 0, 0, 100, 0, 0, 0, 0, 100, 0, 0, 0};
  DrawingList list = ListOf({{20003, 2}, {20077, 3}, {0, 100}, {50, 0}});
  ASSERT_TRUE(TransformView(v, list, 1, kCanvas));
  expectPoints(list, 2, {{100, 0}, {0, -50}});
}

TEST(ViewTable, SaveScaleStartsTheHistoryAgainWhenTheTableIsFull) {
  ViewTable v;
  v.ViewDepth = 30;  // row 50 in use
  SaveScale(v, 400, 300);
  EXPECT_EQ(v.ViewDepth, 1);
  EXPECT_EQ(v.rows[21], (ViewRow{0, 0, 399, 0, 399, 299, 0, 0, 399, 0, 399, 299}));
}

}  // namespace
}  // namespace orn::test
