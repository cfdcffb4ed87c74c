#pragma once
// Shared by the replication routines: drawing one segment on the current
// targets, and the range of replicas of the current part.
#include <algorithm>

#include "symmetry/draw_context.h"
#include "symmetry/replication_math.h"
#include "symmetry/sym_state.h"

namespace orn::repl {

// Draws segments in one colour on the canvas and/or the memory bitmap, as
// DrawTarget says. A black segment on the canvas also gets its end pixel,
// which the line leaves out, so that black borders close for the flood fills;
// so does a segment painted over in the background colour with the copy pen,
// so that taking a figure off the canvas takes those end pixels too.
class SegmentDrawer {
 public:
  SegmentDrawer(DrawContext& ctx, Rgb colour)
      : canvas_(ctx.DrawTarget != kDrawMemBmp ? ctx.Picture1 : nullptr),
        bitmap_(ctx.DrawTarget != kDrawCanvas ? ctx.MemBmp : nullptr),
        scale_(ctx.BitmapScale),
        colour_(colour),
        endPixel_((colour & 0xFFFFFF) == kBlack ||
                  (colour == ctx.PicBackColor && canvas_ != nullptr && canvas_->penMode() == PenMode::Copy)) {}

  void operator()(double x1, double y1, double x2, double y2) {
    if (canvas_ != nullptr) {
      const int ex = Pix(x2), ey = Pix(y2);
      canvas_->setPenColor(colour_);
      canvas_->line(Pix(x1), Pix(y1), ex, ey);
      if (endPixel_) canvas_->plot(ex, ey);
    }
    if (bitmap_ != nullptr) {
      bitmap_->MemBmpPenColor(colour_);
      bitmap_->MemBmpLine(Pix(x1 * scale_), Pix(y1 * scale_), Pix(x2 * scale_), Pix(y2 * scale_));
    }
  }

 private:
  Surface* canvas_;
  MemBmpTarget* bitmap_;
  double scale_;
  Rgb colour_;
  bool endPixel_;
};

// Sends a segment to the printer while PrintPath is set: clipped to the clip
// rectangle and shifted by one unit.
void PrintSegment(DrawContext& ctx, float x1, float y1, float x2, float y2, Rgb colour);

// The replicas of the current part, limited to `limit` of them; empty
// (first > last) when no part is selected or the range is not a valid one.
struct CopyRange {
  int base = 0;
  int first = 1;
  int last = 0;
};
inline CopyRange Replicas(const SymState& sym, long limit) {
  CopyRange r;
  if (sym.CurPart == 0 || sym.BaseCopy < 0 || sym.BaseCopy > kMaxCopy) return r;
  r.base = sym.BaseCopy;
  r.first = sym.BaseCopy + 1;
  r.last = static_cast<int>(std::min<long>({long(sym.LastCopy), long(kMaxCopy), r.base + limit}));
  return r;
}

// Length of copy k's base edge.
double BaseEdgeLength(const SymState& sym, int k);

}  // namespace orn::repl
