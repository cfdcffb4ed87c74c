#include "colour/colour_model.h"

#include <cmath>

namespace orn {

namespace {

// Rounds to the nearest whole number, halves to the even one.
int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// The value of one colour channel at hue angle h between the two levels.
float channel(float m1, float m2, float h) {
  if (h > 360.0f) {
    h = static_cast<float>(h - 360.0);
  } else if (h < 0.0f) {
    h = static_cast<float>(h + 360.0);
  }
  if (h < 60.0f) return static_cast<float>(m1 + (double(m2) - m1) * h / 60.0);
  if (h < 180.0f) return m2;
  if (h >= 240.0f) return m1;
  return static_cast<float>(m1 + (double(m2) - m1) * (240.0 - h) / 60.0);
}

}  // namespace

RgbParts SplitRGB(Rgb colour) {
  return RgbParts{static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF)};
}

Rgb JoinRGB(RgbParts p) { return rgb(p.R, p.G, p.B); }

Hls RGBToHLS(int R, int G, int B) {
  const float r = static_cast<float>(R / 255.0);
  const float g = static_cast<float>(G / 255.0);
  const float b = static_cast<float>(B / 255.0);
  float mx = r;
  if (g > mx) mx = g;
  if (b > mx) mx = b;
  float mn = r;
  if (g < mn) mn = g;
  if (b < mn) mn = b;

  Hls out;
  out.L = static_cast<float>((double(mx) + mn) / 2.0);
  if (mx == mn) return out;  // a gray: no hue, no saturation

  const float d = static_cast<float>(double(mx) - mn);
  out.S = out.L <= 0.5f ? static_cast<float>(d / (double(mx) + mn))
                        : static_cast<float>(d / (2.0 - mx - mn));
  const float rc = static_cast<float>((double(mx) - r) / d);
  const float gc = static_cast<float>((double(mx) - g) / d);
  const float bc = static_cast<float>((double(mx) - b) / d);
  float h;
  if (r == mx) {
    h = static_cast<float>(double(bc) - gc);
  } else if (g == mx) {
    h = static_cast<float>(2.0 + rc - bc);
  } else {
    h = static_cast<float>(4.0 + gc - rc);
  }
  h = static_cast<float>(h * 60.0);
  if (h < 0.0f) h = static_cast<float>(h + 360.0);
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
      m2 = static_cast<float>(L * (1.0 + S));
      m1 = static_cast<float>(L - double(L) * S);
    } else {
      m2 = static_cast<float>(double(L) + S - double(L) * S);
      m1 = static_cast<float>(L - (1.0 - L) * S);
    }
    r = channel(m1, m2, static_cast<float>(H + 120.0));
    g = channel(m1, m2, H);
    b = channel(m1, m2, static_cast<float>(H - 120.0));
  }
  return RgbParts{roundEven(255.0 * r), roundEven(255.0 * g), roundEven(255.0 * b)};
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
