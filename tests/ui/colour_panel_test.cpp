// The colour tools in the editor window: real clicks on the real panels and
// the Color menu change the current colour, the colours in use, the picture
// and what every panel shows.
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "canvas/tools.h"
#include "canvas/ui/part_labels.h"
#include "canvas/ui/sym_setup_panel.h"
#include "canvas/ui/zoom_panel.h"
#include "colour/colour_wheel.h"
#include "colour/palette.h"
#include "editor/ui/zoom_control.h"
#include "pic_edit_fixture.h"

namespace orn::test {
namespace {

const ColourTable& T = BuiltInColorTable();

Rgb at(const CanvasWidget* w, int x, int y) { return Rgb(w->surface()->point(x, y)); }

class ColourPanelGui : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(900, 700);
    // Two boxes to paint in.
    chooseTool(kToolPolyLine);
    drawSquare(20, 20);
    drawSquare(200, 20);
  }
  // A press at the centre of cell (c, r) of a panel `cols` x `rows` cells.
  static void clickCell(QWidget* panel, double cols, double rows, double c, double r) {
    const QPoint p(int((c + 0.5) * (panel->width() - 1) / cols), int((r + 0.5) * (panel->height() - 1) / rows));
    QTest::mouseClick(panel, Qt::LeftButton, {}, p);
  }
  void pickPalette(int c, int r) { clickCell(w->colours().Picture3, kPaletteColumns, PaletteRowCount(w->colour().PalRows), c, r); }
  void clickSwatch(int i) {
    const InUseGrid& g = w->colour().InUse;
    clickCell(w->colours().CinUse, g.cols * 1.02, g.rows * 1.02, (i - 1) % g.cols, (i - 1) / g.cols);
  }
  Rgb swatch(int i) {
    const InUseGrid& g = w->colour().InUse;
    const double ux = (w->colours().CinUse->width() - 1) / (g.cols * 1.02), uy = (w->colours().CinUse->height() - 1) / (g.rows * 1.02);
    return at(w->colours().CinUse, int(((i - 1) % g.cols + 0.5) * ux), int(((i - 1) / g.cols + 0.5) * uy));
  }
  bool armedFrame() { return w->colours().Label19->grab().toImage().pixelColor(2, 2) == QColor(255, 0, 0); }
  Rgb px(int x, int y) { return Rgb(w->canvasSurface().point(x, y)); }
};

TEST_F(ColourPanelGui, PalettePicksPaintTheCanvasFillTheStripAndASwapOnTheStripExchangesThem) {
  pickPalette(4, 0);  // red
  EXPECT_EQ(at(w->colours().Picture4, 20, 20), T(4, 8));
  EXPECT_EQ(w->editor().CurDrawType, kToolPaint);
  click({60, 60});
  pickPalette(4, 3);  // hue 11
  click({250, 60});
  EXPECT_EQ(px(60, 60), T(4, 8));
  ASSERT_EQ(w->colour().InUseCount, 2);
  EXPECT_EQ(swatch(1), T(4, 8));
  EXPECT_EQ(swatch(2), T(4, 11));

  clickSwatch(1);
  EXPECT_EQ(at(w->colours().Picture4, 20, 20), T(4, 8));
  QTest::mouseClick(w->colours().Picture4, Qt::LeftButton);
  EXPECT_TRUE(armedFrame());
  clickSwatch(2);
  EXPECT_FALSE(armedFrame());
  EXPECT_EQ(px(60, 60), T(4, 11));
  EXPECT_EQ(px(250, 60), T(4, 8));
  EXPECT_EQ(swatch(1), T(4, 11));
  EXPECT_EQ(swatch(2), T(4, 8));
  EXPECT_EQ(w->canvasSurface(), redrawn());
}

