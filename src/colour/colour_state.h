#pragma once
// The colour state of the editor: the standard colour table, the colours in
// use by the picture, the custom colours, the current colour and the values
// of a colour swap or wheel turn being applied. The editor owns one and
// passes it to whatever paints or recolours.
#include <array>
#include <vector>

#include "colour/colour_codes.h"
#include "colour/colour_table.h"
#include "colour/palette.h"

namespace orn {

// One colour used by the picture: its code (999 when off the table) and RGB.
struct InUseColor {
  int code = kOffTableCode;
  Rgb rgb = 0;
};

constexpr int kMaxColorsInUse = 200;
constexpr int kCustomColorCount = 16;

struct ColourState {
  ColourTable ColorTable = BuiltInColorTable();

  // Entries 1..InUseCount of the original are ColorsInUse[0..InUseCount-1].
  std::vector<InUseColor> ColorsInUse;
  int InUseCount = 0;

  std::array<Rgb, kCustomColorCount> CustomPalette{};

  // The current colour (the current-colour box): its RGB and its code.
  Rgb CurrentColor = 0x3333FF;
  int CurrentCode = 308;

  // The swap being applied (-1 in SwapOldRGB: none) and the entry of the
  // colours in use that was picked for it (0: none).
  int SwapIndex = 0;
  long long SwapOldRGB = -1;
  int SwapOldCode = 0;
  long long SwapNewRGB = -1;
  int SwapNewCode = 0;

  // Steps the colour wheel turns the fills by while a wheel turn is applied.
  int RotateStep = 0;

  // The palette: the hue of each row (-1 none), the harmony chosen in the
  // "Pallette Harmony" menu and the value of its scroll bar (its top end
  // HarmonyTop(HarmonyMode) down to -2), and the first runs of the palette
  // set-up, which also choose the current colour.
  PaletteRows PalRows{8, 9, 10, 11};
  int HarmonyMode = kHarmonyNormal;
  int HarmonyScroll = -2;
  int VScroll2Count = 0;

  // The colour wheel: shown ("Display Color Wheel" checked), the segment
  // marked with the dot, and the turns since it was shown, which "Reset"
  // takes back.
  bool WheelShown = false;
  int WheelStep = 0;
  int HarmonyOffset = 0;

  // The colours-in-use grid as last laid out.
  InUseGrid InUse;

  // The display cannot show the near-black exactly (never on our Surface).
  bool DitheredDisplay = false;
  bool BlackWarned = false;
  // The missing or damaged standard colours file has been reported.
  bool StandardColorsWarned = false;
};

}  // namespace orn
