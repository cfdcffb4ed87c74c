#include "print/dot_page.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orn {

namespace {

// Ends are pinned this far out, well beyond any page.
constexpr double kFar = 1.0e7;

// Where a line's end is put: on the nearest dot corner for a pen of even
// width, on the centre of the nearest dot for an odd one. Either way a line
// along a row is exactly as many dots high as its pen is wide.
double endPoint(float v, int pen) {
  return std::clamp(std::nearbyint(double(v)), -kFar, kFar) + (pen % 2 != 0 ? 0.5 : 0.0);
}

// Whole numbers below and above v, for |v| well inside the range of long.
long floorOf(double v) {
  const long t = static_cast<long>(v);
  return t - (v < double(t) ? 1 : 0);
}
long ceilOf(double v) {
  const long t = static_cast<long>(v);
  return t + (v > double(t) ? 1 : 0);
}

long isqrt(long v) {
  long q = static_cast<long>(std::sqrt(double(v)));
  while (q * q > v) --q;
  while ((q + 1) * (q + 1) <= v) ++q;
  return q;
}

// The edges of a row's run of dots are stepped from row to row in 32.32
// fixed point, as long as they stay within kFixedRange; an edge that does
// not bind is kOpen away.
constexpr double kOne = 4294967296.0;
constexpr std::int64_t kFraction = 0xFFFFFFFF;
constexpr double kFixedRange = 1.0e9;
constexpr std::int64_t kOpen = std::int64_t(1) << 62;

// An edge: where it lies on a row (in dots, dot centres on whole numbers)
// and how far it moves to the next row.
struct Edge {
  double at = 0, step = 0;
  bool open = false;
};

// Inks dots x0 .. x1 (0 <= x0 <= x1) of the row whose first word is `row`;
// a row's words lie a tile, kTile words, apart.
template <class Word, int kTile>
inline void inkRow(Word* row, long x0, long x1) {
  constexpr Word kAll = Word(~Word(0));
  const auto u0 = static_cast<unsigned long>(x0), u1 = static_cast<unsigned long>(x1);
  const unsigned long t0 = u0 / kTile, t1 = u1 / kTile;
  const Word head = kAll >> (u0 % kTile), tail = Word(kAll << (kTile - 1 - u1 % kTile));
  if (t0 == t1) {
    row[t0 * kTile] |= head & tail;
    return;
  }
  row[t0 * kTile] |= head;
  for (unsigned long t = t0 + 1; t < t1; ++t) row[t * kTile] = kAll;
  row[t1 * kTile] |= tail;
}

// Turns a square of 32 x 32 bits (a word per row, the leftmost bit highest)
// over its diagonal.
void transpose(std::uint32_t a[32]) {
  std::uint32_t m = 0x0000FFFF;
  for (int j = 16; j != 0; j >>= 1, m ^= m << j) {
    for (int k = 0; k < 32; k = (k + j + 1) & ~j) {
      const std::uint32_t t = (a[k] ^ (a[k + j] >> j)) & m;
      a[k] ^= t;
      a[k + j] ^= t << j;
    }
  }
}

}  // namespace

DotPage::Plane::Plane(int w, int h)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      across(static_cast<std::size_t>(width + kTile - 1) / kTile),
      words(across * static_cast<std::size_t>((height + kTile - 1) / kTile) * kTile, 0) {}

bool DotPage::Plane::inked(long x, long y) const {
  return ((row(y)[x / kTile * kTile] >> (kTile - 1 - x % kTile)) & 1) != 0;
}

void DotPage::Plane::span(long y, long x0, long x1) { inkRow<Word, kTile>(row(y), x0, x1); }

DotPage::DotPage(int width, int height) : page_(width, height), turned_(height, width) {}

void DotPage::settle() const {
  if (!unsettled_) return;
  unsettled_ = false;
  static_assert(kTile == 32 && sizeof(Word) == 4);
  // Tile (tx, ty) of the turned page, turned back, is tile (ty, tx) of the page.
  const std::size_t tilesDown = static_cast<std::size_t>(turned_.height + kTile - 1) / kTile;
  for (std::size_t ty = 0; ty < tilesDown; ++ty) {
    for (std::size_t tx = 0; tx < turned_.across; ++tx) {
      Word* in = turned_.words.data() + (ty * turned_.across + tx) * kTile;
      if (std::all_of(in, in + kTile, [](Word w) { return w == 0; })) continue;
      Word square[kTile];
      std::copy(in, in + kTile, square);
      std::fill(in, in + kTile, Word(0));
      transpose(square);
      Word* out = page_.words.data() + (tx * page_.across + ty) * kTile;
      for (int k = 0; k < kTile; ++k) out[k] |= square[k];
    }
  }
}

