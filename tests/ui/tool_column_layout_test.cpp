// What stands beside the canvas on the real window: the polygon button is not
// buried under a tool button, and the symmetry set-up panel covers neither
// the canvas (whose handles the user clicks) nor lets the tool buttons under
// it show through.
#include <QAction>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>

#include "canvas/tools.h"
#include "canvas/ui/tool_buttons.h"
#include "pic_edit_fixture.h"
#include "platform/canvas_widget.h"
#include "symmetry/ui/sym_setup_panel.h"

namespace orn::test {
namespace {

class ToolColumn : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(900, 700);
    w->DebugXC(1);  // the geometry buttons
    ASSERT_TRUE(w->editor().ShowGeoNumbers);
  }
  void send(QWidget* to, QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(p), to->mapToGlobal(QPointF(p)), b, held, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
  }
  void clickCanvas(QPoint p) {
    send(w->Picture1, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
    send(w->Picture1, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    send(w->Picture1, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
  }
  // A square laid with the Geometric tool, as a user lays it.
  void laySquare() {
    ToolButton* geo = w->tools().DrawType(kToolGeometric);
    send(geo, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    clickCanvas({200, 300});
    send(w->Picture1, QEvent::MouseMove, {250, 300}, Qt::NoButton, Qt::NoButton);
    clickCanvas({300, 300});
    ASSERT_TRUE(w->menuItem("Editsym")->isEnabled());
  }
};

TEST_F(ToolColumn, PolygonButtonStandsClearOfEveryToolButton) {
  QPushButton* poly = w->Picture13;
  ASSERT_TRUE(poly->isVisible());
  // Every button of the column that can be shown, the duplicate tool and
  // the Delete Color Handle swatch included.
  w->tools().DrawType(kToolDuplicate)->show();
  w->tools().KillColor->show();
  for (int tool : kAllTools) {
    const ToolButton* b = w->tools().DrawType(tool);
    EXPECT_FALSE(b->geometry().intersects(poly->geometry())) << tool;
  }
  EXPECT_FALSE(w->tools().SplinePoly->geometry().intersects(poly->geometry()));
  EXPECT_FALSE(w->tools().KillColor->geometry().intersects(poly->geometry()));
  EXPECT_EQ(w->DrawTypePanel->childAt(poly->geometry().center()), poly);
  EXPECT_TRUE(w->DrawTypePanel->rect().contains(poly->geometry()));
}

TEST_F(ToolColumn, SetupPanelLeavesTheCanvasFreeAndShowsAllItsControls) {
  laySquare();
  trigger("Editsym");
  SymSetupPanel* panel = w->Picture5;
  ASSERT_TRUE(panel->isVisible());
  EXPECT_FALSE(panel->geometry().intersects(w->Picture1->geometry()));
  EXPECT_TRUE(w->formArea()->rect().contains(panel->geometry()));
  for (QWidget* c : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (c->isVisibleTo(panel)) {
      EXPECT_TRUE(panel->rect().contains(c->geometry())) << c->objectName().toStdString();
    }
  }
}

TEST_F(ToolColumn, ToolButtonsUnderTheSetupPanelDoNotShowThrough) {
  laySquare();
  trigger("Editsym");
  SymSetupPanel* panel = w->Picture5;
  ASSERT_TRUE(panel->isVisible());
  const QImage shot = w->formArea()->grab().toImage();
  const QColor back = panel->palette().color(QPalette::Window);
  // Wherever a tool button still shown lies under the panel and no control
  // of the panel covers it, the panel's own background is seen.
  int looked = 0;
  for (int tool : kAllTools) {
    const ToolButton* b = w->tools().DrawType(tool);
    if (!b->isVisible()) continue;
    const QRect under = QRect(w->DrawTypePanel->mapTo(w->formArea(), b->pos()), b->size())
                            .intersected(panel->geometry().adjusted(2, 2, -2, -2));
    for (int y = under.top(); y <= under.bottom(); ++y)
      for (int x = under.left(); x <= under.right(); ++x) {
        if (panel->childAt(panel->mapFrom(w->formArea(), QPoint(x, y))) != nullptr) continue;
        ++looked;
        ASSERT_EQ(shot.pixelColor(x, y).rgb(), back.rgb()) << tool << " at " << x << "," << y;
      }
  }
  EXPECT_GT(looked, 0);
}

}  // namespace
}  // namespace orn::test
