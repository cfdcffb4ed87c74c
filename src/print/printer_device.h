#pragma once
// The printer as the print command sees it: the page it offers, and a job
// of pages to print. The program prints through Qt's printing (or into a
// PDF file when no printer is installed); tests record the jobs.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/surface.h"
#include "print/dot_page.h"

namespace orn {

// The printable area of the printer's page, in its own orientation, in
// device pixels, and its resolution.
struct PrinterInfo {
  int width = 0;
  int height = 0;
  int dpiX = 0;
  int dpiY = 0;
};

// One line on the page, in device pixels.
struct PrintedLine {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Rgb colour = kBlack;
};

// What goes on every copy's sheet. Coordinates are device pixels of the
// printable area, in the page orientation the job asks for.
struct PrintJob {
  // false: the printer's own orientation (the page shape it reported);
  // true: its page turned a quarter (width and height swapped).
  bool turnPage = false;
  int copies = 1;
  // A picture stretched into a rectangle ...
  Surface image;
  int imageX = 0, imageY = 0, imageW = 0, imageH = 0;
  // ... or lines, drawn by the program at the printer's resolution: the
  // black ones as dots on a page the size of the printable area, printed at
  // its origin one dot per device pixel, ...
  DotPage page;
  // ... and those in other colours (the grid's red) drawn over it with a
  // round pen of this width.
  int penWidth = 1;
  std::vector<PrintedLine> lines;
  // ... or a listing: lines of text in a fixed-pitch font, each character one
  // column, on as many pages as they need.
  std::vector<std::string> text;
  // Where the job goes when the printer prints into a file: empty for the
  // printer's own file. A listing has a file of its own, so that it never
  // replaces a print.
  std::string fileName;
};

// Lets the window see to its events between the steps of a long print.
using PumpEvents = std::function<void()>;

struct PrintOutcome {
  bool ok = false;
  std::string error;   // why nothing was printed
  std::string toFile;  // set when the job went into this file, not to a printer
};

class PrinterDevice {
 public:
  virtual ~PrinterDevice() = default;
  // Name shown in the dialog's caption.
  virtual std::string name() const = 0;
  // The page and resolution; nothing when the printer does not answer.
  virtual std::optional<PrinterInfo> pageInfo() = 0;
  // Prints one sheet per copy, calling `pump` between its steps.
  virtual PrintOutcome print(const PrintJob& job, const PumpEvents& pump) = 0;
  // The printer set-up dialog: which printer, and its own settings; and the
  // page set-up dialog: paper and orientation. Each shows the page in
  // `orientation` (kPortrait or kLandscape, the print layout's) and leaves
  // there the orientation chosen, so that the dialogs and the layout always
  // show one orientation.
  virtual void printSetup(int& orientation) { (void)orientation; }
  virtual void pageSetup(int& orientation) { (void)orientation; }
};

}  // namespace orn