bool DotPage::inked(int x, int y) const {
  if (x < 0 || y < 0 || x >= width() || y >= height()) return false;
  settle();
  return page_.inked(x, y);
}

void DotPage::copyRow(int y, std::uint8_t* out) const {
  settle();
  const Word* row = page_.row(y);
  constexpr int kBytes = sizeof(Word);
  for (int b = 0; b < rowBytes(); ++b)
    out[b] = static_cast<std::uint8_t>(row[b / kBytes * kTile] >> (8 * (kBytes - 1 - b % kBytes)));
}

const DotPage::Pen& DotPage::pen(int width) {
  if (pen_.width == width) return pen_;
  // An even pen is centred on the corner (X, Y): dot (X + u, Y + m) has its
  // centre within width / 2 of it when (2u + 1)^2 + (2m + 1)^2 <= width^2.
  // An odd pen is centred on the centre of dot (X, Y): when
  // (2u)^2 + (2m)^2 <= width^2. Whole numbers, no rounding.
  pen_ = Pen{width, 0, {}, {}};
  const long w2 = long(width) * width;
  const long odd = width % 2 != 0 ? 0 : 1;
  for (int m = -width; m <= width; ++m) {
    const long rest = w2 - long(2 * m + odd) * (2 * m + odd);
    if (rest < odd) {
      if (!pen_.lo.empty()) break;
      continue;
    }
    if (pen_.lo.empty()) pen_.first = m;
    const long q = isqrt(rest);  // |2u + odd| <= q
    pen_.lo.push_back(int(-((q + odd) / 2)));
    pen_.hi.push_back(int((q - odd) / 2));
  }
  return pen_;
}

void DotPage::line(float x1, float y1, float x2, float y2, int width) {
  if (empty() || width < 1) return;
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  const double X1 = endPoint(x1, width), Y1 = endPoint(y1, width), X2 = endPoint(x2, width),
               Y2 = endPoint(y2, width);
  // Turning the page over its diagonal keeps every distance, so the turned
  // page gets the same dots, turned.
  if (std::fabs(X2 - X1) >= std::fabs(Y2 - Y1)) {
    page_.line(X1, Y1, X2, Y2, pen(width));
  } else {
    turned_.line(Y1, X1, Y2, X2, pen(width));
    unsettled_ = true;
  }
}

