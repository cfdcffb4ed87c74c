// The hidden "S&pecial" menu on the real window: the hot spot shows and hides
// it only with Ctrl held, and "&Geometry Buttons" offers the Geometric tool
// and the polygon button, through which a user lays the base shapes a new
// symmetry is made from.
#include <QAction>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

#include "canvas/tools.h"
#include "canvas/ui/tool_buttons.h"
#include "model/record_codes.h"
#include "pic_edit_fixture.h"
#include "platform/canvas_widget.h"
#include "symmetry/ui/click_label.h"

namespace orn::test {
namespace {

class SpecialMenu : public PicEditTest {
 protected:
  void clickLabel6(bool withCtrl) {
    host.ctrl = withCtrl;
    QTest::mouseClick(w->Label6, Qt::LeftButton, withCtrl ? Qt::ControlModifier : Qt::NoModifier);
    host.ctrl = false;
    QApplication::processEvents();
  }
  bool specialShown() const {
    for (QAction* a : w->menuBar()->actions())
      if (a->isVisible() && a->text() == "S&pecial") return true;
    return false;
  }
  void send(QWidget* to, QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(p), to->mapToGlobal(QPointF(p)), b, held, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
  }
  void pressTool(int tool) {
    ToolButton* b = w->tools().DrawType(tool);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isVisible()) << tool;
    send(b, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    send(b, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
  }
  void clickOnCanvas(QPoint p) {
    send(w->Picture1, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
    send(w->Picture1, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    send(w->Picture1, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
  }
  // An edge: a click at one end, the pointer carried to the other, a click.
  void edgeOnCanvas(QPoint from, QPoint to) {
    clickOnCanvas(from);
    send(w->Picture1, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::NoButton);
    clickOnCanvas(to);
  }
};

TEST_F(SpecialMenu, CtrlClickOnTheSmallHotSpotShowsAndHidesTheMenu) {
  ASSERT_NE(w->Label6, nullptr);
  EXPECT_EQ(w->Label6->size(), QSize(9, 9));
  EXPECT_TRUE(w->Label6->text().isEmpty());
  // The hot spot lies inside the window, where a user can reach it.
  EXPECT_TRUE(w->Label6->isVisible());
  EXPECT_TRUE(w->formArea()->rect().contains(w->Label6->geometry()));
  EXPECT_FALSE(specialShown());

  clickLabel6(false);
  EXPECT_FALSE(specialShown());
  clickLabel6(true);
  EXPECT_TRUE(specialShown());
  clickLabel6(false);
  EXPECT_TRUE(specialShown());
  clickLabel6(true);
  EXPECT_FALSE(specialShown());
}

TEST_F(SpecialMenu, OnlyGeometryButtonsIsOfferedAndTheOtherItemsStayGrey) {
  clickLabel6(true);
  for (int i = 0; i < 9; ++i) {
    QAction* a = w->menuItem("DebugX(" + std::to_string(i) + ")");
    ASSERT_NE(a, nullptr) << i;
    EXPECT_TRUE(a->isVisible()) << i;
    EXPECT_EQ(a->isEnabled(), i == 1) << i;
  }
  EXPECT_EQ(w->menuItem("DebugX(1)")->text().toStdString(), "&Geometry Buttons");
  // Greying and restoring the menus (as a redraw does) keeps the rest grey.
  w->MenEnable(false);
  w->MenEnable(true);
  EXPECT_TRUE(w->menuItem("DebugX(1)")->isEnabled());
  EXPECT_FALSE(w->menuItem("DebugX(3)")->isEnabled());
}

TEST_F(SpecialMenu, GeometryButtonsShowAndHideTheGeometricToolsTogether) {
  ToolButton* geo = w->tools().DrawType(kToolGeometric);
  ToolButton* dup = w->tools().DrawType(kToolDuplicate);
  EXPECT_FALSE(geo->isVisible());
  EXPECT_FALSE(w->Picture13->isVisible());

  clickLabel6(true);
  trigger("DebugX(1)");
  EXPECT_TRUE(w->editor().ShowGeoNumbers);
  EXPECT_TRUE(w->menuItem("DebugX(1)")->isChecked());
  EXPECT_TRUE(geo->isVisible());
  EXPECT_TRUE(w->Picture13->isVisible());
  EXPECT_FALSE(dup->isVisible());

  // The duplicate tool, once offered, goes when the geometry buttons go.
  dup->show();
  trigger("DebugX(1)");
  EXPECT_FALSE(w->editor().ShowGeoNumbers);
  EXPECT_FALSE(w->menuItem("DebugX(1)")->isChecked());
  EXPECT_FALSE(geo->isVisible());
  EXPECT_FALSE(w->Picture13->isVisible());
  EXPECT_FALSE(dup->isVisible());
}

// The whole path of a user who starts from nothing: the Special menu, the
// geometry buttons, the Geometric tool, an edge laid on the canvas, and
// "&Setup Symmetry" offered for the square laid on it.
TEST_F(SpecialMenu, GeometricToolReachedThroughTheMenuLaysAShapeAndOffersTheSetup) {
  setInnerSize(800, 600);
  EXPECT_FALSE(w->menuItem("Editsym")->isEnabled());
  clickLabel6(true);
  trigger("DebugX(1)");
  pressTool(kToolGeometric);
  EXPECT_EQ(w->editor().CurDrawType, kToolGeometric);

  edgeOnCanvas({200, 300}, {300, 300});
  QApplication::processEvents();
  EXPECT_EQ(w->list().G0[0], float(kCodeGeometric));
  EXPECT_TRUE(w->menuItem("Editsym")->isEnabled());
  EXPECT_TRUE(w->menuItem("MenSym")->isEnabled());
}

}  // namespace
}  // namespace orn::test
