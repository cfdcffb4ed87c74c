// The folded-height line of the model nets the other tests leave out, the
// last of the seven among them, in both units.
#include <gtest/gtest.h>

#include "print/model_size.h"

namespace orn {
namespace {

TEST(ModelSizeEnds, TheIcosahedronAndTheLastModelTheDodecahedronHaveTheirLines) {
  const struct {
    int model;
    double width;
    bool metric;
    const char* text;
  } cases[] = {
      // 10 x 0.5882 + 0.0049 = 5.887; 10 x 0.5347 + 0.0049 = 5.352.
      {5, 10.0, false, "3D Icosahedron will be 5.9 inches high\r(4 sheets required)."},
      {7, 10.0, false, "3D Dodecahedron will be 5.4 inches high\r(3 sheets required)."},
      {7, 10.0, true, "3D Dodecahedron will be 5.4 cm high\r(3 sheets required)."},
      // 1.5 x 0.5347 + 0.0049 = .807: no leading zero.
      {7, 1.5, false, "3D Dodecahedron will be .8 inches high\r(3 sheets required)."},
  };
  for (const auto& c : cases) EXPECT_EQ(ModelSizeText(c.model, c.width, c.metric), c.text) << c.model;
}

}  // namespace
}  // namespace orn
