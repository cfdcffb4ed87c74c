// Flood fills, checked pixel for pixel against a plain breadth-first fill:
// both fill types through Surface::floodFill, and the border fill's every way
// (span by span, or finishing in row order over labelled runs), and fills
// passed over in regions that earlier fills covered.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/core/raster_fill.h"
#include "surface_testing.h"

namespace orn {
namespace {

using detail::BorderFillLimits;
using detail::fillToBorder;
using test::tangle;

constexpr std::size_t kNoLimit = ~std::size_t(0);

bool fillWith(Surface& s, int x, int y, Rgb fill, BorderFillLimits limits) {
  detail::FilledBits filled(s.width(), s.height());
  return fillToBorder(s.pixels(), s.width(), s.height(), x, y, kBlack, fill, limits, filled);
}

// A perfect maze of corridors `cell - 1` pixels wide between 1-pixel walls,
// with a ragged right and bottom edge when the size is no multiple of cell.
Surface maze(int w, int h, int cell, unsigned seed) {
  Surface s(w, h, kBlack);
  const int cw = (w - 1) / cell, ch = (h - 1) / cell;
  std::vector<char> seen(std::size_t(cw) * ch, 0);
  std::vector<int> stack{0};
  seen[0] = 1;
  std::mt19937 rng(seed);
  auto open = [&](int cx, int cy) {
    s.fillBox(cx * cell + 1, cy * cell + 1, cx * cell + cell - 1, cy * cell + cell - 1, kWhite);
  };
  open(0, 0);
  while (!stack.empty()) {
    const int c = stack.back(), cx = c % cw, cy = c / cw;
    int options[4], n = 0;
    const int nx[4] = {cx + 1, cx - 1, cx, cx}, ny[4] = {cy, cy, cy + 1, cy - 1};
    for (int k = 0; k < 4; ++k)
      if (nx[k] >= 0 && ny[k] >= 0 && nx[k] < cw && ny[k] < ch && !seen[ny[k] * cw + nx[k]])
        options[n++] = k;
    if (n == 0) {
      stack.pop_back();
      continue;
    }
    const int k = options[rng() % n];
    seen[ny[k] * cw + nx[k]] = 1;
    open(nx[k], ny[k]);
    const int wx = std::min(cx, nx[k]) * cell, wy = std::min(cy, ny[k]) * cell;
    if (ny[k] == cy) {
      s.fillBox(wx + cell, wy + 1, wx + cell, wy + cell - 1, kWhite);
    } else {
      s.fillBox(wx + 1, wy + cell, wx + cell - 1, wy + cell, kWhite);
    }
    stack.push_back(ny[k] * cw + nx[k]);
  }
  return s;
}

// The limits that make every large fill take each way: all span by span,
// straight to the row pass, part way, part way and then on span by span when
// the region is sparse, and the row pass giving up at once.
const BorderFillLimits kWays[] = {
    {kNoLimit, kNoLimit}, {0, kNoLimit}, {9, kNoLimit}, {9, kNoLimit, 40}, {3, 1}};

// The ways that reach the row pass, in every vector unit the processor has,
// painting its rows in the caches or past them.
std::vector<BorderFillLimits> everyWay() {
  std::vector<BorderFillLimits> out(std::begin(kWays), std::end(kWays));
  for (const BorderFillLimits& way : {kWays[1], kWays[2]})
    for (raster::VectorUnit unit : {raster::VectorUnit::Plain, raster::VectorUnit::Sse2, raster::VectorUnit::Avx2})
      if (raster::canRun(unit))
        for (const std::size_t streamPixels : {std::size_t(0), ~std::size_t(0)})
          out.push_back({way.spans, way.runs, way.sparseSpans, unit, streamPixels});
  return out;
}

// Every way, and Surface::floodFill choosing its own.
void expectEveryWayMatches(const Surface& start, int x, int y, Rgb fill) {
  const Surface expected = test::referenceFill(start, x, y, kBlack, fill);
  Surface chosen = start;
  ASSERT_TRUE(chosen.floodFill(x, y, kBlack, fill));
  ASSERT_TRUE(chosen == expected);
  if (fill == kBlack) return;  // the border colour is filled span by span only
  static const std::vector<BorderFillLimits> ways = everyWay();
  for (const BorderFillLimits& way : ways) {
    Surface s = start;
    ASSERT_TRUE(fillWith(s, x, y, fill, way));
    ASSERT_TRUE(s == expected) << start.width() << "x" << start.height() << " at " << x << ","
                               << y << " limits " << way.spans << "/" << way.runs << " unit "
                               << int(way.unit) << " streaming from " << way.streamPixels;
  }
}

// Fill colours: new, already present inside the region (crossed, not a
// border), white, and the border colour itself.
TEST(SurfaceFill, BothFillTypesMatchAPlainFillOnLineTanglesWhicheverWayTheBorderFillGoes) {
  std::mt19937 rng(11);
  const Rgb fills[] = {0xFF0000, 0x0000FF, 0x00FF00, kWhite, kBlack};
  for (unsigned seed = 0; seed < 60; ++seed) {
    // Widths on both sides of a 64-pixel word.
    const int w = 30 + int(seed % 8) * 23, h = 25 + int(seed % 5) * 17;
    const Surface start = tangle(w, h, seed, 4 + int(seed % 40));
    const int x = int(rng() % w), y = int(rng() % h);
    const Rgb fill = fills[seed % 5];
    SCOPED_TRACE(testing::Message() << "seed " << seed << " at " << x << "," << y);
    if (start.point(x, y) != kBlack) expectEveryWayMatches(start, x, y, fill);
    // A surface fill covers only the connected pixels of the seed's colour.
    Surface t = start;
    const Rgb c = Rgb(t.point(x, y)), other = seed % 2 ? 0xABCDEF : 0x00FF00;
    const Surface same = test::referenceFill(t, x, y, c, other, FillType::Surface);
    ASSERT_TRUE(t.floodFill(x, y, c, other, FillType::Surface));
    ASSERT_TRUE(t == same);
  }
}

TEST(SurfaceFillRows, MatchesAPlainFillThroughMazesFromAnySeed) {
  for (const int cell : {2, 4, 8}) {
    const Surface start = maze(203, 131, cell, unsigned(cell));
    // Every corner and edge of the maze, and somewhere in the middle, in the
    // first row of a corridor and in the rows that repeat it.
    for (auto [x, y] : {std::pair{1, 1}, {201, 129}, {1, 129}, {201, 1}, {101, 65}, {1, 3}, {101, 66}})
      if (start.point(x, y) != kBlack) expectEveryWayMatches(start, x, y, 0x123456);
  }
  // Big enough that a fill through the Surface runs out of spans and finishes row by row.
  const Surface start = maze(700, 515, 4, 99);
  Surface s = start;
  ASSERT_TRUE(s.floodFill(1, 1, kBlack, 0x00FFFF));
  EXPECT_TRUE(s == test::referenceFill(start, 1, 1, kBlack, 0x00FFFF));
}

TEST(SurfaceFillRows, SeedsOnTheImageEdgesAndOnePixelWideImages) {
  // Columns and rows one pixel wide, broken by border pixels.
  for (auto [w, h] : {std::pair{1, 300}, {300, 1}, {1, 1}, {64, 1}, {65, 2}}) {
    Surface start(w, h);
    for (int i = 0; i < w * h; i += 7) start.pset(i % w, i / w, kBlack);
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, h - 1}, {w / 2, h / 2}})
      if (start.point(x, y) != kBlack) expectEveryWayMatches(start, x, y, 0xFF00FF);
  }
  // Seeds on every edge of a tangle.
  const Surface start = tangle(130, 70, 5, 40);
  for (auto [x, y] : {std::pair{0, 35}, {129, 35}, {65, 0}, {65, 69}, {129, 69}})
    if (start.point(x, y) != kBlack) expectEveryWayMatches(start, x, y, 0xFF0000);
}

