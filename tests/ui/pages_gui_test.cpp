// The picture shape and the project pages in the real window: "Set &Picture
// Shape", "&Screen is Picture..." and its project-pages panel, and the
// "&Zoom" menu's page views that follow.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include "canvas/tools.h"
#include "editor/ui/project_pages.h"
#include "model/record_codes.h"
#include "pic_edit_fixture.h"

namespace orn::test {
namespace {

class PagesGui : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(929, 664);
    // The shape and page items are among the advanced options, which the
    // hidden Special menu's "Show All Options" brings.
    clickLabel6(true);
    trigger("DebugX(7)");
    EXPECT_TRUE(w->menus().menuItem("DebugX(7)")->isChecked());
    EXPECT_TRUE(w->menus().menuItem("MenProjPages")->isVisible());
  }
  int W() const { return w->canvasSurface().width(); }
  int H() const { return w->canvasSurface().height(); }
  ProjPagesPanel& panel() { return *w->pages().Picture6; }
  bool shown(const std::string& item) { return w->menus().menuItem(item)->isVisible(); }
  std::string caption(const std::string& item) { return w->menus().menuItem(item)->text().toStdString(); }
};

TEST_F(PagesGui, PictureShapesLayTheCanvasOutAndEnterRatioTakesWidthOverHeight) {
  trigger("MenPageShape(2)");
  EXPECT_EQ(W(), H());
  w->layout().PrintInitDone = true;
  trigger("MenPageShape(2)");  // the same shape again still lays out
  EXPECT_FALSE(w->layout().PrintInitDone);

  host.replies = {std::string("2")};
  trigger("MenPageShape(4)");
  EXPECT_EQ(host.offered, " 1");  // the present width / height
  EXPECT_EQ(host.inputs.back().title, "Enter Ratio");
  EXPECT_EQ(W(), 2 * H());
  // Refused replies, and the ratio already in force, change nothing.
  w->layout().PrintInitDone = true;
  host.replies = {std::string("abc"), std::string("-3"), std::nullopt, std::string("2")};
  for (int i = 0; i < 4; ++i) trigger("MenPageShape(4)");
  EXPECT_TRUE(w->layout().PrintInitDone);
  EXPECT_EQ(w->layout().PageAspect, 0.5);
}

TEST_F(PagesGui, ScreenIsPictureAsksFirstAndOnOkMakesTheScreenTheFullPicture) {
  w->views().ViewDepth = 2;
  const ViewTable before = w->views();
  host.answers = {MsgResult::Cancel};
  trigger("MenProjPages");
  ASSERT_FALSE(host.boxes.empty());
  EXPECT_EQ(host.boxes.back().title, "Screen is Picture");
  EXPECT_EQ(w->views().rows, before.rows);
  EXPECT_EQ(w->views().ViewDepth, 2);
  host.answers = {MsgResult::OK};
  trigger("MenProjPages");
  EXPECT_EQ(w->views().ViewDepth, 0);
  EXPECT_EQ(w->views().rows[1], (ViewRow{0, 0, float(W() - 1), 0, float(W() - 1), float(H() - 1), 0, 0,
                                         float(W() - 1), 0, float(W() - 1), float(H() - 1)}));
  EXPECT_EQ(caption("Zoom(1)"), "Full Picture");
  EXPECT_FALSE(shown("Zoom(7)"));
}

