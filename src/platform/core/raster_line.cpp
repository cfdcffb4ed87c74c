// Straight lines. Both kinds are computed from the segment put in a fixed
// order first, so a segment gives the same pixels whichever end it starts
// from, and only the part over the surface is ever walked.
#include <algorithm>
#include <array>
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
  forgetFills();
  if (empty()) return;
  if (penWidth_ == 1) {
    thinLine(x1, y1, x2, y2);
  } else {
    wideLine(x1, y1, x2, y2);
  }
}

namespace {

// The steps of a thin line that land on the surface and where the walk
// starts, in arithmetic of type T (64 bits when every product fits).
// kLo..kHi are the steps over the surface along the major axis; the minor
// coordinate of step k lies between b0 and b0 + db, so the search for the
// steps that leave the surface across the minor axis is needed only when
// that range does not lie inside.
template <class T>
bool planThin(std::int64_t a0, std::int64_t b0, std::int64_t da, std::int64_t db, std::int64_t kLo,
              std::int64_t kHi, std::int64_t bSize, ThinWalk& t, std::int64_t& a, std::int64_t& b) {
  auto minorAt = [&](std::int64_t k) { return T(b0) + floorDiv<T>(T(2) * k * db + da, T(2) * da); };
  if (std::min(b0, b0 + db) < 0 || std::max(b0, b0 + db) > bSize - 1) {
    if (db >= 0) {
      kLo = firstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) >= 0; });
      kHi = firstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) > bSize - 1; }) - 1;
    } else {
      kLo = firstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) <= bSize - 1; });
      kHi = firstTrue(kLo, kHi, [&](std::int64_t k) { return minorAt(k) < 0; }) - 1;
    }
    if (kLo > kHi) return false;
  }
  t.kFirst = kLo;
  t.kLast = kHi;
  t.twoDa = 2 * da;
  t.twoDb = 2 * db;
  const T n = T(2) * kLo * db + da;
  const T m = floorDiv<T>(n, T(t.twoDa));
  t.rem = static_cast<std::int64_t>(n - m * t.twoDa);
  a = a0 + kLo;
  b = static_cast<std::int64_t>(b0 + m);
  return true;
}

}  // namespace

