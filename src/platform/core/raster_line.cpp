// Straight lines. Both kinds are computed from the segment put in a fixed
// order first, so a segment gives the same pixels whichever end it starts
// from, and only the part over the surface is ever walked.
#include <algorithm>
#include <cstdlib>

#include "platform/core/raster_math.h"
#include "platform/core/surface.h"

namespace orn {

using raster::ceilDiv;
using raster::floorDiv;
using raster::i128;

namespace {

// First k in [lo, hi] for which `pred` holds, `pred` being false then true
// along the range; hi + 1 when it never holds.
template <class Pred>
std::int64_t firstTrue(std::int64_t lo, std::int64_t hi, Pred pred) {
  std::int64_t end = hi + 1;
  while (lo < end) {
    const std::int64_t mid = lo + (end - lo) / 2;
    if (pred(mid)) {
      end = mid;
    } else {
      lo = mid + 1;
    }
  }
  return lo;
}

// One pixel per step along the major axis (the longer of |dx| and |dy|, x on
// a tie). Along the segment from (a0, b0) to (a0 + da, b0 + db), da > 0,
// step k lies at minor coordinate b0 + floor((2 k db + da) / (2 da)), which
// rounds halves towards +minor.
struct ThinWalk {
  std::int64_t kFirst = 0, kLast = -1;  // steps to draw
  std::int64_t index = 0;               // pixel index of step kFirst
  std::int64_t rem = 0, twoDa = 0, twoDb = 0;
  std::int64_t stepMajor = 0, stepMinor = 0;
};

template <class Op>
void walk(const ThinWalk& t, Rgb* px, Op op) {
  std::int64_t i = t.index, rem = t.rem;
  for (std::int64_t k = t.kFirst;; ++k) {
    op(px[i]);
    if (k == t.kLast) break;
    i += t.stepMajor;
    rem += t.twoDb;
    if (t.twoDb >= 0) {
      if (rem >= t.twoDa) {
        rem -= t.twoDa;
        i += t.stepMinor;
      }
    } else if (rem < 0) {
      rem += t.twoDa;
      i -= t.stepMinor;
    }
  }
}

}  // namespace

void Surface::line(int x1, int y1, int x2, int y2) {
  if (empty()) return;
  if (penWidth_ == 1) {
    thinLine(x1, y1, x2, y2);
  } else {
    wideLine(x1, y1, x2, y2);
  }
}

void Surface::thinLine(int x1, int y1, int x2, int y2) {
  if (x1 == x2 && y1 == y2) return;  // only the end pixel, which is left out
  const std::int64_t adx = std::llabs(std::int64_t(x2) - x1);
  const std::int64_t ady = std::llabs(std::int64_t(y2) - y1);
  const bool xMajor = adx >= ady;
  const std::int64_t aFrom = xMajor ? x1 : y1, bFrom = xMajor ? y1 : x1;
  const std::int64_t aTo = xMajor ? x2 : y2, bTo = xMajor ? y2 : x2;
  const bool forward = aFrom < aTo;
  const std::int64_t a0 = forward ? aFrom : aTo, b0 = forward ? bFrom : bTo;
  const std::int64_t da = forward ? aTo - aFrom : aFrom - aTo;
  const std::int64_t db = forward ? bTo - bFrom : bFrom - bTo;
  const std::int64_t aSize = xMajor ? width_ : height_, bSize = xMajor ? height_ : width_;

  // Steps to draw: all but the end point, and only over the surface.
  std::int64_t kLo = forward ? 0 : 1, kHi = forward ? da - 1 : da;
  kLo = std::max(kLo, -a0);
  kHi = std::min(kHi, aSize - 1 - a0);
  if (kLo > kHi) return;
  auto minorAt = [&](std::int64_t k) {
    return i128(b0) + floorDiv<i128>(i128(2) * k * db + da, i128(2) * da);
  };
  if (db >= 0) {
    kLo = firstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) >= 0; });
    kHi = firstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) > bSize - 1; }) - 1;
  } else {
    kLo = firstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) <= bSize - 1; });
    kHi = firstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) < 0; }) - 1;
  }
  if (kLo > kHi) return;

  ThinWalk t;
  t.kFirst = kLo;
  t.kLast = kHi;
  t.twoDa = 2 * da;
  t.twoDb = 2 * db;
  const i128 n = i128(2) * kLo * db + da;
  const i128 m = floorDiv<i128>(n, t.twoDa);
  t.rem = static_cast<std::int64_t>(n - m * t.twoDa);
  const auto a = a0 + kLo, b = static_cast<std::int64_t>(b0 + m);
  t.index = xMajor ? b * width_ + a : a * width_ + b;
  t.stepMajor = xMajor ? 1 : width_;
  t.stepMinor = xMajor ? width_ : 1;
  const Rgb pen = pen_;
  if (mode_ == PenMode::Xor) {
    walk(t, px_.data(), [pen](Rgb& p) { p ^= pen; });
  } else {
    walk(t, px_.data(), [pen](Rgb& p) { p = pen; });
  }
}

