#include "canvas/redraw.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas/paint_replay.h"
#include "canvas/plot_lines.h"
#include "canvas/shape_render.h"
#include "canvas/spline.h"
#include "model/record_codes.h"
#include "symmetry/parts_select.h"
#include "symmetry/sym_table.h"

namespace orn {

namespace {

constexpr Rgb kRed = 255;
constexpr Rgb kButtonDrawing = 0x80FFFF;
constexpr Rgb kButtonEditing = 0x80FF80;
constexpr Rgb kButtonSelected = 0xFFFFFF;
constexpr Rgb kRedrawButtonIdle = 0xFF8080;
constexpr int kProjectRow = 7;

// One PAINT record collected for the High Speed Repaint replay.
struct CollectedFills {
  int first;
  int last;
  int part;
};

// State of one redraw that its steps share.
struct Walk {
  Rgb geoColour = 0;
  int geoCount = 0;
  bool stopped = false;
  bool cleared = false;
  bool collect = false;
  bool captureEnded = false;
  std::vector<CollectedFills> drawTable;
};

void selectPart(RedrawEnv& e, int part) {
  e.sym.CurPart = part;
  if (CheckSymData(e.sym, e.list) == SymRebuild::Corrupt) e.ui.reportCorruptSymmetry();
  e.ui.PutSymState(e.sym.CurPart);
}

void colourToolButtons(RedrawEnv& e, bool redrawing) {
  const int tool = e.ed.CurDrawType;
  if (redrawing) {
    if (tool > kEditToolBoundary) {
      e.pick.SplitPick1 = 0;
      e.pick.SplitPick2 = 0;
      e.ui.setToolButtonColor(tool, kButtonEditing);
    } else {
      e.ui.setToolButtonColor(tool, kButtonDrawing);
    }
    e.ui.setRedrawButtonColor(kButtonSelected);
  } else {
    e.ui.setRedrawButtonColor(kRedrawButtonIdle);
    e.ui.setToolButtonColor(tool, kButtonSelected);
  }
  if (tool == kToolGeometric) e.ui.GeoSh();
}

// Black lines between the pages of a project.
void drawProjectPages(RedrawEnv& e, Surface& canvas) {
  const float x = e.views.at(kProjectRow, 2);
  // Without a page count there is no page to separate: only the right edge.
  const int pages = e.ed.ProjPages < 1 ? 0 : e.ed.ProjPages;
  const float step = pages > 0 ? e.views.at(kProjectRow, 5) / static_cast<float>(pages) : 0.0f;
  const Rgb pen = canvas.penColor();
  canvas.setPenMode(PenMode::Copy);
  canvas.setPenColor(kBlack);
  canvas.line(toPixel(x), 0, toPixel(x), canvas.height());
  for (int k = 1; k <= pages; ++k) {
    const int y = toPixel(k * double(step));
    canvas.line(0, y, toPixel(x), y);
  }
  canvas.setPenColor(pen);
}

// Clears the canvas, draws the base-shape highlight and the page lines, and
// arms the fill collection of High Speed Repaint.
void prepareCanvas(RedrawEnv& e, Walk& w) {
  Surface* canvas = e.ctx.Picture1;
  if (!e.ed.SymSetupDraw && e.ed.ColorMode <= kColorSwapArmed && !e.ed.BigBitmapMode) {
    if (canvas != nullptr) canvas->clear();
    w.cleared = true;
  }
  if (e.list.NumPoints > 0 && e.ed.YellowBase && e.ed.ColorMode < kColorSwapApplying &&
      !e.ed.BigBitmapMode) {
    selectPart(e, 1);
    e.ui.ShowSymme(1);
    selectPart(e, 0);
    w.cleared = false;
  }
  if (e.ed.ProjectView && canvas != nullptr) drawProjectPages(e, *canvas);
  e.ed.ProgressColor = kProgressDrawColor;
  if (e.ctx.PaintOrderMode != 0) {
    e.ctx.PaintOrderMode = 1;
    w.collect = true;
  }
  e.ctx.ExtendLast = -1;
}

// The part a SYMMETRY CHG entry switches to (its new value), or -1 when it
// switches none.
int partNamedBy(const DrawingList& list, int i) {
  // A value that is not a whole number is a stray entry, not a part change.
  if (list.G1[i] != std::floor(list.G1[i])) return -1;
  int part = roundEntry(list.G1[i]);
  if (part >= 0) part %= 100;
  return part <= kMaxParts ? part : -1;
}

// A SYMMETRY CHG entry: the part named by its new value becomes current.
void followSymmetryChange(RedrawEnv& e, int i) {
  if (e.ed.DebugSymChg) e.list.G1[i] = 0.0f;
  const int part = partNamedBy(e.list, i);
  if (part >= 0 && part != e.sym.CurPart) selectPart(e, part);
}

// Draws one shape record, or counts, collects and (in the paint pass) fills
// a PAINT record.
void dispatch(RedrawEnv& e, Walk& w, int pass, int type, int head, int first, int last) {
  CanvasDrawing d = e.drawing();
  const std::span<const float> X(e.list.G0);
  const std::span<const float> Y(e.list.G1);
  switch (type) {
    case kTypeSpline:
      SplineDraw(d, e.list, first, last, 0, kWholeSpline);
      break;
    case kTypePolyLine:
    case kTypeMultiLine:
      PlotLines(d, e.list, first, last, 0, 100, type);
      break;
    case kTypeCircle2:
    case kTypeCircle3:
    case kTypeArc:
      Circles(e.sym, e.ctx, X, Y, first, last, 0, type);
      break;
    case kTypeGeometric: {
      ++w.geoCount;
      e.ctx.ExtendFirst = 1;
      // Base shapes ahead of the symmetry block follow the grid colour.
      const bool baseShape = e.sym.GeoCapture == 0 && head < e.sym.SymStart;
      if (!baseShape) {
        GeoSegments(e.sym, e.ctx, X, Y, first, last, w.geoColour, type);
      } else if (e.ed.GridMode == 0) {
        GeoSegments(e.sym, e.ctx, X, Y, first, last, w.geoColour, type);
      } else if (e.ed.GridMode == 1) {
        GeoSegments(e.sym, e.ctx, X, Y, first, last, kRed, type);
      }
      e.ctx.ExtendFirst = 0;
      break;
    }
    case kTypePaint:
      if (w.collect) w.drawTable.push_back({first, last, e.sym.CurPart});
      if (pass == 0) {
        ++e.ed.ProgressTotal;
      } else {
        ++e.ed.ProgressCount;
        PaintRecord(d, e.list, e.colour, first, last, 0);
      }
      break;
    default:
      break;  // symmetry items, records taken out of the picture
  }
}

// One pass over the list: pass 0 draws the shapes and counts the PAINT
// records, pass 1 fills them.
void walkPass(RedrawEnv& e, Walk& w, int pass) {
  int i = 0;
  while (i < e.list.NumPoints) {
    if (pass == 0) {
      ShowProgress(e.ed, e.ui, 0, i, e.list.NumPoints);
    } else {
      ShowProgress(e.ed, e.ui, -1, e.ed.ProgressCount, e.list.NumPoints);
    }
    const Frame f = frameAt(e.list, i);
    if (f.kind == FrameKind::Single) {
      if (roundEntry(e.list.G0[i]) == kCodeSymmetryChg) followSymmetryChange(e, i);
      ++i;
      continue;
    }
    if (f.kind != FrameKind::Record) {
      ++i;  // a stray or damaged entry is stepped over singly
      continue;
    }
    const int type = roundEntry(e.list.G0[i]) - kCodeHeader;

    // The stop is honoured before a record; the record under way is finished.
    if (e.ed.StopFlag != 0 && e.ed.ColorMode == kColorIdle) w.stopped = true;
    if (w.stopped) {
      i = f.next();
      continue;
    }
    e.ui.showCanvas();
    e.host.pumpEvents();
    if ((e.host.ctrlKeyDown() || e.ed.StopFlag != 0) && e.ed.ColorMode == kColorIdle) w.stopped = true;

    // The set-up's redraws draw only the leading base shapes.
    if (e.sym.GeoCapture > 0 && type != kTypeGeometric) {
      w.captureEnded = true;
      return;
    }
    if (pass == 0 || type == kTypePaint) dispatch(e, w, pass, type, f.head, f.first, f.last);
    i = f.next();
  }
}

void walk(RedrawEnv& e, Walk& w) {
  for (int pass = e.ed.ColorMode > kColorSwapArmed ? 1 : 0; pass <= 1; ++pass) {
    walkPass(e, w, pass);
    if (w.captureEnded) return;
    e.ctx.ExtendLast = 0;
    FrameProgress(e.ui, kProgressDrawColor);
    w.collect = false;
    // Fills are shown only while the paint panel is.
    if (!e.ed.ColorToolsOn || e.sym.GeoCapture > 0 || e.ed.ProgressTotal == 0) return;
    e.ed.ProgressColor = kProgressPaintColor;
  }
}

// High Speed Repaint: the collected PAINT records are filled again from the
// newest to the oldest, each region only once, where the mark a seed left
// still shows.
void replayNewestFirst(RedrawEnv& e, Walk& w) {
  if (e.ctx.PaintOrderMode != 1) return;
  e.ctx.PaintOrderMode = 2;
  const int kept = e.sym.CurPart;
  if (e.sym.CurPart != 0) selectPart(e, 0);
  CanvasDrawing d = e.drawing();
  for (auto it = w.drawTable.rbegin(); it != w.drawTable.rend(); ++it) {
    if (it->part != e.sym.CurPart) selectPart(e, it->part);
    PaintRecord(d, e.list, e.colour, it->first, it->last, 0);
  }
  if (e.sym.CurPart != kept) selectPart(e, kept);
  e.ctx.PaintOrderMode = -1;
}

// The duplicate tool is offered while the picture has polygons.
void offerDuplicateTool(RedrawEnv& e, bool polygons) {
  if (polygons) {
    if (!e.ui.dupButtonVisible() && e.ed.PaintOnlyMode == 0 && !e.ui.showMode() && e.ed.ShowGeoNumbers)
      e.ui.setDupButtonVisible(true);
  } else if (e.ui.dupButtonVisible()) {
    e.ui.setDupButtonVisible(false);
  }
}

void finish(RedrawEnv& e, Walk& w) {
  if (e.sym.GeoCapture == 0) {
    // A redraw that only repaints the fills (a swap, a turn of the wheel)
    // walks past the shapes unseen: it leaves the tool as it was.
    if (e.ed.ColorMode <= kColorSwapArmed) offerDuplicateTool(e, w.geoCount > 0);
  } else if (e.sym.GeoCapture == 1) {
    e.sym.GeoCapture = 2;
  } else {
    e.ui.SymShowHandles(0);
  }

  ClearProgress(e.ui);
  e.ed.DotsMode = 0;
  if (e.ed.CurDrawType > kEditToolBoundary && !w.stopped) DoDots(e, 0);
  colourToolButtons(e, false);
  e.ui.startNoRedrawTimer();
  e.ed.AllowDoEvents = false;
  // A capture redraw ends inside its pass; the lengthening must not outlive it.
  e.ctx.ExtendLast = 0;
  e.ctx.ExtendFirst = 0;
  if (e.ctx.DrawTarget != kDrawMemBmp) e.ui.CopyToBmap();
  e.ed.DrawBusy = false;
  e.ui.setStopSignVisible(false);
  if (!e.ui.setupPanelVisible() && e.ed.PreviewFlag == 0) e.ui.MenEnable(true);
  e.ed.StopFlag = 0;
  e.ed.Redrawing = false;
  e.ui.redrawFinished();
}

// Puts the editor back into a usable state when a redraw is abandoned by an
// error, before the error reaches the command's report.
class AbandonGuard {
 public:
  explicit AbandonGuard(RedrawEnv& e) : e_(e) {}
  ~AbandonGuard() {
    if (!armed_) return;
    e_.ed.AllowDoEvents = false;
    e_.ed.DrawBusy = false;
    e_.ed.Redrawing = false;
    e_.ed.StopFlag = 0;
    e_.ctx.ExtendLast = 0;
    e_.ctx.ExtendFirst = 0;
    if (e_.ctx.PaintOrderMode != 0) e_.ctx.PaintOrderMode = -1;
    e_.ui.setStopSignVisible(false);
    e_.ui.MenEnable(true);
    e_.ui.redrawFinished();
  }
  void disarm() { armed_ = false; }

