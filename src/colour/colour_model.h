#pragma once
// Conversions between RGB colour values and the HLS model (hue in degrees,
// lightness and saturation from 0 to 1). Painting a picture in gray uses the
// gray of equal lightness; the custom-colour grid picks a ring colour that
// stands out from a swatch by its lightness.
//
// Every intermediate value is kept as a 32-bit float, as the colour
// arithmetic of the stored pictures was done, and whole-number results are
// rounded half to even.
#include "platform/core/surface.h"

namespace orn {

struct RgbParts {
  int R = 0;
  int G = 0;
  int B = 0;
  bool operator==(const RgbParts&) const = default;
};

struct Hls {
  float H = 0.0f;  // degrees, 0 <= H < 360
  float L = 0.0f;  // 0 to 1
  float S = 0.0f;  // 0 to 1
};

// The red, green and blue bytes of a colour (red in the low byte).
RgbParts SplitRGB(Rgb colour);
Rgb JoinRGB(RgbParts p);

// Double-hexcone HLS of components 0..255.
Hls RGBToHLS(int R, int G, int B);
// Components 0..255 of a hue, lightness and saturation; a saturation below
// 0.0001 gives the gray of the lightness.
RgbParts HLSToRGB(float H, float L, float S);

// The HLS lightness of a colour.
float LightnessOf(Rgb colour);
// The gray of the same lightness; `L` receives that lightness.
Rgb GrayOf(Rgb colour, float& L);
Rgb GrayOf(Rgb colour);

}  // namespace orn
