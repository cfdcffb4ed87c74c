// Drawing through the editor window: mouse events on the real canvas widget
// and presses on the real tool buttons reach the mouse engine, change the
// drawing list and the canvas's pixels.
#include <QMouseEvent>
#include <QTimer>

#include <random>

#include "canvas/tools.h"
#include "canvas/ui/tool_buttons.h"
#include "model/record_codes.h"
#include "pic_edit_fixture.h"
#include "platform/canvas_widget.h"

namespace orn::test {
namespace {

class DrawingGui : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(800, 600);
    ASSERT_GT(w->canvasSurface().width(), 300);
    ASSERT_GT(w->canvasSurface().height(), 200);
    w->draw().ExtendLen = 0.0f;
    w->DrawAll(1);
  }

  void send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held,
            QWidget* target = nullptr) {
    QWidget* to = target ? target : w->Picture1;
    QMouseEvent e(type, QPointF(p), to->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
  }
  void move(int x, int y, Qt::MouseButtons held = Qt::NoButton) {
    send(QEvent::MouseMove, {x, y}, Qt::NoButton, held);
  }
  void click(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    move(x, y);
    send(QEvent::MouseButtonPress, {x, y}, b, b);
    send(QEvent::MouseButtonRelease, {x, y}, b, Qt::NoButton);
  }
  void dbl(int x, int y) {
    click(x, y);
    send(QEvent::MouseButtonDblClick, {x, y}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {x, y}, Qt::LeftButton, Qt::NoButton);
  }
  void chooseTool(int tool) {
    ToolButton* b = w->tools().DrawType(tool);
    ASSERT_NE(b, nullptr);
    send(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton, b);
    send(QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton, b);
  }
  Rgb px(int x, int y) { return Rgb(w->canvasSurface().point(x, y)); }
  Surface redrawn() {
    const Surface before = w->canvasSurface();
    w->DrawAll(1);
    Surface after = w->canvasSurface();
    w->canvasSurface() = before;
    return after;
  }
  bool wellFormed() {
    const DrawingList& l = w->list();
    FrameWalker walk(l, 0);
    Frame f, last;
    while (walk.next(f)) {
      if (f.kind == FrameKind::Malformed) return false;
      // A stroke is never kept without its first point.
      if (f.kind == FrameKind::Record && f.last < f.first) return false;
      last = f;
    }
    return last.kind == FrameKind::End ||
           (l.recordOpen() && last.kind == FrameKind::Record && last.last == l.NumPoints);
  }
};

TEST_F(DrawingGui, ToolButtonPressSelectsTheToolAndMarksItsButton) {
  chooseTool(kToolCircle2);
  EXPECT_EQ(w->editor().CurDrawType, kToolCircle2);
  EXPECT_EQ(w->tools().DrawType(kToolCircle2)->backColor(), kToolButtonSelected);
  EXPECT_EQ(w->tools().DrawType(kToolPolyLine)->backColor(), kToolButtonDrawing);
  EXPECT_EQ(w->tools().DrawType(kToolEraseLines)->toolTip().toStdString(), "Erase Lines");
}

TEST_F(DrawingGui, PolylineDrawnWithTheMouseIsStoredAndShownAsARedrawShowsIt) {
  chooseTool(kToolPolyLine);
  click(20, 20);
  move(80, 40);
  EXPECT_EQ(px(50, 30), kBlack);  // the rubber band
  click(100, 20);
  click(100, 90);
  dbl(100, 90);
  const DrawingList& l = w->list();
  ASSERT_EQ(l.G0[0], 20001.0f);
  EXPECT_EQ(l.G1[2], 5.0f);
  EXPECT_EQ(l.G0[3], 20.0f);
  EXPECT_EQ(l.G0[5], 100.0f);
  EXPECT_EQ(l.G1[5], 90.0f);
  EXPECT_EQ(l.G0[6], float(kCodeEnd));
  EXPECT_EQ(px(60, 20), kBlack);
  EXPECT_EQ(px(100, 60), kBlack);
  EXPECT_EQ(px(50, 30), kWhite);
  EXPECT_EQ(w->canvasSurface(), redrawn());
  EXPECT_TRUE(w->editor().PicChanged);
}

