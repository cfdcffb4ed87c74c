#include "tools/samples/nets.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>

#include "shell/polyhedron.h"

namespace orn::samples {

namespace {

// ---- hand-laid nets -------------------------------------------------------

// A strip of triangles running to the right from a first triangle on the
// unit edge: every triangle after the first pointing down continues on its
// edge 1, every one pointing up on its edge 2.
std::vector<NetStep> strip(int count) {
  std::vector<NetStep> s{{-1, 0, 3, {0, 0}, {1, 0}}};
  for (int k = 1; k < count; ++k) s.push_back({k - 1, (k == 1 || k % 2 == 0) ? 1 : 2, 3, {}, {}});
  return s;
}

// Edges of the strip's triangles: the top of a triangle pointing down and
// the bottom of one pointing up.
int stripTop(int k) { return k % 2 == 1 ? 2 : -1; }
int stripBottom(int k) { return k == 0 ? 0 : (k % 2 == 0 ? 1 : -1); }

std::vector<NetStep> tetrahedron() {
  return {{-1, 0, 3, {0, 0}, {1, 0}}, {0, 0, 3, {}, {}}, {0, 1, 3, {}, {}}, {0, 2, 3, {}, {}}};
}

std::vector<NetStep> octahedron() {
  std::vector<NetStep> s = strip(6);
  s.push_back({1, stripTop(1), 3, {}, {}});
  s.push_back({4, stripBottom(4), 3, {}, {}});
  return s;
}

std::vector<NetStep> icosahedron() {
  std::vector<NetStep> s = strip(10);
  for (int k = 1; k < 10; k += 2) s.push_back({k, stripTop(k), 3, {}, {}});
  for (int k = 0; k < 10; k += 2) s.push_back({k, stripBottom(k), 3, {}, {}});
  return s;
}

std::vector<NetStep> cube() {
  std::vector<NetStep> s{{-1, 0, 4, {0, 0}, {1, 0}}};
  for (int e = 0; e < 4; ++e) s.push_back({0, e, 4, {}, {}});
  s.push_back({3, 2, 4, {}, {}});
  return s;
}

// A square with a triangle on every edge, a square on every triangle, a
// triangle on every such square and the last square on one of those: a
// pinwheel with one tail.
std::vector<NetStep> cuboctahedron() {
  std::vector<NetStep> s{{-1, 0, 4, {0, 0}, {1, 0}}};
  for (int e = 0; e < 4; ++e) s.push_back({0, e, 3, {}, {}});      // 1..4
  for (int t = 1; t <= 4; ++t) s.push_back({t, 1, 4, {}, {}});     // 5..8
  for (int q = 5; q <= 8; ++q) s.push_back({q, 2, 3, {}, {}});     // 9..12
  s.push_back({9, 2, 4, {}, {}});
  return s;
}

// Two flowers of a centre and five petals, joined petal to petal.
std::vector<NetStep> dodecahedron() {
  std::vector<NetStep> s{{-1, 0, 5, {0, 0}, {1, 0}}};
  for (int e = 0; e < 5; ++e) s.push_back({0, e, 5, {}, {}});
  s.push_back({3, 2, 5, {}, {}});   // 6: a petal of the second flower
  s.push_back({6, 3, 5, {}, {}});   // 7: its centre
  for (int e = 1; e < 5; ++e) s.push_back({7, e, 5, {}, {}});
  return s;
}

// ---- nets unfolded from the solid ---------------------------------------------

struct Placed {
  int face;
  std::vector<int> corner;  // solid vertex of each net corner
  std::vector<P> at;        // net corners in the plane
};

// The face's corners in its own plane, seen from outside, as the screen
// shows the printed side: first corner at the origin, second on the +x axis.
std::vector<P> flatFace(const Solid& s, const std::vector<int>& corners) {
  const Vec3 q0 = s.vertices[corners[0]];
  const Vec3 e1 = (s.vertices[corners[1]] - q0).unit();
  const Vec3 n = e1.cross(s.vertices[corners[2]] - q0).unit();
  const Vec3 e2 = n.cross(e1);
  std::vector<P> out;
  for (int c : corners) {
    const Vec3 d = s.vertices[c] - q0;
    out.push_back({d.dot(e1), -d.dot(e2)});
  }
  return out;
}

// The corners moved so that corners 0 and 1 land on a and b.
std::vector<P> placeOn(const std::vector<P>& flat, P a, P b) {
  const P d = unit(b - a);
  std::vector<P> out;
  for (P p : flat) out.push_back(a + P{p.x * d.x - p.y * d.y, p.x * d.y + p.y * d.x});
  return out;
}

bool overlap(const std::vector<P>& A, const std::vector<P>& B) {
  auto separated = [](const std::vector<P>& X, const std::vector<P>& Y) {
    for (std::size_t i = 0; i < X.size(); ++i) {
      const P e = X[(i + 1) % X.size()] - X[i];
      const P axis{-e.y, e.x};
      double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
      for (P p : X) {
        const double v = p.x * axis.x + p.y * axis.y;
        xmin = std::min(xmin, v), xmax = std::max(xmax, v);
      }
      for (P p : Y) {
        const double v = p.x * axis.x + p.y * axis.y;
        ymin = std::min(ymin, v), ymax = std::max(ymax, v);
      }
      const double slack = 1e-6 * len(e);
      if (xmax <= ymin + slack || ymax <= xmin + slack) return true;
    }
    return false;
  };
  return !separated(A, B) && !separated(B, A);
}

P centroid(const std::vector<P>& v) {
  P c;
  for (P p : v) c = c + p;
  return c * (1.0 / v.size());
}

// The polygon dialog's shape for a face laid on the edge from its corner k:
// its corner count, or for a golden triangle the button whose first edge is
// that edge (1 the long edge, 2 a short edge towards the 108-degree corner,
// 3 a short edge away from it).
int shapeFor(const std::vector<P>& flat, int k) {
  const int n = static_cast<int>(flat.size());
  auto edgeLen = [&](int j) { return len(flat[(j + 1) % n] - flat[j % n]); };
  const bool regular = std::fabs(edgeLen(0) - edgeLen(1)) < 1e-6 * edgeLen(0) &&
                       std::fabs(edgeLen(1) - edgeLen(2)) < 1e-6 * edgeLen(0);
  if (n != 3 || regular) return n;
  double longest = 0;
  int lj = 0;
  for (int j = 0; j < 3; ++j)
    if (edgeLen(j) > longest) longest = edgeLen(j), lj = j;
  if (k == lj) return -1;
  return k == (lj + 2) % 3 ? -3 : -2;
}

// Grows pieces of the net from the solid's first face: each step lays the
// face that keeps the piece most compact among those that fit without
// covering a face already laid; a new piece starts when nothing fits.
std::vector<NetStep> unfold(const Solid& s, double pieceGap) {
  std::map<std::pair<int, int>, int> faceOf;
  for (std::size_t f = 0; f < s.faces.size(); ++f)
    for (std::size_t j = 0; j < s.faces[f].size(); ++j)
      faceOf[{s.faces[f][j], s.faces[f][(j + 1) % s.faces[f].size()]}] = int(f);
  std::vector<bool> laid(s.faces.size(), false);
  std::vector<Placed> placed;
  std::vector<NetStep> steps;
  double nextX = 0;
  for (std::size_t start = 0; start < s.faces.size(); ++start) {
    if (laid[start]) continue;
    const std::size_t pieceFrom = placed.size();
    Placed root{int(start), s.faces[start], {}};
    root.at = placeOn(flatFace(s, root.corner), {0, 0}, {1, 0});
    placed.push_back(root);
    laid[start] = true;
    steps.push_back({-1, 0, shapeFor(flatFace(s, root.corner), 0), root.at[0], root.at[1]});
    const P centre = centroid(root.at);
    for (;;) {
      double best = std::numeric_limits<double>::max();
      NetStep bestStep;
      Placed bestFace;
      for (std::size_t p = pieceFrom; p < placed.size(); ++p) {
        const Placed& par = placed[p];
        const int n = static_cast<int>(par.corner.size());
        for (int e = 0; e < n; ++e) {
          const int a = par.corner[e], b = par.corner[(e + 1) % n];
          const int g = faceOf.at({b, a});
          if (laid[g]) continue;
          const auto& gv = s.faces[g];
          const int m = static_cast<int>(gv.size());
          const int posB = int(std::find(gv.begin(), gv.end(), b) - gv.begin());
          Placed child{g, {}, {}};
          for (int k = 0; k < m; ++k) child.corner.push_back(gv[(posB + k) % m]);
          const std::vector<P> flat = flatFace(s, child.corner);
          child.at = placeOn(flat, par.at[(e + 1) % n], par.at[e]);
          const double d = len(centroid(child.at) - centre);
          if (d >= best) continue;
          bool clash = false;
          for (std::size_t q = pieceFrom; q < placed.size() && !clash; ++q) clash = overlap(child.at, placed[q].at);
          if (clash) continue;
          best = d;
          bestFace = child;
          bestStep = {int(p), e, shapeFor(flat, 0), {}, {}};
        }
      }
      if (best == std::numeric_limits<double>::max()) break;
      laid[bestFace.face] = true;
      placed.push_back(bestFace);
      steps.push_back(bestStep);
    }
    // The piece moves right of the pieces before it.
    double minX = 1e300, maxX = -1e300;
    for (std::size_t p = pieceFrom; p < placed.size(); ++p)
      for (P q : placed[p].at) minX = std::min(minX, q.x), maxX = std::max(maxX, q.x);
    const P shift{nextX - minX, 0};
    steps[pieceFrom].a = steps[pieceFrom].a + shift;
    steps[pieceFrom].b = steps[pieceFrom].b + shift;
    for (std::size_t p = pieceFrom; p < placed.size(); ++p)
      for (P& q : placed[p].at) q = q + shift;
    nextX += maxX - minX + pieceGap;
  }
  return steps;
}

}  // namespace

std::vector<NetStep> ModelNet(int modelNumber) {
  switch (modelNumber) {
    case 2: return cuboctahedron();
    case 3: return octahedron();
    case 4: return tetrahedron();
    case 5: return icosahedron();
    case 6: return cube();
    case 7: return dodecahedron();
    default: break;
  }
  const Solid* solid = ModelSolid(modelNumber);
  if (solid == nullptr) throw std::runtime_error("no such model");
  // Steps are in units of the solid's edge; scale them to a unit edge.
  std::vector<NetStep> steps = unfold(*solid, 0.3);
  const auto& f = solid->faces[0];
  const double edge = (solid->vertices[f[1]] - solid->vertices[f[0]]).length();
  for (NetStep& st : steps) st.a = st.a * (1.0 / edge), st.b = st.b * (1.0 / edge);
  return steps;
}

std::vector<Poly> LayNet(Sample& s, const std::vector<NetStep>& net, double margin) {
  // Laid once on a scratch canvas at a known scale, straight and turned a
  // quarter, to find the way that fits the canvas largest.
  const double unitScale = 100.0;
  double best = 0, turnBy = 0;
  P offset;
  for (double deg : {0.0, 90.0}) {
    Sample scratch(s.width(), s.height());
    std::vector<Poly> trial;
    for (const NetStep& st : net)
      trial.push_back(st.parent < 0 ? scratch.polygon(st.shape, turn(st.a, deg) * unitScale, turn(st.b, deg) * unitScale)
                                    : scratch.polygonOn(trial[static_cast<std::size_t>(st.parent)], st.edge, st.shape));
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    for (const Poly& p : trial)
      for (P q : p.v) x0 = std::min(x0, q.x), y0 = std::min(y0, q.y), x1 = std::max(x1, q.x), y1 = std::max(y1, q.y);
    const double k = std::min((s.width() - 2 * margin) / (x1 - x0), (s.height() - 2 * margin) / (y1 - y0));
    if (k <= best * 1.001) continue;
    best = k;
    turnBy = deg;
    offset = {(s.width() - k * (x1 - x0)) / 2 - k * x0, (s.height() - k * (y1 - y0)) / 2 - k * y0};
  }
  std::vector<Poly> polys;
  for (const NetStep& st : net)
    polys.push_back(st.parent < 0 ? s.polygon(st.shape, offset + turn(st.a, turnBy) * (unitScale * best),
                                              offset + turn(st.b, turnBy) * (unitScale * best))
                                  : s.polygonOn(polys[static_cast<std::size_t>(st.parent)], st.edge, st.shape));
  return polys;
}

std::vector<std::vector<P>> GlueFlaps(const std::vector<Poly>& polys, int modelNumber, double depth) {
  const Solid* solid = ModelSolid(modelNumber);
  std::vector<NetPolygon> net;
  for (const Poly& p : polys) {
    NetPolygon q;
    for (P v : p.v) q.push_back({v.x, v.y});
    net.push_back(q);
  }
  const Fold fold = FoldNet(net, *solid);
  if (!fold.complete) throw std::runtime_error("the net does not fold");
  // The outer edges by the solid's edge they become.
  std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> open;
  for (std::size_t p = 0; p < polys.size(); ++p)
    for (int e = 0; e < polys[p].n(); ++e) {
      const P a = polys[p].corner(e), b = polys[p].corner(e + 1);
      bool shared = false;
      for (std::size_t q = 0; q < polys.size() && !shared; ++q)
        for (int f = 0; f < polys[q].n() && !shared; ++f)
          shared = q != p && len(polys[q].corner(f) - b) < 0.5 && len(polys[q].corner(f + 1) - a) < 0.5;
      if (shared) continue;
      const auto& c = fold.polygons[p].corners;
      const int u = c[std::size_t(e)], v = c[std::size_t((e + 1) % polys[p].n())];
      open[{std::min(u, v), std::max(u, v)}].push_back({int(p), e});
    }
  std::vector<std::vector<P>> flaps;
  // A flap's sides slope in by `slope` times its depth; narrower and
  // shallower flaps are tried where a broad one would cover something.
  auto flapOn = [&](int p, int e, double slope, double deep) {
    const P a = polys[std::size_t(p)].corner(e), b = polys[std::size_t(p)].corner(e + 1);
    const double d = std::min(deep, 0.3 * len(b - a) / slope);
    const P out = unit(turn(b - a, -90)) * d, along = unit(b - a) * (d * slope);
    return std::vector<P>{a, a + along + out, b - along + out, b};
  };
  auto clear = [&](const std::vector<P>& flap) {
    for (const Poly& q : polys)
      if (overlap(flap, q.v)) return false;
    for (const auto& f : flaps)
      if (overlap(flap, f)) return false;
    return true;
  };
  for (const auto& [edge, sides] : open) {
    const std::string fold = "the fold between corners " + std::to_string(edge.first) + " and " +
                             std::to_string(edge.second) + " of model " + std::to_string(modelNumber);
    if (sides.size() != 2) throw std::runtime_error(fold + " is not two outer edges of the net");
    bool done = false;
    for (auto [slope, deep] : {std::pair{1.0, depth}, {2.0, depth}, {2.0, depth / 2}})
      for (auto [p, e] : sides) {
        if (done) break;
        const std::vector<P> flap = flapOn(p, e, slope, deep);
        if (!clear(flap)) continue;
        flaps.push_back(flap);
        done = true;
      }
    if (!done) throw std::runtime_error("no room for a glue flap on " + fold);
  }
  return flaps;
}

int LongEdge(const Poly& p) {
  if (p.n() != 3) return -1;
  double l[3];
  for (int e = 0; e < 3; ++e) l[e] = len(p.corner(e + 1) - p.corner(e));
  if (std::fabs(l[0] - l[1]) < 0.01 * l[0] && std::fabs(l[1] - l[2]) < 0.01 * l[0]) return -1;
  return int(std::max_element(l, l + 3) - l);
}

void JoinModelSymmetry(Sample& s, int modelNumber, const std::vector<Poly>& polys) {
  for (const Poly& p : polys) {
    if (const int e = LongEdge(p); e >= 0) {
      s.join(p, e, 1);
      continue;
    }
    const int group = (modelNumber == 2 && p.n() == 4) ? 2 : 1;
    for (int e = 0; e < p.n(); ++e) s.join(p, e, group);
  }
}

}  // namespace orn::samples
