// A symmetric picture made from nothing through the editor window only: the
// hidden Special menu, the polygon dialog, a polygon laid with the Geometric
// tool, the set-up's handles clicked, OK, a part chosen and strokes drawn with
// the mouse. The strokes land in every copy, mirrored in the mirrored copies,
// and survive saving and loading.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "canvas/tools.h"
#include "canvas/ui/part_labels.h"
#include "canvas/ui/sym_setup_panel.h"
#include "canvas/ui/wsym_set.h"
#include "model/picture_file.h"
#include "model/record_codes.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"
#include "symmetry/ui/click_label.h"
#include "symmetry/ui/get_poly.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

struct Pt {
  double x = 0, y = 0;
};

class RosetteGui : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(900, 700);
    // Replica segments exactly as drawn, so that a full redraw repeats the
    // interactive drawing pixel for pixel.
    w->draw().ExtendLen = 0.0f;
  }

  void pressTool(int tool) {
    ASSERT_TRUE(w->tools().DrawType(tool)->isVisible()) << tool;
    chooseTool(tool);
    ASSERT_EQ(w->editor().CurDrawType, tool);
  }
  // The Special menu, "&Geometry Buttons", the polygon button answered with
  // button `button` (count `edges`), then an edge laid with the Geometric tool.
  void layPolygon(int button, int edges, QPoint from, QPoint to) {
    clickLabel6(true);
    trigger("DebugX(1)");
    ASSERT_TRUE(w->Picture13->isVisible());
    bool ran = false;
    whenModal<GetPoly>(
        [button, edges](GetPoly& d) {
          QTest::mouseClick(d.Command1[static_cast<std::size_t>(button)], Qt::LeftButton);
          EXPECT_EQ(d.Label2->text().toInt(), edges);
          QTest::mouseClick(d.Command2, Qt::LeftButton);  // "OK"
        },
        &ran);
    QTest::mouseClick(w->Picture13, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_TRUE(ran);
    ASSERT_EQ(w->polyShape().count(), edges);
    pressTool(kToolGeometric);
    click(from);
    move((from + to) / 2);
    click(to);
    QApplication::processEvents();
  }
  void chooseWorkingSymmetry(std::function<void(WSymSet&)> act) {
    bool ran = false;
    whenModal<WSymSet>(std::move(act), &ran);
    trigger("SymWorking");
    ASSERT_TRUE(ran);
  }
  // A polyline through the points, closed with a double click; returns its
  // points as the list stored them.
  std::vector<Pt> drawLine(const std::vector<Pt>& pts) {
    pressTool(kToolPolyLine);
    const int head = w->list().NumPoints;
    for (const Pt& p : pts) {
      move(px(p));
      click(px(p));
    }
    dbl(px(pts.back()));
    EXPECT_FALSE(w->list().recordOpen());
    const Frame f = frameAt(w->list(), head);
    EXPECT_EQ(f.kind, FrameKind::Record);
    std::vector<Pt> out;
    for (int i = f.first; i <= f.last; ++i) out.push_back({w->list().G0[i], w->list().G1[i]});
    return out;
  }

  // Black within `r` pixels of p.
  bool inkNear(Pt p, int r = 1) const {
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx)
        if (Rgb(w->canvasSurface().point(toPixel(p.x + dx), toPixel(p.y + dy))) == kBlack) return true;
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
  // Points along the polyline, a little away from its corners.
  static std::vector<Pt> along(const std::vector<Pt>& line) {
    std::vector<Pt> out;
    for (std::size_t i = 1; i < line.size(); ++i)
      for (double t : {0.2, 0.5, 0.8})
        out.push_back({line[i - 1].x + t * (line[i].x - line[i - 1].x),
                       line[i - 1].y + t * (line[i].y - line[i - 1].y)});
    return out;
  }
  static QPoint px(Pt p) { return {toPixel(p.x), toPixel(p.y)}; }
};

