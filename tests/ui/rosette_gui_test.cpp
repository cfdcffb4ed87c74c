// A symmetric picture made from nothing through the editor window only, as a
// user makes it: the hidden Special menu, the geometry buttons, the polygon
// dialog, a polygon laid with the Geometric tool, the set-up's handles
// clicked on the canvas, OK, a part chosen from its label and strokes drawn
// with the mouse. The strokes must land in every copy where the copy table
// maps them, mirrored in the mirrored copies, and survive saving and loading.
#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "canvas/tools.h"
#include "canvas/ui/tool_buttons.h"
#include "model/record_codes.h"
#include "platform/canvas_widget.h"
#include "symmetry/setup_state.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"
#include "symmetry/ui/click_label.h"
#include "symmetry/ui/get_poly.h"
#include "symmetry/ui/part_labels.h"
#include "symmetry/ui/sym_setup_panel.h"
#include "symmetry/ui/wsym_set.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

struct Pt {
  double x = 0, y = 0;
};

// Runs `act` on the modal dialog of type D once it is up; `ran` tells the
// test that the dialog really came up.
template <class D>
void whenModal(bool& ran, std::function<void(D&)> act) {
  QTimer::singleShot(0, [&ran, act] {
    auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    ran = true;
    act(*d);
  });
}

