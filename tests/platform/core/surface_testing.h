#pragma once
// Shared helpers for the Surface tests: pixel sets, random pictures and a
// plain one-pixel-at-a-time fill to compare the real fills against.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "platform/core/surface.h"

namespace orn::test {

using Pixels = std::set<std::pair<int, int>>;

// The pixels a drawing call sets on a white surface with a black copy pen.
inline Pixels drawn(int w, int h, int penWidth, const std::function<void(Surface&)>& draw) {
  Surface s(w, h);
  s.setPenColor(kBlack);
  s.setPenWidth(penWidth);
  draw(s);
  Pixels out;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (s.point(x, y) == kBlack) out.insert({x, y});
  return out;
}

inline Surface noise(int w, int h, unsigned seed) {
  Surface s(w, h);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.pset(x, y, rng() & 0xFFFFFF);
  return s;
}

// XOR drawing touches each pixel once: it flips exactly the pixels a copy pen
// sets, and drawing it again restores every pixel of a noisy background.
inline void expectXorExact(int penWidth, const std::function<void(Surface&)>& draw) {
  const Pixels copy = drawn(70, 60, penWidth, draw);
  Surface s(70, 60);
  s.setPenWidth(penWidth);
  s.setPenMode(PenMode::Xor);
  s.setPenColor(0x00FF00);
  draw(s);
  Pixels flipped;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 70; ++x)
      if (s.point(x, y) != kWhite) {
        EXPECT_EQ(s.point(x, y), kWhite ^ 0x00FF00);
        flipped.insert({x, y});
      }
  ASSERT_EQ(flipped, copy);
  Surface n = noise(70, 60, 3);
  const Surface before = n;
  n.setPenWidth(penWidth);
  n.setPenMode(PenMode::Xor);
  n.setPenColor(0x123456);
  draw(n);
  EXPECT_EQ(n == before, copy.empty());
  draw(n);
  ASSERT_TRUE(n == before);
}

// The obvious 4-connected fill with its own visited list. A border fill
// crosses every pixel not of colour `c`; a surface fill only pixels of `c`.
inline Surface referenceFill(Surface s, int x, int y, Rgb c, Rgb fill,
                             FillType type = FillType::Border) {
  const int w = s.width(), h = s.height();
  auto fillable = [&](int px, int py) { return (Rgb(s.point(px, py)) == c) == (type == FillType::Surface); };
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

// Random thin and 2-pixel lines, mostly black, some in colours fills use.
inline Surface tangle(int w, int h, unsigned seed, int lines) {
  Surface s(w, h);
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> x(-10, w + 10), y(-10, h + 10);
  const Rgb inks[] = {kBlack, kBlack, kBlack, kBlack, 0x0000FF, 0x00FF00};
  for (int i = 0; i < lines; ++i) {
    s.setPenColor(inks[i % 6]);
    s.setPenWidth(i % 5 == 0 ? 2 : 1);
    s.line(x(rng), y(rng), x(rng), y(rng));
  }
  return s;
}

}  // namespace orn::test