 private:
  RedrawEnv& e_;
  bool armed_ = true;
};

}  // namespace

void DrawAll(RedrawEnv& e, int Index) {
  EditorState& ed = e.ed;
  if (RedrawRunning(ed)) return;  // never re-entered
  ed.Redrawing = true;
  if (Index == 0) {
    // The Redraw button always cancels a pending colour action.
    ed.ColorMode = kColorIdle;
    e.colour.SwapIndex = 0;
    if (e.ui.noRedrawTimerActive()) {
      ed.Redrawing = false;
      return;
    }
  }
  if (ed.FinishingTool) {
    ed.Redrawing = false;
    return;
  }
  AbandonGuard guard(e);
  ed.SkipSplineRedraw = true;
  ed.DrawBusy = true;
  e.ui.setStopSignVisible(true);
  e.ui.MenEnable(false);
  e.host.pumpEvents();  // shows the stop button at once

  ed.StopFlag = 0;
  ed.StopReq = false;
  ed.ProgressCount = 0;
  ed.AllowDoEvents = true;
  if (e.ctx.Picture1 != nullptr) e.ctx.Picture1->setPenMode(PenMode::Copy);
  UseLineWidth(e.ctx);
  if (e.sym.CurPart > 0) selectPart(e, 0);  // every redraw follows the list's part changes

  Walk w;
  w.geoColour = e.sym.GeoCapture > 0 ? kRed : 0;
  colourToolButtons(e, true);
  ed.ProgressTotal = 0;
  prepareCanvas(e, w);
  walk(e, w);
  replayNewestFirst(e, w);
  finish(e, w);
  guard.disarm();
}

namespace {

// The controls of a redraw made off the window: they show nothing but the
// base-shape highlight, which is a part of the picture.
class OffWindowControls : public EditorControls {
 public:
  OffWindowControls(SymState& sym, DrawContext& ctx, const DrawingList& list) : sym_(sym), ctx_(ctx), list_(list) {}
  void ShowSymme(int region) override { orn::ShowSymme(sym_, ctx_, list_, region); }

