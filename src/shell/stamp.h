#pragma once
// The on-screen stamp of the canvas: the whole picture shrunk into a small
// square box, its shape kept, the strips beside it in the box's gray.
#include "platform/core/surface.h"

namespace orn {

constexpr int kStampBox = 98;   // the box's width and height
constexpr int kStampFit = 96;   // the picture's longer side in the box
constexpr Rgb kStampBack = 0xC0C0C0;

// Where the picture lies in the box: the full box width and a band of the
// picture's height for a wide canvas, the full box height and a column for
// a tall one; the band centred (halves rounded to the even neighbour).
struct StampBand {
  int x = 0, y = 0, w = 0, h = 0;
};
StampBand StampBandFor(int canvasWidth, int canvasHeight);

// The stamp of `canvas`.
Surface MakeStamp(const Surface& canvas);

}  // namespace orn
