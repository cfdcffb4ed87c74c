#include "shell/polyhedron.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <queue>
#include <tuple>
#include <utility>

namespace orn {

double Vec3::length() const { return std::sqrt(dot(*this)); }
Vec3 Vec3::unit() const {
  const double l = length();
  return l > 0 ? *this * (1.0 / l) : *this;
}

namespace {

const double kPhi = (1.0 + std::sqrt(5.0)) / 2.0;

// The faces of the convex hull of `v`: every plane through three vertices
// with no vertex outside it, its vertices sorted counter-clockwise as seen
// from outside.
std::vector<std::vector<int>> hullFaces(const std::vector<Vec3>& v) {
  std::vector<std::vector<int>> faces;
  std::vector<Vec3> normals;
  const int n = static_cast<int>(v.size());
  constexpr double eps = 1e-9;
  for (int i = 0; i < n; ++i)
    for (int j = i + 1; j < n; ++j)
      for (int k = j + 1; k < n; ++k) {
        Vec3 nrm = (v[j] - v[i]).cross(v[k] - v[i]);
        if (nrm.length() < eps) continue;
        nrm = nrm.unit();
        double d = nrm.dot(v[i]);
        int above = 0, below = 0;
        for (const Vec3& p : v) {
          const double s = nrm.dot(p) - d;
          if (s > eps) ++above;
          if (s < -eps) ++below;
        }
        if (above > 0 && below > 0) continue;
        if (above > 0) {
          nrm = nrm * -1.0;
          d = -d;
        }
        bool known = false;
        for (const Vec3& m : normals) known = known || (m - nrm).length() < 1e-6;
        if (known) continue;
        normals.push_back(nrm);
        std::vector<int> face;
        Vec3 c;
        for (int p = 0; p < n; ++p)
          if (std::fabs(nrm.dot(v[p]) - d) < 1e-6) {
            face.push_back(p);
            c = c + v[p];
          }
        c = c * (1.0 / face.size());
        const Vec3 e1 = (v[face[0]] - c).unit();
        const Vec3 e2 = nrm.cross(e1);
        std::sort(face.begin(), face.end(), [&](int a, int b) {
          return std::atan2((v[a] - c).dot(e2), (v[a] - c).dot(e1)) <
                 std::atan2((v[b] - c).dot(e2), (v[b] - c).dot(e1));
        });
        faces.push_back(face);
      }
  return faces;
}

Solid convex(const char* name, std::vector<Vec3> v) {
  Solid s;
  s.name = name;
  s.vertices = std::move(v);
  s.faces = hullFaces(s.vertices);
  std::size_t sectors = 0;
  for (const auto& f : s.faces) sectors += f.size();
  s.rotations = static_cast<int>(sectors);  // faces x edges: one rotation per sector
  return s;
}

std::vector<Vec3> cyclic(const std::vector<Vec3>& base) {
  std::vector<Vec3> out;
  for (const Vec3& p : base) {
    out.push_back(p);
    out.push_back({p.y, p.z, p.x});
    out.push_back({p.z, p.x, p.y});
  }
  return out;
}

std::vector<Vec3> signs(Vec3 p) {
  std::vector<Vec3> out;
  for (int sx : {1, -1})
    for (int sy : {1, -1})
      for (int sz : {1, -1}) {
        const Vec3 q{p.x * sx, p.y * sy, p.z * sz};
        bool known = false;
        for (const Vec3& o : out) known = known || (o - q).length() < 1e-12;
        if (!known) out.push_back(q);
      }
  return out;
}

std::vector<Vec3> icosahedronVertices() { return cyclic(signs({0, 1, kPhi})); }

// The visible surface of the great dodecahedron: every face ABC of an
// icosahedron of edge 2 is dimpled into three triangles ABD, BCD, CAD whose
// common corner D lies on the face's axis, so deep that its angle in each is
// 108 degrees (legs of 1/phi times the base).
Solid greatDodecahedron() {
  const Solid ico = convex("", icosahedronVertices());
  Solid s;
  s.name = "Great Dodecahedron";
  s.vertices = ico.vertices;
  const double edge = 2.0;
  const double rho2 = edge * edge / 3.0;  // the face's circumradius, squared
  const double leg = edge / kPhi;
  const double depth = std::sqrt(leg * leg - rho2);
  for (const auto& f : ico.faces) {
    const Vec3 c = (s.vertices[f[0]] + s.vertices[f[1]] + s.vertices[f[2]]) * (1.0 / 3.0);
    const Vec3 d = c - c.unit() * depth;
    const int di = static_cast<int>(s.vertices.size());
    s.vertices.push_back(d);
    for (int k = 0; k < 3; ++k) s.faces.push_back({f[k], f[(k + 1) % 3], di});
  }
  s.rotations = 60;
  return s;
}

std::vector<Solid> makeSolids() {
  std::vector<Solid> s(kLastModel + 1);
  s[1] = greatDodecahedron();
  s[2] = convex("Cuboctahedron", [] {
    std::vector<Vec3> v;
    for (const Vec3& p : signs({1, 1, 0})) {
      v.push_back(p);
      v.push_back({p.z, p.x, p.y});
      v.push_back({p.y, p.z, p.x});
    }
    return v;
  }());
  s[2].rotations = 24;
  s[3] = convex("Octahedron", cyclic(signs({1, 0, 0})));
  s[4] = convex("Tetrahedron", {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}});
  s[5] = convex("Icosahedron", icosahedronVertices());
  s[6] = convex("Cube", signs({1, 1, 1}));
  std::vector<Vec3> dodeca = signs({1, 1, 1});
  for (const Vec3& p : cyclic(signs({0, 1 / kPhi, kPhi}))) dodeca.push_back(p);
  s[7] = convex("Dodecahedron", dodeca);
  return s;
}

// Net polygons in the plane with y pointing up, counter-clockwise: the
// printed side, seen from outside. `order[i]` is the original corner number.
struct PlanePolygon {
  std::vector<NetPoint> p;
  std::vector<int> order;
};

PlanePolygon toPlane(const NetPolygon& q) {
  PlanePolygon out;
  double area = 0;
  for (std::size_t i = 0; i < q.size(); ++i) {
    const NetPoint& a = q[i];
    const NetPoint& b = q[(i + 1) % q.size()];
    area += a.x * (-b.y) - b.x * (-a.y);
    out.p.push_back({a.x, -a.y});
    out.order.push_back(static_cast<int>(i));
  }
  if (area < 0) {
    std::reverse(out.p.begin(), out.p.end());
    std::reverse(out.order.begin(), out.order.end());
  }
  return out;
}

double dist(NetPoint a, NetPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

// A directed edge between two net corners, found again from its far end.
struct EdgeKey {
  long long ax, ay, bx, by;
  bool operator<(const EdgeKey& o) const {
    return std::tie(ax, ay, bx, by) < std::tie(o.ax, o.ay, o.bx, o.by);
  }
};

long long snap(double v, double grid) { return std::llround(v / grid); }

struct Folder {
  const Solid& solid;
  const std::vector<PlanePolygon>& poly;
  // Per polygon and edge j (corner j to j + 1): the polygon on the other side
  // and its edge there, which runs the other way; (-1, -1) for none.
  std::vector<std::vector<std::pair<int, int>>> across;
  // The face with the directed edge (a, b).
  std::map<std::pair<int, int>, int> faceOfEdge;
  std::vector<int> face, shift;  // per polygon: face and corner offset
  std::vector<int> owner;        // per face: the polygon on it, or -1

  bool shapeFits(int p, int f, int s, double& scale) const {
    const auto& fv = solid.faces[f];
    const auto& pv = poly[p].p;
    if (fv.size() != pv.size()) return false;
    const std::size_t n = pv.size();
    for (std::size_t j = 0; j < n; ++j) {
      const double net = dist(pv[j], pv[(j + 1) % n]);
      const Vec3& a = solid.vertices[fv[(s + j) % n]];
      const Vec3& b = solid.vertices[fv[(s + j + 1) % n]];
      const double ratio = net / (b - a).length();
      if (scale <= 0) scale = ratio;
      if (std::fabs(ratio - scale) > 0.01 * scale) return false;
    }
    return true;
  }

  // Places the piece that holds polygon `root` with root on face f at offset s.
  // Leaves everything as it was and returns false when it does not fit.
  bool place(int root, int f, int s, std::vector<int>& placedNow) {
    double scale = -1;
    if (owner[f] != -1 || !shapeFits(root, f, s, scale)) return false;
    std::queue<int> todo;
    auto put = [&](int p, int fc, int sh) {
      face[p] = fc;
      shift[p] = sh;
      owner[fc] = p;
      placedNow.push_back(p);
      todo.push(p);
    };
    put(root, f, s);
    while (!todo.empty()) {
      const int p = todo.front();
      todo.pop();
      const std::size_t n = poly[p].p.size();
      const auto& fv = solid.faces[face[p]];
      for (std::size_t j = 0; j < n; ++j) {
        const auto [q, jq] = across[p][j];
        if (q < 0) continue;
        const int a = fv[(shift[p] + j) % n], b = fv[(shift[p] + j + 1) % n];
        const auto it = faceOfEdge.find({b, a});
        if (it == faceOfEdge.end()) return false;
        // Polygon q runs the shared edge the other way: its corner jq is the
        // net end of edge j, which becomes the solid's corner b.
        const std::size_t m = poly[q].p.size();
        const auto& gv = solid.faces[it->second];
        if (gv.size() != m) return false;
        const int posB = int(std::find(gv.begin(), gv.end(), b) - gv.begin());
        const int mm = static_cast<int>(m);
        const int sq = ((posB - jq) % mm + mm) % mm;
        if (face[q] != -1) {
          if (face[q] != it->second || shift[q] != sq) return false;
          continue;
        }
        if (owner[it->second] != -1 || !shapeFits(q, it->second, sq, scale)) return false;
        put(q, it->second, sq);
      }
    }
    return true;
  }

  void undo(const std::vector<int>& placedNow) {
    for (int p : placedNow) {
      owner[face[p]] = -1;
      face[p] = -1;
      shift[p] = 0;
    }
  }
};

}  // namespace

const Solid* ModelSolid(int modelNumber) {
  static const std::vector<Solid> solids = makeSolids();
  if (modelNumber < kFirstModel || modelNumber > kLastModel) return nullptr;
  return &solids[static_cast<std::size_t>(modelNumber)];
}

Fold FoldNet(const std::vector<NetPolygon>& net, const Solid& solid) {
  std::vector<PlanePolygon> poly;
  double longest = 0;
  for (const NetPolygon& q : net) {
    poly.push_back(toPlane(q));
    for (std::size_t i = 0; i < q.size(); ++i) longest = std::max(longest, dist(q[i], q[(i + 1) % q.size()]));
  }
  Folder fd{solid, poly, {}, {}, std::vector<int>(poly.size(), -1), std::vector<int>(poly.size(), 0),
            std::vector<int>(solid.faces.size(), -1)};
  for (std::size_t f = 0; f < solid.faces.size(); ++f) {
    const auto& fv = solid.faces[f];
    for (std::size_t j = 0; j < fv.size(); ++j) fd.faceOfEdge[{fv[j], fv[(j + 1) % fv.size()]}] = int(f);
  }
  // Edges shared in the plane: corners within a thousandth of the longest edge.
  const double grid = std::max(longest, 1e-9) * 1e-3;
  std::map<EdgeKey, std::pair<int, int>> directed;
  for (std::size_t p = 0; p < poly.size(); ++p) {
    const auto& v = poly[p].p;
    fd.across.emplace_back(v.size(), std::pair<int, int>(-1, -1));
    for (std::size_t j = 0; j < v.size(); ++j) {
      const NetPoint a = v[j], b = v[(j + 1) % v.size()];
      directed[{snap(a.x, grid), snap(a.y, grid), snap(b.x, grid), snap(b.y, grid)}] = {int(p), int(j)};
    }
  }
  for (std::size_t p = 0; p < poly.size(); ++p) {
    const auto& v = poly[p].p;
    for (std::size_t j = 0; j < v.size(); ++j) {
      const NetPoint a = v[j], b = v[(j + 1) % v.size()];
      const auto it = directed.find({snap(b.x, grid), snap(b.y, grid), snap(a.x, grid), snap(a.y, grid)});
      if (it != directed.end() && it->second.first != int(p)) fd.across[p][j] = it->second;
    }
  }

  Fold out;
  for (std::size_t root = 0; root < poly.size(); ++root) {
    if (fd.face[root] != -1) continue;
    const int n = static_cast<int>(poly[root].p.size());
    bool done = false;
    for (std::size_t f = 0; f < solid.faces.size() && !done; ++f)
      for (int s = 0; s < n && !done; ++s) {
        std::vector<int> placedNow;
        if (fd.place(int(root), int(f), s, placedNow)) {
          done = true;
        } else {
          fd.undo(placedNow);
        }
      }
  }
  out.polygons.resize(poly.size());
  for (std::size_t p = 0; p < poly.size(); ++p) {
    if (fd.face[p] == -1) continue;
    FoldedPolygon& fp = out.polygons[p];
    fp.face = fd.face[p];
    const auto& fv = solid.faces[fd.face[p]];
    const std::size_t n = fv.size();
    fp.corners.assign(n, -1);
    for (std::size_t j = 0; j < n; ++j) fp.corners[poly[p].order[j]] = fv[(fd.shift[p] + j) % n];
    ++out.placed;
  }
  out.complete = out.placed == int(poly.size()) && out.placed == int(solid.faces.size());
  return out;
}

Vec3 LiftNetPoint(const std::vector<NetPolygon>& net, const Fold& fold, const Solid& solid, int p,
                  NetPoint q) {
  const NetPolygon& v = net[static_cast<std::size_t>(p)];
  const FoldedPolygon& fp = fold.polygons[static_cast<std::size_t>(p)];
  // Barycentric coordinates of q in the triangle of corners 0, 1, 2.
  const double x0 = v[0].x, y0 = v[0].y;
  const double ax = v[1].x - x0, ay = v[1].y - y0, bx = v[2].x - x0, by = v[2].y - y0;
  const double det = ax * by - ay * bx;
  const double s = ((q.x - x0) * by - (q.y - y0) * bx) / det;
  const double t = (ax * (q.y - y0) - ay * (q.x - x0)) / det;
  const Vec3& A = solid.vertices[static_cast<std::size_t>(fp.corners[0])];
  const Vec3& B = solid.vertices[static_cast<std::size_t>(fp.corners[1])];
  const Vec3& C = solid.vertices[static_cast<std::size_t>(fp.corners[2])];
  return A + (B - A) * s + (C - A) * t;
}

}  // namespace orn
