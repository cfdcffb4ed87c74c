// The symmetry set-up inside the real editor window: the menu opens the panel
// and greys the menus, clicks on the canvas cycle the handles, OK writes the
// symmetry and brings back the menus and the part labels, a part chosen is
// highlighted and replicates the drawing, and the part labels follow saving
// and loading. Also the polygon button and the working-symmetry dialog.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <cmath>
#include <functional>

#include "model/record_codes.h"
#include "platform/canvas_widget.h"
#include "symmetry/polygon_shape.h"
#include "symmetry/setup_handles.h"
#include "symmetry/setup_state.h"
#include "symmetry/sym_records.h"
#include "symmetry/ui/click_label.h"
#include "symmetry/ui/get_poly.h"
#include "symmetry/ui/part_labels.h"
#include "symmetry/ui/sym_setup_panel.h"
#include "symmetry/ui/wsym_set.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

// Lays a polygon of the window's own polygon shape on the edge (x0, y0) -
// (x1, y1), as the Geometric tool does, and offers the set-up as the tool
// does when it closes the record.
void layPolygon(PicEdit& w, float x0, float y0, float x1, float y1) {
  DrawingList& list = w.list();
  ASSERT_TRUE(list.CreateItem(kToolGeometric, 0, x0, y0));
  ASSERT_TRUE(list.AddPoint(x1, y1, kToolGeometric));
  ASSERT_TRUE(list.ensureIndex(list.NumPoints + PolygonRoomNeeded(w.polyShape()) + 1));
  int last = 0;
  ASSERT_TRUE(BuildPolygonOnEdge(w.polyShape(), list.G0, list.G1, list.ItemHead, list.ItemFirst,
                                 last));
  list.NumPoints = static_cast<std::int16_t>(last);
  ASSERT_TRUE(list.closeRecord());
  w.setEditsymEnabled(true);
}

// Runs `act` on the modal dialog of type D once it is up.
template <class D>
void whenModal(std::function<void(D&)> act) {
  QTimer::singleShot(0, [act] {
    auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    act(*d);
  });
}

bool enabled(PicEdit& w, const char* item) { return w.menuItem(item)->isEnabled(); }

class PicEditSymmetryTest : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 664);
  }

  // Two squares side by side: eight edges.
  void layTwoSquares() {
    layPolygon(*w, 200, 300, 300, 300);
    layPolygon(*w, 300, 300, 400, 300);
  }

  QPoint handleAt(int k) const {
    const auto& f = w->sym().SymData[static_cast<std::size_t>(k)];
    return {toPixel(f[kHandlePosX]), toPixel(f[kHandlePosY])};
  }
  void clickHandle(int k) { QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, handleAt(k)); }
  // What the platform sends for a double click: press, release, double
  // click in place of the second press, release.
  void doubleClickHandle(int k) {
    const QPoint p = handleAt(k);
    QTest::mousePress(w->Picture1, Qt::LeftButton, {}, p);
    QTest::mouseRelease(w->Picture1, Qt::LeftButton, {}, p);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(p), w->Picture1->mapToGlobal(QPointF(p)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->Picture1, &dbl);
    QTest::mouseRelease(w->Picture1, Qt::LeftButton, {}, p, 10);
  }
  float group(int k) const { return w->sym().SymData[static_cast<std::size_t>(k)][kGroup]; }
  float orient(int k) const { return w->sym().SymData[static_cast<std::size_t>(k)][kOrient]; }

  // The two squares set up as one part of eight copies, every second one
  // mirrored, and accepted.
  void acceptTwoSquares() {
    layTwoSquares();
    trigger("Editsym");
    for (int k = 1; k <= 8; ++k) clickHandle(k);
    for (int k = 2; k <= 8; k += 2) clickHandle(k);
    QTest::mouseClick(w->Picture5->SymOK[0], Qt::LeftButton);
  }

  Rgb px(double x, double y) const {
    return static_cast<Rgb>(w->canvasSurface().point(toPixel(x), toPixel(y)));
  }
  // Ink within two pixels of (x, y).
  bool inkNear(double x, double y) const {
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        if (px(x + dx, y + dy) != kWhite) return true;
    return false;
  }
};

