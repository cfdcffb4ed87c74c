#include "canvas/out_marks.h"

#include <algorithm>
#include <cmath>

#include "model/record_codes.h"

namespace orn {

namespace {

bool Whole(float v) { return std::isfinite(v) && std::floor(v) == v; }

// The list index of a Symmetry Item's reference shape when it names a
// Geometric record header of the list (live or taken out), else -1.
int ReferenceShape(const DrawingList& list, int itemFirst) {
  const int ref = roundEntry(list.G0[itemFirst - 2]);
  if (ref < 0 || ref >= list.NumPoints) return -1;
  const float code = list.G0[ref];
  if (code != kCodeGeometric && code != kCodeGeometric + kCodeOut) return -1;
  return ref;
}

}  // namespace

void MakeOutMarks(DrawingList& list, CanvasRect visible) {
  const float L = static_cast<float>(visible.L), R = static_cast<float>(visible.R);
  const float T = static_cast<float>(visible.T), B = static_cast<float>(visible.B);
  const int n = list.NumPoints;
  bool keepAll = false;
  int i = 0;
  while (i < n) {
    const int k = headerType(list.G0[i]);
    if (k == 91) {
      keepAll = list.G1[i] > 0;
      ++i;
      continue;
    }
    if (!Whole(list.G1[i]) || k == 92) {
      ++i;
      continue;
    }
    const int first = i + roundEntry(list.G1[i]);
    if (first - 1 <= i || first - 1 > n) {  // not a record frame: step over the entry
      ++i;
      continue;
    }
    const int last = i + roundEntry(list.G1[first - 1]);
    if (last < first - 1 || last > n) {
      ++i;
      continue;
    }
    if (k == kTypeSymmetryItem) {
      const int ref = first - 2 > i ? ReferenceShape(list, first) : -1;
      if (list.G0[i + 1] < 0) {  // the base copy of its part: it and its shape are always in
        list.G0[i] = kCodeSymmetryItem;
        if (ref >= 0) list.G0[ref] = kCodeGeometric;
      } else {
        const bool refOut = ref >= 0 && list.G0[ref] == kCodeGeometric + kCodeOut;
        list.G0[i] = refOut ? kCodeSymmetryItem + kCodeOut : kCodeSymmetryItem;
      }
      i = last + 1;
      continue;
    }
    float minX = 30000, minY = 30000, maxX = -30000, maxY = -30000;
    const int step = k == kTypePaint ? 2 : 1;
    for (int j = k == kTypePaint ? first + 1 : first; j <= last; j += step) {
      const float x = list.G0[j], y = list.G1[j];
      if (x == kDeletedPoint) continue;
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
    const bool out = (minX > R || maxX < L || minY > B || maxY < T) && !keepAll;
    list.G0[i] = static_cast<float>(kCodeHeader + k + (out ? kCodeOut : 0));
    i = last + 1;
  }
}

}  // namespace orn
