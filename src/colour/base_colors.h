#pragma once
// The sixteen base colours of the desktop's basic palette, and the custom
// colours they give when the custom palette is set back to them.
#include <array>

#include "colour/colour_state.h"

namespace orn {

// Base colour n (0 black, 1 dark blue, ... 7 light gray, 8 gray, ... 15 white)
// as an RGB value with red in the low byte.
Rgb BaseColor(int n);

// The custom palette set back to the base colours: cells 0-7 hold the bright
// base colours 8-15, cells 8-15 the dark ones 0-7. Black becomes the
// near-black unless the display dithers, because black is the border at
// which fills stop.
std::array<Rgb, kCustomColorCount> BaseCustomPalette(bool ditheredDisplay);

}  // namespace orn
