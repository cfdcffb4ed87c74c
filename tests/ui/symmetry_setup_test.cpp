// The symmetry set-up through its real widgets under offscreen Qt: a rosette
// made from an octagon, the part labels, and the polygon and working-symmetry
// dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

#include "canvas/redraw.h"
#include "colour/colour_state.h"
#include "model/record_codes.h"
#include "platform/canvas_widget.h"
#include "symmetry/polygon_shape.h"
#include "symmetry/replication.h"
#include "symmetry/parts_select.h"
#include "symmetry/setup_handles.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"
#include "symmetry/working_sym_value.h"
#include "symmetry/ui/click_label.h"
#include "symmetry/ui/get_poly.h"
#include "symmetry/ui/part_labels.h"
#include "symmetry/ui/sym_setup_host.h"
#include "symmetry/ui/sym_setup_panel.h"
#include "symmetry/ui/wsym_set.h"

namespace orn {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "symmetry_setup_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = QApplication::instance()
                                 ? static_cast<QApplication*>(QApplication::instance())
                                 : new QApplication(argc, argv);
  return *app;
}

// A small editor: the real canvas widget, the real full redraw, the set-up
// panel and the part labels. The canvas's presses go to the set-up while it
// is up; otherwise two presses draw a line through the replication, as the
// line tool does.
struct AppFirst {
  AppFirst() { App(); }
};

class Editor : private AppFirst, public SymSetupHost, public EditorControls {
 public:
  Editor() {
    canvas_.resize(600, 600);
    canvas_.clear();
    ctx_.Picture1 = &canvas_;
    ed_.ColorToolsOn = false;
    ResetViews(views_, canvas_.width(), canvas_.height());
    widget = new CanvasWidget(&window);
    widget->setSurface(&canvas_);
    widget->setGeometry(0, 0, 600, 600);
    text1 = new QLabel(&window);
    text1->setGeometry(610, 300, 180, 60);
    parts = new PartLabels(*this, &window);
    parts->move(610, 0);
    panel = new SymSetupPanel(*this, *parts, &window);
    panel->move(610, 100);
    widget->onMouseDown = [this](int b, int s, int x, int y) { press(b, s, x, y); };
    widget->onDoubleClick = [this](int, int, int, int) {
      if (sym_.GeoCapture != 0) panel->repeatLastHandle();
    };
    window.resize(800, 620);
    window.show();
  }

  void press(int b, int s, int x, int y) {
    if (sym_.GeoCapture != 0) {
      panel->SymTestHandle(b, s, float(x), float(y));
      return;
    }
    if (!lineStarted_) {
      start_ = {float(x), float(y)};
      lineStarted_ = true;
      return;
    }
    CheckSymData(sym_, list_);
    SymmLine(sym_, ctx_, start_.first, start_.second, float(x), float(y), kBlack);
    lineStarted_ = false;
    canvasChanged();
  }

  // SymSetupHost
  DrawingList& list() override { return list_; }
  SymState& sym() override { return sym_; }
  EditorState& editor() override { return ed_; }
  DrawContext& draw() override { return ctx_; }
  ViewTable& views() override { return views_; }
  Surface& canvas() override { return canvas_; }
  Host& host() override { return host_; }
  QLabel* helpBox() override { return text1; }
  void canvasChanged() override { widget->update(); }
  void DrawAll(int index) override {
    RedrawEnv e{list_, sym_, ctx_, ed_, pick_, colour_, views_, host_, *this};
    orn::DrawAll(e, index);
    ++redraws;
  }
  void MenEnable(bool enable) override { menusEnabled = enable; }
  // EditorControls
  void ShowSymme(int region) override { orn::ShowSymme(sym_, ctx_, list_, region); }
  void SymShowHandles(int mode) override {
    orn::SymShowHandles(sym_, canvas_, mode, ed_.SymSetupDraw);
  }

  Rgb px(double x, double y) const {
    return static_cast<Rgb>(canvas_.point(toPixel(x), toPixel(y)));
  }
  void clickCanvas(float x, float y) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(toPixel(x), toPixel(y)));
  }
  // What the platform sends for a double click: press, release, double click
  // (in place of the second press), release.
  void doubleClickCanvas(float x, float y) {
    const QPoint p(toPixel(x), toPixel(y));
    QTest::mousePress(widget, Qt::LeftButton, {}, p);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, p);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(p), widget->mapToGlobal(QPointF(p)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &dbl);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, p, 10);
  }
  void clickHandle(int k) { clickCanvas(sym_.SymData[k][kHandlePosX], sym_.SymData[k][kHandlePosY]); }

  QWidget window;
  CanvasWidget* widget = nullptr;
  QLabel* text1 = nullptr;
  PartLabels* parts = nullptr;
  SymSetupPanel* panel = nullptr;
  int redraws = 0;
  bool menusEnabled = true;
  NullHost host_;
  DrawingList list_;
  SymState sym_;

 private:
  EditorState ed_;
  DrawContext ctx_;
  ViewTable views_;
  PickState pick_;
  ColourState colour_;
  Surface canvas_;
  bool lineStarted_ = false;
  std::pair<float, float> start_;
};

