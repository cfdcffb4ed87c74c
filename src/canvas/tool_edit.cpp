// The pick tools: Erase Lines (76), Delete Color Handle (78) and
// Spline/Line Convert (80). A first press picks a point and shows its
// record red; a confirming press acts on the drawing list.
#include <algorithm>
#include <cmath>

#include "canvas/mouse_engine.h"
#include "canvas/paint_replay.h"
#include "canvas/plot_lines.h"
#include "canvas/shape_render.h"
#include "canvas/spline.h"
#include "canvas/tools.h"
#include "model/record_codes.h"
#include "symmetry/replication.h"

namespace orn {

namespace {

constexpr Rgb kPickRed = 255;
constexpr int kWholeRun = 100;

}  // namespace

void MouseEngine::eraseBox(float x, float y) {
  if (canvas() == nullptr || !std::isfinite(x) || !std::isfinite(y)) return;
  const int px = toPixel(x);
  const int py = toPixel(y);
  canvas()->fillBox(px - 1, py - 1, px + 1, py + 1, ctx.PicBackColor);
}

void MouseEngine::clearPicks() {
  pick.SplitPick1 = 0;
  pick.SplitPick2 = 0;
  ms.SplitPickState = kNoPickRecord;
}

// Gives up a pending pick: its record is drawn black again.
void MouseEngine::CancelPick() {
  const int p = pick.SplitPick1;
  if (p > 0 && p <= list.NumPoints) {
    ms.SearchFrom = p - 1;
    FindPoint(list.G0[p], list.G1[p]);
    if (pick.HitIndex == p) drawHit(0, 1);
  }
  clearPicks();
  ed.SecondPick = false;
}

void MouseEngine::editPress(int Button, float X, float Y) {
  const int tool = ed.CurDrawType;
  if (tool == kToolAdjustPoints || tool == kToolAdjustColorHandles || tool == kToolDuplicate) {
    dragPress(X, Y);
  } else if (tool == kToolEraseLines || tool == kToolDeleteColorHandle || tool == kToolConvert) {
    FindPoint(X, Y);
    pickLogic(Button, X, Y);
  }
}

// Draws the record of the hit in a colour: red for a pick, black to show it
// normally again, the background colour to erase it.
void MouseEngine::drawHit(Rgb Colour, int Button) {
  if (pick.HitBegin < 0 || pick.HitEnd > list.NumPoints || pick.HitEnd < pick.HitBegin) return;
  CanvasDrawing d = drawing();
  const std::span<const float> X(list.G0), Y(list.G1);
  const int tool = ed.CurDrawType;
  const Rgb button = Colour == kPickRed ? kToolButtonPicked : kToolButtonDrawing;
  penMode(PenMode::Copy);
  switch (pick.HitType) {
    case kTypeSpline:
      if (SplinePolyOn) {
        PlotLines(d, list, pick.HitBegin, pick.HitEnd, Colour, kWholeRun, kToolPolyLine);
      } else {
        SplineDraw(d, list, pick.HitBegin, pick.HitEnd, Colour, kWholeSpline);
      }
      if (tool == kToolConvert) controls.setToolButtonColor(kToolSpline, button);
      break;
    case kTypePolyLine:
      PlotLines(d, list, pick.HitBegin, pick.HitEnd, Colour, kWholeRun, kToolPolyLine);
      if (tool == kToolConvert) {
        const bool fromSpline = list.G0[pick.HitHeader + 1] == -1.0f;
        controls.setToolButtonColor(fromSpline ? kToolSpline : kToolPolyLine, button);
      }
      break;
    case kTypeMultiLine:
      // An unpaired last point has no segment.
      if (ms.HitPair + 1 <= pick.HitEnd) {
        SymmLine(sym, ctx, list.G0[ms.HitPair], list.G1[ms.HitPair], list.G0[ms.HitPair + 1],
                 list.G1[ms.HitPair + 1], Colour);
      }
      break;
    case kTypeCircle2:
    case kTypeCircle3:
    case kTypeArc:
      CirclesAsRedrawn(sym, ctx, X, Y, pick.HitBegin, pick.HitEnd, Colour, pick.HitType);
      break;
    case kTypeGeometric:
      GeoSegments(sym, ctx, X, Y, pick.HitBegin, pick.HitEnd, Colour, pick.HitType);
      break;
    case kTypePaint:
      if (Colour == ctx.PicBackColor && tool == kToolDeleteColorHandle && Button == 2 &&
          ms.ColorHandle == ms.HitPair) {
        PaintRecord(d, list, colour, ms.HitPair, ms.HitPair + 1, 1);
      }
      break;
    default:
      break;
  }
}

void MouseEngine::pickLogic(int Button, float X, float Y) {
  const int tool = ed.CurDrawType;
  if (pick.HitIndex <= 0 && !(pick.HitIndex == -1 && pick.SplitPick1 != 0)) return;
  Rgb Colour = 0;
  bool Again = false;
  bool confirm = false;

  if (pick.SplitPick1 == 0) {
    Colour = kPickRed;
    confirm = tool == kToolDeleteColorHandle;
  } else if (pick.SplitPick1 == pick.HitIndex) {
    confirm = true;
  } else if (ms.SplitPickState == pick.HitHeader && pick.HitType == kTypePolyLine) {
    if (pick.HitIndex == -1) {
      // A miss beside the picked polyline gives the pick up.
      clearPicks();
      drawHit(0, Button);
      return;
    }
    pick.SplitPick2 = pick.SplitPick1;
    Again = true;
  } else {
    // Another record: the earlier pick's record is shown black again first.
    pick.SplitPick2 = 0;
    const int p = pick.SplitPick1;
    if (p <= 0 || p > list.NumPoints) {
      clearPicks();
      return;
    }
    ms.SearchFrom = p - 1;
    FindPoint(list.G0[p], list.G1[p]);
    if (pick.HitIndex <= 0) {
      clearPicks();
      return;
    }
    Again = true;
  }

  bool Act = false;
  if (confirm) {
    if (Button == 1 && tool != kToolDeleteColorHandle) {
      host.beep();
      return;
    }
    Colour = ctx.PicBackColor;
    Act = true;
  }

  for (;;) {
    drawHit(Colour, Button);
    if (!Again) {
      ed.SecondPick = false;
      break;
    }
    Again = false;
    if (pick.SplitPick2 > 0) {
      // Two picks in one polyline: the run between them shows red.
      ed.SecondPick = true;
    } else {
      // The new pick's record is drawn in the same black as the earlier one.
      FindPoint(X, Y);
      if (pick.HitIndex <= 0) return;
    }
  }

  if (!Act) {
    pick.SplitPick1 = pick.HitIndex;
    ms.SplitPickState = pick.HitType <= kTypeMultiLine ? pick.HitHeader : kNoPickRecord;
    return;
  }
  actOnPick(Button);
}

void MouseEngine::actOnPick(int Button) {
  const int tool = ed.CurDrawType;
  auto markPair = [&](int a, int b) {
    for (int i = a; i <= b; ++i) {
      list.G0[i] = kDeletedPoint;
      list.G1[i] = kDeletedPoint;
    }
    if (list.PackFrom == 0 || a < list.PackFrom) list.PackFrom = static_cast<std::int16_t>(a);
  };

  if (tool == kToolConvert) {
    PolySplineSwap(pick.SplitPick1);
    clearPicks();
    return;
  }
  if (tool == kToolDeleteColorHandle) {
    // Only fills have colour handles.
    if (pick.HitType == kTypePaint && ms.HitPair + 1 <= pick.HitEnd) {
      const int pair = ms.HitPair;
      if (ms.ColorHandle != pair) {
        ms.ColorHandle = pair;
        const Rgb fill = static_cast<Rgb>(std::llrint(double(list.G1[pair]))) & 0xFFFFFF;
        colour.CurrentColor = fill;
        ui.currentColourChanged();
        ui.showKillColor(true, fill);
      } else if (Button == 2) {
        const bool blackFill = list.G1[pair] == 0.0f;
        ms.ColorHandle = kNoHandle;
        markPair(pair, pair + 1);
        // A black fill cannot be flooded away: only a redraw removes it.
        if (blackFill) DrawAll(1);
        ui.showKillColor(false, 0);
        RedrawEnv e = redrawEnv();
        DoDots(e, 0);
      }
    }
    clearPicks();
    return;
  }
  if (pick.HitType == kTypePaint) {
    clearPicks();
    return;
  }
  if (pick.HitType == kTypeMultiLine) {
    const int last = std::min<int>(ms.HitPair + 1, pick.HitEnd);
    for (int i = ms.HitPair; i <= last; ++i) eraseBox(list.G0[i], list.G1[i]);
    markPair(ms.HitPair, last);
    clearPicks();
    return;
  }
  if (pick.HitType == kTypePolyLine && pick.SplitPick2 > 0) {
    if (!SplitRun(list, pick, hooks_)) {
      host.beep();
      clearPicks();
      return;
    }
  } else if (pick.SplitPick2 <= 0) {
    for (int i = pick.HitBegin; i <= pick.HitEnd; ++i) eraseBox(list.G0[i], list.G1[i]);
  }
  deleteHitRecord();
  clearPicks();
}

// Removes the hit record from the list at once, moving the later entries
// down over it.
void MouseEngine::deleteHitRecord() {
  const int h = pick.HitHeader;
  const int e = pick.HitEnd;
  if (h < 0 || e < h || e > list.NumPoints) return;
  if (e == list.NumPoints && list.recordOpen()) {
    writeEndAt(h);
    return;
  }
  const int len = e - h + 1;
  for (int r = e + 1; r <= list.NumPoints; ++r) {
    list.G0[r - len] = list.G0[r];
    list.G1[r - len] = list.G1[r];
  }
  list.NumPoints = static_cast<std::int16_t>(list.NumPoints - len);
  list.ItemHead = static_cast<std::int16_t>(list.ItemHead - len);
  list.ItemFirst = static_cast<std::int16_t>(list.ItemFirst - len);
  // Pending deletion marks moved with the entries.
  if (list.PackFrom > e) {
    list.PackFrom = static_cast<std::int16_t>(list.PackFrom - len);
  } else if (list.PackFrom > 0 && list.PackFrom >= h) {
    list.PackFrom = static_cast<std::int16_t>(std::max(h, 1));
  }
}

}  // namespace orn
