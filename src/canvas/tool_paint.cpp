// The paint tool: a click fills the region under it with the current colour
// in the base cell and in every copy, and keeps the fill as a pair (colour
// entry, seed) of the open PAINT record; a drag with the left button paints
// every region it passes.
#include "canvas/mouse_engine.h"
#include "canvas/paint_replay.h"
#include "colour/colour_codes.h"
#include "model/record_codes.h"
#include "symmetry/replication.h"

namespace orn {

void MouseEngine::UseColor() {
  // A painted colour ends a pending pick or swap.
  ed.ColorMode = kColorIdle;
  colour.SwapIndex = 0;
  // A colour is in use once, whatever code it was picked with.
  for (const InUseColor& c : colour.ColorsInUse) {
    if ((c.rgb & 0xFFFFFF) == (colour.CurrentColor & 0xFFFFFF)) return;
  }
  if (static_cast<int>(colour.ColorsInUse.size()) >= kMaxColorsInUse) return;
  colour.ColorsInUse.push_back({colour.CurrentCode, colour.CurrentColor});
  colour.InUseCount = static_cast<int>(colour.ColorsInUse.size());
  ui.colorsInUseChanged();
}

void MouseEngine::paintClick(float X, float Y) {
  if (host.ctrlKeyDown()) {
    host.beep();
    return;
  }
  if (list.recordOpen() && !openRecordOf(kToolPaint)) {
    ms.MouseButton = 1;
    P1DBL();
    ms.MouseButton = 1;
  }
  const bool open = list.recordOpen();
  // A new record takes its header, "Begin Data" and a pair; a new fill a pair.
  if (!roomFor(open ? 2 : 4)) {
    host.beep();
    return;
  }
  if (!open) {
    list.CreateItem(kTypePaint, 0, X, Y);  // its first point becomes the colour entry
  } else {
    list.AddPoint(X, Y, kToolPaint);
  }
  int N = list.NumPoints;
  list.G0[N] = static_cast<float>(kColorEntryBase + colour.CurrentCode);
  list.G1[N] = static_cast<float>(colour.CurrentColor);
  list.AddPoint(X, Y, kToolPaint);
  N = list.NumPoints;

  CanvasDrawing d = drawing();
  ctx.FillFailed = false;
  // A fill that fails in the base cell is not kept: it is not made in the
  // copies either, where it would stay on the canvas and in no redraw.
  if (canvas() != nullptr) {
    ForEachFillSeed(sym, *canvas(), X, Y, [&](int x, int y, bool base) {
      const std::int64_t under = canvas()->point(x, y);
      if (base && (under < 0 || under == std::int64_t(kBlack))) ctx.FillFailed = true;
    });
  }
  if (!ctx.FillFailed) PaintRecord(d, list, colour, N - 1, N, 0);
  if (ctx.FillFailed) {
    host.beep();
    if (list.NumPoints - list.ItemFirst > 1) {
      list.DelLastPt();
      list.DelLastPt();
    } else {
      dropOpenRecord();
    }
    return;
  }
  UseColor();
  if (ed.DotsMode == kToolAdjustColorHandles && canvas() != nullptr) {
    DispPtMark(list, N, *canvas());
  }
}

void MouseEngine::paintDrag(int Button, float X, float Y) {
  if ((Button & 1) == 0 || canvas() == nullptr) return;
  const std::int64_t under = canvas()->point(toPixel(X), toPixel(Y));
  // Outside the canvas there is nothing to paint.
  if (under < 0) return;
  const bool paintingWhite = (colour.CurrentColor & 0xFFFFFF) == kWhite;
  if (under == std::int64_t(kWhite)) {
    if (!paintingWhite) P1MD(1, 0, X, Y);
  } else if (paintingWhite && under != std::int64_t(kBlack)) {
    P1MD(1, 0, X, Y);
  }
}

}  // namespace orn
