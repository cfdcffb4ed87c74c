// Turning splines into polylines and back: one record with the convert
// tool, or every spline of the picture with the spline/polyline switch.
// Both kinds share one layout (header, one parameter slot, "Begin Data",
// points), so only the header code changes; the parameter slot's -1 marks a
// polyline that stands for a spline.
#include "canvas/mouse_engine.h"
#include "canvas/plot_lines.h"
#include "canvas/spline.h"
#include "canvas/tools.h"
#include "model/record_codes.h"

namespace orn {

namespace {

constexpr int kWholeRun = 100;
constexpr float kStandsForSpline = -1.0f;

bool hasParameterSlot(const DrawingList& list, int h, int first) {
  return first - h == 3 && list.G0[first - 1] == float(kCodeBeginData);
}

}  // namespace

void MouseEngine::PolySplineSwap(int Index) {
  if (list.recordOpen()) {
    ms.MouseButton = 1;
    P1DBL();
  }
  if (list.NumPoints == 0) return;
  const std::optional<ShapeSpan> s = list.SeekShape(Index);
  if (!s || s->last - s->first < 2) return;
  if (s->type != kTypeSpline && s->type != kTypePolyLine) return;
  if (!hasParameterSlot(list, s->header, s->first)) return;

  CanvasDrawing d = drawing();
  const int tool = ed.CurDrawType;
  const bool xorErase = tool != kToolConvert && tool != kToolEraseLines;
  const int h = s->header;
  penMode(xorErase ? PenMode::Xor : PenMode::Copy);
  if (s->type == kTypePolyLine) {
    PlotLines(d, list, s->first, s->last, ctx.PicBackColor, kWholeRun, kToolPolyLine);
    penMode(PenMode::Copy);
    if (!SplinePolyOn) {
      list.G0[h] -= 1.0f;
      SplineDraw(d, list, s->first, s->last, 0, kWholeSpline);
    } else {
      // While the switch shows splines as polylines, the new spline stays a
      // polyline that stands for a spline, as the switch itself makes them.
      list.G0[h + 1] = kStandsForSpline;
      PlotLines(d, list, s->first, s->last, 0, kWholeRun, kToolPolyLine);
    }
  } else {
    SplineDraw(d, list, s->first, s->last, ctx.PicBackColor, kWholeSpline);
    penMode(PenMode::Copy);
    list.G0[h] += 1.0f;
    if (SplinePolyOn) list.G0[h + 1] = 0.0f;
    PlotLines(d, list, s->first, s->last, 0, kWholeRun, kToolPolyLine);
  }
  penMode(PenMode::Copy);
  ui.canvasChanged();
}

void MouseEngine::SplinePoly_Click() {
  if (RedrawRunning(ed)) return;
  if (list.recordOpen()) {
    ms.MouseButton = 1;
    P1DBL();
  }
  SplinePolyOn = !SplinePolyOn;
  ui.setSplinePolyColour(SplinePolyColour(SplinePolyOn));

  // The symmetry block is never touched; records are walked by their frames.
  const int from = (sym.GeoCapture == 0 && sym.SymStart != 0) ? sym.SymEnd + 1 : 0;
  FrameWalker walk(list, from);
  Frame f;
  while (walk.next(f)) {
    if (f.kind != FrameKind::Record || !hasParameterSlot(list, f.head, f.first)) continue;
    if (SplinePolyOn && f.type == kTypeSpline) {
      list.G0[f.head] += 1.0f;
      list.G0[f.head + 1] = kStandsForSpline;
    } else if (!SplinePolyOn && f.type == kTypePolyLine && list.G0[f.head + 1] == kStandsForSpline) {
      list.G0[f.head] -= 1.0f;
      list.G0[f.head + 1] = 0.0f;
    }
  }
  ed.SkipSplineRedraw = false;
  DrawType(kToolSpline);
  if (!ed.SkipSplineRedraw) DrawAll(1);
}

}  // namespace orn
