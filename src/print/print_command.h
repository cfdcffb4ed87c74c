#pragma once
// The print command: the picture printed on the printer, one sheet per copy,
// placed and sized through the page-layout dialog. In colour the picture is
// printed as the screen shows it, drawn afresh at a larger size where the
// printed image is larger than the canvas; in black and white the drawing
// is redrawn at the printer's resolution as lines only.
#include <string>

#include "canvas/redraw.h"
#include "print/bitmap_export.h"
#include "print/print_state.h"
#include "print/printer_device.h"

namespace orn {

constexpr const char* kPrinterNotRespondingText =
    "Turn on your printer and try again.  If your printer is on, make sure that you setup your "
    "printer in the Windows Control Panel.";
constexpr const char* kPrinterNotRespondingTitle = "Printer Not Responding";
constexpr const char* kBlackWhiteMessage = "Copying B&W Drawing to Printer";
// The capture of the canvas every print command writes into the program folder.
constexpr const char* kPrintCaptureName = "temp626.bmp";

// What the print command asks of the editor window.
class PrintWindow {
 public:
  virtual ~PrintWindow() = default;
  // Shows the page-layout dialog modally; returns once it has closed.
  virtual void showPrintFrm() = 0;
  // The canvas was drawn on: show it again.
  virtual void canvasChanged() = 0;
  // Hides the tools while a print is drawn (in show mode, puts the canvas
  // back where it belongs) and brings them back afterwards.
  virtual void hideWorkspace() = 0;
  virtual void restoreWorkspace() = 0;
  // A message in the help box while the print is drawn; empty hides it.
  virtual void showPrintMessage(const std::string& text) = 0;
};

struct PrintEnv {
  RedrawEnv& redraw;
  PrintState& ps;
  int& PrintMode;
  bool& PrintInitDone;
  // The measurement setting: 0 metric, else inches.
  int iMeasure;
  PrinterDevice& printer;
  PrintWindow& window;
  ImageWriter& images;
  // Where the capture of the canvas is written.
  std::string capturePath;
};

// "&Print Picture...". Errors after the dialog are passed on to the caller's
// report; the editor is put back in every case (menus, tools, the canvas,
// the printer path off).
void MenFilePrint(PrintEnv& env);

// The message after a print that went into a file instead of a printer.
std::string PrintedToFileText(const std::string& path);

}  // namespace orn
