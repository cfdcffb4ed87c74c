// The colour wheel segment by segment, the first and the last included: a
// click on either point of a segment marks it and turns the picture by the
// steps from the marked one; and every pick of the current colour moves the
// wheel's dot onto the new colour's hue while the wheel is shown.
#include <gtest/gtest.h>

#include <functional>

#include "colour/colour_codes.h"
#include "colour/colour_wheel.h"
#include "colour_fixture.h"

namespace orn::test {
namespace {

const ColourTable& T = BuiltInColorTable();

// A box painted in shade 5 of hue `fillHue`, the current colour shade 3 of
// `currentHue` and a colour in use of shade 6 of `currentHue`, then the
// wheel shown.
struct WheelOn : ColourScene {
  WheelOn(int currentHue, int fillHue) {
    AddShape(list, kTypePolyLine, {{10, 10}, {60, 10}, {60, 60}, {10, 60}, {10, 10}});
    fillAt = AddPaint(list, {{T(5, fillHue), {35, 35}}}) + 2;
    list.G0[fillAt] = float(kColorEntryBase + 500 + fillHue);
    m.DrawAll(1);
    colour.CurrentCode = 300 + currentHue;
    colour.CurrentColor = T(3, currentHue);
    useColours({{600 + currentHue, T(6, currentHue)}});
    t.ToggleColorWheel();
  }
  void clickSpot(int i) {
    const WheelSpot p = WheelSpots[static_cast<std::size_t>(i)];
    t.WheelMD(1, 0, p.x, p.y);
  }
  // The segments whose outer point shows the white dot.
  std::vector<int> dots() const {
    std::vector<int> out;
    for (int s = 0; s < kWheelSteps; ++s) {
      const WheelSpot p = WheelSpots[static_cast<std::size_t>(2 * s)];
      if (t.wheel().point(int(p.x), int(p.y)) == std::int64_t(kWhite)) out.push_back(s);
    }
    return out;
  }
  int fillAt = 0;
};

TEST(WheelSegments, EitherPointOfEverySegmentMarksItAndTurnsThePictureByTheStepsToIt) {
  for (int from : {0, 5, 11}) {
    for (int to = 0; to < kWheelSteps; ++to) {
      for (int spot : {2 * to, 2 * to + 1}) {
        SCOPED_TRACE(::testing::Message() << "from segment " << from << ", point " << spot);
        WheelOn s(8 + from, 8 + from);
        ASSERT_EQ(s.colour.WheelStep, from);
        ASSERT_EQ(s.dots(), std::vector<int>{from});
        s.clickSpot(spot);
        const int steps = (to - from + 12) % 12;
        EXPECT_EQ(s.colour.WheelStep, to);
        EXPECT_EQ(s.colour.RotateStep, steps);
        EXPECT_EQ(s.colour.HarmonyOffset, steps);
        EXPECT_EQ(s.dots(), std::vector<int>{to});
        // Everything that was on the marked hue is now on the clicked one.
        const int hue = 8 + to;
        EXPECT_EQ(EntriesOf(s.list, s.fillAt, s.fillAt),
                  (Entries{{float(kColorEntryBase + 500 + hue), float(T(5, hue))}}));
        EXPECT_EQ(s.canvas.point(35, 35), std::int64_t(T(5, hue)));
        EXPECT_EQ(s.colour.CurrentCode, 300 + hue);
        EXPECT_EQ(s.colour.CurrentColor, T(3, hue));
        EXPECT_EQ(s.colour.ColorsInUse[0].code, 600 + hue);
        EXPECT_EQ(s.colour.ColorsInUse[0].rgb, T(6, hue));
      }
    }
  }
}

// Reset after a turn onto the last segment and one past it onto the first.
TEST(WheelSegments, ResetAfterTurnsOntoTheLastAndFirstSegmentsGivesBackTheColoursAndTheDot) {
  WheelOn s(8 + 3, 8 + 3);
  const Surface start = s.canvas;
  s.clickSpot(23);
  EXPECT_EQ(s.colour.WheelStep, 11);
  s.clickSpot(0);
  EXPECT_EQ(s.colour.RotateStep, 1);
  EXPECT_EQ(s.colour.HarmonyOffset, 9);
  s.t.RotOK_Click(1);
  EXPECT_EQ(s.colour.RotateStep, 3);
  EXPECT_EQ(s.colour.HarmonyOffset, 0);
  EXPECT_TRUE(s.canvas == start);
  EXPECT_EQ(s.colour.CurrentCode, 311);
  EXPECT_EQ(s.dots(), std::vector<int>{3});
}

// Each way of picking a colour moves the dot while the wheel is shown; a
// custom colour off the table leaves it where it was.
TEST(WheelSegments, EveryPickMovesTheDotOntoTheNewColoursHue) {
  WheelOn s(8 + 6, 8 + 6);
  s.t.SetPalette({8, 19, 4, -1});
  s.useColours({{516, T(5, 16)}, {999, 0x123456}, {319, T(3, 19)}});
  s.colour.CustomPalette[2] = 0x123456;  // no colour of the table
  const struct {
    const char* pick;
    std::function<void(WheelOn&)> act;
    int code;
    std::vector<int> dots;
  } picks[] = {
      {"palette, first row, first column", [](WheelOn& w) { w.t.P3MD(1, 0, 0.5f, 0.5f); }, 8, {0}},
      {"palette, last row, last column", [](WheelOn& w) { w.t.P3MD(1, 0, 7.5f, 1.5f); }, 719, {11}},
      {"palette, base red is the wheel's red", [](WheelOn& w) { w.t.P3MD(1, 0, 4.5f, 2.5f); }, 408, {0}},
      {"colours in use, first", [](WheelOn& w) { w.clickSwatch(1); }, 516, {8}},
      {"colours in use, last", [](WheelOn& w) { w.clickSwatch(3); }, 319, {11}},
      {"custom colour off the table", [](WheelOn& w) { w.t.Picture10_MouseDown(1, 0, 2.5f, 0.5f); }, 999, {11}},
      // A colour in use off the circle marks the first segment, as it does
      // when the wheel is switched on.
      {"colours in use, off the table", [](WheelOn& w) { w.clickSwatch(2); }, 999, {0}},
  };
  for (const auto& p : picks) {
    SCOPED_TRACE(p.pick);
    p.act(s);
    EXPECT_EQ(s.colour.CurrentCode, p.code);
    EXPECT_EQ(s.dots(), p.dots);
    EXPECT_EQ(s.colour.WheelStep, p.dots[0]);
  }
}

}  // namespace
}  // namespace orn::test
