#pragma once
// The enlarged memory bitmap: the picture drawn afresh, lines, circles and
// fills, at a whole multiple of the canvas's size, so that a printed image
// keeps sharp lines where the canvas would only be stretched.
#include "canvas/redraw.h"
#include "platform/core/surface.h"

namespace orn {

// The largest enlargement of the memory bitmap.
constexpr int kMaxBitmapScale = 3;

// The enlargement for an image `targetWidth` device pixels wide made from a
// canvas `canvasWidth` pixels wide: the smallest whole factor that reaches
// the target, at most 3, and small enough that the enlarged pen (the
// canvas's pen width times the factor) stays within the widest pen a
// surface draws.
int BitmapScaleFor(int targetWidth, int canvasWidth, int penWidth);

// Redraws the whole picture into `bitmap`, resized to the canvas times
// `scale`, in the picture's background colour, with a pen `scale` times as
// wide as the canvas's. The canvas is not drawn on, apart from what a redraw shows
// beside the picture (handle dots); the fills are replayed in list order.
void DrawEnlarged(RedrawEnv& e, Surface& bitmap, int scale);

}  // namespace orn
