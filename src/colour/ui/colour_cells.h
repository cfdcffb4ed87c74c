#pragma once
// The base of the colour panels: a grid of colour cells drawn on the panel's
// own Surface, exact pixels, each cell a box with a black outline filled with
// its colour. The grid's scale is set in cells; presses and drags are
// reported in the same units.
#include <functional>

#include "platform/canvas_widget.h"
#include "platform/core/surface.h"

namespace orn {

class ColourCells : public CanvasWidget {
  Q_OBJECT
 public:
  explicit ColourCells(QWidget* parent);

  // A press at (X, Y) in cells, and a move with a button held.
  std::function<void(int Button, int Shift, float X, float Y)> onPress;
  std::function<void(int Button, int Shift, float X, float Y)> onDrag;

  // The panel's pixels (for tests and for showing).
  const Surface& pixels() const { return surface_; }

 protected:
  // Clears the panel to `back` and makes it `cols` x `rows` cells wide and high.
  void startGrid(double cols, double rows, Rgb back);
  // The cell (c, r): a box from (c, r) to (c + 1, r + 1).
  void drawCell(int c, int r, Rgb fill);
  // The small ring that marks the current colour at the centre of (c, r).
  void drawRing(int c, int r, Rgb colour);
  void resizeEvent(QResizeEvent* e) override;
  // Draws the whole panel anew (after a resize, for instance).
  virtual void redraw() = 0;

  Surface surface_;

 private:
  double ux_ = 1.0;
  double uy_ = 1.0;
};

}  // namespace orn
