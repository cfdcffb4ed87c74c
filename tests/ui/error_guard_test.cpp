// Failures in the windows' handlers reach the error report with the
// handler's tag, and the window goes on: the help commands, the set-up
// panel's buttons, and the repaint of the form (Form_Paint).
#include <QAction>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

#include "canvas/tools.h"
#include "canvas/ui/sym_setup_panel.h"
#include "colour/colour_wheel.h"
#include "symmetry/polygon_shape.h"
#include "symmetry/ui/get_poly.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

class ErrorGuard : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 664);
    // A help window that cannot be shown.
    w->setHelp([this](int, QWidget&) {
      ++helpAsked;
      throw std::runtime_error("Help window cannot be opened");
    });
  }
  // The report shown last: its text names the failure and the tag.
  void expectReported(const std::string& tag) {
    ASSERT_FALSE(host.boxes.empty()) << tag;
    const ShownBox& b = host.boxes.back();
    EXPECT_EQ(b.title, "Error Message");
    EXPECT_EQ(b.buttons, MsgButtons::AbortRetryIgnore);
    EXPECT_NE(b.text.find("Help window cannot be opened"), std::string::npos) << b.text;
    EXPECT_NE(b.text.find("\nin " + tag + "\n"), std::string::npos) << b.text;
  }
  int helpAsked = 0;
};

TEST_F(ErrorGuard, TheHelpCommandsReportTheirFailuresWithTheirTagsAndRetryAsksAgain) {
  trigger("HelpP");
  expectReported("HelpP");
  QTest::keyClick(w.get(), Qt::Key_F1);
  expectReported("HelpP");
  host.answers = {MsgResult::Retry, MsgResult::Ignore};
  helpAsked = 0;
  trigger("Gallery");
  trigger("GalHelp");
  expectReported("GalHelp");
  EXPECT_EQ(helpAsked, 2) << "Retry runs the command again";
  EXPECT_EQ(programEnds, 0);
  EXPECT_TRUE(w->isVisible());
}

TEST_F(ErrorGuard, TheSetUpPanelsHelpButtonReportsItsFailure) {
  AddPolygon(w->list(), w->polyShape(), 200, 300, 300, 300);
  w->symmetry().setEditsymEnabled(true);
  trigger("Editsym");
  ASSERT_TRUE(w->Picture5->isVisible());
  QTest::mouseClick(w->Picture5->Command3, Qt::LeftButton);
  expectReported("SymHelp");
  EXPECT_TRUE(w->Picture5->isVisible()) << "the set-up goes on";
}

// Repainting the form puts the polygon's number on the geometric tool's
// button and draws a shown colour wheel with its dot where the state has it.
TEST_F(ErrorGuard, RepaintingTheFormRedrawsTheGeometricButtonAndTheWheel) {
  w->editor().ShowGeoNumbers = true;  // the geometry buttons are shown
  QAbstractButton* geometric = w->tools().DrawType(kToolGeometric);
  w->controls().GeoSh();
  const QString caption = geometric->text();
  geometric->setText("?");
  trigger("MenRotateColors");
  ASSERT_TRUE(w->menus().menuItem("MenRotateColors")->isChecked());
  // The dot of step 5 is white at its spot's centre.
  const WheelSpot& spot = WheelSpots[10];
  const auto dot = [&] { return w->colourTools().wheel().point(int(spot.x), int(spot.y)); };
  ASSERT_NE(dot(), kWhite);
  w->colour().WheelStep = 5;
  w->formArea()->repaint();
  EXPECT_EQ(geometric->text(), caption);
  EXPECT_EQ(dot(), kWhite);

  // Redrawing the wheel does not make the form paint again and again.
  struct PaintCount : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      paints += e->type() == QEvent::Paint;
      return false;
    }
  } count;
  w->formArea()->installEventFilter(&count);
  w->formArea()->update();
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QTest::qWait(5);
  }
  w->formArea()->removeEventFilter(&count);
  EXPECT_LE(count.paints, 2);
}

}  // namespace
}  // namespace orn::test