void Surface::thinLine(int x1, int y1, int x2, int y2) {
  if (x1 == x2 && y1 == y2) return;  // only the end pixel, which is left out
  auto on = [](int v, int n) { return unsigned(v) < unsigned(n); };
  if (on(x1, width_) && on(x2, width_) && on(y1, height_) && on(y2, height_)) {
    thinLineInside(x1, y1, x2, y2);
    return;
  }
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
  // Within this reach 2 k db + da stays far inside 64 bits.
  constexpr std::int64_t kSmall = std::int64_t(1) << 29;
  auto small = [](std::int64_t v) { return v >= -kSmall && v <= kSmall; };
  ThinWalk t;
  std::int64_t a = 0, b = 0;
  const bool planned = small(a0) && small(b0) && small(a0 + da) && small(b0 + db)
                           ? planThin<std::int64_t>(a0, b0, da, db, kLo, kHi, bSize, t, a, b)
                           : planThin<i128>(a0, b0, da, db, kLo, kHi, bSize, t, a, b);
  if (!planned) return;
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

// The common case, both ends on the surface: nothing to clip, and the walk
// starts at the first or second step of the ordered segment, whose minor
// offset needs no division.
void Surface::thinLineInside(int x1, int y1, int x2, int y2) {
  const int dx = x2 - x1, dy = y2 - y1;
  const int adx = std::abs(dx), ady = std::abs(dy);
  Rgb* const px = px_.data();
  const std::size_t stride = std::size_t(width_);
  const Rgb pen = pen_;
  const bool xor_ = mode_ == PenMode::Xor;
  if (std::max(adx, ady) == 1) {  // one step: the start pixel alone
    Rgb& p = px[std::size_t(y1) * stride + std::size_t(x1)];
    p = xor_ ? p ^ pen : pen;
    return;
  }
  const bool xMajor = adx >= ady;
  const bool forward = xMajor ? dx > 0 : dy > 0;
  const std::int64_t da = xMajor ? adx : ady;
  const std::int64_t db = forward ? (xMajor ? dy : dx) : -(xMajor ? dy : dx);
  const std::int64_t a0 = forward ? (xMajor ? x1 : y1) : (xMajor ? x2 : y2);
  std::int64_t b0 = forward ? (xMajor ? y1 : x1) : (xMajor ? y2 : x2);
  ThinWalk t;
  t.twoDa = 2 * da;
  t.twoDb = 2 * db;
  t.rem = da;  // step 0 lies at b0 with remainder da
  t.kFirst = forward ? 0 : 1;
  t.kLast = forward ? da - 1 : da;
  if (!forward) {  // step 1: the minor offset is -1, 0 or 1
    t.rem += t.twoDb;
    if (t.rem >= t.twoDa) {
      t.rem -= t.twoDa;
      ++b0;
    } else if (t.rem < 0) {
      t.rem += t.twoDa;
      --b0;
    }
  }
  const std::int64_t a = a0 + t.kFirst;
  t.index = xMajor ? b0 * width_ + a : a * width_ + b0;
  t.stepMajor = xMajor ? 1 : width_;
  t.stepMinor = xMajor ? width_ : 1;
  if (xor_) {
    walk(t, px, [pen](Rgb& p) { p ^= pen; });
  } else {
    walk(t, px, [pen](Rgb& p) { p = pen; });
  }
}

namespace {

// floor(n / d) and ceil(n / d) while n grows by a fixed step per row, d > 0,
// without a division per row.
template <class T>
struct SteppedQuotient {
  T q = 0, r = 0, stepQ = 0, stepR = 0, d = 1;
  SteppedQuotient(T n, T step, T divisor) : d(divisor) {
    q = floorDiv<T>(n, d);
    r = n - q * d;
    stepQ = floorDiv<T>(step, d);
    stepR = step - stepQ * d;
  }
  // The quotient of another numerator with the same step and divisor.
  SteppedQuotient(T n, const SteppedQuotient& like) : stepQ(like.stepQ), stepR(like.stepR), d(like.d) {
    q = floorDiv<T>(n, d);
    r = n - q * d;
  }
  // Branch-free: the carry is unpredictable for most slopes.
  void next() {
    r += stepR;
    const T carry = T(r >= d);
    q += stepQ + carry;
    r -= d * carry;
  }
  T floor() const { return q; }
  T ceil() const { return q + T(r != 0); }
};

// Column offsets of the round cap of a pen of width w, by V (doubled row
// offset, as below) from -w to w: |U| <= sqrt(w² - V²), U = 2 dx - e. Worked
// out once for every width.
struct RoundCap {
  std::int8_t lo[41], hi[41];
};
const RoundCap& roundCap(int w) {
  static const std::array<RoundCap, 21> caps = [] {
    std::array<RoundCap, 21> out{};
    for (int width = 1; width <= 20; ++width) {
      const std::int64_t e = width % 2 == 0;
      for (int v = -width; v <= width; ++v) {
        const std::int64_t h = raster::isqrt(std::int64_t(width) * width - std::int64_t(v) * v);
        out[std::size_t(width)].lo[v + width] = std::int8_t(ceilDiv<std::int64_t>(e - h, 2));
        out[std::size_t(width)].hi[v + width] = std::int8_t(floorDiv<std::int64_t>(e + h, 2));
      }
    }
    return out;
  }();
  return caps[std::size_t(w)];
}

// Rows of a wide line, with the end points coming in ordered so that dx >= 0
// and dy > 0 when dx = 0. The pen is a disk of diameter w swept along the
// segment; an odd pen is centred on the pixel, an even one on the corner
// half a pixel right of and below it, so that a horizontal or vertical line
// is exactly w pixels thick. The pixels taken are those whose centres lie in
// the swept disk: the band within w / 2 of the segment between the normals
// at its ends, and a round cap at each end. All tests are exact, in doubled
// coordinates (U, V) = 2 (px - ax, py - ay) - e, e = 1 for an even pen, and
// no pixel centre ever lies on the boundary, so the figure does not depend
// on the drawing direction and an odd pen's figure is symmetric about the
// segment's midpoint. Calls span(y, x0, x1) with the row's pixels already
// clipped to the surface.
template <class T, class Span>
void wideRows(T ax, T ay, T bx, T by, int w, int width, int height, Span span) {
  const T dx = bx - ax, dy = by - ay;
  const T len2 = dx * dx + dy * dy;
  const T e = T(w % 2 == 0);
  const T yMinEnd = std::min(ay, by), yMaxEnd = std::max(ay, by);
  // Rows and columns reached: |V| <= w about either end.
  const T lead = ceilDiv<T>(e - w, 2), trail = floorDiv<T>(e + w, 2);
  const T xMin = std::min(ax, bx) + lead, xMax = std::max(ax, bx) + trail;
  if (xMax < 0 || xMin > width - 1) return;
  const T yFirst = std::max<T>(yMinEnd + lead, 0);
  const T yLast = std::min<T>(yMaxEnd + trail, height - 1);
  if (yFirst > yLast) return;
  const std::int8_t* const capLo = roundCap(w).lo;
  const std::int8_t* const capHi = roundCap(w).hi;

  // The band: |U dy - V dx| <= w |d|, which for whole numbers is
  // |U dy - V dx| <= reach; and 0 <= U dx + V dy <= 2 len2.
  const T reach = len2 > 0 ? raster::isqrt(T(w) * w * len2) : T(0);
  const T none = T(1) << 62;  // beyond any coordinate
  auto emit = [&](T py, T lo, T hi) {
    lo = std::max<T>(lo, 0);
    hi = std::min<T>(hi, width - 1);
    if (lo <= hi) span(int(py), int(lo), int(hi));
  };
  // Rows near an end, from..to: band, ends of the band and round caps. The
  // band's bounds are quotients whose numerators move by a fixed step per
  // row, so they are stepped instead of divided.
  const T sign = dy < 0 ? T(-1) : T(1), twoAdy = 2 * dy * sign;
  auto endRows = [&](T from, T to) {
    if (from > to) return;
    T v = 2 * (from - ay) - e;
    // 2 kx dy - c within [-reach, reach], c = v dx + e dy: with the sign of
    // dy taken into c, kx from ceil((c - reach) / 2|dy|) to floor((c + reach) / 2|dy|).
    const T c = sign * (v * dx + e * dy);
    SteppedQuotient<T> bandLo(dy != 0 ? c - reach : 0, sign * 2 * dx, dy != 0 ? twoAdy : 1);
    SteppedQuotient<T> bandHi(dy != 0 ? c + reach : 0, bandLo);
    // Between the normals at the ends: kx from ceil((e dx - v dy) / 2dx) to
    // floor((2 len2 + e dx - v dy) / 2dx).
    SteppedQuotient<T> normalLo(dx > 0 ? e * dx - v * dy : 0, -2 * dy, dx > 0 ? 2 * dx : 1);
    SteppedQuotient<T> normalHi(dx > 0 ? 2 * len2 + e * dx - v * dy : 0, normalLo);
    for (T py = from;; ++py) {
      T lo = none, hi = -none;
      if (len2 > 0) {
        T klo = -none, khi = none;
        bool ok = true;
        if (dy != 0) {
          klo = bandLo.ceil();
          khi = bandHi.floor();
        } else {
          ok = (v < 0 ? -v : v) * dx <= reach;
        }
        if (dx > 0) {
          klo = std::max(klo, normalLo.ceil());
          khi = std::min(khi, normalHi.floor());
        } else {
          ok = ok && v >= 0 && v <= 2 * dy;
        }
        if (ok && klo <= khi) {
          lo = ax + klo;
          hi = ax + khi;
        }
      }
      auto cap = [&](T cx, T cv) {
        if (cv < -w || cv > w) return;
        lo = std::min(lo, cx + T(capLo[int(cv) + w]));
        hi = std::max(hi, cx + T(capHi[int(cv) + w]));
      };
      cap(ax, v);
      cap(bx, 2 * (py - by) - e);
      if (lo <= hi) emit(py, lo, hi);
      if (py == to) break;
      v += 2;
      bandLo.next();
      bandHi.next();
      normalLo.next();
      normalHi.next();
    }
  };
  // Rows beyond the reach of both ends (|V| > w from each) lie beside the
  // segment's middle: there neither the ends of the band nor the caps
  // reach, and the band's edges move by a fixed slope per row.
  const T midFirst = std::max<T>(yMinEnd + trail + 1, yFirst);
  const T midLast = std::min<T>(yMaxEnd + lead - 1, yLast);
  if (midFirst > midLast) {
    endRows(yFirst, yLast);
    return;
  }
  endRows(yFirst, midFirst - 1);
  const T c0 = (2 * (midFirst - ay) - e) * dx + e * dy;
  SteppedQuotient<T> bandLo(sign * c0 - reach, sign * 2 * dx, twoAdy);
  SteppedQuotient<T> bandHi(sign * c0 + reach, bandLo);
  if (xMin >= 0 && xMax <= width - 1) {
    // Every column the line reaches is on the surface: nothing to clip.
    for (T py = midFirst;; ++py) {
      const T lo = ax + bandLo.ceil(), hi = ax + bandHi.floor();
      if (lo <= hi) span(int(py), int(lo), int(hi));
      if (py == midLast) break;
      bandLo.next();
      bandHi.next();
    }
  } else {
    for (T py = midFirst;; ++py) {
      emit(py, ax + bandLo.ceil(), ax + bandHi.floor());
      if (py == midLast) break;
      bandLo.next();
      bandHi.next();
    }
  }
  endRows(midLast + 1, yLast);
}

}  // namespace

void Surface::wideLine(int x1, int y1, int x2, int y2) {
  if (x2 < x1 || (x2 == x1 && y2 < y1)) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  constexpr int kSmall = 1 << 24;  // products then stay within 64 bits
  auto small = [](int v) { return v > -kSmall && v < kSmall; };
  auto draw = [&](auto span) {
    if (small(x1) && small(y1) && small(x2) && small(y2)) {
      wideRows<std::int64_t>(x1, y1, x2, y2, penWidth_, width_, height_, span);
    } else {
      wideRows<i128>(x1, y1, x2, y2, penWidth_, width_, height_, span);
    }
  };
  Rgb* px = px_.data();
  const std::size_t stride = std::size_t(width_);
  const Rgb pen = pen_;
  if (mode_ == PenMode::Xor) {
    draw([=](int y, int x0, int xe) {
      for (Rgb* p = px + y * stride + x0; p <= px + y * stride + xe; ++p) *p ^= pen;
    });
  } else {
    draw([=](int y, int x0, int xe) {
      Rgb* p = px + y * stride + x0;
      const int n = xe - x0 + 1;
      // Steep lines: a few pixels per row, whose count changes from row to
      // row. A fixed number of stores, the surplus ones to the span's last
      // pixel again, spares a branch on the count.
      const int last = n - 1;
      if (n <= 4) {
        p[0] = pen;
        p[std::min(1, last)] = pen;
        p[std::min(2, last)] = pen;
        p[last] = pen;
      } else if (n <= 8) {
        for (int i = 0; i < 8; ++i) p[std::min(i, last)] = pen;
      } else {
        std::fill_n(p, n, pen);
      }
    });
  }
}

}  // namespace orn
