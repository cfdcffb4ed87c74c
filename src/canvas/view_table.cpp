#include "canvas/view_table.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "canvas/out_marks.h"
#include "model/geometry.h"
#include "model/list_edit.h"
#include "model/record_codes.h"

namespace orn {

namespace {

bool Whole(float v) { return std::isfinite(v) && std::floor(v) == v; }

void MapPoint(DrawingList& list, int j, const ViewMap& m) {
  if (list.G0[j] == kDeletedPoint) return;  // a deleted point keeps its mark
  m.apply(list.G0[j], list.G1[j]);
}

// Rewrites the points of every record: the seed points of a PAINT record
// (its colour entries keep their values), every entry after "Begin Data" of
// the others. Headers, parameters, symmetry changes and Marks stay.
void MapList(DrawingList& list, const ViewMap& m) {
  const int n = list.NumPoints;
  int i = 0;
  while (i < n) {
    const int type = headerType(list.G0[i]);
    if (!Whole(list.G1[i]) || type == 91 || type == 92) {
      ++i;
      continue;
    }
    const int first = i + roundEntry(list.G1[i]);
    const int last = first - 1 > i && first - 1 <= n ? i + roundEntry(list.G1[first - 1]) : -1;
    if (last < first - 1 || last > n) {  // no frame here: step over the entry
      ++i;
      continue;
    }
    if (type == kTypePaint) {
      for (int j = first + 1; j <= last; j += 2) MapPoint(list, j, m);
    } else {
      for (int j = first; j <= last; ++j) MapPoint(list, j, m);
    }
    i = last + 1;
  }
}

}  // namespace

std::optional<ViewMap> MapOfRow(const ViewRow& row) {
  const float x0 = row[0], y0 = row[1], x1 = row[2], y1 = row[3];
  const float X0 = row[6], Y0 = row[7], X1 = row[8];
  // An edge of no length has no direction, and a target of no width would
  // collapse every point onto one.
  if ((x1 == x0 && y1 == y0) || X1 == X0) return std::nullopt;
  ViewMap m;
  const double theta = AngleOf(x1 - x0, y1 - y0);
  m.c = static_cast<float>(std::cos(theta));
  m.s = static_cast<float>(std::sin(theta));
  if (std::fabs(m.c - 1.0f) < 0.001f) m.c = 1.0f;
  if (std::fabs(m.s) < 0.001f) m.s = 0.0f;
  const float x0r = x0 * m.c + y0 * m.s, y0r = -x0 * m.s + y0 * m.c;
  const float x1r = x1 * m.c + y1 * m.s;
  if (x1r == x0r) return std::nullopt;
  m.k = (X1 - X0) / (x1r - x0r);
  if (!std::isfinite(m.k) || m.k == 0.0f) return std::nullopt;
  m.offX = X0 - x0r * m.k;
  m.offY = Y0 - y0r * m.k;
  if (!std::isfinite(m.offX) || !std::isfinite(m.offY)) return std::nullopt;
  return m;
}

bool TransformView(ViewTable& views, DrawingList& list, int index, CanvasRect visible) {
  if (index < 0 || index > kViewLastRow) return false;
  const std::optional<ViewMap> m = MapOfRow(views.rows[index]);
  if (!m) return false;
  MapList(list, *m);
  const int lastRow = std::min(views.lastRow(), kViewLastRow);
  for (int r = 1; r <= lastRow; ++r) {
    ViewRow& row = views.rows[r];
    if (row[2] == 0.0f) continue;
    for (int c = 0; c < 6; c += 2) m->apply(row[c], row[c + 1]);
  }
  MakeOutMarks(list, visible);
  return true;
}

std::optional<ViewMap> RescaleToCanvas(ViewTable& views, DrawingList& list, int oldW, int newW, int newH) {
  if (list.PackFrom > 0) PackBad(list);
  if (oldW <= 0 || newW <= 0 || newH <= 0) return std::nullopt;
  const float f = static_cast<float>(newW) / static_cast<float>(oldW);
  std::optional<ViewMap> map;
  const bool applied = ApplyPushedRow(views, list, newW, newH, [&](ViewRow& row) {
    for (int c = 0; c < 6; ++c) row[6 + c] = f * row[c];
    map = MapOfRow(row);
  });
  return applied ? map : std::nullopt;
}

}  // namespace orn
