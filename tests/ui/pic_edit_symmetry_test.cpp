// The symmetry set-up inside the real editor window: what only the window
// shows (greyed menus, the panel stepping aside, double clicks, the part labels,
// the dialogs); the set-up's own rules are pinned by the symmetry tests.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include "canvas/ui/part_labels.h"
#include "canvas/ui/sym_setup_panel.h"
#include "canvas/ui/wsym_set.h"
#include "model/record_codes.h"
#include "symmetry/polygon_shape.h"
#include "symmetry/setup_handles.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"
#include "symmetry/ui/click_label.h"
#include "symmetry/ui/get_poly.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

class PicEditSymmetryTest : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 664);
  }

  // A polygon of the window's polygon shape on the edge (x0, y0) - (x1, y1),
  // as the Geometric tool lays it, with the set-up offered.
  void layPolygon(float x0, float y0, float x1, float y1) {
    AddPolygon(w->list(), w->polyShape(), x0, y0, x1, y1);
    w->symmetry().setEditsymEnabled(true);
  }
  // The eight copies as one part, copy 1 its base.
  void acceptTwoSquares() {
    layTwoSquares();
    trigger("Editsym");
    for (int k = 1; k <= 8; ++k) clickHandle(k);
    QTest::mouseClick(w->Picture5->SymOK[0], Qt::LeftButton);
  }
  // The marker, the caption and "Working Symmetry..." show the part that
  // drawing goes to.
  void expectPartShown(int part) {
    EXPECT_EQ(w->sym().CurPart, part);
    EXPECT_EQ(w->Picture7->exx2->pos(), w->Picture7->Label7[std::size_t(part)]->pos());
    EXPECT_EQ(w->Picture7->Label8->text(), part != 0 ? "Symmetry" : "No Sym");
    EXPECT_EQ(enabled("SymWorking"), part != 0);
  }
};

TEST_F(PicEditSymmetryTest, SetupGreysTheMenusEvenThroughRedrawsTakesDoubleClicksTwiceAndOkUndoesItsZoom) {
  // No base shapes: the Symmetry menu is grey and the set-up refuses.
  EXPECT_FALSE(enabled("MenSym"));
  w->Picture5->Editsym_Click();
  EXPECT_FALSE(w->Picture5->isVisible());
  EXPECT_EQ(w->sym().GeoCapture, 0);
  layTwoSquares();
  EXPECT_FALSE(enabled("SymWorking"));
  const int n = w->list().NumPoints;
  const Entries shapes = EntriesOf(w->list(), 0, n);

  trigger("Editsym");
  ASSERT_TRUE(w->Picture5->isVisible());
  EXPECT_FALSE(w->Picture7->isVisible());
  for (auto m : {"MenFile", "MenSym", "MenZoom", "mnuRedraw"}) EXPECT_FALSE(enabled(m)) << m;
  ASSERT_EQ(w->sym().SymCount, 8);
  EXPECT_EQ(w->Text1->text().toStdString(), kSetupHelpText);
  EXPECT_TRUE(w->Text1->isVisible());
  for (int k = 1; k <= 8; ++k) clickHandle(k);
  // A double click acts twice: plain -> mirrored -> out of the group.
  dbl(handleAt(3));
  EXPECT_EQ(group(3), 0);
  EXPECT_GT(orient(3), 0);
  clickHandle(3);
  EXPECT_EQ(group(3), 1);

  // A redraw during the set-up keeps the menus grey, also while the panel
  // steps aside for the "Base" click.
  w->DrawAll(1);
  EXPECT_FALSE(enabled("MenFile"));
  QTest::mouseClick(w->Picture5->Command1, Qt::LeftButton);
  EXPECT_FALSE(w->Picture5->isVisible());
  w->DrawAll(1);
  EXPECT_FALSE(enabled("MenFile"));
  EXPECT_FALSE(enabled("MenSym"));
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
  for (auto m : {"MenFile", "MenSym", "MenZoom", "mnuRedraw", "Editsym"}) EXPECT_TRUE(enabled(m)) << m;
  EXPECT_TRUE(w->Picture7->Label7[1]->isVisible());
  EXPECT_FALSE(enabled("SymWorking"));  // no part is current yet
  for (int i = 0; i < n; ++i) EXPECT_NEAR(w->list().G0[i], shapes[std::size_t(i)].first, 0.01) << i;
}

