#include "colour/ui/custom_colors_box.h"

#include "colour/colour_model.h"
#include "colour/palette.h"

namespace orn {

CustomColorsBox::CustomColorsBox(const ColourState& colour, Rgb back, QWidget* parent)
    : ColourCells(parent), colour_(colour), back_(back) {
  setObjectName("Picture10");
  setToolTip("Custom Colors");
}

void CustomColorsBox::redraw() {
  startGrid(kCustomColumns, kCustomRows, back_);
  bool ringed = false;
  for (int k = 0; k < kCustomColorCount; ++k) {
    const int c = k % kCustomColumns, r = k / kCustomColumns;
    const Rgb cell = colour_.CustomPalette[static_cast<std::size_t>(k)] & 0xFFFFFF;
    drawCell(c, r, cell);
    if (!ringed && cell == colour_.CurrentColor) {
      drawRing(c, r, LightnessOf(cell) >= 0.5f ? kBlack : kWhite);
      ringed = true;
    }
  }
}

}  // namespace orn
