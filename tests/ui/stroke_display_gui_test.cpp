// What the canvas shows of a stroke while the user draws it and edits it,
// through the real window: arcs drawn the same way while drawing, in a redraw
// and when picked, erased or dragged; freehand polylines and step backs in
// the "Quarter" sample, whose quarter turns repeat every stroke and whose pen
// is two pixels wide.
#include <filesystem>

#include "canvas/tools.h"
#include "model/record_codes.h"
#include "symmetry/replication.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

class StrokeDisplayGui : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(1200, 800);
  }

  // The Quarter sample (its colours taken out when asked), its replica
  // segments drawn as the user draws them.
  void loadQuarter(bool colours) {
    std::filesystem::copy_file(std::filesystem::path(ORNIVALE_DATA_DIR) / "OVPP4A.PNT", dir / "QUARTER.PNT");
    load(path("QUARTER.PNT"));
    ASSERT_TRUE(host.boxes.empty());
    ASSERT_EQ(w->sym().CurPart, 1);
    ASSERT_EQ(w->draw().LineWidth, 2);
    if (!colours) {
      host.answer = MsgResult::OK;
      trigger("MenEditErase");
      host.answer.reset();
    }
    w->draw().ExtendLen = 0.0f;
    w->DrawAll(1);
  }

  Surface& canvas() { return w->canvasSurface(); }
  const DrawingList& list() { return w->list(); }

  // The open record's segments between its points `from` and `to`, drawn on
  // `on` through the replication as the mouse engine draws a fixed segment
  // (copy pen, black) or a rubber band (XOR pen, background colour).
  void drawSegments(Surface& on, int from, int to, bool band) {
    SymState sym = w->sym();
    DrawContext ctx = w->draw();
    ctx.Picture1 = &on;
    ctx.ExtendLast = 0;
    ctx.ExtendFirst = 0;
    on.setPenWidth(ctx.LineWidth);
    on.setPenMode(band ? PenMode::Xor : PenMode::Copy);
    for (int i = from + 1; i <= to; ++i)
      SymmLine(sym, ctx, list().G0[i - 1], list().G1[i - 1], list().G0[i], list().G1[i], band ? ctx.PicBackColor : kBlack);
    on.setPenMode(PenMode::Copy);
  }
  // The picture as it was before the open record, with the record's fixed
  // points joined in black and its rubber band to the moving point over them.
  Surface drawing(const Surface& before) {
    Surface s = before;
    const int last = list().NumPoints;
    drawSegments(s, list().ItemFirst, last - 1, false);
    drawSegments(s, last - 1, last, true);
    return s;
  }

  void press(QPoint p, Qt::MouseButton b) { send(w->Picture1, QEvent::MouseButtonPress, p, b, b); }
  void release(QPoint p, Qt::MouseButton b) { send(w->Picture1, QEvent::MouseButtonRelease, p, b, Qt::NoButton); }
  bool inkNear(int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (canvas().point(x + dx, y + dy) == std::int64_t(kBlack)) return true;
    return false;
  }
  // Presses on p with Adjust Points, moves it by d in `steps` mouse steps and
  // releases it there.
  void drag(QPoint p, QPoint d, int steps) {
    move(p);
    press(p, Qt::LeftButton);
    for (int i = 1; i <= steps; ++i) move(p + d * i / steps, Qt::LeftButton);
    release(p + d, Qt::LeftButton);
  }
  // The canvas's pixels that a full redraw would not show. Painting an old
  // figure over in the background colour clears what else lay under it until
  // the next redraw, so the background colour is not counted.
  int leftOver() {
    const Surface r = redrawn();
    int left = 0;
    for (int y = 0; y < r.height(); ++y)
      for (int x = 0; x < r.width(); ++x)
        left += canvas().point(x, y) != r.point(x, y) && canvas().point(x, y) != std::int64_t(w->draw().PicBackColor);
    return left;
  }
};

