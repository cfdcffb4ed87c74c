// The full redraw on a real canvas: what it draws, in which order, and how
// the stop button, the Ctrl key and the colour actions steer it.
#include <gtest/gtest.h>

#include "canvas/progress.h"
#include "canvas_fixture.h"

namespace orn::test {
namespace {

constexpr Rgb kRed = 255;
constexpr Rgb kRedFill = 0x0000FF;
constexpr Rgb kBlueFill = 0xFF0000;
constexpr Rgb kGreenFill = 0x00FF00;

// Every kind of record, in a part of two copies side by side. Its first
// fill comes before the square it lies in.
struct Picture : Scene {
  int paintEarly;
  Picture() {
    AddTranslationSymmetry(list, sym);
    paintEarly = AddPaint(list, {{kRedFill, {35, 35}}});
    AddShape(list, kTypePolyLine, {{10, 10}, {60, 10}, {60, 60}, {10, 60}, {10, 10}});
    AddShape(list, kTypeSpline, {{10, 100}, {30, 80}, {50, 120}, {70, 100}});
    AddShape(list, kTypeCircle2, {{90, 100}, {90, 118}});
    AddShape(list, kTypeMultiLine, {{20, 140}, {100, 140}, {20, 150}, {100, 150}});
    AddPaint(list, {{kBlueFill, {90, 100}}});
  }
  void redraw() {
    RedrawEnv e = env();
    DrawAll(e, 1);
  }
};

TEST(DrawAll, FillsComeAfterEveryLineInEveryCopyTheSameEveryTimeAndAreLeftOutWithThePaintPanelHidden) {
  // The working symmetry limits only what is drawn while drawing: a full
  // redraw draws the lines of every copy, so no copy's fill leaks.
  for (int working : {kAllReplicas, 0}) {
    Picture p;
    p.sym.WorkingSym = working;
    p.redraw();
    const Surface first = p.canvas;
    p.redraw();
    EXPECT_TRUE(p.canvas == first);
    EXPECT_EQ(p.ui.copies, 2);
    // The red fill stands before its square in the list, yet it stays inside it, in both copies.
    for (int dx : {0, 120}) {
      SCOPED_TRACE(testing::Message() << working << " " << dx);
      EXPECT_EQ(p.canvas.point(35 + dx, 35), kRedFill);
      EXPECT_EQ(p.canvas.point(90 + dx, 100), kBlueFill);
      EXPECT_EQ(p.canvas.point(70 + dx, 35), kWhite);
      EXPECT_EQ(p.canvas.point(5 + dx, 5), kWhite);
      EXPECT_TRUE(p.black(60 + dx, 35) && p.black(60 + dx, 140));
    }
  }
  Picture hidden;
  hidden.ed.ColorToolsOn = false;
  hidden.redraw();
  EXPECT_EQ(hidden.canvas.point(35, 35), kWhite);
  EXPECT_TRUE(hidden.black(60, 35));
  EXPECT_EQ(hidden.ed.ProgressTotal, 2);  // still counted
}

// A column of separate polylines, one per record: pixels show which were drawn.
struct Column : Scene {
  static constexpr int kLines = 8;
  Column() {
    for (int k = 0; k < kLines; ++k) AddShape(list, kTypePolyLine, {{10, 10.0f + 15 * k}, {100, 10.0f + 15 * k}});
  }
  // Records 0..last drawn, the rest not.
  void expectDrawnUpTo(int last) const {
    for (int k = 0; k < kLines; ++k) EXPECT_EQ(black(50, 10 + 15 * k), k <= last) << k;
  }
};

TEST(DrawAll, TheStopButtonOrCtrlEndsTheRedrawAtTheNextRecordOnlyWhileNoColourActionRuns) {
  struct Case { bool ctrl; int mode; int drawnUpTo; };
  for (const Case c : {Case{false, kColorIdle, 3}, Case{true, kColorIdle, 3},
                       Case{false, kColorPicked, 7}, Case{true, kColorSwapArmed, 7}}) {
    SCOPED_TRACE(testing::Message() << c.ctrl << " " << c.mode);
    Column s;
    s.ed.ColorMode = c.mode;
    RedrawEnv e = s.env();
    // Pump 1 shows the stop button; pump 2 + k runs before record k.
    s.host.onPump = [&] {
      if (s.host.pumps < 2 + 3) return;
      if (c.ctrl) s.host.ctrl = true;
      else StopSign_Click(s.ed);
    };
    DrawAll(e, 1);
    s.expectDrawnUpTo(c.drawnUpTo);
    // The finish still ran: the request is forgotten and the window is usable.
    EXPECT_EQ(s.ed.StopFlag, 0);
    EXPECT_FALSE(s.ed.DrawBusy || s.ed.Redrawing || s.ui.stopVisible);
    EXPECT_TRUE(s.ui.menusOn);
    EXPECT_EQ(s.ui.copies, 1);
  }
  Column s;  // a stop click between redraws is forgotten
  StopSign_Click(s.ed);
  EXPECT_EQ(s.ed.StopFlag, kStopRequested);
  RedrawEnv e = s.env();
  DrawAll(e, 1);
  s.expectDrawnUpTo(7);
}

TEST(DrawAll, AWheelTurnRecoloursTheFillsOverTheCanvasAsItStands) {
  Picture p;
  p.redraw();
  p.canvas.setPenColor(kBlack);  // a closed box no redraw draws and no fill reaches
  p.canvas.box(200, 120, 230, 150);
  p.canvas.fillBox(201, 121, 229, 149, 0x654321);
  p.ed.ColorMode = kColorWheelApplying;
  p.colour.RotateStep = 4;
  p.redraw();
  EXPECT_EQ(p.canvas.point(215, 135), 0x654321u);  // not cleared
  EXPECT_EQ(p.canvas.point(35, 35), kGreenFill);    // each wheel colour turns four steps on
  EXPECT_EQ(p.canvas.point(155, 35), kGreenFill);
  EXPECT_EQ(p.canvas.point(90, 100), kRedFill);
  const Frame f = frameAt(p.list, p.paintEarly);
  EXPECT_EQ(EntriesOf(p.list, f.first, f.first), (Entries{{21412.0f, float(kGreenFill)}}));
  EXPECT_TRUE(p.ed.PicChanged);
  EXPECT_EQ(p.ed.ColorMode, kColorWheelApplying);
}

// Twenty boxes filled by one PAINT record, the last box twice. High Speed
// Repaint paints them from the newest fill back (the redraw pumps events
// every ten fills, so the order shows); the normal redraw from the oldest.
// Both end with the same picture, where the later fill of a box wins.
TEST(DrawAll, HighSpeedRepaintFillsFromTheNewestFillBackToTheSamePicture) {
  Surface normal;
  for (bool highSpeed : {false, true}) {
    SCOPED_TRACE(highSpeed);
    Scene s;
    std::vector<std::pair<Rgb, Pt>> fills;
    for (int k = 0; k < 20; ++k) {
      const float x = 5.0f + 11 * (k % 10), y = 5.0f + 11 * (k / 10);
      AddShape(s.list, kTypePolyLine, {{x, y}, {x + 9, y}, {x + 9, y + 9}, {x, y + 9}, {x, y}});
      fills.push_back({0x0000FF, {x + 4, y + 4}});
    }
    fills.push_back({0xFF0000, fills.back().second});
    AddPaint(s.list, fills);
    if (highSpeed) {
      EXPECT_TRUE(PaintOrder_Click(s.ctx));
    }
    bool newestBeforeOldest = false, oldestBeforeNewest = false;
    s.host.onPump = [&] {
      const bool oldest = s.canvas.point(9, 9) == 0x0000FF;
      const bool newest = s.canvas.point(9 + 11 * 9, 20) == 0xFF0000;
      newestBeforeOldest = newestBeforeOldest || (newest && !oldest);
      oldestBeforeNewest = oldestBeforeNewest || (oldest && !newest);
    };
    RedrawEnv e = s.env();
    DrawAll(e, 1);
    EXPECT_EQ(newestBeforeOldest, highSpeed);
    EXPECT_EQ(oldestBeforeNewest, !highSpeed);
    EXPECT_EQ(s.canvas.point(9, 9), 0x0000FF);
    EXPECT_EQ(s.canvas.point(9 + 11 * 9, 20), 0xFF0000);
    if (highSpeed) {
      EXPECT_TRUE(s.canvas == normal);
      EXPECT_FALSE(PaintOrder_Click(s.ctx));
    }
    normal = s.canvas;
  }
}

TEST(DrawAll, ASymmetryChangeSwitchesToTheNewPartOfAWholeValueOnly) {
  Scene s;
  AddTranslationSymmetry(s.list, s.sym);
  Append(s.list, {{float(kCodeSymmetryChg), 101.0f}});  // part 1 to part 1
  AddShape(s.list, kTypePolyLine, {{10, 20}, {50, 20}});
  Append(s.list, {{float(kCodeSymmetryChg), -2.0f}});   // the start mark switches nothing
  AddShape(s.list, kTypePolyLine, {{10, 40}, {50, 40}});
  Append(s.list, {{float(kCodeSymmetryChg), 100.5f}});  // not a whole number: stepped over
  AddShape(s.list, kTypePolyLine, {{10, 60}, {50, 60}});
  Append(s.list, {{float(kCodeSymmetryChg), 100.0f}});  // part 0: the base cell only
  AddShape(s.list, kTypePolyLine, {{10, 80}, {50, 80}});
  RedrawEnv e = s.env();
  DrawAll(e, 1);
  for (int y : {20, 40, 60, 80}) EXPECT_TRUE(s.black(30, y) && s.black(150, y) == (y != 80)) << y;
  EXPECT_EQ(s.sym.CurPart, 0);
}

TEST(DrawAll, ADamagedRecordIsSteppedOverWithoutReadingPastTheList) {
  Column c;
  c.list.G1[0] = 30000.0f;  // the first header's offset points far past the end
  RedrawEnv e = c.env();
  DrawAll(e, 1);
  for (int k = 0; k < Column::kLines; ++k) EXPECT_EQ(c.black(50, 10 + 15 * k), k > 0) << k;
}

TEST(DrawAll, BaseShapesAheadOfTheSymmetryFollowTheGridColour) {
  for (int grid : {0, 1, 2}) {
    Scene s;
    AddTranslationSymmetry(s.list, s.sym);
    AddShape(s.list, kTypeGeometric, {{20, 100}, {40, 100}, {40, 120}, {30, 110}});
    s.ed.GridMode = grid;
    RedrawEnv e = s.env();
    DrawAll(e, 1);
    const Rgb want[] = {kBlack, kRed, kWhite};
    EXPECT_EQ(s.canvas.point(60, 0), want[grid]) << grid;
    EXPECT_TRUE(s.black(30, 100) && s.black(150, 100)) << grid;  // later ones always black
  }
}

TEST(DrawAll, TheCaptureRedrawDrawsOnlyTheLeadingBaseShapesInRed) {
  Scene s;
  AddShape(s.list, kTypeGeometric, {{10, 10}, {60, 10}, {60, 60}, {35, 35}});
  AddShape(s.list, kTypePolyLine, {{10, 100}, {60, 100}});
  AddShape(s.list, kTypeGeometric, {{100, 10}, {150, 10}, {150, 60}, {125, 35}});
  AddPaint(s.list, {{0xFF0000, {40, 20}}});
  s.sym.GeoCapture = 1;
  RedrawEnv e = s.env();
  DrawAll(e, 1);
  EXPECT_EQ(s.canvas.point(35, 10), kRed);
  for (auto [x, y] : {std::pair{35, 100}, {125, 10}, {40, 20}}) EXPECT_EQ(s.canvas.point(x, y), kWhite) << x;
  EXPECT_EQ(s.sym.GeoCapture, 2);
  EXPECT_EQ(s.ui.handles, 0);
  DrawAll(e, 1);  // later set-up redraws end with the handles
  EXPECT_EQ(s.ui.handles, 1);
}

TEST(DrawAll, AnEditToolGetsItsDotsOnlyAfterARedrawThatRanToItsEnd) {
  for (bool ctrl : {false, true}) {
    Scene s;
    AddShape(s.list, kTypePolyLine, {{10, 10}, {60, 10}});
    AddShape(s.list, kTypePolyLine, {{10, 40}, {60, 40}});
    s.ed.CurDrawType = kToolAdjustPoints;
    s.host.ctrl = ctrl;
    RedrawEnv e = s.env();
    DrawAll(e, 1);
    EXPECT_TRUE(s.black(30, 10)) << ctrl;
    EXPECT_EQ(s.black(30, 40), !ctrl) << ctrl;
    EXPECT_EQ(s.canvas.point(10, 10), ctrl ? kBlack : kRed) << ctrl;
    EXPECT_EQ(s.ed.DotsMode, ctrl ? 0 : kToolAdjustPoints) << ctrl;
  }
}

TEST(DrawAll, TheProjectViewSeparatesItsPagesWithBlackLines) {
  Scene s;
  s.ed.ProjectView = true;
  s.ed.ProjPages = 2;
  s.views.at(7, 2) = 200.0f;  // the project's right edge
  s.views.at(7, 5) = 150.0f;  // and its bottom
  RedrawEnv e = s.env();
  DrawAll(e, 1);
  EXPECT_TRUE(s.black(200, 40) && s.black(100, 75) && s.black(100, 150) && !s.black(100, 100));
  s.ed.ProjPages = 0;  // only the right edge
  DrawAll(e, 1);
  EXPECT_TRUE(s.black(200, 40) && !s.black(100, 150));
}

TEST(Progress, AnEmptyListDrawsNoBarAndTheRedrawShowsBothPhasesThenClearsTheStrip) {
  RecordingControls empty;
  EditorState ed;
  ShowProgress(ed, empty, 0, 3, 0);  // nothing to divide by
  EXPECT_TRUE(empty.strip == Surface(101, 5, kWhite));
  Picture p;
  // The bar's colour during each pass, read off the strip: light yellow
  // while shapes are drawn, light green while fills are painted.
  std::vector<Rgb> seen;
  p.host.onPump = [&] {
    const Rgb left = static_cast<Rgb>(p.ui.strip.point(0, 2));
    if (left != kWhite && (seen.empty() || seen.back() != left)) seen.push_back(left);
  };
  p.redraw();
  EXPECT_EQ(seen, (std::vector<Rgb>{0x80FFFF, 0x80FF80}));
  EXPECT_TRUE(p.ui.strip == Surface(101, 5, kWhite));
}

TEST(UndoPoly, RepeatsSlowlyDuringTheFirstSecondAndFastAfterItAcrossMidnight) {
  EditorState ed;
  int steps = 0;
  const auto stepBack = [&] { ++steps; };
  StartUndoPoly(ed, 36000.4);
  EXPECT_EQ(ed.UndoPolyInterval, 60);
  for (auto [now, interval] : {std::pair{36000.46, 300}, {36001.0, 300}, {36001.1, 30}}) {
    UndoPoly_Timer(ed, now, stepBack);
    EXPECT_EQ(ed.UndoPolyInterval, interval) << now;
  }
  EXPECT_EQ(steps, 3);
  StartUndoPoly(ed, 36005.0);  // a second press while it runs keeps the first time
  EXPECT_EQ(ed.PressTime, 36000);
  StopUndoPoly(ed);
  EXPECT_FALSE(ed.UndoPolyRunning);
  StartUndoPoly(ed, 86399.7);  // the clock wraps: fast at once
  UndoPoly_Timer(ed, 0.1, stepBack);
  EXPECT_EQ(ed.UndoPolyInterval, 30);
}

}  // namespace
}  // namespace orn::test