namespace {

// Rows of a wide line: the pixels whose centres lie within w / 2 of the
// segment from (ax, ay) to (bx, by), which come in ordered so that dx >= 0
// and dy > 0 when dx = 0. All tests are exact, so the figure is symmetric
// about the segment's midpoint. Calls span(y, x0, x1) with the row's pixels
// already clipped to the surface.
template <class T, class Span>
void wideRows(T ax, T ay, T bx, T by, int w, int width, int height, Span span) {
  const T dx = bx - ax, dy = by - ay;
  const T len2 = dx * dx + dy * dy;
  const T w2 = T(w) * w;
  const int half = w / 2;
  // |cross| <= r |d| holds exactly when |cross| <= floor(sqrt(w2 len2) / 2).
  const T reach = len2 > 0 ? raster::isqrt(w2 * len2) / 2 : T(0);
  const T xMin = std::min(ax, bx) - half, xMax = std::max(ax, bx) + half;
  if (xMax < 0 || xMin > width - 1) return;
  const T yFirst = std::max<T>(std::min(ay, by) - half, 0);
  const T yLast = std::min<T>(std::max(ay, by) + half, height - 1);
  const T none = T(1) << 62;  // beyond any coordinate
  for (T py = yFirst; py <= yLast; ++py) {
    T lo = none, hi = -none;
    auto take = [&](T l, T h) {
      if (l > h) return;
      lo = std::min(lo, l);
      hi = std::max(hi, h);
    };
    // Round ends: pixel centres within w / 2 of either end point.
    auto cap = [&](T cx, T oy) {
      if (oy < -half || oy > half) return;
      const std::int64_t e = std::int64_t(w) * w - 4 * std::int64_t(oy) * std::int64_t(oy);
      if (e < 0) return;
      const T h = raster::isqrt(e) / 2;
      take(cx - h, cx + h);
    };
    const T oy = py - ay;
    cap(ax, oy);
    cap(bx, py - by);
    if (len2 > 0) {
      // The band beside the segment: |cross| <= reach and 0 <= t <= len2,
      // with cross = (px - ax) dy - oy dx and t = (px - ax) dx + oy dy.
      T klo = -none, khi = none;
      bool ok = true;
      if (dy != 0) {
        const T c = oy * dx;
        klo = dy > 0 ? ceilDiv<T>(c - reach, dy) : ceilDiv<T>(c + reach, dy);
        khi = dy > 0 ? floorDiv<T>(c + reach, dy) : floorDiv<T>(c - reach, dy);
      } else {
        ok = (oy < 0 ? -oy : oy) * dx <= reach;
      }
      if (dx > 0) {
        klo = std::max(klo, ceilDiv<T>(-oy * dy, dx));
        khi = std::min(khi, floorDiv<T>(len2 - oy * dy, dx));
      } else {
        ok = ok && oy >= 0 && oy <= dy;
      }
      if (ok) take(ax + klo, ax + khi);
    }
    if (lo > hi) continue;
    lo = std::max<T>(lo, 0);
    hi = std::min<T>(hi, width - 1);
    if (lo <= hi) span(int(py), int(lo), int(hi));
  }
}

}  // namespace

void Surface::wideLine(int x1, int y1, int x2, int y2) {
  if (x2 < x1 || (x2 == x1 && y2 < y1)) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  auto span = [this](int y, int x0, int xe) { penSpan(y, x0, xe); };
  constexpr int kSmall = 1 << 24;  // products then stay within 64 bits
  auto small = [](int v) { return v > -kSmall && v < kSmall; };
  if (small(x1) && small(y1) && small(x2) && small(y2)) {
    wideRows<std::int64_t>(x1, y1, x2, y2, penWidth_, width_, height_, span);
  } else {
    wideRows<i128>(x1, y1, x2, y2, penWidth_, width_, height_, span);
  }
}

}  // namespace orn