TEST_F(RosetteGui, OctagonRosetteOfEightAlternatelyMirroredCopiesRepeatsAStrokeAndSurvivesSaving) {
  layPolygon(3, 8, {400, 560}, {500, 560});  // the "8" button
  ASSERT_EQ(w->list().G0[0], float(kCodeGeometric));

  trigger("Editsym");
  ASSERT_TRUE(w->Picture5->isVisible());
  ASSERT_EQ(w->sym().SymCount, 8);
  // Every edge into one group, the first as base; a second click on every
  // other copy mirrors it.
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
  for (std::size_t i = 0; i < items.size(); ++i)
    EXPECT_EQ(items[i].group, i == 0 ? -1 : 1) << i;

  ASSERT_TRUE(w->Picture7->isVisible());
  QTest::mouseClick(w->Picture7->Label7[1], Qt::LeftButton);
  ASSERT_EQ(w->sym().CurPart, 1);
  const SymState& s = w->sym();
  ASSERT_EQ(s.LastCopy - s.BaseCopy, 7);
  // Neighbouring copies alternate plain and mirrored.
  for (int k = s.BaseCopy; k <= s.LastCopy; ++k)
    EXPECT_EQ(s.SymData[static_cast<std::size_t>(k)][kReflect] != 0.0f, (k - s.BaseCopy) % 2 == 1) << k;

  // An L in the base cell, off its middle, not symmetric within the cell.
  const std::vector<Pt> stroke = drawLine({inBase(0.15, 0.015), inBase(0.4, 0.015), inBase(0.4, 0.05)});
  ASSERT_EQ(stroke.size(), 3u);
  // The far end of the L's foot: where it is, mirrored copies have nothing.
  const Pt tip{(stroke[1].x + stroke[2].x) / 2, (stroke[1].y + stroke[2].y) / 2};
  for (int k = s.BaseCopy; k <= s.LastCopy; ++k) {
    for (const Pt& p : along(stroke)) EXPECT_TRUE(inkNear(mapped(k, p))) << "copy " << k;
    if (s.SymData[static_cast<std::size_t>(k)][kReflect] != 0.0f) {
      EXPECT_FALSE(inkNear(mapped(k, tip, true), 2)) << "copy " << k << " not mirrored";
    }
  }
  // Only the eight images were drawn: the octagon's inside away from them is white.
  EXPECT_FALSE(inkNear(inBase(0.5, 0.3), 3));
  const Surface drawn = w->canvasSurface();
  EXPECT_TRUE(drawn == redrawn());

  // File > Save (no name yet: Save asks), New, then the picture loaded back.
  const int n = w->list().NumPoints;
  const Entries before = EntriesOf(w->list(), 0, n);
  const std::string file = path("OCTROSE.PNT");
  dialogs.saves = {file};
  trigger("MenFileSave");
  ASSERT_TRUE(host.boxes.empty()) << host.boxes.front().text;
  trigger("MenFileNew");
  ASSERT_EQ(w->list().G0[0], float(kCodeEnd));
  EXPECT_FALSE(w->Picture7->isVisible());
  EXPECT_FALSE(enabled("MenSym"));
  EXPECT_FALSE(enabled("Editsym"));
  load(file);
  ASSERT_TRUE(host.boxes.empty()) << host.boxes.front().text;
  EXPECT_TRUE(w->Picture7->Label7[1]->isVisible());
  EXPECT_FALSE(w->Picture7->Label7[2]->isVisible());
  EXPECT_TRUE(enabled("MenSym"));
  EXPECT_TRUE(enabled("Editsym"));
  EXPECT_EQ(EntriesOf(w->list(), 0, n), before);  // the symmetry block too
  EXPECT_TRUE(w->canvasSurface() == drawn);

  // The loaded picture goes on with its part current: a new stroke repeats
  // in all eight copies.
  ASSERT_EQ(w->sym().CurPart, 1);
  const std::vector<Pt> second = along(drawLine({inBase(0.6, 0.1), inBase(0.8, 0.12)}));
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(w->sym().LastCopy - w->sym().BaseCopy, 7);
  for (int k = w->sym().BaseCopy; k <= w->sym().LastCopy; ++k)
    for (const Pt& p : second) EXPECT_TRUE(inkNear(mapped(k, p))) << "copy " << k;

  // Back into the set-up: the groups come back from the block.
  trigger("Editsym");
  ASSERT_EQ(w->sym().SymCount, 8);
  for (int k = 1; k <= 8; ++k) {
    EXPECT_NE(group(k), 0) << k;
    EXPECT_EQ(orient(k) < 0, k % 2 == 0) << k;
  }
  QTest::mouseClick(w->Picture5->SymOK[1], Qt::LeftButton);
  EXPECT_TRUE(enabled("MenFile"));

  // A plain picture loaded after the rosette keeps nothing of its symmetry:
  // a stroke then has one copy, on the canvas, in the list and in the file.
  w->editor().PicChanged = false;
  trigger("MenFileNew");
  drawLine({{100, 100}, {140, 100}});
  saveAs(path("PLAIN.PNT"));
  load(file);
  ASSERT_EQ(w->sym().CurPart, 1);
  const Pt a = inBase(0.6, 0.3), b = inBase(0.8, 0.32);
  const Pt middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
  std::vector<Pt> images;
  for (int k = w->sym().BaseCopy + 1; k <= w->sym().LastCopy; ++k) images.push_back(mapped(k, middle));
  load(path("PLAIN.PNT"));
  ASSERT_TRUE(host.boxes.empty()) << host.boxes.front().text;
  EXPECT_EQ(w->sym().SymStart, w->sym().SymEnd);
  EXPECT_FALSE(w->Picture7->isVisible());
  drawLine({a, b});
  EXPECT_TRUE(inkNear(middle));
  for (const Pt& p : images) EXPECT_FALSE(inkNear(p, 2));
  EXPECT_TRUE(w->canvasSurface() == redrawn());
  trigger("MenFileSave");
  const FileResult<PictureFile> saved = ReadPictureFile(path("PLAIN.PNT"));
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(saved.value->g0, std::vector<float>(w->list().G0.begin(), w->list().G0.begin() + w->list().NumPoints + 1));
  for (float code : saved.value->g0) EXPECT_NE(code, float(kCodeSymmetryChg));
}

