#pragma once
// The canvas without the open record. While the user draws, the open record
// leaves traces on the canvas that no redraw would show: its rubber band in
// the XOR pen, curve pieces drawn while the curve still changed shape, the
// end pixel a band leaves behind. Knowing the canvas as it was without the
// record lets a close or a drop bring the canvas to exactly what a fresh
// redraw of the list shows, without redrawing the picture, and a step back
// show what stays of the record over it.
//
// It is the canvas as it was when the record was opened, or, for a record
// drawn with the picture (opened again by a step back, or redrawn while
// open), the rest of the list redrawn off the canvas: a record may share
// pixels with others, so taking its pixels off cannot tell what they show
// without it.
//
// Figures are given as masks: surfaces of the canvas's size, white, with
// the record drawn on them in black as a full redraw draws it.
#include <optional>

#include "platform/core/surface.h"

namespace orn {

class StrokeTraces {
 public:
  // The canvas without the open record is `without`.
  void remember(const Surface& without) { without_ = without; }
  void forget() { without_.reset(); }
  // The canvas without the open record is known (for a canvas of this size).
  bool known(const Surface& canvas) const;

  // Brings the canvas to the remembered one with `figure` drawn on it in
  // `ink`: all traces of the open record go. False, and the canvas
  // untouched, when the canvas without the record is not known.
  bool show(Surface& canvas, const Surface& figure, Rgb ink) const;
  // The same, only when a fresh redraw shows that too, which it does unless
  // the figure lies on a fill or on another colour; false, and the canvas
  // untouched, otherwise.
  bool replace(Surface& canvas, const Surface& figure, Rgb ink, Rgb back) const;

 private:
  std::optional<Surface> without_;
};

}  // namespace orn
