// The zoom box on a real canvas: its points, the handles a press grabs, the
// whole-degree rotation, the click-and-size box, and the same box where the
// desktop cannot move the mouse pointer.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "canvas/zoom_box.h"
#include "model/geometry.h"

namespace orn::test {
namespace {

constexpr int kW = 401, kH = 301;  // centre (200.5, 150.5)

// A pointer that goes where it is told, or (stuck) never moves.
class Pointer : public BoxPointer {
 public:
  explicit Pointer(bool movable = true) : movable_(movable) {}
  bool LocateCursor(int x, int y) override {
    placed.emplace_back(x, y);
    return movable_;
  }
  std::vector<std::pair<int, int>> placed;

 private:
  bool movable_;
};

struct Box {
  Surface canvas{kW, kH, kWhite};
  ZoomBoxState b;
  Pointer pointer;
  explicit Box(int kind, bool movable = true) : pointer(movable) {
    b.ZoomBoxKind = kind;
    CalcBox(b, kW, kH);
    if (kind == kBoxFrame) ShowRotBox(b, canvas, true, 1);
  }
  BoxAction event(int kind, int button, float x, float y) {
    return CalcBoxDrag(b, BoxCanvas{canvas, 1}, pointer, kind, button, x, y);
  }
  void drag(int button, BoxPoint from, std::initializer_list<BoxPoint> path) {
    event(0, button, from.x, from.y);
    for (BoxPoint p : path) event(1, button, p.x, p.y);
    event(2, button, path.end()[-1].x, path.end()[-1].y);
  }
  const BoxPoint& pt(int i) const { return b.BoxPts[static_cast<std::size_t>(i)]; }
};

TEST(ZoomBox, CalcBoxAndGeoRotatePlaceTheNinePointsExactly) {
  Box z(kBoxFrame);
  EXPECT_FLOAT_EQ(z.pt(2).x, 400);
  EXPECT_FLOAT_EQ(z.pt(kBoxCentre).x, 200.5f);
  EXPECT_FLOAT_EQ(z.pt(4).x, 100.25f);  // halfway between the centre and corner 0
  EXPECT_FLOAT_EQ(z.pt(4).y, 75.25f);
  // A quarter turn, half the size, moved by (10, -20): corner 1 (400, 0)
  // lies 199.5 right of and 150.5 above the centre.
  z.b.ViewRot = static_cast<float>(kPi / 2);
  z.b.ViewInvScale = 0.5f;
  z.b.ViewOffX = 10;
  z.b.ViewOffY = -20;
  GeoRotate(z.b);
  EXPECT_NEAR(z.pt(1).x, 200.5 + 10 - 150.5 * 0.5, 1e-3);
  EXPECT_NEAR(z.pt(1).y, 150.5 - 20 - 199.5 * 0.5, 1e-3);
}

TEST(ZoomBox, PressGrabsTheFirstInnerHandleWithinTenUnitsNeverACorner) {
  Box z(kBoxFrame);
  const Surface shown = z.canvas;
  // Ten units off on one axis, or on a corner: nothing is grabbed, and a
  // drag after it moves nothing.
  z.drag(1, {z.pt(4).x + 10, z.pt(4).y}, {{300, 200}});
  z.drag(1, {0, 0}, {{300, 200}});
  EXPECT_FLOAT_EQ(z.pt(4).x, 100.25f);
  EXPECT_EQ(z.canvas, shown);
  // With the box shrunk, the centre and handle 4 are both in reach: the handle wins.
  z.b.ViewInvScale = 0.05f;
  GeoRotate(z.b);
  z.event(0, 1, z.pt(kBoxCentre).x, z.pt(kBoxCentre).y);
  EXPECT_EQ(z.b.GrabHandle, 4);
  EXPECT_EQ(z.pointer.placed.back(), std::make_pair(toPixel(z.pt(4).x), toPixel(z.pt(4).y)));
}

TEST(ZoomBox, DraggingTheCentreMovesTheBoxAndItsPixelsWithIt) {
  Box z(kBoxFrame);
  const Surface blank(kW, kH, kWhite);
  z.drag(1, {201, 151}, {{220, 160}, {250, 170}});
  EXPECT_TRUE(z.b.BoxChanged);
  EXPECT_FLOAT_EQ(z.b.ViewOffX, 250 - 200.5f);
  EXPECT_FLOAT_EQ(z.pt(kBoxCentre).y, 170);
  // Every erase met its draw: taking the final box away leaves the canvas blank.
  ShowRotBox(z.b, z.canvas, false, 1);
  EXPECT_EQ(z.canvas, blank);
}

TEST(ZoomBox, RightDragTurnsOnWholeDegreesAndAStillHandleKeepsItsAngle) {
  Box z(kBoxFrame);
  // Handle 5 (upper right) dragged a little clockwise about the centre.
  const BoxPoint h = z.pt(5);
  z.drag(2, h, {{h.x + 5, h.y + 20}});
  const double deg = RadToDeg(z.b.ViewRot);
  EXPECT_NEAR(deg, std::round(deg), 1e-3);
  EXPECT_GT(deg, 300);  // wrapped into 0..360, not negative
  EXPECT_GT(z.b.ViewInvScale, 0.9f);
  // A right drag that stays on the handle turns nothing, whatever the angle.
  for (int d = 0; d < 360; d += 7) {
    z.b.ViewRot = DegToRad(float(d));
    z.b.ViewInvScale = 1;
    GeoRotate(z.b);
    const BoxPoint still = z.pt(6);
    z.drag(2, still, {{still.x, still.y}});
    EXPECT_NEAR(RadToDeg(z.b.ViewRot), d, 1e-3) << d;
  }
}

TEST(ZoomBox, ClickAndSizeGrowsOnePerCentAPixelUpToTwiceTheCanvasAndNeverCollapses) {
  Box z(kBoxClickWait);
  EXPECT_EQ(z.event(0, 2, 100, 100), BoxAction::Cancel);  // right press before the centre click
  EXPECT_EQ(z.event(0, 1, 150, 120), BoxAction::Started);
  EXPECT_FLOAT_EQ(z.b.ViewInvScale, 0.3f);
  EXPECT_FLOAT_EQ(z.pt(kBoxCentre).x, 150);
  z.event(1, 0, 150, 110);  // 10 up
  EXPECT_NEAR(z.b.ViewInvScale, 0.33, 1e-5);
  EXPECT_EQ(z.pointer.placed.back(), std::make_pair(150, 120));  // held in place
  z.event(1, 0, 150, 120);  // back on the held point: nothing
  EXPECT_NEAR(z.b.ViewInvScale, 0.33, 1e-5);
  z.event(1, 0, 150, -200);  // far up, twice: capped
  z.event(1, 0, 150, -200);
  EXPECT_FLOAT_EQ(z.b.ViewInvScale, kMaxSizingScale);
  z.event(1, 0, 150, 300);  // 180 down in one event: never zero or turned over
  EXPECT_FLOAT_EQ(z.b.ViewInvScale, kMinBoxScale);
  z.event(1, 0, 150, 110);
  EXPECT_GT(z.b.ViewInvScale, kMinBoxScale);
  // A right press takes the box away for a new centre; a left press applies.
  z.event(0, 2, 150, 120);
  EXPECT_EQ(z.b.ZoomBoxKind, kBoxClickWait);
  EXPECT_EQ(z.canvas, Surface(kW, kH, kWhite));
  z.event(0, 1, 200, 150);
  EXPECT_EQ(z.event(0, 1, 200, 150), BoxAction::Apply);
  EXPECT_TRUE(z.b.BoxChanged);
}

TEST(ZoomBox, WithoutPointerWarpsTheBoxFollowsRelativeMotion) {
  // Sizing: the pointer stays where the user moves it, so each event counts
  // from the last one, not from the centre click.
  Box size(kBoxClickWait, false);
  size.event(0, 1, 150, 120);
  size.event(1, 0, 150, 110);
  size.event(1, 0, 150, 100);
  EXPECT_NEAR(size.b.ViewInvScale, 0.3 * 1.1 * 1.1, 1e-5);
  size.event(1, 0, 150, 100);  // no motion: no change
  EXPECT_NEAR(size.b.ViewInvScale, 0.3 * 1.1 * 1.1, 1e-5);
  // Dragging: the grabbed handle keeps its offset from the mouse instead of
  // jumping onto it.
  Box frame(kBoxFrame, false);
  frame.drag(1, {205, 155}, {{215, 165}});
  EXPECT_FLOAT_EQ(frame.pt(kBoxCentre).x, 210.5f);
  EXPECT_FLOAT_EQ(frame.pt(kBoxCentre).y, 160.5f);
}

}  // namespace
}  // namespace orn::test