// Every open pixel that can be a seed, up to `most` of them spread over the image.
std::vector<std::pair<int, int>> seeds(const Surface& s, int most) {
  std::vector<std::pair<int, int>> out;
  const int step = std::max(1, s.width() * s.height() / most);
  for (int i = 0; i < s.width() * s.height(); i += step)
    if (s.point(i % s.width(), i / s.width()) != kBlack) out.push_back({i % s.width(), i / s.width()});
  return out;
}

TEST(SurfaceFillRows, RunsSpanningWordsArePaintedWholeFromEitherEnd) {
  // A bar crossing several 64-pixel words, reached from above only at one end
  // and from nothing above elsewhere; the widths put the row's end on and off
  // a word's end.
  for (const int w : {128, 192, 200}) {
    for (const bool fromRight : {true, false}) {
      Surface start(w, 12, kBlack);
      const int column = fromRight ? w - 3 : 1;
      start.fillBox(column, 0, column, 6, kWhite);
      start.fillBox(0, 6, w - 1, 6, kWhite);
      start.fillBox(w / 2, 8, w - 1, 8, kWhite);  // a run of its own below
      expectEveryWayMatches(start, column, 0, 0x00FF00);
      expectEveryWayMatches(start, 5, 6, 0x00FF00);
      expectEveryWayMatches(start, w - 1, 8, 0x00FF00);
    }
  }
}