// A swap or a turn of the wheel repaints only the fills: the tool that
// duplicates the polygons still there stays offered.
TEST_F(ColourPanelGui, RecolouringKeepsTheDuplicateToolOfAPictureWithPolygons) {
  w->special().DebugXC(1);  // the geometry buttons
  chooseTool(kToolGeometric);
  click({400, 300});
  move({450, 300});
  click({450, 300});
  const ToolButton* dup = w->tools().DrawType(kToolDuplicate);
  ASSERT_TRUE(dup->isVisible());
  pickPalette(4, 0);
  click({60, 60});
  pickPalette(4, 3);
  QTest::mouseClick(w->colours().Picture4, Qt::LeftButton);
  clickSwatch(1);
  ASSERT_EQ(px(60, 60), T(4, 11));
  EXPECT_TRUE(dup->isVisible());
  w->menus().menuItem("MenRotateColors")->trigger();
  const WheelSpot s = WheelSpots[6];
  QTest::mouseClick(w->colours().Wheel, Qt::LeftButton, {}, QPoint(int(s.x), int(s.y)));
  w->menus().menuItem("MenRotateColors")->trigger();
  EXPECT_TRUE(dup->isVisible());
}

TEST_F(ColourPanelGui, TheSwapFrameIsRedExactlyWhileASwapIsArmedWhateverEndsIt) {
  const auto arm = [&] {
    pickPalette(2, 1);
    QTest::mouseClick(w->colours().Picture4, Qt::LeftButton);
    ASSERT_TRUE(armedFrame());
  };
  arm();
  click({60, 60});  // painting ends the swap
  EXPECT_FALSE(armedFrame());
  arm();
  chooseTool(kToolPaint);  // the paint tool again repaints every fill
  EXPECT_FALSE(armedFrame());
  arm();
  w->menus().menuItem("MenRotateColors")->trigger();
  const WheelSpot s = WheelSpots[6];
  QTest::mouseClick(w->colours().Wheel, Qt::LeftButton, {}, QPoint(int(s.x), int(s.y)));  // a turn
  EXPECT_FALSE(armedFrame());
  arm();
  clickCell(w->colours().Picture10, kCustomColumns, kCustomRows, 0, 0);  // stored in a custom cell
  EXPECT_FALSE(armedFrame());
}

TEST_F(ColourPanelGui, TheWheelFromTheColorMenuTurnsThePictureAndResetTurnsItBack) {
  pickPalette(4, 0);
  click({60, 60});
  const Surface painted = w->canvasSurface();
  trigger("MenRotateColors");
  EXPECT_TRUE(w->colours().Wheel->isVisible());
  EXPECT_TRUE(w->colours().Picture12->isVisible());
  EXPECT_FALSE(w->tools().DrawType(kToolPolyLine)->isVisible());
  EXPECT_EQ(at(w->colours().Wheel, int(WheelSpots[0].x), int(WheelSpots[0].y)), kWhite);  // the dot on red

  const WheelSpot s = WheelSpots[8];
  QTest::mouseClick(w->colours().Wheel, Qt::LeftButton, {}, QPoint(int(s.x), int(s.y)));
  EXPECT_EQ(px(60, 60), T(4, 12));
  EXPECT_EQ(swatch(1), T(4, 12));
  EXPECT_EQ(at(w->colours().Picture4, 20, 20), T(4, 12));
  EXPECT_TRUE(w->editor().PicChanged);

  QTest::mouseClick(w->colours().Picture12->RotOK[1], Qt::LeftButton);
  EXPECT_EQ(w->canvasSurface(), painted);
  QTest::mouseClick(w->colours().Picture12->RotOK[0], Qt::LeftButton);
  EXPECT_FALSE(w->colours().Wheel->isVisible());
  EXPECT_FALSE(w->menus().menuItem("MenRotateColors")->isChecked());
  EXPECT_TRUE(w->tools().DrawType(kToolPolyLine)->isVisible());
}

