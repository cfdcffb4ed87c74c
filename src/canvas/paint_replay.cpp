#include "canvas/paint_replay.h"

#include <cmath>

#include "canvas/redraw.h"
#include "colour/colour_model.h"
#include "colour/colour_wheel.h"
#include "model/record_codes.h"
#include "symmetry/replication.h"
#include "symmetry/sym_table.h"

namespace orn {

namespace {

// The colour a fill is made in, after the recolouring that the current
// colour action asks for has been written into its colour entry.
Rgb fillColour(CanvasDrawing& d, DrawingList& list, ColourState& colour, int i) {
  const int mode = d.ed.ColorMode;
  const bool replay = d.ctx.PaintOrderMode == 2;
  const float before = list.G1[i];
  if (mode == kColorWheelApplying && !replay) {
    // A colour off the wheel that equals a wheel colour first takes its code.
    const Rgb entryRgb = static_cast<Rgb>(std::llrint(double(list.G1[i]))) & 0xFFFFFF;
    int entry = WheelCodeOf(roundEntry(list.G0[i]), entryRgb, colour.ColorTable);
    list.G0[i] = static_cast<float>(entry);
    if (const std::optional<Rgb> turned = ReColorCode(entry, colour.RotateStep, colour.ColorTable)) {
      if (entry < kColorEntryBase) entry += kColorEntryBase;
      list.G1[i] = static_cast<float>(*turned);
      list.G0[i] = static_cast<float>(entry);
    }
  } else if (colour.SwapOldRGB != -1 && !replay) {
    // The replay of High Speed Repaint visits every fill a second time; a
    // swap applied twice would trade the colours straight back.
    const long long entryRgb = std::llrint(double(list.G1[i]));
    if (entryRgb == colour.SwapOldRGB) {
      list.G0[i] = static_cast<float>(kColorEntryBase + colour.SwapNewCode);
      list.G1[i] = static_cast<float>(colour.SwapNewRGB);
    } else if (entryRgb == colour.SwapNewRGB && colour.SwapIndex != 0) {
      list.G0[i] = static_cast<float>(kColorEntryBase + colour.SwapOldCode);
      list.G1[i] = static_cast<float>(colour.SwapOldRGB);
    }
  }
  // Only a fill whose colour changed changes the picture: a turn by no step
  // or a swatch exchanged with itself leaves it as it was.
  if (list.G1[i] != before) d.ed.PicChanged = true;
  return static_cast<Rgb>(std::llrint(double(list.G1[i]))) & 0xFFFFFF;
}

}  // namespace

void PaintRecord(CanvasDrawing& d, DrawingList& list, ColourState& colour, int First, int Last,
                 int Erase) {
  if (First < 0 || Last >= list.size()) return;
  const bool backwards = d.ctx.PaintOrderMode == 2;
  int i = backwards ? Last - 1 : First;
  const int step = backwards ? -2 : 2;
  int counter = 0;
  for (; backwards ? i >= First : i + 1 <= Last; i += step) {
    ++counter;
    if (counter % 10 == 0 && PumpAndTestStop(d)) return;
    // A removed fill: its colour entry (or, in older lists, its seed) is -7777.
    if (list.G0[i] == kDeletedPoint || list.G0[i + 1] == kDeletedPoint) continue;
    const Rgb fill = Erase != 0 ? d.ctx.PicBackColor : fillColour(d, list, colour, i);
    SymmPaint(d.sym, d.ctx, fill, list.G0[i + 1], list.G1[i + 1], kBlack, FillType::Border);
  }
}

bool FillsLikeInkOrBackground(const DrawingList& list, const EditorState& ed, const DrawContext& ctx) {
  if (!ed.ColorToolsOn) return false;
  for (int i : colourEntryIndexes(list, false)) {
    const float entry = list.G1[i];
    if (!std::isfinite(entry)) continue;
    const Rgb colour = static_cast<Rgb>(std::llrint(double(entry))) & 0xFFFFFF;
    const Rgb brush = ctx.GrayPaint ? GrayOf(colour) : colour;
    if (brush == kBlack || brush == (ctx.PicBackColor & 0xFFFFFF)) return true;
  }
  return false;
}

namespace {

constexpr Rgb kPointMarker = 255;

// A 3 x 3 filled box around the point.
void marker(Surface& canvas, float x, float y, Rgb colour) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  const int px = toPixel(x);
  const int py = toPixel(y);
  canvas.fillBox(px - 1, py - 1, px + 1, py + 1, colour);
}

bool colourHandleTool(int tool) {
  return tool == kToolAdjustColorHandles || tool == kToolDeleteColorHandle || tool == kToolPaint;
}

void dotsOfRecord(Surface& canvas, const DrawingList& list, const Frame& f, int tool) {
  if (colourHandleTool(tool)) {
    for (int j = f.first; j <= f.last; ++j) {
      if (list.G0[j] < kColorEntryBase) continue;
      if (j + 1 > f.last) break;
      marker(canvas, list.G0[j + 1], list.G1[j + 1], PtMarkColor(list.G1[j]));
      ++j;  // past the seed
    }
    return;
  }
  for (int j = f.first; j <= f.last; ++j) {
    if (list.G0[j] >= kColorEntryBase) {
      ++j;  // a colour entry goes with its seed
      continue;
    }
    if (list.G0[j] == kDeletedPoint) continue;
    if (tool == kToolDuplicate) {
      const bool circleCentre = f.type == kTypeCircle2 && j == f.first;
      const bool geoCentre = f.type == kTypeGeometric && j == f.last;
      if (!circleCentre && !geoCentre) continue;
    }
    marker(canvas, list.G0[j], list.G1[j], kPointMarker);
  }
}

}  // namespace

void DoDots(RedrawEnv& e, int /*Mode*/) {
  DrawingList& list = e.list;
  const int tool = e.ed.CurDrawType;

  // Another tool's record still open is closed first.
  if (tool != kToolPaint && list.recordOpen() && list.ItemFirst >= 1) {
    list.G1[list.ItemFirst - 1] = static_cast<float>(list.NumPoints - list.ItemHead);
    list.closeRecord();
  }

  if (tool == kToolDuplicate && e.ed.DotsMode != 0 && e.ed.DotsMode != kToolDuplicate) {
    // Another tool's dots are on the canvas: only a redraw takes them away.
    DrawAll(e, 1);
    e.ed.DotsMode = kToolDuplicate;
    return;
  }
  e.ed.DotsMode = tool == kToolPaint ? kToolAdjustColorHandles : tool;

  Surface* canvas = e.ctx.Picture1;
  if (canvas == nullptr) return;
  // The base shapes and symmetry items at the head of the list carry no dots.
  int i = (e.sym.GeoCapture == 0 && e.sym.SymStart != 0) ? e.sym.SymEnd + 1 : 0;
  while (i < list.NumPoints) {
    const Frame f = frameAt(list, i);
    if (f.kind == FrameKind::Record && f.type >= 0 && f.type < kTypeSymmetryItem) {
      dotsOfRecord(*canvas, list, f, tool);
      i = f.next();
    } else {
      ++i;
    }
  }
}

}  // namespace orn
