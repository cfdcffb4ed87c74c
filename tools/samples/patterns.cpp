// The six patterns: wallpaper designs that repeat across the canvas in two
// directions, on square, hexagonal and triangular lattices, with turned and
// mirrored copies.
#include <cmath>

#include "tools/samples/catalogue.h"
#include "tools/samples/motifs.h"

namespace orn::samples {

namespace {

constexpr int kW = 960, kH = 640;

Sample start(const char* title, int kind) {
  Sample s(kW, kH);
  s.title = title;
  s.picKind = static_cast<float>(kind);
  return s;
}

// Needle: triangles turned about their corners (six-fold) and centres. From
// each triangle's hub a long needle points to each corner, where it ends on
// a ring round the corner, and a short one to each edge, where it meets the
// short needle of the triangle beyond. The needles' ends are blunt, so that
// every piece of them is wide enough to take its paint.
PictureFile MakeNeedle() {
  Sample s = start("Needle", 1);
  const double side = 128;
  const TriangleGrid g = LayTriangles(s, {-64, -40}, side, 18, 7);
  for (const auto& row : g.cell)
    for (const Poly& t : row)
      for (int e = 0; e < 3; ++e) s.join(t, e, 1);
  s.base(g.cell[2][6], 0);
  s.accept(1);
  const Sector c = SectorOf(g.cell[2][6], 0);
  const double hub = 0.55, tip = 1.7;  // the needles' ends, in apothems from the hub
  s.circle(c.centre, hub * c.apothem);
  s.circle(c.centre, 0.3 * c.apothem);
  // The ring round the corner the long needle points to, and the needle:
  // (u, v) along its ray and across, in apothems.
  const P corner = c.at(2, 60);
  s.circle(corner, (2 - tip) * c.apothem);
  const Frame n{c.centre, c.at(1, 60) - c.centre, turn(c.at(1, 60) - c.centre, 90)};
  s.polyline(n({{hub, 0.06}, {1.12, 0.15}, {tip, 0.06}, {tip, -0.06}, {1.12, -0.15}, {hub, -0.06}}));
  // The short needle, from the hub to the edge's middle.
  const Frame m{c.centre, c.at(1, 0) - c.centre, turn(c.at(1, 0) - c.centre, 90)};
  s.polyline(m({{hub, 0.06}, {0.8, 0.11}, {1, 0.07}}));
  s.polyline(m({{hub, -0.06}, {0.8, -0.11}, {1, -0.07}}));
  s.fill({5, hue::kCyan}, n(1.12, 0));
  s.fill({5, hue::kRose}, m(0.8, 0));
  s.fill({4, hue::kRose}, c.at(1.88, 60));
  s.fill({2, hue::kYellow}, c.at(0.42, 30));
  s.fill({5, hue::kOrange}, c.centre);
  s.fill({0, hue::kAzure}, c.at(0.85, -30));
  s.fill({1, hue::kCyan}, c.at(0.85, 30));
  return s.picture();
}

// Quilt: square blocks of flying geese round a diamond, every other block
// the mirror image of its neighbours.
PictureFile MakeQuilt() {
  Sample s = start("Quilt", 2);
  const double side = 128;
  const SquareGrid g = LaySquares(s, {-32, 0}, side, 8, 5);
  for (int i = 0; i < 8; ++i)
    for (int j = 0; j < 5; ++j)
      for (int e = 0; e < 4; ++e) s.join(g.cell[i][j], e, 1, (i + j) % 2 == 1);
  s.base(g.cell[2][2], 0);
  s.accept(1);
  const Frame f = SectorFrame(g.cell[2][2], 0);
  s.polyline(f({{1, -1}, {0.5, 0}, {1, 1}}));
  s.polyline(f({{1, 0}, {0.5, 0}}));
  s.polyline(f({{0.125, -0.125}, {0.25, 0}, {0.125, 0.125}}));
  s.polyline(f({{0.5, 0}, {0.25, 0}}));
  s.fill({5, hue::kRed}, f(0.8, -0.3));
  s.fill({0, hue::kYellow}, f(0.8, 0.3));
  s.fill({6, hue::kBlue}, f(0.35, 0.1));
  s.fill({3, hue::kYellow}, f(0.1, 0.0));
  return s.picture();
}

// Gem: hexagons cut like stones, each facet the mirror of its neighbour.
PictureFile MakeGem() {
  Sample s = start("Gem", 3);
  const double side = 80;
  const auto g = LayHexagons(s, {0, 0}, side, 10, 6);
  for (const auto& col : g)
    for (const Poly& h : col)
      for (int e = 0; e < 6; ++e) s.join(h, e, 1, e % 2 == 1);
  s.base(g[3][2], 0);
  s.accept(1);
  const Sector c = SectorOf(g[3][2], 0);
  // The stone's table reaches half way to the edge, where it lines up with
  // the tables of the neighbouring hexagons.
  const double inner = 0.5 / std::cos(rad(30)), outer = 1 / std::cos(rad(30));
  s.polyline(c.at({{inner, -30}, {inner, 30}}));
  s.polyline(c.at({{inner, 30}, {outer, 30}}));
  s.polyline(c.at({{inner, -30}, {1, 0}, {inner, 30}}));
  s.polyline(c.at({{0, 0}, {0.5, 0}}));
  s.fill({2, hue::kViolet}, c.at(0.85, -20));
  s.fill({5, hue::kViolet}, c.at(0.8, 0));
  s.fill({4, hue::kViolet}, c.at(0.85, 20));
  s.fill({1, hue::kViolet}, c.at(0.35, -15));
  s.fill({3, hue::kRose}, c.at(0.35, 15));
  return s.picture();
}

// Quarter: two-tone blades wheeling round each square, turned in quarter
// turns, with a ring at every corner of the squares.
PictureFile MakeQuarter() {
  Sample s = start("Quarter", 4);
  const double side = 160;
  const SquareGrid g = LaySquares(s, {0, 0}, side, 6, 4);
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 4; ++j)
      for (int e = 0; e < 4; ++e) s.join(g.cell[i][j], e, 1);
  s.base(g.cell[2][1], 0);
  s.accept(1);
  const Frame f = SectorFrame(g.cell[2][1], 0);
  s.circle(f(0, 0), 0.14 * side / 2);
  // The blade's outer edge, its inner edge and the vein between them, all
  // from the hub's ring to the tip.
  s.spline(f({{0.14, 0}, {0.5, -0.1}, {0.8, 0.25}, {0.78, 0.7}}));
  s.spline(f({{0.78, 0.7}, {0.5, 0.45}, {0.25, 0.2}, {0.1, 0.1}}));
  s.spline(f({{0.12, 0.05}, {0.45, 0.12}, {0.7, 0.38}, {0.78, 0.7}}));
  // Quarter rings round both corners of the edge, from the edge to the
  // square's diagonal.
  for (double v : {-1.0, 1.0}) {
    const auto a = ArcBetween(f(1, v), 0.4 * side / 2, f(1, 0), f(0, 0));
    s.arc(a[0], a[1], a[2]);
  }
  s.fill({6, hue::kGreen}, f(0.5, 0.02));
  s.fill({3, hue::kLime}, f(0.45, 0.25));
  s.fill({4, hue::kOrange}, {f(0.93, -0.85), f(0.93, 0.85)});
  s.fill({0, hue::kYellow}, f(0.95, 0.0));
  s.fill({0, hue::kGray}, f(0, 0));
  return s.picture();
}

// Star: six-pointed stars in hexagons, tip to tip, the space between them
// made of diamonds.
PictureFile MakeStar() {
  Sample s = start("Star", 5);
  s.gridMode = 2;
  const double side = 96;
  const auto g = LayHexagons(s, {0, 0}, side, 9, 5);
  for (const auto& col : g)
    for (const Poly& h : col)
      for (int e = 0; e < 6; ++e) s.join(h, e, 1);
  s.base(g[3][2], 0);
  s.accept(1);
  const Sector c = SectorOf(g[3][2], 0);
  const double tip = 1 / std::cos(rad(30));
  const double notch = tip / std::sqrt(3.0);
  const double hub = notch * 0.55;
  // The star's outline from the sector's first corner to its second, its
  // hub, and the ridges that cut every point in a light and a dark half.
  s.polyline(c.at({{tip, -30}, {notch, 0}, {tip, 30}}));
  s.polyline(c.at({{hub, -30}, {hub, 30}}));
  s.polyline(c.at({{hub, 30}, {tip, 30}}));
  s.polyline(c.at({{notch, 0}, {hub * std::cos(rad(30)), 0}}));
  s.circle(c.centre, 0.22 * c.apothem);
  s.fill({2, hue::kYellow}, c.at(0.62, 15));
  s.fill({5, hue::kOrange}, c.at(0.62, -15));
  s.fill({6, hue::kBlue}, c.at(0.95, 0));
  s.fill({0, hue::kYellow}, c.at(0.27, 20));
  s.fill({5, hue::kRed}, c.centre);
  return s.picture();
}

// Snap: hooks that clasp their mirror images across every edge of a
// triangle lattice, three round each triangle's hub.
PictureFile MakeSnap() {
  Sample s = start("Snap", 6);
  s.gridMode = 2;
  const double side = 120;
  const TriangleGrid g = LayTriangles(s, {-60, -52}, side, 19, 8);
  for (const auto& row : g.cell)
    for (std::size_t k = 0; k < row.size(); ++k)
      for (int e = 0; e < 3; ++e) s.join(row[k], e, 1, k % 2 == 1);
  s.base(g.cell[2][6], 0);
  s.accept(1);
  const Sector c = SectorOf(g.cell[2][6], 0);
  // A bar from the hub across the edge to the mirrored hub beyond, with a
  // light clasp where it crosses.
  s.polyline({c.at(0.35, -12), c.at(0.75, -13), c.edge(0.39)});
  s.polyline({c.at(0.35, 12), c.at(0.75, 13), c.edge(0.61)});
  s.polyline({c.at(0.75, -13), c.at(0.75, 13)});
  s.circle(c.centre, 0.35 * c.apothem);
  s.circle(c.centre, 0.18 * c.apothem);
  // A petal towards the corner: six round every corner make a flower in
  // each of the spaces between the bars.
  s.spline(Leaf(c.at(1.22, 60), c.at(1.86, 60), 0.22 * c.apothem, 0.45));
  s.fill({6, hue::kAzure}, c.at(0.55, 0));
  s.fill({2, hue::kAzure}, c.at(0.9, 0));
  s.fill({4, hue::kOrange}, c.at(0.27, 0));
  s.fill({6, hue::kOrange}, c.centre);
  s.fill({0, hue::kOrange}, {c.at(1.2, 40), c.at(0.8, 45)});
  s.fill({2, hue::kRose}, c.at(1.5, 60));
  return s.picture();
}

}  // namespace

std::vector<SampleSpec> Patterns() {
  return {{"OVPP1A.PNT", "Needle", MakeNeedle}, {"OVPP2A.PNT", "Quilt", MakeQuilt}, {"OVPP3A.PNT", "Gem", MakeGem},
          {"OVPP4A.PNT", "Quarter", MakeQuarter}, {"OVPP5A.PNT", "Star", MakeStar}, {"OVPP6A.PNT", "Snap", MakeSnap}};
}


}  // namespace orn::samples
