// The drag tools: Adjust Points (75), Adjust Color Handles (77) and the
// duplicate tool (79). The press picks a point (tool 79 first copies the
// picked circle or polygon), each move takes the shape off the canvas,
// moves the point or the whole shape and draws it again, and the release
// snaps the result and refills a moved fill.
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

constexpr Rgb kMarkerRed = 255;
constexpr int kReleased = -100;

}  // namespace

void MouseEngine::dragPress(float X, float Y) {
  ms.MouseBusy = true;
  FindPoint(X, Y);
  if (pick.HitIndex <= 0) {
    ms.MouseBusy = false;
    return;
  }
  if (ed.CurDrawType == kToolDuplicate) {
    // Only a 2 Pt Circle by its centre or a Geometric shape by its centre.
    const bool circleCentre = pick.HitType == kTypeCircle2 && pick.HitIndex == pick.HitBegin;
    const bool geoCentre = pick.HitType == kTypeGeometric && pick.HitIndex == pick.HitEnd;
    if (!circleCentre && !geoCentre) {
      ms.MouseBusy = false;
      return;
    }
    if (list.recordOpen()) {
      ms.MouseButton = 1;
      P1DBL();
    }
    if (!DupShapes(list, pick)) {
      host.beep();
      ms.MouseBusy = false;
      return;
    }
  }
  const float x = list.G0[pick.HitIndex], y = list.G1[pick.HitIndex];
  eraseBox(x, y);
  if (pick.HitType == kTypePaint) {
    // The fill goes until the release refills it from the new seed.
    CanvasDrawing d = drawing();
    PaintRecord(d, list, colour, pick.HitIndex - 1, pick.HitIndex, 1);
  }
  // Lines are taken away by the first move, with the XOR pen: the marker's
  // box gives their pixels back first, or the pen would turn it black.
  Surface* c = canvas();
  if ((pick.HitType == kTypePolyLine || pick.HitType == kTypeMultiLine) && c != nullptr && std::isfinite(x) &&
      std::isfinite(y)) {
    drawHinge(true);
    for (int py = toPixel(y) - 1; py <= toPixel(y) + 1; ++py)
      for (int px = toPixel(x) - 1; px <= toPixel(x) + 1; ++px)
        if (hinge_.point(px, py) == std::int64_t(kBlack)) c->pset(px, py, kBlack);
  }
}

void MouseEngine::drawHinge(bool neighbours) {
  const Surface* c = canvas();
  if (c == nullptr) return;
  if (hinge_.width() != c->width() || hinge_.height() != c->height()) {
    hinge_.resize(c->width(), c->height());
  } else {
    hinge_.clear();
  }
  const OnMask onMask(ctx, hinge_, true);
  CanvasDrawing d = drawing();
  const int h = pick.HitIndex;
  if (pick.HitType == kTypeMultiLine) {
    // The pair's segment (none for an unpaired last point).
    if (ms.HitPair + 1 <= pick.HitEnd) PlotChainSegment(d, list, ms.HitPair, ms.HitPair + 1, ms.HitPair + 1, kBlack);
    return;
  }
  auto chain = [&](int i, Rgb colour) {
    if (i > pick.HitBegin && i <= pick.HitEnd) PlotChainSegment(d, list, pick.HitBegin, pick.HitEnd, i, colour);
  };
  chain(h, kBlack);
  chain(h + 1, kBlack);
  // Where the lines that stay meet the moving ones, their pixels stay.
  const Rgb edge = neighbours ? kBlack : ctx.PicBackColor;
  chain(h - 1, edge);
  chain(h + 2, edge);
}

// One XOR over the union of the moving segments, not one per segment: where
// two of them overlap (at the picked point, with a wide pen), a pixel turned
// twice would keep the old line's ink.
void MouseEngine::flipHinge() {
  Surface* c = canvas();
  if (c == nullptr) return;
  drawHinge(false);
  const Rgb pen = ctx.PicBackColor & 0xFFFFFF;
  Rgb* px = c->pixels();
  for (int y = 0; y < c->height(); ++y) {
    const Rgb* mask = hinge_.row(y);
    Rgb* row = px + static_cast<std::size_t>(y) * c->width();
    for (int x = 0; x < c->width(); ++x)
      if (mask[x] == kBlack) row[x] ^= pen;
  }
}

