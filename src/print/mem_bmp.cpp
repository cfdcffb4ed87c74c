#include "print/mem_bmp.h"

#include "colour/colour_model.h"

namespace orn {

void MemBmp::MemBmpLine(int x1, int y1, int x2, int y2) {
  bmp_.line(x1, y1, x2, y2);
  // Drawn there and back on the bitmap: the end pixel is set too (a wide
  // pen's round end already covers it).
  if (bmp_.penWidth() == 1) bmp_.plot(x2, y2);
}

void MemBmp::MemBmpEllipse(int x, int y, int r) {
  // Radius 0 is the one-pixel box, which the pen draws as a dot of its width.
  bmp_.circle(x, y, r < 0 ? 0 : r);
}

void MemBmp::MemBmpFill(int x, int y, Rgb colour) {
  const Rgb c = ctx_.GrayPaint ? GrayOf(colour) : colour;
  bmp_.floodFill(x, y, kBlack, bmp_.nearestColor(c), FillType::Border);
  if (afterFill_) afterFill_();
}

}  // namespace orn
