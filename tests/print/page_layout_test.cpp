// The page-layout dialog's logic: the preview's arithmetic, the size texts,
// the drags and typed sizes, the options and the closing buttons, checked
// against worked values of a 2400 x 3300 page at 300 dpi.
#include <gtest/gtest.h>

#include <string>

#include "print/page_layout.h"

namespace orn {
namespace {

// A letter page at 300 dpi in inches with a 600 x 450 canvas laid out at
// (100, 100), one canvas pixel per printer pixel.
PrintState Letter(float unitFactor = 1.0f) {
  PrintState ps;
  ps.PageWidth = 2400;
  ps.PageHeight = 3300;
  ps.PrinterDpiX = ps.PrinterDpiY = 300;
  ps.UnitFactor = unitFactor;
  ps.UnitName = unitFactor == 1.0f ? "inches" : "cm";
  ps.ImageX = ps.ImageY = 100;
  ps.ImageW = 600;
  ps.ImageH = 450;
  ps.AspectRatio = 600.0f / 450.0f;
  ps.PrinterName = "Laser";
  return ps;
}

struct Opened {
  explicit Opened(PrintState s, int mode = 0) : ps(std::move(s)), PrintMode(mode) { layout.open(); }
  PrintState ps;
  int PrintMode;
  PageLayout layout{ps, PrintMode};
};

TEST(PageLayout, ThePreviewOfALetterPageAndItsImageFollowTheWorkedValues) {
  Opened o(Letter());
  const PageLayout& l = o.layout;
  EXPECT_NEAR(l.PreviewScale(), 200.0 / 3300, 1e-12);
  EXPECT_NEAR(l.page().width, 145.45, 0.01);
  EXPECT_NEAR(l.page().height, 200.0, 1e-9);
  EXPECT_NEAR(l.frame().width, 177.45, 0.01);
  EXPECT_NEAR(l.frame().height, 242.0, 1e-9);
  EXPECT_EQ(l.ThumbWidth(), 200);
  EXPECT_EQ(l.ThumbHeight(), 150);
  EXPECT_NEAR(l.bm().left, 6.06, 0.01);
  EXPECT_NEAR(l.bm().width, 36.36, 0.01);
  EXPECT_EQ(l.WBox(), "2.00");
  EXPECT_EQ(l.HBox(), "1.50");
  EXPECT_EQ(l.LBox(), ".33");
  EXPECT_EQ(l.TBox(), ".33");
  EXPECT_EQ(l.TCopy(), "1");
  EXPECT_EQ(l.caption(), "Print Menu - Laser");
  EXPECT_EQ(l.capBoxCaption(), "Size: (inches)");
  EXPECT_EQ(l.label1(), "Printer Resolution: 300dpi");
  // The handles sit just outside the corners.
  const auto h = l.handles();
  EXPECT_NEAR(h[0].x, l.bm().left - 6, 1e-9);
  EXPECT_NEAR(h[3].y, l.bm().bottom() - 2, 1e-9);
}

TEST(PageLayout, ThumbnailsKeepThePicturesShapeWithTheLongerSide200) {
  const struct {
    float ar;
    int w, h;
  } cases[] = {{1.0f, 200, 200}, {0.5f, 100, 200}, {2.0f, 200, 100}, {0.75f, 150, 200}};
  for (const auto& c : cases) {
    PrintState ps = Letter();
    ps.AspectRatio = c.ar;
    Opened o(ps);
    EXPECT_EQ(o.layout.ThumbWidth(), c.w) << c.ar;
    EXPECT_EQ(o.layout.ThumbHeight(), c.h) << c.ar;
  }
  PrintState square = Letter();
  square.PageWidth = square.PageHeight = 1000;
  EXPECT_NEAR(Opened(square).layout.PreviewScale(), 0.2, 1e-12);
}

TEST(PageLayout, SizesAreCutToHundredthsWithoutLosingOneToRounding) {
  const struct {
    double units;
    int dpi;
    double factor;
    const char* text;
  } cases[] = {
      {600, 300, 2.54, "5.08"},     // exactly on a hundredth in cm
      {1000, 300, 1.0, "3.33"},     // cut, not rounded
      {100, 300, 1.0, ".33"},       // no leading zero
      {600, 300, 1.0, "2.00"},      // two decimals
      {3599, 300, 1.0, "11.99"},    // 11.9966 is cut
      {-150, 300, 1.0, "-.50"},     // left of the page
      {600.0000001, 600, 2.54, "2.54"},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintSizeText(c.units, c.dpi, c.factor), c.text) << c.units;
  EXPECT_EQ(ExportSizeText(299.5), "300");
  EXPECT_EQ(ExportSizeText(0.2), "");
  EXPECT_EQ(LeadingNumber(" 12.5cm"), 12.5);
  EXPECT_EQ(LeadingNumber("-3"), -3);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("."), 0);
}

TEST(PageLayout, TypedSizesResizeTheImageKeepingItsShapeTypedPlacesMoveItAndTheCloseStoresIt) {
  Opened o(Letter());
  PageLayout& l = o.layout;
  l.WBox_Change("4");
  EXPECT_EQ(l.WBox(), "4");  // the typed text stays as typed
  EXPECT_EQ(l.HBox(), "3.00");
  l.PrtGlob_Click(0);
  EXPECT_EQ(o.ps.ImageW, 1200);
  EXPECT_EQ(o.ps.ImageH, 900);
  EXPECT_EQ(o.ps.ImageX, 100);
  EXPECT_TRUE(o.ps.GoFlag);
  EXPECT_FALSE(o.ps.PreviewFlag);

  // In centimetres a typed height drives the width.
  Opened cm(Letter(2.54f));
  cm.layout.HBox_Change("7.62");
  EXPECT_EQ(cm.layout.WBox(), "10.16");

  // Typed left and top move the image; Cancel still stores the rectangle.
  Opened moved(Letter());
  moved.layout.LBox_Change("1");
  moved.layout.TBox_Change("2");
  moved.layout.PrtGlob_Click(1);
  EXPECT_EQ(moved.ps.ImageX, 300);
  EXPECT_EQ(moved.ps.ImageY, 600);
  EXPECT_EQ(moved.ps.ImageW, 600);
  EXPECT_FALSE(moved.ps.GoFlag);
}

TEST(PageLayout, TooSmallOrMeaninglessTypedSizesChangeNothingAndKeepTheirText) {
  for (const char* text : {"0", ".1", "abc", "-4", "999999"}) {
    Opened o(Letter());
    const PreviewRect before = o.layout.bm();
    o.layout.WBox_Change(text);
    EXPECT_EQ(o.layout.WBox(), text);
    EXPECT_EQ(o.layout.HBox(), "1.50") << text;
    EXPECT_EQ(o.layout.bm().width, before.width) << text;
  }
}

TEST(PageLayout, ThePressTakesTheImageOrTheNearestCornerTarget) {
  Opened o(Letter());
  PageLayout& l = o.layout;
  const PreviewRect bm = l.bm();
  const struct {
    double x, y;
    int handle;
  } presses[] = {{bm.left, bm.top + 5, kDragMove},  // on the edge
                 {bm.right() + 13, bm.bottom() + 7, kDragBottomRight}, {bm.left - 7, bm.top - 7, kDragTopLeft},
                 {bm.right() + 7, bm.top - 7, kDragTopRight},           {bm.left - 7, bm.bottom() + 7, kDragBottomLeft}};
  for (const auto& p : presses) {
    l.pg_MouseDown(p.x, p.y);
    EXPECT_FALSE(l.NoDrag()) << p.handle;
    EXPECT_EQ(l.DragHandle(), p.handle);
    l.pg_MouseUp();
  }
  l.pg_MouseDown(bm.right() + 14, bm.bottom() + 7);  // one pixel past the target
  EXPECT_TRUE(l.NoDrag());
}

// One drag step of dx, dy from a 100 x 50 rectangle at (20, 30), aspect 2.
PreviewRect Dragged(int handle, int dx, int dy, float ar = 2.0f) {
  PrintState ps = Letter();
  ps.PageWidth = ps.PageHeight = 200;  // one preview pixel per page unit
  ps.ImageX = 20;
  ps.ImageY = 30;
  ps.ImageW = 100;
  ps.ImageH = int(100 / ar);
  ps.AspectRatio = ar;
  Opened o(ps);
  PageLayout& l = o.layout;
  const PreviewRect bm = l.bm();
  const double x[] = {bm.left - 7, bm.right() + 7, bm.left - 7, bm.right() + 7, bm.left + 10};
  const double y[] = {bm.top - 7, bm.top - 7, bm.bottom() + 7, bm.bottom() + 7, bm.top + 10};
  l.pg_MouseDown(x[handle], y[handle]);
  EXPECT_TRUE(l.dragging());
  l.pg_MouseMove(true, x[handle] + dx, y[handle] + dy);
  l.pg_MouseUp();
  return l.bm();
}

TEST(PageLayout, CornerDragsKeepTheAspectRatioAndTheOppositeCorner) {
  const struct {
    int handle, dx, dy;
    double left, top, width, height;
  } cases[] = {
      {kDragBottomRight, 10, 0, 20, 30, 110, 55},   // the worked case: W + 10, H + 5
      {kDragBottomRight, 0, 4, 20, 30, 108, 54},    // height-driven
      {kDragTopLeft, -10, 3, 10, 25, 110, 55},      // width-driven; bottom-right stays
      {kDragTopLeft, 0, -4, 12, 26, 108, 54},       // height-driven
      {kDragTopRight, 11, 0, 20, 25, 111, 55},      // the derived side is cut
      {kDragBottomLeft, 0, 6, 8, 30, 112, 56},
      {kDragMove, -5, 7, 15, 37, 100, 50},
  };
  for (const auto& c : cases) {
    const PreviewRect r = Dragged(c.handle, c.dx, c.dy);
    EXPECT_DOUBLE_EQ(r.left, c.left) << c.handle << " " << c.dx << " " << c.dy;
    EXPECT_DOUBLE_EQ(r.top, c.top) << c.handle;
    EXPECT_DOUBLE_EQ(r.width, c.width) << c.handle;
    EXPECT_DOUBLE_EQ(r.height, c.height) << c.handle;
  }
}

TEST(PageLayout, ADragThatWouldLeaveNoImageIsRefusedButTheBoxesAreRewritten) {
  // Shrinking to 5 x 2.5: too small to see.
  EXPECT_DOUBLE_EQ(Dragged(kDragBottomRight, -95, 0).width, 100);
  // A very wide picture: a 6-pixel width would leave no height at all, which
  // a zero-sized image would then be printed from.
  EXPECT_DOUBLE_EQ(Dragged(kDragBottomLeft, 94, 0, 20.0f).width, 100);

  Opened o(Letter());
  PageLayout& l = o.layout;
  const PreviewRect bm = l.bm();
  l.WBox_Change("abc");  // a refused text stays until a drag rewrites it
  l.pg_MouseDown(bm.right() + 7, bm.bottom() + 7);
  l.pg_MouseMove(true, bm.right() + 7 - bm.width, bm.bottom() + 7);
  EXPECT_EQ(l.WBox(), "2.00");
}

TEST(PageLayout, TheCopiesBoxTakesWholeNumbersFromOneUp) {
  const struct {
    const char* typed;
    int copies;
    const char* shown;
  } cases[] = {{"0", 1, "1"}, {"-3", 1, "1"}, {"abc", 1, "1"}, {"", 1, "1"},
               {"3", 3, "3"}, {"2.5", 2, "2.5"}, {"123456", kMaxCopies, "9999"}};
  for (const auto& c : cases) {
    Opened o(Letter());
    o.layout.TCopy_Change(c.typed);
    EXPECT_EQ(o.ps.Copies, c.copies) << c.typed;
    EXPECT_EQ(o.layout.TCopy(), c.shown) << c.typed;
  }
}

TEST(PageLayout, OpeningBringsStoredSettingsIntoTheOfferedRanges) {
  PrintState ps = Letter();
  ps.PrintStyle = 0;
  ps.PrintQuality = 9;
  ps.PrintOrientation = 7;
  ps.Copies = -2;
  Opened o(ps);
  EXPECT_EQ(o.ps.PrintStyle, kStyleColor);
  EXPECT_EQ(o.ps.PrintQuality, 1);
  EXPECT_EQ(o.ps.PrintOrientation, kPortrait);
  EXPECT_EQ(o.layout.TCopy(), "1");
  ps.PrintStyle = kStyleBlackWhite;
  EXPECT_EQ(Opened(ps).ps.PrintStyle, kStyleBlackWhite);
}

TEST(PageLayout, TheExportLayoutOpensOnTheLastFormatAndStoresTheShownSize) {
  Opened first(Letter(), kLastFormat);
  EXPECT_TRUE(first.layout.exportLayout());
  EXPECT_EQ(first.PrintMode, kFormatBmp8);
  EXPECT_EQ(first.ps.LastBitmapFormat, kFormatBmp8);
  EXPECT_EQ(first.layout.caption(), "Save Bitmap Menu");
  EXPECT_EQ(first.layout.WBox(), "600");
  EXPECT_EQ(first.layout.HelpCmd_Click(), kHelpExportLayout);

  PrintState ps = Letter();
  ps.LastBitmapFormat = kFormatBmp24;
  ps.PrintStyle = kStyleBlackWhite;
  Opened o(ps, kLastFormat);
  EXPECT_EQ(o.PrintMode, kFormatBmp24);
  o.layout.WBox_Change("300");
  EXPECT_EQ(o.layout.HBox(), "225");
  o.layout.HBox_Change("2");  // refused: too small
  o.layout.PrtGlob_Click(0);
  EXPECT_EQ(o.ps.ImageW, 300);
  EXPECT_EQ(o.ps.ImageH, 225);
  EXPECT_EQ(o.ps.PrintStyle, kStyleColor);
  EXPECT_EQ(Opened(Letter()).layout.HelpCmd_Click(), kHelpPrintLayout);
}

TEST(PageLayout, TurningThePageSwapsItsSidesButLeavesAnImageOnItWhereItWas) {
  Opened o(Letter());
  PageLayout& l = o.layout;
  const double scale = l.PreviewScale();
  const PreviewRect bm = l.bm();
  l.PortLand_Click(kLandscape);
  EXPECT_EQ(o.ps.PageWidth, 3300);
  EXPECT_EQ(o.ps.PageHeight, 2400);
  EXPECT_EQ(o.ps.PrintOrientation, kLandscape);
  EXPECT_NEAR(l.page().width, 200.0, 1e-9);
  EXPECT_EQ(l.PreviewScale(), scale);
  EXPECT_EQ(l.bm().left, bm.left);
  l.PortLand_Click(kLandscape);  // no change
  EXPECT_EQ(o.ps.PageWidth, 3300);
}

// An image that would hang off the turned page is moved onto it, and one
// larger than the page is made as large as the page takes, its shape kept.
TEST(PageLayout, TurningThePageKeepsTheImageOnIt) {
  Opened low(Letter());
  low.layout.TBox_Change("10");  // 3000: the foot of the portrait page
  low.layout.PortLand_Click(kLandscape);
  low.layout.PrtGlob_Click(0);
  EXPECT_EQ(low.ps.ImageX, 100);
  EXPECT_EQ(low.ps.ImageY, 2400 - 450);
  EXPECT_EQ(low.ps.ImageW, 600);
  EXPECT_EQ(low.ps.ImageH, 450);
  EXPECT_EQ(low.layout.TBox(), "6.50");

  PrintState tall = Letter();
  tall.ImageW = 1500;
  tall.ImageH = 3000;
  tall.AspectRatio = 0.5f;
  Opened big(tall);
  big.layout.PortLand_Click(kLandscape);
  big.layout.PrtGlob_Click(0);
  EXPECT_EQ(big.ps.ImageY, 0);
  EXPECT_EQ(big.ps.ImageH, 2400);
  EXPECT_EQ(big.ps.ImageW, 1200);
  EXPECT_LE(big.ps.ImageX + big.ps.ImageW, 3300);
  big.layout.PortLand_Click(kPortrait);  // it fits again: it stays
  big.layout.PrtGlob_Click(0);
  EXPECT_EQ(big.ps.ImageH, 2400);
}

TEST(PageLayout, AModelNetShowsItsFoldedHeightForTheTypedWidth) {
  PrintState ps = Letter(2.54f);
  ps.ModelNumber = 6;
  Opened o(ps);
  EXPECT_EQ(o.layout.label1(), "3D Cube will be 1.9 cm high\r(2 sheets required).");
  o.layout.WBox_Change("25.40");
  EXPECT_EQ(o.layout.label1(), "3D Cube will be 9.3 cm high\r(2 sheets required).");
  ps.ModelNumber = 12;  // unknown: the resolution stays
  EXPECT_EQ(Opened(ps).layout.label1(), "Printer Resolution: 300dpi");
}

}  // namespace
}  // namespace orn
