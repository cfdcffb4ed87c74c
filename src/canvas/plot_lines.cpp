#include "canvas/plot_lines.h"

#include <algorithm>

#include "model/record_codes.h"
#include "symmetry/replication.h"

namespace orn {

namespace {

constexpr Rgb kPickRed = 255;

// Every 100 segments inside a redraw: pump, honour a stop, move the bar.
// True when the run must end.
bool pumpEvery100(CanvasDrawing& d, int counter, int i, int numPoints) {
  if (counter % 100 != 0) return false;
  if (!d.ed.AllowDoEvents || d.ed.ColorMode != kColorIdle) return false;
  if (PumpAndTestStop(d)) return true;
  ShowProgress(d.ed, d.ui, 0, i, numPoints);
  return false;
}

void segment(CanvasDrawing& d, const DrawingList& list, int a, int b, Rgb colour) {
  SymmLine(d.sym, d.ctx, list.G0[a], list.G1[a], list.G0[b], list.G1[b], colour);
}

}  // namespace

void PlotLines(CanvasDrawing& d, const DrawingList& list, int From, int To, Rgb Colour, int Count,
               int Mode) {
  // Never read past the list, whatever a damaged record says.
  const int size = static_cast<int>(std::min(list.G0.size(), list.G1.size()));
  To = std::min(To, size - 1);
  if (From < 0 || To <= From) return;

  int Start = Count < kWholeRunCount ? To - 1 : From;
  int counter = 0;
  const int lo = std::min<int>(d.pick.HitIndex, d.pick.SplitPick2);
  const int hi = std::max<int>(d.pick.HitIndex, d.pick.SplitPick2);

  if (Mode == kToolPolyLine) {
    if (d.ed.SecondPick) Colour = Start == lo ? kPickRed : 0;
    for (int i = Start + 1; i <= To; ++i) {
      ++counter;
      if (pumpEvery100(d, counter, i, list.NumPoints)) break;
      PlotChainSegment(d, list, Start, To, i, Colour);
      if (d.ed.SecondPick) {
        if (i == lo) Colour = kPickRed;
        if (i == hi) Colour = 0;
      }
    }
    // Also after a stop, so that later lines are lengthened as they should be.
    d.ctx.ExtendFirst = 0;
    return;
  }

  // Pairs, counted from From: the last point of an odd run waits for its partner.
  if ((Start - From) % 2 != 0) ++Start;
  const int lastStart = (To - From) % 2 == 0 ? To - 1 : To;
  for (int i = Start; i <= lastStart; i += 2) {
    counter += 2;
    if (pumpEvery100(d, counter, i, list.NumPoints)) return;
    if (list.G0[i] != kDeletedPoint && i + 1 <= To) segment(d, list, i, i + 1, Colour);
  }
}

void PlotChainSegment(CanvasDrawing& d, const DrawingList& list, int From, int To, int i, Rgb Colour) {
  d.ctx.ExtendFirst = (i != From + 1 && i != To) ? 1 : 0;
  segment(d, list, i - 1, i, Colour);
  d.ctx.ExtendFirst = 0;
}

void PrintLine(PrinterPage& printer, float PrintOffset, float X1, float Y1, float X2, float Y2,
               Rgb Colour) {
  if (PrintOffset == 0.0f) {
    printer.line(X1, Y1, X2, Y2, Colour);
  } else {
    printer.line(PrintOffset - Y1, X1, PrintOffset - Y2, X2, Colour);
  }
}

}  // namespace orn
