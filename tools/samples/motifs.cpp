#include "tools/samples/motifs.h"

#include <cmath>

namespace orn::samples {

Sector SectorOf(const Poly& poly, int e) {
  Sector s;
  s.centre = poly.centre;
  s.n = poly.n();
  const P m = poly.mid(e);
  s.apothem = len(m - poly.centre);
  s.towardsEdge = angleOf(m - poly.centre);
  double d = angleOf(poly.corner(e + 1) - poly.centre) - s.towardsEdge;
  while (d > 180) d -= 360;
  while (d < -180) d += 360;
  s.sense = d > 0 ? 1 : -1;
  return s;
}

P Sector::edge(double t) const {
  const double h = halfAngle();
  const double r = 1.0 / std::cos(rad(h));
  return lerp(at(r, -h), at(r, h), t);
}

std::vector<P> Sector::at(const std::vector<P>& ra) const {
  std::vector<P> out;
  for (P p : ra) out.push_back(at(p.x, p.y));
  return out;
}

Frame EdgeFrame(const Poly& poly, int e) {
  const P a = poly.corner(e), b = poly.corner(e + 1);
  return {a, b - a, turn(b - a, 90)};
}

std::vector<P> ArcPoints(P c, double r, double a0, double a1) {
  return {polar(c, r, a0), polar(c, r, a1), polar(c, r, (a0 + a1) / 2)};
}

std::vector<P> ArcBetween(P c, double r, P p0, P p1) {
  const double a0 = angleOf(p0 - c);
  double a1 = angleOf(p1 - c);
  while (a1 - a0 > 180) a1 -= 360;
  while (a0 - a1 > 180) a1 += 360;
  return ArcPoints(c, r, a0, a1);
}

std::vector<P> ArcRun(P c, double r, double a0, double a1, int count) {
  std::vector<P> out;
  for (int k = 0; k <= count; ++k) out.push_back(polar(c, r, a0 + (a1 - a0) * k / count));
  return out;
}

std::vector<P> Star(P c, double r1, double r2, int points, double deg) {
  std::vector<P> out;
  for (int k = 0; k < points; ++k) {
    out.push_back(polar(c, r1, deg + 360.0 * k / points));
    if (r2 > 0) out.push_back(polar(c, r2, deg + 360.0 * (k + 0.5) / points));
  }
  out.push_back(out.front());
  return out;
}

std::vector<P> Leaf(P base, P tip, double width, double bulge) {
  const P d = tip - base;
  const P across = unit(turn(d, 90)) * (width / 2);
  return {base, lerp(base, tip, bulge) + across, tip, lerp(base, tip, bulge) - across, base};
}

std::vector<P> Reversed(std::vector<P> pts) { return {pts.rbegin(), pts.rend()}; }

std::vector<P> Join(std::initializer_list<std::vector<P>> runs) {
  std::vector<P> out;
  for (const auto& r : runs) out.insert(out.end(), r.begin(), r.end());
  return out;
}

std::vector<P> Closed(std::vector<P> pts) {
  pts.push_back(pts.front());
  return pts;
}

SquareGrid LaySquares(Sample& s, P origin, double side, int cols, int rows) {
  SquareGrid g;
  g.cell.resize(static_cast<std::size_t>(cols));
  for (int i = 0; i < cols; ++i)
    for (int j = 0; j < rows; ++j) {
      const P a = origin + P{i * side, (j + 1) * side};
      g.cell[static_cast<std::size_t>(i)].push_back(s.polygon(4, a, a + P{side, 0}));
    }
  return g;
}

std::vector<std::vector<Poly>> LayHexagons(Sample& s, P firstCentre, double side, int cols, int rows) {
  std::vector<std::vector<Poly>> g(static_cast<std::size_t>(cols));
  const double h = std::sqrt(3.0) / 2 * side;
  for (int c = 0; c < cols; ++c)
    for (int r = 0; r < rows; ++r) {
      const P centre = firstCentre + P{1.5 * side * c, 2 * h * r + (c % 2 ? h : 0)};
      g[static_cast<std::size_t>(c)].push_back(
          s.polygon(6, centre + P{-side / 2, h}, centre + P{side / 2, h}));
    }
  return g;
}

TriangleGrid LayTriangles(Sample& s, P origin, double side, int perRow, int rows) {
  TriangleGrid g;
  const double h = std::sqrt(3.0) / 2 * side;
  for (int r = 0; r < rows; ++r) {
    std::vector<Poly> row;
    const double x0 = origin.x - (r % 2) * side / 2;
    const double top = origin.y + r * h, bottom = top + h;
    for (int k = 0; k < perRow; ++k) {
      const double x = x0 + k * side / 2;
      if (k % 2 == 0) {
        row.push_back(s.polygon(3, {x, bottom}, {x + side, bottom}));
      } else {
        row.push_back(s.polygon(3, {x + side, top}, {x, top}));
      }
    }
    g.cell.push_back(row);
  }
  return g;
}

}  // namespace orn::samples