TEST_F(PagesGui, PagesPanelDividesThePictureAndTheZoomMenuShowsEachPage) {
  chooseTool(kToolPolyLine);
  click({20, 20});
  dbl({60, 40});
  w->Text1->setText("before");
  host.ctrl = true;
  trigger("MenProjPages");
  host.ctrl = false;
  ASSERT_TRUE(panel().isVisible());
  EXPECT_FALSE(w->Picture1->isEnabled());
  EXPECT_FALSE(enabled("MenFile"));
  EXPECT_TRUE(w->Text1->text().startsWith("Choose the number of pages"));
  panel().setPages(3);
  EXPECT_EQ(panel().Label14->text(), "3");
  QTest::mouseClick(panel().ProjOk[0], Qt::LeftButton);
  EXPECT_FALSE(panel().isVisible());
  EXPECT_TRUE(w->Picture1->isEnabled());
  EXPECT_TRUE(enabled("MenFile"));
  EXPECT_EQ(w->Text1->text(), "before");
  EXPECT_EQ(w->editor().ProjPages, 3);
  for (auto item : {"Zoom(2)", "Zoom(3)", "Zoom(7)"}) EXPECT_TRUE(shown(item)) << item;
  EXPECT_FALSE(shown("Zoom(4)"));
  EXPECT_EQ(caption("Zoom(1)"), "Part 1");

  // Page 2 lies one canvas height below page 1.
  const int first = firstPointOf(w->list(), 0);
  w->list().G1[first] += float(H());
  trigger("Zoom(2)");
  EXPECT_NEAR(w->list().G1[first], 20, 1e-2);
  const int pageW = W(), pageH = H();
  trigger("Zoom(7)");  // the whole project, three pages high, in a canvas as high as a page
  EXPECT_TRUE(w->editor().ProjectView);
  EXPECT_EQ(H(), pageH);
  EXPECT_NEAR(W(), pageW / 3.0, 1);
  EXPECT_NEAR(w->list().G1[first], (20 + pageH) * (pageH - 1.0) / (3.0 * pageH - 1), 0.5);
  // "&Back" returns to page 2 in its own shape.
  trigger("ZoomS(0)");
  EXPECT_EQ(W(), pageW);
  EXPECT_EQ(H(), pageH);
  EXPECT_NEAR(w->list().G1[first], 20, 1e-2);

  // Cancel changes neither the views nor the menu.
  const ViewTable views = w->views();
  host.ctrl = true;
  trigger("MenProjPages");
  host.ctrl = false;
  panel().setPages(1);
  QTest::mouseClick(panel().ProjOk[1], Qt::LeftButton);
  EXPECT_EQ(w->views().rows, views.rows);
  EXPECT_TRUE(shown("Zoom(3)"));
}

// The pages panel's bar: its up arrow raises the count and its down arrow
// lowers it. Its help, in the box below the canvas, says how to choose the
// pages and hides neither the Special menu's numbers nor its stamp buttons.
TEST_F(PagesGui, ThePanelsUpArrowRaisesTheCountAndItsHelpHidesNoControl) {
  trigger("DebugX(0)");  // the stamp buttons
  trigger("DebugX(2)");  // the mouse position's numbers
  host.ctrl = true;
  trigger("MenProjPages");
  host.ctrl = false;
  ASSERT_TRUE(panel().isVisible());
  EXPECT_EQ(w->Text1->text().toStdString().rfind("Choose the number of pages", 0), 0u);
  for (const QWidget* c : {static_cast<const QWidget*>(w->special().Label1), static_cast<const QWidget*>(w->special().Command2[0]),
                           static_cast<const QWidget*>(w->special().Command2[1])})
    EXPECT_FALSE(w->Text1->geometry().intersects(c->geometry())) << c->objectName().toStdString();

  QScrollBar* bar = panel().VScroll3;
  auto arrow = [bar](QStyle::SubControl which) {
    QStyleOptionSlider o;
    o.initFrom(bar);
    o.orientation = Qt::Vertical;
    o.minimum = bar->minimum();
    o.maximum = bar->maximum();
    o.sliderPosition = o.sliderValue = bar->value();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &o, which, bar).center();
  };
  ASSERT_EQ(panel().Label14->text(), "1");
  QTest::mouseClick(bar, Qt::LeftButton, {}, arrow(QStyle::SC_ScrollBarSubLine));  // up
  QTest::mouseClick(bar, Qt::LeftButton, {}, arrow(QStyle::SC_ScrollBarSubLine));
  EXPECT_EQ(panel().Label14->text(), "3");
  QTest::mouseClick(bar, Qt::LeftButton, {}, arrow(QStyle::SC_ScrollBarAddLine));  // down
  EXPECT_EQ(panel().Label14->text(), "2");
  QTest::mouseClick(panel().ProjOk[0], Qt::LeftButton);
  EXPECT_EQ(w->editor().ProjPages, 2);
}

}  // namespace
}  // namespace orn::test