// The whole figure of the hit record in a colour, with the copy pen.
void MouseEngine::dragFigure(Rgb c) {
  CanvasDrawing d = drawing();
  const std::span<const float> X(list.G0), Y(list.G1);
  penMode(PenMode::Copy);
  switch (pick.HitType) {
    case kTypeSpline:
      SplineDraw(d, list, pick.HitBegin, pick.HitEnd, c, kWholeSpline);
      break;
    case kTypeCircle2:
    case kTypeCircle3:
    case kTypeArc:
      CirclesAsRedrawn(sym, ctx, X, Y, pick.HitBegin, pick.HitEnd, c, pick.HitType);
      break;
    case kTypeGeometric:
      GeoSegments(sym, ctx, X, Y, pick.HitBegin, pick.HitEnd, c, pick.HitType);
      break;
    default:
      break;
  }
}

void MouseEngine::dragStep(float X, float Y) {
  if (pick.HitBegin < 0 || pick.HitEnd > list.NumPoints || pick.HitIndex < pick.HitBegin ||
      pick.HitIndex > pick.HitEnd) {
    return;
  }
  const bool lines = pick.HitType == kTypePolyLine || pick.HitType == kTypeMultiLine;
  if (lines) {
    flipHinge();
  } else {
    dragFigure(ctx.PicBackColor);
  }

  const int hit = pick.HitIndex;
  const bool circleCentre = pick.HitType == kTypeCircle2 && hit == pick.HitBegin;
  const bool geoCentre = pick.HitType == kTypeGeometric && hit == pick.HitEnd;
  if (circleCentre || geoCentre) {
    // The whole shape moves; the markers of its other points move with it.
    const float dx = X - list.G0[hit];
    const float dy = Y - list.G1[hit];
    for (int i = pick.HitBegin; i <= pick.HitEnd; ++i) {
      if (i != hit) eraseBox(list.G0[i], list.G1[i]);
      list.G0[i] += dx;
      list.G1[i] += dy;
      if (i != hit && canvas() != nullptr) {
        const int px = toPixel(list.G0[i]);
        const int py = toPixel(list.G1[i]);
        canvas()->fillBox(px - 1, py - 1, px + 1, py + 1, kMarkerRed);
      }
    }
  } else if (pick.HitType == kTypeGeometric && (hit == pick.HitBegin || hit == pick.HitEnd - 1)) {
    // The first vertex is repeated as the closing one: the polygon stays closed.
    list.G0[pick.HitBegin] = list.G0[pick.HitEnd - 1] = X;
    list.G1[pick.HitBegin] = list.G1[pick.HitEnd - 1] = Y;
  } else {
    list.G0[hit] = X;
    list.G1[hit] = Y;
  }

  if (lines) {
    flipHinge();
    return;
  }
  dragFigure(0);
  // A copy being dragged off its source painted over it: draw the source again.
  if (pick.DupIndex > -1 && (pick.HitType == kTypeCircle2 || pick.HitType == kTypeGeometric)) {
    const Frame src = frameAt(list, pick.DupIndex);
    if (src.kind == FrameKind::Record) {
      const std::span<const float> Xs(list.G0), Ys(list.G1);
      if (pick.HitType == kTypeGeometric) {
        GeoSegments(sym, ctx, Xs, Ys, src.first, src.last, 0, pick.HitType);
      } else {
        CirclesAsRedrawn(sym, ctx, Xs, Ys, src.first, src.last, 0, pick.HitType);
      }
    }
  }
}

void MouseEngine::dragRelease(int Button, int Shift, float X, float Y) {
  if (!ms.MouseBusy) {
    pick.DupIndex = -1;
    return;
  }
  if (pick.HitIndex > 0 && pick.HitEnd <= list.NumPoints) {
    if (pick.HitType == kTypePaint) {
      CanvasDrawing d = drawing();
      PaintRecord(d, list, colour, pick.HitIndex - 1, pick.HitIndex, 0);
    } else if (pick.HitType == kTypeGeometric && pick.HitIndex == pick.HitEnd) {
      // The polygon moves by the offset that lands the first of its points
      // that is near another shape's point exactly on that point. Its own
      // points never attract it.
      for (int i = pick.HitBegin; i <= pick.HitEnd; ++i) {
        float x = list.G0[i];
        float y = list.G1[i];
        int flag = -1;
        if (GravFind(x, y, i, flag, pick.HitHeader, pick.HitEnd)) {
          const float tx = list.G0[pick.HitEnd] + (x - list.G0[i]);
          const float ty = list.G1[pick.HitEnd] + (y - list.G1[i]);
          P1MM(Button, Shift, tx, ty);
          break;
        }
      }
    } else {
      int flag = 0;
      GravFind(X, Y, pick.HitIndex, flag);
    }
  }
  pick.DupIndex = kReleased;
  RedrawEnv e = redrawEnv();
  DoDots(e, 0);
  ms.MouseBusy = false;
  pick.DupIndex = -1;
}

}  // namespace orn
