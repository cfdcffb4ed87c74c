// The hidden "S&pecial" menu on the real window: the hot spot shows and hides
// it only with Ctrl held, and "&Geometry Buttons" shows the geometry tools.
#include <QAction>
#include <QPushButton>

#include "canvas/tools.h"
#include "pic_edit_fixture.h"
#include "symmetry/ui/click_label.h"

namespace orn::test {
namespace {

class SpecialMenu : public PicEditTest {
 protected:
  bool specialShown() const {
    for (QAction* a : w->menuBar()->actions())
      if (a->isVisible() && a->text() == "S&pecial") return true;
    return false;
  }
};

TEST_F(SpecialMenu, CtrlClickOnTheHotSpotTogglesTheMenuWhoseLiveItemsAreGeometryButtonsAndAllOptions) {
  EXPECT_EQ(w->Label6->size(), QSize(9, 9));
  EXPECT_TRUE(w->Label6->isVisible());
  EXPECT_TRUE(w->formArea()->rect().contains(w->Label6->geometry()));
  EXPECT_FALSE(specialShown());
  const struct {
    bool ctrl, shownAfter;
  } clicks[] = {{false, false}, {true, true}, {false, true}, {true, false}, {true, true}};
  for (const auto& c : clicks) {
    clickLabel6(c.ctrl);
    EXPECT_EQ(specialShown(), c.shownAfter) << c.ctrl;
  }

  for (int i = 0; i < 9; ++i) {
    QAction* a = w->menuItem("DebugX(" + std::to_string(i) + ")");
    ASSERT_NE(a, nullptr) << i;
    EXPECT_TRUE(a->isVisible()) << i;
    EXPECT_EQ(a->isEnabled(), i == 1 || i == 7) << i;
  }
  EXPECT_EQ(w->menuItem("DebugX(1)")->text().toStdString(), "&Geometry Buttons");
  // Greying and restoring the menus (as a redraw does) keeps the rest grey.
  w->MenEnable(false);
  w->MenEnable(true);
  EXPECT_TRUE(enabled("DebugX(1)"));
  EXPECT_FALSE(enabled("DebugX(3)"));
}

// The geometry buttons come and go with the menu item; the Duplicate tool,
// once offered, goes with them.
TEST_F(SpecialMenu, GeometryButtonsShowTheGeometricToolAndPolygonButtonAndTakeDuplicateAwayWithThem) {
  setInnerSize(800, 600);
  ToolButton* geo = w->tools().DrawType(kToolGeometric);
  ToolButton* dup = w->tools().DrawType(kToolDuplicate);
  EXPECT_FALSE(geo->isVisible() || w->Picture13->isVisible());
  clickLabel6(true);
  trigger("DebugX(1)");
  EXPECT_TRUE(w->editor().ShowGeoNumbers && w->menuItem("DebugX(1)")->isChecked());
  EXPECT_TRUE(geo->isVisible() && w->Picture13->isVisible());
  EXPECT_FALSE(dup->isVisible());
  dup->show();
  trigger("DebugX(1)");
  EXPECT_FALSE(w->editor().ShowGeoNumbers || w->menuItem("DebugX(1)")->isChecked());
  EXPECT_FALSE(geo->isVisible() || w->Picture13->isVisible() || dup->isVisible());
}

}  // namespace
}  // namespace orn::test
