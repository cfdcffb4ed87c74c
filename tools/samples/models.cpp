// The model nets: for each solid its construction drawing ("D"), the
// decorated net ("A"), and the further decorated nets of the "More" menu.
//
// The decoration is drawn in the first face's first copy and repeated on
// every face; a line that leaves a face crosses its edge at the edge's
// middle or at two places symmetric about it, so that on the folded model it
// goes on across the fold into the next face.
#include <cmath>

#include "tools/samples/catalogue.h"
#include "tools/samples/motifs.h"
#include "tools/samples/nets.h"

namespace orn::samples {

namespace {

constexpr double kNetMargin = 26;
constexpr double kFlapDepth = 18;

struct Sheet {
  Sample s{960, 640};
  int model = 0;
  std::vector<Poly> faces;
};

// The net with its symmetry accepted and its glue flaps, drawing in part 1.
Sheet Start(int model, const std::string& title) {
  Sheet m;
  m.model = model;
  m.s.title = title;
  m.s.picKind = 10;
  m.faces = LayNet(m.s, ModelNet(model), kNetMargin);
  JoinModelSymmetry(m.s, model, m.faces);
  m.s.accept(1);
  // The glue flaps, drawn once each, in no part; then back to part 1.
  m.s.part(0);
  for (const auto& flap : GlueFlaps(m.faces, model, kFlapDepth)) m.s.polyline(flap);
  m.s.part(1);
  return m;
}

// The base cell of a regular face.
Sector Face(const Sheet& m, int kind = 0) {
  for (const Poly& p : m.faces)
    if (kind == 0 || p.n() == kind) return SectorOf(p, 0);
  return SectorOf(m.faces[0], 0);
}

// The base cell of a golden triangle: u along its long edge, v towards its
// blunt corner (at (0.5, 0.3633)).
Frame Golden(const Sheet& m) {
  const Poly& p = m.faces[0];
  return EdgeFrame(p, LongEdge(p));
}

// ---- the decorated nets ------------------------------------------------------

// Fire: flames rising from every edge, meeting base to base across it.
void Fire(Sheet& m) {
  const Sector c = Face(m);
  Sample& s = m.s;
  s.spline({c.edge(0.28), c.at(0.78, -14), c.at(0.55, -24), c.at(0.42, -5), c.at(0.3, 10), c.at(0.55, 14),
            c.at(0.7, 28), c.edge(0.72)});
  s.spline({c.edge(0.4), c.at(0.8, -6), c.at(0.62, -8), c.at(0.55, 6), c.at(0.78, 12), c.edge(0.6)});
  s.circle(c.centre, 0.14 * c.apothem);
  s.polyline(Star(c.centre, 0.14 * c.apothem, 0, 3, c.towardsEdge + 60));
  s.fill({4, hue::kOrange}, c.at(0.7, 20));
  s.fill({3, hue::kYellow}, c.at(0.85, 0));
  s.fill({6, hue::kRed}, {c.at(1.2, -45), c.at(1.2, 45), c.at(0.3, 40)});
  s.fill({2, hue::kYellow}, c.centre);
  s.fill({4, hue::kRed}, c.at(0.11, 0));
}

// Air: three winds turning out of a sun on every face, each crossing an
// edge at its middle into the next face, with a cloud between them.
void Air(Sheet& m) {
  const Sector c = Face(m);
  Sample& s = m.s;
  const double hub = 0.2;
  s.circle(c.centre, hub * c.apothem);
  s.spline({c.at(hub, 25), c.at(0.45, 18), c.at(0.72, 10), c.edge(0.44)});
  s.spline({c.at(hub, 55), c.at(0.5, 36), c.at(0.78, 18), c.edge(0.56)});
  s.spline({c.at(0.62, -40), c.at(0.78, -44), c.at(0.9, -36), c.at(0.8, -26), c.at(0.66, -28), c.at(0.62, -40)});
  s.fill({3, hue::kYellow}, c.centre);
  s.fill({0, hue::kGray}, c.at(0.5, 29));
  s.fill({2, hue::kAzure}, {c.at(0.5, -20), c.at(1.2, -50), c.at(1.2, 50)});
  s.fill({1, hue::kGray}, c.at(0.75, -35));
}

// Earth: a leaf towards every corner and hills along every edge.
void Earth(Sheet& m) {
  const Sector c = Face(m);
  Sample& s = m.s;
  const P base = c.at(0.24, 45), tip = c.at(1.2, 45);
  s.spline(Leaf(base, tip, 0.22 * c.apothem, 0.5));
  s.polyline({base, tip});
  s.spline({c.edge(0.2), c.at(0.82, -12), c.at(0.78, 0), c.at(0.82, 12), c.edge(0.8)});
  s.circle(c.centre, 0.24 * c.apothem);
  s.fill({5, hue::kGreen}, c.at(0.7, 41.5));
  s.fill({3, hue::kGreen}, c.at(0.7, 48.5));
  s.fill({4, hue::kBrown}, c.at(0.92, 0));
  s.fill({1, hue::kLime}, {c.at(0.5, 0), c.at(0.5, 20)});
  s.fill({3, hue::kBrown}, c.centre);
}

// Ocean: ripples round every corner: on the folded model rings round each
// of its corners, where five faces meet.
void Ocean(Sheet& m) {
  const Sector c = Face(m);
  Sample& s = m.s;
  const P p0 = c.edge(0), p1 = c.edge(1);
  const double edge = len(p1 - p0);
  for (double r : {0.22, 0.4}) {
    for (P corner : {p0, p1}) {
      const P other = corner.x == p0.x && corner.y == p0.y ? p1 : p0;
      const auto a = ArcBetween(corner, r * edge, other, c.centre);
      s.arc(a[0], a[1], a[2]);
    }
  }
  s.circle(c.centre, 0.3 * c.apothem);
  s.fill({6, hue::kBlue}, {lerp(p0, c.centre, 0.12), lerp(p1, c.centre, 0.12)});
  s.fill({4, hue::kAzure}, {lerp(p0, c.centre, 0.54), lerp(p1, c.centre, 0.54)});
  s.fill({1, hue::kCyan}, c.at(0.6, 0));
  s.fill({0, hue::kGray}, c.centre);
}

// Cosmos: a five-pointed star on every face in the night, and planets.
void Cosmos(Sheet& m) {
  const Sector c = Face(m);
  Sample& s = m.s;
  const P notch = c.at(0.32, 0), tipL = c.at(0.78, -36), tipR = c.at(0.78, 36);
  s.polyline({tipL, notch, tipR});
  s.polyline({c.centre, notch});
  s.polyline({c.centre, tipR});
  s.circle(c.at(0.84, 0), 0.09 * c.apothem);
  s.fill({2, hue::kYellow}, Mid(c.centre, notch, tipR));
  s.fill({4, hue::kOrange}, Mid(c.centre, tipL, notch));
  s.fill({7, hue::kBlue}, c.at(0.6, 0));
  s.fill({3, hue::kRose}, c.at(0.84, 0));
}

// Glory: sun rays on the triangles, flowers on the squares.
void Glory(Sheet& m) {
  Sample& s = m.s;
  const Sector t = Face(m, 3);
  // The ray ends on the edge, where it meets the ray of the face across it.
  const P r0 = t.at(0.22, -20), r1 = t.at(0.22, 20), e0 = t.edge(0.46), e1 = t.edge(0.54);
  s.polyline({r0, e0});
  s.polyline({r1, e1});
  s.circle(t.centre, 0.22 * t.apothem);
  s.fill({3, hue::kYellow}, t.at(0.6, 0));
  s.fill({5, hue::kOrange}, {t.at(0.7, 40), t.at(0.7, -40)});
  s.fill({2, hue::kYellow}, t.centre);
  s.part(2);
  const Sector q = Face(m, 4);
  const P base = q.at(0.25, 45), end = q.at(1.22, 45);
  s.spline(Leaf(base, end, 0.3 * q.apothem, 0.5));
  s.polyline({base, end});
  s.circle(q.centre, 0.25 * q.apothem);
  s.fill({4, hue::kViolet}, q.at(0.7, 40));
  s.fill({2, hue::kViolet}, q.at(0.7, 50));
  s.fill({0, hue::kViolet}, q.at(0.8, 0));
  s.fill({3, hue::kYellow}, q.centre);
}

// Bouquet: a tulip on every golden triangle, rising from the middle of its
// long edge, where it meets the tulip of the triangle across the fold.
void Bouquet(Sheet& m) {
  const Frame g = Golden(m);
  Sample& s = m.s;
  const P foot = g(0.5, 0), head = g(0.5, 0.28);
  s.spline(g({{0.42, 0}, {0.36, 0.12}, {0.4, 0.22}, {0.5, 0.28}}));
  s.spline(g({{0.58, 0}, {0.64, 0.12}, {0.6, 0.22}, {0.5, 0.28}}));
  s.polyline({foot, head});
  s.fill({4, hue::kRose}, g(0.45, 0.12));
  s.fill({2, hue::kRose}, g(0.55, 0.12));
  s.fill({1, hue::kLime}, {g(0.2, 0.05), g(0.8, 0.05), g(0.5, 0.33)});
}

// Owl: three owls on every face, each standing on an edge with its head
// towards the face's middle, where a moon shines: eared head, round eyes, a
// beak, folded wings and a barred belly.
void Owl(Sheet& m) {
  const Sector c = Face(m);
  Sample& s = m.s;
  // In the owl's own frame: u up from its feet on the edge's middle towards
  // the face's middle, v across, both in apothems.
  const P feet = c.edge(0.5);
  const Frame f{feet, c.centre - feet, turn(c.centre - feet, 90)};
  const P cheekL = f(0.59, -0.35), cheekR = f(0.59, 0.35), hipL = f(0.07, -0.28), hipR = f(0.07, 0.28);
  s.spline({f(0.05, 0), hipR, f(0.31, 0.4), cheekR, f(0.82, 0.21), f(0.72, 0.1), f(0.7, 0), f(0.72, -0.1),
            f(0.82, -0.21), cheekL, f(0.31, -0.4), hipL, f(0.05, 0)});
  // Wings folded along the sides, the belly between them.
  s.spline({cheekR, f(0.35, 0.3), hipR});
  s.spline({cheekL, f(0.35, -0.3), hipL});
  s.spline({hipL, f(0.21, -0.2), f(0.26, 0), f(0.21, 0.2), hipR});
  for (double v : {-0.09, 0.09}) s.polyline(f({{0.19, v - 0.04}, {0.14, v}, {0.19, v + 0.04}}));
  for (double v : {-0.14, 0.14}) {
    s.circle(f(0.52, v), 0.11 * c.apothem);
    s.circle(f(0.52, v), 0.05 * c.apothem);
  }
  s.polyline(f({{0.39, -0.04}, {0.3, 0}, {0.39, 0.04}, {0.39, -0.04}}));
  s.circle(c.centre, 0.1 * c.apothem);
  s.fill({4, hue::kBrown}, f(0.6, 0));
  s.fill({6, hue::kBrown}, {f(0.33, 0.35), f(0.33, -0.35)});
  s.fill({1, hue::kTan}, f(0.1, 0));
  s.fill({3, hue::kYellow}, {f(0.52, 0.22), f(0.52, -0.22)});
  s.fill({7, hue::kGray}, {f(0.52, 0.14), f(0.52, -0.14)});
  s.fill({4, hue::kOrange}, f(0.36, 0));
  s.fill({1, hue::kYellow}, c.centre);
  s.fill({6, hue::kBlue}, {c.at(0.45, 60), c.at(1.2, 40), c.at(1.2, -40)});
}

// Dials: a dial on every face, a pointer to every edge.
void Dials(Sheet& m) {
  const Sector c = Face(m);
  Sample& s = m.s;
  s.circle(c.centre, 0.82 * c.apothem);
  s.circle(c.centre, 0.68 * c.apothem);
  for (double a : {-30.0, 0.0, 30.0}) s.polyline({c.at(0.7, a), c.at(0.8, a)});
  const P p0 = c.at(0.12, -40), p1 = c.at(0.12, 40), tip = c.at(0.6, 0);
  s.polyline({p0, tip, p1});
  s.circle(c.centre, 0.12 * c.apothem);
  s.fill({0, hue::kYellow}, c.at(0.5, 30));
  s.fill({6, hue::kRed}, Mid(p0, tip, p1));
  s.fill({3, hue::kBrown}, {c.at(0.75, 15), c.at(0.75, -15)});
  s.fill({1, hue::kBrown}, c.at(0.75, 40));
  s.fill({5, hue::kBrown}, c.at(1.2, 40));
  s.fill({6, hue::kDarkBase}, c.at(0.05, 0));
}

// Penguin: three penguins on every face, standing on its edges.
void Penguin(Sheet& m) {
  const Sector c = Face(m);
  Sample& s = m.s;
  // In the penguin's own frame: x up from its feet on the edge's middle
  // towards the face's centre, y across, both in apothems.
  const P feet = c.edge(0.5);
  const Frame f{feet, c.centre - feet, turn(c.centre - feet, 90)};
  s.spline(f({{0.05, -0.16}, {0.4, -0.27}, {0.72, -0.18}, {0.9, 0}, {0.72, 0.18}, {0.4, 0.27}, {0.05, 0.16},
              {0.05, -0.16}}));
  s.spline(f({{0.11, -0.11}, {0.38, -0.18}, {0.6, 0}, {0.38, 0.18}, {0.11, 0.11}, {0.11, -0.11}}));
  s.polyline(f({{0.7, -0.06}, {0.83, 0}, {0.7, 0.06}, {0.7, -0.06}}));
  s.fill({0, hue::kDarkBase}, f(0.64, 0.13));
  s.fill({0, hue::kGray}, f(0.3, 0));
  s.fill({4, hue::kOrange}, f(0.74, 0));
  s.fill({0, hue::kAzure}, {f(0.3, 0.45), c.at(1.2, -40)});
}

// Mercury: a grey planet with craters on every face, and on every edge a
// fan of gold feathers that meets the fan of the face across the fold tip
// to tip.
void Mercury(Sheet& m) {
  const Sector c = Face(m);
  Sample& s = m.s;
  s.circle(c.centre, 0.42 * c.apothem);
  s.circle(c.at(0.24, 12), 0.08 * c.apothem);
  const struct {
    double base, tip;
  } feathers[] = {{-16, 0.25}, {0, 0.5}, {16, 0.75}};
  for (auto f : feathers) {
    const P base = c.at(0.56, f.base), tip = c.edge(f.tip);
    s.spline(Leaf(base, tip, 0.09 * c.apothem, 0.45));
    s.fill({3, hue::kYellow}, lerp(base, tip, 0.45));
  }
  s.fill({3, hue::kGray}, c.centre);
  s.fill({5, hue::kGray}, c.at(0.24, 12));
  s.fill({6, hue::kViolet}, {c.at(0.75, -8), c.at(0.75, 8), c.at(1.05, 30)});
}

// Starry: stars scattered on the night sky of every face.
void Starry(Sheet& m) {
  const Sector c = Face(m);
  Sample& s = m.s;
  // A six-pointed star on every face: long points to the corners, short
  // ones to the edges' middles, each point in a light and a dark half.
  const P corner = c.at(1.55, 60), mid = c.at(0.8, 0), notchL = c.at(0.5, -30), notchR = c.at(0.5, 30);
  s.polyline({c.at(1.55, -60), notchL, mid, notchR, corner});
  s.polyline({c.centre, mid});
  s.polyline({c.centre, notchR});
  s.polyline({c.centre, corner});
  s.fill({2, hue::kYellow}, Mid(c.centre, notchR, corner));
  s.fill({4, hue::kYellow}, Mid(c.centre, mid, notchR));
  s.fill({3, hue::kOrange}, Mid(c.centre, notchL, mid));
  s.fill({7, hue::kViolet}, {c.at(0.95, -25), c.at(0.95, 25)});
}

// Zebra: stripes that cross every edge at places symmetric about its middle.
void Zebra(Sheet& m) {
  const Sector c = Face(m);
  Sample& s = m.s;
  // Arches within arches on every edge: with the arches of the face across
  // the fold they close into rings round the edge's middle. Each arch
  // leaves the edge square to it, so that it meets its other half across
  // the fold smoothly and comes near no other line there: in(t, d) is the
  // point d apothems in from the edge's point at t.
  auto in = [&c](double t, double d) {
    const double across = (2 * t - 1) * std::tan(rad(c.halfAngle()));
    return c.at(std::hypot(1 - d, across), std::atan2(across, 1 - d) * 180 / kPi);
  };
  const std::vector<std::vector<P>> arches = {
      {in(0.12, 0.12), c.at(0.62, -26), c.at(0.44, -8), c.at(0.48, 10), c.at(0.62, 24), in(0.88, 0.12)},
      {in(0.32, 0.1), c.at(0.8, -14), c.at(0.7, -2), c.at(0.75, 12), in(0.68, 0.1)}};
  const double ends[2][2] = {{0.12, 0.88}, {0.32, 0.68}};
  for (int k = 0; k < 2; ++k) {
    s.spline(arches[std::size_t(k)]);
    s.polyline({c.edge(ends[k][0]), arches[std::size_t(k)].front()});
    s.polyline({arches[std::size_t(k)].back(), c.edge(ends[k][1])});
  }
  s.fill({0, hue::kDarkBase}, {c.at(0.55, -5), in(0.22, 0.05), in(0.78, 0.05)});
  s.fill({0, hue::kGray}, {c.at(0.88, 0), in(0.5, 0.05)});
  s.fill({0, hue::kGray}, {c.at(0.2, 0), in(0.05, 0.04), in(0.95, 0.04)});
}

// Heart: a heart on every golden triangle.
void Heart(Sheet& m) {
  const Frame g = Golden(m);
  Sample& s = m.s;
  s.spline(g({{0.5, 0.04}, {0.36, 0.12}, {0.36, 0.2}, {0.44, 0.22}, {0.5, 0.17}}));
  s.spline(g({{0.5, 0.17}, {0.56, 0.22}, {0.64, 0.2}, {0.64, 0.12}, {0.5, 0.04}}));
  s.fill({4, hue::kRed}, g(0.5, 0.12));
  s.fill({1, hue::kRose}, {g(0.2, 0.05), g(0.8, 0.05), g(0.5, 0.28)});
}

struct ModelSpec {
  int model;
  const char* caption;
  const char* solid;
  void (*decorate)(Sheet&);
};

constexpr ModelSpec kModels[] = {{4, "Fire", "Tetrahedron", Fire},       {3, "Air", "Octahedron", Air},
                                 {6, "Earth", "Cube", Earth},            {5, "Ocean", "Icosahedron", Ocean},
                                 {7, "Cosmos", "Dodecahedron", Cosmos},  {2, "Glory", "Cuboctahedron", Glory},
                                 {1, "Bouquet", "Great Dodecahedron", Bouquet}};

struct ExtraSpec {
  const char* file;
  int model;
  const char* caption;
  const char* solid;
  void (*decorate)(Sheet&);
};

constexpr ExtraSpec kExtras[] = {{"OVXOWL4.PNT", 4, "Owl", "Tetrahedron", Owl},
                                 {"OVXDIAL6.PNT", 6, "Dials", "Cube", Dials},
                                 {"OVXPENG3.PNT", 3, "Penguin", "Octahedron", Penguin},
                                 {"OVXMERC7.PNT", 7, "Mercury", "Dodecahedron", Mercury},
                                 {"OVXSTAR5.PNT", 5, "Starry", "Icosahedron", Starry},
                                 {"OVXZEBR5.PNT", 5, "Zebra", "Icosahedron", Zebra},
                                 {"OVXHART1.PNT", 1, "Heart", "Great Dodecahedron", Heart}};

PictureFile Decorated(int model, const std::string& title, void (*decorate)(Sheet&)) {
  Sheet m = Start(model, title);
  decorate(m);
  return m.s.picture();
}

}  // namespace

std::vector<SampleSpec> Models() {
  std::vector<SampleSpec> out;
  for (const ModelSpec& k : kModels) {
    const std::string base = "OVMOD" + std::to_string(k.model);
    const std::string caption = k.caption, solid = k.solid;
    const int model = k.model;
    auto* decorate = k.decorate;
    out.push_back({base + "A.PNT", caption, [=] { return Decorated(model, caption + " - " + solid, decorate); }});
    out.push_back({base + "D.PNT", caption, [=] {
                     Sheet m = Start(model, caption + " - " + solid + " net");
                     return m.s.picture();
                   }});
  }
  for (const ExtraSpec& k : kExtras) {
    const std::string caption = k.caption, solid = k.solid;
    const int model = k.model;
    auto* decorate = k.decorate;
    out.push_back({k.file, caption, [=] { return Decorated(model, caption + " - " + solid, decorate); }});
  }
  return out;
}

}  // namespace orn::samples
