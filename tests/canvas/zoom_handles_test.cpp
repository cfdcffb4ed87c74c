// Dragging the zoom frame's inner handles: each of the four, outward and
// inward, on a plain and on a turned frame, scales the frame so that the
// grabbed handle follows the mouse, and the corners go with it.
#include <gtest/gtest.h>

#include <cmath>

#include "canvas/zoom_box.h"
#include "model/geometry.h"

namespace orn::test {
namespace {

// A canvas wider than high, its centre at (200.5, 150.5): the inner handles
// stand about 100 across and 75 up or down from it.
constexpr int kW = 401, kH = 301;
constexpr BoxPoint kCentre{200.5f, 150.5f};

class Pointer : public BoxPointer {
 public:
  bool LocateCursor(int, int) override { return true; }
};

struct Frame {
  Surface canvas{kW, kH, kWhite};
  ZoomBoxState b;
  Pointer pointer;
  explicit Frame(float degrees) {
    b.ZoomBoxKind = kBoxFrame;
    CalcBox(b, kW, kH);
    b.ViewRot = DegToRad(degrees);
    GeoRotate(b);
    ShowRotBox(b, canvas, true, 1);
  }
  // Presses on handle h, moves to `to` in two steps and lets go.
  void drag(int h, int button, BoxPoint to) {
    const BoxPoint at = pt(h);
    CalcBoxDrag(b, BoxCanvas{canvas, 1}, pointer, 0, button, at.x, at.y);
    ASSERT_EQ(b.GrabHandle, h);
    const BoxPoint half{(at.x + to.x) / 2, (at.y + to.y) / 2};
    CalcBoxDrag(b, BoxCanvas{canvas, 1}, pointer, 1, button, half.x, half.y);
    CalcBoxDrag(b, BoxCanvas{canvas, 1}, pointer, 1, button, to.x, to.y);
    CalcBoxDrag(b, BoxCanvas{canvas, 1}, pointer, 2, button, to.x, to.y);
  }
  BoxPoint pt(int i) const { return b.BoxPts[static_cast<std::size_t>(i)]; }
};

// The point at `factor` times the offset (dx, dy) from the centre, the
// offset first turned a quarter clockwise on the screen when asked.
BoxPoint FromCentre(double dx, double dy, double factor, bool quarter = false) {
  if (quarter) {
    const double t = dx;
    dx = -dy;
    dy = t;
  }
  return {float(kCentre.x + factor * dx), float(kCentre.y + factor * dy)};
}

TEST(ZoomHandles, EachInnerHandleDraggedOutOrInScalesTheFrameSoThatTheHandleFollowsTheMouse) {
  // Handle h's offset from the centre, and that of corner h - 4.
  const struct {
    double hx, hy, cx, cy;
  } handles[4] = {
      {-100.25, -75.25, -200.5, -150.5},
      {99.75, -75.25, 199.5, -150.5},
      {99.75, 74.75, 199.5, 149.5},
      {-100.25, 74.75, -200.5, 149.5},
  };
  for (int h = 4; h <= 7; ++h) {
    for (double factor : {1.5, 0.5, 1.0, 0.1}) {
      SCOPED_TRACE(::testing::Message() << "handle " << h << " to " << factor << " times its distance");
      const auto& o = handles[h - 4];
      Frame f(0);
      const BoxPoint to = FromCentre(o.hx, o.hy, factor);
      f.drag(h, 1, to);
      EXPECT_NEAR(f.b.ViewInvScale, factor, 1e-4);
      EXPECT_FLOAT_EQ(f.b.ViewRot, 0.0f);
      EXPECT_NEAR(f.pt(h).x, to.x, 1e-2);
      EXPECT_NEAR(f.pt(h).y, to.y, 1e-2);
      const BoxPoint corner = FromCentre(o.cx, o.cy, factor);
      EXPECT_NEAR(f.pt(h - 4).x, corner.x, 1e-2);
      EXPECT_NEAR(f.pt(h - 4).y, corner.y, 1e-2);
      EXPECT_NEAR(f.pt(kBoxCentre).x, kCentre.x, 1e-4);  // scaling never moves the centre
      EXPECT_NEAR(f.pt(kBoxCentre).y, kCentre.y, 1e-4);
      EXPECT_TRUE(f.b.BoxChanged);
    }
  }
  // By hand: handle 4 half as far out again lands at (50.125, 37.625) and
  // takes corner 0 to (-100.25, -75.25).
  Frame f(0);
  f.drag(4, 1, {50.125f, 37.625f});
  EXPECT_NEAR(f.pt(0).x, -100.25, 1e-2);
  EXPECT_NEAR(f.pt(0).y, -75.25, 1e-2);
}

// On a frame turned a quarter the left button still only scales; the right
// button dragged a quarter round and out turns and scales at once, and the
// handle ends under the mouse either way.
TEST(ZoomHandles, OnATurnedFrameTheLeftButtonScalesAndTheRightTurnsAndScales) {
  for (int h = 4; h <= 7; ++h) {
    SCOPED_TRACE(h);
    Frame left(90);
    const BoxPoint at = left.pt(h);
    const double dx = at.x - kCentre.x, dy = at.y - kCentre.y;
    const BoxPoint out = FromCentre(dx, dy, 2.0);
    left.drag(h, 1, out);
    EXPECT_NEAR(left.b.ViewInvScale, 2.0, 1e-4);
    EXPECT_NEAR(RadToDeg(left.b.ViewRot), 90, 1e-3);
    EXPECT_NEAR(left.pt(h).x, out.x, 1e-2);
    EXPECT_NEAR(left.pt(h).y, out.y, 1e-2);

    Frame right(0);
    const BoxPoint r0 = right.pt(h);
    const BoxPoint round = FromCentre(r0.x - kCentre.x, r0.y - kCentre.y, 1.5, true);
    right.drag(h, 2, round);
    EXPECT_NEAR(right.b.ViewInvScale, 1.5, 1e-4);
    const double deg = RadToDeg(right.b.ViewRot);
    EXPECT_NEAR(deg, std::round(deg), 1e-3);
    EXPECT_NEAR(right.pt(h).x, round.x, 0.5);
    EXPECT_NEAR(right.pt(h).y, round.y, 0.5);
  }
}

}  // namespace
}  // namespace orn::test
