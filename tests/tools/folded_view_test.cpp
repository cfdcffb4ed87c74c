// The folded model the main menu shows: a net's faces carried onto the solid
// and seen from its solid's three-quarter view.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "shell/model_view.h"
#include "shell/sample_preview.h"
#include "symmetry/sym_table.h"
#include "tools/samples/catalogue.h"
#include "tools/samples/motifs.h"
#include "tools/samples/nets.h"

namespace orn::test {
namespace {

using samples::P;
using samples::Poly;

// Which of six pure colours (after shading) a pixel shows: the set of its
// clearly lit channels, or -1 for the background, the black edges and mixtures.
int ColourClass(Rgb c) {
  const int r = int(c & 0xFF), g = int((c >> 8) & 0xFF), b = int((c >> 16) & 0xFF);
  const int hi = std::max({r, g, b});
  if (hi < 90) return -1;  // an edge line
  const int bits = (r > hi / 2 ? 1 : 0) | (g > hi / 2 ? 2 : 0) | (b > hi / 2 ? 4 : 0);
  return bits == 7 ? -1 : bits;  // white is the background
}

TEST(FoldedView, ACubeShowsThreeFacesThatMeetAtACornerEachInItsOwnColour) {
  // A cross of six squares, each painted another pure colour, no symmetry.
  samples::Sample s(600, 600);
  s.lineWidth = 1;
  const Poly root = s.polygon(4, {250, 350}, {350, 350});
  std::vector<Poly> faces{root};
  for (int e = 0; e < 4; ++e) faces.push_back(s.polygonOn(root, e, 4));
  faces.push_back(s.polygonOn(faces[3], 2, 4));
  const samples::Colour colours[6] = {{4, 8}, {4, 12}, {4, 16}, {4, 10}, {4, 18}, {4, 14}};
  for (int k = 0; k < 6; ++k) s.fill(colours[k], faces[std::size_t(k)].centre);
  const PictureFile pf = s.picture();

  const Surface view = RenderFoldedModel(pf, "x.pnt", 6, 200, kWhite);
  ASSERT_EQ(view.width(), 200);
  std::map<int, int> seen;
  for (int i = 0; i < 200 * 200; ++i)
    if (const int k = ColourClass(view.pixels()[i]); k >= 0) ++seen[k];
  // Each visible face in one colour class, a sizeable share of the view.
  std::vector<int> shown;
  for (auto [k, n] : seen)
    if (n > 1500) shown.push_back(k);
  ASSERT_EQ(shown.size(), 3u);

  // The faces of those colours meet at one corner of the cube: no two of
  // them are opposite, as the folded net places them.
  const Fold fold = FoldNet(PictureNet(pf), *ModelSolid(6));
  ASSERT_TRUE(fold.complete);
  const Solid& cube = *ModelSolid(6);
  auto normalOf = [&](int polygon) {
    const auto& f = cube.faces[std::size_t(fold.polygons[std::size_t(polygon)].face)];
    return (cube.vertices[f[1]] - cube.vertices[f[0]]).cross(cube.vertices[f[2]] - cube.vertices[f[0]]).unit();
  };
  auto polygonOfClass = [&](int cls) {
    for (int k = 0; k < 6; ++k)
      if (ColourClass(BuiltInColorTable()(colours[k].shade, colours[k].hue)) == cls) return k;
    return -1;
  };
  for (std::size_t a = 0; a < shown.size(); ++a)
    for (std::size_t b = a + 1; b < shown.size(); ++b) {
      const int pa = polygonOfClass(shown[a]), pb = polygonOfClass(shown[b]);
      ASSERT_GE(pa, 0);
      ASSERT_GE(pb, 0);
      EXPECT_NEAR(normalOf(pa).dot(normalOf(pb)), 0.0, 1e-9) << pa << " and " << pb;
    }
  // Corners of the square are background.
  EXPECT_EQ(view.point(0, 0), kWhite);
  EXPECT_EQ(view.point(199, 199), kWhite);
}

// The view of each small solid shows as many faces as a view of it can
// (three of a tetrahedron or a cube, four of an octahedron), and none of
// them so slanted that its design cannot be seen: each shows at least a
// third of the area of the largest.
TEST(FoldedView, EachSmallSolidShowsItsFacesOpenlyNoneEdgeOn) {
  const std::map<int, int> faces = {{4, 3}, {3, 4}, {6, 3}};
  for (auto [model, want] : faces) {
    std::vector<int> shown;
    for (std::size_t face = 0;; ++face) {
      // The model's net, only this polygon painted.
      samples::Sample s(960, 640);
      const std::vector<Poly> net = samples::LayNet(s, samples::ModelNet(model), 26);
      if (face == net.size()) break;
      s.fill({4, samples::hue::kRed}, net[face].centre);
      const Surface view = RenderFoldedModel(s.picture(), "x.pnt", model, 200, kWhite);
      ASSERT_EQ(view.width(), 200) << model;
      int red = 0;
      for (int i = 0; i < 200 * 200; ++i) red += ColourClass(view.pixels()[i]) == 1;
      if (red > 0) shown.push_back(red);
    }
    ASSERT_EQ(int(shown.size()), want) << "model " << model;
    const int largest = *std::max_element(shown.begin(), shown.end());
    for (int n : shown) EXPECT_GE(3 * n, largest) << "model " << model << ": a face seen nearly edge-on";
  }
}

TEST(FoldedView, ANetThatFitsNoFaceOfTheSolidGivesNoView) {
  samples::Sample s(400, 400);
  s.polygon(5, {150, 250}, {250, 250});  // a pentagon is no face of a cube
  EXPECT_TRUE(RenderFoldedModel(s.picture(), "x.pnt", 6, 120, kWhite).empty());
  EXPECT_TRUE(RenderFoldedModel(s.picture(), "x.pnt", 9, 120, kWhite).empty());
}

// The roses turn about the canvas's middle in the number of steps their
// captions promise, every other copy mirrored where the rose is mirrored.
TEST(Roses, EachTurnsInItsOwnNumberOfStepsAboutTheMiddle) {
  const std::map<std::string, std::pair<int, bool>> want = {
      {"OVRO1A.PNT", {6, true}},  {"OVRO2A.PNT", {16, false}}, {"OVRO3A.PNT", {12, true}},
      {"OVRO4A.PNT", {5, false}}, {"OVRO5A.PNT", {8, true}},   {"OVRO6A.PNT", {10, false}}};
  for (const samples::SampleSpec& spec : samples::Roses()) {
    const auto [fold, mirrored] = want.at(spec.file);
    OffscreenEditor e;
    LoadReport report;
    e.load(spec.make(), "x.pnt", report);
    e.sym.CurPart = 1;
    ASSERT_EQ(CheckSymData(e.sym, e.list), SymRebuild::Valid) << spec.file;
    const int copies = e.sym.LastCopy - e.sym.BaseCopy + 1;
    EXPECT_EQ(copies, mirrored ? 2 * fold : fold) << spec.file;
    // A point of the base cell, carried into every copy: all images lie on
    // one circle round the middle, evenly spaced, mirrored ones in pairs.
    const auto& b = e.sym.SymData[std::size_t(e.sym.BaseCopy)];
    const double px = b[kP0x] * 0.6 + b[kP1x] * 0.3 + 340 * 0.1, py = b[kP0y] * 0.6 + b[kP1y] * 0.3 + 340 * 0.1;
    UV uv;
    ASSERT_TRUE(PointToUV(e.sym, e.sym.BaseCopy, px, py, uv));
    std::vector<double> angles;
    double radius = -1;
    for (int k = e.sym.BaseCopy; k <= e.sym.LastCopy; ++k) {
      double x, y;
      ASSERT_TRUE(UVToCopy(e.sym, k, uv, x, y));
      const double r = std::hypot(x - 340, y - 340);
      if (radius < 0) radius = r;
      EXPECT_NEAR(r, radius, 0.05) << spec.file << " copy " << k;
      const bool isMirrored = e.sym.SymData[std::size_t(k)][kReflect] != 0;
      EXPECT_EQ(isMirrored, mirrored && (k - e.sym.BaseCopy) % 2 == 1) << spec.file << " copy " << k;
      if (!isMirrored) angles.push_back(std::atan2(y - 340, x - 340));
    }
    ASSERT_EQ(int(angles.size()), fold) << spec.file;
    for (std::size_t k = 1; k < angles.size(); ++k) {
      double step = std::remainder(angles[k] - angles[k - 1], 2 * 3.14159265358979);
      EXPECT_NEAR(std::fabs(step), 2 * 3.14159265358979 / fold, 1e-3) << spec.file;
    }
  }
}

// The roses all stand on one background: the canvas round each rose is
// painted in the same colour of the table.
TEST(Roses, AllStandOnOneBackground) {
  std::set<Rgb> backgrounds;
  for (const samples::SampleSpec& spec : samples::Roses()) {
    const std::optional<Surface> shown = RenderPictureFile(spec.make(), "x.pnt");
    ASSERT_TRUE(shown) << spec.file;
    for (auto [x, y] : {std::pair{1, 1}, {678, 1}, {1, 678}, {678, 678}}) backgrounds.insert(Rgb(shown->point(x, y)));
  }
  EXPECT_EQ(backgrounds.size(), 1u);
}

}  // namespace
}  // namespace orn::test
