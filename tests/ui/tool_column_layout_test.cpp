// Beside the canvas: the polygon button clear of the tool buttons, and the
// set-up panel off the canvas and opaque over the tools under it.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <vector>

#include "canvas/tools.h"
#include "canvas/ui/part_labels.h"
#include "canvas/ui/sym_setup_panel.h"
#include "pic_edit_fixture.h"
#include "platform/qt_colour.h"
#include "symmetry/ui/click_label.h"
#include "symmetry/ui/get_poly.h"

namespace orn::test {
namespace {

class ToolColumn : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(900, 700);
    w->special().DebugXC(1);  // the geometry buttons
    ASSERT_TRUE(w->editor().ShowGeoNumbers);
  }
};

TEST_F(ToolColumn, PolygonRedrawAndStopButtonsStandClearOfEveryOtherControl) {
  QPushButton* poly = w->Picture13;
  ASSERT_TRUE(poly->isVisible());
  w->tools().DrawType(kToolDuplicate)->show();
  w->tools().KillColor->show();
  std::vector<QWidget*> column{w->tools().SplinePoly, w->tools().KillColor, poly, w->redraws().DrawAll0};
  for (int tool : kAllTools) column.push_back(w->tools().DrawType(tool));
  for (std::size_t a = 0; a < column.size(); ++a) {
    EXPECT_TRUE(w->DrawTypePanel->rect().contains(column[a]->geometry())) << a;
    for (std::size_t b = a + 1; b < column.size(); ++b)
      EXPECT_FALSE(column[a]->geometry().intersects(column[b]->geometry())) << a << " " << b;
  }
  EXPECT_EQ(w->DrawTypePanel->childAt(poly->geometry().center()), poly);
  EXPECT_EQ(w->redraws().DrawAll0->toolTip(), "Redraw");

  // The stop button, shown during a redraw, hides nothing the user needs then.
  const QRect stop = w->redraws().StopSign->geometry();
  EXPECT_TRUE(w->formArea()->rect().contains(stop));
  for (QWidget* c : {static_cast<QWidget*>(w->DrawTypePanel), static_cast<QWidget*>(w->Picture1),
                     static_cast<QWidget*>(w->Text1), static_cast<QWidget*>(w->Progress),
                     static_cast<QWidget*>(w->Picture7), static_cast<QWidget*>(w->special().Label6)})
    EXPECT_FALSE(stop.intersects(c->geometry())) << c->objectName().toStdString();
}

// Every tool button shows its own pictogram on the button's colour and
// names its tool in its tooltip; the Geometric tool's shows its corners.
TEST_F(ToolColumn, EveryToolButtonShowsItsOwnPictogramAndNamesItsTool) {
  std::vector<QImage> seen;
  std::vector<QWidget*> buttons{w->redraws().DrawAll0};
  for (int tool : kAllTools) buttons.push_back(w->tools().DrawType(tool));
  for (QWidget* b : buttons) {
    SCOPED_TRACE(b->objectName().toStdString());
    EXPECT_FALSE(b->toolTip().isEmpty());
    const QImage img = b->grab().toImage();
    const QRgb back = img.pixel(2, 2);  // inside the frame, outside the pictogram
    int drawn = 0;
    for (int y = 3; y < img.height() - 3; ++y)
      for (int x = 3; x < img.width() - 3; ++x) drawn += img.pixel(x, y) != back;
    EXPECT_GT(drawn, 20);
    for (const QImage& other : seen) EXPECT_FALSE(other == img);
    seen.push_back(img);
  }
  EXPECT_EQ(QColor(seen[1].pixel(2, 2)), toQColor(ToolButtonIdleColour(kToolSpline)));
  ToolButton* geo = w->tools().DrawType(kToolGeometric);
  const QImage square = geo->grab().toImage();
  PolyShape hexagon;
  int six = 6;
  SetPolygonShape(hexagon, six);
  GeoSh(geo, hexagon, true);
  EXPECT_FALSE(geo->grab().toImage() == square);
}

TEST_F(ToolColumn, SetupPanelLeavesTheCanvasFreeShowsAllItsControlsAndHidesTheToolsUnderIt) {
  chooseTool(kToolGeometric);  // a square laid as a user lays it
  click({200, 300});
  move({250, 300});
  click({300, 300});
  trigger("Editsym");
  SymSetupPanel* panel = w->Picture5;
  ASSERT_TRUE(panel->isVisible());
  EXPECT_FALSE(panel->geometry().intersects(w->Picture1->geometry()));
  EXPECT_TRUE(w->formArea()->rect().contains(panel->geometry()));
  for (QWidget* c : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (c->isVisibleTo(panel)) {
      EXPECT_TRUE(panel->rect().contains(c->geometry())) << c->objectName().toStdString();
    }
  // The Redraw button below the tools is either wholly under it or clear of it.
  const QRect redraw(w->redraws().DrawAll0->mapTo(w->formArea(), QPoint()), w->redraws().DrawAll0->size());
  EXPECT_TRUE(panel->geometry().contains(redraw) || !panel->geometry().intersects(redraw));
  // Its caption, in both of its wordings, is read whole in the narrow column.
  auto captionFits = [panel] {
    const QLabel* l = panel->Label10;
    const QRect r = l->contentsRect();
    return r.contains(l->fontMetrics().boundingRect(r, int(l->alignment()) | Qt::TextWordWrap, l->text()));
  };
  EXPECT_TRUE(captionFits()) << panel->Label10->text().toStdString();
  panel->SymInitialC();
  EXPECT_TRUE(captionFits()) << panel->Label10->text().toStdString();
  panel->SymOK_Click(0);

  // The colour tools are out of the way; where a shown tool button lies under
  // the panel's bare background, the background is seen.
  for (int tool : {kToolPaint, kToolAdjustColorHandles, kToolDeleteColorHandle})
    EXPECT_FALSE(w->tools().DrawType(tool)->isVisible()) << tool;
  const QImage shot = w->formArea()->grab().toImage();
  const QColor back = panel->palette().color(QPalette::Window);
  for (int tool : kAllTools) {
    const ToolButton* b = w->tools().DrawType(tool);
    if (!b->isVisible()) continue;
    const QRect under = QRect(w->DrawTypePanel->mapTo(w->formArea(), b->pos()), b->size())
                            .intersected(panel->geometry().adjusted(2, 2, -2, -2));
    for (int y = under.top(); y <= under.bottom(); ++y)
      for (int x = under.left(); x <= under.right(); ++x) {
        if (panel->childAt(panel->mapFrom(w->formArea(), QPoint(x, y))) != nullptr) continue;
        ASSERT_EQ(shot.pixelColor(x, y).rgb(), back.rgb()) << tool << " at " << x << "," << y;
      }
  }
}

}  // namespace
}  // namespace orn::test
