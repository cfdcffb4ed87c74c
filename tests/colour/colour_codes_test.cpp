// Colour codes: looking colours up in the table, the wheel hue of the
// current colour and turning codes round the wheel.
#include <gtest/gtest.h>

#include "colour/colour_codes.h"

namespace orn {
namespace {

TEST(FixPalIndex, FindsTheFirstWheelCellAndNeverTheBaseRows) {
  ColourTable t = BuiltInColorTable();
  int code = 5;
  EXPECT_TRUE(FixPalIndex(code, 0x0000FF, t));  // pure red: hue 8, shade 4
  EXPECT_EQ(code, 408);
  EXPECT_TRUE(FixPalIndex(code, 0xFF0000, t));  // pure blue: hue 16, shade 4
  EXPECT_EQ(code, 416);

  // A colour in two wheel hues: the lower hue wins.
  t.set(2, 9, 0x010101);
  t.set(0, 14, 0x010101);
  code = 0;
  EXPECT_TRUE(FixPalIndex(code, 0x010101, t));
  EXPECT_EQ(code, 209);

  // Only in hues 0-7, or only in shade 8: the code is left as it was.
  code = 777;
  EXPECT_FALSE(FixPalIndex(code, 0x800000, t));
  EXPECT_EQ(code, 777);
  t.set(8, 12, 0x0A0B0C);
  EXPECT_FALSE(FixPalIndex(code, 0x0A0B0C, t));
  EXPECT_EQ(code, 777);
}

TEST(FetchTagIndex, GivesTheWheelHueOfTheCurrentColour) {
  const int cases[][2] = {{999, 0}, {8, 0}, {512, 4}, {719, 11}, {20, 12}, {420, 12}, {305, 0}, {6, 0}, {-1, 0}};
  for (const auto& c : cases) EXPECT_EQ(FetchTagIndex(c[0]), c[1]) << c[0];
}

TEST(ReColorCode, TurnsWheelCodesAndLeavesEveryOtherCodeAlone) {
  const ColourTable& t = BuiltInColorTable();
  // Red to green; a colour entry keeps its 21000; round past hue 19; a turn back wraps.
  const int cases[][3] = {{408, 4, 412}, {21512, 4, 21516}, {719, 1, 708}, {19, 11, 18},
                          {408, 6, 414}, {108, 0, 108},     {408, -1, 419}};
  for (const auto& c : cases) {
    int code = c[0];
    const std::optional<Rgb> colour = ReColorCode(code, c[1], t);
    EXPECT_EQ(code, c[2]) << c[0];
    ASSERT_TRUE(colour.has_value());
    const int cell = code >= kColorEntryBase ? code - kColorEntryBase : code;
    EXPECT_EQ(*colour, t(ShadeOfCode(cell), HueOfCode(cell)));
  }
  for (int code : {20, 5, 305, 820, 999, 21999, -1}) {
    int c = code;
    EXPECT_FALSE(ReColorCode(c, 3, t).has_value()) << code;
    EXPECT_EQ(c, kNoColorCode);
  }
}

}  // namespace
}  // namespace orn
