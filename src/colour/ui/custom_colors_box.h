#pragma once
// Picture10, "Custom Colors": the sixteen custom colours in two rows of
// eight. The first cell of the current colour carries a ring that stands out
// from it: black on a light colour, white on a dark one.
#include "colour/colour_state.h"
#include "colour/ui/colour_cells.h"

namespace orn {

class CustomColorsBox : public ColourCells {
  Q_OBJECT
 public:
  CustomColorsBox(const ColourState& colour, Rgb back, QWidget* parent);
  // DispCustColors' drawing.
  void redraw() override;

 private:
  const ColourState& colour_;
  Rgb back_;
};

}  // namespace orn
