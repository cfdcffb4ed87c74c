#include "colour/ui/palette_box.h"

#include "colour/palette.h"

namespace orn {

PaletteBox::PaletteBox(const ColourState& colour, Rgb back, QWidget* parent)
    : ColourCells(parent), colour_(colour), back_(back) {
  setObjectName("Picture3");
  setToolTip("Standard Colors");
}

void PaletteBox::redraw() {
  const int rows = PaletteRowCount(colour_.PalRows);
  startGrid(kPaletteColumns, rows, back_);
  for (int k = 0; k < kPaletteColumns * rows; ++k) {
    const int c = k % kPaletteColumns, r = k / kPaletteColumns;
    const Rgb cell = colour_.ColorTable(c, colour_.PalRows[static_cast<std::size_t>(r)]);
    drawCell(c, r, cell);
    if (cell == colour_.CurrentColor) drawRing(c, r, c < 4 ? kBlack : kWhite);
  }
}

}  // namespace orn
