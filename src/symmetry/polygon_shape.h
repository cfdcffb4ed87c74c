#pragma once
// The polygon base shape of the Geometric tool: a walk around the polygon,
// one row per vertex, holding the length of the next edge relative to the
// first edge and the polygon's angle at that vertex in degrees. Dragging an
// edge on the canvas builds the whole polygon on it from this table.
#include <array>
#include <string>
#include <vector>

namespace orn {

struct PolyShape {
  // Row 0: column 0 is the vertex count n. Rows 1..n: column 0 the length of
  // edge k (vertex k to vertex k + 1) as a multiple of the first edge,
  // column 1 the angle at vertex k. Rows above n keep whatever they held.
  std::array<std::array<float, 2>, 36> t{};

  PolyShape();  // a square
  int count() const;  // the vertex count, rounded; 0 when the table is unusable
  bool operator==(const PolyShape& o) const { return t == o.t; }
};

constexpr int kMinPolygonEdges = 3;
constexpr int kMaxPolygonEdges = 35;  // rows of the table
constexpr int kFixedShapeCount = 8;   // codes -1 .. -8

// Fills the table with a regular polygon of n edges (3..35) or with one of the
// fixed shapes (n = -1 .. -8, n then becomes the shape's vertex count).
// Any other value changes nothing and returns false.
bool SetPolygonShape(PolyShape& shape, int& n);

// Points i and i + 1 of X, Y are the dragged edge. Appends the polygon's other
// vertices, the closing vertex (exactly point i) and the centre after them,
// sets `last` to the centre's index and stores last - base in Y[i - 1] (the
// record's Begin Data offset). A zero-length edge appends nothing and sets
// last to i + 1. Returns false, writing nothing, when the arrays lack room
// (PolygonRoomNeeded entries after i + 1) or the indexes are out of range.
bool BuildPolygonOnEdge(const PolyShape& shape, std::vector<float>& X, std::vector<float>& Y,
                        int base, int i, int& last);

// Entries the polygon writes after point i + 1.
int PolygonRoomNeeded(const PolyShape& shape);

struct PolyPoint {
  float x = 0;
  float y = 0;
};

// The polygon built on the unit edge (0, 0)-(1, 0): the record's points from
// its first point, i.e. the n + 1 vertices (the last repeats the first) and
// the centre. Only the two edge ends for an unusable table.
std::vector<PolyPoint> PolygonOnUnitEdge(const PolyShape& shape);

// The caption the Geometric tool's button shows: the vertex count after one
// blank (the sign position), and the x position that centres one- and
// two-digit counts in the button's scale (y is always 10).
struct GeoCaption {
  std::string text;
  int x = 0;
  int y = 10;
};
GeoCaption GeoShCaption(const PolyShape& shape);

}  // namespace orn
