// The set-up on a square laid on a slanted edge, whose centre has x and y
// apart: the copies' match points and handles, the records the OK writes,
// and the rebuilt copies carrying one edge's points onto the others.
#include <gtest/gtest.h>

#include "support/list_builder.h"
#include "sym_fixtures.h"
#include "symmetry/setup_accept.h"
#include "symmetry/setup_capture.h"
#include "symmetry/setup_handles.h"

namespace orn {
namespace {

// The square on the edge (100,100)-(180,160), a 3-4-5 edge of length 100:
// its corners (100,100), (180,160), (240,80), (160,20), its centre (170,90).
struct SlantedSquare {
  DrawingList list;
  SymState sym;
  SetupState setup;
  Surface canvas{400, 400};
  SlantedSquare() {
    test::AddPolygon(list, PolyShape(), 100, 100, 180, 160);
    sym.GeoCapture = 2;
    CaptureLeadingShapes(sym, list);
    SymShowHandles(sym, canvas, 0, true);
  }
};

// Per copy: edge ends, the edge's midpoint, the match point halfway from it
// to the centre, the handle 6 units inside the midpoint, and the apex ten
// times as far from the midpoint as the centre.
struct Edge {
  float p0x, p0y, p1x, p1y, mx, my, hx, hy, ax, ay;
};
const Edge kEdges[4] = {
    {100, 100, 180, 160, 155, 110, 143.6f, 125.2f, 440, -270},
    {180, 160, 240, 80, 190, 105, 205.2f, 116.4f, -190, -180},
    {240, 80, 160, 20, 185, 70, 196.4f, 54.8f, -100, 450},
    {160, 20, 100, 100, 150, 75, 134.8f, 63.6f, 530, 360},
};

TEST(SlantedSetup, EachEdgeOfASlantedSquareGetsItsMatchPointAndHandle) {
  SlantedSquare s;
  ASSERT_EQ(s.sym.SymCount, 4);
  for (int k = 1; k <= 4; ++k) {
    SCOPED_TRACE(k);
    const auto& f = s.sym.SymData[std::size_t(k)];
    const Edge& e = kEdges[k - 1];
    const float got[8] = {f[kEdgeP0x], f[kEdgeP0y], f[kEdgeP1x], f[kEdgeP1y],
                          f[kMatchX],  f[kMatchY],  f[kHandlePosX], f[kHandlePosY]};
    const float want[8] = {e.p0x, e.p0y, e.p1x, e.p1y, e.mx, e.my, e.hx, e.hy};
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(got[i], want[i], 2e-3) << i;
    EXPECT_NEAR(f[kCentreX], 170, 2e-3);
    EXPECT_NEAR(f[kCentreY], 90, 2e-3);
  }
}

TEST(SlantedSetup, TheWrittenRecordsCarryEachEdgesPointsOntoTheOthers) {
  SlantedSquare s;
  for (int k = 1; k <= 4; ++k) s.sym.SymData[std::size_t(k)][kGroup] = k == 1 ? -1.0f : 1.0f;
  s.setup.CurSymType = 1;
  ASSERT_EQ(AcceptSymmetry(s.setup, s.sym, s.list).result, AcceptResult::Written);
  std::vector<SymItem> items;
  ASSERT_TRUE(ReadSymBlock(s.list, s.sym, items));
  ASSERT_EQ(items.size(), 4u);
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    const SymItem& it = items[std::size_t(k)];
    const Edge& e = kEdges[k];
    EXPECT_NEAR(it.P0x, e.p0x, 2e-3);
    EXPECT_NEAR(it.P1y, e.p1y, 2e-3);
    EXPECT_NEAR(it.handleX, e.mx, 2e-3);
    EXPECT_NEAR(it.handleY, e.my, 2e-3);
    EXPECT_NEAR(it.P2x, e.ax, 2e-2);
    EXPECT_NEAR(it.P2y, e.ay, 2e-2);
  }
  // The copies are quarter turns about the centre: the first edge's match
  // point lands on each edge's own.
  ASSERT_EQ(CheckSymData(s.sym, s.list), SymRebuild::Valid);
  UV uv;
  ASSERT_TRUE(PointToUV(s.sym, s.sym.BaseCopy, 155, 110, uv));
  for (int k = 0; k < 4; ++k) {
    double x = 0, y = 0;
    ASSERT_TRUE(UVToCopy(s.sym, s.sym.BaseCopy + k, uv, x, y));
    EXPECT_NEAR(x, kEdges[k].mx, 1e-2) << k;
    EXPECT_NEAR(y, kEdges[k].my, 1e-2) << k;
  }
}

}  // namespace
}  // namespace orn
