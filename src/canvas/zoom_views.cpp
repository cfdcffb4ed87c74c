#include "canvas/zoom_views.h"

#include <algorithm>
#include <cmath>

#include "model/geometry.h"
#include "model/record_codes.h"

namespace orn {

namespace {

constexpr int kMoveBar = 0;
constexpr int kRotateBar = 1;
constexpr int kScaleBar = 2;

// The row's canvas centre: midway between its first and third canvas corner.
void rowCentre(const ViewRow& row, float& cx, float& cy) {
  cx = (row[6] + row[10]) / 2.0f;
  cy = (row[7] + row[11]) / 2.0f;
}

}  // namespace

bool ApplyBoxView(ViewTable& v, DrawingList& list, const ZoomBoxState& box, int w, int h) {
  return ApplyPushedRow(v, list, w, h, [&](ViewRow& row) {
    for (std::size_t k = 0; k < 3; ++k) {
      row[2 * k] = box.BoxPts[k].x;
      row[2 * k + 1] = box.BoxPts[k].y;
    }
  });
}

bool NudgeView(ViewTable& v, DrawingList& list, int value, int w, int h) {
  if (value == 0) return false;
  return ApplyPushedRow(v, list, w, h, [&](ViewRow& row) {
    for (int c = 0; c < 6; c += 2) row[c] += static_cast<float>(value);
  });
}

bool FineTuneView(ViewTable& v, DrawingList& list, int bar, int value, int w, int h) {
  if (value == 0 || bar < kMoveBar || bar > kScaleBar) return false;
  const float d = static_cast<float>(value) / 4.0f;
  return ApplyPushedRow(v, list, w, h, [&](ViewRow& row) {
    float cx = 0.0f, cy = 0.0f;
    rowCentre(row, cx, cy);
    if (bar == kMoveBar) {
      for (int c = 1; c < 6; c += 2) row[c] += d;
    } else if (bar == kRotateBar) {
      const double a = DegToRad(d);
      const double ca = std::cos(a), sa = std::sin(a);
      for (int k = 0; k < 3; ++k) {
        const double X = row[6 + 2 * k] - cx, Y = row[7 + 2 * k] - cy;
        row[2 * k] = static_cast<float>(X * ca + Y * sa + cx);
        row[2 * k + 1] = static_cast<float>(-X * sa + Y * ca + cy);
      }
    } else {
      const float f = (100.0f + d) / 100.0f;
      for (int k = 0; k < 3; ++k) {
        row[6 + 2 * k] = f * row[6 + 2 * k] + (cx - f * cx);
        row[7 + 2 * k] = f * row[7 + 2 * k] + (cy - f * cy);
      }
    }
  });
}

bool StepBackView(ViewTable& v, DrawingList& list, int w, int h) {
  if (v.ViewDepth < 1) return false;
  const bool applied = TransformView(v, list, v.lastRow(), CanvasRect{0, w, 0, h});
  v.ViewDepth -= 1;
  return applied;
}

namespace {

// How far a view change and its way back may leave a value from where it
// was: a few steps of a float at the size of a zoomed-in coordinate, scaled
// back; far below a pixel.
constexpr float kRoundTripSlack = 0.01f;

void snapBack(float& now, float was) {
  if (std::fabs(now - was) <= kRoundTripSlack) now = was;
}

}  // namespace

PushedView RememberPushedView(const ViewTable& v, const DrawingList& list) {
  PushedView p;
  p.row = v.lastRow();
  const auto end = list.G0.begin() + (list.NumPoints + 1);
  p.g0.assign(list.G0.begin(), end);
  p.g1.assign(list.G1.begin(), list.G1.begin() + (list.NumPoints + 1));
  p.rows = v.rows;
  return p;
}

void RestorePushedView(const PushedView& was, ViewTable& v, DrawingList& list) {
  const int n = std::min(int(was.g0.size()) - 1, int(list.NumPoints));
  for (int i = 0; i <= n; ++i) {
    snapBack(list.G0[std::size_t(i)], was.g0[std::size_t(i)]);
    snapBack(list.G1[std::size_t(i)], was.g1[std::size_t(i)]);
  }
  const int last = std::min(v.lastRow(), kViewLastRow);
  for (int r = 1; r <= last; ++r)
    for (int c = 0; c < kViewColumns; ++c) snapBack(v.rows[std::size_t(r)][std::size_t(c)], was.rows[std::size_t(r)][std::size_t(c)]);
}

void StoreRestoreView(ViewTable& v, int w, int h) {
  SaveScale(v, w, h);
  v.rows[kRestoreRow] = v.rows[v.lastRow()];
  v.ViewDepth -= 1;
}

int ZoomRow(int index, int CurPart) {
  if (index != 0) return index;
  return kPartRowBase + (CurPart != 0 ? CurPart : 1);
}

bool ZoomRowUsable(const ViewTable& v, int row) {
  if (row < 1 || row > kViewLastRow) return false;
  const ViewRow& r = v.rows[row];
  const bool hasEdge = r[2] != r[0] || r[3] != r[1];
  return !v.rowEmpty(row) && hasEdge && r[8] != r[6] && RowCanvasWidth(v, row) >= 1 &&
         RowCanvasHeight(v, row) >= 1;
}

int RowCanvasWidth(const ViewTable& v, int row) {
  const float c = v.rows[row][10] + 1.0f;
  return std::isfinite(c) && c < 1.0e5f ? toPixel(c) : 0;
}

int RowCanvasHeight(const ViewTable& v, int row) {
  const float c = v.rows[row][11] + 1.0f;
  return std::isfinite(c) && c < 1.0e5f ? toPixel(c) : 0;
}

bool PushForZoom(ViewTable& v, int w, int h) {
  if (v.lastRow() < kZoomHistoryLimit) {
    SaveScale(v, w, h);
    return true;
  }
  v.ViewDepth = 0;
  return false;
}

void ArrangeParts(ViewTable& v, EditorState& ed, int pages, int w, int h) {
  pages = std::clamp(pages, 1, kMaxPageViews);
  for (int r = 1; r <= kMaxPageViews; ++r) v.rows[r] = ViewRow{};
  v.ViewDepth = 0;
  ed.ProjPages = pages;
  v.at(0, 0) = static_cast<float>(pages);
  const float W1 = static_cast<float>(w - 1);
  const float H = static_cast<float>(h);
  for (int i = 1; i <= pages; ++i) {
    const float top = static_cast<float>((i - 1) * h);
    const float bottom = static_cast<float>(i * h - 1);
    v.rows[i] = ViewRow{0, top, W1, top, W1, bottom, 0, 0, W1, 0, W1, H - 1};
  }
  if (pages >= 2) {
    const float tall = static_cast<float>(pages * h - 1);
    const float f = (H - 1) / tall;
    v.rows[kProjectRowView] = ViewRow{0, 0, W1, 0, W1, tall, 0, 0, f * W1, 0, f * W1, f * tall};
  } else {
    // No project view is left to show.
    ed.ProjectView = false;
  }
}

bool CalcItemView(ViewTable& v, const DrawingList& list, int part, int header, int w, int h) {
  if (part < 1 || kPartRowBase + part >= ViewBase) return false;
  if (header < 0 || header >= list.NumPoints) return false;
  const Frame f = frameAt(list, header);
  if (f.kind != FrameKind::Record) return false;
  float minX = 30000, minY = 30000, maxX = -30000, maxY = -30000;
  for (int i = f.first; i <= f.last; ++i) {
    const float x = list.G0[i], y = list.G1[i];
    if (x == kDeletedPoint) continue;
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
  // A shape without width or height has no view that could fill the canvas.
  if (!(maxX > minX) || !(maxY > minY)) return false;
  const float m = 0.1f * std::max(maxX - minX, maxY - minY);
  minX -= m;
  minY -= m;
  maxX += m;
  maxY += m;
  const float W1 = static_cast<float>(w - 1), H1 = static_cast<float>(h - 1);
  const float sx = W1 / (maxX - minX);
  const float sy = H1 / (maxY - minY);
  if (sy < sx) {
    // Too tall for the scale its top edge gives: widen it on both sides.
    const float grow = (W1 / sy - (maxX - minX)) / 2.0f;
    minX -= grow;
    maxX += grow;
  }
  v.rows[kPartRowBase + part] = ViewRow{minX, minY, maxX, minY, maxX, maxY, 0, 0, W1, 0, W1, H1};
  return true;
}

}  // namespace orn
