// Flood fills on a real Surface, against a plain breadth-first fill.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <vector>

#include "platform/core/surface.h"

namespace orn {
namespace {

// The obvious 4-connected fill, one pixel at a time, with its own visited
// list: the reference the span fill must agree with.
Surface referenceFill(Surface s, int x, int y, Rgb c, Rgb fill, FillType type) {
  const int w = s.width(), h = s.height();
  auto fillable = [&](int px, int py) {
    const auto p = Rgb(s.point(px, py));
    return type == FillType::Border ? p != c : p == c;
  };
  std::vector<char> seen(std::size_t(w) * h, 0);
  std::vector<std::pair<int, int>> region;
  std::deque<std::pair<int, int>> queue{{x, y}};
  seen[std::size_t(y) * w + x] = 1;
  while (!queue.empty()) {
    auto [px, py] = queue.front();
    queue.pop_front();
    region.push_back({px, py});
    const int nx[4] = {px + 1, px - 1, px, px}, ny[4] = {py, py, py + 1, py - 1};
    for (int k = 0; k < 4; ++k) {
      if (nx[k] < 0 || ny[k] < 0 || nx[k] >= w || ny[k] >= h) continue;
      auto& v = seen[std::size_t(ny[k]) * w + nx[k]];
      if (!v && fillable(nx[k], ny[k])) {
        v = 1;
        queue.push_back({nx[k], ny[k]});
      }
    }
  }
  for (auto [px, py] : region) s.pset(px, py, fill);
  return s;
}

// Thin lines in a few colours on white, some of them in the fill colour.
Surface tangle(int w, int h, unsigned seed, int lines) {
  Surface s(w, h);
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> x(-10, w + 10), y(-10, h + 10);
  const Rgb inks[] = {kBlack, kBlack, kBlack, 0x0000FF, 0x00FF00};
  for (int i = 0; i < lines; ++i) {
    s.setPenColor(inks[i % 5]);
    s.setPenWidth(i % 4 == 0 ? 2 : 1);
    s.line(x(rng), y(rng), x(rng), y(rng));
  }
  return s;
}

TEST(SurfaceFill, FillStopsAtADiagonalOnePixelLine) {
  Surface s(40, 40);
  s.setPenColor(kBlack);
  s.line(0, 39, 40, -1);  // corner to corner, one pixel per column
  ASSERT_TRUE(s.floodFill(2, 2, kBlack, 0x0000FF));
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const auto p = s.point(x, y);
      const auto want = x + y < 39 ? 0x0000FF : x + y == 39 ? kBlack : kWhite;
      EXPECT_EQ(p, want) << x << "," << y;
    }
  // A diamond of four thin diagonal lines keeps a fill inside it.
  Surface d(50, 50);
  d.line(25, 5, 45, 25);
  d.line(45, 25, 25, 45);
  d.line(25, 45, 5, 25);
  d.line(5, 25, 25, 5);
  ASSERT_TRUE(d.floodFill(25, 25, kBlack, 0x00FF00));
  EXPECT_EQ(d.point(25, 7), 0x00FF00);
  EXPECT_EQ(d.point(25, 3), kWhite);
  EXPECT_EQ(d.point(40, 40), kWhite);
  EXPECT_EQ(d.point(0, 0), kWhite);
}

TEST(SurfaceFill, FillSeededOnTheBorderOrOutsideFailsAndChangesNothing) {
  Surface s = tangle(60, 50, 1, 30);
  const Surface before = s;
  int bx = -1, by = -1;
  for (int y = 0; y < 50 && bx < 0; ++y)
    for (int x = 0; x < 60; ++x)
      if (s.point(x, y) == kBlack) {
        bx = x;
        by = y;
        break;
      }
  ASSERT_GE(bx, 0);
  EXPECT_FALSE(s.floodFill(bx, by, kBlack, 0xFF0000));
  for (auto [x, y] : {std::pair{-1, 5}, {5, -1}, {60, 5}, {5, 50}, {60, 50}, {-2147483647 - 1, 0}})
    EXPECT_FALSE(s.floodFill(x, y, kBlack, 0xFF0000)) << x << "," << y;
  // A surface fill fails on a seed of another colour.
  EXPECT_FALSE(s.floodFill(bx, by, kWhite, 0xFF0000, FillType::Surface));
  EXPECT_TRUE(s == before);
  Surface none;
  EXPECT_FALSE(none.floodFill(0, 0, kBlack, kWhite));
}

TEST(SurfaceFill, BorderFillMatchesAPlainFillOnRandomLineTangles) {
  std::mt19937 rng(3);
  for (unsigned seed = 0; seed < 60; ++seed) {
    const int w = 30 + int(seed % 7) * 9, h = 25 + int(seed % 5) * 11;
    Surface s = tangle(w, h, seed, 4 + int(seed % 25));
    const int x = int(rng() % w), y = int(rng() % h);
    // Fill colours: new, already present in the tangle, and the border itself.
    const Rgb fills[] = {0xFF0000, 0x0000FF, 0x00FF00, kWhite, kBlack};
    const Rgb fill = fills[seed % 5];
    SCOPED_TRACE(testing::Message() << "seed " << seed << " at " << x << "," << y);
    const bool onBorder = s.point(x, y) == kBlack;
    const Surface expected = onBorder ? s : referenceFill(s, x, y, kBlack, fill, FillType::Border);
    EXPECT_EQ(s.floodFill(x, y, kBlack, fill), !onBorder);
    ASSERT_TRUE(s == expected);
  }
}

TEST(SurfaceFill, FillCrossesPixelsThatAlreadyHaveTheFillColour) {
  // A red bar splits the box but is no border: both halves are one region.
  Surface s(30, 20);
  s.box(0, 0, 29, 19);
  s.fillBox(14, 1, 15, 18, 0x0000FF);
  ASSERT_TRUE(s.floodFill(5, 5, kBlack, 0x0000FF));
  EXPECT_EQ(s.point(25, 10), 0x0000FF);
  EXPECT_EQ(s.point(0, 0), kBlack);
  // Filling the same region again in the same colour ends and changes nothing.
  const Surface once = s;
  ASSERT_TRUE(s.floodFill(25, 10, kBlack, 0x0000FF));
  EXPECT_TRUE(s == once);
}

TEST(SurfaceFill, SurfaceFillCoversOnlyTheConnectedPixelsOfItsColour) {
  for (unsigned seed = 0; seed < 30; ++seed) {
    Surface s = tangle(45, 35, seed + 100, 12);
    const int x = int(seed * 7 % 45), y = int(seed * 5 % 35);
    const Rgb c = Rgb(s.point(x, y));
    const Rgb fill = seed % 2 ? 0xABCDEF : 0x00FF00;
    const Surface expected = referenceFill(s, x, y, c, fill, FillType::Surface);
    ASSERT_TRUE(s.floodFill(x, y, c, fill, FillType::Surface));
    ASSERT_TRUE(s == expected) << "seed " << seed;
  }
}

TEST(SurfaceFill, FillReachesEveryPixelOfAWindingMaze) {
  // A comb of walls open at alternate ends: the fill has to snake through
  // every corridor, turning back up and down the whole height.
  Surface s(101, 64);
  for (int x = 2; x < 100; x += 2) {
    if (x % 4 == 2) {
      s.line(x, 0, x, 62);
    } else {
      s.line(x, 63, x, 1);
    }
  }
  ASSERT_TRUE(s.floodFill(0, 0, kBlack, 0xFF00FF));
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 101; ++x) EXPECT_NE(s.point(x, y), kWhite) << x << "," << y;
}

}  // namespace
}  // namespace orn
