// What the window shows while the zoom box is up and after it: the part
// labels, the tool buttons and the Help menu go away and come back, and the
// frame's page button names the page or the project the picture has.
#include <QPushButton>

#include "canvas/tools.h"
#include "canvas/ui/part_labels.h"
#include "canvas/ui/sym_setup_panel.h"
#include "canvas/ui/zoom_panel.h"
#include "canvas/zoom_views.h"
#include "editor/ui/zoom_control.h"
#include "pic_edit_fixture.h"

namespace orn::test {
namespace {

class ZoomModeFollowups : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    layTwoSquares();
    trigger("Editsym");
    for (int k = 1; k <= 8; ++k) clickHandle(k);
    QTest::mouseClick(w->Picture5->SymOK[0], Qt::LeftButton);
    ASSERT_TRUE(w->Picture7->isVisible());
  }
  void openFrame() {
    host.ctrl = true;
    trigger("ZoomSS(2)");
    host.ctrl = false;
  }
  ZoomPanel& panel() { return *w->zoom().Picture2; }
  void expectModeShown(bool on) {
    EXPECT_EQ(w->zoom().zoomBoxMode(), on);
    EXPECT_EQ(w->Picture7->isVisible(), !on);
    for (int tool : {kToolPolyLine, kToolArc, kToolAdjustPoints}) EXPECT_EQ(w->tools().DrawType(tool)->isVisible(), !on) << tool;
  }
};

TEST_F(ZoomModeFollowups, TheClickAndSizeBoxHidesThePartsToolsAndHelpUntilItEnds) {
  trigger("ZoomSS(2)");
  expectModeShown(true);
  EXPECT_FALSE(enabled("HelpP"));
  // A right press before the centre click cancels: everything comes back.
  QTest::mouseClick(w->Picture1, Qt::RightButton, {}, QPoint(150, 150));
  expectModeShown(false);
  EXPECT_TRUE(enabled("HelpP"));

  // Centred, then applied with a second left click.
  trigger("ZoomSS(2)");
  QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(300, 250));
  QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(300, 250));
  expectModeShown(false);
  EXPECT_TRUE(enabled("HelpP"));
}

TEST_F(ZoomModeFollowups, TheFramesPageButtonNamesThePageOrTheProject) {
  openFrame();
  expectModeShown(true);
  EXPECT_FALSE(enabled("HelpP"));
  EXPECT_EQ(panel().BoxButton[2]->text().toStdString(), "Page");
  QTest::mouseClick(panel().BoxButton[1], Qt::LeftButton);  // Cancel without a change ends the mode
  expectModeShown(false);
  EXPECT_TRUE(enabled("HelpP"));

  const Surface& c = w->canvasSurface();
  ArrangeParts(w->views(), w->editor(), 3, c.width(), c.height());
  openFrame();
  EXPECT_EQ(panel().BoxButton[2]->text().toStdString(), "Project");
  QTest::mouseClick(panel().BoxButton[0], Qt::LeftButton);  // OK without a change ends it too
  expectModeShown(false);
}

}  // namespace
}  // namespace orn::test
