// What the tool buttons show after the commands that change them: a step
// back that re-opens a record of another tool moves the selection to that
// tool's button, a redraw colours the current tool's button while it runs,
// hiding and showing the drawing buttons reaches every one of them, and a
// step back on an empty picture greys "Setup Symmetry".
#include <gtest/gtest.h>

#include <algorithm>

#include "canvas_fixture.h"

namespace orn::test {
namespace {

constexpr Rgb kDrawingButton = 0x80FFFF, kSelectedButton = 0xFFFFFF, kEditingButton = 0x80FF80;

TEST(ToolButtonFollowups, AStepBackIntoARecordOfAnotherToolSelectsThatToolsButton) {
  const struct {
    int drawnWith;
    Entries clicks;
    int current;
  } cases[] = {
      {kToolCircle2, {{60, 60}, {60, 80}}, kToolPolyLine},
      {kToolPolyLine, {{10, 10}, {50, 10}, {50, 10}}, kToolArc},
      {kToolArc, {{20, 60}, {60, 60}, {40, 40}}, kToolGeometric},  // leaving the Geometric tool
      {kToolGeometric, {{100, 100}, {130, 100}}, kToolSpline},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "drawn with " << c.drawnWith << ", then tool " << c.current);
    MouseScene s;
    s.tool(c.drawnWith);
    for (auto [x, y] : c.clicks) s.click(x, y);
    ASSERT_FALSE(s.list.recordOpen());
    s.tool(c.current);
    const int geoSh = s.ui.geoSh;
    s.press(200, 150, 2);
    EXPECT_EQ(s.ed.CurDrawType, c.drawnWith);
    EXPECT_EQ(s.ui.toolColours[c.current], kDrawingButton);
    EXPECT_EQ(s.ui.toolColours[c.drawnWith], kSelectedButton);
    if (c.current == kToolGeometric || c.drawnWith == kToolGeometric) {
      EXPECT_GT(s.ui.geoSh, geoSh);  // its button shows the polygon number again
    }
  }
}

TEST(ToolButtonFollowups, ARedrawColoursTheCurrentToolsButtonWhileItRunsAndSelectsItAfter) {
  for (int tool : {kToolSpline, kToolArc, kToolAdjustPoints, kToolConvert}) {
    SCOPED_TRACE(tool);
    MouseScene s;
    AddShape(s.list, kTypePolyLine, {{10, 10}, {100, 100}});
    AddShape(s.list, kTypePolyLine, {{10, 100}, {100, 10}});
    s.tool(tool);
    std::vector<Rgb> during;
    s.host.onPump = [&] { during.push_back(s.ui.toolColours[tool]); };
    s.m.DrawAll(1);
    s.host.onPump = nullptr;
    const Rgb busy = tool > 74 ? kEditingButton : kDrawingButton;
    EXPECT_NE(std::find(during.begin(), during.end(), busy), during.end());
    EXPECT_EQ(s.ui.toolColours[tool], kSelectedButton);
  }
}

TEST(ToolButtonFollowups, HidingAndShowingTheDrawingButtonsReachesEveryOne) {
  MouseScene s;
  s.ed.ShowGeoNumbers = true;
  const int buttons[] = {kToolSpline,   kToolPolyLine,     kToolMultiLine,  kToolCircle2,
                         kToolCircle3,  kToolArc,          kToolGeometric,  kToolDuplicate,
                         kToolAdjustPoints, kToolEraseLines, kToolConvert};
  for (bool show : {false, true}) {
    s.mui.visible.clear();
    s.m.SetDrawButtons(show);
    for (int b : buttons) {
      ASSERT_TRUE(s.mui.visible.count(b)) << b;
      EXPECT_EQ(s.mui.visible[b], show) << b;
    }
  }
}

TEST(ToolButtonFollowups, AStepBackOnAnEmptyPictureGreysTheSetupAndChangesNothingElse) {
  MouseScene s;
  s.mui.editsym = true;
  const DrawingList before = s.list;
  s.press(50, 50, 2);
  EXPECT_FALSE(s.mui.editsym);
  EXPECT_EQ(s.list.G0, before.G0);
  EXPECT_EQ(s.list.NumPoints, 0);
  EXPECT_TRUE(s.host.boxes.empty());
}

}  // namespace
}  // namespace orn::test
