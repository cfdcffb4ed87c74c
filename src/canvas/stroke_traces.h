#pragma once
// The canvas without the open record. While the user draws, the open record
// leaves traces on the canvas that no redraw would show: its rubber band in
// the XOR pen, curve pieces drawn while the curve still changed shape, the
// end pixel a band leaves behind. Knowing the canvas as it was without the
// record lets a step back, a close or a drop bring the canvas to exactly
// what a fresh redraw of the list shows, without redrawing the picture.
//
// Figures are given as masks: surfaces of the canvas's size, white, with
// the record drawn on them in black as a full redraw draws it.
#include <optional>

#include "platform/core/surface.h"

namespace orn {

// Takes a figure off a canvas: the mask's pixels become the background.
// Only when that is exact: the canvas shows the figure's ink or the
// background there, and no other figure or fill touches those pixels (a
// crossing line would be cut, a fill could flow through the gap). False, and
// the canvas untouched, otherwise.
bool TakeFigureOff(Surface& canvas, const Surface& figure, Rgb ink, Rgb back);

class StrokeTraces {
 public:
  // The canvas as it is now holds nothing of the open record.
  void remember(const Surface& canvas) { without_ = canvas; }
  // The canvas as it is now shows the open record as `drawn`: remembers the
  // canvas without it when that can be told exactly, else nothing.
  void rememberWithout(const Surface& canvas, const Surface& drawn, Rgb ink, Rgb back);
  void forget() { without_.reset(); }
  // The canvas without the open record is known (for a canvas of this size).
  bool known(const Surface& canvas) const;

  // Brings the canvas to the remembered one with `figure` drawn on it in
  // `ink`: all traces of the open record go. Only when a fresh redraw shows
  // that too, which it does unless the figure lies on a fill or on another
  // colour; false, and the canvas untouched, otherwise.
  bool replace(Surface& canvas, const Surface& figure, Rgb ink, Rgb back) const;

 private:
  std::optional<Surface> without_;
};

}  // namespace orn
