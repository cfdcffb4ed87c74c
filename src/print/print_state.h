#pragma once
// The print settings: what the page-layout dialog and the print command hand
// each other, and what they keep from one print to the next. The editor owns
// one PrintState for the whole run; the dialog reads it when it opens,
// rewrites it while the user works, and leaves its verdict in it.
//
// Page units are printer pixels in the print layout and bitmap pixels in the
// export layout.
#include <string>

namespace orn {

// Bitmap format codes of the export layout ("BMP 8 bit", "BMP 16 bit",
// "BMP 24 bit", "JPG", "Clipboard"), in the order the dialog lists them.
constexpr int kFormatBmp8 = 12;
constexpr int kFormatBmp16 = 13;
constexpr int kFormatBmp24 = 9;
constexpr int kFormatJpg = 7;
constexpr int kFormatClipboard = 45;
constexpr int kFormatCodes[] = {kFormatBmp8, kFormatBmp16, kFormatBmp24, kFormatJpg,
                                kFormatClipboard};
// PrintMode asking for the format chosen last.
constexpr int kLastFormat = -1;

constexpr int kStyleColor = 1;
constexpr int kStyleBlackWhite = 2;
constexpr int kPortrait = 0;
constexpr int kLandscape = 1;

// What the dialog asks of its caller after it closed.
constexpr int kReopenNone = 0;
constexpr int kReopenDialog = 1;
constexpr int kReopenAfterPageSetup = 2;

// Help topics of the two layouts.
constexpr int kHelpExportLayout = 1018;
constexpr int kHelpPrintLayout = 1023;

// Largest copy count the dialog takes.
constexpr int kMaxCopies = 9999;

// PrintMode, which picks the layout (0 the print layout, else a format code
// of the export layout or kLastFormat), is the file commands' (FileState):
// the same value asks the picture save for a bitmap.
struct PrintState {
  int LastBitmapFormat = 0;  // 0 until a format has been chosen
  int PrintQuality = 1;      // 1 Draft .. 4 High
  int PrintStyle = kStyleColor;
  int PrintBorder = 1;
  int PrintOrientation = kPortrait;  // of the page as laid out in the dialog
  int PrintWhat = 0;                 // 0 Page, 1 Project
  int Copies = 1;

  int PageWidth = 0;  // the printable page, in the laid-out orientation
  int PageHeight = 0;
  int PrinterDpiX = 0;
  int PrinterDpiY = 0;
  float UnitFactor = 1.0f;  // 2.54 for centimetres, 1.0 for inches
  std::string UnitName = "inches";

  // The image rectangle on the page.
  int ImageX = 0;
  int ImageY = 0;
  int ImageW = 0;
  int ImageH = 0;
  float ImageScale = 1.0f;
  float AspectRatio = 1.0f;  // width / height of the picture

  int ModelNumber = 0;  // a polyhedron-net sample (1 .. 7), else 0
  std::string PrinterName;
  bool SetupPanelOn = false;  // the print layout offers "Print Setup"

  // The verdict of the dialog.
  bool GoFlag = false;
  bool PreviewFlag = false;
  int ReopenReason = kReopenNone;
  int HelpContext = 0;

  // The printer's own page is wider than high, as read at the last
  // initialisation.
  int PrintLandscape = 0;
  // The printer set-up warning was shown in this run.
  bool SetupWarned = false;
};

// Brings values read from settings files or left by an earlier dialog into
// the ranges the dialog offers: quality 1..4 (else 1), orientation 0 or 1
// (anything but 1 is portrait), a known format code (else "BMP 8 bit"),
// copies 1..9999, border 0 or 1.
void ClampPrintSettings(PrintState& ps);

// True when `code` is one of the export layout's format codes.
bool IsFormatCode(int code);

}  // namespace orn
