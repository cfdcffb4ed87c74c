// The black-and-white print's page of dots: every line's dots against the
// definition (the dots whose centres lie within half the pen of the
// segment), worked out in whole numbers, and the rows as a printer takes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "print/dot_page.h"

namespace orn {
namespace {

// A line's end in doubled coordinates: the nearest corner for an even pen,
// the centre of the nearest dot for an odd one.
std::int64_t End(float v, int pen) {
  return 2 * std::int64_t(std::clamp(std::nearbyint(double(v)), -1e7, 1e7)) + pen % 2;
}

// Whether dot (i, j) belongs to the segment drawn with the pen: in doubled
// coordinates the dot's centre and the ends are whole numbers, and so is
// every square compared.
bool Covered(int i, int j, float x1, float y1, float x2, float y2, int pen) {
  using I = __int128;
  const I ax = End(x1, pen), ay = End(y1, pen), bx = End(x2, pen), by = End(y2, pen);
  const I px = 2 * i + 1, py = 2 * j + 1, dx = bx - ax, dy = by - ay;
  const I along = (px - ax) * dx + (py - ay) * dy, L2 = dx * dx + dy * dy, w2 = I(pen) * pen;
  const auto near = [&](I qx, I qy) { return (px - qx) * (px - qx) + (py - qy) * (py - qy) <= w2; };
  if (along <= 0 || L2 == 0) return near(ax, ay);
  if (along >= L2) return near(bx, by);
  const I cross = dx * (py - ay) - dy * (px - ax);
  return cross * cross <= w2 * L2;
}

TEST(DotPage, ALineInksExactlyTheDotsWithinHalfThePenOfTheSegment) {
  struct Segment {
    float x1, y1, x2, y2;
    int pen;
  };
  std::vector<Segment> segments = {
      {10, 20, 60, 20, 4},            // along a row
      {10, 20, 60, 20, 1},            // one dot high
      {10, 20, 60, 20, 3},
      {30.4f, 5, 30.4f, 60, 16},      // down a column, its ends moved to a corner
      {5, 5, 70, 60, 8},              // steep and shallow, either way round
      {70, 60, 5, 5, 8},
      {20, 40, 20, 40, 24},           // a dot
      {-40, 30, 120, 35, 6},          // through the page and out
      {-30, -30, -5, -5, 30},         // off the page but for the pen's reach
      {45, -1e9f, 46, 1e9f, 8},       // ends far beyond any page
      {-1e9f, 33, 1e9f, 34.6f, 7},
      {-1e9f, 20, 1e9f, 21, 90},      // and a pen as wide as the page
  };
  std::mt19937 rng(5);
  std::uniform_real_distribution<float> at(-15, 105);
  std::uniform_int_distribution<int> pens(1, 26);
  for (int k = 0; k < 400; ++k) segments.push_back({at(rng), at(rng), at(rng), at(rng), pens(rng)});

  for (const Segment& s : segments) {
    DotPage page(90, 70);  // not square, and 90 dots leave bits unused at a row's end
    page.line(s.x1, s.y1, s.x2, s.y2, s.pen);
    std::vector<std::uint8_t> row(std::size_t(page.rowBytes()));
    for (int j = 0; j < page.height(); ++j) {
      page.copyRow(j, row.data());
      for (int i = 0; i < page.width(); ++i) {
        const bool want = Covered(i, j, s.x1, s.y1, s.x2, s.y2, s.pen);
        ASSERT_EQ(page.inked(i, j), want) << i << "," << j << " of " << s.x1 << "," << s.y1 << " - " << s.x2
                                          << "," << s.y2 << " pen " << s.pen;
        ASSERT_EQ(((row[std::size_t(i / 8)] >> (7 - i % 8)) & 1) != 0, want);  // leftmost dot highest
      }
      ASSERT_EQ(row.back() & (0xFF >> (page.width() % 8)), 0);  // the unused bits at the row's end are clear
    }
  }
}

TEST(DotPage, LinesDrawnAfterThePageWasReadAddToIt) {
  DotPage page(64, 40);
  page.line(0, 10, 63, 10, 4);
  page.line(20, 0, 20, 39, 4);  // steep: drawn on the page turned
  EXPECT_TRUE(page.inked(40, 9));
  EXPECT_TRUE(page.inked(19, 30));
  EXPECT_FALSE(page.inked(50, 30));
  page.line(50, 0, 50, 39, 4);
  EXPECT_TRUE(page.inked(50, 30));
  EXPECT_TRUE(page.inked(19, 30));
  EXPECT_TRUE(page.inked(40, 9));
  EXPECT_FALSE(page.inked(35, 30));
}

}  // namespace
}  // namespace orn
