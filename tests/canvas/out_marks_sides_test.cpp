// Records beyond each of the four sides of a canvas wider than high are
// marked OUT; records touching a side, or lying where only the other axis's
// range would put them out, stay in.
#include <gtest/gtest.h>

#include "canvas/out_marks.h"
#include "canvas_fixture.h"

namespace orn::test {
namespace {

TEST(OutMarksSides, ARecordIsOutBeyondAnySideAndInWhenItTouchesOne) {
  constexpr CanvasRect kCanvas{0, 400, 0, 300};  // left, right, top, bottom
  const struct {
    const char* where;
    Pt a, b;
    bool out;
  } cases[] = {
      {"beyond the left side", {-90, 100}, {-10, 120}, true},
      {"beyond the right side", {410, 100}, {600, 120}, true},
      {"above the top", {100, -50}, {200, -10}, true},
      {"below the bottom", {100, 310}, {200, 350}, true},
      {"beyond a corner", {410, -20}, {420, -10}, true},
      {"touching the left side", {-90, 100}, {0, 120}, false},
      {"touching the right side", {400, 100}, {600, 120}, false},
      {"touching the top", {100, -50}, {200, 0}, false},
      {"touching the bottom", {100, 300}, {200, 350}, false},
      {"right of x = 300 but above the bottom", {350, 50}, {380, 60}, false},
      {"below y = 300 only by x", {320, 100}, {390, 280}, false},
      {"across the whole canvas", {-50, -50}, {450, 350}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    DrawingList list = ListOf({{20001, 3}, {0, 0}, {20077, 4}, c.a, c.b});
    MakeOutMarks(list, kCanvas);
    EXPECT_EQ(list.G0[0], c.out ? 20101.0f : 20001.0f);
    // A record brought back into view comes back in.
    list.G0[3] = 200, list.G1[3] = 150, list.G0[4] = 210, list.G1[4] = 160;
    MakeOutMarks(list, kCanvas);
    EXPECT_EQ(list.G0[0], 20001.0f);
  }
}

}  // namespace
}  // namespace orn::test
