// The right button's step back: one point of the open record per press,
// and, with no record open, the last record re-opened with its tool so that
// repeated presses walk back through the picture.
#include <cmath>
#include <optional>

#include "canvas/mouse_engine.h"
#include "canvas/paint_replay.h"
#include "canvas/plot_lines.h"
#include "canvas/shape_render.h"
#include "canvas/spline.h"
#include "canvas/tools.h"
#include "model/record_codes.h"
#include "symmetry/replication.h"
#include "symmetry/sym_table.h"

namespace orn {

namespace {

int pixel(float v) { return std::isfinite(v) ? toPixel(v) : 0; }

}  // namespace

// With no record open: takes back a symmetry change or a Mark after asking,
// or re-opens the last record. Returns false when the press ends here; T
// receives the tool that was current.
bool MouseEngine::stepBackClosedList(int& T) {
  int N = list.NumPoints;
  const float before = list.G0[N - 1];
  if (before == float(kCodeSymmetryChg) && N - 1 != sym.SymEnd) {
    if (host.messageBox("Undo Symmetry Setting?", MsgButtons::YesNo, MsgIcon::None,
                        "Erase Symmetry", MsgResult::No) == MsgResult::Yes) {
      --N;
      // The change holds 100 x the part before it + the part after it.
      const int part = static_cast<int>(std::trunc(double(list.G1[N]) / 100.0));
      sym.CurPart = (part >= 0 && part <= kMaxParts) ? part : 0;
      ui.SymUpdateMenus(sym.CurPart != 0);
      if (CheckSymData(sym, list) == SymRebuild::Corrupt) controls.reportCorruptSymmetry();
      controls.PutSymState(sym.CurPart);
    }
    writeEndAt(N);
    return false;
  }
  if (before == float(kCodeMark)) {
    if (host.messageBox("Undo Mark?", MsgButtons::YesNo, MsgIcon::None, "Erase Mark", MsgResult::No) ==
        MsgResult::Yes) {
      --N;
    }
    writeEndAt(N);
    return false;
  }

  T = ed.CurDrawType;
  const std::optional<ShapeSpan> span = list.SeekShape(N);
  if (!span) return false;
  list.ItemHead = static_cast<std::int16_t>(span->header);
  list.ItemFirst = static_cast<std::int16_t>(span->first);
  list.NumPoints = static_cast<std::int16_t>(span->last);
  ed.CurDrawType = span->type;

  if (span->type == kTypeSymmetryItem) {
    int at = sym.SymEnd + 1;
    if (host.messageBox("Erase All Symmetry Information?", MsgButtons::YesNo, MsgIcon::None,
                        "Kill Symmetry", MsgResult::No) == MsgResult::Yes) {
      at = sym.SymStart;
      sym.SymStart = sym.SymEnd = sym.CurPart = 0;
      ui.clearHasBaseGroup();
      ui.hidePartPanel();
      sym.SymTablesValid = false;
      // The part labels and the symmetry menus follow the picture without a block.
      controls.PutSymState(0);
      ui.SymUpdateMenus(false);
    }
    writeEndAt(at);
    ed.CurDrawType = T;
    return false;
  }
  if (span->type != T) {
    controls.setToolButtonColor(T, kToolButtonDrawing);
    controls.setToolButtonColor(span->type, kToolButtonSelected);
    if (T == kToolGeometric) controls.GeoSh();
  }
  return true;
}

// ---- the open record shown exactly -----------------------------------------------

std::optional<Surface> MouseEngine::recordMask(int head, int first, int last, bool asDrawn) {
  const Surface* c = canvas();
  if (c == nullptr || c->empty()) return std::nullopt;
  Surface mask(c->width(), c->height(), kWhite);
  if (last < first) return mask;
  // Base shapes are not lengthened.
  const OnMask onMask(ctx, mask, asDrawn);
  CanvasDrawing d = drawing();
  const std::span<const float> X(list.G0), Y(list.G1);
  const int type = headerType(list.G0[head]);
  switch (type) {
    case kTypeSpline:
      SplineDraw(d, list, first, last, kBlack, kWholeSpline);
      break;
    case kTypePolyLine:
    case kTypeMultiLine:
      PlotLines(d, list, first, last, kBlack, 100, type);
      break;
    case kTypeCircle2:
    case kTypeCircle3:
    case kTypeArc:
      Circles(sym, ctx, X, Y, first, last, kBlack, type);
      break;
    case kTypeGeometric:
      ctx.ExtendFirst = 1;
      GeoSegments(sym, ctx, X, Y, first, last, kBlack, type);
      break;
    default:
      break;
  }
  return mask;
}

MouseEngine::OnMask::OnMask(DrawContext& ctx, Surface& mask, bool asDrawn) : ctx_(ctx), saved_(ctx) {
  ctx.Picture1 = &mask;
  ctx.DrawTarget = kDrawCanvas;
  ctx.PrintPath = false;
  ctx.ExtendLast = -1;
  ctx.LimitReplicas = asDrawn;
  mask.setPenWidth(ctx.LineWidth);
}

bool MouseEngine::knowCanvasWithoutOpenRecord() {
  const Surface* c = canvas();
  if (c == nullptr) return false;
  if (traces_.known(*c)) return true;
  // The record may share pixels with others (a crossing, a common end, a
  // line along another): only a redraw of the rest of the list tells what
  // the canvas shows without it.
  RedrawEnv e = redrawEnv();
  if (std::optional<Surface> without = RedrawnPicture(e, list.ItemHead)) traces_.remember(*without);
  return traces_.known(*c);
}

bool MouseEngine::showCanvasWithoutOpenRecord() {
  Surface* c = canvas();
  return knowCanvasWithoutOpenRecord() &&
         traces_.replace(*c, Surface(c->width(), c->height(), kWhite), kBlack, ctx.PicBackColor);
}

bool MouseEngine::showRecordExactly(int head, int first, int last) {
  // A fill in black or in the background colour may lie under the figure
  // unseen; the figure would bound it.
  if (FillsLikeInkOrBackground(list, ed, ctx) || !knowCanvasWithoutOpenRecord()) return false;
  const std::optional<Surface> figure = recordMask(head, first, last, true);
  return figure && traces_.replace(*canvas(), *figure, kBlack, ctx.PicBackColor);
}

// The step back of a drawing tool: the open record loses its last point, or
// goes whole when that is its first (every circle and shape goes whole).
// A record that goes leaves the canvas exactly as a redraw of the list shows
// it (where that cannot be done exactly, the picture is redrawn); what stays
// of a line or a curve shows at once as it does while it is drawn.
void MouseEngine::stepBackFigure() {
  const int N = list.NumPoints, first = list.ItemFirst, head = list.ItemHead;
  const int tool = ed.CurDrawType;
  Surface* c = canvas();
  // A record opened again by the step back was drawn with the picture.
  knowCanvasWithoutOpenRecord();
  auto locate = [&](int i) { ui.LocateCursor(pixel(list.G0[i]), pixel(list.G1[i])); };
  const bool lines = tool <= kToolMultiLine;
  // The Spline tool keeps the pen its rubber band left; the others draw
  // with the copy pen.
  if (tool != kToolSpline) penMode(PenMode::Copy);
  if (!lines || N - first <= 1) {
    if (lines) {
      if (ed.UndoPolyRunning) {
        StopUndoPoly(ed);
        ui.undoPolyChanged(false);
      }
      ed.PressTime = 0;
    }
    locate(first);
    writeEndAt(head);  // the traces are still needed below
    const bool exact = showCanvasWithoutOpenRecord();
    traces_.forget();
    if (!exact && c != nullptr) DrawAll(1);
    return;
  }
  if (!ed.UndoPolyRunning) {
    StartUndoPoly(ed, host.secondsSinceMidnight());
    ui.undoPolyChanged(true);
  }
  list.DelLastPt();
  if (tool != kToolSpline) ms.NearDist = 10000;
  locate(list.NumPoints);
  showStrokeWithBand(head, first, tool);
}

// The open record of a line tool as the canvas shows it while it is drawn:
// over the picture without it, its fixed points joined as a redraw joins
// them, and the rubber band to its moving point drawn with the XOR pen, so
// that the next move takes the band off exactly and leaves the lines it
// crossed whole. A spline's curve also bends to its moving point: the curve
// is shown whole but for the stretch its band draws.
void MouseEngine::showStrokeWithBand(int head, int first, int tool) {
  Surface* c = canvas();
  if (c == nullptr) return;
  const int last = list.NumPoints;
  const bool spline = tool == kToolSpline;
  std::optional<Surface> figure = recordMask(head, first, spline ? last : last - 1, true);
  if (figure && spline) {
    // The band's stretch, drawn over the curve in a colour other than black,
    // is left out of it.
    constexpr Rgb kNotInk = 0x000001;
    ctx.Picture1 = &*figure;
    drawBandIn(tool, kNotInk, PenMode::Copy);
    ctx.Picture1 = c;
  }
  if (!figure || !knowCanvasWithoutOpenRecord() || !traces_.show(*c, *figure, kBlack)) {
    DrawAll(1);
    return;
  }
  drawBand(tool);
}

bool MouseEngine::fillTakenBackExactly() {
  const Surface* c = canvas();
  if (c == nullptr) return false;
  // The regions of the fill taken back are now the background. That is
  // what a redraw shows there unless something else lay under the fill: the
  // base-shape highlight, red base shapes, the marks of High Speed Repaint,
  // or an older fill, whose seed (in some copy) then lies in those regions.
  // A fill in black or in the background colour is not told by its colour.
  if (ed.YellowBase || ed.GridMode == 1 || ctx.PaintOrderMode != 0 || FillsLikeInkOrBackground(list, ed, ctx))
    return false;
  const std::int64_t back = ctx.PicBackColor & 0xFFFFFF;
  bool uncovered = false;
  ForEachFillAsRedrawn(list, sym, [&](const SymState& parts, int entry) {
    if (uncovered) return;
    ForEachFillSeed(parts, *c, list.G0[entry + 1], list.G1[entry + 1], [&](int x, int y, bool) {
      if (c->point(x, y) == back) uncovered = true;
    });
  });
  return !uncovered;
}

void MouseEngine::StepBack() {
  if (list.NumPoints == 0) {
    ui.setEditsymEnabled(false);
    return;
  }
  if (list.G0[list.NumPoints] == float(kCodeEnd) && !list.recordOpen()) {
    int T = ed.CurDrawType;
    if (!stepBackClosedList(T)) return;
  }
  if (ed.CurDrawType == kToolGeometric) controls.GeoSh();

  if (ed.CurDrawType <= kToolGeometric || ed.CurDrawType == kToolDuplicate) {
    stepBackFigure();
    return;
  }
  CanvasDrawing d = drawing();
  const int N = list.NumPoints;
  const int first = list.ItemFirst;

  switch (ed.CurDrawType) {
    case kToolPaint: {
      if (N - 1 < first) {
        dropOpenRecord();
        break;
      }
      const bool blackFill = list.G1[N - 1] == 0.0f;
      PaintRecord(d, list, colour, N - 1, N, 1);
      if (N - first > 1) {
        list.DelLastPt();
        list.DelLastPt();
      } else {
        dropOpenRecord();
      }
      if (blackFill || !fillTakenBackExactly()) DrawAll(1);
      break;
    }
    default:
      break;
  }
}

}  // namespace orn
