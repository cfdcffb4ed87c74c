#include "colour/palette.h"

#include <algorithm>
#include <cmath>

#include "colour/colour_codes.h"

namespace orn {

namespace {

// Int(): the whole number at or below v, kept inside the int range.
int floorInt(float v) {
  if (!std::isfinite(v)) return v > 0 ? 1 << 20 : -(1 << 20);
  return static_cast<int>(std::clamp(std::floor(double(v)), -1e6, 1e6));
}

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

int PaletteRowCount(const PaletteRows& rows) {
  int n = kPaletteRowSlots;
  if (rows[3] == kNoColorCode) n = 3;
  if (rows[2] == kNoColorCode) n = 2;
  if (rows[1] == kNoColorCode) n = 1;
  return n;
}

int HarmonyTop(int HarmonyMode) {
  switch (HarmonyMode) {
    case kHarmonyOpposite: return 5;
    case kHarmonyThreeFold: return 3;
    case kHarmonyAdjacent: return 11;
    default: return 2;
  }
}

PaletteRows HarmonyRows(int HarmonyMode, int value) {
  if (value <= -2) return {0, 2, kNoColorCode, kNoColorCode};
  if (value == -1) return {4, 6, kNoColorCode, kNoColorCode};
  value = std::min(value, HarmonyTop(HarmonyMode));
  switch (HarmonyMode) {
    case kHarmonyOpposite: {
      const int a = kFirstWheelHue + value;
      return {a, a + 6, kNoColorCode, kNoColorCode};
    }
    case kHarmonyThreeFold: {
      const int a = kFirstWheelHue + value;
      return {a, a + 4, a + 8, kNoColorCode};
    }
    case kHarmonyAdjacent: {
      // Three neighbours on the circle, wrapping from hue 19 to hue 8.
      const int a = kFirstWheelHue + value;
      const int before = a == kFirstWheelHue ? kLastWheelHue : a - 1;
      const int after = a == kLastWheelHue ? kFirstWheelHue : a + 1;
      return {before, a, after, kNoColorCode};
    }
    default: {
      const int a = kFirstWheelHue + 4 * value;
      return {a, a + 1, a + 2, a + 3};
    }
  }
}

GridCell PaletteCellAt(float X, float Y, const PaletteRows& rows) {
  GridCell cell{std::clamp(floorInt(X), 0, kPaletteColumns - 1),
                std::clamp(floorInt(Y), 0, kPaletteRowSlots - 1)};
  while (cell.row > 0 && rows[static_cast<std::size_t>(cell.row)] == kNoColorCode) --cell.row;
  return cell;
}

int PalettePickCode(int column, int hue, const ColourTable& table) {
  int code = MakeColorCode(column, hue);
  if (hue == 4 || hue == 6) FixPalIndex(code, table(column, hue), table);
  return code;
}

int CustomCellAt(float X, float Y) {
  const int column = std::clamp(floorInt(X), 0, kCustomColumns - 1);
  const int row = std::clamp(floorInt(Y), 0, kCustomRows - 1);
  return row * kCustomColumns + column;
}

int CustomPickCode(int cell, Rgb colour, const ColourTable& table) {
  const int half = cell >= kCustomColumns ? 1 : 0;
  const int column = cell - half * kCustomColumns;
  if ((colour & 0xFFFFFF) != table(column, 5 + half)) return kOffTableCode;
  int code = MakeColorCode(column, 4 + 2 * half);
  FixPalIndex(code, colour, table);
  return code;
}

InUseGrid InUseGridFor(int stripHeight, int count) {
  // A strip squeezed below one row still shows one.
  const int h = std::max(stripHeight, 20);
  InUseGrid g;
  g.rows = std::max(roundHalfEven(h / 20.0), 1);
  if (count >= 2 * g.rows) g.rows = std::max(roundHalfEven(h / 10.0), 1);
  g.cols = count / g.rows + 1;
  return g;
}

int InUseIndexAt(const InUseGrid& grid, float X, float Y) {
  const int column = floorInt(X);
  const int row = floorInt(Y);
  if (column < 0 || row < 0 || column >= grid.cols || row >= grid.rows) return 0;
  return row * grid.cols + column + 1;
}

}  // namespace orn