void AddOctagon(DrawingList& list) {
  PolyShape s;
  int n = 8;
  SetPolygonShape(s, n);
  ASSERT_TRUE(list.CreateItem(6, 0, 250, 450));
  ASSERT_TRUE(list.AddPoint(350, 450, 6));
  ASSERT_TRUE(list.ensureIndex(list.NumPoints + PolygonRoomNeeded(s) + 1));
  int last = 0;
  ASSERT_TRUE(BuildPolygonOnEdge(s, list.G0, list.G1, list.ItemHead, list.ItemFirst, last));
  list.NumPoints = static_cast<std::int16_t>(last);
  ASSERT_TRUE(list.closeRecord());
}

TEST(SymmetrySetupUi, ARosetteFromAnOctagonReplicatesAStrokeIntoEightAlternatelyMirroredCells) {
  Editor e;
  AddOctagon(e.list_);
  const float x0 = e.list_.G0[2], y0 = e.list_.G1[2];

  e.panel->Editsym_Click();
  ASSERT_TRUE(e.panel->isVisible());
  EXPECT_FALSE(e.parts->isVisible());
  ASSERT_EQ(e.sym_.SymCount, 8);
  EXPECT_EQ(e.text1->text().toStdString(), kSetupHelpText);
  // The set-up zoomed onto the octagon: it now spans most of the canvas.
  EXPECT_GT(std::fabs(e.list_.G0[3] - e.list_.G0[2]), 150.0f);
  for (int k = 1; k <= 8; ++k) {  // red handles everywhere
    const auto& f = e.sym_.SymData[k];
    EXPECT_EQ(e.px(f[kHandlePosX] - 1, f[kHandlePosY] - 1), kHandleRed) << k;
  }

  // Every edge into group 1, the first as the base.
  for (int k = 1; k <= 8; ++k) e.clickHandle(k);
  EXPECT_EQ(e.sym_.SymData[1][kGroup], -1);
  // A double click acts twice: member 'b' -> 'd' -> out of the group.
  e.doubleClickCanvas(e.sym_.SymData[3][kHandlePosX], e.sym_.SymData[3][kHandlePosY]);
  EXPECT_EQ(e.sym_.SymData[3][kGroup], 0);
  EXPECT_GT(e.sym_.SymData[3][kOrient], 0);
  // Every second copy mirrored; copy 3 back in as a plain member.
  for (int k = 2; k <= 8; k += 2) e.clickHandle(k);
  e.clickHandle(3);
  EXPECT_EQ(e.sym_.SymData[3][kGroup], 1);
  EXPECT_LT(e.sym_.SymData[4][kOrient], 0);
  EXPECT_GT(e.sym_.SymData[5][kOrient], 0);

  // Part 1 is current when the picture opens.
  QTest::mouseClick(e.panel->SymInitial, Qt::LeftButton);
  EXPECT_TRUE(e.panel->Label9[0]->isVisible());
  QTest::mouseClick(e.panel->Label9[1], Qt::LeftButton);
  QTest::mouseClick(e.panel->SymOK[0], Qt::LeftButton);  // back to the groups
  EXPECT_TRUE(e.panel->isVisible());
  EXPECT_FALSE(e.panel->Label9[0]->isVisible());
  QTest::mouseClick(e.panel->SymOK[0], Qt::LeftButton);
  EXPECT_FALSE(e.panel->isVisible());
  EXPECT_TRUE(e.parts->isVisible());
  EXPECT_TRUE(e.menusEnabled);
  EXPECT_TRUE(e.parts->Label7[1]->isVisible());
  EXPECT_FALSE(e.parts->Label7[2]->isVisible());
  EXPECT_EQ(e.parts->Label8->text(), "Symmetry");
  EXPECT_EQ(e.sym_.CurPart, 1);
  EXPECT_EQ(e.sym_.GeoCapture, 0);

  // The view is back where it was, and the block reads back as 8 copies.
  EXPECT_NEAR(e.list_.G0[2], x0, 0.01);
  EXPECT_NEAR(e.list_.G1[2], y0, 0.01);
  std::vector<SymItem> items;
  ASSERT_TRUE(ReadSymBlock(e.list_, e.sym_, items));
  ASSERT_EQ(items.size(), 8u);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(items[k].reflect, k % 2 ? -1.0f : 0.0f) << k;
  ASSERT_EQ(CheckSymData(e.sym_, e.list_), SymRebuild::Valid);
  ASSERT_EQ(e.sym_.LastCopy - e.sym_.BaseCopy, 7);

  // A stroke in the base cell, near its P0 end: drawn in all eight cells,
  // next to P0 of the plain copies and next to P1 of the mirrored ones.
  const auto& b = e.sym_.SymData[0];
  const double px = b[kP0x] + 0.3 * (b[kP1x] - b[kP0x]), py = b[kP0y] + 0.3 * (b[kP1y] - b[kP0y]);
  const double qx = px + 0.1 * (b[kP2x] - px) / 10, qy = py + 0.1 * (b[kP2y] - py) / 10;
  e.clickCanvas(float(px), float(py));
  e.clickCanvas(float(qx), float(qy));
  for (int k = 0; k < 8; ++k) {
    const auto& f = e.sym_.SymData[k];
    // The stroke's middle, mapped by hand: 30% along the edge from the
    // copy's P0 (70% when mirrored), a little towards the apex.
    const double u = (k % 2) ? 0.7 : 0.3;
    const double mx = f[kP0x] + u * (f[kP1x] - f[kP0x]);
    const double my = f[kP0y] + u * (f[kP1y] - f[kP0y]);
    bool found = false;
    for (int dy = -3; dy <= 3 && !found; ++dy)
      for (int dx = -3; dx <= 3 && !found; ++dx) {
        const double t = 0.005;
        const double sx = mx + t * (f[kP2x] - mx), sy = my + t * (f[kP2y] - my);
        found = e.px(sx + dx, sy + dy) == kBlack;
      }
    EXPECT_TRUE(found) << "copy " << k;
  }
}

