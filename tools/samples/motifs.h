#pragma once
// Small shapes the samples are drawn from, as point lists for the drawing
// records, and the frames of the cells they are drawn in.
#include <vector>

#include "tools/samples/sample.h"

namespace orn::samples {

// The sector of `poly` at edge e in polar terms, with the polygon's apothem
// as unit: at(r, a) lies r apothems from the centre, a degrees from the
// direction of the edge's middle towards the edge's second corner. The
// sector spans a = -180/n .. 180/n, its edge lies at r cos(a) = 1.
struct Sector {
  P centre;
  double apothem = 1;
  double towardsEdge = 0;  // screen direction of the edge's middle
  double sense = 1;        // +1 when the second corner lies counter-clockwise
  int n = 3;
  P at(double r, double a) const { return polar(centre, r * apothem, towardsEdge + sense * a); }
  double halfAngle() const { return 180.0 / n; }
  // The point of the edge at fraction t from its first corner (0) to its second (1).
  P edge(double t) const;
  // Points given as (r, a) pairs.
  std::vector<P> at(const std::vector<P>& ra) const;
};
Sector SectorOf(const Poly& poly, int e);

// The frame of a whole polygon laid on an edge: origin at the edge's first
// corner, u along the edge to its second corner (u = 1 there), v the same
// length across towards the polygon's inside.
Frame EdgeFrame(const Poly& poly, int e);

// A circular arc as the three points of an Arc record: from angle a0 to a1
// (degrees, screen directions) through the middle angle.
std::vector<P> ArcPoints(P c, double r, double a0, double a1);
// The arc of radius r round c from the direction of p0 to the direction of
// p1, the shorter way, as the three points of an Arc record.
std::vector<P> ArcBetween(P c, double r, P p0, P p1);
// Points on a circular arc, for polylines and splines: count + 1 points.
std::vector<P> ArcRun(P c, double r, double a0, double a1, int count);
// A closed regular star or polygon: `points` tips at radius r1 and, between
// them, corners at r2 (r2 = 0: a plain polygon of the tips); first tip at
// direction `deg`. The first point is repeated at the end.
std::vector<P> Star(P c, double r1, double r2, int points, double deg);
// The closed outline of a leaf or petal from `base` to `tip`, `width` wide at
// its widest, as spline points (base repeated at the end).
std::vector<P> Leaf(P base, P tip, double width, double bulge = 0.45);
// The centroid of a triangle: a safe seed for a fill of it.
inline P Mid(P a, P b, P c) { return (a + b + c) * (1.0 / 3.0); }
// `pts` in reverse order.
std::vector<P> Reversed(std::vector<P> pts);
// Concatenation of point runs.
std::vector<P> Join(std::initializer_list<std::vector<P>> runs);
// A closed version of the run (first point repeated at the end).
std::vector<P> Closed(std::vector<P> pts);

// Lattices of polygons covering a box (with a rim of cells beyond it so
// that no part of the box is left uncovered).
struct SquareGrid {
  std::vector<std::vector<Poly>> cell;  // [column][row]
};
// Squares of `side` with a corner at `origin`, cols x rows of them.
SquareGrid LaySquares(Sample& s, P origin, double side, int cols, int rows);

// Regular hexagons with horizontal top and bottom edges, edge `side`; column
// c is shifted down by half a hexagon when odd. cols x rows of them, the
// first centred at `firstCentre`.
std::vector<std::vector<Poly>> LayHexagons(Sample& s, P firstCentre, double side, int cols, int rows);

// Equilateral triangles with horizontal edges, edge `side`: row r holds
// `perRow` triangles alternately pointing up and down, starting with one
// pointing up whose base starts at origin + (0, r * height) ... rows go down.
struct TriangleGrid {
  std::vector<std::vector<Poly>> cell;  // [row][k]; even k point up
};
TriangleGrid LayTriangles(Sample& s, P origin, double side, int perRow, int rows);

}  // namespace orn::samples