 private:
  SymState& sym_;
  DrawContext& ctx_;
  const DrawingList& list_;
};

}  // namespace

std::optional<Surface> RedrawnPicture(RedrawEnv& e, int end) {
  const Surface* shown = e.ctx.Picture1;
  if (shown == nullptr || shown->empty()) return std::nullopt;
  DrawingList list = e.list;
  end = std::clamp(end, 0, int(list.NumPoints));
  list.G0[end] = float(kCodeEnd);
  list.G1[end] = 0.0f;
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(end);
  SymState sym = e.sym;
  EditorState ed = e.ed;
  ed.ColorMode = kColorIdle;
  ed.DrawBusy = ed.Redrawing = ed.FinishingTool = false;
  ed.StopFlag = 0;
  ed.SymSetupDraw = ed.BigBitmapMode = false;
  PickState pick = e.pick;
  ColourState colour = e.colour;
  Surface canvas(shown->width(), shown->height(), e.ctx.PicBackColor);
  DrawContext ctx = e.ctx;
  ctx.Picture1 = &canvas;
  ctx.MemBmp = nullptr;
  ctx.Printer = nullptr;
  ctx.PrintPath = false;
  ctx.DrawTarget = kDrawCanvas;
  ctx.WallMeasure = false;
  ctx.LimitReplicas = false;
  NullHost host;
  OffWindowControls controls(sym, ctx, list);
  RedrawEnv off{list, sym, ctx, ed, pick, colour, e.views, host, controls};
  DrawAll(off, 1);
  return canvas;
}

void ForEachFillAsRedrawn(const DrawingList& list, const SymState& sym,
                          const std::function<void(const SymState& sym, int colourEntry)>& fill) {
  SymState parts = sym;
  auto select = [&](int part) {
    parts.CurPart = part;
    CheckSymData(parts, list);
  };
  select(0);
  int i = 0;
  while (i < list.NumPoints) {
    const Frame f = frameAt(list, i);
    if (f.kind == FrameKind::Single && roundEntry(list.G0[i]) == kCodeSymmetryChg) {
      const int part = partNamedBy(list, i);
      if (part >= 0 && part != parts.CurPart) select(part);
    }
    if (f.kind != FrameKind::Record) {
      ++i;
      continue;
    }
    if (f.type == kTypePaint) {
      for (int k = f.first; k + 1 <= f.last; k += 2)
        if (list.G0[k] != kDeletedPoint && list.G0[k + 1] != kDeletedPoint) fill(parts, k);
    }
    i = f.next();
  }
}

bool PaintOrder_Click(DrawContext& ctx) {
  const bool checked = ctx.PaintOrderMode == 0;
  ctx.PaintOrderMode = checked ? -1 : 0;
  return checked;
}

}  // namespace orn