// A part chosen while a Poly Line is being drawn closes the line as a double
// click does (its moving end point does not stay behind as an extra point);
// the part's copies are highlighted only while its label is pressed.
TEST_F(PicEditSymmetryTest, ChoosingAPartFinishesTheOpenLineHighlightsWhilePressedAndWorkingCancelKeeps) {
  acceptTwoSquares();
  ASSERT_EQ(w->editor().CurDrawType, kToolPolyLine);
  const int head = w->list().NumPoints;
  QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(240, 290));
  QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(260, 290));
  ASSERT_TRUE(w->list().recordOpen());
  QTest::mouseClick(w->Picture7->Label7[1], Qt::LeftButton);
  EXPECT_EQ(w->sym().CurPart, 1);
  const DrawingList& list = w->list();
  const Frame line = frameAt(list, head);
  ASSERT_EQ(line.kind, FrameKind::Record);
  EXPECT_EQ(line.last - line.first + 1, 2);
  EXPECT_EQ(list.G0[line.last], 260.0f);
  EXPECT_EQ(list.G0[line.next()], kSymChangeCode);
  EXPECT_EQ(list.G0[list.NumPoints], float(kCodeEnd));

  w->DrawAll(1);
  const Surface before = w->canvasSurface();
  QTest::mousePress(w->Picture7->Label7[1], Qt::LeftButton);
  EXPECT_FALSE(w->canvasSurface() == before);
  QTest::mouseRelease(w->Picture7->Label7[1], Qt::LeftButton);
  EXPECT_TRUE(w->canvasSurface() == before);
  EXPECT_EQ(w->Picture7->exx2->geometry(), w->Picture7->Label7[1]->geometry());
  ASSERT_TRUE(enabled("SymWorking"));
  whenModal<WSymSet>([](WSymSet& d) {
    d.VScroll1->setValue(0);
    d.Command2->click();  // "Cancel"
  });
  trigger("SymWorking");
  EXPECT_EQ(w->sym().WorkingSym, kAllReplicas);
}

// After a redraw, and after a step back over a part change or the whole
// block, the part labels, their caption and the menus follow the part in
// which drawing goes on.
TEST_F(PicEditSymmetryTest, PartLabelsAndMenusFollowThePartAfterARedrawAndAStepBack) {
  acceptTwoSquares();
  auto partShown = [&](int part) { expectPartShown(part); };
  w->menus().MenusAllOptions(true);  // Mark and Undo to Mark
  QTest::mouseClick(w->Picture7->Label7[0], Qt::LeftButton);
  trigger("MenEditMark");
  QTest::mouseClick(w->Picture7->Label7[1], Qt::LeftButton);
  partShown(1);
  trigger("MenEditUndo");  // the part change is cut: drawing goes on with no part
  partShown(0);

  QTest::mouseClick(w->Picture7->Label7[1], Qt::LeftButton);
  host.answers = {MsgResult::Yes};
  QTest::mouseClick(w->Picture1, Qt::RightButton, {}, QPoint(20, 20));
  ASSERT_EQ(host.boxes.back().text, "Undo Symmetry Setting?");
  partShown(0);

  // Back through the Mark to the block itself, which goes with all its parts.
  host.answers = {MsgResult::Yes, MsgResult::Yes, MsgResult::Yes};
  for (int k = 0; k < 4 && w->sym().SymStart != w->sym().SymEnd; ++k)
    QTest::mouseClick(w->Picture1, Qt::RightButton, {}, QPoint(20, 20));
  ASSERT_EQ(host.boxes.back().text, "Erase All Symmetry Information?");
  EXPECT_FALSE(w->Picture7->isVisible());
  EXPECT_FALSE(enabled("Yellow"));
  partShown(0);
}

// A part chosen while a stroke is open in a picture that the closing stroke
// redraws (here one showing its yellow base shape): the labels show the new
// part, not the one the redraw found current.
TEST_F(PicEditSymmetryTest, APartChosenDuringAStrokeIsShownAlsoWhenClosingTheStrokeRedraws) {
  acceptTwoSquares();
  QTest::mouseClick(w->Picture7->Label7[1], Qt::LeftButton);
  trigger("Yellow");
  ASSERT_TRUE(w->editor().YellowBase);
  int redraws = 0;
  host.onPump = [&] { ++redraws; };
  for (int part : {0, 1}) {
    SCOPED_TRACE(part);
    QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(240, 290 - 20 * part));
    QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(260, 280 - 20 * part));
    ASSERT_TRUE(w->list().recordOpen());
    redraws = 0;
    QTest::mouseClick(w->Picture7->Label7[std::size_t(part)], Qt::LeftButton);
    EXPECT_GT(redraws, 0);
    EXPECT_FALSE(w->list().recordOpen());
    expectPartShown(part);
  }
  host.onPump = nullptr;
}