TEST_F(PicEditSymmetryTest, SetupFromTheMenuCyclesHandlesClickedOnTheCanvasAndOkWritesTheBlock) {
  // No base shapes: the Symmetry menu is grey. Base shapes offer the set-up.
  EXPECT_FALSE(enabled(*w, "MenSym"));
  layTwoSquares();
  EXPECT_TRUE(enabled(*w, "MenSym"));
  EXPECT_FALSE(enabled(*w, "SymWorking"));

  trigger("Editsym");
  ASSERT_TRUE(w->Picture5->isVisible());
  EXPECT_FALSE(w->Picture7->isVisible());
  for (auto n : {"MenFile", "MenSym", "MenZoom", "mnuRedraw"}) EXPECT_FALSE(enabled(*w, n)) << n;
  ASSERT_EQ(w->sym().SymCount, 8);
  EXPECT_EQ(w->Text1->text().toStdString(), kSetupHelpText);
  EXPECT_TRUE(w->Text1->isVisible());
  // Red handles on the window's canvas.
  for (int k = 1; k <= 8; ++k) {
    const QPoint p = handleAt(k);
    EXPECT_EQ(px(p.x() - 1, p.y() - 1), kHandleRed) << k;
  }

  // Every copy into group 1, the first as its base; then copy 2 mirrored.
  for (int k = 1; k <= 8; ++k) clickHandle(k);
  EXPECT_EQ(group(1), -1);
  for (int k = 2; k <= 8; ++k) EXPECT_EQ(group(k), 1) << k;
  clickHandle(2);
  EXPECT_LT(orient(2), 0);
  // A double click acts twice: plain -> mirrored -> out of the group.
  doubleClickHandle(3);
  EXPECT_EQ(group(3), 0);
  EXPECT_GT(orient(3), 0);
  clickHandle(3);
  EXPECT_EQ(group(3), 1);

  // A redraw during the set-up keeps the menus grey, also while the panel
  // steps aside for the "Base" click.
  w->DrawAll(1);
  EXPECT_FALSE(enabled(*w, "MenFile"));
  QTest::mouseClick(w->Picture5->Command1, Qt::LeftButton);
  EXPECT_FALSE(w->Picture5->isVisible());
  w->DrawAll(1);
  EXPECT_FALSE(enabled(*w, "MenFile"));
  EXPECT_FALSE(enabled(*w, "MenSym"));
  const QPoint newBase = handleAt(5);
  clickHandle(5);
  EXPECT_TRUE(w->Picture5->isVisible());
  int bases = 0;
  for (int k = 1; k <= 8; ++k)
    if (group(k) == -1) {
      ++bases;
      EXPECT_EQ(handleAt(k), newBase);
    }
  EXPECT_EQ(bases, 1);

  QTest::mouseClick(w->Picture5->SymOK[0], Qt::LeftButton);
  EXPECT_FALSE(w->Picture5->isVisible());
  EXPECT_EQ(w->sym().GeoCapture, 0);
  for (auto n : {"MenFile", "MenSym", "MenZoom", "mnuRedraw", "Editsym"})
    EXPECT_TRUE(enabled(*w, n)) << n;
  EXPECT_TRUE(w->Picture7->isVisible());
  EXPECT_TRUE(w->Picture7->Label7[1]->isVisible());
  EXPECT_FALSE(w->Picture7->Label7[2]->isVisible());
  // No part is current yet: nothing to limit.
  EXPECT_FALSE(enabled(*w, "SymWorking"));

  ASSERT_NE(w->sym().SymStart, w->sym().SymEnd);
  std::vector<SymItem> items;
  ASSERT_TRUE(ReadSymBlock(w->list(), w->sym(), items));
  ASSERT_EQ(items.size(), 8u);
  int mirrored = 0;
  for (const SymItem& it : items) mirrored += it.reflect != 0;
  EXPECT_EQ(mirrored, 1);  // copy 2 only
  EXPECT_EQ(items[0].group, -1);
}

