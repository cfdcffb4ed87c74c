// The hidden "S&pecial" menu on the real window: the hot spot shows and hides
// it only with Ctrl held, and "&Geometry Buttons" offers the Geometric tool
// and the polygon button, through which a user lays base shapes.
#include <QAction>
#include <QPushButton>

#include "canvas/tools.h"
#include "model/record_codes.h"
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

TEST_F(SpecialMenu, CtrlClickOnTheHotSpotTogglesTheMenuWhoseOnlyLiveItemIsGeometryButtons) {
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
    EXPECT_EQ(a->isEnabled(), i == 1) << i;
  }
  EXPECT_EQ(w->menuItem("DebugX(1)")->text().toStdString(), "&Geometry Buttons");
  // Greying and restoring the menus (as a redraw does) keeps the rest grey.
  w->MenEnable(false);
  w->MenEnable(true);
  EXPECT_TRUE(enabled("DebugX(1)"));
  EXPECT_FALSE(enabled("DebugX(3)"));
}

// The whole path of a user who starts from nothing: the Special menu, the
// geometry buttons, the Geometric tool, an edge laid on the canvas, and
// "&Setup Symmetry" offered for the square laid on it; then the buttons go.
TEST_F(SpecialMenu, GeometryButtonsOfferTheGeometricToolThatLaysAShapeAndOffersTheSetup) {
  setInnerSize(800, 600);
  ToolButton* geo = w->tools().DrawType(kToolGeometric);
  ToolButton* dup = w->tools().DrawType(kToolDuplicate);
  EXPECT_FALSE(geo->isVisible());
  EXPECT_FALSE(w->Picture13->isVisible());
  EXPECT_FALSE(enabled("Editsym"));

  clickLabel6(true);
  trigger("DebugX(1)");
  EXPECT_TRUE(w->editor().ShowGeoNumbers);
  EXPECT_TRUE(w->menuItem("DebugX(1)")->isChecked());
  ASSERT_TRUE(geo->isVisible());
  EXPECT_TRUE(w->Picture13->isVisible());
  EXPECT_FALSE(dup->isVisible());

  chooseTool(kToolGeometric);
  EXPECT_EQ(w->editor().CurDrawType, kToolGeometric);
  click({200, 300});
  move({250, 300});
  click({300, 300});
  QApplication::processEvents();
  EXPECT_EQ(w->list().G0[0], float(kCodeGeometric));
  EXPECT_TRUE(enabled("Editsym"));
  EXPECT_TRUE(enabled("MenSym"));

  // The duplicate tool, once offered, goes when the geometry buttons go.
  dup->show();
  trigger("DebugX(1)");
  EXPECT_FALSE(w->editor().ShowGeoNumbers);
  EXPECT_FALSE(w->menuItem("DebugX(1)")->isChecked());
  EXPECT_FALSE(geo->isVisible());
  EXPECT_FALSE(w->Picture13->isVisible());
  EXPECT_FALSE(dup->isVisible());
}

}  // namespace
}  // namespace orn::test