TEST(SymmetrySetupUi, CancelLeavesTheListAsItWas) {
  Editor e;
  AddOctagon(e.list_);
  std::vector<float> g0(e.list_.G0.begin(), e.list_.G0.begin() + e.list_.NumPoints + 1);
  e.panel->Editsym_Click();
  e.clickHandle(1);
  QTest::mouseClick(e.panel->SymOK[1], Qt::LeftButton);
  EXPECT_FALSE(e.panel->isVisible());
  EXPECT_EQ(e.sym_.SymStart, e.sym_.SymEnd);
  EXPECT_EQ(e.sym_.GeoCapture, 0);
  for (int i = 0; i <= e.list_.NumPoints; ++i) EXPECT_NEAR(e.list_.G0[i], g0[i], 0.01) << i;
}

TEST(SymmetrySetupUi, ADrawingWithoutBaseShapesIsRefused) {
  Editor e;
  e.panel->Editsym_Click();
  EXPECT_FALSE(e.panel->isVisible());
  EXPECT_EQ(e.sym_.GeoCapture, 0);
}

TEST(SymmetrySetupUi, PartLabelsRecordTheChoiceAndTheHighlightGoesOnRelease) {
  Editor e;
  AddOctagon(e.list_);
  e.panel->Editsym_Click();
  for (int k = 1; k <= 8; ++k) e.clickHandle(k);
  QTest::mouseClick(e.panel->SymOK[0], Qt::LeftButton);
  EXPECT_EQ(e.sym_.CurPart, 0);
  e.DrawAll(1);
  const Surface before = e.canvas();
  const int end = e.list_.NumPoints;
  QTest::mousePress(e.parts->Label7[1], Qt::LeftButton);
  EXPECT_FALSE(e.canvas() == before);  // the copies are highlighted
  QTest::mouseRelease(e.parts->Label7[1], Qt::LeftButton);
  EXPECT_TRUE(e.canvas() == before);
  EXPECT_EQ(e.sym_.CurPart, 1);
  EXPECT_EQ(e.list_.G0[end], kSymChangeCode);
  EXPECT_EQ(e.list_.G1[end], 1.0f);
  EXPECT_EQ(e.parts->exx2->geometry(), e.parts->Label7[1]->geometry());
}

