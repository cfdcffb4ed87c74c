#pragma once
// Marking the records that lie wholly outside the canvas. After every change
// of view each shape record outside the visible rectangle gets its header
// code + 100 ("OUT"), and a record back in view its plain code again; the
// full redraw leaves OUT records out. Symmetry Item records follow the
// reference shape they belong to.
#include "canvas/view_table.h"
#include "model/drawing_list.h"

namespace orn {

// Rewrites header codes in G0 and nothing else. A symmetry change with a
// positive value keeps every later record in, one of 0 or less turns marking
// on again. The base copy's Symmetry Item keeps its reference Geometric shape
// in even when that lies outside. A PAINT record is judged by its seed points
// alone; deleted points (-7777) take no part. A record touching the edge of
// the canvas stays in.
void MakeOutMarks(DrawingList& list, CanvasRect visible);

}  // namespace orn
