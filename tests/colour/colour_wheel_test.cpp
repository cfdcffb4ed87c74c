// The colour wheel's picture, its click points and the arithmetic of a turn.
#include <gtest/gtest.h>

#include <cmath>

#include "colour/colour_codes.h"
#include "colour/colour_wheel.h"

namespace orn {
namespace {

TEST(ColourWheel, EverySegmentIsFilledInItsHueAroundBothItsPointsAndTheDotMarksTheStep) {
  const ColourTable& t = BuiltInColorTable();
  const Rgb back = 0xEFEFEF;
  const Surface image = WheelImage(back);
  Surface wheel;
  int step = 7;
  MakeWheel(wheel, image, t, 12, step);  // no segment 12: no dot, the step stays
  EXPECT_EQ(step, 7);
  for (int s = 0; s < kWheelSteps; ++s) {
    for (int k : {2 * s, 2 * s + 1}) {
      const WheelSpot p = WheelSpots[static_cast<std::size_t>(k)];
      EXPECT_EQ(wheel.point(int(p.x), int(p.y)), std::int64_t(t(4, 8 + s))) << "point " << k;
    }
  }
  EXPECT_EQ(wheel.point(0, 0), std::int64_t(back));  // outside the rim
  EXPECT_EQ(wheel.point(33, 33), std::int64_t(kBlack));  // the hub

  MakeWheel(wheel, image, t, 5, step);
  EXPECT_EQ(step, 5);
  const WheelSpot dot = WheelSpots[10];
  EXPECT_EQ(wheel.point(int(dot.x), int(dot.y)), std::int64_t(kWhite));
  const WheelSpot other = WheelSpots[8];
  EXPECT_EQ(wheel.point(int(other.x), int(other.y)), std::int64_t(t(4, 12)));
}

TEST(ColourWheel, AClickPicksTheNearestPointAndTheLowerOneOnATie) {
  EXPECT_EQ(NearestWheelSpot(54, 39), 0);
  EXPECT_EQ(NearestWheelSpot(40, 30), 3);
  // Exactly between points 1 and 3, which share their x.
  const WheelSpot a = WheelSpots[1], b = WheelSpots[3];
  EXPECT_EQ(NearestWheelSpot(a.x, (a.y + b.y) / 2), 1);
  EXPECT_EQ(WheelRotateStep(10, 2), 4);
  EXPECT_EQ(WheelRotateStep(2, 10), 8);
  EXPECT_EQ(WheelRotateStep(6, 6), 0);
}

TEST(ColourWheel, ATurnMovesWheelColoursAndColoursEqualToThemAndLeavesTheRestAlone) {
  const ColourTable& t = BuiltInColorTable();
  const struct {
    int code;
    Rgb rgb;
    int step;
    bool turns;
    int newCode;
  } cases[] = {
      {512, t(5, 12), 4, true, 516},
      {21719, t(7, 19), 1, true, 21708},
      {999, 0x0000FF, 4, true, 412},       // off the table, but the wheel's red
      {21999, 0x0000FF, 4, true, 21412},
      {404, 0x0000FF, 6, true, 414},       // a base code of a wheel colour
      {999, 0x123456, 3, false, 999},
      {20, t(0, 20), 5, false, 20},        // hue 20 does not turn
      {106, t(1, 6), 2, false, 106},
  };
  for (const auto& c : cases) {
    int code = c.code;
    Rgb rgb = c.rgb;
    EXPECT_EQ(TurnColour(code, rgb, c.step, t), c.turns) << c.code;
    EXPECT_EQ(code, c.newCode) << c.code;
    const int cell = code % kColorEntryBase;
    EXPECT_EQ(rgb, c.turns ? t(ShadeOfCode(cell), HueOfCode(cell)) : c.rgb) << c.code;
  }
}

}  // namespace
}  // namespace orn
