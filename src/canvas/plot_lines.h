#pragma once
// Polylines and multi lines drawn from the drawing list through the line
// replication, and the printer's last step for one segment.
#include "canvas/canvas_drawing.h"
#include "model/drawing_list.h"

namespace orn {

// Count values: below this only the newest segment is drawn.
constexpr int kWholeRunCount = 50;

// Draws the points From..To of the list: Mode 1 as one connected chain, any
// other Mode as separate segments of two points each (a pair whose first
// point is deleted is skipped). With Count below 50 only the newest segment
// is drawn, else the whole run. Only the two outer ends of a chain may be
// lengthened. While the Erase Lines tool has its second pick, the run between
// the picks is drawn red and the rest black.
void PlotLines(CanvasDrawing& d, const DrawingList& list, int From, int To, Rgb Colour, int Count,
               int Mode);

// Segment i (from point i - 1 to point i) of the chain From..To, drawn as a
// drawing of the whole chain draws it: lengthened only at the chain's ends.
void PlotChainSegment(CanvasDrawing& d, const DrawingList& list, int From, int To, int i, Rgb Colour);

// The printer page in the printer's current scale.
class PrinterPage {
 public:
  virtual ~PrinterPage() = default;
  virtual void line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
};

// One clipped segment on the printer. With a PrintOffset the picture is
// printed turned by a quarter turn: each point (x, y) goes to
// (PrintOffset - y, x).
void PrintLine(PrinterPage& printer, float PrintOffset, float X1, float Y1, float X2, float Y2,
               Rgb Colour);

}  // namespace orn
