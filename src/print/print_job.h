#pragma once
// The arithmetic of a print: the page layout the print command starts from,
// and the printer's scale under which a black-and-white print lands the
// canvas in the image rectangle, drawn straight or turned a quarter.
#include <utility>
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

// Pen of a black-and-white print, in device pixels: 4 for the thinnest
// line width, else 8 per unit of line width.
int PrintPenWidth(int LineWidth);

// A run of joined lines in one colour, in whole device pixels.
struct PrintedPath {
  Rgb colour = kBlack;
  std::vector<std::pair<int, int>> points;
};

// The lines of a job joined end to start into paths, each line rounded to
// whole device pixels (a fraction of a printer dot is no visible detail): a
// line in the colour of a path that ends where the line starts (or ends)
// continues that path. The replication hands a copy's segments over one
// after another with every other copy's in between; joined, a printer is
// sent each point of a stroke once instead of twice.
std::vector<PrintedPath> JoinLines(const std::vector<PrintedLine>& lines);

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
