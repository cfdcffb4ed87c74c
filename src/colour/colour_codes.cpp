#include "colour/colour_codes.h"

namespace orn {

bool FixPalIndex(int& code, Rgb colour, const ColourTable& table) {
  colour &= 0xFFFFFF;
  for (int hue = kFirstWheelHue; hue < kHueCount; ++hue) {
    for (int shade = 0; shade < 8; ++shade) {
      if (table(shade, hue) == colour) {
        code = MakeColorCode(shade, hue);
        return true;
      }
    }
  }
  return false;
}

int FetchTagIndex(int currentCode) {
  if (currentCode == kOffTableCode) return 0;
  const int k = currentCode % 100 - kFirstWheelHue;
  return (k >= 0 && k <= 12) ? k : 0;
}

std::optional<Rgb> ReColorCode(int& code, int rotateStep, const ColourTable& table) {
  int flag = 0;
  int c = code;
  if (c >= kColorEntryBase) {
    flag = kColorEntryBase;
    c -= kColorEntryBase;
  }
  const int hue = HueOfCode(c);
  const int shade = ShadeOfCode(c);
  if (hue >= kFirstWheelHue && hue <= kLastWheelHue && shade >= 0 && shade < 8) {
    // Keep the step inside 0..11 so that a negative turn wraps the right way.
    const int step = ((rotateStep % 12) + 12) % 12;
    const int newHue = (hue - kFirstWheelHue + step) % 12 + kFirstWheelHue;
    code = MakeColorCode(shade, newHue) + flag;
    return table(shade, newHue);
  }
  code = kNoColorCode;
  return std::nullopt;
}

}  // namespace orn
