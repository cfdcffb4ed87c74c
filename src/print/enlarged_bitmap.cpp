#include "print/enlarged_bitmap.h"

#include <algorithm>
#include <cstdint>

#include "print/mem_bmp.h"

namespace orn {

namespace {

// The widest pen a surface draws.
constexpr int kWidestPen = 20;
// A fill of the enlarged bitmap can cover many times the pixels of one on the
// canvas: once this long has passed since the window last saw to its events,
// it does so after the next fill, as it does between records.
constexpr std::int64_t kFillPumpMs = 10;

// Points the drawing context and the editor at the memory bitmap for one
// redraw, and back at the canvas afterwards, however the redraw ends.
class BitmapTargetScope {
 public:
  BitmapTargetScope(RedrawEnv& e, MemBmp& mem, int scale)
      : e_(e),
        target_(e.ctx.DrawTarget),
        scale_(e.ctx.BitmapScale),
        bitmap_(e.ctx.MemBmp),
        paintOrder_(e.ctx.PaintOrderMode),
        bigMode_(e.ed.BigBitmapMode) {
    e.ctx.DrawTarget = kDrawMemBmp;
    e.ctx.BitmapScale = float(scale);
    e.ctx.MemBmp = &mem;
    // The newest-first replay of fills reads its seed marks off the canvas,
    // which this redraw does not draw on: the fills go in list order.
    e.ctx.PaintOrderMode = 0;
    e.ed.BigBitmapMode = true;
  }
  ~BitmapTargetScope() {
    e_.ctx.DrawTarget = target_;
    e_.ctx.BitmapScale = scale_;
    e_.ctx.MemBmp = bitmap_;
    e_.ctx.PaintOrderMode = paintOrder_;
    e_.ed.BigBitmapMode = bigMode_;
  }
  BitmapTargetScope(const BitmapTargetScope&) = delete;
  BitmapTargetScope& operator=(const BitmapTargetScope&) = delete;

 private:
  RedrawEnv& e_;
  int target_;
  float scale_;
  MemBmpTarget* bitmap_;
  int paintOrder_;
  bool bigMode_;
};

// Marks the editor busy, as under a redraw, while the bitmap's memory is
// taken up with the window seeing to its events.
class BusyScope {
 public:
  explicit BusyScope(EditorState& ed) : ed_(ed), was_(ed.DrawBusy) { ed.DrawBusy = true; }
  ~BusyScope() { ed_.DrawBusy = was_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  EditorState& ed_;
  bool was_;
};

}  // namespace

int BitmapScaleFor(int targetWidth, int canvasWidth, int penWidth) {
  if (canvasWidth <= 0 || targetWidth <= canvasWidth) return 1;
  const int reach = (targetWidth + canvasWidth - 1) / canvasWidth;
  const int penRoom = std::max(1, kWidestPen / std::max(1, penWidth));
  return std::clamp(std::min(reach, penRoom), 1, kMaxBitmapScale);
}

void DrawEnlarged(RedrawEnv& e, Surface& bitmap, int scale) {
  scale = std::clamp(scale, 1, kMaxBitmapScale);
  const Surface* canvas = e.ctx.Picture1;
  const int w = canvas != nullptr ? canvas->width() : 0;
  const int h = canvas != nullptr ? canvas->height() : 0;
  bitmap.setBackColor(e.ctx.PicBackColor);
  {
    const BusyScope busy(e.ed);
    bitmap.resize(w * scale, h * scale, [&e] { e.host.pumpEvents(); });
  }
  bitmap.setPenMode(PenMode::Copy);
  bitmap.setPenColor(kBlack);
  bitmap.setPenWidth((canvas != nullptr ? canvas->penWidth() : 1) * scale);
  std::int64_t lastPump = e.host.milliseconds();
  MemBmp mem(bitmap, e.ctx, [&e, &lastPump] {
    const std::int64_t now = e.host.milliseconds();
    if (now - lastPump < kFillPumpMs || !e.ed.AllowDoEvents || e.ed.ColorMode != kColorIdle) return;
    lastPump = now;
    e.host.pumpEvents();
  });
  BitmapTargetScope scope(e, mem, scale);
  DrawAll(e, 1);
}

}  // namespace orn