TEST(SurfaceFillRows, TeethJoinedOnlyBelowAreOneRegion) {
  // Combs hanging from the top whose teeth meet only in a bar at the bottom,
  // so the teeth take different labels that are joined late, across words;
  // beside them a comb standing on its own bar at the top, and teeth of
  // both widths.
  for (const int w : {64, 130, 256}) {
    Surface start(w, 40, kBlack);
    for (int x = 1; x < w - 1; x += 4) start.fillBox(x, 0, x + (x % 8 == 1 ? 1 : 0), 30, kWhite);
    start.fillBox(1, 30, w - 2, 30, kWhite);
    start.fillBox(0, 33, w - 1, 33, kWhite);
    for (int x = 2; x < w; x += 3) start.fillBox(x, 33, x, 39, kWhite);
    expectEveryWayMatches(start, 1, 0, 0xFF0000);
    expectEveryWayMatches(start, w - 3 - (w - 3) % 4 + 1, 5, 0xFF0000);
    expectEveryWayMatches(start, w - 1, 33, 0xFF0000);
    expectEveryWayMatches(start, 2, 39, 0xFF0000);
  }
}

TEST(SurfaceFillRows, MatchesAPlainFillOnRandomSpecklesOfEveryDensity) {
  // Speckles make runs that start inside, before and after the runs above,
  // touch several of them, or none, at every place in a word.
  std::mt19937 rng(5);
  for (const int w : {64, 127, 128, 129, 191}) {
    for (const int percent : {25, 40, 55}) {
      Surface start(w, 50);
      for (int y = 0; y < 50; ++y)
        for (int x = 0; x < w; ++x)
          if (int(rng() % 100) < percent) start.pset(x, y, kBlack);
      for (auto [x, y] : seeds(start, 6)) expectEveryWayMatches(start, x, y, 0x0000FF);
    }
  }
}

TEST(SurfaceFillRows, RowPassIgnoresTheUnusedTopByteOfPixels) {
  // The top byte of a pixel is no part of its colour: a border pixel with it
  // set still stops the fill, and any other pixel is still crossed; rows
  // painted past the caches keep it on the border pixels they write whole.
  // An image of 4 MB lies on cache lines, as do its rows of 1024 pixels.
  for (const int step : {3, 20000, 400000}) {
    Surface start = maze(1024, 1024, 4, 3);
    Rgb* px = start.pixels();
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(px) % 64, 0u);
    for (int i = 0; i < 1024 * 1024; i += step) px[i] |= 0xAB000000;
    Surface spans = start;
    ASSERT_TRUE(fillWith(spans, 1, 1, 0x0000FF, {kNoLimit, kNoLimit}));
    EXPECT_FALSE(spans == start);
    for (const BorderFillLimits& way : everyWay()) {
      Surface rows = start;
      ASSERT_TRUE(fillWith(rows, 1, 1, 0x0000FF, way));
      EXPECT_TRUE(rows == spans) << "unit " << int(way.unit) << " streaming from " << way.streamPixels;
    }
  }
}

