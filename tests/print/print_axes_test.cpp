// Printing and export with different values across and down: a printer of
// 600 x 300 dpi, whose widths and lefts are measured in its horizontal dots
// and heights and tops in its vertical ones, the four handles at the
// image's four corners; and wallpaper tiles of cells wider than high and
// higher than wide.
#include <gtest/gtest.h>

#include "print/bitmap_export.h"
#include "print/page_layout.h"
#include "print/print_fixture.h"
#include "support/list_builder.h"

namespace orn {
namespace {

// An 8 x 11 inch page of 4800 x 3300 dots, the image 2 x 1.5 inches at
// 1 inch from the left and the top: in the preview (1/24 of a dot per
// pixel) the image is 50 x 18.75 at (25, 12.5).
PrintState Anisotropic() {
  PrintState ps;
  ps.PageWidth = 4800;
  ps.PageHeight = 3300;
  ps.PrinterDpiX = 600;
  ps.PrinterDpiY = 300;
  ps.UnitFactor = 1.0f;
  ps.UnitName = "inches";
  ps.ImageX = 600;
  ps.ImageY = 300;
  ps.ImageW = 1200;
  ps.ImageH = 450;
  ps.AspectRatio = 1200.0f / 450.0f;
  ps.PrinterName = "Wide dots";
  return ps;
}

TEST(PageLayoutAxes, SizesAndPlacesUseEachAxissOwnResolution) {
  PrintState ps = Anisotropic();
  int mode = 0;
  PageLayout l(ps, mode);
  l.open();
  EXPECT_NEAR(l.PreviewScale(), 1.0 / 24, 1e-12);
  EXPECT_EQ(l.WBox(), "2.00");
  EXPECT_EQ(l.HBox(), "1.50");
  EXPECT_EQ(l.LBox(), "1.00");
  EXPECT_EQ(l.TBox(), "1.00");
  EXPECT_EQ(l.label1(), "Printer Resolution: 600dpi");

  // Each handle 6 outside its corner on the left and top, 2 inside on the
  // right and bottom.
  const auto h = l.handles();
  const PreviewPoint want[4] = {{19, 6.5}, {73, 6.5}, {19, 29.25}, {73, 29.25}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(h[std::size_t(k)].x, want[k].x, 1e-9) << k;
    EXPECT_NEAR(h[std::size_t(k)].y, want[k].y, 1e-9) << k;
  }

  // A typed height of 3 inches is 900 vertical dots; the width follows the
  // shape, 2400 horizontal dots or 4 inches. Typed places move the image.
  l.HBox_Change("3");
  EXPECT_EQ(l.WBox(), "4.00");
  l.TBox_Change("2");
  l.LBox_Change("0.5");
  l.PrtGlob_Click(0);
  EXPECT_EQ(ps.ImageH, 900);
  EXPECT_EQ(ps.ImageW, 2400);
  EXPECT_EQ(ps.ImageY, 600);
  EXPECT_EQ(ps.ImageX, 300);
}

// A typed width of 1 inch is 600 horizontal dots; the height follows, 225
// dots or .75 of an inch at 300 dpi.
TEST(PageLayoutAxes, ATypedWidthGivesTheHeightInVerticalDots) {
  PrintState ps = Anisotropic();
  int mode = 0;
  PageLayout l(ps, mode);
  l.open();
  l.WBox_Change("1");
  EXPECT_EQ(l.HBox(), ".75");
  l.PrtGlob_Click(0);
  EXPECT_EQ(ps.ImageW, 600);
  EXPECT_EQ(ps.ImageH, 225);
}

// On the 240 x 160 canvas: one period each way, centred on the base
// cell's handle, moved in to the canvas's edge where it would stick out.
TEST(WallTileAxes, ATileOfOblongCellsIsOnePeriodAcrossAndOneDown) {
  const struct {
    const char* what;
    int cols, rows;
    float w, h, handleX, handleY;
    int baseCol, baseRow;
    int left, top;
  } cases[] = {
      // Left 10 - 30 = -20 moves in to 0; top 30 - 20 = 10 stays.
      {"cells wider than high", 4, 4, 60, 40, 10, 30, 0, 0, 0, 10},
      // Left 30 - 20 = 10 stays; top 10 - 30 = -20 moves in to 0.
      {"cells higher than wide", 6, 2, 40, 60, 30, 10, 0, 0, 10, 0},
      // A lattice running on below the canvas, the base cell at (60, 120)
      // with its handle at (90, 150): left 60 stays; top 130 would end at
      // 170, below the canvas, and moves up to end at its foot.
      {"base cell at the foot of the canvas", 4, 5, 60, 40, 30, 30, 1, 3, 60, 120},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::Scene s;
    test::AddLattice(s.list, s.sym, c.cols, c.rows, c.w, c.h, c.handleX, c.handleY, c.baseCol, c.baseRow);
    ASSERT_EQ(MeasureWallTile(s.sym, s.ctx, s.list, s.canvas.width(), s.canvas.height()), WallFit::WholePeriods);
    EXPECT_EQ(s.ctx.WallLeft, c.left);
    EXPECT_EQ(s.ctx.WallTop, c.top);
    EXPECT_EQ(s.ctx.WallRight, c.left + int(c.w) - 1);
    EXPECT_EQ(s.ctx.WallBottom, c.top + int(c.h) - 1);
  }
}

}  // namespace
}  // namespace orn
