// Folding flat nets onto the model solids. (The classic nets of the model
// samples, folded wherever they lie, are checked in tests/tools.)
#include <gtest/gtest.h>

#include <cmath>

#include "shell/polyhedron.h"

namespace orn::test {
namespace {

// A square of side s with its lower left corner at (x, y), counter-clockwise
// as the screen shows it (y pointing down).
NetPolygon Square(double x, double y, double s) { return {{x, y}, {x + s, y}, {x + s, y - s}, {x, y - s}}; }

TEST(Polyhedron, TheSolidsHaveTheirFacesAndRotations) {
  const struct {
    int model, faces, rotations;
  } want[] = {{1, 60, 60}, {2, 14, 24}, {3, 8, 24}, {4, 4, 12}, {5, 20, 60}, {6, 6, 24}, {7, 12, 60}};
  for (auto w : want) {
    const Solid* s = ModelSolid(w.model);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(int(s->faces.size()), w.faces) << s->name;
    EXPECT_EQ(s->rotations, w.rotations) << s->name;
    // Every edge is shared by exactly two faces, run in opposite directions:
    // a closed surface, every face seen from outside the same way round.
    for (const auto& f : s->faces)
      for (std::size_t j = 0; j < f.size(); ++j) {
        int reverse = 0;
        for (const auto& g : s->faces)
          for (std::size_t k = 0; k < g.size(); ++k)
            if (g[k] == f[(j + 1) % f.size()] && g[(k + 1) % g.size()] == f[j]) ++reverse;
        EXPECT_EQ(reverse, 1) << s->name;
      }
  }
  EXPECT_EQ(ModelSolid(0), nullptr);
  EXPECT_EQ(ModelSolid(8), nullptr);
}

TEST(Polyhedron, TheGreatDodecahedronsTrianglesAreGoldenWithTheirBluntCornerInward) {
  const Solid& s = *ModelSolid(1);
  for (const auto& f : s.faces) {
    const double base = (s.vertices[f[1]] - s.vertices[f[0]]).length();
    EXPECT_NEAR((s.vertices[f[2]] - s.vertices[f[1]]).length() / base, 0.618034, 1e-5);
    EXPECT_NEAR((s.vertices[f[0]] - s.vertices[f[2]]).length() / base, 0.618034, 1e-5);
    EXPECT_LT(s.vertices[f[2]].length(), s.vertices[f[0]].length());
  }
}

TEST(Polyhedron, PiecesAreEachPlacedAndMisfitsAreNot) {
  const Solid& cube = *ModelSolid(6);
  // Two pieces: three squares in an L and three in an L, apart.
  std::vector<NetPolygon> net = {Square(0, 0, 1), Square(1, 0, 1), Square(1, -1, 1),
                                 Square(5, 0, 1), Square(6, 0, 1), Square(6, -1, 1)};
  Fold fold = FoldNet(net, cube);
  EXPECT_TRUE(fold.complete);
  // A square drawn clockwise is the same square seen from the other side.
  std::reverse(net[3].begin(), net[3].end());
  EXPECT_EQ(FoldNet(net, cube).placed, 6);
  // A rectangle fits no face, and a seventh square finds no free face.
  net.push_back({{10, 0}, {12, 0}, {12, -1}, {10, -1}});
  net.push_back(Square(20, 0, 1));
  fold = FoldNet(net, cube);
  EXPECT_EQ(fold.placed, 6);
  EXPECT_EQ(fold.polygons[6].face, -1);
  EXPECT_EQ(fold.polygons[7].face, -1);
  EXPECT_FALSE(fold.complete);
}

TEST(Polyhedron, ATriangleStripThatWouldCoverAFaceTwiceIsRefused) {
  // Five triangles in a row around one corner of the tetrahedron would come
  // back onto the first face.
  std::vector<NetPolygon> net;
  const double h = std::sqrt(3.0) / 2;
  for (int k = 0; k < 5; ++k) {
    const double x = 0.5 * k;
    if (k % 2 == 0)
      net.push_back({{x, 0}, {x + 1, 0}, {x + 0.5, -h}});
    else
      net.push_back({{x, -h}, {x + 0.5, 0}, {x + 1, -h}});
  }
  const Fold fold = FoldNet(net, *ModelSolid(4));
  EXPECT_LT(fold.placed, 5);
  EXPECT_FALSE(fold.complete);
}

}  // namespace
}  // namespace orn::test
