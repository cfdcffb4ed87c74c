#pragma once
// The nets of the model samples, laid with the polygon tool as a user lays
// them: the first polygon of each piece on an edge, every further one on an
// edge of a polygon already laid.
#include <vector>

#include "tools/samples/sample.h"

namespace orn::samples {

// One polygon of a net: laid with `shape` (a corner count, or a golden
// triangle -1..-3) on edge `edge` of polygon `parent`, or, for the first
// polygon of a piece (parent -1), on the edge from `a` to `b` of the net's
// own unscaled plane.
struct NetStep {
  int parent = -1;
  int edge = 0;
  int shape = 0;
  P a, b;
};

// The net of model 1..7, in pieces, ready to be laid in a box.
std::vector<NetStep> ModelNet(int modelNumber);

// Lays the net in the sample's canvas, as large as fits inside `margin`
// pixels from its edges, centred. Returns the polygons in step order.
std::vector<Poly> LayNet(Sample& s, const std::vector<NetStep>& net, double margin);

// The glue flaps of a laid net, `depth` pixels deep: for every fold that the
// net leaves open (two of its outer edges that meet on the solid) a flap on
// one of the two edges, outside the net, where it covers no face and no
// other flap. Each flap is the run of points from the edge's first corner
// round to its second. Throws when a fold has no room for a flap on either
// of its edges, naming the fold.
std::vector<std::vector<P>> GlueFlaps(const std::vector<Poly>& polys, int modelNumber, double depth);

// The symmetry of a model: every face a copy of the first face of its kind.
// The sectors of the regular faces join (triangles of the cuboctahedron in
// part 1, its squares in part 2); of the golden triangles only the sector on
// the long edge joins, so that the whole triangle is the cell.
void JoinModelSymmetry(Sample& s, int modelNumber, const std::vector<Poly>& polys);

// The edge of a polygon that the golden triangle's sector sits on: its
// long edge. -1 for a regular polygon.
int LongEdge(const Poly& p);

}  // namespace orn::samples
