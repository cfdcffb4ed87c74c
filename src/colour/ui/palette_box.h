#pragma once
// Picture3, "Standard Colors": the palette of up to four hue rows of the
// colour table, eight shades each. Every cell of the current colour carries
// a small ring, black on the light shades and white on the dark ones.
#include "colour/colour_state.h"
#include "colour/ui/colour_cells.h"

namespace orn {

class PaletteBox : public ColourCells {
  Q_OBJECT
 public:
  PaletteBox(const ColourState& colour, Rgb back, QWidget* parent);
  // Draws the rows of PalRows (SetPalette's drawing).
  void redraw() override;

 private:
  const ColourState& colour_;
  Rgb back_;
};

}  // namespace orn