// The set-up's OK stores the view of each part: Zoom > Symmetry shows the
// part's reference shape filling the canvas height.
TEST_F(RosetteGui, WorkingSymmetryOneLimitsDrawingToOneReplicaARedrawDrawsAllAndThePartHasItsView) {
  layPolygon(1, 4, {400, 450}, {550, 450});  // the "4" button: a square
  trigger("Editsym");
  ASSERT_EQ(w->sym().SymCount, 4);
  for (int k = 1; k <= 4; ++k) clickHandle(k);
  QTest::mouseClick(w->Picture5->SymOK[0], Qt::LeftButton);
  ASSERT_FALSE(w->views().rowEmpty(8));  // the view of part 1
  QTest::mouseClick(w->Picture7->Label7[1], Qt::LeftButton);
  const SymState& s = w->sym();
  ASSERT_EQ(s.CurPart, 1);
  ASSERT_EQ(s.LastCopy - s.BaseCopy, 3);

  // One step down from "All" offers 2, one more 1.
  chooseWorkingSymmetry([](WSymSet& d) {
    EXPECT_EQ(d.Label1->text(), "All");
    d.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(d.Label1->text(), "2");
    d.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(d.Label1->text(), "1");
    QTest::mouseClick(d.Command1, Qt::LeftButton);  // "OK"
  });
  ASSERT_EQ(s.WorkingSym, 1);

  const std::vector<Pt> onStroke =
      along(drawLine({inBase(0.2, 0.02), inBase(0.45, 0.02), inBase(0.45, 0.06)}));
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
  // While drawing: the base cell and one replica; a full redraw draws them
  // all, so that a fill in any copy stays inside its cell.
  EXPECT_EQ(copiesShowingIt(), (std::vector<int>{0, 1}));
  trigger("mnuRedraw");
  EXPECT_EQ(copiesShowingIt(), (std::vector<int>{0, 1, 2, 3}));

  // Back to "All": the dialog's closing redraw shows the line in all four.
  chooseWorkingSymmetry([](WSymSet& d) {
    QTest::mouseClick(d.Command3, Qt::LeftButton);  // "All"
    EXPECT_EQ(d.Label1->text(), "All");
    QTest::mouseClick(d.Command1, Qt::LeftButton);
  });
  EXPECT_EQ(s.WorkingSym, kAllReplicas);

  trigger("Zoom(0)");
  const Frame sq = frameAt(w->list(), 0);
  double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
  for (int i = sq.first; i <= sq.last; ++i) {
    minX = std::min<double>(minX, w->list().G0[i]);
    maxX = std::max<double>(maxX, w->list().G0[i]);
    minY = std::min<double>(minY, w->list().G1[i]);
    maxY = std::max<double>(maxY, w->list().G1[i]);
  }
  // A tenth of the square to spare above and below, centred across.
  const double H = w->canvasSurface().height() - 1, W = w->canvasSurface().width() - 1;
  EXPECT_NEAR(minY, H / 12, 1.5);
  EXPECT_NEAR(maxY, H * 11 / 12, 1.5);
  EXPECT_NEAR(minX + maxX, W, 1.5);
  EXPECT_TRUE(w->menus().menuItem("ZoomS(0)")->isVisible());
}

}  // namespace
}  // namespace orn::test
namespace orn::test {
namespace {

// The help's steps: the Geometric tool lays a polygon by click, move, click.
// While the polygon follows the mouse the Symmetry menu is grey; the second
// click lays it where that click is, and Symmetry > Setup Symmetry opens the
// set-up on its edges.
TEST_F(RosetteGui, APolygonLaidByClickMoveClickOffersTheSetUpAsTheHelpSays) {
  clickLabel6(true);
  trigger("DebugX(1)");
  pressTool(kToolGeometric);
  const QPoint from{400, 560}, to{500, 560};
  move(from);
  click(from);
  move((from + to) / 2);
  move({to.x() + 40, to.y()});
  ASSERT_TRUE(w->list().recordOpen()) << "the polygon follows the mouse";
  EXPECT_FALSE(enabled("MenSym")) << "grey while the polygon follows the mouse";
  click(to);
  EXPECT_FALSE(w->list().recordOpen()) << "the second click lays the polygon";
  EXPECT_EQ(w->list().G0[0], float(kCodeGeometric));
  EXPECT_TRUE(enabled("MenSym"));
  // The polygon stands on the edge from the first click to the second.
  const Frame f = frameAt(w->list(), 0);
  ASSERT_EQ(f.kind, FrameKind::Record);
  EXPECT_EQ(w->list().G0[f.first + 1] - w->list().G0[f.first], float(to.x() - from.x()));
  EXPECT_EQ(w->list().G1[f.first + 1], w->list().G1[f.first]);
  trigger("Editsym");
  EXPECT_TRUE(w->Picture5->isVisible());
  EXPECT_EQ(w->sym().SymCount, 4) << "the square's four edges";
}

}  // namespace
}  // namespace orn::test