TEST(SurfaceFill, FailsAndChangesNothingOnTheBorderOrOutside) {
  const Surface start = maze(90, 70, 4, 8);
  Surface s = start;
  for (auto [x, y] : {std::pair{0, 0}, {-1, 5}, {5, -1}, {90, 5}, {5, 70}, {4, 9}, {-2147483647 - 1, 0}}) {
    EXPECT_FALSE(fillWith(s, x, y, 0xFF0000, {0, kNoLimit})) << x << "," << y;
    EXPECT_FALSE(s.floodFill(x, y, kBlack, 0xFF0000)) << x << "," << y;
  }
  EXPECT_FALSE(s.floodFill(1, 1, kBlack, 0xFF0000, FillType::Surface));  // seed of another colour
  EXPECT_TRUE(s == start);
  Surface none;
  EXPECT_FALSE(none.floodFill(0, 0, kBlack, kWhite));
}

// A border fill whose seed lies in a region that earlier fills covered is
// passed over when it would change nothing. Runs of fills in a few colours,
// with every other kind of drawing in between, match the plain fill step by
// step: any drawing but a border fill must make the next fill look again.
using FillFn = std::function<bool(Surface&, int, int, Rgb, Rgb, FillType)>;

bool plainFill(Surface& s, int x, int y, Rgb c, Rgb fill, FillType type) {
  const std::int64_t seed = s.point(x, y);
  if (seed < 0 || (Rgb(seed) == (c & 0xFFFFFF)) != (type == FillType::Surface)) return false;
  s = test::referenceFill(s, x, y, c & 0xFFFFFF, fill & 0xFFFFFF, type);
  return true;
}

bool surfaceFill(Surface& s, int x, int y, Rgb c, Rgb fill, FillType type) {
  return s.floodFill(x, y, c, fill, type);
}

struct OtherDrawing {
  const char* name;
  // Draws at (x, y) in `ink`; `fill` makes the fills among them.
  std::function<void(Surface&, const FillFn& fill, int x, int y, Rgb ink)> draw;
};

const std::vector<OtherDrawing>& otherDrawing() {
  static const Surface patch = test::noise(9, 7, 4);
  static const std::vector<OtherDrawing> all = {
      {"pset", [](Surface& s, const FillFn&, int x, int y, Rgb ink) { s.pset(x, y, ink); }},
      {"plot", [](Surface& s, const FillFn&, int x, int y, Rgb ink) { s.setPenColor(ink); s.plot(x, y); }},
      {"dot", [](Surface& s, const FillFn&, int x, int y, Rgb ink) {
         s.setPenColor(ink);
         s.setPenWidth(3);
         s.dot(x, y);
         s.setPenWidth(1);
       }},
      {"line", [](Surface& s, const FillFn&, int x, int y, Rgb ink) { s.setPenColor(ink); s.line(x, y, x + 31, y + 9); }},
      {"box", [](Surface& s, const FillFn&, int x, int y, Rgb ink) { s.setPenColor(ink); s.box(x, y, x + 12, y + 8); }},
      {"fillBox", [](Surface& s, const FillFn&, int x, int y, Rgb ink) { s.fillBox(x, y, x + 2, y + 3, ink); }},
      {"circle", [](Surface& s, const FillFn&, int x, int y, Rgb ink) { s.setPenColor(ink); s.circle(x, y, 6); }},
      {"arc", [](Surface& s, const FillFn&, int x, int y, Rgb ink) { s.setPenColor(ink); s.arc(x, y, 9, 0.5, 2.5); }},
      {"blit", [](Surface& s, const FillFn&, int x, int y, Rgb) { s.blit(x, y, 9, 7, patch, 0, 0); }},
      {"stretch", [](Surface& s, const FillFn&, int x, int y, Rgb) { s.stretch(x, y, 20, 3, patch, 0, 0, 9, 7); }},
      {"pixels", [](Surface& s, const FillFn&, int x, int y, Rgb ink) {
         if (s.point(x, y) >= 0) s.pixels()[std::size_t(y) * s.width() + x] = ink;
       }},
      {"clear", [](Surface& s, const FillFn&, int, int, Rgb) { s.clear(); }},
      {"resize", [](Surface& s, const FillFn&, int, int, Rgb) { s.resize(s.width(), s.height()); }},
      {"surface fill", [](Surface& s, const FillFn& fill, int x, int y, Rgb ink) {
         if (s.point(x, y) >= 0) fill(s, x, y, Rgb(s.point(x, y)), ink, FillType::Surface);
       }},
      {"fill in the border colour", [](Surface& s, const FillFn& fill, int x, int y, Rgb) {
         fill(s, x, y, kBlack, kBlack, FillType::Border);
       }},
      {"fill up to another border", [](Surface& s, const FillFn& fill, int x, int y, Rgb ink) {
         fill(s, x, y, 0x0000FF, ink, FillType::Border);
       }},
  };
  return all;
}

