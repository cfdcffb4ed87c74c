#include "colour/colour_wheel.h"

#include <cmath>

#include "colour/colour_codes.h"

namespace orn {

const std::array<WheelSpot, 2 * kWheelSteps> WheelSpots = {{
    {54.13f, 39.17f}, {44.4f, 36.32f},  {54.37f, 28.25f}, {44.4f, 30.86f},  {48.43f, 17.81f},
    {41.31f, 25.17f}, {38.46f, 11.87f}, {36.09f, 22.08f}, {27.06f, 11.87f}, {29.68f, 21.84f},
    {17.09f, 17.57f}, {23.74f, 25.4f},  {10.92f, 28.25f}, {20.89f, 31.1f},  {11.4f, 39.88f},
    {22.13f, 36.56f}, {17.09f, 49.62f}, {25.22f, 40.78f}, {27.3f, 55.08f},  {30.2f, 43.63f},
    {38.46f, 54.84f}, {35.85f, 43.63f}, {48.67f, 48.91f}, {41.31f, 41.78f},
}};

namespace {

// The wheel's centre and radii in its picture: the spokes lie on the
// multiples of 30 degrees, each click point a few pixels inside its segment.
constexpr int kCentre = 33;
constexpr int kRim = 30;
constexpr int kHub = 6;
constexpr int kDotRadius = 3;
constexpr int kWheelShade = 4;

int spotPixel(float v) { return static_cast<int>(std::floor(v)); }

void disk(Surface& s, int cx, int cy, int r, Rgb c) {
  for (int dy = -r; dy <= r; ++dy)
    for (int dx = -r; dx <= r; ++dx)
      if (dx * dx + dy * dy <= r * r) s.pset(cx + dx, cy + dy, c);
}

}  // namespace

int NearestWheelSpot(float X, float Y) {
  double best = 30000.0;
  int pick = 0;
  for (int i = 0; i < static_cast<int>(WheelSpots.size()); ++i) {
    const double d = std::hypot(double(WheelSpots[i].x) - X, double(WheelSpots[i].y) - Y);
    if (d < best) {
      best = d;
      pick = i;
    }
  }
  return pick;
}

int WheelRotateStep(int oldStep, int newStep) {
  if (newStep < oldStep) newStep += kWheelSteps;
  return newStep - oldStep;
}

Surface WheelImage(Rgb back) {
  Surface s(kWheelWidth, kWheelHeight, back);
  s.clear();
  s.setPenColor(kBlack);
  s.circle(kCentre, kCentre, kRim);
  for (int k = 0; k < kWheelSteps; ++k) {
    // Past the rim by a pixel, since a thin line leaves out its end pixel.
    const double a = k * 3.1415926535 / 6.0;
    s.line(kCentre, kCentre, toPixel(kCentre + (kRim + 1) * std::cos(a)),
           toPixel(kCentre - (kRim + 1) * std::sin(a)));
  }
  disk(s, kCentre, kCentre, kHub, kBlack);
  return s;
}

void MakeWheel(Surface& wheel, const Surface& image, const ColourTable& table, int Step,
               int& WheelStep) {
  wheel = image;
  for (int s = 0; s < kWheelSteps; ++s) {
    const WheelSpot& at = WheelSpots[static_cast<std::size_t>(2 * s)];
    // A fill that cannot start leaves its segment as it is.
    wheel.floodFill(spotPixel(at.x), spotPixel(at.y), kBlack, table(kWheelShade, kFirstWheelHue + s));
  }
  if (Step < 0 || 2 * Step > 23) return;
  const WheelSpot& dot = WheelSpots[static_cast<std::size_t>(2 * Step)];
  disk(wheel, spotPixel(dot.x), spotPixel(dot.y), kDotRadius, kWhite);
  wheel.setPenColor(kBlack);
  wheel.circle(spotPixel(dot.x), spotPixel(dot.y), kDotRadius);
  WheelStep = Step;
}

int WheelCodeOf(int code, Rgb colour, const ColourTable& table) {
  const int flag = code >= kColorEntryBase ? kColorEntryBase : 0;
  int cell = code - flag;
  const int hue = HueOfCode(cell);
  if (hue < kFirstWheelHue || hue > 20) {
    if (FixPalIndex(cell, colour, table)) return cell + flag;
  }
  return code;
}

bool TurnColour(int& code, Rgb& colour, int rotateStep, const ColourTable& table) {
  int turned = WheelCodeOf(code, colour, table);
  const std::optional<Rgb> rgb = ReColorCode(turned, rotateStep, table);
  if (!rgb) return false;
  code = turned;
  colour = *rgb;
  return true;
}

}  // namespace orn
