#pragma once
// The stored views of a picture. Points of the drawing list are kept in the
// coordinates of the canvas as currently shown, so a change of view rewrites
// every stored point and every stored view frame (TransformView).
//
// One row per view, 12 floats: columns 0-5 are three corners of a frame in
// the current canvas coordinates, columns 6-11 the canvas positions those
// corners are to take. A row whose column 2 is 0 counts as empty. Rows: 0 col
// 0 the page count, 1-6 the pages (1 the full picture, 6 also the "Restore"
// view), 7 the whole project, 8-12 the symmetry parts, 20 (ViewBase) the base
// row, 21 .. 20 + ViewDepth the zoom history, newest last.
//
// The table and SaveScale are header-only: the file commands fill the table
// when a picture is loaded or started without linking the canvas library.
#include <array>
#include <optional>

#include "model/picture_file.h"

namespace orn {

struct DrawingList;

constexpr int ViewBase = kViewBaseRow;
constexpr int kViewLastRow = kViewRowCount - 1;

struct ViewTable {
  std::array<ViewRow, kViewRowCount> rows{};
  int ViewDepth = 0;  // rows in the zoom history

  float& at(int r, int c) { return rows[r][c]; }
  float at(int r, int c) const { return rows[r][c]; }
  bool rowEmpty(int r) const { return rows[r][2] == 0.0f; }
  int lastRow() const { return ViewBase + ViewDepth; }
  void clear() {
    rows = {};
    ViewDepth = 0;
  }
};

// Pushes the current canvas, mapped onto itself, as the newest row of the
// history: corners (0, 0), (W - 1, 0), (W - 1, H - 1) in both halves of the
// row. Applying that row later brings the present view back, because every
// view change rewrites the stored frames with the points. When the table is
// full the history starts again instead of writing past its last row.
inline void SaveScale(ViewTable& v, int canvasWidth, int canvasHeight) {
  if (v.lastRow() + 1 > kViewLastRow) v.ViewDepth = 0;
  v.ViewDepth += 1;
  const float w = static_cast<float>(canvasWidth - 1);
  const float h = static_cast<float>(canvasHeight - 1);
  v.rows[v.lastRow()] = ViewRow{0, 0, w, 0, w, h, 0, 0, w, 0, w, h};
}

// The view rows of a new picture: an empty table whose row 1 (the full
// picture) is the current canvas.
inline void ResetViews(ViewTable& v, int canvasWidth, int canvasHeight) {
  v.clear();
  SaveScale(v, canvasWidth, canvasHeight);
  v.rows[1] = v.rows[v.lastRow()];
  v.ViewDepth -= 1;
}

// The visible canvas rectangle in canvas coordinates.
struct CanvasRect {
  int L = 0, R = 0, T = 0, B = 0;
};

// The map of a view: rotation by the angle of the frame's first edge, one
// uniform scale and one shift.
struct ViewMap {
  float c = 1, s = 0, k = 1, offX = 0, offY = 0;
  void apply(float& x, float& y) const {
    const float nx = (x * c + y * s) * k + offX;
    const float ny = (-x * s + y * c) * k + offY;
    x = nx;
    y = ny;
  }
};

// The map that takes corner 0 of the row's frame to its canvas position and
// corner 1 onto the same canvas row at its canvas x; empty when the row
// cannot be applied.
std::optional<ViewMap> MapOfRow(const ViewRow& row);

// Applies view row `index`: rotates, scales and shifts every stored point and
// the frames of the stored rows 1 .. ViewBase + ViewDepth so that the row's
// frame lands on its canvas positions, then marks the records outside
// `visible`. A row with an edge of zero length, a zero target width or a
// scale that is not finite is refused and nothing changes. Deleted points
// (-7777) keep their value. Returns true when the view was applied; the
// caller then treats the symmetry tables as out of date and redraws.
bool TransformView(ViewTable& views, DrawingList& list, int index, CanvasRect visible);

// Pushes the present canvas, lets `edit` change the pushed row, applies it
// and drops it again, so the history is as before. Returns true when the
// view changed.
template <class Edit>
bool ApplyPushedRow(ViewTable& v, DrawingList& list, int w, int h, Edit edit) {
  SaveScale(v, w, h);
  ViewRow& row = v.rows[v.lastRow()];
  edit(row);
  const bool applied = TransformView(v, list, v.lastRow(), CanvasRect{0, w, 0, h});
  v.ViewDepth -= 1;
  return applied;
}

// Rescales the picture to a canvas resized from width oldW to newW x newH
// (the window layout): every point is multiplied by newW / oldW about the
// canvas origin. Runs pending packing first, so deleted points are never
// moved. Returns the map applied to the points when the picture changed, so
// that canvas points kept elsewhere can follow it exactly.
std::optional<ViewMap> RescaleToCanvas(ViewTable& views, DrawingList& list, int oldW, int newW, int newH);

}  // namespace orn