TEST_F(PicEditSymmetryTest, ChosenPartIsHighlightedAndAStrokeRedrawnAppearsInEveryCopy) {
  acceptTwoSquares();
  w->DrawAll(1);
  const Surface before = w->canvasSurface();
  QTest::mousePress(w->Picture7->Label7[1], Qt::LeftButton);
  EXPECT_FALSE(w->canvasSurface() == before);  // the part's copies highlighted
  QTest::mouseRelease(w->Picture7->Label7[1], Qt::LeftButton);
  EXPECT_TRUE(w->canvasSurface() == before);
  EXPECT_EQ(w->sym().CurPart, 1);
  EXPECT_EQ(w->Picture7->exx2->geometry(), w->Picture7->Label7[1]->geometry());
  EXPECT_TRUE(enabled(*w, "SymWorking"));

  // A short stroke in the base cell, parallel to its edge 30% along it and a
  // little inside, added to the list and redrawn.
  const SymState& s = w->sym();
  ASSERT_EQ(s.LastCopy - s.BaseCopy, 7);
  auto at = [&](int k, double u, double t, bool mirror) {
    const auto& f = s.SymData[static_cast<std::size_t>(k)];
    const double a = mirror ? u : 1 - u, b = 1 - a;
    return std::pair<double, double>{(1 - t) * (a * f[kP0x] + b * f[kP1x]) + t * f[kP2x],
                                     (1 - t) * (a * f[kP0y] + b * f[kP1y]) + t * f[kP2y]};
  };
  const double t = 0.02;  // about ten pixels inside the edge
  const auto p = at(s.BaseCopy, 0.25, t, false);
  const auto q = at(s.BaseCopy, 0.35, t, false);
  DrawingList& list = w->list();
  ASSERT_TRUE(list.CreateItem(kToolPolyLine, 0, float(p.first), float(p.second)));
  ASSERT_TRUE(list.AddPoint(float(q.first), float(q.second), kToolPolyLine));
  ASSERT_TRUE(list.closeRecord());
  trigger("mnuRedraw");

  int mirroredCopies = 0;
  for (int k = s.BaseCopy; k <= s.LastCopy; ++k) {
    const bool mirror = s.SymData[static_cast<std::size_t>(k)][kReflect] != 0;
    mirroredCopies += mirror;
    const auto m = at(k, 0.3, t, mirror);
    EXPECT_TRUE(inkNear(m.first, m.second)) << "copy " << k;
    // A mirrored copy has it at the other end of its edge.
    const auto wrong = at(k, 0.3, t, !mirror);
    EXPECT_FALSE(inkNear(wrong.first, wrong.second)) << "copy " << k;
  }
  EXPECT_EQ(mirroredCopies, 4);

  // Working symmetry through the menu: one replica while drawing.
  whenModal<WSymSet>([](WSymSet& d) {
    d.VScroll1->setValue(1);
    d.Command1->click();
  });
  trigger("SymWorking");
  EXPECT_EQ(w->sym().WorkingSym, 1);
}

// A part chosen while a Poly Line is being drawn closes the line as a double
// click does: its moving end point does not stay behind as an extra point.
TEST_F(PicEditSymmetryTest, ChoosingAPartFinishesTheOpenLineAsADoubleClickDoes) {
  acceptTwoSquares();
  ASSERT_EQ(w->editor().CurDrawType, kToolPolyLine);
  const int head = w->list().NumPoints;
  QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(240, 290));
  QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(260, 290));
  ASSERT_TRUE(w->list().recordOpen());
  QTest::mouseClick(w->Picture7->Label7[1], Qt::LeftButton);
  EXPECT_EQ(w->sym().CurPart, 1);
  const DrawingList& list = w->list();
  EXPECT_FALSE(list.recordOpen());
  const Frame line = frameAt(list, head);
  ASSERT_EQ(line.kind, FrameKind::Record);
  EXPECT_EQ(line.last - line.first + 1, 2);
  EXPECT_EQ(list.G0[line.last], 260.0f);
  EXPECT_EQ(list.G0[line.next()], kSymChangeCode);
  EXPECT_EQ(list.G1[line.next()], 1.0f);
  EXPECT_EQ(list.G0[list.NumPoints], float(kCodeEnd));
}

