// The drawing tools: Spline, Poly Line, Multi Line, the circle tools and the
// Geometric tool. A click opens a record or fixes its moving end point; a
// move drags the moving end point and its rubber band, drawn with the XOR
// pen in the background colour so that drawing it twice removes it.
#include <algorithm>
#include <cmath>
#include <functional>

#include "canvas/mouse_engine.h"
#include "canvas/plot_lines.h"
#include "canvas/shape_render.h"
#include "canvas/spline.h"
#include "canvas/tools.h"
#include "model/record_codes.h"

namespace orn {

namespace {

constexpr int kBandCount = 4;
constexpr int kWholeRun = 100;

}  // namespace

// The rubber band of the open record: what a move erases and draws again,
// with the XOR pen in the background colour.
void MouseEngine::drawBand(int tool) { drawBandIn(tool, ctx.PicBackColor, PenMode::Xor); }

void MouseEngine::drawBandIn(int tool, Rgb colour, PenMode mode) {
  CanvasDrawing d = drawing();
  const std::span<const float> X(list.G0), Y(list.G1);
  penMode(mode);
  switch (tool) {
    case kToolSpline:
      SplineDraw(d, list, list.ItemFirst, list.NumPoints, colour, kBandCount);
      break;
    case kToolPolyLine:
    case kToolMultiLine:
      PlotLines(d, list, list.ItemFirst, list.NumPoints, colour, kBandCount, tool);
      break;
    case kToolCircle2:
    case kToolCircle3:
    case kToolArc:
      Circles(sym, ctx, X, Y, list.ItemFirst, list.NumPoints, colour, tool);
      break;
    case kToolGeometric:
      GeoSegments(sym, ctx, X, Y, list.ItemFirst, list.NumPoints, colour, tool);
      break;
    default:
      break;
  }
  penMode(PenMode::Copy);
}

// The open record, if it was drawn with `tool`.
bool MouseEngine::openRecordOf(int tool) const {
  return list.recordOpen() && list.NumPoints > list.ItemHead &&
         headerType(list.G0[list.ItemHead]) == tool;
}

void MouseEngine::drawClick(float X, float Y) {
  const int tool = ed.CurDrawType;
  if (list.recordOpen() && !openRecordOf(tool)) {
    // A record of another kind is finished first.
    ms.MouseButton = 1;
    P1DBL();
    ms.MouseButton = 1;
  }
  // The click works on the point where it happened, even when no move
  // brought the moving end point there.
  if (openRecordOf(tool)) {
    const int moving = tool == kToolGeometric ? list.ItemFirst + 1 : list.NumPoints;
    if (list.G0[moving] != X || list.G1[moving] != Y) rubberBand(0, X, Y);
  }
  switch (tool) {
    case kToolSpline:
      splineClick(X, Y);
      break;
    case kToolPolyLine:
    case kToolMultiLine:
      lineClick(X, Y);
      break;
    case kToolCircle2:
    case kToolCircle3:
    case kToolArc:
      circleClick(X, Y);
      break;
    case kToolGeometric:
      geometricClick(X, Y);
      break;
    default:
      break;
  }
}

// Opens a record of the tool's type at (X, Y) with its moving end point on
// the same place. False, with a beep, when the list has no room for it.
bool MouseEngine::openRecord(int type, int nParams, float X, float Y, int extra) {
  if (!roomFor(nParams + 3 + extra)) {
    host.beep();
    return false;
  }
  if (!list.CreateItem(type, nParams, X, Y)) {
    host.beep();
    return false;
  }
  hooks_.setDrawCursor();
  list.AddPoint(X, Y, type);
  // The canvas as it is without the new record, for taking its traces off.
  if (canvas() != nullptr) traces_.remember(*canvas());
  return true;
}

void MouseEngine::splineClick(float X, float Y) {
  CanvasDrawing d = drawing();
  if (!list.recordOpen()) {
    if (!openRecord(kTypeSpline, 1, X, Y, 0)) return;
    if (SplinePolyOn) {
      // While the switch is on, splines are drawn as polylines.
      ms.SplineSwitched = true;
      ed.CurDrawType = kToolPolyLine;
      list.G0[list.ItemHead] += 1.0f;
      list.G0[list.ItemHead + 1] = -1.0f;
    }
    drawBand(ed.CurDrawType);
    return;
  }
  const int N = list.NumPoints;
  drawBand(kToolSpline);  // takes the rubber band away
  if (X == list.G0[N - 1] && Y == list.G1[N - 1]) {
    P1DBL();  // a click on the last fixed point ends the spline
    return;
  }
  if (!roomFor(1)) {
    drawBand(kToolSpline);
    host.beep();
    return;
  }
  // The oldest interval of the tail is drawn for good; the rest of the tail
  // stays in the XOR pen and is the rubber band of the lengthened curve,
  // whose new moving end point repeats the clicked one.
  SplineDraw(d, list, list.ItemFirst, N, ctx.PicBackColor, -kBandCount);
  penMode(PenMode::Copy);
  list.AddPoint(X, Y, kToolSpline);
}

// The newest segment is fixed in black with the copy pen, once, over what
// its rubber band left: segments drawn with the XOR pen would take away the
// pixels they share (the round ends of a wide pen, crossings in the copies).
// A segment of no length is not drawn: it cannot outlive the closing of the
// record, which drops repeated points at its end.
void MouseEngine::fixNewestSegment(int tool) {
  const int N = list.NumPoints;
  penMode(PenMode::Copy);
  if (list.G0[N] == list.G0[N - 1] && list.G1[N] == list.G1[N - 1]) return;
  CanvasDrawing d = drawing();
  PlotLines(d, list, list.ItemFirst, N, 0, kBandCount, tool);
}

void MouseEngine::lineClick(float X, float Y) {
  const int tool = ed.CurDrawType;
  if (!list.recordOpen()) {
    if (!openRecord(tool, 1, X, Y, 0)) return;
    drawBand(tool);
    return;
  }
  int N = list.NumPoints;
  if (tool == kToolPolyLine && X == list.G0[N - 1] && Y == list.G1[N - 1]) {
    P1DBL();  // two clicks at one place end the polyline
    return;
  }
  if (!roomFor(1)) {
    host.beep();
    return;
  }
  fixNewestSegment(tool);
  list.AddPoint(X, Y, tool);
  N = list.NumPoints;
  if (N - 2 >= list.ItemFirst) {
    const double len = std::fabs(double(list.G0[N]) - list.G0[N - 2]) +
                       std::fabs(double(list.G1[N]) - list.G1[N - 2]);
    ms.NearDist = std::max(3, static_cast<int>(std::min(std::floor(len), 30000.0)));
  }
  drawBand(tool);
}

void MouseEngine::circleClick(float X, float Y) {
  const int tool = ed.CurDrawType;
  if (!list.recordOpen()) {
    if (!openRecord(tool, 0, X, Y, 0)) return;
    drawBand(tool);
    return;
  }
  drawBand(tool);  // takes the rubber band away
  if (list.NumPoints - list.ItemFirst == 2 || tool == kToolCircle2) {
    P1DBL();
    return;
  }
  if (!roomFor(1)) {
    drawBand(tool);
    host.beep();
    return;
  }
  list.AddPoint(X, Y, tool);
  drawBand(tool);
}

void MouseEngine::geometricClick(float X, float Y) {
  if (!list.recordOpen()) {
    const int extra = PolygonRoomNeeded(polyShape);
    if (!openRecord(kTypeGeometric, 0, X, Y, extra)) return;
    buildPolygon();
    drawBand(kToolGeometric);
    return;
  }
  drawBand(kToolGeometric);
  P1DBL();
  if (!controls.dupButtonVisible() && ed.PaintOnlyMode == 0 && ed.ShowGeoNumbers)
    controls.setDupButtonVisible(true);
}

// The current polygon built on the edge from the first point to the moving
// point; an edge of no length leaves the two edge points.
void MouseEngine::buildPolygon() {
  const int need = list.ItemFirst + 1 + PolygonRoomNeeded(polyShape);
  int last = list.ItemFirst + 1;
  if (list.ensureIndex(need) &&
      BuildPolygonOnEdge(polyShape, list.G0, list.G1, list.ItemHead, list.ItemFirst, last)) {
    list.NumPoints = static_cast<std::int16_t>(last);
  } else {
    list.NumPoints = static_cast<std::int16_t>(list.ItemFirst + 1);
    list.G1[list.ItemFirst - 1] = static_cast<float>(list.NumPoints - list.ItemHead);
  }
}

void MouseEngine::rubberBand(int Button, float X, float Y) {
  const int tool = ed.CurDrawType;
  if (!openRecordOf(tool)) return;
  drawBand(tool);
  if (tool == kToolGeometric) {
    list.G0[list.ItemFirst + 1] = X;
    list.G1[list.ItemFirst + 1] = Y;
    buildPolygon();
    drawBand(tool);
    return;
  }
  list.G0[list.NumPoints] = X;
  list.G1[list.NumPoints] = Y;
  if (tool == kToolPolyLine && Button > 0 && list.NumPoints - list.ItemFirst > 0) {
    // Freehand: with a button held, a point is fixed every NearDist units.
    const int N = list.NumPoints;
    if (Button == 1 && N - list.ItemFirst == 1) ms.NearDist = 3;
    const double step = std::fabs(double(list.G0[N]) - list.G0[N - 1]) +
                        std::fabs(double(list.G1[N]) - list.G1[N - 1]);
    if (step >= ms.NearDist && roomFor(1)) {
      fixNewestSegment(tool);
      list.AddPoint(X, Y, tool);
    }
  }
  drawBand(tool);
}

bool MouseEngine::closeFigure(int type) {
  CanvasDrawing d = drawing();
  const std::span<const float> X(list.G0), Y(list.G1);
  penMode(PenMode::Copy);
  bool redraw = false;
  auto drop = [&] {
    // The rubber band of a stroke that shrank to one point may still show
    // (a dot, or a gap in a line under it): the canvas goes back to what it
    // was without the stroke, or is redrawn.
    if (type != kTypePaint && !showCanvasWithoutOpenRecord()) redraw = true;
    list.NumPoints = static_cast<std::int16_t>(list.ItemHead - 1);
  };
  // The finished figure replaces every trace the stroke left, exactly as a
  // redraw draws it. Where that cannot be done exactly (the figure crosses a
  // fill, which a redraw bounds by it), the figure is drawn and the picture
  // redrawn; but while the working symmetry limits the replicas, the canvas
  // keeps the figure drawn into those alone, as the user drew it.
  auto finish = [&](const std::function<void()>& drawFigure, bool spline = false) {
    if (showRecordExactly(list.ItemHead, list.ItemFirst, list.NumPoints)) return;
    host.setHourglass(true);
    drawFigure();
    host.setHourglass(false);
    // The curve's earlier pieces were drawn while it still changed shape:
    // only a redraw takes them away.
    if (spline || sym.WorkingSym >= kAllReplicas) redraw = true;
  };
  auto setLength = [&] {
    list.G1[list.ItemFirst - 1] = static_cast<float>(list.NumPoints - list.ItemHead);
  };
  switch (type) {
    case kTypeSpline:
      if (list.NumPoints == list.ItemFirst) {
        drop();
        break;
      }
      setLength();
      finish([&] { SplineDraw(d, list, list.ItemFirst, list.NumPoints, 0, kWholeSpline); }, true);
      break;
    case kTypePolyLine:
    case kTypeMultiLine:
      // An unpaired last point goes; a lone first point leaves no record.
      if (type == kTypeMultiLine && list.NumPoints > list.ItemFirst &&
          (list.NumPoints - list.ItemFirst) % 2 == 0) {
        --list.NumPoints;
      }
      if (list.NumPoints == list.ItemFirst) {
        drop();
      } else {
        setLength();
        finish([&] { PlotLines(d, list, list.ItemFirst, list.NumPoints, 0, kWholeRun, type); });
      }
      if (ms.SplineSwitched) {
        ms.SplineSwitched = false;
        ed.CurDrawType = kToolSpline;
      }
      break;
    case kTypeCircle2:
    case kTypeCircle3:
    case kTypeArc:
      if (list.NumPoints == list.ItemFirst) {
        drop();
      } else {
        setLength();
        finish([&] {
          // An arc is finished the way a full redraw draws it, so that the
          // canvas shows what the picture will show.
          if (type == kTypeArc) {
            CirclesAsRedrawn(sym, ctx, X, Y, list.ItemFirst, list.NumPoints, 0, type);
          } else {
            Circles(sym, ctx, X, Y, list.ItemFirst, list.NumPoints, 0, type);
          }
        });
      }
      break;
    case kTypeGeometric:
      if (list.NumPoints == list.ItemFirst) {
        drop();
      } else {
        setLength();
        finish([&] { GeoSegments(sym, ctx, X, Y, list.ItemFirst, list.NumPoints, 0, type); });
      }
      ui.setEditsymEnabled(list.G0[0] == float(kCodeGeometric) ||
                           list.G0[0] == float(kCodeGeometric + kCodeOut));
      break;
    case kTypePaint:
      if (list.NumPoints == list.ItemFirst) {
        drop();
      } else {
        setLength();
      }
      break;
    default:
      setLength();
      break;
  }
  return redraw;
}

}  // namespace orn
