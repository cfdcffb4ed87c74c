// The canvas events: the press, the move, the double click and the release,
// and the services the tools share.
#include "canvas/mouse_engine.h"

#include <cmath>
#include <cstdio>

#include "canvas/plot_lines.h"
#include "canvas/shape_render.h"
#include "canvas/snap.h"
#include "canvas/spline.h"
#include "canvas/tools.h"
#include "model/record_codes.h"

namespace orn {

MouseEngine::MouseEngine(const MouseEnv& env)
    : MouseEnv(env),
      hooks_(*this) {
  pick.DupIndex = -1;
}

RedrawEnv MouseEngine::redrawEnv() {
  return RedrawEnv{list, sym, ctx, ed, pick, colour, views, host, controls};
}

CanvasDrawing MouseEngine::drawing() { return CanvasDrawing{sym, ctx, ed, pick, host, controls}; }

void MouseEngine::DrawAll(int Index) {
  ui.Trap("DrawAll", [this, Index] {
    RedrawEnv e = redrawEnv();
    orn::DrawAll(e, Index);
  });
  // A redraw draws the open record like any other: the canvas without it is
  // made again when a step back, a close or a drop needs it.
  traces_.forget();
  ui.canvasChanged();
}

void MouseEngine::penMode(PenMode m) {
  if (canvas() != nullptr) canvas()->setPenMode(m);
}

bool MouseEngine::roomFor(int entries) const {
  // The end marker written when the record closes needs one entry more.
  return list.NumPoints + entries + 1 <= kMaxIndex;
}

void MouseEngine::writeEndAt(int at) {
  list.ensureIndex(at);
  list.G0[at] = kCodeEnd;
  list.G1[at] = 0.0f;
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(at);
}

void MouseEngine::dropOpenRecord() {
  writeEndAt(list.ItemHead);
  traces_.forget();
}

// ---- the press ---------------------------------------------------------------

void MouseEngine::P1MD(int Button, int Shift, float X, float Y) {
  // The list must not change under a redraw that is walking it.
  if (RedrawRunning(ed)) return;
  if (ui.loading()) return;
  if (controls.showMode()) {
    ui.ExitC();
    return;
  }
  ed.PicChanged = true;
  if (ui.symInitialMode()) return;
  if (ui.zoomBoxMode()) {
    ui.CalcBoxDrag(0, Button, Shift, X, Y);
    return;
  }
  if (sym.GeoCapture > 0) {
    ui.SymTestHandle(Button, Shift, X, Y);
    return;
  }

  const int tool = ed.CurDrawType;
  if (Button == 2) {
    switch (tool) {
      case kToolSpline:
        if (ms.MouseButton != 2) DrawAll(1);
        break;
      case kToolAdjustPoints:
      case kToolAdjustColorHandles:
      case kToolDuplicate:
        return;
      case kToolEraseLines:
      case kToolConvert:
        // A right press confirms a pending pick.
        if (pick.SplitPick1 != 0) pickLogic(Button, X, Y);
        return;
      case kToolDeleteColorHandle:
        // Only the handle the user chose can be deleted.
        if (ms.ColorHandle != kNoHandle && ms.ColorHandle == ms.HitPair &&
            pick.HitType == kTypePaint && pick.HitIndex > 0) {
          pickLogic(Button, X, Y);
        } else {
          host.beep();
        }
        return;
      default:
        break;
    }
  }

  ms.MouseButton = Button;
  ms.MouseShift = Shift;
  ms.MouseX = X;
  ms.MouseY = Y;
  if (Button == 2) {
    StepBack();
    ui.canvasChanged();
    return;
  }
  if (tool < kToolPaint || tool == kToolDuplicate) {
    int flag = 0;
    GravFind(X, Y, list.NumPoints, flag);
  }
  if (tool <= kToolGeometric) {
    drawClick(X, Y);
  } else if (tool == kToolPaint) {
    paintClick(X, Y);
  } else if (tool > kEditToolBoundary) {
    editPress(Button, X, Y);
  }
  ui.canvasChanged();
}

// ---- the move ----------------------------------------------------------------

namespace {

// A number as the debug label writes it: a blank in front of a value that is
// not negative.
std::string signText(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", double(v));
  std::string text = v < 0 ? "" : " ";
  text += buf;
  return text;
}

}  // namespace

void MouseEngine::P1MM(int Button, int Shift, float X, float Y) {
  if (RedrawRunning(ed)) return;
  if (ms.DebugTrack && ed.PaintOnlyMode == 0) ui.setDebugLabel(signText(X) + " " + signText(Y));
  if (ui.zoomBoxMode()) {
    ui.CalcBoxDrag(1, Button, Shift, X, Y);
    return;
  }
  const int tool = ed.CurDrawType;
  if (tool <= kToolGeometric) {
    rubberBand(Button, X, Y);
  } else if (tool == kToolPaint) {
    paintDrag(Button, X, Y);
  } else if (tool == kToolAdjustPoints || tool == kToolAdjustColorHandles || tool == kToolDuplicate) {
    if (ms.MouseBusy) dragStep(X, Y);
  }
  ui.canvasChanged();
}

// ---- the double click ----------------------------------------------------------

void MouseEngine::P1DBL() {
  if (RedrawRunning(ed)) return;
  if (ui.zoomBoxMode()) {
    ui.CalcBoxDrag(0, ms.MouseButton, ms.MouseShift, ms.MouseX, ms.MouseY);
    return;
  }
  if (sym.GeoCapture > 0) {
    ui.repeatSetupPress();
    return;
  }
  if (ms.MouseButton == 2) {
    P1MD(2, ms.MouseShift, ms.MouseX, ms.MouseY);
    return;
  }
  const int tool = ed.CurDrawType;
  if (tool == kToolEraseLines || tool == kToolDeleteColorHandle || tool == kToolConvert) {
    if (pick.HitIndex > 0 && pick.HitIndex <= list.NumPoints)
      P1MD(1, 0, list.G0[pick.HitIndex], list.G1[pick.HitIndex]);
    return;
  }
  ui.setCanvasPointer(kPointerArrow);
  if (list.NumPoints == list.ItemHead) return;

  // The record's own type decides how it is finished.
  const int type = headerType(list.G0[list.ItemHead]);
  if (list.NumPoints > 0) {
    const int N = list.NumPoints;
    auto same = [&](int i) { return list.G0[i] == list.G0[i - 1] && list.G1[i] == list.G1[i - 1]; };
    if (type == kTypeCircle2) {
      // The radius is never 0.
      if (N > list.ItemFirst && same(N)) list.G0[N] += 1.0f;
    } else {
      while (list.NumPoints > list.ItemFirst && same(list.NumPoints)) --list.NumPoints;
    }
  }
  const bool redraw = closeFigure(type);
  if (list.NumPoints + 1 > kMaxIndex) {
    // No room for the end marker: the record cannot be kept.
    host.beep();
    dropOpenRecord();
  } else {
    writeEndAt(list.NumPoints + 1);
  }
  // The record is closed: its traces are gone or drawn for good.
  traces_.forget();
  if (redraw) DrawAll(1);
  ui.canvasChanged();
}

// ---- the release -----------------------------------------------------------------

void MouseEngine::Picture1_MouseUp(int Button, int Shift, float X, float Y) {
  if (ui.zoomBoxMode()) {
    ui.CalcBoxDrag(2, Button, Shift, X, Y);
    return;
  }
  if (ed.UndoPolyRunning) {
    StopUndoPoly(ed);
    ui.undoPolyChanged(false);
  }
  if (RedrawRunning(ed)) return;
  const int tool = ed.CurDrawType;
  if (tool == kToolAdjustPoints || tool == kToolAdjustColorHandles || tool == kToolDuplicate) {
    dragRelease(Button, Shift, X, Y);
  }
  ui.canvasChanged();
}

void MouseEngine::UndoPoly_Tick() {
  if (!ed.UndoPolyRunning) return;
  UndoPoly_Timer(ed, host.secondsSinceMidnight(), [this] { P1MD(2, 0, 1, 1); });
}

// ---- services ------------------------------------------------------------------

void MouseEngine::FindPoint(float x, float y) {
  const bool setup = sym.GeoCapture != 0 || ui.symInitialMode();
  const int base = (!setup && sym.SymStart != sym.SymEnd) ? sym.SymEnd + 1 : 0;
  FindPointIn(list, base, ed.CurDrawType, x, y, pick, ms.HitPair, ms.SearchFrom);
}

bool MouseEngine::GravFind(float& x, float& y, int Skip, int& Flag, int skipLo, int skipHi) {
  const int i = GravSearch(list, ms.SnapSize, ed.CurDrawType, x, y, Skip, skipLo, skipHi);
  if (i < 0) return false;
  x = list.G0[i];
  y = list.G1[i];
  if (Flag == 0) {
    P1MM(1, 0, x, y);
  } else {
    Flag = 0;
  }
  return true;
}

// ---- list editing through the canvas ------------------------------------------------

void MouseEngine::Hooks::erasePointBox(float x, float y) { m_.eraseBox(x, y); }

void MouseEngine::Hooks::plotPiece(const DrawingList& l, int from, int to) {
  CanvasDrawing d = m_.drawing();
  m_.penMode(PenMode::Copy);
  PlotLines(d, l, from, to, 0, 100, kToolPolyLine);
}

void MouseEngine::Hooks::setDrawCursor() { m_.ui.setCanvasPointer(m_.ms.DrawCursor); }

void MouseEngine::Hooks::closeOpenRecord(DrawingList& l) {
  m_.ms.MouseButton = 1;
  m_.P1DBL();
  if (l.recordOpen()) l.closeRecord();
}

void MouseEngine::Hooks::drawAll() { m_.DrawAll(1); }

bool MouseEngine::MarkC() {
  if (RedrawRunning(ed)) return false;
  const bool ok = Mark(list, hooks_);
  if (!ok) host.beep();
  return ok;
}

bool MouseEngine::UndoToMarkC() {
  if (RedrawRunning(ed)) return false;
  return UndoToMark(list, hooks_);
}

}  // namespace orn