TEST_F(PicEditSymmetryTest, PartLabelsAndSymmetryMenusFollowNewAndLoadedPictures) {
  acceptTwoSquares();
  const std::string file = path("TWOSQ.PNT");
  dialogs.saves = {file};
  trigger("MenFileSaveAs");

  trigger("MenFileNew");
  EXPECT_FALSE(w->Picture7->isVisible());
  EXPECT_FALSE(enabled(*w, "MenSym"));
  EXPECT_FALSE(enabled(*w, "Editsym"));

  dialogs.opens = {file};
  trigger("MenFileLoad(0)");
  EXPECT_TRUE(w->Picture7->isVisible());
  EXPECT_TRUE(w->Picture7->Label7[1]->isVisible());
  EXPECT_FALSE(w->Picture7->Label7[2]->isVisible());
  EXPECT_TRUE(enabled(*w, "MenSym"));
  EXPECT_TRUE(enabled(*w, "Editsym"));

  // Back into the set-up: the groups come back from the block.
  trigger("Editsym");
  ASSERT_EQ(w->sym().SymCount, 8);
  int inGroup = 0, mirrored = 0;
  for (int k = 1; k <= 8; ++k) {
    inGroup += group(k) != 0;
    mirrored += orient(k) < 0;
  }
  EXPECT_EQ(inGroup, 8);
  EXPECT_EQ(mirrored, 4);
  QTest::mouseClick(w->Picture5->SymOK[1], Qt::LeftButton);
  EXPECT_TRUE(enabled(*w, "MenFile"));
}

TEST_F(PicEditSymmetryTest, PartLabelsSitBelowTheCanvasClearOfTheProgressStrip) {
  for (QSize size : {QSize(729, 664), QSize(1000, 700), QSize(500, 420)}) {
    setInnerSize(size.width(), size.height());
    const QRect labels = w->Picture7->geometry();
    EXPECT_TRUE(w->formArea()->rect().contains(labels)) << size.width();
    EXPECT_FALSE(labels.intersects(w->Picture1->geometry())) << size.width();
    EXPECT_FALSE(labels.intersects(w->Progress->geometry())) << size.width();
  }
}

TEST_F(PicEditSymmetryTest, PolygonButtonChoosesTheShapeTheSetupCaptures) {
  // While the zoom box is up the button does nothing.
  w->file().ZoomBoxMode = true;
  bool opened = false;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<GetPoly*>(QApplication::activeModalWidget())) {
      opened = true;
      d->reject();
    }
  });
  w->Picture13->click();
  QApplication::processEvents();
  EXPECT_FALSE(opened);
  EXPECT_EQ(w->editor().CurDrawType, kToolPolyLine);
  w->file().ZoomBoxMode = false;

  whenModal<GetPoly>([](GetPoly& d) {
    QTest::mouseClick(d.Command1[2], Qt::LeftButton);  // "6"
    QTest::mouseClick(d.Command2, Qt::LeftButton);     // "OK"
  });
  w->Picture13->click();
  EXPECT_EQ(w->polyShape().count(), 6);
  EXPECT_EQ(w->editor().CurDrawType, kToolGeometric);

  layPolygon(*w, 250, 300, 330, 300);
  trigger("Editsym");
  EXPECT_EQ(w->sym().SymCount, 6);
  QTest::mouseClick(w->Picture5->SymOK[1], Qt::LeftButton);
  EXPECT_EQ(w->sym().GeoCapture, 0);
  EXPECT_EQ(w->sym().SymStart, w->sym().SymEnd);
}

}  // namespace
}  // namespace orn::test
