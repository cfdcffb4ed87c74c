// The model samples as the paper models they print: every net folds onto
// its solid, every copy of the base cell lands on the solid by one of the
// solid's rotations (all of them, once each), and what a copy puts on a
// folded edge meets what the copy across that edge puts there.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

#include "shell/model_view.h"
#include "shell/polyhedron.h"
#include "tools/sample_fixture.h"
#include "tools/samples/catalogue.h"
#include "tools/samples/nets.h"

namespace orn::test {
namespace {

using Mat = std::array<std::array<double, 3>, 3>;

// A loaded model sample folded onto its solid.
struct FoldedSample {
  LoadedSample l;
  const Solid* solid = nullptr;
  std::vector<NetPolygon> net;
  Fold fold;

  explicit FoldedSample(const std::string& file) {
    EXPECT_TRUE(l.load(BuiltSample(file))) << file;
    solid = ModelSolid(ModelOfSample(file));
    net = PictureNet(l.picture);
    if (solid) fold = FoldNet(net, *solid);
  }

  // The net polygon and edge that copy k's base edge lies on; -1 for none.
  std::pair<int, int> polygonOfCopy(int k) const {
    const auto& c = l.sym.SymData[std::size_t(k)];
    for (std::size_t p = 0; p < net.size(); ++p)
      for (std::size_t e = 0; e < net[p].size(); ++e) {
        const NetPoint a = net[p][e], b = net[p][(e + 1) % net[p].size()];
        if (std::hypot(a.x - c[kP0x], a.y - c[kP0y]) < 0.01 && std::hypot(b.x - c[kP1x], b.y - c[kP1y]) < 0.01)
          return {int(p), int(e)};
      }
    return {-1, -1};
  }

