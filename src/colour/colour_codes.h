#pragma once
// Colour codes: a cell of the colour table named as 100 x shade + hue.
// 999 names a colour that is not in the table, -1 no colour at all. In the
// drawing list a fill's colour entry holds 21000 + code beside its RGB value.
#include <optional>

#include "colour/colour_table.h"

namespace orn {

constexpr int kNoColorCode = -1;
constexpr int kOffTableCode = 999;
constexpr int kColorEntryBase = 21000;
constexpr int kFirstWheelHue = 8;
constexpr int kLastWheelHue = 19;

constexpr int HueOfCode(int code) { return code % 100; }
constexpr int ShadeOfCode(int code) { return code / 100; }
constexpr int MakeColorCode(int shade, int hue) { return 100 * shade + hue; }

// Looks `colour` up in hues 8 to 20, shades 0 to 7 (hue by hue upwards,
// shade upwards) and on the first match sets `code` to that cell. Without a
// match `code` is left alone. Hues 0-7 are never searched. True on a match.
bool FixPalIndex(int& code, Rgb colour, const ColourTable& table);

// The wheel hue 0-12 of the current colour code: 0 for 999 and for codes off
// the wheel, 12 for hue 20.
int FetchTagIndex(int currentCode);

// Turns a colour code (or a colour entry 21000 + code) round the wheel by
// `rotateStep` steps. A code on the wheel (hue 8-19, shade 0-7) becomes the
// turned code, with 21000 kept when it was there, and its table colour is
// returned; any other code becomes -1 and nothing is returned.
std::optional<Rgb> ReColorCode(int& code, int rotateStep, const ColourTable& table);

}  // namespace orn
