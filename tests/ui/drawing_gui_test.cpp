// Drawing through the editor window: mouse events on the real canvas widget
// and presses on the real tool buttons change the drawing list and the pixels.
#include "canvas/tools.h"
#include "model/record_codes.h"
#include "pic_edit_fixture.h"

namespace orn::test {
namespace {

class DrawingGui : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(800, 600);
    w->draw().ExtendLen = 0.0f;
    w->DrawAll(1);
  }
  Rgb px(int x, int y) { return Rgb(w->canvasSurface().point(x, y)); }
  void polyline(const std::vector<QPoint>& pts) {
    chooseTool(kToolPolyLine);
    for (QPoint p : pts) click(p);
  }
};

TEST_F(DrawingGui, MouseEventsOnTheCanvasDrawAPolylineStepBackAndShowItAsARedrawShowsIt) {
  chooseTool(kToolCircle2);
  EXPECT_EQ(w->tools().DrawType(kToolCircle2)->backColor(), kToolButtonSelected);
  EXPECT_EQ(w->tools().DrawType(kToolPolyLine)->backColor(), kToolButtonDrawing);

  polyline({{20, 20}, {100, 20}, {100, 90}});
  move({60, 60});
  send(w->Picture1, QEvent::MouseButtonPress, {60, 60}, Qt::RightButton, Qt::RightButton);
  EXPECT_TRUE(w->tools().UndoPoly->isActive());  // the step-back repeat runs while held
  send(w->Picture1, QEvent::MouseButtonRelease, {60, 60}, Qt::RightButton, Qt::NoButton);
  EXPECT_FALSE(w->tools().UndoPoly->isActive());
  move({80, 40});
  EXPECT_EQ(px(90, 30), kBlack);  // the rubber band from the last fixed point
  dbl({100, 90});
  const DrawingList& l = w->list();
  EXPECT_EQ(std::vector<float>(l.G0.begin(), l.G0.begin() + 7), (std::vector<float>{20001, 0, 20077, 20, 100, 100, float(kCodeEnd)}));
  EXPECT_EQ(l.G1[5], 90.0f);
  EXPECT_EQ(px(90, 30), kWhite);  // no rubber-band leftovers
  EXPECT_EQ(w->canvasSurface(), redrawn());
  EXPECT_TRUE(w->editor().PicChanged);
}

TEST_F(DrawingGui, PaintClickFillsTheRegionAndADragOffTheCanvasPaintsNothingThere) {
  polyline({{20, 20}, {120, 20}, {120, 120}, {20, 120}, {20, 20}});
  dbl({20, 20});
  chooseTool(kToolPaint);
  const Rgb c = w->colour().CurrentColor;
  click({60, 60});
  EXPECT_EQ(px(60, 60), c);
  EXPECT_EQ(px(200, 200), kWhite);
  w->colour().CurrentColor = kWhite;
  send(w->Picture1, QEvent::MouseButtonPress, {60, 60}, Qt::LeftButton, Qt::LeftButton);
  const int afterPress = w->list().NumPoints;
  move({-20, 60}, Qt::LeftButton);
  move({-40, 70}, Qt::LeftButton);
  send(w->Picture1, QEvent::MouseButtonRelease, {-40, 70}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(w->list().NumPoints, afterPress);
}

}  // namespace
}  // namespace orn::test