// Every control shown stands inside the window and clear of every other,
// at every size the window takes (never less than its least size), with a
// picture of parts and the geometry buttons, during a redraw (the stop
// button), in the zoom frame and the symmetry set-up (whose panels stand over
// the tool column's buttons on purpose), and with the wheel, the caption of
// the colours in use still right above its swatches. Put away, the wheel
// leaves the panel as it was.
TEST_F(ColourPanelGui, NoControlHidesAnotherOrLeavesTheWindowAtAnyWindowSizeWheelShownOrNot) {
  host.answers = {MsgResult::No};
  load(std::string(ORNIVALE_DATA_DIR) + "/OVPP1A.PNT");  // Needle: its part labels show
  w->special().DebugXC(1);                             // the geometry buttons
  ASSERT_TRUE(w->Picture7->isVisible());
  const QWidget* form = w->formArea();
  auto expectControlsApart = [&](const std::string& state) {
    SCOPED_TRACE(state);
    std::vector<const QWidget*> controls;  // the tool column's buttons one by one
    for (const QWidget* c : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const auto* label = qobject_cast<const QLabel*>(c);
      if (!c->isVisible() || (label && label->text().isEmpty() && !label->inherits("orn::ClickLabel")))
        continue;  // an empty label shows nothing
      EXPECT_TRUE(form->rect().contains(c->geometry())) << c->objectName().toStdString();
      for (const QWidget* k : c->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (k->isVisible()) {
          EXPECT_TRUE(c->rect().contains(k->geometry())) << k->objectName().toStdString();
          if (c == w->DrawTypePanel) controls.push_back(k);
        }
      if (c != w->DrawTypePanel) controls.push_back(c);
    }
    auto meant = [&](const QWidget* over, const QWidget* under) {
      return (over == w->colours().colourPanel_->CinUseFrame && under == w->colours().CinUse) ||
             ((over == w->zoom().Picture2 || over == w->Picture5) && under->parentWidget() == w->DrawTypePanel);
    };
    auto place = [form](const QWidget* c) { return QRect(c->mapTo(form, QPoint()), c->size()); };
    for (std::size_t i = 0; i < controls.size(); ++i)
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const QWidget *a = controls[i], *b = controls[j];
        EXPECT_TRUE(meant(a, b) || meant(b, a) || !place(a).intersects(place(b)))
            << a->objectName().toStdString() << " " << b->objectName().toStdString();
      }
  };
  const QRect caption = w->colours().Label19->geometry(), strip = w->colours().CinUse->geometry();
  for (bool wheel : {false, true}) {
    if (wheel) trigger("MenRotateColors");
    const QSize least = form->minimumSize();
    for (QSize size : {QSize(1600, 960), QSize(900, 700), QSize(1029, 664), QSize(640, 480), QSize(500, 420),
                       QSize(1600, 300), QSize(400, 1000), least, least + QSize(1, 0), least + QSize(0, 1)}) {
      SCOPED_TRACE(testing::Message() << "wheel " << wheel << " at " << size.width() << "x" << size.height());
      setInnerSize(size.width(), size.height());
      expectControlsApart("editing");
      bool redrawSeen = false;
      host.onPump = [&] {
        if (!redrawSeen && w->redraws().StopSign->isVisible()) expectControlsApart("redrawing");
        redrawSeen = redrawSeen || w->redraws().StopSign->isVisible();
      };
      w->DrawAll(1);
      host.onPump = nullptr;
      EXPECT_TRUE(redrawSeen);
      if (wheel) {
        const QRect shownCaption = w->colours().Label19->geometry(), swatches = w->colours().CinUse->geometry();
        EXPECT_GE(swatches.top() - shownCaption.bottom(), 0);
        EXPECT_LE(swatches.top() - shownCaption.bottom(), 8);
        continue;
      }
      host.ctrl = true;  // the frame, with its panel
      trigger("ZoomSS(2)");
      host.ctrl = false;
      expectControlsApart("zoom frame");
      QTest::mouseClick(w->zoom().Picture2->BoxButton[1], Qt::LeftButton);  // Cancel
      trigger("Editsym");
      expectControlsApart("symmetry set-up");
      QTest::mouseClick(w->Picture5->SymOK[1], Qt::LeftButton);  // Cancel
    }
  }
  setInnerSize(900, 700);
  QTest::mouseClick(w->colours().Picture12->RotOK[0], Qt::LeftButton);
  EXPECT_EQ(w->colours().Label19->geometry(), caption);
  EXPECT_EQ(w->colours().CinUse->geometry(), strip);
}

