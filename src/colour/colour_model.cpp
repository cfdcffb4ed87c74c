#include "colour/colour_model.h"

#include <cmath>

namespace orn {

namespace {

// Rounds to the nearest whole number, halves to the even one.
int roundEven(float v) { return static_cast<int>(std::nearbyint(v)); }

// The value of one colour channel at hue angle h between the two levels.
float channel(float m1, float m2, float h) {
  if (h > 360.0f) {
    h -= 360.0f;
  } else if (h < 0.0f) {
    h += 360.0f;
  }
  if (h < 60.0f) return m1 + (m2 - m1) * h / 60.0f;
  if (h < 180.0f) return m2;
  if (h >= 240.0f) return m1;
  return m1 + (m2 - m1) * (240.0f - h) / 60.0f;
}

}  // namespace

RgbParts SplitRGB(Rgb colour) {
  return RgbParts{static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF)};
}

Rgb JoinRGB(RgbParts p) { return rgb(p.R, p.G, p.B); }

Hls RGBToHLS(int R, int G, int B) {
  const float r = static_cast<float>(R) / 255.0f;
  const float g = static_cast<float>(G) / 255.0f;
  const float b = static_cast<float>(B) / 255.0f;
  float mx = r;
  if (g > mx) mx = g;
  if (b > mx) mx = b;
  float mn = r;
  if (g < mn) mn = g;
  if (b < mn) mn = b;

  Hls out;
  out.L = (mx + mn) / 2.0f;
  if (mx == mn) return out;  // a gray: no hue, no saturation

  const float d = mx - mn;
  out.S = out.L <= 0.5f ? d / (mx + mn) : d / (2.0f - mx - mn);
  const float rc = (mx - r) / d;
  const float gc = (mx - g) / d;
  const float bc = (mx - b) / d;
  float h;
  if (r == mx) {
    h = bc - gc;
  } else if (g == mx) {
    h = 2.0f + rc - bc;
  } else {
    h = 4.0f + gc - rc;
  }
  h *= 60.0f;
  if (h < 0.0f) h += 360.0f;
  out.H = h;
  return out;
}

RgbParts HLSToRGB(float H, float L, float S) {
  float r, g, b;
  if (S < 0.0001f) {
    r = g = b = L;
  } else {
    // m1 = 2L - m2, written the way that keeps the rounding of the two levels apart.
    float m1, m2;
    if (L < 0.5f) {
      m2 = L * (1.0f + S);
      m1 = L - L * S;
    } else {
      m2 = L + S - L * S;
      m1 = L - (1.0f - L) * S;
    }
    r = channel(m1, m2, H + 120.0f);
    g = channel(m1, m2, H);
    b = channel(m1, m2, H - 120.0f);
  }
  return RgbParts{roundEven(255.0f * r), roundEven(255.0f * g), roundEven(255.0f * b)};
}

float LightnessOf(Rgb colour) {
  const RgbParts p = SplitRGB(colour);
  return RGBToHLS(p.R, p.G, p.B).L;
}

Rgb GrayOf(Rgb colour, float& L) {
  const RgbParts p = SplitRGB(colour);
  const Hls hls = RGBToHLS(p.R, p.G, p.B);
  L = hls.L;
  return JoinRGB(HLSToRGB(hls.H, hls.L, 0.0f));
}

Rgb GrayOf(Rgb colour) {
  float L = 0.0f;
  return GrayOf(colour, L);
}

}  // namespace orn
