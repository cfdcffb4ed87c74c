#pragma once
// The arithmetic of a print: the page layout the print command starts from,
// and the printer's scale under which a black-and-white print lands the
// canvas in the image rectangle, drawn straight or turned a quarter.
#include <vector>

#include "canvas/plot_lines.h"
#include "print/print_state.h"
#include "print/printer_device.h"
#include "symmetry/draw_context.h"

namespace orn {

// Where the image rectangle starts on a fresh layout, in page units.
constexpr int kFirstImageOffset = 100;

// Sets up the print settings for this printer and canvas: the unit from the
// measurement setting (0 centimetres, else inches), the page in the
// orientation the user chose last (or, with SetupPanelOn, the printer's),
// the resolution, and the image rectangle at (100, 100) one canvas pixel per
// printer pixel, one copy, with a border.
void InitPrintSettings(PrintState& ps, const PrinterInfo& printer, int iMeasure, int canvasWidth,
                       int canvasHeight);

// The printer page's user scale: a point (x, y) lands on device pixel
// ((x - left) * devWidth / width, (y - top) * devHeight / height).
struct PrinterScale {
  float left = 0, top = 0, width = 1, height = 1;
  int devWidth = 1, devHeight = 1;
};

// The scale of a black-and-white print of a canvas SW x SH. Not turned, the
// canvas fills the image rectangle on the page as laid out; turned, the
// page as laid out lies a quarter turn round on the printer's own page, its
// left edge along the printer's top edge (PrintLine then draws (x, y) at
// (SH - y, x)).
PrinterScale BlackWhiteScale(const PrintState& ps, float SW, float SH, bool turned);

// Pen of a black-and-white print, in device pixels, for a picture printed
// eight device pixels per canvas pixel: 4 for the thinnest line width, else
// 8 per unit of line width.
int PrintPenWidth(int LineWidth);

// The pen of a black-and-white print with `dotsPerPixel` device pixels per
// canvas pixel: PrintPenWidth, but never wider than the lines are on the
// printed picture (LineWidth canvas pixels), and at least one pixel. So the
// print shows the drawing as the colour print shows its lines, however
// small it is printed.
int BlackWhitePen(int LineWidth, double dotsPerPixel);

// Puts the lines of a black-and-white print into its job: the black ones
// drawn with a round pen `penWidth` pixels wide on a page of dots the size of
// the printer's page (width x height device pixels), the others (the grid's
// red) kept as lines to be drawn over it. Drawn in one go after the redraw,
// the page stays in the processor's cache instead of taking turns with the
// screen's canvas.
void DrawPage(const std::vector<PrintedLine>& lines, int width, int height, int penWidth, PrintJob& job);

// Receives the printer's segments of a redraw and keeps them as lines in
// device pixels.
class PageRecorder : public PrintSink, private PrinterPage {
 public:
  PageRecorder(const PrinterScale& scale, float PrintOffset, std::vector<PrintedLine>& out)
      : scale_(scale), offset_(PrintOffset), out_(out) {}
  void PrintLine(float x1, float y1, float x2, float y2, Rgb colour) override;
  float PrintScaleWidth() const override { return scale_.width; }

 private:
  void line(float x1, float y1, float x2, float y2, Rgb colour) override;
  PrinterScale scale_;
  float offset_;
  std::vector<PrintedLine>& out_;
};

}  // namespace orn
