// Circles and arcs, one row at a time. Each row of a ring is one or two
// spans decided with whole numbers, so the figure is symmetric in all eight
// octants, touches each pixel once and only the rows over the surface are
// ever visited, whatever the radius.
#include <algorithm>
#include <array>
#include <cmath>

#include "platform/core/raster_math.h"
#include "platform/core/surface.h"

namespace orn {

using raster::i128;

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kPi = 3.141592653589793;

// The ring of circle(r) at pen width w, row by row (oy = row - centre).
// Width 1: the pixels of the disk x² + y² <= r² + r that have a 4-neighbour
// outside it, an 8-connected closed curve one pixel thick. Wider: the pixel
// centres whose distance from the circle is at most w / 2, the circle being
// centred on the pixel for an odd pen and half a pixel right of and below it
// for an even one (as wide lines are), so that the ring is exactly w pixels
// thick where it runs along a row or a column. In doubled coordinates
// (2 x - e, 2 y - e), e = 1 for an even pen, no pixel centre lies on either
// edge of the ring.
template <class T>
struct Ring {
  T r;
  int w;

  T shift() const { return T(w % 2 == 0); }
  // Rows first()..last() around the centre hold pixels.
  T first() const { return w == 1 ? -r : raster::ceilDiv<T>(shift() - 2 * r - w, 2); }
  T last() const { return w == 1 ? r : raster::floorDiv<T>(shift() + 2 * r + w, 2); }

  // Outer extent x of row oy (-1: empty row) and first x of the
  // right-hand span; the row is then [e - outer, e - inner] and
  // [inner, outer], or the whole [e - outer, outer] when 2 inner <= e + 1.
  void row(T oy, T& outer, T& inner) const {
    if (w == 1) {
      if (oy < 0) oy = -oy;
      const T k = r * r + r;
      auto extent = [k](T y) { return k - y * y >= 0 ? raster::isqrt(k - y * y) : T(-1); };
      outer = extent(oy);
      const T next = extent(oy + 1);
      inner = next < 0 ? T(0) : std::min(next + 1, outer);
      return;
    }
    const T e = shift(), v = 2 * oy - e;
    const T ro = 2 * r + w, ri = 2 * r - w;
    const T eo = ro * ro - v * v;
    if (eo < 0) {
      outer = inner = -1;
      return;
    }
    outer = raster::floorDiv<T>(e + raster::isqrt(eo), 2);
    inner = e;
    if (ri > 0) {
      const T ei = ri * ri - v * v;
      if (ei > 0) {  // smallest x with (2 x - e)² >= ei
        const T s = raster::isqrt(ei);
        inner = raster::ceilDiv<T>(e + (s * s == ei ? s : s + 1), 2);
      }
    }
  }
};

struct Interval {
  std::int64_t lo, hi;
  bool empty() const { return lo > hi; }
};

Interval clipped(std::int64_t lo, std::int64_t hi, int width) {
  return {std::max<std::int64_t>(lo, 0), std::min<std::int64_t>(hi, width - 1)};
}

// Calls fn(y, ring spans...) for every visible row of the ring: up to two
// clipped spans per row (an empty Interval when absent).
template <class T, class Fn>
void ringRows(int cx, int cy, int r, int w, int width, int height, Fn fn) {
  const Ring<T> ring{T(r), w};
  const std::int64_t e = static_cast<std::int64_t>(ring.shift());
  const std::int64_t yFirst = std::max<std::int64_t>(cy + static_cast<std::int64_t>(ring.first()), 0);
  const std::int64_t yLast =
      std::min<std::int64_t>(cy + static_cast<std::int64_t>(ring.last()), height - 1);
  for (std::int64_t y = yFirst; y <= yLast; ++y) {
    T outer, inner;
    ring.row(T(y - cy), outer, inner);
    if (outer < 0) continue;
    const auto o = static_cast<std::int64_t>(outer), i = static_cast<std::int64_t>(inner);
    if (2 * i <= e + 1) {
      fn(int(y), clipped(cx + e - o, cx + o, width), Interval{0, -1});
    } else {
      fn(int(y), clipped(cx + e - o, cx + e - i, width), clipped(cx + i, cx + o, width));
    }
  }
}

// Radii up to this keep every product of the ring within 64 bits.
constexpr int kSmallRadius = 1 << 29;

template <class Fn>
void forRing(int cx, int cy, int r, int w, int width, int height, Fn fn) {
  if (r <= kSmallRadius) {
    ringRows<std::int64_t>(cx, cy, r, w, width, height, fn);
  } else {
    ringRows<i128>(cx, cy, r, w, width, height, fn);
  }
}

}  // namespace

void Surface::circle(int cx, int cy, int r) {
  forgetFills();
  if (empty() || r < 0) return;
  forRing(cx, cy, r, penWidth_, width_, height_, [this](int y, Interval a, Interval b) {
    if (!a.empty()) penSpan(y, int(a.lo), int(a.hi));
    if (!b.empty()) penSpan(y, int(b.lo), int(b.hi));
  });
}

