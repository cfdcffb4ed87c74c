#pragma once
// The main menu's own small pictures, drawn on a Surface: one pictogram per
// mode (an eye to display, a pencil to edit, a brush to repaint, a compass
// to redraw) and the rosette of the start-up window.
#include "platform/core/surface.h"

namespace orn {

// The pictogram of mode 0 to 3 on a size x size surface of `back` colour.
Surface ModePictogram(int mode, int size, Rgb back);

// A six-fold rosette of circles, coloured, on a white size x size surface.
Surface SplashRosette(int size);

}  // namespace orn
