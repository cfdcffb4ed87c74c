#pragma once
// The enlarged memory bitmap's drawing primitives: the replication routines
// draw through them while DrawTarget is -1. Lines and circles use the
// bitmap's pen (its width set by the command that draws the bitmap, its
// colour the stroke's); fills stop at black.
#include <functional>
#include <utility>

#include "platform/core/surface.h"
#include "symmetry/draw_context.h"

namespace orn {

class MemBmp : public MemBmpTarget {
 public:
  // Draws on `bitmap`; fills read GrayPaint from `ctx`. `afterFill` (when
  // given) runs after every fill.
  MemBmp(Surface& bitmap, const DrawContext& ctx, std::function<void()> afterFill = {})
      : bmp_(bitmap), ctx_(ctx), afterFill_(std::move(afterFill)) {}

  void MemBmpPenColor(Rgb colour) override { bmp_.setPenColor(colour); }
  // The segment with both end pixels set.
  void MemBmpLine(int x1, int y1, int x2, int y2) override;
  // Circle outline covering x - r .. x + r; r = 0 is a dot of the pen's
  // width (one pixel with a thin pen).
  void MemBmpEllipse(int x, int y, int r) override;
  // Flood fill from (x, y) up to black, in the colour or, with GrayPaint,
  // in its grey.
  void MemBmpFill(int x, int y, Rgb colour) override;

  Surface& bitmap() { return bmp_; }

 private:
  Surface& bmp_;
  const DrawContext& ctx_;
  std::function<void()> afterFill_;
};

}  // namespace orn
