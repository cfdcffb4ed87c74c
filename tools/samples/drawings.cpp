// The six drawings: figures repeated by a symmetry: friezes of snails and
// of bunnies, a peacock's fan, a poppy, a tessellation of fish and pairs of
// butterfly wings.
#include <cmath>

#include "tools/samples/catalogue.h"
#include "tools/samples/motifs.h"

namespace orn::samples {

namespace {

constexpr int kW = 960, kH = 640;

Sample start(const char* title) {
  Sample s(kW, kH);
  s.title = title;
  s.picKind = 8;
  s.gridMode = 2;
  return s;
}

// A frieze: rows of square cells, the figure drawn in the first cell of the
// first row and repeated along every row, the rows in `mirroredRows` facing
// the other way (mirrored in the cells' upright middle line).
struct Frieze {
  SquareGrid g;
  Frame cell;  // the base cell: u to the right, v up, both 0..1
};
Frieze LayFrieze(Sample& s, P origin, double side, int cols, int rows,
                 const std::function<bool(int col, int row)>& mirrored) {
  Frieze f{LaySquares(s, origin, side, cols, rows), {}};
  for (int j = 0; j < rows; ++j)
    for (int i = 0; i < cols; ++i) s.join(f.g.cell[i][j], 0, 1, mirrored(i, j));
  const Poly& b = f.g.cell[0][0];
  s.base(b, 0);
  s.accept(1);
  f.cell = EdgeFrame(b, 0);
  return f;
}

PictureFile Snail() {
  Sample s = start("Snail");
  const Frieze f = LayFrieze(s, {0, 0}, 160, 6, 4, [](int, int row) { return row % 2 == 1; });
  const Frame& c = f.cell;
  // The ground the snails crawl on.
  s.polyline(c({{0, 0.08}, {1, 0.08}}));
  s.polyline(c({{0, 0}, {1, 0}}));
  // The shell: two spirals wound into each other, inside its rim.
  const P hub = c(0.5, 0.5);
  const double rim = 0.27;
  for (double start : {0.0, 180.0}) {
    std::vector<P> spiral;
    for (int k = 0; k <= 16; ++k) {
      const double t = k / 16.0;
      spiral.push_back(hub + (c(rim * t * std::cos(rad(start + 540 * t)), rim * t * std::sin(rad(start + 540 * t))) - c(0, 0)));
    }
    s.spline(spiral);
  }
  s.circle(hub, rim * 160);
  // The body from the shell's back round the tail, along the ground, up
  // over the head and back to the shell's front.
  const P back = hub + (c(rim * std::cos(rad(235)), rim * std::sin(rad(235))) - c(0, 0));
  const P front = hub + (c(rim * std::cos(rad(-50)), rim * std::sin(rad(-50))) - c(0, 0));
  s.spline({back, c(0.22, 0.2), c(0.08, 0.1), c(0.3, 0.09), c(0.7, 0.09), c(0.9, 0.12), c(0.94, 0.3), c(0.86, 0.36),
            c(0.78, 0.27), front});
  s.polyline(c({{0.86, 0.34}, {0.84, 0.52}}));
  s.polyline(c({{0.91, 0.33}, {0.95, 0.5}}));
  s.circle(c(0.84, 0.54), 4);
  s.circle(c(0.95, 0.52), 4);
  s.circle(c(0.89, 0.26), 3);
  s.fill({2, hue::kOrange}, hub + (c(0.06, 0.0) - c(0, 0)));
  s.fill({5, hue::kBrown}, hub + (c(-0.06, 0.0) - c(0, 0)));
  s.fill({2, hue::kTan}, c(0.5, 0.16));
  s.fill({4, hue::kBrown}, c(0.5, 0.04));
  s.fill({7, hue::kGray}, {c(0.84, 0.54), c(0.95, 0.52), c(0.89, 0.26)});
  s.fill({0, hue::kAzure}, c(0.1, 0.8));
  return s.picture();
}

PictureFile Peacock() {
  Sample s = start("Peacock");
  // The fan: the upper part of a 24-gon round a hub below the bird's feet,
  // its feathers mirrored in turn; the whole fan lies on the canvas.
  const P hub{480, 560};
  const double radius = 470, half = rad(180.0 / 24);
  const Poly fan = s.polygon(24, hub + P{-radius * std::sin(half), radius * std::cos(half)},
                             hub + P{radius * std::sin(half), radius * std::cos(half)});
  // Edge 12 is at the top.
  for (int e = 7; e <= 17; ++e) s.join(fan, e, 1, (e - 12) % 2 != 0);
  s.base(fan, 12);
  s.accept(1);
  const Sector c = SectorOf(fan, 12);
  const double h = c.halfAngle(), rim = 0.99;
  // A feather: its shaft and its eye; the fan's rim across the feather.
  s.polyline(c.at({{0.6, 0}, {0.66, 0}}));
  s.spline(Leaf(c.at(0.64, 0), c.at(0.95, 0), 0.09 * c.apothem, 0.5));
  s.spline(Leaf(c.at(0.69, 0), c.at(0.9, 0), 0.055 * c.apothem, 0.5));
  s.circle(c.at(0.795, 0), 0.018 * c.apothem);
  const std::vector<P> edge = c.at({{rim, -h}, {rim, h}, {rim, 0}});
  s.arc(edge[0], edge[1], edge[2]);
  s.fill({4, hue::kGreen}, c.at(0.67, 0.6));
  s.fill({4, hue::kAzure}, c.at(0.73, 0.3));
  s.fill({7, hue::kBlue}, c.at(0.795, 0));
  s.fill({6, hue::kCyan}, {c.at(0.55, 5), c.at(0.975, 5)});
  // The fan's lower sides, from its rim in to the hub where the bird
  // stands, and the mound below them; then the bird, all in no part. The
  // bird in its own frame: v up from its feet on the hub.
  s.part(0);
  const double slope = std::tan(rad(7.5));
  const P left = polar(hub, rim * c.apothem, 180 - 7.5), right = polar(hub, rim * c.apothem, 7.5);
  s.polyline({left, hub, right});
  s.spline({left, {230, 600}, {480, 626}, {730, 600}, right});
  const Frame b = frameAt(hub, 0, 1);
  // A plump body, a slender neck and a small head, all in one outline.
  s.spline(b({{0, 38}, {36, 50}, {50, 95}, {40, 140}, {16, 168}, {9, 200}, {13, 214}, {11, 228}, {0, 235},
              {-11, 228}, {-13, 214}, {-9, 200}, {-16, 168}, {-40, 140}, {-50, 95}, {-36, 50}, {0, 38}}));
  s.polyline(b({{-4, 214}, {0, 203}, {4, 214}, {-4, 214}}));
  for (double x : {-6.0, 6.0}) s.circle(b(x, 221), 2.5);
  for (double x : {-14.0, 0.0, 14.0}) {
    s.polyline(b({{0, 235}, {x, 255}}));
    s.circle(b(x, 260), 5);
  }
  for (double x : {-12.0, 12.0}) s.polyline(b({{x, 48}, {x, std::fabs(x) * slope}}));
  s.fill({4, hue::kBlue}, b(0, 100));
  s.fill({4, hue::kOrange}, b(0, 210));
  s.fill({7, hue::kGray}, {b(-6, 221), b(6, 221)});
  s.fill({3, hue::kYellow}, {b(-14, 260), b(0, 260), b(14, 260)});
  s.fill({6, hue::kCyan}, b(0, 20));
  s.fill({2, hue::kGreen}, b(0, -30));
  s.fill({0, hue::kYellow}, {P{15, 15}, P{945, 15}});
  return s.picture();
}

PictureFile Poppy() {
  Sample s = start("Poppy");
  // Four petals round a square, eight leaves round an octagon about them.
  const P centre{480, 320};
  const double r = 160;
  const Poly sq = s.polygon(4, centre + P{-r, r}, centre + P{r, r});
  const double oct = 300 * std::sin(rad(22.5)), apo = 300 * std::cos(rad(22.5));
  const Poly ring = s.polygon(8, centre + P{-oct, apo}, centre + P{oct, apo});
  for (int e = 0; e < 4; ++e) s.join(sq, e, 1);
  for (int e = 0; e < 8; ++e) s.join(ring, e, 2, e % 2 == 1);
  s.accept(2);
  // Leaves first: each octagon copy holds one leaf pointing out.
  const Sector l = SectorOf(ring, 0);
  s.spline(Leaf(l.at(0.8, -11), l.at(1.1, -14), 0.17 * l.apothem, 0.45));
  s.polyline(l.at({{0.8, -11}, {1.1, -14}}));
  s.fill({5, hue::kGreen}, l.at(0.93, -15.0));
  s.fill({3, hue::kGreen}, l.at(0.93, -9.6));
  // The flower in part 1: a crumpled petal in each quarter, a dark heart
  // with a crown of stamens, the seed head in the middle.
  s.part(1);
  const Sector c = SectorOf(sq, 0);
  s.spline(c.at({{0.3, -45}, {0.7, -40}, {1.1, -30}, {1.3, -14}, {1.22, 0}, {1.32, 14}, {1.1, 30}, {0.7, 40},
                 {0.3, 45}}));
  s.spline(c.at({{0.3, -30}, {0.5, -10}, {0.52, 0}, {0.5, 10}, {0.3, 30}}));
  s.circle(c.centre, 0.3 * c.apothem);
  s.circle(c.centre, 0.14 * c.apothem);
  for (double a : {-30.0, -10.0, 10.0, 30.0}) {
    s.polyline({c.at(0.14, a), c.at(0.26, a)});
    s.circle(c.at(0.26, a), 3);
  }
  s.fill({4, hue::kRed}, c.at(0.9, 0));
  s.fill({6, hue::kRed}, c.at(0.4, 0));
  s.fill({6, hue::kDarkBase}, c.at(0.2, 20));
  s.fill({5, hue::kLime}, c.centre);
  s.fill({0, hue::kYellow}, {P{15, 15}, P{945, 15}, P{15, 625}, P{945, 625}});
  return s.picture();
}

PictureFile Fish() {
  Sample s = start("Fish");
  // Square cells in a checkerboard of two parts; each cell holds one fish.
  const SquareGrid g = LaySquares(s, {-40, -40}, 160, 7, 5);
  for (int i = 0; i < 7; ++i)
    for (int j = 0; j < 5; ++j) s.join(g.cell[i][j], 0, (i + j) % 2 == 0 ? 1 : 2);
  // The fish are drawn in two cells in the middle, which show whole.
  s.base(g.cell[2][2], 0);
  s.base(g.cell[3][2], 0);
  s.accept(1);
  for (int part : {1, 2}) {
    if (part == 2) s.part(2);
    const Frame c = EdgeFrame(g.cell[part == 1 ? 2 : 3][2], 0);
    // The fish's belly and back (the cell's lower edge, the back of the fish
    // below) and its nose and tail (the left edge, the tail of the fish to
    // its left); the line between its back and its belly runs from nose to tail.
    s.spline(c({{0, 0}, {0.25, 0.08}, {0.5, 0}, {0.75, -0.08}, {1, 0}}));
    s.polyline(c({{0, 0}, {0.06, 0.2}, {-0.22, 0.5}, {0.06, 0.8}, {0, 1}}));
    s.spline(c({{0.06, 0.2}, {0.5, 0.3}, {1.06, 0.2}}));
    s.circle(c(0, 0.58), 0.06 * 160);
    s.circle(c(0, 0.58), 0.025 * 160);
    s.spline(c({{0.14, 0.78}, {0.22, 0.55}, {0.16, 0.36}}));
    s.polyline(c({{0.42, 0.72}, {0.56, 0.86}, {0.62, 0.68}, {0.42, 0.72}}));
    for (double x : {0.5, 0.68}) s.spline(c({{x, 0.62}, {x + 0.07, 0.55}, {x, 0.48}}));
    const bool warm = part == 1;
    // Several seeds to a region, so that fish cut by the canvas's edge are
    // painted where they show.
    s.fill({warm ? 3 : 4, warm ? hue::kOrange : hue::kAzure},
           {c(0.4, 0.5), c(0.12, 0.48), c(0.3, 0.88), c(0.85, 0.6), c(0.9, 0.35)});
    s.fill({1, warm ? hue::kYellow : hue::kCyan}, {c(0.5, 0.15), c(0.15, 0.12), c(0.9, 0.1)});
    s.fill({warm ? 5 : 6, warm ? hue::kRed : hue::kBlue}, c(0.54, 0.74));
    s.fill({0, hue::kGray}, c(0.043, 0.58));
    s.fill({0, hue::kDarkBase}, c(0, 0.58));
  }
  return s.picture();
}

PictureFile Bunny() {
  Sample s = start("Bunny");
  const Frieze f = LayFrieze(s, {0, 0}, 160, 6, 4, [](int col, int) { return col % 2 == 1; });
  const Frame& c = f.cell;
  s.polyline(c({{0, 0.08}, {1, 0.08}}));
  s.polyline(c({{0, 0}, {1, 0}}));
  // A sitting bunny looking right: body, head, two ears, tail, eye, nose.
  s.spline(c({{0.3, 0.09}, {0.18, 0.2}, {0.2, 0.4}, {0.36, 0.52}, {0.56, 0.5}, {0.62, 0.4}, {0.66, 0.2},
              {0.6, 0.09}, {0.3, 0.09}}));
  s.circle(c(0.7, 0.55), 0.13 * 160);
  s.spline(Leaf(c(0.66, 0.66), c(0.57, 0.92), 0.08 * 160, 0.5));
  s.spline(Leaf(c(0.72, 0.67), c(0.76, 0.93), 0.08 * 160, 0.5));
  s.circle(c(0.16, 0.26), 0.06 * 160);
  s.circle(c(0.75, 0.58), 0.02 * 160);
  s.polyline(c({{0.82, 0.52}, {0.84, 0.5}, {0.8, 0.49}, {0.82, 0.52}}));
  s.spline(c({{0.58, 0.09}, {0.68, 0.15}, {0.74, 0.1}}));
  s.fill({3, hue::kGray}, c(0.4, 0.3));
  s.fill({2, hue::kGray}, c(0.68, 0.52));
  s.fill({1, hue::kRose}, {c(0.61, 0.8), c(0.745, 0.82)});
  s.fill({0, hue::kGray}, c(0.14, 0.26));
  s.fill({0, hue::kGray}, c(0.2, 0.26));  // the tail where it lies over the body
  s.fill({7, hue::kGray}, c(0.75, 0.58));
  // The grass, also where the body's curve dips under the ground line.
  s.fill({2, hue::kLime}, {c(0.5, 0.04), c(0.41, 0.07)});
  s.fill({0, hue::kAzure}, {c(0.1, 0.85), c(0.95, 0.6), c(0.4, 0.97)});
  return s.picture();
}

PictureFile Butterfly() {
  Sample s = start("Butterfly");
  // Wings in square cells: the left wing in a cell, mirrored across the
  // cell's right edge into the cell beside it. Rows take turns in two parts.
  const SquareGrid g = LaySquares(s, {0, 0}, 160, 6, 4);
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 6; i += 2) {
      const int part = j % 2 == 0 ? 1 : 2;
      s.join(g.cell[i][j], 1, part);
      s.join(g.cell[i + 1][j], 3, part, true);
    }
  s.base(g.cell[0][0], 1);
  s.base(g.cell[0][1], 1);
  s.accept(1);
  for (int part : {1, 2}) {
    if (part == 2) s.part(2);
    const Frame c = EdgeFrame(g.cell[0][part - 1], 1);  // u up the body line, v into the wing
    // Half the body on the mirror line, a feeler, the fore and hind wings.
    s.spline(c({{0.22, 0}, {0.3, 0.04}, {0.55, 0.05}, {0.72, 0.04}, {0.78, 0}}));
    s.spline(c({{0.75, 0.02}, {0.86, 0.08}, {0.92, 0.2}}));
    s.circle(c(0.92, 0.21), 3);
    s.spline(c({{0.62, 0.05}, {0.85, 0.35}, {0.9, 0.7}, {0.68, 0.88}, {0.5, 0.6}, {0.46, 0.05}}));
    s.spline(c({{0.44, 0.05}, {0.36, 0.5}, {0.2, 0.7}, {0.08, 0.5}, {0.2, 0.2}, {0.3, 0.05}}));
    s.circle(c(0.7, 0.6), 0.09 * 160);
    s.circle(c(0.7, 0.6), 0.04 * 160);
    s.circle(c(0.22, 0.45), 0.06 * 160);
    const bool first = part == 1;
    s.fill({4, first ? hue::kOrange : hue::kAzure}, c(0.6, 0.3));
    s.fill({5, first ? hue::kRed : hue::kBlue}, c(0.3, 0.3));
    s.fill({2, hue::kYellow}, c(0.7, 0.6));
    s.fill({1, first ? hue::kYellow : hue::kCyan}, c(0.22, 0.45));
    s.fill({6, hue::kBrown}, c(0.5, 0.02));
    s.fill({6, hue::kBrown}, c(0.92, 0.21));
    s.fill({0, hue::kGray}, c(0.765, 0.6));
    s.fill({0, hue::kLime}, c(0.1, 0.9));
  }
  return s.picture();
}

}  // namespace

std::vector<SampleSpec> Drawings() {
  return {{"OVTE1A.PNT", "Snail", Snail}, {"OVTE2A.PNT", "Peacock", Peacock}, {"OVTE3A.PNT", "Poppy", Poppy},
          {"OVTE4A.PNT", "Fish", Fish},   {"OVTE5A.PNT", "Bunny", Bunny},     {"OVTE6A.PNT", "Butterfly", Butterfly}};
}

}  // namespace orn::samples
