// 4-connected flood fills, span by span with an explicit stack of spans
// still to look at (no recursion, no per-pixel bookkeeping). Only up, down,
// left and right count as connected, so a one-pixel diagonal line of the
// border colour closes a region.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/core/surface.h"

namespace orn {

namespace {

constexpr Rgb kColourBits = 0xFFFFFF;

// Fills the 4-connected pixels around (x, y) for which inside(row, x, pixel)
// holds, writing `value`, and reports each filled run to filled(row, x0, x1).
// After a run is reported inside() must be false for its pixels. Each stack
// entry is a span of row y that was just filled, with the direction dy of
// the row to look at next.
template <class Inside, class Filled>
void spanFill(Rgb* px, int width, int height, int x, int y, Inside insideAt, Rgb value,
              Filled filled) {
  struct Span {
    int y, xl, xr, dy;
  };
  std::vector<Span> stack;
  stack.reserve(1024);
  auto push = [&](int row, int xl, int xr, int dy) {
    const int next = row + dy;
    if (next >= 0 && next < height) stack.push_back({row, xl, xr, dy});
  };
  push(y, x, x, 1);
  push(y + 1, x, x, -1);  // taken first: fills the seed's own row
  while (!stack.empty()) {
    const Span s = stack.back();
    stack.pop_back();
    const int row = s.y + s.dy, x1 = s.xl, x2 = s.xr, dy = s.dy;
    Rgb* line = px + static_cast<std::size_t>(row) * width;
    auto inside = [&](int i) { return insideAt(row, i, line[i]); };
    // Rows of a narrow corridor lie a page or more apart, beyond what the
    // processor fetches ahead by itself: ask for a row further on now.
    const int ahead = row + 3 * dy;
    if (ahead >= 0 && ahead < height) __builtin_prefetch(px + std::size_t(ahead) * width + x1, 1);
    // Left from x1, possibly past the span's start.
    int cx = x1;
    while (cx >= 0 && inside(cx)) line[cx--] = value;
    int start = 0;
    bool filling = cx < x1;
    if (filling) {
      start = cx + 1;
      if (start < x1) push(row, start, x1 - 1, -dy);  // spilled round a corner
      cx = x1 + 1;
    }
    for (;;) {
      if (filling) {
        while (cx < width && inside(cx)) line[cx++] = value;
        push(row, start, cx - 1, dy);
        if (cx > x2 + 1) push(row, x2 + 1, cx - 1, -dy);  // spilled on the right
        filled(row, start, cx - 1);
      }
      for (++cx; cx <= x2 && !inside(cx); ++cx) {
      }
      if (cx > x2) break;
      start = cx;
      filling = true;
    }
  }
}

// Which pixels of the rows a fill has reached it filled itself: one bit per
// pixel, kept only for the rows reached, so a small fill costs little and a
// large one at most a thirty-second of the image.
class FilledBits {
 public:
  FilledBits(int width, int height)
      : words_((width + 63) / 64), rowStart_(static_cast<std::size_t>(height), kNone) {}

  bool test(int row, int x) const {
    const std::size_t start = rowStart_[static_cast<std::size_t>(row)];
    return start != kNone && (bits_[start + (x >> 6)] >> (x & 63) & 1);
  }
  void set(int row, int x0, int x1) {
    std::size_t& start = rowStart_[static_cast<std::size_t>(row)];
    if (start == kNone) {
      start = bits_.size();
      bits_.resize(bits_.size() + words_, 0);
    }
    std::uint64_t* w = bits_.data() + start;
    for (int x = x0; x <= x1;) {
      const int bit = x & 63, n = std::min(64 - bit, x1 - x + 1);
      w[x >> 6] |= (n == 64 ? ~std::uint64_t(0) : ((std::uint64_t(1) << n) - 1)) << bit;
      x += n;
    }
  }

 private:
  static constexpr std::size_t kNone = ~std::size_t(0);
  std::size_t words_;
  std::vector<std::size_t> rowStart_;
  std::vector<std::uint64_t> bits_;
};

}  // namespace

bool Surface::floodFill(int x, int y, Rgb c, Rgb fill, FillType type) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  c &= kColourBits;
  fill &= kColourBits;
  Rgb* px = px_.data();
  const Rgb seed = px[static_cast<std::size_t>(y) * width_ + x] & kColourBits;
  auto nothing = [](int, int, int) {};
  if (type == FillType::Surface) {
    if (seed != c) return false;
    if (fill == c) return true;  // the region already has the fill colour
    spanFill(px, width_, height_, x, y, [c](int, int, Rgb p) { return (p & kColourBits) == c; },
             fill, nothing);
    return true;
  }
  if (seed == c) return false;
  if (fill == c) {  // filled pixels become border pixels: they mark themselves
    spanFill(px, width_, height_, x, y, [c](int, int, Rgb p) { return (p & kColourBits) != c; },
             fill, nothing);
    return true;
  }
  // Pixels that already had the fill colour before must still be crossed: a
  // pixel of the fill colour is new ground unless this fill set it, which
  // the bits tell. They are only looked at where the fill meets the fill
  // colour, which for most regions is where it closes a loop.
  FilledBits mine(width_, height_);
  spanFill(
      px, width_, height_, x, y,
      [c, fill, &mine](int row, int i, Rgb p) {
        p &= kColourBits;
        return p == fill ? !mine.test(row, i) : p != c;
      },
      fill, [&mine](int row, int x0, int x1) { mine.set(row, x0, x1); });
  return true;
}

}  // namespace orn
