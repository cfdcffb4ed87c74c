// The zoom commands' views on a real list: rounds of turned boxes and steps
// back, the fine-tuning steps, the page views and the views of symmetry parts.
#include <gtest/gtest.h>

#include <cmath>

#include "canvas/zoom_views.h"
#include "canvas_fixture.h"

namespace orn::test {
namespace {

constexpr int kW = 400, kH = 300;

// A Poly Line through the given points.
DrawingList LineOf(const Entries& pts) {
  DrawingList list;
  AddShape(list, kTypePolyLine, pts);
  return list;
}

void expectSamePoints(const DrawingList& a, const DrawingList& b, double tol) {
  ASSERT_EQ(a.NumPoints, b.NumPoints);
  for (int i = 0; i <= a.NumPoints; ++i) {
    EXPECT_NEAR(a.G0[i], b.G0[i], tol) << i;
    EXPECT_NEAR(a.G1[i], b.G1[i], tol) << i;
  }
}

// The zoom box at half the canvas, centred on (cx, cy), turned `deg` degrees.
ZoomBoxState BoxAt(float cx, float cy, float scale, float deg = 0) {
  ZoomBoxState b;
  CalcBox(b, kW, kH);
  b.ViewOffX = cx - b.BoxRef[kBoxCentre].x;
  b.ViewOffY = cy - b.BoxRef[kBoxCentre].y;
  b.ViewInvScale = scale;
  b.ViewRot = DegToRad(deg);
  GeoRotate(b);
  return b;
}

TEST(ZoomViews, RoundsOfTurnsAndStepsBackDoNotDrift) {
  DrawingList list = LineOf({{10, 10}, {390, 20}, {200, 290}, {0, 299}});
  const DrawingList before = list;
  ViewTable v;
  // Nine rounds of: a turned box, the rotate bar's small step, a zoom; then
  // all the steps back.
  for (int round = 0; round < 9; ++round) {
    SaveScale(v, kW, kH);
    ApplyBoxView(v, list, BoxAt(190, 160, 0.8f, 7.0f * float(round + 1)), kW, kH);
    SaveScale(v, kW, kH);
    FineTuneView(v, list, 1, 1, kW, kH);
    SaveScale(v, kW, kH);
    FineTuneView(v, list, 2, -30, kW, kH);
  }
  while (StepBackView(v, list, kW, kH)) {
  }
  expectSamePoints(list, before, 1e-3);
}

TEST(ZoomViews, FineTuningStepsTurnAndScaleAboutTheCentre) {
  ViewTable v;
  DrawingList scale = LineOf({{0, 0}, {399, 299}});
  ASSERT_TRUE(FineTuneView(v, scale, 2, 30, kW, kH));  // 7.5 % larger about the centre
  const int f = firstPointOf(scale, 0);
  EXPECT_NEAR(scale.G0[f], -14.9625, 1e-3);
  EXPECT_NEAR(scale.G1[f + 1], 310.2125, 1e-3);
  DrawingList turn = LineOf({{199.5f, 149.5f}, {399, 149.5f}});
  ASSERT_TRUE(FineTuneView(v, turn, 1, 4, kW, kH));  // one degree clockwise about the centre
  const int t = firstPointOf(turn, 0);
  EXPECT_NEAR(turn.G0[t], 199.5, 1e-3);
  EXPECT_NEAR(turn.G1[t], 149.5, 1e-3);
  EXPECT_NEAR(turn.G1[t + 1] - 149.5, 199.5 * std::sin(kPi / 180), 1e-2);
  EXPECT_EQ(v.ViewDepth, 0);
  EXPECT_FALSE(FineTuneView(v, turn, 1, 0, kW, kH));
}

TEST(ZoomViews, ARowIsUsableOnlyWithAFrameAndACanvasSize) {
  ViewTable v;
  EXPECT_FALSE(ZoomRowUsable(v, 8));  // never stored
  v.rows[9] = ViewRow{0, 0, 100, 0, 100, 80, 0, 0, 399, 0, -1, -1};
  EXPECT_FALSE(ZoomRowUsable(v, 9));  // no canvas to size to
  v.rows[9] = ViewRow{0, 0, 100, 0, 100, 80, 0, 0, 399, 0, 399, 299};
  EXPECT_TRUE(ZoomRowUsable(v, 9));
}

TEST(ZoomViews, ArrangePartsStacksPagesAndEmptiesTheHistory) {
  ViewTable v;
  EditorState ed;
  v.ViewDepth = 3;
  ArrangeParts(v, ed, 3, 600, 500);
  EXPECT_EQ(v.ViewDepth, 0);
  EXPECT_EQ(ed.ProjPages, 3);
  EXPECT_EQ(v.at(0, 0), 3.0f);
  EXPECT_EQ(v.rows[2], (ViewRow{0, 500, 599, 500, 599, 999, 0, 0, 599, 0, 599, 499}));
  EXPECT_EQ(v.rows[3][5], 1499.0f);
  EXPECT_NEAR(v.rows[7][8], 599 * 499.0 / 1499.0, 1e-3);
  ed.ProjectView = true;
  v.rows[4] = v.rows[3];
  ArrangeParts(v, ed, 1, 600, 500);
  EXPECT_EQ(v.rows[1], (ViewRow{0, 0, 599, 0, 599, 499, 0, 0, 599, 0, 599, 499}));  // the canvas itself
  EXPECT_TRUE(v.rowEmpty(2));
  EXPECT_TRUE(v.rowEmpty(4));
  EXPECT_FALSE(ed.ProjectView);
}

TEST(ZoomViews, CalcItemViewFramesAPartsShapeWithATenthToSpare) {
  DrawingList list = LineOf({{100, 100}, {300, 200}});
  ViewTable v;
  // 200 x 100 with 20 to spare on every side: 240 x 140. On a square canvas
  // the scale of the top edge leaves room below: the frame stays.
  ASSERT_TRUE(CalcItemView(v, list, 2, 0, 301, 301));
  EXPECT_EQ(v.rows[9], (ViewRow{80, 80, 320, 80, 320, 220, 0, 0, 300, 0, 300, 300}));
  // On a wide, low canvas it is too tall: widened equally on both sides.
  ASSERT_TRUE(CalcItemView(v, list, 1, 0, 401, 141));
  EXPECT_EQ(v.rows[8], (ViewRow{0, 80, 400, 80, 400, 220, 0, 0, 400, 0, 400, 140}));
  // A shape of no height, a header that is none and a part out of range.
  DrawingList flat = LineOf({{10, 50}, {90, 50}});
  EXPECT_FALSE(CalcItemView(v, flat, 3, 0, 401, 301));
  EXPECT_FALSE(CalcItemView(v, list, 3, 3, 401, 301));
  EXPECT_FALSE(CalcItemView(v, list, 13, 0, 401, 301));
  EXPECT_TRUE(v.rowEmpty(10));
}

}  // namespace
}  // namespace orn::test
