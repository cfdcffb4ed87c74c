// The full redraw's walk over the list: the part changes it follows, the
// colours of the base shapes, the set-up's capture redraw, and what it leaves
// on the window for an empty picture and for an edit tool.
#include <gtest/gtest.h>

#include "redraw_fixture.h"

namespace orn::test {
namespace {

constexpr Rgb kRed = 255;

// Records what the finish of a redraw did to the set-up handles and the
// dots of an edit tool.
class SetupControls : public RecordingControls {
 public:
  void SymShowHandles(int) override { ++handles; }
  int handles = 0;
};

struct Translated : Scene {
  Translated() { addTranslationSymmetry(); }
  // A black pixel in the base cell and in the copy 120 pixels to the right.
  bool inBase(int x, int y) const { return canvas.point(x, y) == kBlack; }
  bool inCopy(int x, int y) const { return canvas.point(x + 120, y) == kBlack; }
};

TEST(DrawAll, ASymmetryChangeSwitchesToTheNewPartOfItsValueOnly) {
  Translated s;
  s.addSingle(float(kCodeSymmetryChg), 101.0f);  // from part 1 to part 1: no change
  s.addShape(kTypePolyLine, {{10, 20}, {50, 20}});
  s.addSingle(float(kCodeSymmetryChg), -2.0f);   // the start mark switches nothing
  s.addShape(kTypePolyLine, {{10, 40}, {50, 40}});
  s.addSingle(float(kCodeSymmetryChg), 100.5f);  // not a whole number: stepped over
  s.addShape(kTypePolyLine, {{10, 60}, {50, 60}});
  s.addSingle(float(kCodeSymmetryChg), 100.0f);  // part 0: the base cell only
  s.addShape(kTypePolyLine, {{10, 80}, {50, 80}});
  RedrawEnv e = s.env();
  DrawAll(e, 1);
  for (int y : {20, 40, 60}) {
    EXPECT_TRUE(s.inBase(30, y)) << y;
    EXPECT_TRUE(s.inCopy(30, y)) << y;
  }
  EXPECT_TRUE(s.inBase(30, 80));
  EXPECT_FALSE(s.inCopy(30, 80));
  EXPECT_EQ(s.sym.CurPart, 0);
}

TEST(DrawAll, BaseShapesAheadOfTheSymmetryFollowTheGridColour) {
  // The base rectangle's left edge runs along x = 0; a Geometric record after
  // the block is drawn black whatever the grid colour says.
  for (int grid : {0, 1, 2}) {
    Translated s;
    s.addShape(kTypeGeometric, {{20, 100}, {40, 100}, {40, 120}, {30, 110}});
    s.ed.GridMode = grid;
    RedrawEnv e = s.env();
    DrawAll(e, 1);
    const Rgb want[] = {kBlack, kRed, kWhite};
    EXPECT_EQ(s.canvas.point(60, 0), want[grid]) << grid;
    EXPECT_EQ(s.canvas.point(30, 100), kBlack) << grid;
    EXPECT_EQ(s.canvas.point(150, 100), kBlack) << grid;  // and in the copy
  }
}

TEST(DrawAll, TheCaptureRedrawDrawsOnlyTheLeadingBaseShapesInRed) {
  Scene s;
  SetupControls ui;
  s.addShape(kTypeGeometric, {{10, 10}, {60, 10}, {60, 60}, {35, 35}});
  s.addShape(kTypePolyLine, {{10, 100}, {60, 100}});
  s.addShape(kTypeGeometric, {{100, 10}, {150, 10}, {150, 60}, {125, 35}});
  s.addPaint({{0xFF0000, {40, 20}}});
  s.sym.GeoCapture = 1;
  RedrawEnv e{s.list, s.sym, s.ctx, s.ed, s.pick, s.colour, s.views, s.host, ui};
  DrawAll(e, 1);
  EXPECT_EQ(s.canvas.point(35, 10), kRed);
  EXPECT_EQ(s.canvas.point(35, 100), kWhite);  // the walk ended at the polyline
  EXPECT_EQ(s.canvas.point(125, 10), kWhite);
  EXPECT_EQ(s.canvas.point(40, 20), kWhite);   // and no fill was made
  EXPECT_EQ(s.sym.GeoCapture, 2);
  EXPECT_EQ(ui.handles, 0);
  EXPECT_EQ(s.ctx.ExtendLast, 0);

  // Later set-up redraws end with the handles.
  DrawAll(e, 1);
  EXPECT_EQ(ui.handles, 1);
  EXPECT_EQ(s.sym.GeoCapture, 2);
}

TEST(DrawAll, AnEmptyPictureIsClearedAndHidesTheDuplicateButton) {
  Scene s;
  s.canvas.fillBox(0, 0, 20, 20, 0x123456);
  s.ui.dupVisible = true;
  s.ed.ShowGeoNumbers = true;
  RedrawEnv e = s.env();
  DrawAll(e, 1);
  EXPECT_TRUE(s.canvas == Surface(Scene::kWidth, Scene::kHeight, kWhite));
  EXPECT_FALSE(s.ui.dupVisible);
  EXPECT_EQ(s.ed.ProgressTotal, 0);
  EXPECT_EQ(s.ui.copies, 1);

  // A Geometric record brings it back, unless the geometry buttons are off.
  s.addShape(kTypeGeometric, {{10, 10}, {60, 10}, {60, 60}, {35, 35}});
  DrawAll(e, 1);
  EXPECT_TRUE(s.ui.dupVisible);
}

TEST(DrawAll, AnEditToolGetsItsDotsOnlyAfterARedrawThatRanToItsEnd) {
  for (bool ctrl : {false, true}) {
    Scene s;
    s.addShape(kTypePolyLine, {{10, 10}, {60, 10}});
    s.addShape(kTypePolyLine, {{10, 40}, {60, 40}});
    s.ed.CurDrawType = 75;  // "Adjust Points"
    s.host.ctrl = ctrl;
    RedrawEnv e = s.env();
    DrawAll(e, 1);
    // The first record is drawn; with Ctrl held the rest is skipped.
    EXPECT_EQ(s.canvas.point(30, 10), kBlack) << ctrl;
    EXPECT_EQ(s.canvas.point(30, 40), ctrl ? kWhite : kBlack) << ctrl;
    EXPECT_EQ(s.canvas.point(10, 10), ctrl ? kBlack : kRed) << ctrl;
    EXPECT_EQ(s.ed.DotsMode, ctrl ? 0 : 75) << ctrl;
    EXPECT_TRUE(s.ui.menusOn) << ctrl;
    EXPECT_EQ(s.ui.copies, 1) << ctrl;
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
  EXPECT_EQ(s.canvas.point(200, 40), kBlack);
  EXPECT_EQ(s.canvas.point(100, 75), kBlack);
  EXPECT_EQ(s.canvas.point(100, 150), kBlack);
  EXPECT_EQ(s.canvas.point(100, 100), kWhite);

  // Without a page count only the right edge is drawn.
  s.ed.ProjPages = 0;
  DrawAll(e, 1);
  EXPECT_EQ(s.canvas.point(200, 40), kBlack);
  EXPECT_EQ(s.canvas.point(100, 150), kWhite);
}

}  // namespace
}  // namespace orn::test
