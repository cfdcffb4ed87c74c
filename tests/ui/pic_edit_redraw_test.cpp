// The window's side of the full redraw: the Redraw button, the duplicate
// button and the tool colours whoever starts the redraw, a resize that comes
// during one, and failures reported with the tag of the command that failed.
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "canvas/tools.h"
#include "model/record_codes.h"
#include "canvas/ui/tool_buttons.h"
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
    DrawingList& l = w->list();
    for (int k = 0; k < n; ++k) {
      ASSERT_TRUE(l.CreateItem(kToolPolyLine, 1, 20.0f + 9 * k, 20));
      ASSERT_TRUE(l.AddPoint(300.0f + 9 * k, 400, kToolPolyLine));
      ASSERT_TRUE(l.AddPoint(500.0f - 9 * k, 60, kToolPolyLine));
      ASSERT_TRUE(l.closeRecord());
    }
  }
  void addSquare() {
    DrawingList& l = w->list();
    ASSERT_TRUE(l.CreateItem(kToolGeometric, 0, 100, 100));
    for (auto [x, y] : {std::pair{200, 100}, {200, 200}, {100, 200}, {100, 100}, {150, 150}})
      ASSERT_TRUE(l.AddPoint(float(x), float(y), kToolGeometric));
    ASSERT_TRUE(l.closeRecord());
  }
  bool redrawButtonIs(Rgb c) { return w->DrawAll0->backColor() == c; }
  Rgb toolColour() { return w->tools().DrawType(w->editor().CurDrawType)->backColor(); }
  bool dupShown() { return w->tools().DrawType(kToolDuplicate)->isVisible(); }
};

TEST_F(RedrawWindow, RedrawButtonRedrawsInItsColoursAndIgnoresPressesForHalfASecondAfter) {
  addLines(4);
  const Surface fresh = redrawn();
  w->canvasSurface().fillBox(0, 0, 3, 3, 0x123456);  // a mark a redraw clears
  int pumps = 0;
  host.onPump = [&] {
    if (pumps++ != 1) return;  // the first pump only shows the stop button
    EXPECT_TRUE(redrawButtonIs(0xFFFFFF));
    EXPECT_EQ(toolColour(), kToolButtonDrawing);
    EXPECT_TRUE(w->StopSign->isVisible());
  };
  w->NoRedraw->stop();
  QTest::mouseClick(w->DrawAll0, Qt::LeftButton);
  EXPECT_GT(pumps, 1);
  EXPECT_TRUE(w->canvasSurface() == fresh);
  EXPECT_TRUE(redrawButtonIs(0xFF8080));
  EXPECT_EQ(toolColour(), kToolButtonSelected);
  EXPECT_FALSE(w->StopSign->isVisible());
  ASSERT_TRUE(w->NoRedraw->isActive());

  // Within the half second: the press only drops a pending colour action.
  w->canvasSurface().fillBox(0, 0, 3, 3, 0x123456);
  w->editor().ColorMode = kColorPicked;
  QTest::mouseClick(w->DrawAll0, Qt::LeftButton);
  EXPECT_EQ(w->canvasSurface().point(1, 1), 0x123456);
  EXPECT_EQ(w->editor().ColorMode, kColorIdle);
}

TEST_F(RedrawWindow, TheDuplicateButtonFollowsTheGeometricShapesWhateverStartsTheRedraw) {
  w->DebugXC(1);  // the geometry buttons
  addSquare();
  saveAs(path("square.PNT"));
  trigger("MenFileNew");
  ASSERT_FALSE(dupShown());
  load(path("square.PNT"));
  EXPECT_TRUE(dupShown());
  w->list().reset();
  trigger("mnuRedraw");
  EXPECT_FALSE(dupShown());
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
  w->NoRedraw->stop();
  QTest::mouseClick(w->DrawAll0, Qt::LeftButton);
  host.onPump = nullptr;
  ASSERT_EQ(host.boxes.size(), 3u);
  EXPECT_NE(host.boxes[2].text.find("\nin DrawAll\n"), std::string::npos) << host.boxes[2].text;
  EXPECT_FALSE(w->editor().DrawBusy || w->editor().Redrawing);
  EXPECT_FALSE(w->StopSign->isVisible());
  EXPECT_TRUE(enabled("MenFile"));
  EXPECT_EQ(programEnds, 0);
}

}  // namespace
}  // namespace orn::test
