#pragma once
// Spline records drawn as a smooth curve through their points, through the
// line replication so that the curve appears in every copy.
#include "canvas/canvas_drawing.h"
#include "canvas/spline_solve.h"
#include "model/drawing_list.h"

namespace orn {

// Count value that draws every interval of a record.
constexpr int kWholeSpline = 31000;
// Segments one interval is cut into at most.
constexpr int kMaxSplinePieces = 32767;

// Draws the curve through the points First..Last of the list. Count is the
// number of points, counted back from the end of the record, whose intervals
// are drawn (the last Count - 1 intervals). A negative Count draws the same
// intervals, the first of them in black with the copy pen and the others in
// Colour with the XOR pen (the canvas is left in XOR). Repeated points at the
// end are dropped; a record of two points is one straight segment. The list
// is only read.
void SplineDraw(CanvasDrawing& d, const DrawingList& list, int First, int Last, Rgb Colour, int Count);

// The solved curve of a record's points: the clicked points 1..k, an extra
// end point k + 1 mirrored through the last one, their chord parameters and
// the coefficients of both coordinates.
struct SplineCurve {
  int n = 0;  // points including the extra end point
  std::vector<float> x, y, t;
  SplineColumn cx, cy;
};

// Solves the curve through `k` >= 3 points given in x[1..k], y[1..k].
SplineCurve SolveSplineCurve(const std::vector<float>& x, const std::vector<float>& y, int k);

}  // namespace orn
