// The progress strip, the stop button and the step-back repeat.
#include <gtest/gtest.h>

#include "canvas/progress.h"
#include "redraw_fixture.h"

namespace orn::test {
namespace {

int barLength(const Surface& strip, Rgb colour) {
  int n = 0;
  while (n < strip.width() && strip.point(n, 2) == colour) ++n;
  return n;
}

TEST(ShowProgress, GrowsTheBarToTheShareOfTheWorkDone) {
  RecordingControls ui;
  EditorState ed;
  ed.ProgressColor = 0x80FFFF;
  ShowProgress(ed, ui, 0, 49, 200);  // a quarter of the list
  EXPECT_EQ(barLength(ui.strip, 0x80FFFF), 26);
  for (int y = 0; y < ui.strip.height(); ++y) EXPECT_EQ(ui.strip.point(0, y), 0x80FFFF);

  // The bar only grows: a smaller share leaves it as it is.
  ed.ProgressColor = 0x80FF80;
  ShowProgress(ed, ui, 0, 9, 200);
  EXPECT_EQ(barLength(ui.strip, 0x80FF80), 6);
  EXPECT_EQ(ui.strip.point(20, 2), 0x80FFFF);

  // The last entry fills the strip.
  ShowProgress(ed, ui, 0, 199, 200);
  EXPECT_EQ(barLength(ui.strip, 0x80FF80), ui.strip.width());
}

TEST(ShowProgress, CountsItemsOnlyWhenTheRedrawHasCountedSome) {
  RecordingControls ui;
  EditorState ed;
  ed.ProgressTotal = 0;
  ShowProgress(ed, ui, -1, 5, 100);
  EXPECT_TRUE(ui.strip == Surface(101, 5, kWhite));
  ShowProgress(ed, ui, 0, 3, 0);  // an empty list: nothing to divide by
  EXPECT_TRUE(ui.strip == Surface(101, 5, kWhite));
  ed.ProgressTotal = 4;
  ShowProgress(ed, ui, -1, 1, 100);
  EXPECT_EQ(barLength(ui.strip, static_cast<Rgb>(ed.ProgressColor)), 51);
}

TEST(StopSign, OnlyAsksForAStop) {
  EditorState ed;
  ed.ColorMode = kColorPicked;
  StopSign_Click(ed);
  EXPECT_EQ(ed.StopFlag, kStopRequested);
  EXPECT_EQ(ed.ColorMode, kColorPicked);
  EXPECT_FALSE(ed.DrawBusy);
}

TEST(UndoPoly, RepeatsSlowlyDuringTheFirstSecondAndFastAfterIt) {
  EditorState ed;
  int steps = 0;
  const auto stepBack = [&] { ++steps; };
  StartUndoPoly(ed, 36000.4);
  EXPECT_TRUE(ed.UndoPolyRunning);
  EXPECT_EQ(ed.PressTime, 36000);
  EXPECT_EQ(ed.UndoPolyInterval, 60);  // the first tick comes after the design interval

  UndoPoly_Timer(ed, 36000.46, stepBack);
  EXPECT_EQ(ed.UndoPolyInterval, 300);
  UndoPoly_Timer(ed, 36001.0, stepBack);
  EXPECT_EQ(ed.UndoPolyInterval, 300);
  UndoPoly_Timer(ed, 36001.1, stepBack);
  EXPECT_EQ(ed.UndoPolyInterval, 30);
  EXPECT_EQ(steps, 3);  // one point per tick

  // A second right press while it runs keeps the first press time.
  StartUndoPoly(ed, 36005.0);
  EXPECT_EQ(ed.PressTime, 36000);
  StopUndoPoly(ed);
  EXPECT_FALSE(ed.UndoPolyRunning);
  EXPECT_EQ(ed.PressTime, 0);
  EXPECT_EQ(ed.UndoPolyInterval, 30);  // kept until its own next tick

  // Pressed just before midnight, the clock wraps: fast at once.
  StartUndoPoly(ed, 86399.7);
  UndoPoly_Timer(ed, 0.1, stepBack);
  EXPECT_EQ(ed.UndoPolyInterval, 30);
}

}  // namespace
}  // namespace orn::test
