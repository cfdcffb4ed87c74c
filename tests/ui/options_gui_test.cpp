// The drawing options of the "&Options" menu in the real window: the snap
// and line-width dialogs, splines, sound, the drawing cursor and the line
// extension.
#include <QRadioButton>
#include <QPushButton>
#include <QScrollBar>

#include "canvas/tools.h"
#include "canvas/ui/grav.h"
#include "canvas/ui/line_set.h"
#include "model/record_codes.h"
#include "pic_edit_fixture.h"
#include "platform/canvas_widget.h"

namespace orn::test {
namespace {

class OptionsGui : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(929, 664);
  }
  std::string caption(const std::string& item) { return w->menus().menuItem(item)->text().toStdString(); }
  MouseState& ms() { return w->tools().engine().ms; }
  // A pixel the next full redraw must clear.
  void soil() { w->canvasSurface().pset(5, 5, 0x123456); }
  bool soiled() { return w->canvasSurface().point(5, 5) == 0x123456; }
};

TEST_F(OptionsGui, SnapDialogSetsTheDistanceAndCaptionAndAPressThenSnapsOntoAStoredPoint) {
  ms().SnapSize = 2;
  whenModal<Grav>([](Grav& d) {
    EXPECT_EQ(d.windowTitle(), "Set Snap");
    EXPECT_TRUE(d.op[2]->isChecked());  // starts on the distance in force
    QTest::mouseClick(d.op[5], Qt::LeftButton);
    QTest::mouseClick(d.Command1, Qt::LeftButton);
  });
  trigger("MenOptionsGravity");
  EXPECT_EQ(ms().SnapSize, 5);
  EXPECT_EQ(caption("MenOptionsGravity"), "&Snap 5...");
  whenModal<Grav>([](Grav& d) {
    QTest::mouseClick(d.op[0], Qt::LeftButton);
    QTest::mouseClick(d.Command2, Qt::LeftButton);
  });
  trigger("MenOptionsGravity");
  EXPECT_EQ(ms().SnapSize, 5);
  EXPECT_EQ(caption("MenOptionsGravity"), "&Snap 5...");

  chooseTool(kToolPolyLine);
  click({100, 100});
  dbl({200, 120});
  click({203, 116});  // 3 and 4 away from the stored end point: snaps onto it
  dbl({300, 300});
  const DrawingList& l = w->list();
  const int second = lastEntryOf(l, 0) + 1;
  EXPECT_EQ(l.G0[firstPointOf(l, second)], 200.0f);
  EXPECT_EQ(l.G1[firstPointOf(l, second)], 120.0f);
}

TEST_F(OptionsGui, LineWidthDialogWidensTheRedrawnLinesAndCancelOnlyRedraws) {
  chooseTool(kToolPolyLine);
  click({100, 200});
  dbl({400, 200});
  EXPECT_EQ(w->canvasSurface().point(250, 202), kWhite);
  whenModal<LineSet>([](LineSet& d) {
    EXPECT_EQ(d.VScroll1->value(), 1);
    d.VScroll1->setValue(6);
    EXPECT_EQ(d.Label1->text(), "6");
    QTest::mouseClick(d.Command1, Qt::LeftButton);
  });
  trigger("MenOptionsLine");
  EXPECT_EQ(w->draw().LineWidth, 6);
  EXPECT_EQ(caption("MenOptionsLine"), "&Line Width 6...");
  EXPECT_EQ(w->canvasSurface().point(250, 202), kBlack);
  soil();
  whenModal<LineSet>([](LineSet& d) {
    d.VScroll1->setValue(2);
    QTest::mouseClick(d.Command2, Qt::LeftButton);
  });
  trigger("MenOptionsLine");
  EXPECT_EQ(w->draw().LineWidth, 6);
  EXPECT_EQ(caption("MenOptionsLine"), "&Line Width 6...");
  EXPECT_FALSE(soiled());
}

TEST_F(OptionsGui, SplinesOffLeavesTheSplineToolForPolyLinesAndHidesItsButtons) {
  if (!w->menus().menuItem("MenOpSpline")->isChecked()) trigger("MenOpSpline");
  ASSERT_FALSE(w->tools().DrawType(kToolSpline)->isHidden());
  chooseTool(kToolSpline);
  trigger("MenOpSpline");
  EXPECT_FALSE(w->menus().menuItem("MenOpSpline")->isChecked());
  EXPECT_EQ(w->editor().CurDrawType, kToolPolyLine);
  EXPECT_TRUE(w->tools().DrawType(kToolSpline)->isHidden());
  EXPECT_TRUE(w->tools().DrawType(kToolConvert)->isHidden());
  trigger("MenOpSpline");
  EXPECT_FALSE(w->tools().DrawType(kToolSpline)->isHidden());
  chooseTool(kToolCircle2);
  trigger("MenOpSpline");
  EXPECT_EQ(w->editor().CurDrawType, kToolCircle2);
}

// The spline/polyline switch beside the spline tool goes away with the
// tools under the colour wheel's panel.
TEST_F(OptionsGui, TheSplineSwitchGoesAndComesBackWithTheColourWheel) {
  if (!w->menus().menuItem("MenOpSpline")->isChecked()) trigger("MenOpSpline");
  QWidget* sw = w->tools().SplinePoly;
  ASSERT_TRUE(sw->isVisible());
  trigger("MenRotateColors");
  EXPECT_FALSE(sw->isVisible());
  trigger("MenRotateColors");
  EXPECT_TRUE(sw->isVisible());
}

TEST_F(OptionsGui, SoundCursorAndExtensionFollowTheirItems) {
  ASSERT_TRUE(w->menus().menuItem("MenOptionSound")->isChecked());
  trigger("MenOptionSound");
  EXPECT_FALSE(w->editor().SoundOn);
  EXPECT_FALSE(w->menus().menuItem("MenOptionSound")->isChecked());

  trigger("PickDrawCurse(10)");
  EXPECT_EQ(ms().DrawCursor, 10);
  EXPECT_EQ(w->Picture1->canvasCursor(), CanvasCursor::UpArrow);

  soil();
  trigger("ExtendV(3)");
  EXPECT_EQ(w->draw().ExtendLen, 1.0f);
  EXPECT_EQ(caption("ExtendLn"), "Extend Lines 1");
  EXPECT_FALSE(soiled());
  soil();
  trigger("ExtendV(3)");  // the same choice again redraws again
  EXPECT_FALSE(soiled());
}

}  // namespace
}  // namespace orn::test
