// The window's side of the full redraw: the Redraw button, the duplicate
// button and the tool colours whoever starts the redraw, a resize that comes
// during one, and failures reported with the tag of the command that failed.
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "canvas/tools.h"
#include "editor/ui/tool_buttons.h"
#include "model/record_codes.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

class RedrawWindow : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(800, 600);
  }
  // Zigzag polylines, one record each, so that a redraw pumps events often.
  void addLines(int n) {
    for (float k = 0; k < n; ++k) AddShape(w->list(), kTypePolyLine, {{20 + 9 * k, 20}, {300 + 9 * k, 400}, {500 - 9 * k, 60}});
  }
  bool redrawButtonIs(Rgb c) { return w->redraws().DrawAll0->backColor() == c; }
  Rgb toolColour() { return w->tools().DrawType(w->editor().CurDrawType)->backColor(); }
  bool dupShown() { return w->tools().DrawType(kToolDuplicate)->isVisible(); }
};

// The button's presses during the redraw start no second one (the walk
// pumps as often as a redraw alone does); after it, for half a second, a
// press only drops a pending colour action.
TEST_F(RedrawWindow, RedrawButtonRedrawsInItsColoursAndIgnoresPressesDuringAndHalfASecondAfter) {
  addLines(4);
  const int alone = host.pumps;
  const Surface fresh = redrawn();
  const int pumpsAlone = host.pumps - alone;
  w->canvasSurface().fillBox(0, 0, 3, 3, 0x123456);  // a mark a redraw clears
  int pumps = 0;
  host.onPump = [&] {
    if (pumps++ != 1) return;  // the first pump only shows the stop button
    EXPECT_TRUE(redrawButtonIs(0xFFFFFF));
    EXPECT_EQ(toolColour(), kToolButtonDrawing);
    EXPECT_TRUE(w->redraws().StopSign->isVisible());
    for (int k = 0; k < 3; ++k) QTest::mouseClick(w->redraws().DrawAll0, Qt::LeftButton);
  };
  w->redraws().NoRedraw->stop();
  QTest::mouseClick(w->redraws().DrawAll0, Qt::LeftButton);
  EXPECT_EQ(pumps, pumpsAlone);
  EXPECT_TRUE(w->canvasSurface() == fresh);
  EXPECT_TRUE(redrawButtonIs(0xFF8080));
  EXPECT_EQ(toolColour(), kToolButtonSelected);
  EXPECT_FALSE(w->redraws().StopSign->isVisible());
  ASSERT_TRUE(w->redraws().NoRedraw->isActive());

  // Within the half second: the press only drops a pending colour action.
  w->canvasSurface().fillBox(0, 0, 3, 3, 0x123456);
  w->editor().ColorMode = kColorSwapArmed;
  w->colour().SwapIndex = 3;
  QTest::mouseClick(w->redraws().DrawAll0, Qt::LeftButton);
  EXPECT_EQ(w->canvasSurface().point(1, 1), 0x123456);
  EXPECT_EQ(w->editor().ColorMode, kColorIdle);
  EXPECT_EQ(w->colour().SwapIndex, 0);
}

