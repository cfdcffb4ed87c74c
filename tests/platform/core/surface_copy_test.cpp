// Pixels, clearing, block copies and stretch copies on a real Surface.
#include <gtest/gtest.h>

#include "platform/core/surface.h"

namespace orn {
namespace {

// Every pixel a different colour, so a copy from the wrong place shows.
Surface numbered(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.pset(x, y, Rgb(y * 1000 + x + 1));
  return s;
}

TEST(SurfaceCopy, PixelsReadBackExactlyAndMinusOneOutside) {
  Surface s(4, 3, 0x102030);
  EXPECT_EQ(s.point(3, 2), 0x102030);
  s.pset(1, 1, 0x808081);
  EXPECT_EQ(s.pixels()[5], 0x808081u);
  s.pset(2, 2, 0xFF123456);  // only the colour bits are kept
  EXPECT_EQ(s.point(2, 2), 0x123456);
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 3}}) {
    EXPECT_EQ(s.point(x, y), -1);
    s.pset(x, y, 0);  // ignored
  }
  s.setBackColor(0x00FF00);
  s.clear();
  EXPECT_EQ(s.point(1, 1), 0x00FF00);
  s.resize(0, 5);
  EXPECT_TRUE(s.empty());
  EXPECT_EQ(s.point(0, 0), -1);
  s.line(0, 0, 10, 10);  // drawing on an empty surface is harmless
  s.circle(0, 0, 5);
  EXPECT_EQ(s.nearestColor(0xFF808081), 0x808081u);
}

// A very large surface is cleared band by band, with the caller's work done
// between two bands; the result is the surface a plain resize gives.
TEST(SurfaceCopy, AResizeInBandsGivesThePlainResizeAndCallsBetweenTheBands) {
  Surface plain(3, 3, 0x123456), banded = numbered(3, 3);
  banded.setBackColor(0x123456);
  int calls = 0;
  plain.resize(2400, 1800);
  banded.resize(2400, 1800, [&calls] { ++calls; });
  EXPECT_TRUE(banded == plain);
  EXPECT_GE(calls, 3);  // 4.3 million pixels
  banded.resize(10, 10, [&calls] { ++calls; });
  EXPECT_EQ(banded.point(9, 9), 0x123456);
  EXPECT_GE(calls, 3);
  const int before = calls;
  banded.resize(0, 7, [&calls] { ++calls; });
  EXPECT_TRUE(banded.empty());
  EXPECT_EQ(calls, before);
}

// A surface made smaller holds only the memory of its new size, in either
// kind of resize, and a surface that keeps its size keeps its memory.
TEST(SurfaceCopy, ASurfaceMadeSmallerGivesTheMemoryOfTheLargerBack) {
  constexpr std::size_t kPixel = sizeof(Rgb);
  Surface s(2400, 1800);
  s.resize(300, 200);
  EXPECT_EQ(s.bytesHeld(), 300 * 200 * kPixel);
  EXPECT_EQ(s.point(299, 199), kWhite);
  const Rgb* pixels = s.pixels();
  s.pset(5, 5, 0x123456);
  s.resize(300, 200);  // the same size: cleared in place
  EXPECT_EQ(s.pixels(), pixels);
  EXPECT_EQ(s.point(5, 5), kWhite);
  s.resize(2400, 1800, [] {});
  s.resize(40, 30, [] {});
  EXPECT_EQ(s.bytesHeld(), 40 * 30 * kPixel);
  s.resize(0, 30);
  EXPECT_EQ(s.bytesHeld(), 0u);
}

TEST(SurfaceCopy, FillBoxIncludesBothCornersAndClips) {
  Surface s(10, 10);
  s.fillBox(8, 7, -5, 2, 0x0000FF);
  EXPECT_EQ(s.point(0, 2), 0x0000FF);
  EXPECT_EQ(s.point(8, 7), 0x0000FF);
  for (auto [x, y] : {std::pair{9, 7}, {0, 8}, {0, 1}}) EXPECT_EQ(s.point(x, y), kWhite);
  s.fillBox(-2147483647 - 1, -5, 2147483647, 0, 0x00FF00);  // the int range, clipped
  EXPECT_EQ(s.point(9, 0), 0x00FF00);
  EXPECT_EQ(s.point(9, 1), kWhite);
}

TEST(SurfaceCopy, BlitCopiesTheOverlapOfBothRectanglesOnly) {
  const Surface src = numbered(8, 6);
  Surface dst(10, 10, 0);
  dst.blit(-2, -1, 20, 4, src, 3, 1);  // off the target's top-left and the source's right
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const int sx = x + 5, sy = y + 2;  // source pixel for (x, y)
      EXPECT_EQ(dst.point(x, y), y <= 2 && sx < 8 ? src.point(sx, sy) : 0) << x << "," << y;
    }
  Surface same(10, 10, 0);
  same.blit(5, 5, 0, 3, src, 0, 0);
  same.blit(5, 5, 3, 3, src, -10, 0);
  same.blit(2147483647, 0, 3, 3, src, 0, 0);
  same.blit(0, 0, 2147483647, 2147483647, src, 8, 0);
  EXPECT_TRUE(same == Surface(10, 10, 0));
}

TEST(SurfaceCopy, CopiesWithinOneSurfaceReadTheOldPixels) {
  for (auto [dx, dy] : {std::pair{2, 3}, {-2, -2}, {0, 1}, {0, -1}, {1, 0}, {-1, 0}}) {
    Surface s = numbered(12, 11);
    const Surface old = s;
    s.blit(2 + dx, 2 + dy, 6, 5, s, 2, 2);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 6; ++x)
        ASSERT_EQ(s.point(2 + dx + x, 2 + dy + y), old.point(2 + x, 2 + y)) << dx << "," << dy;
  }
  Surface s = numbered(8, 8);
  const Surface old = s;
  s.stretch(0, 0, 8, 8, s, 0, 0, 4, 4);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(s.point(x, y), old.point(x / 2, y / 2));
}

TEST(SurfaceCopy, StretchTakesThePixelUnderEachTargetCentre) {
  const Surface src = numbered(4, 3);
  Surface big(12, 9);  // each source pixel becomes a 3 x 3 block
  big.stretch(0, 0, 12, 9, src, 0, 0, 4, 3);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(big.point(x, y), src.point(x / 3, y / 3));
  Surface small(4, 3);  // and back: the centre of each block
  small.stretch(0, 0, 4, 3, big, 0, 0, 12, 9);
  EXPECT_TRUE(small == src);
  // Shrinking by two takes the second pixel of each pair (centre at 1.0).
  const Surface row = numbered(6, 1);
  Surface half(3, 1);
  half.stretch(0, 0, 3, 1, row, 0, 0, 6, 1);
  EXPECT_EQ(half.point(0, 0), row.point(1, 0));
  EXPECT_EQ(half.point(2, 0), row.point(5, 0));
  // Clipped at the target's edges, skipping source pixels outside the source.
  Surface edge(5, 5, 0);
  edge.stretch(-2, 3, 8, 8, src, -1, 0, 4, 4);
  EXPECT_EQ(edge.point(0, 3), src.point(0, 0));  // target x -2 + 2 -> source -1 + 1
  EXPECT_EQ(edge.point(0, 2), 0);
  Surface mirrored(5, 5, 0);
  mirrored.stretch(0, 0, -5, 5, src, 0, 0, 4, 3);
  mirrored.stretch(0, 0, 5, 5, src, 0, 0, 0, 3);
  EXPECT_TRUE(mirrored == Surface(5, 5, 0));
}

}  // namespace
}  // namespace orn
