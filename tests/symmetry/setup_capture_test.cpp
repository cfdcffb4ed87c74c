// Capturing the edges of the base shapes as set-up copies, and clearing them.
#include <gtest/gtest.h>

#include "model/record_codes.h"
#include "setup_fixtures.h"
#include "symmetry/setup_capture.h"
#include "symmetry/setup_handles.h"

namespace orn {
namespace {

using testing::AddPolyLine;
using testing::AddPolygon;
using testing::Regular;

TEST(SetupCapture, OneSquareGivesFourCopiesWithEdgesCentreAndMatchPoints) {
  DrawingList list;
  AddPolygon(list, PolyShape(), 100, 300, 300, 300);
  SymState sym;
  ASSERT_EQ(CaptureLeadingShapes(sym, list), 4);
  struct Want {
    float p0x, p0y, p1x, p1y, mx, my;
  };
  const Want want[4] = {{100, 300, 300, 300, 200, 250},
                        {300, 300, 300, 100, 250, 200},
                        {300, 100, 100, 100, 200, 150},
                        {100, 100, 100, 300, 150, 200}};
  for (int k = 1; k <= 4; ++k) {
    const auto& f = sym.SymData[k];
    const Want& w = want[k - 1];
    EXPECT_FLOAT_EQ(f[kGroup], 0);
    EXPECT_FLOAT_EQ(f[kEdgeP0x], w.p0x);
    EXPECT_FLOAT_EQ(f[kEdgeP0y], w.p0y);
    EXPECT_FLOAT_EQ(f[kEdgeP1x], w.p1x);
    EXPECT_FLOAT_EQ(f[kEdgeP1y], w.p1y);
    EXPECT_NEAR(f[kCentreX], 200, 1e-3);
    EXPECT_NEAR(f[kCentreY], 200, 1e-3);
    EXPECT_NEAR(f[kMatchX], w.mx, 1e-3);
    EXPECT_NEAR(f[kMatchY], w.my, 1e-3);
    EXPECT_FLOAT_EQ(f[kOrient], 2);  // the record's first point
  }
  // The handles sit 6 units inside each edge's midpoint.
  Surface canvas(400, 400);
  SymShowHandles(sym, canvas, 0, true);
  EXPECT_FLOAT_EQ(sym.SymData[1][kHandlePosX], 200);
  EXPECT_NEAR(sym.SymData[1][kHandlePosY], 294, 1e-4);
  EXPECT_NEAR(sym.SymData[2][kHandlePosX], 294, 1e-4);
  EXPECT_NEAR(sym.SymData[4][kHandlePosX], 106, 1e-4);
}

TEST(SetupCapture, TwoSquaresAndAHexagonAreNumberedInListOrderAndStopAtStrokes) {
  DrawingList list;
  AddPolygon(list, PolyShape(), 100, 300, 300, 300);
  AddPolygon(list, PolyShape(), 300, 300, 500, 300);
  AddPolygon(list, Regular(6), 100, 500, 200, 500);
  AddPolyLine(list, {{10, 10}, {20, 20}});
  AddPolygon(list, PolyShape(), 0, 0, 50, 0);  // after a stroke: no longer a base shape
  SymState sym;
  ASSERT_EQ(CaptureLeadingShapes(sym, list), 14);
  EXPECT_FLOAT_EQ(sym.SymData[5][kEdgeP0x], 300);
  EXPECT_FLOAT_EQ(sym.SymData[5][kEdgeP1x], 500);
  EXPECT_FLOAT_EQ(sym.SymData[5][kOrient], 10);
  EXPECT_NEAR(sym.SymData[5][kCentreX], 400, 1e-3);
  EXPECT_FLOAT_EQ(sym.SymData[9][kOrient], 18);
  EXPECT_NEAR(sym.SymData[9][kCentreX], 150, 1e-3);
  EXPECT_NEAR(sym.SymData[9][kCentreY], 413.397, 1e-3);
  EXPECT_FALSE(sym.CaptureOverflow);
}

TEST(SetupCapture, NoBaseShapesAtTheStartCapturesNothing) {
  DrawingList list;
  AddPolyLine(list, {{10, 10}, {20, 20}});
  AddPolygon(list, PolyShape(), 100, 300, 300, 300);
  SymState sym;
  EXPECT_EQ(GeometricRunEnd(list), 0);
  EXPECT_EQ(CaptureLeadingShapes(sym, list), 0);

  DrawingList out;  // a base shape taken out of the picture does not count
  AddPolygon(out, PolyShape(), 100, 300, 300, 300);
  out.G0[0] = float(kCodeGeometric + kCodeOut);
  EXPECT_EQ(GeometricRunEnd(out), 0);
}

TEST(SetupCapture, MoreThan800EdgesKeepTheFirst800AndSayItOnce) {
  DrawingList list;
  const PolyShape big = Regular(35);
  for (int p = 0; p < 23; ++p) AddPolygon(list, big, 10.0f * p, 500, 10.0f * p + 8, 500);
  SymState sym;
  EXPECT_EQ(CaptureLeadingShapes(sym, list), kMaxSetupCopies);
  EXPECT_TRUE(sym.CaptureOverflow);
  // Copy 800 is edge 30 of the 23rd polygon: nothing past the table was touched.
  EXPECT_FLOAT_EQ(sym.SymData[800][kEdgeP0x], list.G0[static_cast<int>(sym.SymData[800][kOrient]) + 29]);
}

TEST(SetupCapture, ClearPutsEveryCopyOutOfItsGroupUnmirrored) {
  DrawingList list;
  AddPolygon(list, PolyShape(), 100, 300, 300, 300);
  SymState sym;
  CaptureLeadingShapes(sym, list);
  SetupState setup;
  sym.SymData[1][kGroup] = -1;
  sym.SymData[2][kGroup] = 1;
  sym.SymData[2][kOrient] = -2;
  setup.GroupCounts = {7, 2, 1, 0, 0, 0};
  setup.SymActive = 2;
  SymClear(setup, sym);
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(sym.SymData[k][kGroup], 0);
    EXPECT_GT(sym.SymData[k][kOrient], 0);
  }
  EXPECT_EQ(setup.GroupCounts[0], 7);  // choice 0 is no group and is left alone
  EXPECT_EQ(setup.GroupCounts[1], 0);
  EXPECT_EQ(setup.SymActive, 0);
}

TEST(SetupCapture, GroupChoicesOffered) {
  EXPECT_EQ(OfferedGroupChoices(false, false), 1);
  EXPECT_EQ(OfferedGroupChoices(false, true), 2);
  EXPECT_EQ(OfferedGroupChoices(true, false), 5);
}

}  // namespace
}  // namespace orn
