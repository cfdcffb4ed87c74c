// 4-connected flood fills, span by span with an explicit stack of spans
// still to look at (no recursion, no per-pixel bookkeeping). Only up, down,
// left and right count as connected, so a one-pixel diagonal line of the
// border colour closes a region.
//
// A span fill pays for every span it follows, and in a region of narrow
// winding corridors each span is a few pixels at a new place in memory. So a
// border fill that has taken many spans finishes in row order instead: it
// labels the runs of non-border pixels row by row, joins the runs that touch
// from one row to the next, and paints every run joined to the seed's. That
// reads the image front to back, at memory speed.
#include "platform/core/raster_fill.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "platform/core/raster_rows.h"
#include "platform/core/surface.h"

namespace orn {

namespace {

constexpr Rgb kColourBits = 0xFFFFFF;
// A region whose spans each stand for more pixels of the rectangle they
// reach than this is sparse: its spans are long, or far apart. The regions
// of drawn pictures come out at several hundred, a maze of corridors a few
// pixels wide at a few tens.
constexpr double kSparseArea = 128;

// Fills the 4-connected pixels around (x, y) for which inside(row, x, pixel)
// holds, writing `value`, and reports each filled run to filled(row, x0, x1).
// After a run is reported inside() must be false for its pixels. Each stack
// entry is a span of row y that was just filled, with the direction dy of
// the row to look at next.
struct Span {
  int y, xl, xr, dy;
};

// The two spans a fill from (x, y) starts with.
std::vector<Span> firstSpans(int x, int y, int height) {
  std::vector<Span> stack;
  stack.reserve(1024);
  if (y + 1 < height) stack.push_back({y, x, x, 1});
  stack.push_back({y + 1, x, x, -1});  // taken first: the seed's own row
  return stack;
}

// Works through `stack` (see firstSpans), at most `budget` spans; returns
// whether the fill is complete. An unfinished fill can go on with another call.
template <class Inside, class Filled>
bool spanFill(Rgb* px, int width, int height, std::vector<Span>& stack, Inside insideAt,
              Rgb value, Filled filled, std::size_t budget = ~std::size_t(0)) {
  auto push = [&](int row, int xl, int xr, int dy) {
    const int next = row + dy;
    if (next >= 0 && next < height) stack.push_back({row, xl, xr, dy});
  };
  while (!stack.empty()) {
    if (budget-- == 0) return false;
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
  return true;
}

// The open bits (see RowKernels::openBits) of every row of an image, read
// once before the runs are labelled and used by both sweeps of the row pass,
// so that the image's pixels are read once and written once. Row -1 is
// clear, as is the word past each row's end.
class OpenRows {
 public:
  // The rows themselves are left for the reading to fill.
  OpenRows(int width, int height)
      : words_(std::size_t(width + 63) / 64 + 1),
        bits_(new std::uint64_t[words_ * (std::size_t(height) + 1)]),
        exact_(std::size_t(height), 0) {
    std::fill_n(bits_.get(), words_, 0);
    for (int y = 0; y < height; ++y) row(y)[words_ - 1] = 0;
  }
  std::uint64_t* row(int y) { return bits_.get() + words_ * std::size_t(y + 1); }
  // No pixel of row y has anything in its top byte: every border pixel is
  // exactly the border colour.
  bool exact(int y) const { return exact_[std::size_t(y)] != 0; }
  void setExact(int y, bool exact) { exact_[std::size_t(y)] = exact; }

 private:
  std::size_t words_;
  std::unique_ptr<std::uint64_t[]> bits_;
  std::vector<char> exact_;
};

// Bit masks and searches over a row of bits, 64 pixels to a word, with a
// clear word past the row's end so every search for a clear bit stops.
std::uint64_t upTo(int bit) { return ~std::uint64_t(0) >> (63 - bit); }  // bits 0..bit

// Position of the first set bit at or after x, or words * 64 if there is none.
int nextSet(const std::uint64_t* bits, int words, int x) {
  int w = x >> 6;
  std::uint64_t m = bits[w] & (~std::uint64_t(0) << (x & 63));
  while (m == 0) {
    if (++w >= words) return words * 64;
    m = bits[w];
  }
  return w * 64 + __builtin_ctzll(m);
}

// Position of the first clear bit at or after x (the clear word past the end
// holds one).
int nextClear(const std::uint64_t* bits, int x) {
  int w = x >> 6;
  std::uint64_t m = ~bits[w] & (~std::uint64_t(0) << (x & 63));
  while (m == 0) m = ~bits[++w];
  return w * 64 + __builtin_ctzll(m);
}

// Position of the last set bit at or before x; there must be one.
int prevSet(const std::uint64_t* bits, int x) {
  int w = x >> 6;
  std::uint64_t m = bits[w] & upTo(x & 63);
  while (m == 0) m = bits[--w];
  return w * 64 + 63 - __builtin_clzll(m);
}

// The first pixels of the runs of set bits in a word, given the word before.
std::uint64_t runStarts(std::uint64_t bits, std::uint64_t before) {
  return bits & ~(bits << 1 | before >> 63);
}

// Adds two rows of bits word by word; `carry` comes in and goes out.
std::uint64_t addWithCarry(std::uint64_t a, std::uint64_t b, unsigned& carry) {
  std::uint64_t sum;
  const bool c1 = __builtin_add_overflow(a, b, &sum);
  const bool c2 = __builtin_add_overflow(sum, std::uint64_t(carry), &sum);
  carry = unsigned(c1 || c2);
  return sum;
}

// Sets the bits from x0 to x1.
void setBits(std::uint64_t* bits, int x0, int x1) {
  const int w0 = x0 >> 6, w1 = x1 >> 6;
  const std::uint64_t first = ~std::uint64_t(0) << (x0 & 63);
  const std::uint64_t last = upTo(x1 & 63);
  if (w0 == w1) {
    bits[w0] |= first & last;
    return;
  }
  bits[w0] |= first;
  for (int w = w0 + 1; w < w1; ++w) bits[w] = ~std::uint64_t(0);
  bits[w1] |= last;
}

// Which labels name one region: disjoint sets whose root is their lowest
// label, so every label's parent is no higher than itself.
class LabelSets {
 public:
  void add(std::uint32_t label) {
    while (parent_.size() <= label) parent_.push_back(std::uint32_t(parent_.size()));
  }
  std::uint32_t find(std::uint32_t k) {
    while (parent_[k] != k) {
      parent_[k] = parent_[parent_[k]];
      k = parent_[k];
    }
    return k;
  }
  void join(std::uint32_t a, std::uint32_t b) {
    a = find(a);
    b = find(b);
    if (a < b) parent_[b] = a;
    if (b < a) parent_[a] = b;
  }
  // Points every label straight at its root, lowest label first.
  void flatten() {
    for (std::uint32_t& p : parent_) p = parent_[p];
  }
  std::uint32_t root(std::uint32_t label) const { return parent_[label]; }  // after flatten()
  // Whether all labels name one region (after flatten(): every root is 0).
  bool one() const {
    return std::all_of(parent_.begin(), parent_.end(), [](std::uint32_t p) { return p == 0; });
  }

 private:
  std::vector<std::uint32_t> parent_;
};

// Reads the open bits of the width x height image `px` (its pixels not of
// colour c) into `rows`, and labels their runs row by row as it goes,
// joining in `sets` the labels of runs that touch from one row to the next;
// returns the label of the seed's run in `seedLabel`, or false once more
// than `limit` labels would be needed.
//
// Each row is labelled as soon as it is read, and while it is labelled the
// memory is asked for the rows after it, so the labelling's work is done
// while the image comes in rather than after it.
//
// A run takes the label of the first run above it that it touches, or a new
// label if it touches none, so the labels depend on the image alone and the
// second sweep of fillByRows meets the new ones in the same order. A run's
// label is kept at its first pixel: a run that starts where the run above it
// starts has its label in place already, which in corridors is most runs.
// Which runs touch which is worked out 64 pixels at a time: in a run, a
// pixel over an open pixel that has none left of it over an open pixel
// starts the stretch where the run meets one run above. Each stretch after
// the first in its run joins another run above, and those are found by
// adding each run's stretch starts to the run: the carry clears the run from
// its first stretch on.
bool labelRows(const Rgb* px, int width, int height, Rgb c, const raster::RowKernels& kernels,
               std::size_t limit, int seedX, int seedY, LabelSets& sets, std::uint32_t& seedLabel,
               OpenRows& rows) {
  const int words = (width + 63) / 64;
  const auto size = std::size_t(words) + 1;
  std::vector<std::uint64_t> starts(size, 0), startsAbove(size, 0);
  std::vector<std::uint32_t> label(std::size_t(words) * 64);
  std::uint32_t labels = 0;
  // Pixels up to `ahead` have been asked for; at most kLeadRows rows past
  // the row being labelled, a cache line at a time, kAskLines lines for
  // each word labelled (which keeps pace with the memory on rows with runs
  // to label, and lets rows that repeat the one above take what is there).
  constexpr std::size_t kLeadRows = 4, kAskLines = 8, kLinePixels = 16;
  const std::size_t pixels = std::size_t(width) * std::size_t(height);
  std::size_t ahead = 0;
  for (int y = 0; y < height; ++y) {
    const std::size_t at = std::size_t(y) * std::size_t(width);
    rows.setExact(y, kernels.openBits(px + at, width, c, rows.row(y)));
    ahead = std::max(ahead, at + std::size_t(width));
    const std::size_t lead = std::min(pixels, at + kLeadRows * std::size_t(width));
    const std::uint64_t* const open = rows.row(y);
    const std::uint64_t* const above = rows.row(y - 1);
    if (std::equal(open, open + words, above)) {
      // The row repeats the one above: each run goes on the run above it,
      // whose start and label it keeps, and joins nothing new.
      if (y == seedY) seedLabel = label[std::size_t(prevSet(startsAbove.data(), seedX))];
      continue;
    }
    std::uint64_t openBefore = 0, touchBefore = 0, fromFirstBefore = 0;
    unsigned carry = 0;
    for (int w = 0; w < words; ++w) {
      for (std::size_t k = 0; k < kAskLines && ahead < lead; ++k, ahead += kLinePixels)
        __builtin_prefetch(px + ahead, 0, 2);
      const std::uint64_t o = open[w], a = above[w], touch = o & a;
      const std::uint64_t first = runStarts(o, openBefore), stretch = runStarts(touch, touchBefore);
      starts[w] = first;
      const std::uint64_t fromFirst = (o & ~addWithCarry(o, stretch, carry)) | stretch;
      const std::uint64_t joins = stretch & (fromFirst << 1 | fromFirstBefore >> 63);
      // Runs that start elsewhere than a run above: they take the label of
      // the run above they meet first, or a new one.
      for (std::uint64_t m = first & ~startsAbove[w]; m != 0; m &= m - 1) {
        const int s = w * 64 + __builtin_ctzll(m);
        std::uint32_t l;
        if (a >> (s & 63) & 1) {
          l = label[std::size_t(prevSet(startsAbove.data(), s))];
        } else {
          // The first open pixel above it starts a run above.
          const int q = nextSet(startsAbove.data(), words, s);
          if (q < nextClear(open, s)) {
            l = label[std::size_t(q)];
          } else {
            if (labels == limit) return false;
            l = labels++;
            sets.add(l);
          }
        }
        label[std::size_t(s)] = l;
      }
      // Each further stretch starts a run above, and joins it to the run.
      for (std::uint64_t m = joins; m != 0; m &= m - 1) {
        const int p = w * 64 + __builtin_ctzll(m);
        const std::uint32_t mine = label[std::size_t(prevSet(starts.data(), p))];
        const std::uint32_t other = label[std::size_t(p)];
        if (mine != other) sets.join(mine, other);
      }
      openBefore = o;
      touchBefore = touch;
      fromFirstBefore = fromFirst;
    }
    if (y == seedY) seedLabel = label[std::size_t(prevSet(starts.data(), seedX))];
    std::swap(starts, startsAbove);
  }
  return true;
}

// Widens each set bit of `from` to the left over the set bits of `through`
// that run unbroken up to it, within one word.
std::uint64_t spreadLeft(std::uint64_t from, std::uint64_t through) {
  from |= through & (from >> 1);
  through &= through >> 1;
  from |= through & (from >> 2);
  through &= through >> 2;
  from |= through & (from >> 4);
  through &= through >> 4;
  from |= through & (from >> 8);
  through &= through >> 8;
  from |= through & (from >> 16);
  through &= through >> 16;
  return from | (through & (from >> 32));
}

// The row pass: the 4-connected pixels not of colour c around (x, y) become
// `fill`. The first sweep labels the runs and finds which labels meet. The
// second finds the runs again and paints those of the region: a run that
// touches a run above belongs to it if a painted run above is among those it
// touches (as all the runs it touches are joined to it), and the others are
// the ones that took a new label, in the same order as in the first sweep.
// Only the labels' table is kept, one entry for each run with no run above
// it. Returns false, having changed nothing, when more than `labelLimit`
// labels are needed.
bool fillByRows(Rgb* px, int width, int height, int x, int y, Rgb c, Rgb fill,
                std::size_t labelLimit, const raster::RowKernels& kernels, bool stream,
                detail::FilledBits& filled) {
  LabelSets sets;
  std::uint32_t seedLabel = 0;
  // The image is read once, into bits that both sweeps use.
  OpenRows rows(width, height);
  if (!labelRows(px, width, height, c, kernels, labelLimit, x, y, sets, seedLabel, rows)) return false;
  sets.flatten();
  const std::uint32_t region = sets.root(seedLabel);
  // Per row: the open pixels and the painted ones, of this row and the one
  // above, and where this row's runs start.
  const int words = (width + 63) / 64;
  const auto size = std::size_t(words) + 1;
  std::vector<std::uint64_t> paintedAbove(size, 0), painted(size, 0), starts(size, 0);
  std::uint32_t nextLabel = 0;
  const bool everyRun = sets.one();
  for (int row = 0; row < height; ++row) {
    Rgb* line = px + std::size_t(row) * width;
    const std::uint64_t* const open = rows.row(row);
    if (everyRun) {
      // The image's runs are all one region, as in a picture of open strokes
      // or a maze: every open pixel is painted, with no sweep to find them.
      kernels.paintBits({line, width, open, open, fill, c, rows.exact(row)}, stream);
      filled.setRow(row, open);
      continue;
    }
    const std::uint64_t* const openAbove = rows.row(row - 1);
    if (std::equal(open, open + words, openAbove)) {
      // The row repeats the one above: its runs are painted as the runs
      // above them.
      kernels.paintBits({line, width, paintedAbove.data(), open, fill, c, rows.exact(row)}, stream);
      filled.setRow(row, paintedAbove.data());
      continue;
    }
    // Left to right, by carries through each run: the run from its first
    // pixel under a painted pixel on, and the pixel past the end of each run
    // that touches the row above.
    std::uint64_t openBefore = 0;
    unsigned carryPainted = 0, carryTouch = 0;
    for (int w = 0; w <= words; ++w) {  // the clear word past the end takes the last carries
      const std::uint64_t o = open[w], under = o & paintedAbove[w];
      starts[w] = runStarts(o, openBefore);
      painted[w] = (o & ~addWithCarry(o, under, carryPainted)) | under;
      const std::uint64_t touchedEnds = addWithCarry(o, o & openAbove[w], carryTouch);
      // Runs with nothing above: the ones that took a new label.
      for (std::uint64_t m = ~o & (o << 1 | openBefore >> 63) & ~touchedEnds; m != 0; m &= m - 1) {
        const int end = w * 64 + __builtin_ctzll(m) - 1;
        if (sets.root(nextLabel++) == region)
          setBits(painted.data(), prevSet(starts.data(), end), end);
      }
      openBefore = o;
    }
    // Right to left: the rest of each run that meets a painted pixel above.
    std::uint64_t spill = 0;
    for (int w = words - 1; w >= 0; --w) {
      const std::uint64_t o = open[std::size_t(w)];
      std::uint64_t p = painted[std::size_t(w)] | (o & spill << 63);
      // Only an open pixel left of a painted one has anything to take.
      if ((o & ~p & p >> 1) != 0) p = spreadLeft(p, o);
      painted[std::size_t(w)] = p;
      spill = p & 1;
    }
    kernels.paintBits({line, width, painted.data(), open, fill, c, rows.exact(row)}, stream);
    filled.setRow(row, painted.data());
    std::swap(painted, paintedAbove);
  }
  return true;
}

}  // namespace

bool Surface::floodFill(int x, int y, Rgb c, Rgb fill, FillType type) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  c &= kColourBits;
  fill &= kColourBits;
  Rgb* px = px_.data();
  const std::size_t at = static_cast<std::size_t>(y) * width_ + x;
  const Rgb seed = px[at] & kColourBits;
  auto nothing = [](int, int, int) {};
  if (type == FillType::Surface) {
    if (seed != c) return false;
    if (fill == c) return true;  // the region already has the fill colour
    forgetFills();
    std::vector<Span> stack = firstSpans(x, y, height_);
    spanFill(px, width_, height_, stack, [c](int, int, Rgb p) { return (p & kColourBits) == c; },
             fill, nothing);
    return true;
  }
  if (seed == c) return false;
  if (fill == c) {  // filled pixels become border pixels: they mark themselves
    forgetFills();
    std::vector<Span> stack = firstSpans(x, y, height_);
    spanFill(px, width_, height_, stack, [c](int, int, Rgb p) { return (p & kColourBits) != c; },
             fill, nothing);
    return true;
  }
  // Bits kept for fills up to another border, or on another size, are of
  // other regions.
  if (filled_.width() != width_ || filled_.height() != height_ || c != filledBorder_) {
    filled_.reshape(width_, height_);
    filledBorder_ = c;
  }
  // A region an earlier fill covered has one colour throughout: when the
  // seed shows the fill colour, the fill would change nothing.
  if (filled_.test(y, x) && px[at] == fill) return true;
  return detail::fillToBorder(px, width_, height_, x, y, c, fill,
                              detail::defaultBorderFillLimits(width_, height_), filled_);
}

namespace detail {

BorderFillLimits defaultBorderFillLimits(int width, int height) {
  const std::size_t pixels = std::size_t(std::max(width, 0)) * std::size_t(std::max(height, 0));
  // The row pass costs a few nanoseconds a pixel of the whole image; a span
  // costs some tens. So a fill goes on span by span while that costs a few
  // per cent of the row pass: a small fill never sees the row pass. The run
  // labels take four bytes a run, at most a quarter of the image's memory;
  // past that (a region of runs one or two pixels long) the span fill goes on.
  // A sparse region, whose spans are long, costs the span fill little more
  // than its pixels: it goes on span by span until its spans have cost about
  // what the row pass would (a span costs what the row pass spends on about
  // a hundred pixels), so that it never costs much more than twice the
  // cheaper way. Its spans grow with the canvas's side while the row pass
  // grows with its area: on a larger canvas it keeps to the span fill.
  // An image larger than the processor's last cache cannot stay in it: its
  // painted rows are written past the caches, which spares reading each line
  // before it is written. One that fits is written through them, where the
  // row pass has just read it (where the cache's size is not told, 32 MB).
  const std::size_t cache = raster::lastLevelCacheBytes();
  return {std::max<std::size_t>(pixels / 1024, 4096), pixels / 4,
          std::max<std::size_t>(pixels / 128, 4096), raster::bestVectorUnit(),
          (cache > 0 ? cache : std::size_t(32) << 20) / sizeof(Rgb)};
}

bool fillToBorder(Rgb* px, int width, int height, int x, int y, Rgb c, Rgb fill,
                  BorderFillLimits limits, FilledBits& covered) {
  if (x < 0 || y < 0 || x >= width || y >= height) return false;
  c &= kColourBits;
  fill &= kColourBits;
  if ((px[std::size_t(y) * width + x] & kColourBits) == c) return false;
  // Pixels that already had the fill colour before must still be crossed: a
  // pixel of the fill colour is new ground unless this fill set it, which
  // the bits tell (a bit set by an earlier fill lies in another region, or
  // in one that has no pixel of the fill colour). They are only looked at
  // where the fill meets the fill colour, which for most regions is where it
  // closes a loop.
  auto inside = [c, fill, &covered](int row, int i, Rgb p) {
    p &= kColourBits;
    return p == fill ? !covered.test(row, i) : p != c;
  };
  // The rectangle the filled runs reached.
  int left = x, top = y, right = x, bottom = y;
  auto filled = [&](int row, int x0, int x1) {
    covered.set(row, x0, x1);
    left = std::min(left, x0);
    right = std::max(right, x1);
    top = std::min(top, row);
    bottom = std::max(bottom, row);
  };
  std::vector<Span> stack = firstSpans(x, y, height);
  if (spanFill(px, width, height, stack, inside, fill, filled, limits.spans)) return true;
  // A sparse region (fewer spans than one in kSparseArea pixels of the
  // rectangle they reached) goes on span by span; one of narrow corridors
  // goes to the row pass.
  const double reached = (double(right) - left + 1) * (double(bottom) - top + 1);
  if (limits.sparseSpans > limits.spans && double(limits.spans) * kSparseArea < reached &&
      spanFill(px, width, height, stack, inside, fill, filled, limits.sparseSpans - limits.spans))
    return true;
  // A large fill: the row pass finishes it. Painting in a colour other than
  // the border's leaves every region as it was, so the runs of the part
  // filled image are those of the original, and painting a pixel again does
  // no harm. Run labels are numbered in 32 bits.
  const std::size_t runLimit =
      std::min<std::size_t>(limits.runs, std::numeric_limits<std::uint32_t>::max());
  const bool stream = std::size_t(width) * std::size_t(height) >= limits.streamPixels;
  if (fillByRows(px, width, height, x, y, c, fill, runLimit, raster::rowKernels(limits.unit), stream, covered))
    return true;
  spanFill(px, width, height, stack, inside, fill, filled);
  return true;
}

}  // namespace detail
}  // namespace orn
