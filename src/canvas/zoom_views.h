#pragma once
// The zoom commands' work on the view table: applying the zoom box and its
// fine-tuning bars, stepping back through the history, storing and restoring
// the "Restore" view, choosing the row of a Zoom menu item, and the views of
// the project pages and of the symmetry parts.
//
// Each function that changes the view rewrites every stored point (see
// TransformView) and leaves the redraw to its caller. `w` and `h` are the
// canvas's width and height in pixels.
#include <array>
#include <vector>

#include "canvas/editor_state.h"
#include "canvas/view_table.h"
#include "canvas/zoom_box.h"
#include "model/drawing_list.h"

namespace orn {

// Fixed rows of the view table.
constexpr int kFullPictureRow = 1;
constexpr int kRestoreRow = 6;
constexpr int kProjectRowView = 7;
constexpr int kPartRowBase = 7;  // the view of symmetry part p is row p + 7
// ZoomC empties the history instead of pushing once it reaches this row.
constexpr int kZoomHistoryLimit = 45;
// Pages of a project: one view per page, rows 1 to 6.
constexpr int kMaxPageViews = 6;

// The zoom box's "OK": the part of the picture inside the box fills the canvas.
bool ApplyBoxView(ViewTable& v, DrawingList& list, const ZoomBoxState& box, int w, int h);

// The nudge bar: the view moves sideways so that the frame's left edge goes
// `value` canvas units to the right.
bool NudgeView(ViewTable& v, DrawingList& list, int value, int w, int h);

// The fine-tuning bars, one step of `value` (-30 to 30) each in quarters:
// bar 0 moves the picture up by value / 4 units, bar 1 turns it clockwise
// by value / 4 degrees about the canvas centre, bar 2 enlarges it by
// value / 4 per cent about the centre.
bool FineTuneView(ViewTable& v, DrawingList& list, int bar, int value, int w, int h);

// "&Back": applies and drops the newest row of the history. With an empty
// history nothing happens and false is returned.
bool StepBackView(ViewTable& v, DrawingList& list, int w, int h);

// The picture as it was when a view was pushed onto the history: its
// points and the frames of its stored views. Applying the pushed row later
// brings that view back only to within the rounding of the two view changes;
// RestorePushedView puts every value that came back to within that rounding
// exactly where it was, so that Back shows the picture pixel for pixel as it
// was. Values changed meanwhile (points drawn or moved) keep their new place.
struct PushedView {
  int row = 0;  // the history row that was pushed
  std::vector<float> g0, g1;
  std::array<ViewRow, kViewRowCount> rows{};
};
// The picture as it is now, for the history's newest row.
PushedView RememberPushedView(const ViewTable& v, const DrawingList& list);
void RestorePushedView(const PushedView& was, ViewTable& v, DrawingList& list);

// The zoom box's "Set": stores the present view as the "Restore" view (row 6).
void StoreRestoreView(ViewTable& v, int w, int h);

// The view table row of a Zoom menu item: 0 ("&Symmetry") is the view of the
// selected part, or of part 1 when none is selected.
int ZoomRow(int index, int CurPart);

// A row that can be applied: a frame with a first edge and a canvas of at
// least one pixel to size to.
bool ZoomRowUsable(const ViewTable& v, int row);

// The canvas size a stored view asks for (columns 10 and 11, plus one).
int RowCanvasWidth(const ViewTable& v, int row);
int RowCanvasHeight(const ViewTable& v, int row);

// ZoomC's push: the present view goes onto the history, or the history is
// emptied when it has grown to the limit. Returns false when it was emptied.
bool PushForZoom(ViewTable& v, int w, int h);

// Divides the picture into `pages` project pages (1 to 6) stacked one below
// the other, each the canvas's size (w x h): one view per page in rows 1 to
// `pages`, and for two or more pages the whole-project view in row 7. The
// other page rows are cleared, the history is emptied, and the page count is
// kept in row 0 and in ed.ProjPages. Nothing is applied or redrawn.
void ArrangeParts(ViewTable& v, EditorState& ed, int pages, int w, int h);

// Stores in row part + 7 the view of the record whose header is at `header`
// (a part's reference shape): its extent with a tenth to spare, widened
// where needed so that it fills the canvas height. A record without extent
// or a part outside 1..12 leaves the table unchanged and returns false.
bool CalcItemView(ViewTable& v, const DrawingList& list, int part, int header, int w, int h);

}  // namespace orn
