// The six roses: rosettes of 6, 16, 12, 5, 8 and 10 copies turned about a
// centre, three of them with every other copy mirrored.
#include <cmath>

#include "tools/samples/catalogue.h"
#include "tools/samples/motifs.h"

namespace orn::samples {

namespace {

constexpr int kSide = 680;
const P kCentre{340, 340};
// A point in the canvas's corner, outside every rose, and the colour every
// rose stands on.
const P kCorner{12, 12};
constexpr Colour kRoseBack{1, hue::kGray};

// A rose of `n` copies in a regular polygon of n edges round the canvas's
// centre; every other copy mirrored when `mirrored`. Returns the base
// sector: the one at the bottom edge.
Sector StartRose(Sample& s, const char* title, int n, bool mirrored, double radius = 318) {
  s.title = title;
  s.picKind = 7;
  s.gridMode = 2;
  const double half = rad(180.0 / n);
  const double apothem = radius * std::cos(half), edge = 2 * radius * std::sin(half);
  const Poly p = s.polygon(n, kCentre + P{-edge / 2, apothem}, kCentre + P{edge / 2, apothem});
  for (int e = 0; e < n; ++e) s.join(p, e, 1, mirrored && e % 2 == 1);
  s.accept(1);
  return SectorOf(p, 0);
}

// A point `along` apothems out on the sector's ray at angle `ray`, moved
// `across` apothems to the side of decreasing angle (positive) or
// increasing angle (negative).
P OffRay(const Sector& c, double ray, double along, double across) {
  return c.at(std::hypot(along, across), ray - std::atan2(across, along) * 180.0 / kPi);
}
std::vector<P> OffRay(const Sector& c, double ray, const std::vector<P>& pts) {
  std::vector<P> out;
  for (P p : pts) out.push_back(OffRay(c, ray, p.x, p.y));
  return out;
}

PictureFile Snowflake() {
  Sample s(kSide, kSide);
  const Sector c = StartRose(s, "Snowflake", 12, true);
  s.background = kWhite;
  // A main arm along the ray at +15 degrees, a short one along the ray at
  // -15: half of each is drawn, the mirrored copy beside it draws the rest.
  s.polyline(OffRay(c, 15, {{0.16, 0}, {0.16, 0.035}, {0.3, 0.035}, {0.43, 0.16}, {0.47, 0.13},
                            {0.37, 0.035}, {0.56, 0.035}, {0.68, 0.12}, {0.71, 0.095}, {0.62, 0.03},
                            {0.78, 0.028}, {0.92, 0}}));
  s.polyline(OffRay(c, -15, {{0.16, 0}, {0.16, -0.03}, {0.32, -0.03}, {0.4, -0.09}, {0.43, -0.065},
                             {0.38, -0.025}, {0.5, 0}}));
  s.circle(c.centre, 0.16 * c.apothem);
  s.circle(c.centre, 0.09 * c.apothem);
  s.circle(c.centre, 0.965 * c.apothem);
  // Frost crystals between the arms.
  s.polyline(c.at({{0.66, -2}, {0.72, -6}, {0.78, -2}, {0.72, 2}, {0.66, -2}}));
  s.fill({1, hue::kAzure}, {OffRay(c, 15, 0.5, 0.015), OffRay(c, 15, 0.44, 0.13)});
  s.fill({2, hue::kAzure}, OffRay(c, -15, 0.3, -0.015));
  s.fill({0, hue::kAzure}, c.at(0.72, -2));
  s.fill({2, hue::kCyan}, c.at(0.12, 0));
  s.fill({4, hue::kAzure}, c.centre);
  s.fill({0, hue::kAzure}, c.at(0.2, 0));
  s.fill({6, hue::kBlue}, {c.at(0.85, 0), c.at(0.55, 0)});
  s.fill(kRoseBack, kCorner);
  return s.picture();
}

PictureFile Circus() {
  Sample s(kSide, kSide);
  const Sector c = StartRose(s, "Circus", 16, false);
  const double h = c.halfAngle();
  // Two stripes in every copy, wheeling out from the hub.
  for (double a0 : {-h, 0.0}) {
    std::vector<P> arm;
    for (int k = 0; k <= 6; ++k) arm.push_back(c.at(0.16 + 0.64 * k / 6, a0 + 14.0 * k / 6));
    s.spline(arm);
  }
  s.circle(c.centre, 0.16 * c.apothem);
  s.circle(c.centre, 0.8 * c.apothem);
  s.circle(c.centre, 0.86 * c.apothem);
  s.spline({c.at(0.86, -h), c.at(0.92, -h * 0.55), c.at(0.95, 0), c.at(0.92, h * 0.55), c.at(0.86, h)});
  s.circle(c.at(0.9, 0), 0.022 * c.apothem);
  s.polyline(Star(c.centre, 0.13 * c.apothem, 0.07 * c.apothem, 16, c.towardsEdge + h));
  s.fill({5, hue::kRed}, c.at(0.5, -h / 2 + 6));
  s.fill({0, hue::kYellow}, c.at(0.5, h / 2 + 6));
  s.fill({4, hue::kBlue}, c.at(0.83, 0));
  s.fill({3, hue::kYellow}, c.at(0.875, h * 0.6));
  s.fill({5, hue::kRed}, c.at(0.9, 0));
  s.fill({2, hue::kYellow}, c.centre);
  s.fill({6, hue::kBlue}, c.at(0.145, 0));
  s.fill(kRoseBack, kCorner);
  return s.picture();
}

PictureFile Twelve() {
  Sample s(kSide, kSide);
  const Sector c = StartRose(s, "Twelve", 24, true);
  const double h = c.halfAngle();
  // Twelve great petals on the rays at +h, and between them twelve small
  // ones that show from behind them: each small petal's side leaves a great
  // petal's side at one of its points, so that no gap is left between them.
  const P behind = OffRay(c, h, 0.34, 0.05);
  s.spline({c.at(0.2, h), behind, OffRay(c, h, 0.55, 0.068), OffRay(c, h, 0.74, 0.045), c.at(0.84, h)});
  s.polyline(OffRay(c, h, {{0.3, 0}, {0.74, 0}}));
  s.spline({behind, c.at(0.4, -4.5), c.at(0.5, -6.4), c.at(0.58, -h)});
  s.circle(c.centre, 0.2 * c.apothem);
  s.circle(c.centre, 0.12 * c.apothem);
  s.circle(c.at(0.16, 0), 0.014 * c.apothem);
  s.circle(c.centre, 0.9 * c.apothem);
  s.circle(c.centre, 0.95 * c.apothem);
  s.circle(c.at(0.925, h), 0.02 * c.apothem);
  s.fill({3, hue::kOrange}, {OffRay(c, h, 0.55, 0.03), OffRay(c, h, 0.25, 0.012)});
  s.fill({5, hue::kRed}, c.at(0.3, -3));
  s.fill({4, hue::kBrown}, c.at(0.16, 0));
  s.fill({6, hue::kBrown}, c.at(0.16, h));
  s.fill({2, hue::kYellow}, c.centre);
  s.fill({1, hue::kLime}, {c.at(0.7, -h), c.at(0.85, 0)});
  s.fill({5, hue::kGreen}, c.at(0.925, 0));
  s.fill({3, hue::kYellow}, c.at(0.925, h));
  s.fill(kRoseBack, kCorner);
  return s.picture();
}

PictureFile Hummingbird() {
  Sample s(kSide, kSide);
  const Sector c = StartRose(s, "Hummingbird", 5, false, 350);
  // The bird hovers beside the flower, its body hanging steeply below its
  // head and its bill held out level into a petal. In its own frame: u
  // forward along the bill, v up, the head's middle at the origin.
  const P at = c.at(0.56, 10);
  const double heading = angleOf(c.at(0.36, -14) - at);
  const Frame b = frameAt(at, heading, 0.11 * c.apothem);
  const P bill = b(0.55, 0.05), neck = b(-0.7, -0.1), back = b(-0.95, -0.8), rump = b(-1.15, -1.6),
          vent = b(-0.6, -1.85), chin = b(0.5, -0.15), chest = b(0.2, -0.85);
  // Head, body and tail in one outline; the wing rises from the back
  // between two of its points, so that it grows out of the body, and the
  // bill is a single fine line.
  s.spline({bill, b(0.42, 0.45), b(0.0, 0.64), b(-0.42, 0.42), neck, back, rump, b(-1.6, -2.75), b(-1.28, -2.45), b(-1.02, -2.7),
            vent, b(-0.1, -1.35), chest, b(0.38, -0.5), chin, bill});
  s.polyline({bill, b(2.6, -0.08)});
  s.spline({neck, b(-0.78, 0.95), b(-1.22, 1.85), b(-1.75, 2.4), b(-1.92, 1.45), b(-1.78, 0.4), back});
  s.polyline({neck, b(-1.3, 1.0), b(-1.75, 2.4)});
  s.spline({chin, b(0.05, -0.3), chest});
  s.polyline({rump, vent});
  s.circle(b(0.12, 0.16), 0.13 * 0.11 * c.apothem);
  // The flower: five petals round a heart.
  s.spline(Leaf(c.at(0.12, 0), c.at(0.4, 0), 0.27 * c.apothem, 0.55));
  s.circle(c.centre, 0.12 * c.apothem);
  s.circle(c.centre, 0.95 * c.apothem);
  s.fill({5, hue::kGreen}, b(-0.5, -0.9));
  s.fill({4, hue::kRed}, b(0.23, -0.5));
  s.fill({6, hue::kGreen}, b(-1.2, -2.2));
  s.fill({2, hue::kSpring}, b(-0.95, 0.6));
  s.fill({1, hue::kSpring}, b(-1.65, 1.2));
  s.fill({7, hue::kGray}, b(0.12, 0.16));
  s.fill({3, hue::kMagenta}, c.at(0.26, 0));
  s.fill({3, hue::kYellow}, c.centre);
  s.fill({0, hue::kAzure}, {c.at(0.5, -30), c.at(0.85, 0)});
  s.fill(kRoseBack, kCorner);
  return s.picture();
}

PictureFile Crystal() {
  Sample s(kSide, kSide);
  const Sector c = StartRose(s, "Crystal", 16, true);
  const double h = c.halfAngle();
  // A star of long points on the rays at +h and short ones at -h, each cut
  // in facets from the notch between them.
  const P L = c.at(0.9, h), N = c.at(0.42, 0), S = c.at(0.6, -h);
  const P M = c.at(0.55, h), A = c.at(0.2, h), B = c.at(0.2, -h);
  s.polyline({L, N, S});
  s.polyline({L, A});
  s.polyline({S, B, A});
  s.polyline({M, N, A});
  s.polyline({N, B});
  s.circle(c.centre, 0.95 * c.apothem);
  s.fill({1, hue::kViolet}, Mid(L, N, M));
  s.fill({4, hue::kViolet}, Mid(N, M, A));
  s.fill({6, hue::kBlue}, Mid(N, A, B));
  s.fill({2, hue::kCyan}, Mid(N, B, S));
  s.fill({0, hue::kCyan}, c.at(0.1, 0));
  s.fill({7, hue::kBlue}, {c.at(0.85, -h * 0.5), c.at(0.7, -h * 0.9)});
  s.fill(kRoseBack, kCorner);
  return s.picture();
}

PictureFile Monkey() {
  Sample s(kSide, kSide);
  const Sector c = StartRose(s, "Monkey", 10, false);
  const double h = c.halfAngle();
  // The arms: a band round the ring that every monkey holds at its sides.
  s.polyline(c.at({{0.66, -h}, {0.69, -8}, {0.71, -4}}));
  s.polyline(c.at({{0.61, -h}, {0.63, -8}, {0.62, -4}}));
  s.polyline(c.at({{0.71, 4}, {0.69, 8}, {0.66, h}}));
  s.polyline(c.at({{0.62, 4}, {0.63, 8}, {0.61, h}}));
  // Head with ears and face, body, legs and a curling tail, in the monkey's
  // own frame: x out from the centre, y across, in apothems.
  const P head = c.at(0.81, 0);
  const Frame f{head, head - c.centre, turn(head - c.centre, 90)};
  const double u = 1.0 / 0.81;  // one apothem in the frame's units
  s.circle(head, 0.085 * c.apothem);
  for (double side : {-1.0, 1.0}) s.circle(f(0, side * 0.1 * u), 0.035 * c.apothem);
  s.spline(f({{-0.04 * u, -0.045 * u}, {0.035 * u, -0.06 * u}, {0.055 * u, 0}, {0.035 * u, 0.06 * u},
              {-0.04 * u, 0.045 * u}, {-0.06 * u, 0}, {-0.04 * u, -0.045 * u}}));
  s.circle(f(0.02 * u, -0.025 * u), 0.01 * c.apothem);
  s.circle(f(0.02 * u, 0.025 * u), 0.01 * c.apothem);
  s.spline({c.at(0.725, -4), c.at(0.64, -6.5), c.at(0.5, -5), c.at(0.46, 0), c.at(0.5, 5), c.at(0.64, 6.5),
            c.at(0.725, 4)});
  s.polyline({c.at(0.725, -4), c.at(0.725, 4)});
  // The legs hang from the body's outline, from the hips to the crotch.
  for (double side : {-1.0, 1.0})
    s.spline(c.at({{0.5, side * 5}, {0.4, side * 7.2}, {0.31, side * 7.4}, {0.33, side * 5.6}, {0.42, side * 2.2},
                   {0.46, 0}}));
  s.spline({c.at(0.46, 0), c.at(0.38, 0.2), c.at(0.3, -0.2), c.at(0.24, 1), c.at(0.23, 3), c.at(0.26, 3.6)});
  s.circle(c.centre, 0.18 * c.apothem);
  s.circle(c.centre, 0.96 * c.apothem);
  // The head's rim, also where it overlaps the ears.
  s.fill({5, hue::kBrown}, {c.at(0.88, 0), c.at(0.58, 0), c.at(0.648, -13), c.at(0.648, 13), f(0, 0.075 * u),
                            f(0, -0.075 * u)});
  s.fill({1, hue::kTan}, c.at(0.8, 0));
  s.fill({5, hue::kBrown}, c.at(0.737, 0));
  s.fill({3, hue::kBrown}, {f(0, 0.12 * u), f(0, -0.12 * u)});
  s.fill({6, hue::kBrown}, {c.at(0.41, 5), c.at(0.41, -5)});
  s.fill({7, hue::kGray}, {f(0.02 * u, -0.025 * u), f(0.02 * u, 0.025 * u)});
  s.fill({4, hue::kYellow}, c.centre);
  s.fill({1, hue::kLime}, {c.at(0.88, h), c.at(0.25, h)});
  s.fill(kRoseBack, kCorner);
  return s.picture();
}

}  // namespace

std::vector<SampleSpec> Roses() {
  return {{"OVRO1A.PNT", "Snowflake", Snowflake}, {"OVRO2A.PNT", "Circus", Circus},
          {"OVRO3A.PNT", "Twelve", Twelve},       {"OVRO4A.PNT", "Hummingbird", Hummingbird},
          {"OVRO5A.PNT", "Crystal", Crystal},     {"OVRO6A.PNT", "Monkey", Monkey}};
}

}  // namespace orn::samples