void Surface::arc(int cx, int cy, int r, double start, double end) {
  forgetFills();
  if (empty() || r < 0 || !std::isfinite(start) || !std::isfinite(end)) return;
  double sweep = end - start;
  if (!(std::fabs(sweep) < kTwoPi)) {
    circle(cx, cy, r);
    return;
  }
  double a0 = std::fmod(start, kTwoPi);
  if (a0 < 0) a0 += kTwoPi;
  sweep = std::fmod(sweep, kTwoPi);
  if (sweep < 0) sweep += kTwoPi;
  if (sweep == 0) {  // equal angles: the whole circle
    circle(cx, cy, r);
    return;
  }
  const double a1 = a0 + sweep;
  const double u0x = std::cos(a0), u0y = std::sin(a0);
  const double u1x = std::cos(a1), u1y = std::sin(a1);
  const bool narrow = sweep <= kPi;
  // Direction of pixel offset (ox, oy) within the sweep; y points down, so
  // the upward vector is (ox, -oy). A few billionths of a radian of slack
  // keep the end pixels of arcs whose angles were computed with a rounded pi.
  auto inSweep = [=](double ox, double oy) {
    const double vx = ox, vy = -oy;
    const double slack = -1e-9 * (std::fabs(vx) + std::fabs(vy));
    const double c0 = u0x * vy - u0y * vx;  // >= 0: v is counter-clockwise of u0
    const double c1 = vx * u1y - vy * u1x;  // >= 0: u1 is counter-clockwise of v
    return narrow ? (c0 >= slack && c1 >= slack) : !(c0 < slack && c1 < slack);
  };
  // Round ends of a wide pen: pixel centres within w / 2 of the end points,
  // which lie on the circle as the ring centres it (half a pixel right of
  // and below the centre pixel for an even pen).
  const int w = penWidth_;
  const double shift = w % 2 == 0 ? 0.5 : 0.0;
  const double capR2 = w * w / 4.0;
  const std::array<double, 2> ex{cx + shift + r * u0x, cx + shift + r * u1x};
  const std::array<double, 2> ey{cy + shift - r * u0y, cy + shift - r * u1y};
  auto capRow = [&](int k, int y) -> Interval {
    if (w == 1) return {0, -1};
    const double dy = y - ey[k];
    const double room = capR2 - dy * dy;
    if (room < 0) return {0, -1};
    const double h = std::sqrt(room);
    // Bounds pinned to the surface before converting, for far-away ends.
    const double lo = std::clamp(std::ceil(ex[k] - h), -1.0, double(width_));
    const double hi = std::clamp(std::floor(ex[k] + h), -1.0, double(width_));
    return clipped(std::int64_t(lo), std::int64_t(hi), width_);
  };

  if (w == 1) {
    // No caps: the ring's one or two spans of the row, cut to the sweep.
    forRing(cx, cy, r, w, width_, height_, [&](int y, Interval ra, Interval rb) {
      const double oy = double(y) - cy;
      for (const Interval& part : {ra, rb}) {
        std::int64_t run = part.lo;  // first pixel of the run in the sweep
        for (std::int64_t x = part.lo; x <= part.hi; ++x) {
          if (inSweep(double(x) - cx, oy)) continue;
          if (run < x) penSpan(y, int(run), int(x - 1));
          run = x + 1;
        }
        if (run <= part.hi) penSpan(y, int(run), int(part.hi));
      }
    });
    return;
  }
  forRing(cx, cy, r, w, width_, height_, [&](int y, Interval ra, Interval rb) {
    const Interval capA = capRow(0, y), capB = capRow(1, y);
    std::array<Interval, 4> parts{ra, rb, capA, capB};
    // In order of their first pixel (a sorting network for four).
    auto order = [&parts](int i, int j) {
      if (parts[j].lo < parts[i].lo) std::swap(parts[i], parts[j]);
    };
    order(0, 1);
    order(2, 3);
    order(0, 2);
    order(1, 3);
    order(1, 2);
    auto in = [](const Interval& iv, std::int64_t x) { return x >= iv.lo && x <= iv.hi; };
    const double oy = double(y) - cy - shift;
    std::int64_t next = 0;  // pixels left of this one are done
    for (const Interval& part : parts) {
      if (part.empty()) continue;
      for (std::int64_t x = std::max(part.lo, next); x <= part.hi; ++x) {
        const bool onRing = in(ra, x) || in(rb, x);
        if (in(capA, x) || in(capB, x) || (onRing && inSweep(double(x) - cx - shift, oy))) {
          penSpan(y, int(x), int(x));
        }
      }
      next = std::max(next, part.hi + 1);
    }
  });
}

}  // namespace orn
