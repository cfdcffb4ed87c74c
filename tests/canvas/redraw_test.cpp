// The full redraw on a real canvas: what it draws, in which order, and how
// the stop button, the Ctrl key and the colour actions steer it.
#include <gtest/gtest.h>

#include "canvas/plot_lines.h"
#include "canvas/shape_render.h"
#include "canvas/spline.h"
#include "redraw_fixture.h"
#include "symmetry/replication.h"

namespace orn::test {
namespace {

constexpr Rgb kRedFill = 0x0000FF;
constexpr Rgb kBlueFill = 0xFF0000;
constexpr Rgb kGreenFill = 0x00FF00;

// A picture of every kind of record, in a part of two copies side by side.
// Its first fill comes before the square it lies in.
struct Picture : Scene {
  int paintEarly, square, spline, circle, multi, paintLate;
  Picture() {
    addTranslationSymmetry();
    paintEarly = addPaint({{kRedFill, {35, 35}}});
    square = addShape(kTypePolyLine, {{10, 10}, {60, 10}, {60, 60}, {10, 60}, {10, 10}});
    spline = addShape(kTypeSpline, {{10, 100}, {30, 80}, {50, 120}, {70, 100}});
    circle = addShape(kTypeCircle2, {{90, 100}, {90, 118}});
    multi = addShape(kTypeMultiLine, {{20, 140}, {100, 140}, {20, 150}, {100, 150}});
    paintLate = addPaint({{kBlueFill, {90, 100}}});
  }
};

Frame frame(const DrawingList& list, int head) { return frameAt(list, head); }

TEST(DrawAll, DrawsTheSamePixelsEveryTime) {
  Picture p;
  RedrawEnv e = p.env();
  DrawAll(e, 1);
  const Surface first = p.canvas;
  DrawAll(e, 1);
  EXPECT_TRUE(p.canvas == first);
  EXPECT_EQ(p.ui.copies, 2);
  // Something of every record reached the canvas, in both copies.
  EXPECT_EQ(p.canvas.point(35, 35), kRedFill);
  EXPECT_EQ(p.canvas.point(155, 35), kRedFill);
  EXPECT_EQ(p.canvas.point(90, 100), kBlueFill);
  EXPECT_EQ(p.canvas.point(210, 100), kBlueFill);
  EXPECT_EQ(p.canvas.point(60, 140), kBlack);
  EXPECT_EQ(p.canvas.point(180, 140), kBlack);
}

TEST(DrawAll, DrawsWhatDrawingEachRecordByHandDraws) {
  Picture p;
  RedrawEnv e = p.env();
  DrawAll(e, 1);
  const Surface redrawn = p.canvas;

  Picture q;
  q.canvas.clear();
  CanvasDrawing d = q.drawing();
  const std::span<const float> X(q.list.G0), Y(q.list.G1);
  q.ctx.ExtendLast = -1;
  const Frame geo = frame(q.list, 0);
  q.ctx.ExtendFirst = 1;
  GeoSegments(q.sym, q.ctx, X, Y, geo.first, geo.last, kBlack, kTypeGeometric);
  q.ctx.ExtendFirst = 0;
  q.sym.CurPart = 1;  // the block's closing entry selects part 1
  CheckSymData(q.sym, q.list);
  Frame f = frame(q.list, q.square);
  PlotLines(d, q.list, f.first, f.last, 0, 100, kTypePolyLine);
  f = frame(q.list, q.spline);
  SplineDraw(d, q.list, f.first, f.last, 0, kWholeSpline);
  f = frame(q.list, q.circle);
  Circles(q.sym, q.ctx, X, Y, f.first, f.last, 0, kTypeCircle2);
  f = frame(q.list, q.multi);
  PlotLines(d, q.list, f.first, f.last, 0, 100, kTypeMultiLine);
  q.ctx.ExtendLast = 0;
  // Then the fills, in list order.
  SymmPaint(q.sym, q.ctx, kRedFill, 35, 35, kBlack, FillType::Border);
  SymmPaint(q.sym, q.ctx, kBlueFill, 90, 100, kBlack, FillType::Border);

  EXPECT_TRUE(redrawn == q.canvas);
}

TEST(DrawAll, FillsComeAfterEveryLine) {
  Picture p;
  RedrawEnv e = p.env();
  DrawAll(e, 1);
  // The red fill stands before its square in the list, yet it stays inside it.
  EXPECT_EQ(p.canvas.point(35, 35), kRedFill);
  EXPECT_EQ(p.canvas.point(60, 35), kBlack);
  EXPECT_EQ(p.canvas.point(5, 5), kWhite);
  EXPECT_EQ(p.canvas.point(70, 35), kWhite);
  EXPECT_EQ(p.canvas.point(155, 35), kRedFill);
  EXPECT_EQ(p.canvas.point(130, 5), kWhite);
}

TEST(DrawAll, WithThePaintPanelHiddenDrawsThePictureWithoutItsFills) {
  Picture p;
  p.ed.ColorToolsOn = false;
  RedrawEnv e = p.env();
  DrawAll(e, 1);
  EXPECT_EQ(p.canvas.point(35, 35), kWhite);
  EXPECT_EQ(p.canvas.point(60, 35), kBlack);
  EXPECT_EQ(p.ed.ProgressTotal, 2);  // still counted
}

// A column of separate polylines, one per record, so that pixels show which
// records were drawn.
struct Column : Scene {
  static constexpr int kLines = 8;
  Column() {
    for (int k = 0; k < kLines; ++k) {
      const float y = 10.0f + 15.0f * k;
      addShape(kTypePolyLine, {{10, y}, {100, y}});
    }
  }
  bool drawn(int k) const { return canvas.point(50, 10 + 15 * k) == kBlack; }
};

TEST(DrawAll, TheStopButtonEndsTheRedrawAtTheNextRecord) {
  Column c;
  RedrawEnv e = c.env();
  // Pump 1 shows the stop button; pump 2 + k runs before record k.
  c.host.onPump = [&] {
    if (c.host.pumps == 2 + 3) StopSign_Click(c.ed);
  };
  DrawAll(e, 1);
  for (int k = 0; k < Column::kLines; ++k) EXPECT_EQ(c.drawn(k), k <= 3) << k;
  // The finish still ran: the request is forgotten and the window is usable.
  EXPECT_EQ(c.ed.StopFlag, 0);
  EXPECT_FALSE(c.ed.DrawBusy);
  EXPECT_FALSE(c.ed.Redrawing);
  EXPECT_FALSE(c.ui.stopVisible);
  EXPECT_TRUE(c.ui.menusOn);
  EXPECT_EQ(c.ui.copies, 1);
}

TEST(DrawAll, TheCtrlKeyEndsTheRedrawLikeTheStopButton) {
  Column c;
  RedrawEnv e = c.env();
  c.host.onPump = [&] { c.host.ctrl = c.host.pumps >= 2 + 5; };
  DrawAll(e, 1);
  for (int k = 0; k < Column::kLines; ++k) EXPECT_EQ(c.drawn(k), k <= 5) << k;
}

TEST(DrawAll, AStopIsIgnoredWhileAColourActionIsUnderWay) {
  for (int mode : {kColorPicked, kColorSwapArmed}) {
    Column c;
    c.ed.ColorMode = mode;
    RedrawEnv e = c.env();
    c.host.onPump = [&] {
      StopSign_Click(c.ed);
      c.host.ctrl = true;
    };
    DrawAll(e, 1);
    for (int k = 0; k < Column::kLines; ++k) EXPECT_TRUE(c.drawn(k)) << mode << " " << k;
  }
}

TEST(DrawAll, AStopClickBetweenRedrawsIsForgotten) {
  Column c;
  RedrawEnv e = c.env();
  StopSign_Click(c.ed);
  DrawAll(e, 1);
  for (int k = 0; k < Column::kLines; ++k) EXPECT_TRUE(c.drawn(k)) << k;
}

TEST(DrawAll, IsNeverReEnteredFromTheEventPump) {
  Column c;
  RedrawEnv e = c.env();
  int nested = 0;
  c.host.onPump = [&] {
    if (nested++ < 3) DrawAll(e, 1);  // a Redraw click while the redraw runs
    EXPECT_TRUE(RedrawRunning(c.ed));
  };
  DrawAll(e, 1);
  EXPECT_EQ(c.ui.copies, 1);
  EXPECT_EQ(c.ui.noRedrawStarts, 1);
  EXPECT_FALSE(RedrawRunning(c.ed));
  for (int k = 0; k < Column::kLines; ++k) EXPECT_TRUE(c.drawn(k)) << k;
}

TEST(DrawAll, TheRedrawButtonJustAfterARedrawOnlyCancelsTheColourAction) {
  Column c;
  c.ui.noRedraw = true;
  c.ed.ColorMode = kColorSwapArmed;
  c.colour.SwapIndex = 3;
  RedrawEnv e = c.env();
  DrawAll(e, 0);
  EXPECT_EQ(c.ed.ColorMode, kColorIdle);
  EXPECT_EQ(c.colour.SwapIndex, 0);
  EXPECT_FALSE(c.drawn(0));
  EXPECT_EQ(c.ui.copies, 0);
  EXPECT_FALSE(c.ed.Redrawing);
  DrawAll(e, 1);  // every other caller is not held back
  EXPECT_TRUE(c.drawn(0));
}

TEST(DrawAll, AWheelTurnRecoloursTheFillsOverTheCanvasAsItStands) {
  Picture p;
  RedrawEnv e = p.env();
  DrawAll(e, 1);
  // A closed box that no redraw draws and no fill reaches.
  p.canvas.setPenColor(kBlack);
  p.canvas.box(200, 120, 230, 150);
  p.canvas.fillBox(201, 121, 229, 149, 0x654321);

  p.ed.ColorMode = kColorWheelApplying;
  p.colour.RotateStep = 4;
  DrawAll(e, 1);
  EXPECT_EQ(p.canvas.point(215, 135), 0x654321u);  // the canvas was not cleared
  // Red, blue and green are wheel colours: each turns four steps on.
  EXPECT_EQ(p.canvas.point(35, 35), kGreenFill);
  EXPECT_EQ(p.canvas.point(155, 35), kGreenFill);
  EXPECT_EQ(p.canvas.point(90, 100), kRedFill);
  const Frame f = frame(p.list, p.paintEarly);
  EXPECT_EQ(p.list.G0[f.first], 21412.0f);
  EXPECT_EQ(p.list.G1[f.first], float(kGreenFill));
  EXPECT_TRUE(p.ed.PicChanged);
  EXPECT_EQ(p.ed.ColorMode, kColorWheelApplying);  // only an Index 0 request resets it
}

TEST(DrawAll, HighSpeedRepaintShowsThePictureANormalRedrawShows) {
  Picture normal;
  // A later fill of the same region: the newest wins either way.
  normal.addPaint({{0x00FFFF, {35, 35}}});
  RedrawEnv en = normal.env();
  DrawAll(en, 1);

  Picture fast;
  fast.addPaint({{0x00FFFF, {35, 35}}});
  EXPECT_TRUE(PaintOrder_Click(fast.ctx));
  RedrawEnv ef = fast.env();
  DrawAll(ef, 1);
  EXPECT_EQ(fast.ctx.PaintOrderMode, -1);
  EXPECT_EQ(fast.canvas.point(35, 35), 0x00FFFFu);
  EXPECT_TRUE(fast.canvas == normal.canvas);
  EXPECT_FALSE(PaintOrder_Click(fast.ctx));
  EXPECT_EQ(fast.ctx.PaintOrderMode, 0);
}

TEST(DrawAll, FollowsTheListsPartChangesAndEndsInTheLastPart) {
  Scene s;
  s.addTranslationSymmetry();
  s.addShape(kTypePolyLine, {{10, 20}, {50, 20}});        // part 1: both copies
  s.addSingle(float(kCodeSymmetryChg), 100.0f);            // 100 x old + new: part 0
  s.addShape(kTypePolyLine, {{10, 40}, {50, 40}});        // part 0: the base cell only
  RedrawEnv e = s.env();
  DrawAll(e, 1);
  EXPECT_EQ(s.canvas.point(30, 20), kBlack);
  EXPECT_EQ(s.canvas.point(150, 20), kBlack);
  EXPECT_EQ(s.canvas.point(30, 40), kBlack);
  EXPECT_EQ(s.canvas.point(150, 40), kWhite);
  EXPECT_EQ(s.sym.CurPart, 0);
}

TEST(DrawAll, ADamagedRecordIsSteppedOverWithoutReadingPastTheList) {
  Column c;
  c.list.G1[0] = 30000.0f;  // the first header's offset points far past the end
  RedrawEnv e = c.env();
  DrawAll(e, 1);
  EXPECT_FALSE(c.drawn(0));
  for (int k = 1; k < Column::kLines; ++k) EXPECT_TRUE(c.drawn(k)) << k;
}

TEST(DrawAll, ShowsItsProgressAndClearsTheStripAtTheEnd) {
  Picture p;
  RedrawEnv e = p.env();
  Rgb seenDrawing = kWhite, seenPainting = kWhite;
  p.host.onPump = [&] {
    const Rgb left = static_cast<Rgb>(p.ui.strip.point(0, 2));
    if (p.ed.ProgressColor == kProgressDrawColor && left != kWhite) seenDrawing = left;
    if (p.ed.ProgressColor == kProgressPaintColor && left != kWhite) seenPainting = left;
  };
  DrawAll(e, 1);
  EXPECT_EQ(seenDrawing, kProgressDrawColor);
  EXPECT_EQ(seenPainting, kProgressPaintColor);
  EXPECT_TRUE(p.ui.strip == Surface(101, 5, kWhite));
}

}  // namespace
}  // namespace orn::test
