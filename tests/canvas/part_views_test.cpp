// The views of symmetry parts, for the first part and the last, of shapes
// taller than wide and wider than tall, on square, wide and tall canvases:
// a tenth of the larger side to spare all round, widened only where the
// frame is too tall for the canvas.
#include <gtest/gtest.h>

#include "canvas/zoom_views.h"
#include "canvas_fixture.h"

namespace orn::test {
namespace {

TEST(PartViews, EachPartsViewFramesItsShapeWhateverItsProportions) {
  const struct {
    const char* what;
    Entries shape;
    int part, w, h;
    ViewRow want;
  } cases[] = {
      // 200 x 100 at (100, 100): 20 to spare, 240 x 140, fits a square canvas.
      {"wide shape, part 5", {{100, 100}, {300, 200}}, 5, 301, 301,
       {80, 80, 320, 80, 320, 220, 0, 0, 300, 0, 300, 300}},
      // 100 x 200 at (100, 50): 20 to spare, 140 x 240. On a square canvas
      // too tall: widened to 240, 50 on each side.
      {"tall shape, part 1", {{100, 50}, {200, 250}}, 1, 301, 301,
       {30, 30, 270, 30, 270, 270, 0, 0, 300, 0, 300, 300}},
      {"tall shape, part 5", {{100, 50}, {200, 250}}, 5, 301, 301,
       {30, 30, 270, 30, 270, 270, 0, 0, 300, 0, 300, 300}},
      // On a canvas 200 x 400 the same frame fits as it is.
      {"tall shape on a tall canvas", {{100, 50}, {200, 250}}, 5, 201, 401,
       {80, 30, 220, 30, 220, 270, 0, 0, 200, 0, 200, 400}},
      // 100 x 200 on a wide canvas 400 x 100: widened to 960, 410 each side.
      {"tall shape on a wide canvas", {{100, 50}, {200, 250}}, 1, 401, 101,
       {-330, 30, 630, 30, 630, 270, 0, 0, 400, 0, 400, 100}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DrawingList list;
    AddShape(list, kTypePolyLine, c.shape);
    ViewTable v;
    ASSERT_TRUE(CalcItemView(v, list, c.part, 0, c.w, c.h));
    const ViewRow& got = v.rows[7 + c.part];
    for (int k = 0; k < 12; ++k) EXPECT_NEAR(got[k], c.want[k], 1e-3) << "column " << k;
    for (int part = 1; part <= 5; ++part) {
      if (part != c.part) {
        EXPECT_TRUE(v.rowEmpty(7 + part)) << part;
      }
    }
  }
}

}  // namespace
}  // namespace orn::test
