#include "shell/stamp.h"

#include <cmath>

namespace orn {

namespace {

int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

StampBand StampBandFor(int canvasWidth, int canvasHeight) {
  if (canvasWidth <= 0 || canvasHeight <= 0) return {};
  const double W = canvasWidth, H = canvasHeight;
  if (W > H) {
    const int h = RoundEven(kStampFit * H / W);
    return {0, RoundEven((kStampFit - h) / 2.0), kStampBox, h};
  }
  const int w = RoundEven(kStampFit * W / H);
  return {RoundEven((kStampFit - w) / 2.0), 0, w, kStampBox};
}

Surface MakeStamp(const Surface& canvas) {
  Surface stamp(kStampBox, kStampBox, kStampBack);
  const StampBand b = StampBandFor(canvas.width(), canvas.height());
  stamp.stretch(b.x, b.y, b.w, b.h, canvas, 0, 0, canvas.width(), canvas.height());
  return stamp;
}

}  // namespace orn
