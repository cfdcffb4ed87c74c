#pragma once
// Point finding and snapping: which stored point lies under the mouse.
//
// Only points count: the points of shape records and the seeds of fills.
// Parameter slots, "Begin Data" entries, colour entries, deleted points and
// the points of the Symmetry Item records are never found, and neither is
// anything before the first record the search is given.
#include <vector>

#include "model/drawing_list.h"
#include "model/list_edit.h"

namespace orn {

// Half side of the square within which a press picks a point.
constexpr float kPickTolerance = 3.0f;

// One point a press or a snap may land on.
struct FindablePoint {
  int index = 0;
  bool colourHandle = false;  // the seed of a fill
  int header = 0;
  int first = 0;
  int last = 0;
  int type = 0;
};

// Every findable point from the record boundary `base` on, in list order.
std::vector<FindablePoint> FindablePoints(const DrawingList& list, int base);

// True for the tools that pick fill seeds (the paint tool, Adjust and
// Delete Color Handle); every other tool picks the points of shapes.
bool PicksColourHandles(int tool);

// The pick search of the editing tools: the point within 3 units of (x, y)
// (strictly, in x and in y) that the tool may pick, searched onward from the
// last hit (SearchFrom) and wrapping to `base`, so that repeated presses at
// one place cycle through the points there. A hit fills the pick's Hit
// fields, HitPair (for a Multi Line or PAINT record the first entry of the
// pair) and SearchFrom; a miss sets HitIndex to -1 and leaves the rest.
void FindPointIn(const DrawingList& list, int base, int tool, float x, float y, PickState& pick,
                 int& HitPair, int& SearchFrom);

// The snap search: the point of a shape record (not a fill, not a symmetry
// item) within SnapSize of (x, y), strictly in x and in y, searching the
// records from the newest back and each record from its first point. Entry
// `skip`, the entries skipLo..skipHi and, when the tool draws circles or
// Geometric shapes (tool > 2), the open record being drawn are left out.
// Returns the index, or -1 (always -1 when SnapSize is 0).
int GravSearch(const DrawingList& list, int SnapSize, int tool, float x, float y, int skip,
               int skipLo = -1, int skipHi = -1);

}  // namespace orn
