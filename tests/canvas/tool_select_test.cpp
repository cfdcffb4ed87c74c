// Choosing tools: which switches redraw the picture, which draw the edit
// dots, how the buttons are coloured, and which buttons SetDrawButtons
// shows.
#include <gtest/gtest.h>

#include "mouse_fixture.h"

namespace orn::test {
namespace {

constexpr Rgb kBlueFill = 0xFF0000;

// Button colours as the window's buttons would show them.
struct ButtonControls : RecordingControls {
  void setToolButtonColor(int tool, Rgb c) override { colour[tool] = c; }
  std::map<int, Rgb> colour;
};

struct Tools : MouseScene {
  ButtonControls buttons;
  MouseEngine e{MouseEnv{list, sym, ctx, ed, pick, colour, views, host, buttons, mui, splinePolyOn, polyShape}};
  Tools() {
    addShape(kTypePolyLine, {{10, 10}, {100, 10}, {100, 100}, {10, 100}, {10, 10}});
    addPaint({{kBlueFill, {50, 50}}});
    e.DrawAll(1);
  }
  int redraws() const { return buttons.copies; }
};

TEST(ToolSelection, EditDotsComeWithoutARedrawAndGoWithOne) {
  Tools s;
  s.e.DrawType(kToolPolyLine);
  int n = s.redraws();
  s.e.DrawType(kToolEraseLines);
  EXPECT_EQ(s.redraws(), n);  // the dots are drawn over the picture
  EXPECT_EQ(s.ed.DotsMode, kToolEraseLines);
  EXPECT_EQ(s.canvas.point(100, 10), std::int64_t(255));
  s.e.DrawType(kToolPolyLine);
  EXPECT_EQ(s.redraws(), n + 1);  // back to drawing: one redraw, no dots
  EXPECT_EQ(s.canvas.point(100, 11), kBlack);
  EXPECT_EQ(s.canvas.point(101, 11), kWhite);

  // From the colour-handle dots to the point dots: one redraw, point dots.
  s.e.DrawType(kToolAdjustColorHandles);
  EXPECT_EQ(s.ed.DotsMode, kToolAdjustColorHandles);
  n = s.redraws();
  s.e.DrawType(kToolAdjustPoints);
  EXPECT_EQ(s.redraws(), n + 1);
  EXPECT_EQ(s.ed.DotsMode, kToolAdjustPoints);
  EXPECT_EQ(s.canvas.point(100, 10), std::int64_t(255));
}

TEST(ToolSelection, ChoosingTheCurrentToolAgain) {
  Tools s;
  s.e.DrawType(kToolSpline);
  const int n = s.redraws();
  s.e.DrawType(kToolSpline);  // nothing happens
  EXPECT_EQ(s.redraws(), n);

  // Repaint again replays the fills over the canvas without clearing it.
  s.e.DrawType(kToolPaint);
  s.canvas.pset(200, 150, 0x00FF00);
  s.ed.ColorMode = kColorPicked;
  s.e.DrawType(kToolPaint);
  EXPECT_EQ(s.canvas.point(200, 150), std::int64_t(0x00FF00));
  EXPECT_EQ(s.canvas.point(50, 50), std::int64_t(kBlueFill));
  EXPECT_EQ(s.ed.ColorMode, kColorIdle);
  EXPECT_EQ(s.colour.SwapIndex, 0);
}

TEST(ToolSelection, ButtonColoursFollowTheSelectedTool) {
  Tools s;
  s.e.DrawType(kToolCircle3);
  EXPECT_EQ(s.buttons.colour[kToolCircle3], kToolButtonSelected);
  s.e.DrawType(kToolEraseLines);
  EXPECT_EQ(s.buttons.colour[kToolCircle3], kToolButtonDrawing);
  EXPECT_EQ(s.buttons.colour[kToolEraseLines], kToolButtonSelected);
  s.e.DrawType(kToolDuplicate);
  EXPECT_EQ(s.buttons.colour[kToolEraseLines], kToolButtonEditing);
  s.e.DrawType(kToolArc);
  EXPECT_EQ(s.buttons.colour[kToolDuplicate], kToolButtonDrawing);  // 79 rests like a drawing tool
  EXPECT_EQ(s.buttons.colour[kToolArc], kToolButtonSelected);
}

TEST(ToolSelection, LeavingDeleteColorHandleForgetsTheChosenHandle) {
  Tools s;
  s.e.DrawType(kToolDeleteColorHandle);
  s.click(50, 50);
  ASSERT_TRUE(s.mui.killShown);
  s.e.DrawType(kToolEraseLines);
  EXPECT_FALSE(s.mui.killShown);
  EXPECT_EQ(s.e.ms.ColorHandle, kNoHandle);
}

TEST(SetDrawButtons, ShowsTheDrawingButtonsByTheOptions) {
  MouseScene s;
  s.ed.ShowGeoNumbers = false;
  s.m.SetDrawButtons(true);
  for (int t : {0, 1, 2, 3, 4, 5, 75, 76, 80}) EXPECT_TRUE(s.mui.visible[t]) << t;
  EXPECT_FALSE(s.mui.visible[kToolGeometric]);
  EXPECT_FALSE(s.mui.visible[kToolDuplicate]);
  EXPECT_EQ(s.mui.visible.count(kToolPaint) + s.mui.visible.count(77) + s.mui.visible.count(78), 0u);

  // Without splines the spline and convert buttons stay as they are.
  s.m.ms.AllowSplines = false;
  s.ed.ShowGeoNumbers = true;
  s.m.SetDrawButtons(false);
  EXPECT_TRUE(s.mui.visible[kToolSpline]);
  EXPECT_TRUE(s.mui.visible[kToolConvert]);
  EXPECT_FALSE(s.mui.visible[kToolPolyLine]);
  EXPECT_FALSE(s.mui.visible[kToolAdjustPoints]);
  EXPECT_FALSE(s.mui.visible[kToolGeometric]);
  s.m.SetDrawButtons(true);
  EXPECT_TRUE(s.mui.visible[kToolGeometric]);
  EXPECT_TRUE(s.mui.visible[kToolDuplicate]);

  // In paint-only mode the geometry buttons are left alone.
  s.ed.PaintOnlyMode = 1;
  s.m.SetDrawButtons(false);
  EXPECT_TRUE(s.mui.visible[kToolGeometric]);
  EXPECT_FALSE(s.mui.visible[kToolArc]);
}

}  // namespace
}  // namespace orn::test
