// The "&Zoom" menu and the zoom box in the real window, driven by mouse
// events on the canvas and clicks on the panel's buttons and bars.
#include <QPushButton>
#include <QLabel>
#include <QScrollBar>

#include "canvas/tools.h"
#include "canvas/ui/zoom_panel.h"
#include "canvas/zoom_views.h"
#include "editor/ui/zoom_control.h"
#include "model/record_codes.h"
#include "pic_edit_fixture.h"

namespace orn::test {
namespace {

using Pts = std::vector<std::pair<float, float>>;

class ZoomGui : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(929, 664);
    chooseTool(kToolPolyLine);
    click({100, 100});
    click({300, 200});
    dbl({200, 400});
    original = points();
  }
  int W() const { return w->canvasSurface().width(); }
  int H() const { return w->canvasSurface().height(); }
  // The points of the first record.
  Pts points() const {
    const DrawingList& l = w->list();
    Pts out;
    for (int i = firstPointOf(l, 0); i <= lastEntryOf(l, 0); ++i) out.emplace_back(l.G0[i], l.G1[i]);
    return out;
  }
  void expectPoints(const Pts& want, double tol = 1e-2) {
    const Pts got = points();
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_NEAR(got[i].first, want[i].first, tol) << i;
      EXPECT_NEAR(got[i].second, want[i].second, tol) << i;
    }
  }
  Pts shifted(float dx, float dy) const {
    Pts out = original;
    for (auto& p : out) p = {p.first + dx, p.second + dy};
    return out;
  }
  // "Set &Zoom" with the click-and-size box: its centre, then `up` pixels up.
  void zoomIn(QPoint c, int up) {
    trigger("ZoomSS(2)");
    click(c);
    move(c - QPoint(0, up));
    click(c);
  }
  void openFrame() {
    host.ctrl = true;
    trigger("ZoomSS(2)");
    host.ctrl = false;
  }
  // A left-button drag on the canvas, as the platform delivers it.
  void drag(QPoint from, QPoint to, Qt::MouseButton b = Qt::LeftButton) {
    move(from);
    send(w->Picture1, QEvent::MouseButtonPress, from, b, b);
    move((from + to) / 2, b);
    move(to, b);
    send(w->Picture1, QEvent::MouseButtonRelease, to, b, Qt::NoButton);
  }
  QPoint centre() const { return {W() / 2, H() / 2}; }
  ZoomPanel& panel() { return *w->zoom().Picture2; }
  void press(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
  bool shown(const char* item) { return w->menus().menuItem(item)->isVisible(); }

  Pts original;
};

TEST_F(ZoomGui, ClickAndSizeBoxZoomsOnTheClickedCentreAndBackReturnsEveryPoint) {
  trigger("ZoomSS(2)");
  EXPECT_TRUE(w->zoom().zoomBoxMode());
  EXPECT_FALSE(enabled("MenFile"));
  EXPECT_TRUE(w->tools().DrawType(kToolPolyLine)->isHidden());
  EXPECT_TRUE(w->Text1->text().startsWith("Click on the center of the zoom"));
  const QPoint c{200, 150};
  click(c);
  move({200, 130});  // 20 up: the box grows from 30 % to 36 % of the canvas
  click(c);
  EXPECT_FALSE(w->zoom().zoomBoxMode());
  EXPECT_TRUE(enabled("MenFile"));
  EXPECT_FALSE(w->tools().DrawType(kToolPolyLine)->isHidden());
  // The box's centre lands on the canvas centre, everything 1 / 0.36 larger.
  Pts want = original;
  for (auto& p : want) p = {(p.first - 200) / 0.36f + W() / 2.0f, (p.second - 150) / 0.36f + H() / 2.0f};
  expectPoints(want, 0.05);
  ASSERT_TRUE(shown("ZoomS(0)"));
  trigger("ZoomS(0)");
  expectPoints(original, 1e-3);
  EXPECT_FALSE(shown("ZoomS(0)"));  // nothing left to go back to
  EXPECT_EQ(w->views().ViewDepth, 0);
}

TEST_F(ZoomGui, DrawingWhileZoomedStoresWhatDrawingTheMappedPointsWouldStore) {
  trigger("ZoomSS(2)");
  click({200, 150});
  move({200, 130});
  click({200, 150});
  const int before = w->list().NumPoints;
  click({40, 50});
  dbl({300, 90});
  trigger("ZoomS(0)");
  const DrawingList zoomed = w->list();
  // The same stroke drawn in the full view at the mapped points.
  auto mapped = [&](float x, float y) {
    return std::pair{(x - W() / 2.0f) * 0.36f + 200, (y - H() / 2.0f) * 0.36f + 150};
  };
  w->list().NumPoints = w->list().ItemHead = w->list().ItemFirst = static_cast<std::int16_t>(before);
  w->list().G0[before] = float(kCodeEnd);
  auto [x1, y1] = mapped(40, 50);
  auto [x2, y2] = mapped(300, 90);
  w->tools().engine().P1MD(1, 0, x1, y1);
  w->tools().engine().P1MD(1, 0, x2, y2);
  w->tools().engine().P1DBL();
  ASSERT_EQ(w->list().NumPoints, zoomed.NumPoints);
  for (int i = 0; i <= zoomed.NumPoints; ++i) {
    EXPECT_NEAR(w->list().G0[i], zoomed.G0[i], 2e-3) << i;
    EXPECT_NEAR(w->list().G1[i], zoomed.G1[i], 2e-3) << i;
  }
}