// A recolouring that changes no fill leaves the picture unchanged: the
// wheel's segment that has the dot, a swatch exchanged with itself.
TEST_F(ColourPanelGui, ARecolouringThatChangesNothingLeavesThePictureUnchanged) {
  pickPalette(4, 0);
  click({60, 60});
  pickPalette(4, 3);
  click({250, 60});
  saveAs(path("two.PNT"));
  ASSERT_FALSE(w->editor().PicChanged);
  const Surface painted = w->canvasSurface();

  clickSwatch(1);
  QTest::mouseClick(w->colours().Picture4, Qt::LeftButton, {}, {20, 20});  // arms the swap
  ASSERT_EQ(w->editor().ColorMode, kColorSwapArmed);
  clickSwatch(1);
  EXPECT_EQ(w->canvasSurface(), painted);
  EXPECT_FALSE(w->editor().PicChanged) << "a swatch exchanged with itself";

  trigger("MenRotateColors");
  const WheelSpot dot = WheelSpots[std::size_t(2 * w->colour().WheelStep)];
  QTest::mouseClick(w->colours().Wheel, Qt::LeftButton, {}, QPoint(int(dot.x), int(dot.y)));
  EXPECT_EQ(w->canvasSurface(), painted);
  EXPECT_FALSE(w->editor().PicChanged) << "the segment that has the dot";
  const WheelSpot other = WheelSpots[std::size_t(2 * ((w->colour().WheelStep + 3) % kWheelSteps))];
  QTest::mouseClick(w->colours().Wheel, Qt::LeftButton, {}, QPoint(int(other.x), int(other.y)));
  EXPECT_TRUE(w->editor().PicChanged) << "a real turn is a change";
}

TEST_F(ColourPanelGui, HarmonyMenuAndScrollBarChooseThePaletteRows) {
  trigger("MenHarmony(3)");
  EXPECT_EQ(w->colour().PalRows, (PaletteRows{19, 8, 9, -1}));
  EXPECT_TRUE(w->menus().menuItem("MenHarmony(3)")->isChecked());
  EXPECT_FALSE(w->menus().menuItem("MenHarmony(0)")->isChecked());
  EXPECT_EQ(at(w->colours().Picture3, 12, 8), T(0, 19));
  w->colours().VScroll2->triggerAction(QAbstractSlider::SliderSingleStepSub);  // towards the top
  EXPECT_EQ(w->colour().PalRows, (PaletteRows{8, 9, 10, -1}));
  w->colours().VScroll2->setValue(w->colours().VScroll2->maximum());  // the bottom: grays and browns
  EXPECT_EQ(w->colour().PalRows, (PaletteRows{0, 2, -1, -1}));
  EXPECT_EQ(at(w->colours().Picture3, 12, 8), T(0, 0));
}

TEST_F(ColourPanelGui, CustomColoursPickAndTakeADialogColourAndHidingTheColoursHidesTheFills) {
  clickCell(w->colours().Picture10, kCustomColumns, kCustomRows, 2, 0);
  EXPECT_EQ(w->colour().CurrentColor, w->colour().CustomPalette[2]);
  whenModal<QColorDialog>([](QColorDialog& d) {
    d.setCurrentColor(QColor(10, 20, 30));
    d.accept();
  });
  QTest::mouseClick(w->colours().Command4, Qt::LeftButton);
  EXPECT_EQ(w->colour().CurrentColor, rgb(10, 20, 30));
  EXPECT_EQ(w->colour().CurrentCode, kOffTableCode);
  QTest::mouseClick(w->colours().Picture4, Qt::LeftButton);
  clickCell(w->colours().Picture10, kCustomColumns, kCustomRows, 7, 1);
  EXPECT_EQ(w->colour().CustomPalette[15], rgb(10, 20, 30));

  // Hiding the colours hides the panels and the fills and leaves a colour-handle tool.
  click({60, 60});
  chooseTool(kToolDeleteColorHandle);
  trigger("OptionsShowColor");
  for (QWidget* c : {static_cast<QWidget*>(w->colours().Picture3), static_cast<QWidget*>(w->colours().Picture10),
                     static_cast<QWidget*>(w->colours().CinUse), static_cast<QWidget*>(w->colours().Picture4)})
    EXPECT_FALSE(c->isVisible()) << c->objectName().toStdString();
  EXPECT_FALSE(w->tools().DrawType(kToolPaint)->isVisible());
  EXPECT_EQ(w->editor().CurDrawType, kToolPolyLine);
  EXPECT_EQ(px(60, 60), kWhite);
  trigger("OptionsShowColor");
  EXPECT_TRUE(w->colours().Picture3->isVisible() && w->tools().DrawType(kToolPaint)->isVisible());
  EXPECT_EQ(px(60, 60), rgb(10, 20, 30));
}