void DotPage::Plane::line(double X1, double Y1, double X2, double Y2, const Pen& p) {
  // One direction whichever end comes first: downwards, or rightwards along a row.
  if (Y2 < Y1 || (Y2 == Y1 && X2 < X1)) {
    std::swap(X1, X2);
    std::swap(Y1, Y2);
  }
  const double r = p.width / 2.0;
  if (std::max(X1, X2) + r < 0 || std::min(X1, X2) - r > width || Y2 + r < 0 || Y1 - r > height) return;
  const long right = long(width) - 1;

  // The round ends.
  for (const auto& [X, Y] : {std::pair{X1, Y1}, std::pair{X2, Y2}}) {
    for (std::size_t k = 0; k < p.lo.size(); ++k) {
      // The dot whose corner or centre the end is.
      const long y = floorOf(Y) + p.first + long(k);
      if (y < 0 || y >= height) continue;
      const long x0 = std::max(floorOf(X) + p.lo[k], 0L), x1 = std::min(floorOf(X) + p.hi[k], right);
      if (x0 <= x1) span(y, x0, x1);
    }
  }
  if (X1 == X2 && Y1 == Y2) return;

  // The rectangle the pen sweeps between them: on a row, the dots between
  // its long sides (the band along the segment) and between the lines
  // through the ends square to the segment. Its corners reach `cap` above
  // the first end and below the last.
  const double dx = X2 - X1, dy = Y2 - Y1, L = std::sqrt(dx * dx + dy * dy);
  const double cap = r * std::fabs(dx) / L;
  const long top = std::max(0L, ceilOf(Y1 - cap - 0.5));
  const long bottom = std::min(long(height) - 1, floorOf(Y2 + cap - 0.5));
  if (top > bottom) return;
  // The edges on row `top`, in dots: a dot is inked when its index lies
  // between the left and the right edges.
  const double cy = double(top) + 0.5 - Y1;
  Edge bandLeft{0, 0, true}, bandRight{0, 0, true}, endLeft{0, 0, true}, endRight{0, 0, true};
  if (dy > 0) {
    const double step = dx / dy, half = r * L / dy, c = X1 - 0.5 + cy * step;
    bandLeft = {c - half, step};
    bandRight = {c + half, step};
  }
  if (dx != 0) {
    const double step = -dy / dx, a = X1 - 0.5 + cy * step, b = a + L * L / dx;
    endLeft = {std::min(a, b), step};
    endRight = {std::max(a, b), step};
  }
  const double rows = double(bottom - top);
  bool fixed = true;
  for (const Edge& e : {bandLeft, bandRight, endLeft, endRight})
    fixed = fixed && (e.open || std::max(std::fabs(e.at), std::fabs(e.at + rows * e.step)) < kFixedRange);
  if (!fixed) {
    // Far beyond any page: row by row in floating point.
    for (long j = top; j <= bottom; ++j) {
      const double k = double(j - top);
      double lo = -HUGE_VAL, hi = HUGE_VAL;
      if (!bandLeft.open) lo = bandLeft.at + k * bandLeft.step, hi = bandRight.at + k * bandRight.step;
      if (!endLeft.open) {
        lo = std::max(lo, endLeft.at + k * endLeft.step);
        hi = std::min(hi, endRight.at + k * endRight.step);
      }
      const long x0 = std::max(ceilOf(std::max(lo, -1.0)), 0L);
      const long x1 = std::min(floorOf(std::min(hi, double(width))), right);
      if (x0 <= x1) span(j, x0, x1);
    }
    return;
  }
  const auto toFixed = [](const Edge& e, bool left) -> std::pair<std::int64_t, std::int64_t> {
    if (e.open) return {left ? -kOpen : kOpen, 0};
    return {static_cast<std::int64_t>(e.at * kOne), static_cast<std::int64_t>(e.step * kOne)};
  };
  auto [bl, bls] = toFixed(bandLeft, true);
  auto [br, brs] = toFixed(bandRight, false);
  auto [el, els] = toFixed(endLeft, true);
  auto [er, ers] = toFixed(endRight, false);
  const long nextTileRow = long(across) * kTile - (kTile - 1);
  long j = top;
  Word* at = row(top);
  const auto nextRow = [&] {
    ++j;
    at += j % kTile != 0 ? 1 : nextTileRow;
  };
  // Rows near an end: all four edges.
  const auto nearEnd = [&](long last) {
    for (; j <= last; nextRow()) {
      const long x0 = std::max(long((std::max(bl, el) + kFraction) >> 32), 0L);
      const long x1 = std::min(long(std::min(br, er) >> 32), right);
      if (x0 <= x1) inkRow<Word, kTile>(at, x0, x1);
      bl += bls, br += brs, el += els, er += ers;
    }
  };
  // Rows between: the band's edges alone, which move alike; most lines lie
  // well inside the page and need no cutting to it.
  long middleTop = bottom + 1, middleBottom = bottom;
  if (dy > 0) {
    middleTop = std::max(top, ceilOf(Y1 + cap - 0.5));
    middleBottom = std::min(bottom, floorOf(Y2 - cap - 0.5));
  }
  nearEnd(std::min(bottom, middleTop - 1));
  if (j <= middleBottom) {
    const std::int64_t n = middleBottom - j + 1;
    el += els * n, er += ers * n;
    if (std::min(X1, X2) - r - 1 >= 0 && std::max(X1, X2) + r + 1 <= right) {
      for (; j <= middleBottom; nextRow(), bl += bls, br += bls) {
        const long x0 = long((bl + kFraction) >> 32), x1 = long(br >> 32);
        if (x0 <= x1) inkRow<Word, kTile>(at, x0, x1);
      }
    } else {
      for (; j <= middleBottom; nextRow(), bl += bls, br += bls) {
        const long x0 = std::max(long((bl + kFraction) >> 32), 0L), x1 = std::min(long(br >> 32), right);
        if (x0 <= x1) inkRow<Word, kTile>(at, x0, x1);
      }
    }
  }
  nearEnd(bottom);
}

}  // namespace orn