TEST_F(ZoomGui, RightPressBeforeTheCentreClickCancelsAndLeavesThePicture) {
  trigger("ZoomSS(2)");
  click({200, 150}, Qt::RightButton);
  EXPECT_FALSE(w->zoom().zoomBoxMode());
  EXPECT_TRUE(enabled("MenZoom"));
  expectPoints(original, 1e-3);
}

TEST_F(ZoomGui, DraggedFrameAppliesOnOkKeepsTheModeAndMenusAwayUntilAnOkWithoutChange) {
  openFrame();
  ASSERT_TRUE(panel().isVisible());
  drag(centre(), centre() + QPoint(40, 30));
  press(panel().BoxButton[0]);
  // The frame moved right and down: the picture moves left and up.
  expectPoints(shifted(-40, -30));
  EXPECT_TRUE(w->zoom().zoomBoxMode());
  EXPECT_FALSE(enabled("MenFile"));  // the redraw's end does not bring them back
  EXPECT_TRUE(w->Text1->text().startsWith("Use the Fine Tuning controls"));
  EXPECT_TRUE(w->zoom().box().BoxDrawn);
  // "Page": the full picture, with the box back over it.
  press(panel().BoxButton[2]);
  expectPoints(original);
  EXPECT_TRUE(w->zoom().box().BoxDrawn);
  EXPECT_FALSE(enabled("MenFile"));
  press(panel().BoxButton[0]);
  EXPECT_FALSE(w->zoom().zoomBoxMode());
  EXPECT_FALSE(panel().isVisible());
  EXPECT_TRUE(enabled("MenFile"));
  EXPECT_TRUE(shown("ZoomS(0)"));
}

TEST_F(ZoomGui, FineTuningBarsStepTheViewAndSpringBack) {
  openFrame();
  const int depth = w->views().ViewDepth;
  panel().VScroll1[0]->setValue(5);  // up by 1.25
  expectPoints(shifted(0, -1.25f), 1e-3);
  panel().HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the picture left by 1
  expectPoints(shifted(-1, -1.25f), 1e-3);
  EXPECT_EQ(panel().VScroll1[0]->value(), 0);
  EXPECT_EQ(panel().HScroll1->value(), 0);
  EXPECT_EQ(w->views().ViewDepth, depth);
  // With the frame dragged, a bar applies the dragged frame instead of its step.
  drag(centre(), centre() + QPoint(10, 0));
  panel().VScroll1[2]->setValue(30);
  expectPoints(shifted(-11, -1.25f), 1e-3);
  EXPECT_EQ(panel().VScroll1[2]->value(), 0);
  EXPECT_FALSE(w->zoom().box().BoxChanged);
}

TEST_F(ZoomGui, SetStoresTheRestoreViewAndBackAndRestoreShowTheirViewsAfterAWindowResize) {
  openFrame();
  drag(centre(), centre() + QPoint(20, 10));
  press(panel().BoxButton[3]);  // applies the dragged frame, then stores it
  EXPECT_TRUE(shown("ZoomS(1)"));
  press(panel().BoxButton[0]);
  trigger("Zoom(1)");
  expectPoints(original);
  trigger("ZoomS(1)");
  expectPoints(shifted(-20, -10));
  trigger("ZoomSS(2)");  // and a click-and-size zoom on top of it
  click({200, 150});
  move({200, 130});
  click({200, 150});
  const float w0 = float(W());
  setInnerSize(729, 564);
  const float f = float(W()) / w0;  // the layout rescales about the canvas origin
  ASSERT_LT(f, 0.9f);
  Pts want = shifted(-20, -10);
  for (auto& p : want) p = {p.first * f, p.second * f};
  trigger("ZoomS(0)");
  expectPoints(want, 0.05);
  trigger("Zoom(1)");
  trigger("ZoomS(1)");
  expectPoints(want, 0.05);
}

