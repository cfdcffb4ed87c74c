// The right button's step back: one point of the open record per press,
// and, with no record open, the last record re-opened with its tool so that
// repeated presses walk back through the picture.
#include <cmath>

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
                        "Erase Symmetry") == MsgResult::Yes) {
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
    if (host.messageBox("Undo Mark?", MsgButtons::YesNo, MsgIcon::None, "Erase Mark") ==
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
                        "Kill Symmetry") == MsgResult::Yes) {
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

  CanvasDrawing d = drawing();
  const std::span<const float> X(list.G0), Y(list.G1);
  const int N = list.NumPoints;
  const int first = list.ItemFirst;
  const Rgb back = ctx.PicBackColor;
  auto locate = [&](int i) { ui.LocateCursor(pixel(list.G0[i]), pixel(list.G1[i])); };
  auto stopRepeat = [&] {
    if (ed.UndoPolyRunning) {
      StopUndoPoly(ed);
      ui.undoPolyChanged(false);
    }
    ed.PressTime = 0;
  };
  auto startRepeat = [&] {
    if (!ed.UndoPolyRunning) {
      StartUndoPoly(ed, host.secondsSinceMidnight());
      ui.undoPolyChanged(true);
    }
  };

  switch (ed.CurDrawType) {
    case kToolSpline:
      // The curve is toggled away and drawn again with the XOR pen.
      penMode(PenMode::Xor);
      if (N - first <= 1) {
        stopRepeat();
        SplineDraw(d, list, first, N, back, kWholeSpline);
        locate(first);
        dropOpenRecord();
      } else {
        startRepeat();
        SplineDraw(d, list, first, N, back, kWholeSpline);
        list.DelLastPt();
        SplineDraw(d, list, first, list.NumPoints, back, kWholeSpline);
        locate(list.NumPoints);
      }
      penMode(PenMode::Copy);
      break;
    case kToolPolyLine:
    case kToolMultiLine:
      penMode(PenMode::Copy);
      if (N - first <= 1) {
        stopRepeat();
        if (N > first) SymmLine(sym, ctx, list.G0[first], list.G1[first], list.G0[first + 1], list.G1[first + 1], back);
        locate(first);
        dropOpenRecord();
      } else {
        startRepeat();
        SymmLine(sym, ctx, list.G0[N], list.G1[N], list.G0[N - 1], list.G1[N - 1], back);
        list.DelLastPt();
        ms.NearDist = 10000;
        locate(list.NumPoints);
      }
      break;
    case kToolCircle2:
    case kToolCircle3:
    case kToolArc:
      penMode(PenMode::Copy);
      Circles(sym, ctx, X, Y, first, N, back, ed.CurDrawType);
      locate(first);
      dropOpenRecord();
      break;
    case kToolGeometric:
    case kToolDuplicate:
      penMode(PenMode::Copy);
      GeoSegments(sym, ctx, X, Y, first, N, back, ed.CurDrawType);
      locate(first);
      dropOpenRecord();
      break;
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
      if (blackFill) DrawAll(1);
      break;
    }
    default:
      break;
  }
}

}  // namespace orn