// Three clicks on one line, or a pixel off it (an arc of a radius many times
// the canvas), make an arc that shows from end to end as its rubber band,
// once closed and in a redraw; with the through point beyond an end, as the
// line outside the ends.
TEST_F(StrokeDisplayGui, AnArcThroughCollinearOrNearlyCollinearPointsIsDrawnWhileDrawnAndInARedraw) {
  trigger("MenFileNew");
  ASSERT_GT(canvas().width(), 760);
  ASSERT_GT(canvas().height(), 530);
  const struct {
    int y;
    QPoint through;
    std::vector<int> ink, none;
  } arcs[] = {{520, {400, 521}, {320, 400, 480}, {}},
              {440, {400, 440}, {300, 320, 400, 480, 500}, {296, 504}},
              {360, {600, 360}, {5, 250, 296, 504, 600, 750}, {320, 400, 480}}};
  for (const auto& arc : arcs) {
    SCOPED_TRACE(arc.through.y());
    auto inkIs = [&](const char* when) {
      for (int x : arc.ink) EXPECT_TRUE(inkNear(x, arc.y)) << when << " at " << x;
      for (int x : arc.none) EXPECT_FALSE(inkNear(x, arc.y)) << when << " at " << x;
    };
    chooseTool(kToolArc);
    click({300, arc.y});
    click({500, arc.y});
    move(arc.through);
    inkIs("rubber band");
    click(arc.through);
    ASSERT_FALSE(list().recordOpen());
    ASSERT_EQ(list().G0[list().NumPoints - 5], float(kCodeArc));
    inkIs("closed arc");
    EXPECT_TRUE(canvas() == redrawn());
    w->DrawAll(1);
    inkIs("redrawn arc");
  }
}

// An arc of a new picture, bent either way and dragged by each of its points
// in five and in ten mouse steps, then an arc in the Quarter's cells, picked
// and erased with Erase Lines or dragged by a point with Adjust Points:
// nothing of the old arc stays, in the cell or in its copies, not its pick's
// red, nor the single end pixel of a black line where a dragged end passed.
TEST_F(StrokeDisplayGui, AnArcErasedOrDraggedLeavesNothingOfItsOldSelf) {
  trigger("MenFileNew");
  ASSERT_GT(canvas().height(), 600);
  for (int bend : {-80, 80}) {
    QPoint points[] = {{500, 300}, {700, 300}, {600, 300 + bend}};
    chooseTool(kToolArc);
    for (QPoint p : points) click(p);
    chooseTool(kToolAdjustPoints);
    for (QPoint& p : points) {
      for (int steps : {5, 10}) {
        SCOPED_TRACE(testing::Message() << "bend " << bend << ", point " << p.x() << "," << p.y() << ", "
                                        << steps << " steps");
        drag(p, {20, 40}, steps);
        p += QPoint{20, 40};
        EXPECT_EQ(leftOver(), 0);
        w->DrawAll(1);
      }
    }
  }

  w->editor().PicChanged = false;  // no offer to save the new picture
  loadQuarter(false);
  const QPoint a{250, 330}, b{330, 330}, c{290, 300};
  for (bool erase : {true, false}) {
    SCOPED_TRACE(erase ? "erased" : "dragged");
    chooseTool(kToolArc);
    for (QPoint p : {a, b, c}) click(p);
    ASSERT_FALSE(list().recordOpen());
    const int end = list().NumPoints;
    w->DrawAll(1);
    if (erase) {
      chooseTool(kToolEraseLines);
      click(c);  // the arc shows red
      click(c, Qt::RightButton);
      EXPECT_EQ(list().NumPoints, end - 5);
    } else {
      chooseTool(kToolAdjustPoints);
      drag(c, {2, 18}, 2);
      EXPECT_EQ(list().G1[list().NumPoints - 1], 318.0f);
    }
    EXPECT_EQ(leftOver(), 0);
  }
}