TEST(SymmetrySetupUi, PolygonDialogKeepsItsChoiceThroughRepaintsAndCancelChangesNothing) {
  App();
  PolyShape shape;
  {
    GetPoly dlg(shape);
    dlg.show();
    QTest::mouseClick(dlg.grtdodeca[3], Qt::LeftButton);  // "4": the 30-75-75 triangle
    dlg.repaint();
    dlg.Picture1->repaint();
    QApplication::processEvents();
    EXPECT_EQ(dlg.choice(), -4);
    QTest::mouseClick(dlg.Command2, Qt::LeftButton);
  }
  EXPECT_EQ(shape.count(), 3);
  EXPECT_FLOAT_EQ(shape.t[1][1], 30.0f);

  const PolyShape before = shape;
  {
    GetPoly dlg(shape);
    dlg.show();
    EXPECT_EQ(dlg.choice(), -4);  // it opens on the shape the table holds
    dlg.VScroll1->setValue(10);
    EXPECT_EQ(dlg.Label2->text(), "10");
    QTest::mouseClick(dlg.Command3, Qt::LeftButton);
  }
  EXPECT_TRUE(shape == before);

  {
    GetPoly dlg(shape);
    QTest::mouseClick(dlg.Command1[2], Qt::LeftButton);  // "6"
    EXPECT_EQ(dlg.VScroll1->value(), 6);
    // The preview shows green vertex markers.
    bool green = false;
    for (int y = 0; y < dlg.preview().height(); ++y)
      for (int x = 0; x < dlg.preview().width(); ++x)
        green = green || dlg.preview().point(x, y) == 0x00C000;
    EXPECT_TRUE(green);
    QTest::mouseClick(dlg.Command2, Qt::LeftButton);
  }
  EXPECT_EQ(shape.count(), 6);
  EXPECT_FLOAT_EQ(shape.t[6][1], 120.0f);
}

// Every fixed shape the table holds is the one the dialog opens on, so that
// OK pressed straight away keeps it, the golden triangle "3" with its two
// equal angles too.
TEST(SymmetrySetupUi, PolygonDialogOpensOnEachFixedShapeAndOkKeepsIt) {
  App();
  for (int code = -1; code >= -kFixedShapeCount; --code) {
    PolyShape shape;
    int n = code;
    ASSERT_TRUE(SetPolygonShape(shape, n));
    const PolyShape chosen = shape;
    GetPoly dlg(shape);
    dlg.show();
    QApplication::processEvents();
    EXPECT_EQ(dlg.choice(), code);
    QTest::mouseClick(dlg.Command2, Qt::LeftButton);
    EXPECT_TRUE(shape == chosen) << "shape " << -code;
  }
}

TEST(SymmetrySetupUi, WorkingSymmetryDialogOffersNoneToNMinusOneAndAll) {
  App();
  WSymSet dlg(3, kAllReplicas);
  EXPECT_EQ(dlg.Label1->text(), "All");
  dlg.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(dlg.VScroll1->value(), 2);
  EXPECT_EQ(dlg.Label1->text(), "2");
  dlg.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(dlg.value(), kAllReplicas);
  QTest::mouseClick(dlg.Command4, Qt::LeftButton);
  EXPECT_EQ(dlg.Label1->text(), "None");
  EXPECT_EQ(dlg.value(), 0);
}

TEST(SymmetrySetupUi, WorkingSymmetryMenuBeepsWithoutAPartAndCancelKeepsTheValue) {
  Editor e;
  SymWorking_Click(e, &e.window);
  EXPECT_EQ(e.host_.beeps, 1);

  AddOctagon(e.list_);
  e.panel->Editsym_Click();
  for (int k = 1; k <= 4; ++k) e.clickHandle(k);
  QTest::mouseClick(e.panel->SymOK[0], Qt::LeftButton);
  QTest::mouseClick(e.parts->Label7[1], Qt::LeftButton);  // part 1, kept by redraws
  e.sym_.WorkingSym = 2;
  const int redraws = e.redraws;
  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<WSymSet*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    d->VScroll1->setValue(0);
    d->Command2->click();
  });
  EXPECT_EQ(PartCopiesOf(e.sym_), 3);
  SymWorking_Click(e, &e.window);
  EXPECT_EQ(e.host_.beeps, 1);
  EXPECT_EQ(e.sym_.WorkingSym, 2);
  EXPECT_EQ(e.redraws, redraws + 1);
  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<WSymSet*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    d->VScroll1->setValue(1);
    EXPECT_EQ(d->Label1->text(), "1");
    EXPECT_EQ(d->value(), 1);
    d->Command1->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
  });
  SymWorking_Click(e, &e.window);
  EXPECT_EQ(e.sym_.WorkingSym, 1);
}

}  // namespace
}  // namespace orn