  // Where a point of the base cell goes on the folded solid through copy k.
  Vec3 onSolid(int k, double x, double y) {
    UV uv;
    EXPECT_TRUE(PointToUV(l.sym, l.sym.BaseCopy, x, y, uv));
    double cx = 0, cy = 0;
    EXPECT_TRUE(UVToCopy(l.sym, k, uv, cx, cy));
    return LiftNetPoint(net, fold, *solid, polygonOfCopy(k).first, {cx, cy});
  }
};

// The linear map R with R * from[i] = to[i].
Mat Solve(const std::array<Vec3, 3>& from, const std::array<Vec3, 3>& to) {
  // Columns of from's inverse, through the rows' cross products.
  const Vec3 r0 = from[1].cross(from[2]), r1 = from[2].cross(from[0]), r2 = from[0].cross(from[1]);
  const double det = from[0].dot(r0);
  Mat R{};
  for (int i = 0; i < 3; ++i) {
    auto c = [i](const Vec3& v) { return i == 0 ? v.x : i == 1 ? v.y : v.z; };
    // Row i of R is sum over m of to[m]_i * (row m of the inverse).
    const Vec3 row = (r0 * c(to[0]) + r1 * c(to[1]) + r2 * c(to[2])) * (1.0 / det);
    R[i] = {row.x, row.y, row.z};
  }
  return R;
}

Vec3 Apply(const Mat& R, const Vec3& v) {
  return {R[0][0] * v.x + R[0][1] * v.y + R[0][2] * v.z, R[1][0] * v.x + R[1][1] * v.y + R[1][2] * v.z,
          R[2][0] * v.x + R[2][1] * v.y + R[2][2] * v.z};
}

std::vector<std::string> ModelFiles() {
  std::vector<std::string> out;
  for (const auto& s : samples::Models()) out.push_back(s.file);
  return out;
}

TEST(ModelNets, EveryNetFoldsOntoItsSolidCoveringEachFaceOnce) {
  for (const std::string& f : ModelFiles()) {
    FoldedSample m(f);
    ASSERT_NE(m.solid, nullptr) << f;
    EXPECT_EQ(m.net.size(), m.solid->faces.size()) << f;
    EXPECT_TRUE(m.fold.complete) << f << ": " << m.fold.placed << " polygons placed";
  }
}

TEST(ModelNets, EveryCopyIsOneRotationOfTheSolidAndEachPartHasThemAll) {
  for (const std::string& f : ModelFiles()) {
    FoldedSample m(f);
    ASSERT_TRUE(m.fold.complete) << f;
    for (int part = 1; part <= 2; ++part) {
      ASSERT_TRUE(m.l.select(part));
      if (m.l.sym.LastCopy == m.l.sym.BaseCopy) continue;  // no such part
      const auto& b = m.l.sym.SymData[std::size_t(m.l.sym.BaseCopy)];
      // Three points of the base cell, between its corners and its apex.
      const double mx = (b[kP0x] + b[kP1x]) / 2, my = (b[kP0y] + b[kP1y]) / 2;
      std::array<std::pair<double, double>, 3> q{};
      q[0] = {b[kP0x] * 0.7 + mx * 0.3, b[kP0y] * 0.7 + my * 0.3};
      q[1] = {b[kP1x] * 0.7 + mx * 0.3, b[kP1y] * 0.7 + my * 0.3};
      q[2] = {mx + (b[kP2x] - mx) * 0.02, my + (b[kP2y] - my) * 0.02};
      std::array<Vec3, 3> from;
      for (int i = 0; i < 3; ++i) from[i] = m.onSolid(m.l.sym.BaseCopy, q[i].first, q[i].second);
      std::vector<Mat> seen;
      for (int k = m.l.sym.BaseCopy; k <= m.l.sym.LastCopy; ++k) {
        ASSERT_GE(m.polygonOfCopy(k).first, 0) << f << ": copy " << k << " lies on no face";
        std::array<Vec3, 3> to;
        for (int i = 0; i < 3; ++i) to[i] = m.onSolid(k, q[i].first, q[i].second);
        const Mat R = Solve(from, to);
        // A rotation: orthonormal columns, turning right-handed, taking
        // every corner of the solid onto a corner.
        for (int i = 0; i < 3; ++i)
          for (int j = 0; j < 3; ++j) {
            const double d = R[0][i] * R[0][j] + R[1][i] * R[1][j] + R[2][i] * R[2][j];
            EXPECT_NEAR(d, i == j ? 1.0 : 0.0, 2e-3) << f << ": copy " << k;
          }
        const Vec3 c0{R[0][0], R[1][0], R[2][0]}, c1{R[0][1], R[1][1], R[2][1]}, c2{R[0][2], R[1][2], R[2][2]};
        EXPECT_NEAR(c0.cross(c1).dot(c2), 1.0, 5e-3) << f << ": copy " << k << " is mirrored";
        for (const Vec3& v : m.solid->vertices) {
          double nearest = 1e9;
          for (const Vec3& w : m.solid->vertices) nearest = std::min(nearest, (Apply(R, v) - w).length());
          EXPECT_LT(nearest, 5e-3) << f << ": copy " << k;
        }
        for (const Mat& o : seen) {
          double diff = 0;
          for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) diff += std::fabs(o[i][j] - R[i][j]);
          EXPECT_GT(diff, 0.1) << f << ": copy " << k << " repeats another copy";
        }
        seen.push_back(R);
      }
      EXPECT_EQ(int(seen.size()), m.solid->rotations) << f << " part " << part;
    }
  }
}

TEST(ModelNets, APointOnAFoldedEdgeMeetsItselfFromBothFaces) {
  const double at[] = {0.1, 0.35, 0.5};
  for (const std::string& f : ModelFiles()) {
    FoldedSample m(f);
    ASSERT_TRUE(m.fold.complete) << f;
    // Per copy of every part: the solid's edge its base edge lands on, and
    // where the points at the fractions `at` of its part's base edge land.
    struct Landing {
      int from, to;
      std::array<Vec3, 3> p;
    };
    std::vector<Landing> copies;
    for (int part = 1; part <= 2; ++part) {
      ASSERT_TRUE(m.l.select(part));
      if (m.l.sym.LastCopy == m.l.sym.BaseCopy) continue;
      const auto& b = m.l.sym.SymData[std::size_t(m.l.sym.BaseCopy)];
      for (int k = m.l.sym.BaseCopy; k <= m.l.sym.LastCopy; ++k) {
        const auto [p, e] = m.polygonOfCopy(k);
        ASSERT_GE(p, 0) << f;
        const auto& corners = m.fold.polygons[std::size_t(p)].corners;
        Landing l{corners[std::size_t(e)], corners[(std::size_t(e) + 1) % corners.size()], {}};
        for (int i = 0; i < 3; ++i)
          l.p[i] = m.onSolid(k, b[kP0x] + at[i] * (b[kP1x] - b[kP0x]), b[kP0y] + at[i] * (b[kP1y] - b[kP0y]));
        copies.push_back(l);
      }
    }
    // The copies on either face of a folded edge run it in opposite
    // directions, so the point at u of one meets the point at 1 - u of the
    // other: the fractions 0.1 and 0.35 land where the other's 0.9 and 0.65
    // do, checked through the midpoint and the edge's ends.
    for (const Landing& a : copies) {
      int partners = 0;
      for (const Landing& b : copies) {
        if (a.from != b.to || a.to != b.from) continue;
        ++partners;
        EXPECT_LT((a.p[2] - b.p[2]).length(), 2e-3) << f << ": the edge's middle";
        for (int i = 0; i < 2; ++i) {
          const Vec3 mirrored = b.p[2] * 2.0 - b.p[i];  // the point at 1 - u on b's side
          EXPECT_LT((a.p[i] - mirrored).length(), 2e-3) << f << " at " << at[i];
        }
      }
      EXPECT_EQ(partners, 1) << f << ": each folded edge has a copy on either side";
    }
  }
}

// The construction drawings carry glue flaps for folding the paper model:
// a flap on one side of every fold the net leaves open, drawn once (in no
// part), standing on an outer edge of the net.
TEST(ModelNets, EveryOpenFoldHasAGlueFlapOnAnOuterEdge) {
  for (const auto& spec : samples::Models()) {
    if (spec.file.find("D.PNT") == std::string::npos) continue;
    FoldedSample m(spec.file);
    int flaps = 0;
    std::vector<std::pair<NetPoint, NetPoint>> standing;  // the edge each flap stands on
    m.l.forEachRecordInPart([&](const Frame& f, int part) {
      if (f.type != kTypePolyLine || part != 0) return;
      ++flaps;
      ASSERT_EQ(f.last - f.first, 3) << spec.file;
      const NetPoint a{m.l.list.G0[f.first], m.l.list.G1[f.first]}, b{m.l.list.G0[f.last], m.l.list.G1[f.last]};
      standing.push_back({a, b});
      int onEdge = 0;
      for (const NetPolygon& p : m.net)
        for (std::size_t e = 0; e < p.size(); ++e) {
          const NetPoint u = p[e], v = p[(e + 1) % p.size()];
          onEdge += std::hypot(u.x - a.x, u.y - a.y) < 0.01 && std::hypot(v.x - b.x, v.y - b.y) < 0.01;
        }
      EXPECT_EQ(onEdge, 1) << spec.file << ": a flap that stands on no edge of the net";
    });
    // The glued pairs, counted from the net itself: its outer edges (those
    // no other polygon of the net shares in the plane) by the edge of the
    // solid they fold onto. Each pair takes one flap, standing on one of its
    // two edges.
    std::map<std::pair<int, int>, std::vector<std::pair<NetPoint, NetPoint>>> pairs;
    for (std::size_t p = 0; p < m.net.size(); ++p)
      for (std::size_t e = 0; e < m.net[p].size(); ++e) {
        const NetPoint a = m.net[p][e], b = m.net[p][(e + 1) % m.net[p].size()];
        bool inner = false;
        for (std::size_t q = 0; q < m.net.size(); ++q)
          for (std::size_t g = 0; g < m.net[q].size() && q != p; ++g) {
            const NetPoint c = m.net[q][g], d = m.net[q][(g + 1) % m.net[q].size()];
            inner = inner || (std::hypot(c.x - b.x, c.y - b.y) < 0.5 && std::hypot(d.x - a.x, d.y - a.y) < 0.5);
          }
        if (inner) continue;
        const auto& corners = m.fold.polygons[p].corners;
        const int u = corners[e], v = corners[(e + 1) % corners.size()];
        pairs[{std::min(u, v), std::max(u, v)}].push_back({a, b});
      }
    ASSERT_FALSE(pairs.empty()) << spec.file;
    for (const auto& [edge, sides] : pairs) {
      EXPECT_EQ(sides.size(), 2u) << spec.file << ": an outer edge with no partner to glue to";
      int flapped = 0;
      for (const auto& [a, b] : sides)
        for (const auto& [fa, fb] : standing)
          flapped += std::hypot(fa.x - a.x, fa.y - a.y) < 0.01 && std::hypot(fb.x - b.x, fb.y - b.y) < 0.01;
      EXPECT_EQ(flapped, 1) << spec.file << ": the fold between corners " << edge.first << " and " << edge.second
                            << " has " << flapped << " flaps";
    }
    EXPECT_EQ(flaps, int(pairs.size())) << spec.file;
  }
}

// The flap builder places a flap on every fold it is given or says which
// fold it could not: six loose squares of a cube, 1 pixel apart, leave too
// little room for all twelve.
TEST(ModelNets, TheFlapBuilderReportsAFoldWithNoRoomForAFlap) {
  for (double gap : {60.0, 1.0}) {
    samples::Sample s(960, 640);
    std::vector<samples::Poly> squares;
    for (int k = 0; k < 6; ++k) {
      const samples::P a{100 + (k % 3) * (100 + gap), 300 + (k / 3) * (100 + gap)};
      squares.push_back(s.polygon(4, a, a + samples::P{100, 0}));
    }
    if (gap > 10) {
      EXPECT_EQ(samples::GlueFlaps(squares, 6, 18).size(), 12u);
    } else {
      EXPECT_THROW(samples::GlueFlaps(squares, 6, 18), std::runtime_error);
    }
  }
}

}  // namespace
}  // namespace orn::test
