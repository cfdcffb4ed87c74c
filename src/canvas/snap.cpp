#include "canvas/snap.h"

#include <cmath>

#include "canvas/editor_state.h"
#include "colour/colour_codes.h"
#include "model/record_codes.h"

namespace orn {

std::vector<FindablePoint> FindablePoints(const DrawingList& list, int base) {
  std::vector<FindablePoint> out;
  if (base < 0) base = 0;
  FrameWalker walk(list, base);
  Frame f;
  while (walk.next(f)) {
    if (f.kind != FrameKind::Record || f.type < 0 || f.type >= kTypeSymmetryItem) continue;
    const bool paint = f.type == kTypePaint;
    for (int i = f.first; i <= f.last; ++i) {
      if (paint) {
        // Pairs: a colour entry, then its seed. A removed fill is skipped.
        if ((i - f.first) % 2 == 0) continue;
        if (list.G0[i - 1] < kColorEntryBase || list.G0[i] == kDeletedPoint) continue;
      } else if (list.G0[i] == kDeletedPoint) {
        continue;
      }
      out.push_back({i, paint, f.head, f.first, f.last, f.type});
    }
  }
  return out;
}

bool PicksColourHandles(int tool) {
  return tool == kToolAdjustColorHandles || tool == kToolDeleteColorHandle || tool == kToolPaint;
}

namespace {

bool within(float a, float b, float tol) { return std::fabs(double(a) - double(b)) < tol; }

}  // namespace

void FindPointIn(const DrawingList& list, int base, int tool, float x, float y, PickState& pick,
                 int& HitPair, int& SearchFrom) {
  const std::vector<FindablePoint> pts = FindablePoints(list, base);
  const bool handles = PicksColourHandles(tool);
  auto hits = [&](const FindablePoint& p) {
    return p.colourHandle == handles && within(list.G0[p.index], x, kPickTolerance) &&
           within(list.G1[p.index], y, kPickTolerance);
  };
  const bool resume = SearchFrom > 0 && SearchFrom < list.NumPoints;
  const FindablePoint* hit = nullptr;
  for (const FindablePoint& p : pts) {
    if (resume && p.index <= SearchFrom) continue;
    if (hits(p)) {
      hit = &p;
      break;
    }
  }
  if (hit == nullptr && resume) {
    for (const FindablePoint& p : pts) {
      if (p.index > SearchFrom) break;
      if (hits(p)) {
        hit = &p;
        break;
      }
    }
  }
  if (hit == nullptr) {
    pick.HitIndex = -1;
    return;
  }
  const int i = hit->index;
  pick.HitIndex = static_cast<std::int16_t>(i);
  SearchFrom = i;
  pick.HitHeader = static_cast<std::int16_t>(hit->header);
  pick.HitBegin = static_cast<std::int16_t>(hit->first);
  pick.HitEnd = static_cast<std::int16_t>(hit->last);
  pick.HitType = static_cast<std::int16_t>(hit->type);
  if (hit->type == kTypeMultiLine || hit->type == kTypePaint) {
    HitPair = (i - hit->first) % 2 != 0 ? i - 1 : i;
  }
}

int GravSearch(const DrawingList& list, int SnapSize, int tool, float x, float y, int skip,
               int skipLo, int skipHi) {
  if (SnapSize <= 0 || list.NumPoints == 0) return -1;
  std::vector<Frame> shapes;
  FrameWalker walk(list, 0);
  Frame f;
  while (walk.next(f)) {
    if (f.kind == FrameKind::Record && f.type >= 0 && f.type < kTypePaint) shapes.push_back(f);
  }
  const float reach = static_cast<float>(SnapSize);
  for (auto it = shapes.rbegin(); it != shapes.rend(); ++it) {
    // A circle or Geometric shape being drawn never attracts its own points.
    if (tool > kToolMultiLine && it->last == list.NumPoints) continue;
    for (int i = it->first; i <= it->last; ++i) {
      if (i == skip || (i >= skipLo && i <= skipHi)) continue;
      if (list.G0[i] == kDeletedPoint) continue;
      if (within(list.G0[i], x, reach) && within(list.G1[i], y, reach)) return i;
    }
  }
  return -1;
}

}  // namespace orn
