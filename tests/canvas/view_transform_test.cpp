// Applying a stored view rewrites the points of the list and the stored
// frames; a row that cannot be applied changes nothing.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "canvas/view_table.h"
#include "model/drawing_list.h"

namespace orn {
namespace {

DrawingList ListOf(std::initializer_list<std::pair<float, float>> entries) {
  DrawingList list;
  int i = 0;
  for (auto [a, b] : entries) {
    list.ensureIndex(i);
    list.G0[i] = a;
    list.G1[i] = b;
    ++i;
  }
  list.ensureIndex(i);
  list.G0[i] = 20099;
  list.G1[i] = 0;
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(i);
  return list;
}

constexpr CanvasRect kCanvas{0, 400, 0, 300};

TEST(ViewTransform, ThirtyDegreeFrameBecomesHorizontalAndScaled) {
  ViewTable v;
  v.rows[1] = ViewRow{100, 100, 273.2051f, 200, 0, 0, 0, 0, 399, 0, 0, 0};
  DrawingList list = ListOf({{20001, 3}, {0, 0}, {20077, 5}, {100, 100}, {273.2051f, 200}, {200, 300}});
  ASSERT_TRUE(TransformView(v, list, 1, kCanvas));
  EXPECT_NEAR(list.G0[3], 0, 1e-3);
  EXPECT_NEAR(list.G1[3], 0, 1e-3);
  EXPECT_NEAR(list.G0[4], 399, 1e-3);
  EXPECT_NEAR(list.G1[4], 0, 1e-3);
  EXPECT_NEAR(list.G0[5], 372.2721, 2e-3);
  EXPECT_NEAR(list.G1[5], 245.7941, 2e-3);
  // The row's own frame moved with the points; its targets stayed.
  EXPECT_NEAR(v.rows[1][0], 0, 1e-3);
  EXPECT_NEAR(v.rows[1][2], 399, 1e-3);
  EXPECT_EQ(v.rows[1][8], 399.0f);
  // Header, parameter and Begin Data entries are never rewritten.
  EXPECT_EQ(list.G0[0], 20001.0f);
  EXPECT_EQ(list.G1[2], 5.0f);
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
  EXPECT_EQ(list.G0[3], 250.0f);
  EXPECT_EQ(list.G1[3], 150.0f);
  EXPECT_EQ(list.G0[4], 50.0f);
  EXPECT_EQ(list.G1[5], 7.0f);       // symmetry change kept
  EXPECT_EQ(list.G0[6], 20092.0f);   // Mark kept
  EXPECT_EQ(list.G0[9], 21305.0f);   // colour entry kept
  EXPECT_EQ(list.G1[9], 255.0f);
  EXPECT_EQ(list.G0[10], 20.0f);     // seed halved
  EXPECT_EQ(list.G1[10], 30.0f);
  EXPECT_EQ(list.G0[12], -7777.0f);  // a deleted pair keeps its mark
  EXPECT_EQ(list.G1[12], -7777.0f);
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
  EXPECT_NEAR(list.G0[2], 100, 1e-3);
  EXPECT_NEAR(list.G1[2], 0, 1e-3);
  EXPECT_NEAR(list.G0[3], 0, 1e-3);
  EXPECT_NEAR(list.G1[3], -50, 1e-3);
}

TEST(ViewTransform, ResizeRescalesAboutTheOriginAfterPackingPendingDeletions) {
  DrawingList list = ListOf({{20002, 3}, {0, 0}, {20077, 6}, {10, 20}, {30, 40}, {-7777, -7777}, {-7777, -7777},
                             {20001, 3}, {0, 0}, {20077, 4}, {100, 200}, {300, 400}});
  list.PackFrom = 5;
  ViewTable v;
  ResetViews(v, 600, 450);
  ASSERT_TRUE(RescaleToCanvas(v, list, 600, 900, 675));
  EXPECT_EQ(list.PackFrom, 0);
  EXPECT_EQ(list.NumPoints, 10);
  EXPECT_EQ(list.G1[2], 4.0f);
  EXPECT_EQ(list.G0[3], 15.0f);
  EXPECT_EQ(list.G1[4], 60.0f);
  EXPECT_EQ(list.G0[8], 150.0f);
  EXPECT_EQ(list.G1[9], 600.0f);
  EXPECT_EQ(v.ViewDepth, 0);
  EXPECT_NEAR(v.rows[1][2], 599 * 1.5, 1e-3);  // the full-picture view moved with the picture
}

TEST(ViewTable, SaveScaleStartsTheHistoryAgainWhenTheTableIsFull) {
  ViewTable v;
  v.ViewDepth = 30;  // row 50 in use
  SaveScale(v, 400, 300);
  EXPECT_EQ(v.ViewDepth, 1);
  EXPECT_EQ(v.rows[21], (ViewRow{0, 0, 399, 0, 399, 299, 0, 0, 399, 0, 399, 299}));
}

}  // namespace
}  // namespace orn