// During a long redraw the window shows the canvas as it is being drawn: at
// every pass of the event pump (here 150 ms apart) the screen shows the lines
// drawn so far, and a redraw stopped halfway leaves them shown.
TEST_F(RedrawWindow, TheScreenShowsTheCanvasAsItIsDrawnAndAStoppedRedrawLeavesItPartlyDrawn) {
  addLines(40);
  const Surface whole = redrawn();
  const Surface blank(whole.width(), whole.height(), kWhite);
  // The canvas as the screen shows it.
  auto onScreen = [&] {
    const QPoint at = w->Picture1->mapTo(w.get(), QPoint(0, 0));
    const QImage shot = w->screen()->grabWindow(w->winId(), at.x(), at.y(), whole.width(), whole.height()).toImage();
    Surface s(whole.width(), whole.height(), kWhite);
    for (int y = 0; y < s.height(); ++y)
      for (int x = 0; x < s.width(); ++x) {
        const QColor c = shot.pixelColor(x, y);
        s.pset(x, y, Rgb(c.red()) | Rgb(c.green()) << 8 | Rgb(c.blue()) << 16);
      }
    return s;
  };
  int pumps = 0, partly = 0;
  host.onPump = [&] {
    host.clock += 150;
    QApplication::processEvents();  // what the real pump does
    ++pumps;
    const Surface& canvas = w->canvasSurface();
    if (canvas == blank || canvas == whole) return;
    ++partly;
    EXPECT_TRUE(onScreen() == canvas) << "pump " << pumps;
    if (partly == 8) QTest::mouseClick(w->redraws().StopSign, Qt::LeftButton);
  };
  trigger("mnuRedraw");
  host.onPump = nullptr;
  EXPECT_EQ(partly, 8);
  const Surface stopped = w->canvasSurface();
  EXPECT_FALSE(stopped == whole || stopped == blank);
  QApplication::processEvents();
  EXPECT_TRUE(onScreen() == stopped);
}

TEST_F(RedrawWindow, TheDuplicateButtonFollowsTheGeometricShapesWhateverStartsTheRedraw) {
  w->special().DebugXC(1);  // the geometry buttons
  AddShape(w->list(), kTypeGeometric, {{100, 100}, {200, 100}, {200, 200}, {100, 200}, {100, 100}, {150, 150}});
  saveAs(path("square.PNT"));
  trigger("MenFileNew");
  ASSERT_FALSE(dupShown());
  load(path("square.PNT"));
  EXPECT_TRUE(dupShown());
  w->list().reset();
  trigger("mnuRedraw");
  EXPECT_FALSE(dupShown());
  EXPECT_TRUE(w->canvasSurface() == Surface(w->canvasSurface().width(), w->canvasSurface().height(), kWhite));
}

TEST_F(RedrawWindow, AResizeDuringARedrawIsLaidOutOnceTheRedrawHasEnded) {
  addLines(12);
  int pumps = 0;
  host.onPump = [&] {
    if (++pumps != 3) return;
    w->resize(1000, 760 + w->menuBar()->height());
    QApplication::processEvents();
  };
  trigger("mnuRedraw");
  host.onPump = nullptr;
  for (int k = 0; k < 5; ++k) QApplication::processEvents();
  EXPECT_EQ(w->formArea()->width(), 1000);
  EXPECT_GT(w->canvasSurface().width(), 800);
  EXPECT_TRUE(w->canvasSurface() == redrawn());
}

TEST_F(RedrawWindow, AFailureIsReportedWithTheTagOfTheCommandAndLeavesTheWindowUsable) {
  addLines(3);
  ASSERT_TRUE(w->tools().engine().MarkC());
  // A right press that steps back over the Mark reports as P1MD, with its
  // button as the index.
  host.onBox = [](const std::string& text) {
    if (text == "Undo Mark?") throw std::runtime_error("Overflow");
  };
  QTest::mouseClick(w->Picture1, Qt::RightButton, {}, QPoint(50, 50));
  host.onBox = nullptr;
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[1].title, "Error Message");
  EXPECT_NE(host.boxes[1].text.find("Overflow at 2 - 0\nin P1MD"), std::string::npos) << host.boxes[1].text;

  // A failing redraw reports as DrawAll and leaves nothing half done.
  host.onPump = [] { throw std::runtime_error("Overflow"); };
  w->redraws().NoRedraw->stop();
  QTest::mouseClick(w->redraws().DrawAll0, Qt::LeftButton);
  host.onPump = nullptr;
  ASSERT_EQ(host.boxes.size(), 3u);
  EXPECT_NE(host.boxes[2].text.find("\nin DrawAll\n"), std::string::npos) << host.boxes[2].text;
  EXPECT_FALSE(w->editor().DrawBusy || w->editor().Redrawing);
  EXPECT_FALSE(w->redraws().StopSign->isVisible());
  EXPECT_TRUE(enabled("MenFile"));
  EXPECT_EQ(programEnds, 0);
}

}  // namespace
}  // namespace orn::test