TEST_F(DrawingGui, RightButtonStepsBackAndTheReleaseStopsTheRepeat) {
  chooseTool(kToolPolyLine);
  click(20, 20);
  click(100, 20);
  click(100, 90);
  move(60, 60);
  send(QEvent::MouseButtonPress, {60, 60}, Qt::RightButton, Qt::RightButton);
  EXPECT_TRUE(w->tools().UndoPoly->isActive());
  send(QEvent::MouseButtonRelease, {60, 60}, Qt::RightButton, Qt::NoButton);
  EXPECT_FALSE(w->tools().UndoPoly->isActive());
  // The moving point went with its rubber band; the last fixed segment now
  // follows the mouse.
  EXPECT_EQ(w->list().NumPoints - w->list().ItemFirst, 2);
  EXPECT_EQ(px(80, 75), kWhite);
  EXPECT_EQ(px(100, 60), kBlack);
  move(40, 90);
  EXPECT_EQ(px(100, 60), kWhite);
  EXPECT_EQ(px(70, 55), kBlack);
}

TEST_F(DrawingGui, PaintClickFillsTheRegionAndAClickOnALineFails) {
  chooseTool(kToolPolyLine);
  click(20, 20);
  click(120, 20);
  click(120, 120);
  click(20, 120);
  click(20, 20);
  dbl(20, 20);
  const int n = w->list().NumPoints;
  chooseTool(kToolPaint);
  const Rgb c = w->colour().CurrentColor;
  click(60, 60);
  EXPECT_EQ(px(60, 60), c);
  EXPECT_EQ(px(200, 200), kWhite);
  EXPECT_EQ(w->list().G0[n + 2], float(kColorEntryBase + w->colour().CurrentCode));
  EXPECT_EQ(w->list().G0[n + 3], 60.0f);
  EXPECT_EQ(w->colour().InUseCount, 1);
  const int before = w->list().NumPoints;
  const int beeps = host.beeps;
  click(70, 20);  // on the black line: the fill fails
  EXPECT_EQ(host.beeps, beeps + 1);
  EXPECT_EQ(w->list().NumPoints, before);
  // A drag that leaves the canvas paints nothing out there.
  w->colour().CurrentColor = kWhite;
  send(QEvent::MouseButtonPress, {60, 60}, Qt::LeftButton, Qt::LeftButton);
  const int afterPress = w->list().NumPoints;
  move(-20, 60, Qt::LeftButton);
  move(-40, 70, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {-40, 70}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(w->list().NumPoints, afterPress);
}

// A few thousand random presses, moves, releases and double clicks with
// random tools: nothing crashes and the list keeps its frames.
TEST_F(DrawingGui, RandomMouseStormKeepsTheListWellFormed) {
  std::mt19937 rng(20240611);
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                     Qt::MiddleButton};
  w->editor().ShowGeoNumbers = true;
  w->tools().engine().ms.SnapSize = 4;
  const int W = w->canvasSurface().width();
  const int H = w->canvasSurface().height();
  Qt::MouseButtons held = Qt::NoButton;
  for (int step = 0; step < 3000; ++step) {
    const int x = pick(W + 40) - 20;
    const int y = pick(H + 40) - 20;
    const int what = pick(100);
    if (what < 4) {
      chooseTool(kAllTools[std::size_t(pick(int(kAllTools.size())))]);
    } else if (what < 50) {
      move(x, y, held);
    } else if (what < 72) {
      const Qt::MouseButton b = buttons[pick(5)];
      held = b;
      send(QEvent::MouseButtonPress, {x, y}, b, b);
    } else if (what < 92) {
      send(QEvent::MouseButtonRelease, {x, y}, held == Qt::NoButton ? Qt::LeftButton : Qt::MouseButton(int(held)),
           Qt::NoButton);
      held = Qt::NoButton;
    } else if (what < 97) {
      dbl(x, y);
      held = Qt::NoButton;
    } else {
      QApplication::processEvents();  // lets the step-back repeat tick
    }
    if (step % 100 == 0) {
      ASSERT_TRUE(wellFormed()) << "step " << step;
    }
  }
  ASSERT_TRUE(wellFormed());
  w->tools().engine().DrawType(kToolPolyLine);
  if (w->list().PackFrom > 0) PackBad(w->list());
  EXPECT_TRUE(wellFormed());
  EXPECT_FALSE(w->list().recordOpen());
}

}  // namespace
}  // namespace orn::test