TEST_F(ZoomGui, ViewsNeverStoredAreNotAppliedAndTheHistoryLimitHidesBack) {
  const int beeps = host.beeps;
  w->zoom().ZoomC(0);  // no symmetry part has a view
  w->zoom().ZoomSC(1);  // nothing stored by "Set"
  EXPECT_EQ(host.beeps, beeps + 2);
  expectPoints(original, 0);
  EXPECT_EQ(w->views().ViewDepth, 0);
  w->views().ViewDepth = 25;
  trigger("Zoom(1)");  // at the limit the history starts again
  EXPECT_EQ(w->views().ViewDepth, 0);
  EXPECT_FALSE(shown("ZoomS(0)"));
}

TEST_F(ZoomGui, AResizeDuringTheZoomBoxKeepsTheBoxAndTheMenusAway) {
  openFrame();
  const float w0 = float(W());
  setInnerSize(829, 564);
  EXPECT_TRUE(w->zoom().box().BoxDrawn);
  EXPECT_FALSE(enabled("MenFile"));
  EXPECT_FLOAT_EQ(w->zoom().box().BoxRef[2].x, float(W() - 1));
  press(panel().BoxButton[1]);  // Cancel without a change ends the mode
  EXPECT_FALSE(w->zoom().zoomBoxMode());
  // ... in the view it began with, at the new canvas size.
  const float f = float(W()) / w0;
  Pts want = original;
  for (auto& p : want) p = {p.first * f, p.second * f};
  expectPoints(want, 0.05);
  EXPECT_TRUE(enabled("MenFile"));
  EXPECT_EQ(w->canvasSurface(), redrawn());  // no box left behind
}

// "&Screen is Picture..." rebuilds the views and clears the stored one:
// "&Restore" has nothing to go back to and is greyed out.
TEST_F(ZoomGui, RestoreIsGreyedOutOnceScreenIsPictureHasClearedTheStoredView) {
  openFrame();
  drag(centre(), centre() + QPoint(20, 10));
  press(panel().BoxButton[3]);
  press(panel().BoxButton[0]);
  ASSERT_TRUE(shown("ZoomS(1)"));
  EXPECT_TRUE(enabled("ZoomS(1)"));
  clickLabel6(true);
  trigger("DebugX(7)");  // the advanced options bring "Screen is Picture"
  host.answers = {MsgResult::OK};
  trigger("MenProjPages");
  EXPECT_FALSE(enabled("ZoomS(1)"));
  const int beeps = host.beeps;
  w->menus().menuItem("ZoomS(1)")->trigger();
  EXPECT_EQ(host.beeps, beeps);
  // A view stored again offers it again.
  openFrame();
  press(panel().BoxButton[3]);
  press(panel().BoxButton[0]);
  EXPECT_TRUE(enabled("ZoomS(1)"));
}

// A canvas that does not fill the window: a picture loaded with the canvas
// size and the zoom history it was saved with, and the empty canvas Ctrl +
// New leaves of it. Back and Restore bring back the screen as it was, pixel
// for pixel, on the canvas of the size it had.
TEST_F(ZoomGui, BackAndRestoreShowTheScreenAsItWasOnACanvasSmallerThanTheWindow) {
  setInnerSize(729, 564);
  zoomIn({200, 150}, 20);
  zoomIn({300, 200}, 10);
  ASSERT_EQ(w->views().ViewDepth, 2);
  saveAs(path("TWICE.PNT"));
  const QSize saved = w->Picture1->size();
  setInnerSize(1029, 764);
  load(path("TWICE.PNT"));
  ASSERT_EQ(w->Picture1->size(), saved);  // it fits the larger window: kept
  ASSERT_EQ(w->views().ViewDepth, 2);

  for (const char* picture : {"loaded", "new"}) {
    SCOPED_TRACE(picture);
    if (picture == std::string("new")) {
      w->editor().PicChanged = false;
      host.ctrl = true;
      trigger("MenFileNew");
      host.ctrl = false;
      ASSERT_EQ(w->list().NumPoints, 0);
      ASSERT_EQ(w->Picture1->size(), saved);
      chooseTool(kToolPolyLine);
      drawSquare(150, 120);
    }
    const QImage screen = w->grab().toImage();
    const Surface canvas = w->canvasSurface();
    auto expectScreenAsItWas = [&](const char* after) {
      EXPECT_EQ(w->Picture1->size(), saved) << after;
      EXPECT_TRUE(w->canvasSurface() == canvas) << after;
      EXPECT_TRUE(w->grab().toImage() == screen) << after;
    };
    zoomIn({250, 200}, 15);
    ASSERT_FALSE(w->canvasSurface() == canvas);
    trigger("ZoomS(0)");
    expectScreenAsItWas("Back");
    // "Set" in the frame stores the view for "&Restore".
    openFrame();
    press(panel().BoxButton[3]);
    press(panel().BoxButton[0]);
    zoomIn({100, 300}, 25);
    ASSERT_FALSE(w->canvasSurface() == canvas);
    trigger("ZoomS(1)");
    expectScreenAsItWas("Restore");
  }
}

}  // namespace
}  // namespace orn::test
