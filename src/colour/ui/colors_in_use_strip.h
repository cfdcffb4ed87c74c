#pragma once
// CinUse, "Colors in Use": the colours the picture uses as a grid of
// swatches, one row per 20 pixels of height (per 10 once the colours would
// need more than two columns), filled column by column along each row.
#include "colour/colour_state.h"
#include "colour/ui/colour_cells.h"

namespace orn {

class ColorsInUseStrip : public ColourCells {
  Q_OBJECT
 public:
  ColorsInUseStrip(ColourState& colour, Rgb back, QWidget* parent);
  // Draws swatch Index (1..InUseCount) when the grid has room for it, else
  // lays the grid out for the strip's height and draws every swatch.
  void ShowCInUse(int Index);
  void redraw() override { ShowCInUse(-1); }
  // The colour around the swatches.
  void setBack(Rgb back) { back_ = back; }

 private:
  void swatch(int i);

  ColourState& colour_;
  Rgb back_;
};

}  // namespace orn