// With no part chosen the marker sits on "No Sym" without hiding its words,
// and the part labels stand clear of it inside the panel.
TEST_F(PicEditSymmetryTest, TheMarkerOnNoSymLeavesItsWordsReadable) {
  acceptTwoSquares();
  QTest::mouseClick(w->Picture7->Label7[0], Qt::LeftButton);
  const QLabel* none = w->Picture7->Label7[0];
  const QRect words = none->style()
                          ->itemTextRect(none->fontMetrics(), none->contentsRect(), int(none->alignment()),
                                         true, none->text())
                          .translated(none->pos());
  EXPECT_FALSE(w->Picture7->exx2->geometry().intersects(words));
  EXPECT_TRUE(none->geometry().contains(words));
  for (int part = 1; part <= 5; ++part) {
    const QRect r = w->Picture7->Label7[std::size_t(part)]->geometry();
    EXPECT_FALSE(r.intersects(none->geometry())) << part;
    EXPECT_TRUE(w->Picture7->rect().contains(r)) << part;
  }
}

// A damaged block is drawn without copies and said so once, not at every redraw.
TEST_F(PicEditSymmetryTest, ADamagedSymmetryBlockIsReportedOnce) {
  acceptTwoSquares();
  QTest::mouseClick(w->Picture7->Label7[1], Qt::LeftButton);
  w->list().G0[std::size_t(w->sym().SymStart + 1)] = float(kCodeMark);
  InvalidateSymTables(w->sym());
  host.boxes.clear();
  trigger("mnuRedraw");
  trigger("mnuRedraw");
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Corrupt Symmetry data");
}

// A press on a part label while a redraw walks the list changes nothing.
TEST_F(PicEditSymmetryTest, APartLabelPressDuringARedrawIsIgnored) {
  acceptTwoSquares();
  const int n = w->list().NumPoints;
  const int part = w->sym().CurPart;
  int pumps = 0;
  host.onPump = [&] {
    if (pumps++ == 1) QTest::mouseClick(w->Picture7->Label7[part == 1 ? 0 : 1], Qt::LeftButton);
  };
  trigger("mnuRedraw");
  host.onPump = nullptr;
  EXPECT_GT(pumps, 1);
  EXPECT_EQ(w->list().NumPoints, n);
  EXPECT_EQ(w->sym().CurPart, part);
}

// The window resized while the set-up is up: its copies keep to the base
// shapes as the picture is rescaled, so OK writes the items that OK before the
// resize would have written, at the new scale; the strokes' copies follow,
// and the next set-up finds every group again. Cancel keeps the new scale too.
TEST_F(PicEditSymmetryTest, ResizingTheWindowDuringTheSetupKeepsItsCopiesOnTheBaseShapes) {
  layTwoSquares();
  trigger("Editsym");
  for (int k = 1; k <= 8; ++k) clickHandle(k);
  clickHandle(2);  // a mirrored copy
  QTest::mouseClick(w->Picture5->SymOK[0], Qt::LeftButton);
  QTest::mouseClick(w->Picture7->Label7[1], Qt::LeftButton);
  QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(240, 290));
  dbl({260, 280});
  std::vector<SymItem> before;
  ASSERT_TRUE(ReadSymBlock(w->list(), w->sym(), before));
  ASSERT_EQ(before.size(), 8u);
  const int n = w->list().NumPoints;
  const Entries drawn = EntriesOf(w->list(), 0, n);
  const int w0 = w->canvasSurface().width();

  // Each copy's edge is an edge of a base shape in the list, its handle 6
  // units from the edge's midpoint.
  auto copiesOnTheShapes = [&] {
    const DrawingList& list = w->list();
    for (int k = 1; k <= w->sym().SymCount; ++k) {
      const auto& f = w->sym().SymData[std::size_t(k)];
      bool onShape = false;
      for (int i = 1; i < list.NumPoints && !onShape; ++i)
        onShape = std::fabs(list.G0[i - 1] - f[kEdgeP0x]) < 0.01f && std::fabs(list.G1[i - 1] - f[kEdgeP0y]) < 0.01f &&
                  std::fabs(list.G0[i] - f[kEdgeP1x]) < 0.01f && std::fabs(list.G1[i] - f[kEdgeP1y]) < 0.01f;
      EXPECT_TRUE(onShape) << k;
      const float mx = (f[kEdgeP0x] + f[kEdgeP1x]) / 2, my = (f[kEdgeP0y] + f[kEdgeP1y]) / 2;
      EXPECT_NEAR(std::hypot(f[kHandlePosX] - mx, f[kHandlePosY] - my), kHandleOffset, 0.01) << k;
    }
  };
  trigger("Editsym");
  setInnerSize(1029, 784);
  const float scale = float(w->canvasSurface().width()) / float(w0);
  ASSERT_GT(scale, 1.1f);
  copiesOnTheShapes();
  QTest::mouseClick(w->Picture5->SymOK[0], Qt::LeftButton);

  std::vector<SymItem> after;
  ASSERT_TRUE(ReadSymBlock(w->list(), w->sym(), after));
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    SCOPED_TRACE(i);
    const SymItem &a = after[i], &b = before[i];
    EXPECT_EQ(a.group, b.group);
    EXPECT_EQ(a.reflect, b.reflect);
    EXPECT_EQ(a.RefGeo, b.RefGeo);
    for (auto [x, y] : {std::pair{a.P0x, b.P0x}, {a.P0y, b.P0y}, {a.P1x, b.P1x}, {a.P1y, b.P1y},
                        {a.P2x, b.P2x}, {a.P2y, b.P2y}, {a.handleX, b.handleX}, {a.handleY, b.handleY}})
      EXPECT_NEAR(x, y * scale, 0.05);
  }
  // The base shapes and the stroke, at the new scale.
  ASSERT_EQ(w->list().NumPoints, n);
  FrameWalker walk(w->list(), 0);
  int points = 0;
  for (Frame fr; walk.next(fr);) {
    if (fr.kind != FrameKind::Record || fr.type == kTypeSymmetryItem) continue;
    for (int i = fr.first; i <= fr.last; ++i, ++points) {
      EXPECT_NEAR(w->list().G0[i], drawn[std::size_t(i)].first * scale, 0.05) << i;
      EXPECT_NEAR(w->list().G1[i], drawn[std::size_t(i)].second * scale, 0.05) << i;
    }
  }
  EXPECT_EQ(points, 2 * 6 + 2);

  trigger("Editsym");
  EXPECT_EQ(w->Picture5->setup().SymActive, kSymActiveMatched);
  for (int k = 1; k <= 8; ++k) EXPECT_NE(group(k), 0) << k;
  setInnerSize(729, 664);
  copiesOnTheShapes();
  QTest::mouseClick(w->Picture5->SymOK[1], Qt::LeftButton);  // "Cancel"
  EXPECT_EQ(w->canvasSurface().width(), w0);
  for (int i : {2, 3, 4, 5}) EXPECT_NEAR(w->list().G0[i], drawn[std::size_t(i)].first, 0.05) << i;
}

