// View files whose extents start at different values on the two axes, wide
// and tall, with the extent stored or computed: every end point lands where
// the scale by the width and the centring put it, in x and in y.
#include <gtest/gtest.h>

#include <vector>

#include "model/view_file.h"
#include "model/view_file_test.h"

namespace orn {
namespace {

using test::ViewBytes;

struct Case {
  const char* name;
  std::vector<std::array<float, 4>> records;  // the file without its format record
  int width, height;
  std::vector<std::pair<float, float>> points;  // the record's points, in order
};

// Worked out by hand in an 800 x 600 space; W and H the canvas, s the scale
// (W - 10) / (maxX - minX), x' = (x - minX) s + (W - dx s) / 2 - 1 and
// y' = (y - minY) s + (H - dy s) / 2 - 1.
std::vector<Case> Cases() {
  const float c = 790.0f / 110.0f;  // the computed extent's scale
  return {
      // Extent -20..180 x 40..140: 800 x 400, s = 3.95, offsets 4 and 1.5.
      {"wide, stored extent",
       {{0, 0, 0, 0}, {-9988, 0, 0, 3}, {-20, 40, 180, 40}, {180, 140, 30, 90}, {80, 115, -20, 140},
        {-20, 180, 40, 140}},
       800, 400,
       {{4, 1.5f}, {794, 1.5f}, {794, 396.5f}, {201.5f, 199}, {399, 297.75f}, {4, 396.5f}}},
      // Extent 10..60 x -30..170: 150 x 600, s = 2.8, offsets 4 and 19.
      {"tall, stored extent",
       {{0, 0, 0, 0}, {-9978, 0, 0, 2}, {10, -30, 60, 170}, {35, 70, 60, -30}, {10, 60, -30, 170}},
       150, 600,
       {{4, 19}, {144, 579}, {74, 299}, {144, 19}}},
      // No extent: the lines' 10..110 x 20..70 widened by a twentieth, 5..115
      // x 17.5..72.5; 800 x 400, offsets 4 and 1.5.
      {"extent from the lines",
       {{0, 0, 0, 0}, {-9988, 0, 0, 3}, {10, 20, 110, 20}, {-55555.55f, 900, -900, 900}, {110, 20, 110, 70},
        {0, 0, 0, 0}},
       800, 400,
       {{4 + 5 * c, 1.5f + 2.5f * c}, {4 + 105 * c, 1.5f + 2.5f * c}, {4 + 105 * c, 1.5f + 2.5f * c},
        {4 + 105 * c, 1.5f + 52.5f * c}}},
      // No header: the extent 100..300 x -50..50 is record 1.
      {"extent in record 1", {{100, 300, -50, 50}, {1, 0, 0, 1}, {150, 0, 300, 50}}, 800, 400,
       {{201.5f, 199}, {794, 396.5f}}},
  };
}

TEST(ViewAxes, EveryEndPointLandsInPlaceOnBothAxesInBothNumberFormats) {
  for (const Case& c : Cases()) {
    for (bool oldFormat : {false, true}) {
      SCOPED_TRACE(::testing::Message() << c.name << (oldFormat ? ", older format" : ", IEEE"));
      ViewBytes v;
      v.oldFormat = oldFormat;
      for (const auto& r : c.records) v.rec(r[0], r[1], r[2], r[3]);
      const auto read = ParseViewFile(v.mark().bytes(), "v.VEW");
      ASSERT_TRUE(read.ok()) << read.error->message;
      const auto got = ImportView(*read.value, 800, 600, "v.VEW");
      ASSERT_TRUE(got.ok()) << got.error->message;
      const ViewImport& view = *got.value;
      EXPECT_EQ(view.width, c.width);
      EXPECT_EQ(view.height, c.height);
      ASSERT_EQ(view.g0.size(), c.points.size() + 4);
      for (std::size_t i = 0; i < c.points.size(); ++i) {
        EXPECT_NEAR(view.g0[i + 2], c.points[i].first, 1e-3) << "x of point " << i;
        EXPECT_NEAR(view.g1[i + 2], c.points[i].second, 1e-3) << "y of point " << i;
      }
    }
  }
}

}  // namespace
}  // namespace orn
