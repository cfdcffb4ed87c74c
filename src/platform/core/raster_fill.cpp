// 4-connected flood fills, span by span with an explicit stack of spans
// still to look at (no recursion, no per-pixel bookkeeping). Only up, down,
// left and right count as connected, so a one-pixel diagonal line of the
// border colour closes a region.
#include <algorithm>
#include <vector>

#include "platform/core/surface.h"

namespace orn {

namespace {

constexpr Rgb kColourBits = 0xFFFFFF;

struct FilledBox {
  int x0, y0, x1, y1;
};

// Fills the 4-connected pixels around (x, y) for which inside(pixel) holds,
// writing `value`; after the write inside() must be false for that pixel.
// Each stack entry is a span of row y that was just filled, with the
// direction dy of the row to look at next.
template <class Inside>
FilledBox spanFill(Rgb* px, int width, int height, int x, int y, Inside inside, Rgb value) {
  struct Span {
    int y, xl, xr, dy;
  };
  std::vector<Span> stack;
  stack.reserve(1024);
  FilledBox box{x, y, x, y};
  auto push = [&](int row, int xl, int xr, int dy) {
    const int next = row + dy;
    if (next >= 0 && next < height) stack.push_back({row, xl, xr, dy});
  };
  auto filled = [&](int row, int xl, int xr) {
    box.x0 = std::min(box.x0, xl);
    box.x1 = std::max(box.x1, xr);
    box.y0 = std::min(box.y0, row);
    box.y1 = std::max(box.y1, row);
  };
  push(y, x, x, 1);
  push(y + 1, x, x, -1);  // taken first: fills the seed's own row
  while (!stack.empty()) {
    const Span s = stack.back();
    stack.pop_back();
    const int row = s.y + s.dy, x1 = s.xl, x2 = s.xr, dy = s.dy;
    Rgb* line = px + static_cast<std::size_t>(row) * width;
    // Rows of a narrow corridor lie a page or more apart, beyond what the
    // processor fetches ahead by itself: ask for a row further on now.
    const int ahead = row + 3 * dy;
    if (ahead >= 0 && ahead < height) __builtin_prefetch(px + std::size_t(ahead) * width + x1, 1);
    // Left from x1, possibly past the span's start.
    int cx = x1;
    while (cx >= 0 && inside(line[cx])) line[cx--] = value;
    int start = 0;
    bool filling = cx < x1;
    if (filling) {
      start = cx + 1;
      if (start < x1) push(row, start, x1 - 1, -dy);  // spilled round a corner
      cx = x1 + 1;
    }
    for (;;) {
      if (filling) {
        while (cx < width && inside(line[cx])) line[cx++] = value;
        push(row, start, cx - 1, dy);
        if (cx > x2 + 1) push(row, x2 + 1, cx - 1, -dy);  // spilled on the right
        filled(row, start, cx - 1);
      }
      for (++cx; cx <= x2 && !inside(line[cx]); ++cx) {
      }
      if (cx > x2) break;
      start = cx;
      filling = true;
    }
  }
  return box;
}

}  // namespace

bool Surface::floodFill(int x, int y, Rgb c, Rgb fill, FillType type) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  c &= kColourBits;
  fill &= kColourBits;
  Rgb* px = px_.data();
  const Rgb seed = px[static_cast<std::size_t>(y) * width_ + x] & kColourBits;
  if (type == FillType::Surface) {
    if (seed != c) return false;
    if (fill == c) return true;  // the region already has the fill colour
    spanFill(px, width_, height_, x, y, [c](Rgb p) { return (p & kColourBits) == c; }, fill);
    return true;
  }
  if (seed == c) return false;
  if (fill == c) {  // filled pixels become border pixels: they mark themselves
    spanFill(px, width_, height_, x, y, [c](Rgb p) { return (p & kColourBits) != c; }, fill);
    return true;
  }
  // Pixels that already have the fill colour must still be crossed, so the
  // filled ones carry a mark in the unused top byte until the fill is done.
  const Rgb mark = fill | 0xFF000000u;
  const FilledBox box = spanFill(
      px, width_, height_, x, y,
      [c, mark](Rgb p) { return p != mark && (p & kColourBits) != c; }, mark);
  for (int row = box.y0; row <= box.y1; ++row) {
    Rgb* line = px + static_cast<std::size_t>(row) * width_;
    for (int i = box.x0; i <= box.x1; ++i) line[i] = line[i] == mark ? fill : line[i];
  }
  return true;
}

}  // namespace orn