TEST_F(PicEditSymmetryTest, PolygonButtonChoosesTheShapeTheSetupCapturesAndCancelRestoresTheList) {
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

  layPolygon(250, 300, 330, 300);
  const int n = w->list().NumPoints;
  const Entries before = EntriesOf(w->list(), 0, n);
  trigger("Editsym");
  EXPECT_EQ(w->sym().SymCount, 6);
  clickHandle(1);
  QTest::mouseClick(w->Picture5->SymOK[1], Qt::LeftButton);  // "Cancel"
  EXPECT_EQ(w->sym().GeoCapture, 0);
  EXPECT_EQ(w->sym().SymStart, w->sym().SymEnd);
  ASSERT_EQ(w->list().NumPoints, n);
  for (int i = 0; i <= n; ++i) EXPECT_NEAR(w->list().G0[i], before[std::size_t(i)].first, 0.01) << i;
}

TEST(PolygonDialogs, PolygonDialogOpensOnEachFixedShapeKeepsItsChoiceAndCancelChangesNothing) {
  app();
  for (int code = -1; code >= -kFixedShapeCount; --code) {
    SCOPED_TRACE(code);
    PolyShape shape;
    int n = code;
    ASSERT_TRUE(SetPolygonShape(shape, n));
    const PolyShape chosen = shape;
    GetPoly dlg(shape);
    dlg.show();
    QApplication::processEvents();
    EXPECT_EQ(dlg.choice(), code);  // OK straight away keeps the shape
    QTest::mouseClick(dlg.Command2, Qt::LeftButton);
    EXPECT_TRUE(shape == chosen);
  }

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
    GetPoly dlg(shape);  // the preview shows green vertex markers
    QTest::mouseClick(dlg.Command1[2], Qt::LeftButton);  // "6"
    bool green = false;
    for (int y = 0; y < dlg.preview().height(); ++y)
      for (int x = 0; x < dlg.preview().width(); ++x) green = green || dlg.preview().point(x, y) == 0x00C000;
    EXPECT_TRUE(green);
    dlg.VScroll1->setValue(10);
    EXPECT_EQ(dlg.Label2->text(), "10");
    QTest::mouseClick(dlg.Command3, Qt::LeftButton);  // "Cancel"
  }
  EXPECT_TRUE(shape == before);

  WSymSet ws(3, kAllReplicas);
  QTest::mouseClick(ws.Command4, Qt::LeftButton);
  EXPECT_EQ(ws.Label1->text(), "None");
  EXPECT_EQ(ws.value(), 0);
}

}  // namespace
}  // namespace orn::test