// Runs `steps` steps on a copy of `start` both ways: mostly fills at seeds
// that come back often, in few colours, now and then other drawing.
void expectRefillsMatchThePlainFill(const Surface& start, unsigned seed, int steps) {
  const Rgb colours[] = {0xFF0000, 0x00FF00, 0x0000FF, kWhite};
  std::mt19937 rng(seed);
  std::vector<std::pair<int, int>> seeds;
  Surface ours = start, plain = start;
  for (int step = 0; step < steps; ++step) {
    const int x = int(rng() % start.width()), y = int(rng() % start.height());
    const Rgb colour = colours[rng() % 3 + (step % 7 == 0)];
    std::string what;
    if (rng() % 4 == 0) {
      const OtherDrawing& d = otherDrawing()[rng() % otherDrawing().size()];
      what = d.name;
      d.draw(ours, surfaceFill, x, y, colour);
      d.draw(plain, plainFill, x, y, colour);
    } else {
      if (seeds.size() < 8 || rng() % 3 == 0) seeds.push_back({x, y});
      const auto [sx, sy] = seeds[rng() % seeds.size()];
      what = "fill at " + std::to_string(sx) + "," + std::to_string(sy);
      ASSERT_EQ(surfaceFill(ours, sx, sy, kBlack, colour, FillType::Border),
                plainFill(plain, sx, sy, kBlack, colour, FillType::Border)) << what;
    }
    ASSERT_TRUE(ours == plain) << "seed " << seed << ", step " << step << ": " << what;
  }
}

TEST(SurfaceRefill, FillsPassedOverChangeNothingWhateverWasDrawnBetween) {
  // Two regions filled red, then each other drawing on the line between
  // them (joining them) or inside one, in another colour or in red, then red
  // again.
  Surface halves(40, 30);
  halves.setPenColor(kBlack);
  halves.line(20, 0, 20, 30);
  struct At {
    int x, y;
    Rgb ink;
  };
  for (const OtherDrawing& d : otherDrawing())
    for (const At at : {At{20, 10, 0x00FF00}, At{5, 12, 0x00FF00}, At{5, 12, 0xFF0000}}) {
      Surface ours = halves, plain = halves;
      for (const auto& [sx, sy] : {std::pair{5, 5}, {30, 5}, {5, 5}}) {
        EXPECT_EQ(surfaceFill(ours, sx, sy, kBlack, 0xFF0000, FillType::Border),
                  plainFill(plain, sx, sy, kBlack, 0xFF0000, FillType::Border));
        if (sx == 30) {
          d.draw(ours, surfaceFill, at.x, at.y, at.ink);
          d.draw(plain, plainFill, at.x, at.y, at.ink);
        }
      }
      EXPECT_TRUE(ours == plain) << d.name << " at " << at.x << "," << at.y << " in " << at.ink;
    }
  for (unsigned seed = 0; seed < 12; ++seed)
    expectRefillsMatchThePlainFill(tangle(90 + int(seed) * 7, 60, seed, 12 + int(seed) * 3), seed, 250);
  // A maze is one region large enough for the row pass.
  Surface big = maze(700, 515, 4, 7);
  big.setPenColor(kBlack);
  big.line(0, 300, 699, 250);
  expectRefillsMatchThePlainFill(big, 99, 60);
}

}  // namespace
}  // namespace orn
