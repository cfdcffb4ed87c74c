// The surface's storage, pixels, boxes and block copies. Lines, circles and
// fills live in the raster_*.cpp files beside this one.
#include "platform/core/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "platform/core/raster_math.h"

namespace orn {

namespace {
// Far enough outside any surface that nothing of a figure there is drawn,
// small enough that differences of two such values still fit an int.
constexpr int kFarPixel = 1 << 29;

// Intersection of [a0, a1] with [0, n - 1]; false when empty.
bool clipRange(std::int64_t& a0, std::int64_t& a1, int n) {
  if (a0 > a1) std::swap(a0, a1);
  a0 = std::max<std::int64_t>(a0, 0);
  a1 = std::min<std::int64_t>(a1, n - 1);
  return a0 <= a1;
}
}  // namespace

namespace detail {

namespace {
constexpr std::size_t kLargePage = std::size_t(2) << 20;
constexpr std::size_t kLargeBuffer = std::size_t(4) << 20;
}  // namespace

void* allocatePixels(std::size_t bytes) {
  if (bytes < kLargeBuffer) return ::operator new(bytes);
  const std::size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
  void* p = std::aligned_alloc(kLargePage, rounded);
  if (!p) throw std::bad_alloc();
#if defined(MADV_HUGEPAGE)
  madvise(p, rounded, MADV_HUGEPAGE);  // only a hint; failure is harmless
#endif
  return p;
}

void freePixels(void* p, std::size_t bytes) noexcept {
  if (bytes < kLargeBuffer) {
    ::operator delete(p);
  } else {
    std::free(p);
  }
}

}  // namespace detail

int toPixel(double v) {
  if (!(v > -kFarPixel && v < kFarPixel)) return v < 0 ? -kFarPixel : kFarPixel;
  return static_cast<int>(std::nearbyint(v));  // default rounding: halves to even
}

Surface::Surface(int width, int height, Rgb back) : back_(back & 0xFFFFFF) {
  resize(width, height);
}

std::size_t Surface::setSize(int width, int height) {
  forgetFills();
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  const std::size_t total = static_cast<std::size_t>(width_) * height_;
  // Memory of another size is let go before new memory is taken: a surface
  // made smaller keeps nothing of the larger one, and one made larger never
  // holds both at once.
  if (px_.capacity() != total) decltype(px_)().swap(px_);
  return total;
}

void Surface::resize(int width, int height) { px_.assign(setSize(width, height), back_); }

void Surface::resize(int width, int height, const std::function<void()>& betweenBands) {
  // About four megabytes a band: the system hands out fresh memory page by
  // page as it is first written, which for a very large surface takes longer
  // than filling it.
  constexpr std::size_t kBandPixels = std::size_t(1) << 20;
  const std::size_t total = setSize(width, height);
  px_.clear();
  px_.reserve(total);
  while (px_.size() < total) {
    if (!px_.empty() && betweenBands) betweenBands();
    px_.insert(px_.end(), std::min(kBandPixels, total - px_.size()), back_);
  }
}

void Surface::clear() {
  forgetFills();
  std::fill(px_.begin(), px_.end(), back_);
}

void Surface::setPenWidth(int w) { penWidth_ = std::clamp(w, 1, 20); }

void Surface::penSpan(int y, int x0, int x1) {
  Rgb* p = px_.data() + static_cast<std::size_t>(y) * width_ + x0;
  const int n = x1 - x0 + 1;
  if (mode_ == PenMode::Xor) {
    for (int i = 0; i < n; ++i) p[i] ^= pen_;
  } else {
    std::fill_n(p, n, pen_);
  }
}

void Surface::pset(int x, int y, Rgb c) {
  forgetFills();
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  px_[static_cast<std::size_t>(y) * width_ + x] = c & 0xFFFFFF;
}

void Surface::plot(int x, int y) {
  forgetFills();
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  penSpan(y, x, x);
}

void Surface::dot(int x, int y) {
  forgetFills();
  if (penWidth_ == 1) {
    plot(x, y);
  } else {
    wideLine(x, y, x, y);
  }
}

std::int64_t Surface::point(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
  return px_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFF;
}

void Surface::box(int x1, int y1, int x2, int y2) {
  forgetFills();
  if (empty()) return;
  // The outline is widened by `out` pixels outwards and `in` inwards; the
  // frame is drawn as up to four disjoint bands so each pixel is hit once.
  const int out = penWidth_ / 2;
  const int in = (penWidth_ - 1) / 2;
  std::int64_t l = std::min(x1, x2), r = std::max(x1, x2);
  std::int64_t t = std::min(y1, y2), b = std::max(y1, y2);
  const std::int64_t ol = l - out, orr = r + out, ot = t - out, ob = b + out;
  const std::int64_t il = l + in + 1, ir = r - in - 1, it = t + in + 1, ib = b - in - 1;
  auto band = [this](std::int64_t x0, std::int64_t y0, std::int64_t xe, std::int64_t ye) {
    if (!clipRange(x0, xe, width_) || !clipRange(y0, ye, height_)) return;
    for (auto y = y0; y <= ye; ++y) penSpan(int(y), int(x0), int(xe));
  };
  if (il > ir || it > ib) {  // no hole: a solid block
    band(ol, ot, orr, ob);
    return;
  }
  band(ol, ot, orr, it - 1);
  band(ol, ib + 1, orr, ob);
  band(ol, it, il - 1, ib);
  band(ir + 1, it, orr, ib);
}

void Surface::fillBox(int x1, int y1, int x2, int y2, Rgb fill) {
  forgetFills();
  std::int64_t x0 = x1, xe = x2, y0 = y1, ye = y2;
  if (empty() || !clipRange(x0, xe, width_) || !clipRange(y0, ye, height_)) return;
  fill &= 0xFFFFFF;
  for (auto y = y0; y <= ye; ++y)
    std::fill_n(px_.data() + static_cast<std::size_t>(y) * width_ + x0, xe - x0 + 1, fill);
}

void Surface::blit(int dx, int dy, int w, int h, const Surface& src, int sx, int sy) {
  forgetFills();
  if (w <= 0 || h <= 0 || empty() || src.empty()) return;
  // Shrink the rectangle until both its source and its target lie inside.
  std::int64_t ddx = dx, ddy = dy, ssx = sx, ssy = sy, ww = w, hh = h;
  auto trimStart = [](std::int64_t& a, std::int64_t& b, std::int64_t& len) {
    const std::int64_t cut = std::max<std::int64_t>({0, -a, -b});
    a += cut;
    b += cut;
    len -= cut;
  };
  trimStart(ddx, ssx, ww);
  trimStart(ddy, ssy, hh);
  ww = std::min({ww, width_ - ddx, src.width_ - ssx});
  hh = std::min({hh, height_ - ddy, src.height_ - ssy});
  if (ww <= 0 || hh <= 0) return;
  const bool upwards = &src == this && ssy < ddy;  // overlapping copy downwards
  for (std::int64_t i = 0; i < hh; ++i) {
    const std::int64_t k = upwards ? hh - 1 - i : i;
    const Rgb* from = src.px_.data() + (ssy + k) * src.width_ + ssx;
    Rgb* to = px_.data() + (ddy + k) * width_ + ddx;
    std::memmove(to, from, static_cast<std::size_t>(ww) * sizeof(Rgb));
  }
}

void Surface::stretch(int dx, int dy, int dw, int dh, const Surface& srcIn, int sx, int sy,
                      int sw, int sh) {
  forgetFills();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || empty() || srcIn.empty()) return;
  if (&srcIn == this) {  // read from a copy when stretching within one surface
    const Surface copy = *this;
    stretch(dx, dy, dw, dh, copy, sx, sy, sw, sh);
    return;
  }
  const Surface& src = srcIn;
  // Target pixel i takes source pixel floor((i + 1/2) * sw / dw).
  auto srcIndex = [](std::int64_t i, std::int64_t s, std::int64_t d) {
    return (2 * i + 1) * s / (2 * d);
  };
  std::int64_t i0 = std::max<std::int64_t>(0, -std::int64_t(dx));
  std::int64_t i1 = std::min<std::int64_t>(dw, std::int64_t(width_) - dx);
  std::int64_t j0 = std::max<std::int64_t>(0, -std::int64_t(dy));
  std::int64_t j1 = std::min<std::int64_t>(dh, std::int64_t(height_) - dy);
  if (i0 >= i1 || j0 >= j1) return;
  std::vector<std::int64_t> col(static_cast<std::size_t>(i1 - i0));
  for (auto i = i0; i < i1; ++i) col[i - i0] = sx + srcIndex(i, sw, dw);
  for (auto j = j0; j < j1; ++j) {
    const std::int64_t syj = sy + srcIndex(j, sh, dh);
    if (syj < 0 || syj >= src.height_) continue;
    const Rgb* from = src.px_.data() + syj * src.width_;
    Rgb* to = px_.data() + (dy + j) * width_ + dx;
    for (auto i = i0; i < i1; ++i) {
      const std::int64_t c = col[i - i0];
      if (c >= 0 && c < src.width_) to[i] = from[c];
    }
  }
}

}  // namespace orn
