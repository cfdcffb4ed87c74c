// The print command through its real parts: the dialog's logic, the full
// redraw with the printer path, the enlarged memory bitmap and the page
// arithmetic, with a printer that records what it is given.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "print/enlarged_bitmap.h"
#include "print/print_fixture.h"
#include "print/print_job.h"
#include "symmetry/replication.h"

namespace orn {
namespace {

using test::PrintScene;

// The line joins the two points, in either direction.
bool near(const PrintedLine& l, float x1, float y1, float x2, float y2) {
  auto at = [](float a, float b) { return std::fabs(a - b) < 0.01f; };
  return (at(l.x1, x1) && at(l.y1, y1) && at(l.x2, x2) && at(l.y2, y2)) ||
         (at(l.x1, x2) && at(l.y1, y2) && at(l.x2, x1) && at(l.y2, y1));
}

TEST(PrintInit, TheLayoutStartsFromThePrinterThePickedOrientationAndTheCanvas) {
  PrintState ps;
  ps.PrintOrientation = kLandscape;
  ps.Copies = 4;
  InitPrintSettings(ps, {4800, 6600, 600, 600}, 1, 800, 600);
  EXPECT_EQ(ps.PageWidth, 6600);
  EXPECT_EQ(ps.PageHeight, 4800);
  EXPECT_EQ(ps.PrintLandscape, kPortrait);
  EXPECT_EQ(ps.UnitName, "inches");
  EXPECT_EQ(ps.UnitFactor, 1.0f);
  EXPECT_EQ(ps.ImageX, 100);
  EXPECT_EQ(ps.ImageW, 800);
  EXPECT_EQ(ps.ImageH, 600);
  EXPECT_EQ(ps.Copies, 1);
  EXPECT_EQ(ps.PrintBorder, 1);
  EXPECT_FLOAT_EQ(ps.AspectRatio, 800.0f / 600.0f);

  ps.SetupPanelOn = true;  // then the printer's own page shape rules
  InitPrintSettings(ps, {4800, 6600, 600, 600}, 0, 800, 600);
  EXPECT_EQ(ps.PrintOrientation, kPortrait);
  EXPECT_EQ(ps.PageWidth, 4800);
  EXPECT_EQ(ps.UnitName, "cm");
  EXPECT_FLOAT_EQ(ps.UnitFactor, 2.54f);
}

// A black-and-white print's lines for the canvas segments, through the line
// replication with the printer path on.
std::vector<PrintedLine> Printed(const PrintState& ps, float SW, float SH, bool turned,
                                 std::initializer_list<std::array<float, 4>> segments) {
  std::vector<PrintedLine> out;
  PageRecorder rec(BlackWhiteScale(ps, SW, SH, turned), turned ? SH : 0.0f, out);
  SymState sym;
  DrawContext ctx;
  ctx.PrintPath = true;
  ctx.Printer = &rec;
  ctx.Clip = ClipRect{0, SW, SH, 0};
  for (const auto& s : segments) SymmLine(sym, ctx, s[0], s[1], s[2], s[3], kBlack);
  return out;
}

TEST(PrintInit, ABlackAndWhitePrintLandsTheCanvasInTheImageRectangle) {
  PrintState ps;
  InitPrintSettings(ps, {2400, 3300, 300, 300}, 1, 600, 450);
  const auto lines = Printed(ps, 600, 450, false, {{0, 0, 599, 449}, {-50, 10, 700, 10}});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(near(lines[0], 101, 101, 700, 550));
  EXPECT_TRUE(near(lines[1], 101, 111, 701, 111));  // clipped to the canvas

  // Twice the size: every canvas pixel is two printer pixels.
  ps.ImageW = 1200;
  ps.ImageH = 900;
  EXPECT_TRUE(near(Printed(ps, 600, 450, false, {{0, 0, 599, 449}})[0], 102, 102, 1300, 1000));
}

TEST(PrintInit, ALandscapeLayoutOnAPortraitPrinterIsPrintedTurned) {
  PrintState ps;
  ps.PrintOrientation = kLandscape;
  InitPrintSettings(ps, {4800, 6600, 600, 600}, 1, 800, 600);
  const bool turned = ps.PrintLandscape != ps.PrintOrientation;
  ASSERT_TRUE(turned);
  // (x, y) lands on (4699 - y, 101 + x): the layout's left edge runs along
  // the printer's top edge.
  const auto lines = Printed(ps, 800, 600, true, {{0, 0, 10, 20}, {799, 599, 799, 0}});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(near(lines[0], 4699, 101, 4679, 111));
  EXPECT_TRUE(near(lines[1], 4100, 900, 4699, 900));
  EXPECT_EQ(PrintPenWidth(1), 4);
  EXPECT_EQ(PrintPenWidth(3), 24);
}

// The black-and-white pen is the one above where the picture is printed
// eight printer pixels per canvas pixel and larger, and never wider than the
// lines' share of a smaller print.
TEST(PrintInit, TheBlackAndWhitePenIsNeverWiderThanThePrintedLines) {
  const struct {
    int lineWidth;
    double dotsPerPixel;
    int pen;
  } cases[] = {{1, 1.0, 1}, {1, 0.4, 1}, {1, 2.0, 2}, {1, 3.6, 4}, {1, 8.0, 4}, {1, 30.0, 4},
               {3, 1.0, 3}, {3, 2.5, 8}, {3, 8.0, 24}, {3, 12.0, 24}, {2, 0.1, 1}};
  for (const auto& c : cases) EXPECT_EQ(BlackWhitePen(c.lineWidth, c.dotsPerPixel), c.pen) << c.lineWidth << " " << c.dotsPerPixel;
}

TEST(PrintCommand, CancelPrintsNothingAndLeavesTheEditorAsItWas) {
  PrintScene s;
  const Surface before = s.canvas;
  s.PrintMode = kLastFormat;  // left behind by a bitmap command
  s.window.steps = {test::ScriptedPrintWindow::Cancel};
  s.print();
  EXPECT_TRUE(s.printer.jobs.empty());
  EXPECT_TRUE(s.canvas == before);
  EXPECT_TRUE(s.ui.menusOn);
  EXPECT_EQ(s.PrintMode, 0);
  EXPECT_EQ(s.window.opened.size(), 1u);
  // The capture of the canvas is written at every print, also a cancelled one.
  ASSERT_EQ(s.images.files.count("temp626.bmp"), 1u);
  EXPECT_TRUE(s.images.files["temp626.bmp"] == before);
}

TEST(PrintCommand, BlackAndWhitePrintsTheLinesOnlyWithTheBorderAndEveryCopy) {
  PrintScene s;
  const Surface before = s.canvas;
  s.window.steps = {[](PageLayout& l) {
    l.Style_Click(kStyleBlackWhite);
    l.TCopy_Change("3");
    return false;
  }};
  s.print();
  ASSERT_EQ(s.printer.jobs.size(), 1u);
  const PrintJob& job = s.printer.jobs[0];
  EXPECT_EQ(job.copies, 3);
  EXPECT_TRUE(job.image.empty());  // no fills, no picture
  EXPECT_FALSE(job.turnPage);
  EXPECT_TRUE(job.lines.empty());  // every line is black: all of them are dots on the page
  // The page is the printer's, holding the square and the border (at canvas
  // pixel 1, one printer pixel per canvas pixel from (100, 100)), each drawn
  // as wide as the canvas's line (one printer pixel) and shifted by a pixel
  // right and down as every printed line is; nothing else, no fill.
  DotPage expected(2400, 3300);
  const std::vector<std::pair<float, float>> square = {{121, 121}, {201, 121}, {201, 201}, {121, 201}, {121, 121}},
                                             border = {{101, 101}, {341, 101}, {341, 261}, {101, 261}, {101, 101}};
  for (const auto* corners : {&square, &border})
    for (std::size_t i = 1; i < corners->size(); ++i)
      expected.line((*corners)[i - 1].first, (*corners)[i - 1].second, (*corners)[i].first, (*corners)[i].second, 1);
  ASSERT_EQ(job.page.width(), 2400);
  ASSERT_EQ(job.page.height(), 3300);
  std::vector<std::uint8_t> row(std::size_t(job.page.rowBytes())), want(row.size());
  for (int y = 0; y < 3300; ++y) {
    job.page.copyRow(y, row.data());
    expected.copyRow(y, want.data());
    ASSERT_EQ(row, want) << "row " << y;
  }
  EXPECT_EQ(s.window.messages.front(), kBlackWhiteMessage);
  // Afterwards the editor draws on the screen only, and shows what it showed.
  EXPECT_FALSE(s.ctx.PrintPath);
  EXPECT_EQ(s.ctx.Printer, nullptr);
  EXPECT_TRUE(s.canvas == before);
  EXPECT_FALSE(s.window.workspaceHidden);
  EXPECT_TRUE(s.ed.ColorToolsOn);
}

TEST(PrintCommand, ColourPrintsTheCanvasAsShownOnEverySheet) {
  PrintScene s;
  s.images.fail = true;  // a program folder that cannot take the capture stops nothing
  s.window.steps = {[](PageLayout& l) {
    l.TCopy_Change("3");
    return false;
  }};
  s.print();
  ASSERT_EQ(s.printer.jobs.size(), 1u);
  const PrintJob& job = s.printer.jobs[0];
  EXPECT_EQ(job.copies, 3);
  EXPECT_TRUE(job.image == s.canvas);
  EXPECT_EQ(job.imageX, 100);
  EXPECT_EQ(job.imageY, 100);
  EXPECT_EQ(job.imageW, 240);
  EXPECT_EQ(job.imageH, 160);
  EXPECT_TRUE(job.lines.empty());
}

TEST(PrintCommand, AColourImageLargerThanTheCanvasIsDrawnAfreshInTheEnlargedBitmap) {
  PrintScene s;
  const Surface before = s.canvas;
  s.window.steps = {[](PageLayout& l) {
    l.WBox_Change("1.60");  // 480 printer pixels: twice the canvas
    return false;
  }};
  s.print();
  ASSERT_EQ(s.printer.jobs.size(), 1u);
  const PrintJob& job = s.printer.jobs[0];
  EXPECT_EQ(job.imageW, 480);
  ASSERT_EQ(job.image.width(), 480);
  ASSERT_EQ(job.image.height(), 320);
  EXPECT_EQ(job.image.point(120, 120), std::int64_t(rgb(255, 0, 0)));  // the fill
  EXPECT_EQ(job.image.point(40, 120), std::int64_t(kBlack));           // the line, twice as wide
  EXPECT_EQ(job.image.point(41, 120), std::int64_t(kBlack));
  EXPECT_EQ(job.image.point(10, 10), std::int64_t(kWhite));
  EXPECT_EQ(job.image.point(250, 250), std::int64_t(kWhite));
  EXPECT_TRUE(s.canvas == before);
  EXPECT_EQ(s.ctx.DrawTarget, kDrawCanvas);
  EXPECT_EQ(s.ctx.MemBmp, nullptr);
}

// A fill of the enlarged bitmap may take many times one of the canvas: once
// some time has passed the window sees to its events after the next fill,
// not only between records.
TEST(PrintCommand, TheEnlargedBitmapSeesToTheWindowBetweenFillsOnceTimeHasPassed) {
  PrintScene s;
  test::AddPaint(s.list, {{rgb(0, 255, 0), {10, 10}}, {rgb(0, 0, 255), {150, 150}}, {rgb(9, 9, 9), {60, 60}}});
  DrawAll(s.redraw, 1);
  const auto pumpsWhileEnlarging = [&s](std::int64_t tick) {
    s.host.tick = tick;
    Surface bitmap;
    const int before = s.host.pumps;
    DrawEnlarged(s.redraw, bitmap, 2);
    return s.host.pumps - before;
  };
  const int still = pumpsWhileEnlarging(0);
  EXPECT_GE(pumpsWhileEnlarging(30), still + 4);  // one after each of the four fills
  EXPECT_EQ(pumpsWhileEnlarging(1), still);         // not while they are quick
}

TEST(PrintCommand, TheLayoutCarriesOverToTheNextPrintUntilTheCanvasChanges) {
  PrintScene s;
  s.window.steps = {[](PageLayout& l) {
                      l.TCopy_Change("2");
                      l.LBox_Change("1");
                      return false;
                    },
                    [](PageLayout&) { return false; }};
  s.print();
  s.print();
  ASSERT_EQ(s.window.opened.size(), 2u);
  EXPECT_EQ(s.window.opened[1].Copies, 2);
  EXPECT_EQ(s.window.opened[1].ImageX, 300);
  s.PrintInitDone = false;  // as a resize or a load leaves it
  s.window.steps.push_back([](PageLayout&) { return false; });
  s.print();
  EXPECT_EQ(s.window.opened[2].Copies, 1);
  EXPECT_EQ(s.window.opened[2].ImageX, 100);
}

TEST(PrintCommand, PrintSetupRunsThePrintersSetupAndOpensAFreshLayout) {
  PrintScene s;
  s.window.steps = {[](PageLayout& l) {
                      l.TCopy_Change("5");
                      l.PrtSetup_Click();
                      return true;
                    },
                    [](PageLayout&) { return false; }};
  s.printer.page = PrinterInfo{3300, 2400, 300, 300};  // the set-up turned the paper
  s.printer.chosenOrientation = kLandscape;
  s.print();
  EXPECT_EQ(s.printer.setups, 1);
  ASSERT_EQ(s.window.opened.size(), 2u);
  EXPECT_EQ(s.window.opened[1].Copies, 1);
  // The layout opens again in the orientation chosen in the set-up, on the
  // printer's page as it is now: nothing is turned.
  EXPECT_EQ(s.window.opened[1].PrintOrientation, kLandscape);
  EXPECT_EQ(s.window.opened[1].PageWidth, 3300);
  ASSERT_EQ(s.printer.jobs.size(), 1u);
  EXPECT_EQ(s.printer.jobs[0].copies, 1);
}

TEST(PrintCommand, NoAnsweringPrinterIsReportedAndTriedAgainNextTime) {
  PrintScene s;
  s.printer.page.reset();
  s.print();
  ASSERT_EQ(s.host.boxes.size(), 1u);
  EXPECT_EQ(s.host.boxes[0].title, kPrinterNotRespondingTitle);
  EXPECT_TRUE(s.window.opened.empty());
  EXPECT_FALSE(s.PrintInitDone);
  EXPECT_TRUE(s.ui.menusOn);
}

TEST(PrintCommand, AnImageWithoutSizeIsNotPrinted) {
  PrintScene s;
  s.window.steps = {[&s](PageLayout& l) {
    l.PrtGlob_Click(0);
    s.ps.ImageH = 0;
    return true;
  }};
  s.print();
  EXPECT_TRUE(s.printer.jobs.empty());
  EXPECT_EQ(s.host.boxes.size(), 1u);
}

TEST(PrintCommand, APrinterFailureStillPutsTheEditorBack) {
  PrintScene s;
  const Surface before = s.canvas;
  s.printer.fail = true;
  s.window.steps = {[](PageLayout& l) {
    l.Style_Click(kStyleBlackWhite);
    return false;
  }};
  EXPECT_THROW(s.print(), std::runtime_error);
  EXPECT_FALSE(s.ctx.PrintPath);
  EXPECT_EQ(s.ctx.PrintOffset, 0.0f);
  EXPECT_TRUE(s.canvas == before);
  EXPECT_TRUE(s.ui.menusOn);
  EXPECT_FALSE(s.window.workspaceHidden);
  EXPECT_EQ(s.window.messages.back(), "");
}

// A landscape layout on a portrait printer is printed on the printer's page
// turned, in black and white as in colour: the lines lie on the page as the
// layout shows them, not turned about.
TEST(PrintCommand, ALandscapeLayoutTurnsThePageInBlackAndWhiteToo) {
  PrintScene s;
  s.ps.PrintOrientation = kLandscape;
  s.window.steps = {[](PageLayout& l) {
    l.Style_Click(kStyleBlackWhite);
    l.Border_Click(0);
    return false;
  }};
  s.print();
  ASSERT_EQ(s.printer.jobs.size(), 1u);
  const PrintJob& job = s.printer.jobs[0];
  EXPECT_TRUE(job.turnPage);
  EXPECT_EQ(job.page.width(), 3300);
  EXPECT_EQ(job.page.height(), 2400);
  // The square's top edge, canvas (20, 20) to (100, 20), one printer pixel
  // per canvas pixel from (100, 100) and a pixel right and down.
  EXPECT_TRUE(job.page.inked(100 + 60, 100 + 21));
  EXPECT_TRUE(job.page.inked(100 + 21, 100 + 60));
  EXPECT_FALSE(job.page.inked(100 + 60, 100 + 60));
}

// While the printer takes the job the window sees to its events, but as
// under a redraw nothing starts: the menus are off and the editor is busy.
TEST(PrintCommand, ThePrinterTakesTheJobWithTheWindowAliveAndNothingElseStarting) {
  for (const int style : {kStyleBlackWhite, kStyleColor}) {
    PrintScene s;
    s.window.steps = {[style](PageLayout& l) {
      l.Style_Click(style);
      return false;
    }};
    bool busy = false, menus = true;
    int pumps = 0;
    s.printer.whilePrinting = [&] {
      busy = s.ed.DrawBusy;
      menus = s.ui.menusOn;
      pumps = s.host.pumps;
    };
    s.print();
    EXPECT_TRUE(busy) << style;
    EXPECT_FALSE(menus) << style;
    EXPECT_GT(s.host.pumps, pumps) << style;
    EXPECT_FALSE(s.ed.DrawBusy) << style;
    EXPECT_TRUE(s.ui.menusOn) << style;
  }
}

TEST(PrintInit, BlackLinesBecomeDotsOnThePrintersPageAndOtherColoursStayLines) {
  const Rgb red = rgb(255, 0, 0);
  const std::vector<PrintedLine> lines = {{10, 10, 50, 10, red}, {10, 20, 50, 20, kBlack}};
  PrintJob job;
  DrawPage(lines, 300, 200, 8, job);
  ASSERT_EQ(job.page.width(), 300);
  ASSERT_EQ(job.page.height(), 200);
  EXPECT_TRUE(job.page.inked(30, 20));
  EXPECT_FALSE(job.page.inked(30, 10));
  ASSERT_EQ(job.lines.size(), 1u);  // drawn over the page with the pen
  EXPECT_EQ(job.lines[0].colour, red);
  EXPECT_EQ(job.penWidth, 8);
}

}  // namespace
}  // namespace orn
