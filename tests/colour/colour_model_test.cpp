// The HLS conversions both ways, against values worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "colour/colour_model.h"

namespace orn {
namespace {

struct HlsCase {
  int R, G, B;
  float H, L, S;
  Rgb gray;
};

// Hue ties and the wrap past 300, grays, and mixed colours of every max channel.
const HlsCase kToHls[] = {
    {255, 0, 0, 0.0f, 0.5f, 1.0f, 0x808080},
    {255, 255, 0, 60.0f, 0.5f, 1.0f, 0x808080},
    {255, 0, 255, 300.0f, 0.5f, 1.0f, 0x808080},
    {255, 255, 255, 0.0f, 1.0f, 0.0f, 0xFFFFFF},
    {0, 0, 0, 0.0f, 0.0f, 0.0f, 0x000000},
    {32, 32, 32, 0.0f, 32.0f / 255.0f, 0.0f, 0x202020},
    {128, 64, 32, 20.0f, 80.0f / 255.0f, 0.6f, 0x505050},
    {10, 200, 120, 154.736842f, 105.0f / 255.0f, 190.0f / 210.0f, 0x696969},
    {100, 150, 200, 210.0f, 150.0f / 255.0f, 100.0f / 210.0f, 0x969696},
};

TEST(RgbToHls, GivesTheDoubleHexconeHueLightnessAndSaturation) {
  for (const HlsCase& c : kToHls) {
    SCOPED_TRACE(testing::Message() << c.R << "," << c.G << "," << c.B);
    const Hls hls = RGBToHLS(c.R, c.G, c.B);
    EXPECT_NEAR(hls.H, c.H, 1e-3);
    EXPECT_NEAR(hls.L, c.L, 1e-5);
    EXPECT_NEAR(hls.S, c.S, 1e-5);
    float L = -1.0f;
    EXPECT_EQ(GrayOf(rgb(c.R, c.G, c.B), L), c.gray);
    EXPECT_NEAR(L, c.L, 1e-5);
    EXPECT_NEAR(LightnessOf(rgb(c.R, c.G, c.B)), c.L, 1e-5);
  }
}

struct RgbCase {
  float H, L, S;
  RgbParts rgb;
};

const RgbCase kToRgb[] = {
    {30.0f, 0.5f, 1.0f, {255, 128, 0}},        // 127.5 rounds to the even 128
    {15.0f, 0.6f, 0.8f, {235, 112, 71}},
    {360.0f, 0.5f, 1.0f, {255, 0, 0}},         // 360 wraps for the blue channel only
    {0.0f, 0.5f, 0.00005f, {128, 128, 128}},   // below the saturation threshold: gray
    {0.0f, 0.5f, 0.0001f, {128, 127, 127}},    // at the threshold: a colour
    {77.0f, 0.0f, 0.7f, {0, 0, 0}},
    {0.0f, 0.6f, 0.75f, {230, 77, 77}},        // 255 x 0.9 is 229.5 in single precision: 230
};

// Worked by hand; the grid below checks every sector against the formula.
TEST(HlsToRgb, GivesTheComponentsRoundedHalfToEven) {
  for (const RgbCase& c : kToRgb) {
    SCOPED_TRACE(testing::Message() << c.H << "," << c.L << "," << c.S);
    EXPECT_EQ(HLSToRGB(c.H, c.L, c.S), c.rgb);
  }
}

// The formula written out once more, in single precision from end to end.
RgbParts SinglePrecisionHls(float H, float L, float S) {
  if (S < 0.0001f) {
    const int v = int(std::nearbyint(255.0f * L));
    return {v, v, v};
  }
  const float m2 = L < 0.5f ? L * (1.0f + S) : L + S - L * S;
  const float m1 = L < 0.5f ? L - L * S : L - (1.0f - L) * S;
  auto level = [&](float h) {
    h = h > 360.0f ? h - 360.0f : h < 0.0f ? h + 360.0f : h;
    const float v = h < 60.0f    ? m1 + (m2 - m1) * h / 60.0f
                    : h < 180.0f ? m2
                    : h >= 240.0f ? m1
                                  : m1 + (m2 - m1) * (240.0f - h) / 60.0f;
    return int(std::nearbyint(255.0f * v));
  };
  return {level(H + 120.0f), level(H), level(H - 120.0f)};
}

TEST(HlsToRgb, EveryTripleOfAGridMatchesTheFormulaInSinglePrecision) {
  int differing = 0;
  for (int h = 0; h <= 360; h += 8) {
    for (int l = 0; l <= 14; ++l) {
      for (int s = 0; s <= 14; ++s) {
        const float H = float(h), L = float(l) / 14.0f, S = float(s) / 14.0f;
        const RgbParts want = SinglePrecisionHls(H, L, S);
        if (!(HLSToRGB(H, L, S) == want)) ++differing;
      }
    }
  }
  EXPECT_EQ(differing, 0);
  // 255 x 0.998039 is 254.5 in single precision: the gray rounds to the even 254.
  EXPECT_EQ(GrayOf(0xFEFFFF), 0xFEFEFEu);
}

TEST(HlsConversions, RoundTripEveryColourOfAGrid) {
  // Every sector of the hue circle is visited.
  for (int r = 0; r <= 255; r += 17) {
    for (int g = 0; g <= 255; g += 17) {
      for (int b = 0; b <= 255; b += 17) {
        const Hls hls = RGBToHLS(r, g, b);
        ASSERT_GE(hls.H, 0.0f);
        ASSERT_LT(hls.H, 360.0f);
        ASSERT_EQ(HLSToRGB(hls.H, hls.L, hls.S), (RgbParts{r, g, b})) << r << "," << g << "," << b;
      }
    }
  }
}

TEST(SplitRgb, TakesRedFromTheLowByteAndGrayOfKeepsEveryGray) {
  EXPECT_EQ(SplitRGB(0x12345678), (RgbParts{0x78, 0x56, 0x34}));
  EXPECT_EQ(JoinRGB(SplitRGB(0x00ABCDEF)), 0x00ABCDEFu);
  for (int v = 0; v <= 255; ++v) EXPECT_EQ(GrayOf(rgb(v, v, v)), rgb(v, v, v)) << v;
}

}  // namespace
}  // namespace orn
