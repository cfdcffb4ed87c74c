#include "print/print_job.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orn {

void InitPrintSettings(PrintState& ps, const PrinterInfo& printer, int iMeasure, int canvasWidth,
                       int canvasHeight) {
  if (iMeasure == 0) {
    ps.UnitFactor = 2.54f;
    ps.UnitName = "cm";
  } else {
    ps.UnitFactor = 1.0f;
    ps.UnitName = "inches";
  }
  ps.PageWidth = printer.width;
  ps.PageHeight = printer.height;
  ps.PrintLandscape = ps.PageWidth > ps.PageHeight ? kLandscape : kPortrait;
  if (ps.SetupPanelOn) {
    ps.PrintOrientation = ps.PrintLandscape;
  } else if (ps.PrintOrientation != ps.PrintLandscape) {
    std::swap(ps.PageWidth, ps.PageHeight);
  }
  ps.PrinterDpiX = printer.dpiX;
  ps.PrinterDpiY = printer.dpiY;
  ps.ImageX = kFirstImageOffset;
  ps.ImageY = kFirstImageOffset;
  ps.ImageW = canvasWidth;
  ps.ImageH = canvasHeight;
  ps.AspectRatio = canvasHeight > 0 ? float(canvasWidth) / float(canvasHeight) : 1.0f;
  ps.Copies = 1;
  ps.ImageScale = 1.0f;
  ps.PrintBorder = 1;
}

PrinterScale BlackWhiteScale(const PrintState& ps, float SW, float SH, bool turned) {
  PrinterScale s;
  const float pw = float(ps.PageWidth), ph = float(ps.PageHeight);
  if (!turned) {
    s.devWidth = ps.PageWidth;
    s.devHeight = ps.PageHeight;
    s.width = pw * SW / float(ps.ImageW);
    s.left = -float(ps.ImageX) * s.width / pw;
    s.height = ph * SH / float(ps.ImageH);
    s.top = -float(ps.ImageY) * s.height / ph;
  } else {
    // The printer's own page is the laid-out page turned: PageHeight wide.
    s.devWidth = ps.PageHeight;
    s.devHeight = ps.PageWidth;
    s.height = pw * SW / float(ps.ImageW);
    s.top = -float(ps.ImageX) * s.height / pw;
    s.width = ph * SH / float(ps.ImageH);
    s.left = float(ps.ImageY + ps.ImageH) * s.width / ph - s.width;
  }
  return s;
}

void DrawPage(const std::vector<PrintedLine>& lines, int width, int height, int penWidth, PrintJob& job) {
  job.page = DotPage(width, height);
  job.penWidth = penWidth;
  job.lines.clear();
  for (const PrintedLine& l : lines) {
    if (l.colour == kBlack) {
      job.page.line(l.x1, l.y1, l.x2, l.y2, penWidth);
    } else {
      job.lines.push_back(l);
    }
  }
}

int PrintPenWidth(int LineWidth) { return LineWidth <= 1 ? 4 : 8 * LineWidth; }

int BlackWhitePen(int LineWidth, double dotsPerPixel) {
  const double share = std::max(LineWidth, 1) * dotsPerPixel;
  const int widest = PrintPenWidth(LineWidth);
  if (!(share < widest)) return widest;  // also for a share that is not a number
  return std::max(1, static_cast<int>(std::lround(share)));
}

void PageRecorder::PrintLine(float x1, float y1, float x2, float y2, Rgb colour) {
  orn::PrintLine(*this, offset_, x1, y1, x2, y2, colour);
}

void PageRecorder::line(float x1, float y1, float x2, float y2, Rgb colour) {
  const float kx = float(scale_.devWidth) / scale_.width;
  const float ky = float(scale_.devHeight) / scale_.height;
  out_.push_back({(x1 - scale_.left) * kx, (y1 - scale_.top) * ky, (x2 - scale_.left) * kx,
                  (y2 - scale_.top) * ky, colour});
}

}  // namespace orn