// Every point of a polyline, a multi line, a spline and a circle of each kind
// in a new picture, at the line widths 1 and 2, dragged in five mouse steps
// with Adjust Points: nothing of the old figure stays where it was, not the
// pixels where two segments of a line meet.
TEST_F(StrokeDisplayGui, DraggingAnyPointOfALineSplineOrCircleLeavesNothingOfItsOldSelf) {
  const struct {
    int tool;
    std::vector<QPoint> points;  // the last one closes the figure by a double click
  } figures[] = {{1, {{450, 300}, {550, 240}, {650, 320}, {750, 280}}},
                 {2, {{450, 500}, {550, 440}, {650, 520}, {750, 480}}},
                 {0, {{300, 650}, {380, 570}, {460, 690}, {540, 610}}},
                 {kToolCircle2, {{250, 250}, {300, 280}}},
                 {kToolCircle3, {{820, 250}, {900, 200}, {960, 300}}}};
  for (const int width : {1, 2}) {
    w->editor().PicChanged = false;  // no offer to save the last picture
    trigger("MenFileNew");
    w->draw().LineWidth = width;
    for (const auto& figure : figures) {
      chooseTool(figure.tool);
      const bool circle = figure.tool == kToolCircle2 || figure.tool == kToolCircle3;
      for (std::size_t i = 0; i < figure.points.size(); ++i) {
        if (i + 1 == figure.points.size() && !circle) {
          dbl(figure.points[i]);
        } else {
          click(figure.points[i]);
        }
      }
      ASSERT_FALSE(list().recordOpen());
    }
    w->DrawAll(1);
    chooseTool(kToolAdjustPoints);
    for (const auto& figure : figures) {
      // Last point first: a circle's centre takes its radius point along.
      for (auto p = figure.points.rbegin(); p != figure.points.rend(); ++p) {
        SCOPED_TRACE(testing::Message() << "width " << width << ", tool " << figure.tool << ", point " << p->x()
                                        << "," << p->y());
        drag(*p, {20, 40}, 5);
        EXPECT_EQ(leftOver(), 0);
        w->DrawAll(1);
      }
    }
  }
  // In the Quarter's cells, where the copies' lines are lengthened so that
  // their joins close.
  w->editor().PicChanged = false;
  loadQuarter(false);
  w->draw().ExtendLen = 0.5f;
  chooseTool(1);
  const QPoint points[] = {{240, 300}, {280, 340}, {320, 310}, {330, 380}};
  for (QPoint p : points) p == points[3] ? dbl(p) : click(p);
  w->DrawAll(1);
  chooseTool(kToolAdjustPoints);
  for (QPoint p : points) {
    SCOPED_TRACE(testing::Message() << "Quarter, point " << p.x() << "," << p.y());
    drag(p, {6, 8}, 3);
    EXPECT_EQ(leftOver(), 0);
    w->DrawAll(1);
  }
}

// A freehand polyline (the button held while the mouse moves) in the
// Quarter: every point fixed on the way joins the stroke in black, in the
// cell and in every copy, over the colours, and only the rubber band to
// the mouse is drawn with the XOR pen.
TEST_F(StrokeDisplayGui, AFreehandPolylineInTheQuarterIsWholeWhileItIsDrawn) {
  loadQuarter(true);
  const Surface before = canvas();
  chooseTool(kToolPolyLine);
  move({236, 310});
  press({236, 310}, Qt::LeftButton);
  for (int i = 1; i <= 60; ++i) move({236 + 2 * i, 310 + i * i / 40}, Qt::LeftButton);
  ASSERT_GT(list().NumPoints - list().ItemFirst, 30);
  EXPECT_TRUE(canvas() == drawing(before));
  release({356, 400}, Qt::LeftButton);
}

// A right click steps back one point: the point before it becomes the end
// of the rubber band at once, and moving the mouse then takes that band off
// exactly, leaving the lines it crossed in the copies whole.
TEST_F(StrokeDisplayGui, AStepBackShowsAtTheClickAndLeavesTheLinesItCrossedWhole) {
  loadQuarter(true);
  const Surface before = canvas();
  chooseTool(kToolPolyLine);
  for (QPoint p : {QPoint{236, 300}, {300, 340}, {380, 330}, {420, 420}}) click(p);
  move({440, 460});
  click({440, 460}, Qt::RightButton);
  ASSERT_EQ(list().NumPoints - list().ItemFirst, 3);
  EXPECT_TRUE(canvas() == drawing(before));
  move({300, 400});
  EXPECT_TRUE(canvas() == drawing(before));
  click({300, 400}, Qt::RightButton);
  move({250, 250});
  EXPECT_TRUE(canvas() == drawing(before));
  dbl({250, 250});
  EXPECT_TRUE(canvas() == redrawn());
}

}  // namespace
}  // namespace orn::test