TEST_F(ColourPanelGui, ALoadedPictureShowsItsColoursInEveryPanelAndErasingThemEmptiesTheStrip) {
  pickPalette(3, 2);
  click({60, 60});
  clickCell(w->colours().Picture10, kCustomColumns, kCustomRows, 4, 0);  // the base red: code 408
  click({250, 60});
  saveAs(path("two.PNT"));
  trigger("MenRotateColors");
  trigger("MenFileNew");
  EXPECT_EQ(w->colour().InUseCount, 0);

  load(path("two.PNT"));
  ASSERT_EQ(w->colour().InUseCount, 2);
  EXPECT_EQ(swatch(1), T(3, 10));
  EXPECT_EQ(swatch(2), T(4, 8));
  EXPECT_EQ(at(w->colours().Picture4, 20, 20), T(4, 8));  // the last colour is current
  EXPECT_EQ(w->colour().CurrentCode, 408);
  EXPECT_EQ(at(w->colours().Wheel, int(WheelSpots[0].x), int(WheelSpots[0].y)), kWhite);
  // The custom cell of the current colour carries a black ring inside its outline.
  const Surface& custom = *w->colours().Picture10->surface();
  const double cw = (custom.width() - 1) / 8.0, ch = (custom.height() - 1) / 2.0;
  int ring = 0;
  for (int y = 2; y < int(ch) - 1; ++y)
    for (int x = int(4 * cw) + 2; x < int(5 * cw) - 1; ++x) ring += custom.point(x, y) == kBlack;
  EXPECT_GT(ring, 0);

  host.answers = {MsgResult::OK};
  trigger("MenEditErase");
  EXPECT_EQ(w->colour().InUseCount, 0);
  EXPECT_EQ(px(60, 60), kWhite);
  EXPECT_TRUE(w->editor().PicChanged);
}

}  // namespace
}  // namespace orn::test
namespace orn::test {
namespace {

// The caption "Colors in Use" stands right above its swatches beside the
// canvas, and the frame around them turns red with it while a swap is armed.
TEST_F(ColourPanelGui, TheCaptionStandsOverItsSwatchesAndTheirFrameTurnsRedWhileASwapIsArmed) {
  setInnerSize(1600, 960);
  pickPalette(4, 0);
  click({60, 60});
  const QRect caption = w->colours().Label19->geometry(), strip = w->colours().CinUse->geometry();
  EXPECT_GE(strip.top() - caption.bottom(), 0);
  EXPECT_LE(strip.top() - caption.bottom(), 8) << "right above the swatches";
  EXPECT_TRUE(caption.left() <= strip.left() && caption.right() >= strip.right());
  auto frameColour = [this] {
    auto* frame = w->findChild<QFrame*>("CinUseFrame");
    return frame->grab().toImage().pixelColor(1, frame->height() / 2);
  };
  EXPECT_NE(frameColour(), QColor(255, 0, 0));
  pickPalette(4, 3);
  QTest::mouseClick(w->colours().Picture4, Qt::LeftButton, {}, {20, 20});  // arms the swap
  ASSERT_EQ(w->editor().ColorMode, kColorSwapArmed);
  EXPECT_TRUE(armedFrame());
  EXPECT_EQ(frameColour(), QColor(255, 0, 0));
  clickSwatch(1);
  EXPECT_NE(frameColour(), QColor(255, 0, 0)) << "the swap is done";
}

}  // namespace
}  // namespace orn::test