class RosetteGui : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(900, 700);
    // Replica segments exactly as drawn, so that a full redraw repeats the
    // interactive drawing pixel for pixel.
    w->draw().ExtendLen = 0.0f;
  }

  // ---- what the user touches ----
  void send(QWidget* to, QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(p), to->mapToGlobal(QPointF(p)), b, held, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
  }
  void move(QPoint p) { send(w->Picture1, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }
  void click(QPoint p) {
    move(p);
    send(w->Picture1, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    send(w->Picture1, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
  }
  // What the platform sends for a double click: press, release, double click
  // in place of the second press, release.
  void doubleClick(QPoint p) {
    click(p);
    send(w->Picture1, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    send(w->Picture1, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
  }
  void pressTool(int tool) {
    ToolButton* b = w->tools().DrawType(tool);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isVisible()) << tool;
    send(b, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    send(b, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(w->editor().CurDrawType, tool);
  }
  void ctrlClickLabel6() {
    host.ctrl = true;
    QTest::mouseClick(w->Label6, Qt::LeftButton, Qt::ControlModifier);
    host.ctrl = false;
    QApplication::processEvents();
  }
  // The Special menu, "&Geometry Buttons", and the polygon button answered
  // with the count `edges`.
  void choosePolygon(int button, int edges) {
    ctrlClickLabel6();
    trigger("DebugX(1)");
    ASSERT_TRUE(w->Picture13->isVisible());
    bool ran = false;
    whenModal<GetPoly>(ran, [button, edges](GetPoly& d) {
      QTest::mouseClick(d.Command1[static_cast<std::size_t>(button)], Qt::LeftButton);
      EXPECT_EQ(d.Label2->text().toInt(), edges);
      QTest::mouseClick(d.Command2, Qt::LeftButton);  // "OK"
    });
    QTest::mouseClick(w->Picture13, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_TRUE(ran);
    ASSERT_EQ(w->polyShape().count(), edges);
  }
  // An edge laid with the Geometric tool: a click at one end, the pointer
  // carried to the other, a click there.
  void layEdge(QPoint from, QPoint to) {
    pressTool(kToolGeometric);
    click(from);
    move((from + to) / 2);
    click(to);
    QApplication::processEvents();
  }
  QPoint handleAt(int k) const {
    const auto& f = w->sym().SymData[static_cast<std::size_t>(k)];
    return {toPixel(f[kHandlePosX]), toPixel(f[kHandlePosY])};
  }
  void clickHandle(int k) { QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, handleAt(k)); }
  float group(int k) const { return w->sym().SymData[static_cast<std::size_t>(k)][kGroup]; }
  float orient(int k) const { return w->sym().SymData[static_cast<std::size_t>(k)][kOrient]; }
  void chooseWorkingSymmetry(std::function<void(WSymSet&)> act) {
    bool ran = false;
    whenModal<WSymSet>(ran, std::move(act));
    trigger("SymWorking");
    ASSERT_TRUE(ran);
  }

  // ---- what the test checks ----
  bool black(double x, double y) const {
    return Rgb(w->canvasSurface().point(toPixel(x), toPixel(y))) == kBlack;
  }
  // Black within `r` pixels of (x, y).
  bool inkNear(Pt p, int r = 1) const {
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx)
        if (black(p.x + dx, p.y + dy)) return true;
    return false;
  }
  // A base-cell point mapped into copy k; `flip` maps it as if the copy's
  // mirror flag were the other way round.
  Pt mapped(int k, Pt p, bool flip = false) const {
    SymState s = w->sym();
    UV uv;
    EXPECT_TRUE(PointToUV(s, s.BaseCopy, p.x, p.y, uv));
    auto& reflect = s.SymData[static_cast<std::size_t>(k)][kReflect];
    if (flip) reflect = reflect != 0.0f ? 0.0f : -1.0f;
    Pt out;
    EXPECT_TRUE(UVToCopy(s, k, uv, out.x, out.y));
    return out;
  }
  // The base-cell point with triangle coordinates (u, v).
  Pt inBase(double u, double v) const {
    UV uv;
    uv.u = u;
    uv.v = v;
    Pt out;
    EXPECT_TRUE(UVToCopy(w->sym(), w->sym().BaseCopy, uv, out.x, out.y));
    return out;
  }
  // Points along the polyline a, b, c, ... a little away from its corners.
  static std::vector<Pt> along(const std::vector<Pt>& line) {
    std::vector<Pt> out;
    for (std::size_t i = 1; i < line.size(); ++i)
      for (double t : {0.2, 0.5, 0.8})
        out.push_back({line[i - 1].x + t * (line[i].x - line[i - 1].x),
                       line[i - 1].y + t * (line[i].y - line[i - 1].y)});
    return out;
  }
  // The stroke's points as the list stored them.
  std::vector<Pt> storedStroke(int head) const {
    const Frame f = frameAt(w->list(), head);
    EXPECT_EQ(f.kind, FrameKind::Record);
    std::vector<Pt> out;
    for (int i = f.first; i <= f.last; ++i) out.push_back({w->list().G0[i], w->list().G1[i]});
    return out;
  }
  Surface redrawn() {
    const Surface before = w->canvasSurface();
    w->DrawAll(1);
    Surface after = w->canvasSurface();
    w->canvasSurface() = before;
    return after;
  }
  std::vector<float> entries(const std::vector<float>& g) const {
    return {g.begin(), g.begin() + w->list().NumPoints + 1};
  }
  static QPoint px(Pt p) { return {toPixel(p.x), toPixel(p.y)}; }
};

TEST_F(RosetteGui, OctagonRosetteOfEightAlternatelyMirroredCopiesRepeatsAStrokeAndSurvivesSaving) {
  choosePolygon(3, 8);  // the "8" button
  layEdge({400, 560}, {500, 560});
  ASSERT_EQ(w->list().G0[0], float(kCodeGeometric));
  // The octagon lies wholly on the canvas.
  {
    const Frame f = frameAt(w->list(), 0);
    ASSERT_EQ(f.kind, FrameKind::Record);
    for (int i = f.first; i <= f.last; ++i) {
      EXPECT_GE(w->list().G0[i], 0.0f) << i;
      EXPECT_LT(w->list().G0[i], float(w->canvasSurface().width())) << i;
      EXPECT_GE(w->list().G1[i], 0.0f) << i;
      EXPECT_LT(w->list().G1[i], float(w->canvasSurface().height())) << i;
    }
  }

  trigger("Editsym");
  ASSERT_TRUE(w->Picture5->isVisible());
  ASSERT_EQ(w->sym().SymCount, 8);
  // Every edge into the one group, the first clicked as its base; a second
  // click on every other copy mirrors it.
  for (int k = 1; k <= 8; ++k) clickHandle(k);
  for (int k = 2; k <= 8; k += 2) clickHandle(k);
  EXPECT_EQ(group(1), -1);
  for (int k = 2; k <= 8; ++k) {
    EXPECT_EQ(group(k), 1) << k;
    EXPECT_EQ(orient(k) < 0, k % 2 == 0) << k;
  }
  QTest::mouseClick(w->Picture5->SymOK[0], Qt::LeftButton);
  ASSERT_FALSE(w->Picture5->isVisible());
  ASSERT_EQ(w->sym().GeoCapture, 0);

  std::vector<SymItem> items;
  ASSERT_TRUE(ReadSymBlock(w->list(), w->sym(), items));
  ASSERT_EQ(items.size(), 8u);
  int bases = 0, mirroredItems = 0;
  for (const SymItem& it : items) {
    EXPECT_EQ(std::abs(it.group), 1);
    bases += it.group < 0;
    mirroredItems += it.reflect != 0.0f;
  }
  EXPECT_EQ(bases, 1);
  EXPECT_EQ(mirroredItems, 4);

  ASSERT_TRUE(w->Picture7->isVisible());
  QTest::mouseClick(w->Picture7->Label7[1], Qt::LeftButton);
  ASSERT_EQ(w->sym().CurPart, 1);
  const SymState& s = w->sym();
  ASSERT_EQ(s.LastCopy - s.BaseCopy, 7);
  // Neighbouring copies alternate: each plain copy sits between two mirrored
  // ones.
  for (int k = s.BaseCopy; k <= s.LastCopy; ++k)
    EXPECT_EQ(s.SymData[static_cast<std::size_t>(k)][kReflect] != 0.0f, (k - s.BaseCopy) % 2 == 1)
        << k;

  // An L in the base cell, off its middle: along the edge near its first
  // corner, then a step inwards. It is not symmetric within the cell.
  pressTool(kToolPolyLine);
  const int head = w->list().NumPoints;
  const Pt a = inBase(0.15, 0.015), b = inBase(0.4, 0.015), c = inBase(0.4, 0.05);
  click(px(a));
  move(px(b));
  click(px(b));
  move(px(c));
  click(px(c));
  doubleClick(px(c));
  ASSERT_FALSE(w->list().recordOpen());
  const std::vector<Pt> stroke = storedStroke(head);
  ASSERT_EQ(stroke.size(), 3u);

  const std::vector<Pt> onStroke = along(stroke);
  // The far end of the L's foot: where it is, mirrored copies have nothing.
  const Pt tip{(stroke[1].x + stroke[2].x) / 2, (stroke[1].y + stroke[2].y) / 2};
  for (int k = s.BaseCopy; k <= s.LastCopy; ++k) {
    for (const Pt& p : onStroke) EXPECT_TRUE(inkNear(mapped(k, p))) << "copy " << k;
    if (s.SymData[static_cast<std::size_t>(k)][kReflect] != 0.0f) {
      EXPECT_FALSE(inkNear(mapped(k, tip, true), 2)) << "copy " << k << " not mirrored";
    }
  }
  // Only the eight images of the stroke were drawn: the inside of the
  // octagon away from them is white.
  EXPECT_FALSE(inkNear(inBase(0.5, 0.3), 3));

  const Surface drawn = w->canvasSurface();
  EXPECT_TRUE(drawn == redrawn());

  // File > Save (the picture has no name yet: Save asks for one), then the
  // picture loaded back: the same list, the same pixels.
  const std::vector<float> g0 = entries(w->list().G0), g1 = entries(w->list().G1);
  const std::string file = path("OCTROSE.PNT");
  dialogs.saves = {file};
  trigger("MenFileSave");
  ASSERT_TRUE(host.boxes.empty()) << host.boxes.front().text;
  trigger("MenFileNew");
  ASSERT_EQ(w->list().G0[0], float(kCodeEnd));
  dialogs.opens = {file};
  trigger("MenFileLoad(0)");
  ASSERT_TRUE(host.boxes.empty()) << host.boxes.front().text;
  EXPECT_EQ(entries(w->list().G0), g0);
  EXPECT_EQ(entries(w->list().G1), g1);
  std::vector<SymItem> loaded;
  ASSERT_TRUE(ReadSymBlock(w->list(), w->sym(), loaded));
  ASSERT_EQ(loaded.size(), items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(loaded[i].group, items[i].group) << i;
    EXPECT_EQ(loaded[i].reflect, items[i].reflect) << i;
    EXPECT_EQ(loaded[i].P0x, items[i].P0x) << i;
    EXPECT_EQ(loaded[i].P1y, items[i].P1y) << i;
  }
  EXPECT_TRUE(w->canvasSurface() == drawn);

  // The loaded picture goes on as it was left: its part is current, and a
  // new stroke drawn in the base cell repeats in all eight copies.
  ASSERT_EQ(w->sym().CurPart, 1);
  pressTool(kToolPolyLine);
  const int head2 = w->list().NumPoints;
  const Pt d = inBase(0.6, 0.1), e = inBase(0.8, 0.12);
  click(px(d));
  move(px(e));
  click(px(e));
  doubleClick(px(e));
  const std::vector<Pt> second = along(storedStroke(head2));
  ASSERT_FALSE(second.empty());
  for (int k = w->sym().BaseCopy; k <= w->sym().LastCopy; ++k)
    for (const Pt& p : second) EXPECT_TRUE(inkNear(mapped(k, p))) << "copy " << k;
  EXPECT_EQ(w->sym().LastCopy - w->sym().BaseCopy, 7);
}

TEST_F(RosetteGui, WorkingSymmetryOneLimitsMouseDrawnLinesToOneReplicaUntilAllIsChosen) {
  choosePolygon(1, 4);  // the "4" button: a square
  layEdge({400, 450}, {550, 450});
  trigger("Editsym");
  ASSERT_EQ(w->sym().SymCount, 4);
  for (int k = 1; k <= 4; ++k) clickHandle(k);
  QTest::mouseClick(w->Picture5->SymOK[0], Qt::LeftButton);
  QTest::mouseClick(w->Picture7->Label7[1], Qt::LeftButton);
  const SymState& s = w->sym();
  ASSERT_EQ(s.CurPart, 1);
  ASSERT_EQ(s.LastCopy - s.BaseCopy, 3);

  // Through the dialog: one step down from "All" offers 2, one more 1.
  chooseWorkingSymmetry([](WSymSet& d) {
    EXPECT_EQ(d.Label1->text(), "All");
    d.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(d.Label1->text(), "2");
    d.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(d.Label1->text(), "1");
    QTest::mouseClick(d.Command1, Qt::LeftButton);  // "OK"
  });
  ASSERT_EQ(s.WorkingSym, 1);

  pressTool(kToolPolyLine);
  const int head = w->list().NumPoints;
  const Pt a = inBase(0.2, 0.02), b = inBase(0.45, 0.02), c = inBase(0.45, 0.06);
  click(px(a));
  move(px(b));
  click(px(b));
  move(px(c));
  click(px(c));
  doubleClick(px(c));
  ASSERT_FALSE(w->list().recordOpen());
  const std::vector<Pt> onStroke = along(storedStroke(head));

  auto copiesShowingIt = [&] {
    std::vector<int> shown;
    for (int k = s.BaseCopy; k <= s.LastCopy; ++k) {
      int hits = 0;
      for (const Pt& p : onStroke) hits += inkNear(mapped(k, p));
      EXPECT_TRUE(hits == 0 || hits == int(onStroke.size())) << "copy " << k << ": " << hits;
      if (hits > 0) shown.push_back(k - s.BaseCopy);
    }
    return shown;
  };
  // While drawing: the base cell and the first replica only.
  EXPECT_EQ(copiesShowingIt(), (std::vector<int>{0, 1}));
  // A full redraw draws lines as the working symmetry says.
  trigger("mnuRedraw");
  EXPECT_EQ(copiesShowingIt(), (std::vector<int>{0, 1}));

  // Back to "All": the dialog's closing redraw shows the line in all four.
  chooseWorkingSymmetry([](WSymSet& d) {
    QTest::mouseClick(d.Command3, Qt::LeftButton);  // "All"
    EXPECT_EQ(d.Label1->text(), "All");
    QTest::mouseClick(d.Command1, Qt::LeftButton);
  });
  EXPECT_EQ(s.WorkingSym, kAllReplicas);
  EXPECT_EQ(copiesShowingIt(), (std::vector<int>{0, 1, 2, 3}));
}

}  // namespace
}  // namespace orn::test
