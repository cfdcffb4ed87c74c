// The editor window lays its canvas and panels out for its size, rescales the
// picture with the canvas, and keeps an exact off-screen copy of the canvas.
#include <QLabel>
#include <QPushButton>

#include "canvas/ui/form_layout.h"
#include "platform/canvas_widget.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

TEST(FormLayout, CanvasIsTheLargestRectangleOfThePictureShapeInTheFreeSpace) {
  // 1029 x 664 inside leaves 900 x 600 for the canvas.
  CanvasFit f = FitCanvas(1029, 664, 0.8, 10, 10);
  EXPECT_EQ(f.width, 750);
  EXPECT_EQ(f.height, 600);
  f = FitCanvas(1029, 664, 1.25, 10, 10);
  EXPECT_EQ(f.width, 480);
  EXPECT_EQ(f.height, 600);
  f = FitCanvas(1029, 664, 0.25, 10, 10);
  EXPECT_EQ(f.width, 900);
  EXPECT_EQ(f.height, 225);
}

TEST(FormLayout, LoadedCanvasKeepsItsSizeWhenItFitsAndItsShapeWhenItDoesNot) {
  CanvasFit f = FitCanvas(1029, 664, kAspectFromCanvas, 700, 500);
  EXPECT_EQ(f.width, 700);
  EXPECT_EQ(f.height, 500);
  EXPECT_DOUBLE_EQ(f.pageAspect, 500.0 / 700.0);
  f = FitCanvas(1029, 664, kAspectFromCanvas, 1000, 500);
  EXPECT_EQ(f.width, 900);
  EXPECT_EQ(f.height, 450);
  EXPECT_DOUBLE_EQ(f.pageAspect, 0.5);
}

TEST(FormLayout, TinyWindowsAndBadRatiosStillGiveACanvas) {
  for (int s : {0, 40, 85, 100, 140}) {
    const CanvasFit f = FitCanvas(s, s, 0.8, 0, 0);
    EXPECT_GE(f.width, 1) << s;
    EXPECT_GE(f.height, 1) << s;
    EXPECT_LE(f.width, kMinCanvas) << s;
  }
  const CanvasFit zero = FitCanvas(1029, 664, 0.0, 0, 0);
  EXPECT_EQ(zero.width, 900);
  EXPECT_EQ(zero.height, 600);
  // A canvas of width 0 asked to keep its shape.
  const CanvasFit none = FitCanvas(1029, 664, kAspectFromCanvas, 0, 0);
  EXPECT_EQ(none.width, 900);
  EXPECT_EQ(none.height, 600);
}

TEST(FormLayout, ShowModeCentresTheCanvas) {
  const CanvasPlace p = PlaceCanvas(1029, 664, 749, 600, true);
  EXPECT_EQ(p.left, 140);
  EXPECT_EQ(p.top, 32);
  const CanvasPlace e = PlaceCanvas(1029, 664, 749, 600, false);
  EXPECT_EQ(e.left, kCanvasLeft);
  EXPECT_EQ(e.top, kCanvasTop);
}

TEST_F(PicEditTest, WindowPlacesCanvasAndColourPanelForItsSize) {
  setInnerSize(1029, 664);
  EXPECT_EQ(w->Picture1->geometry(), QRect(kCanvasLeft, kCanvasTop, 750, 600));
  EXPECT_EQ(w->canvasSurface().width(), 750);
  EXPECT_EQ(w->canvasSurface().height(), 600);
  EXPECT_EQ(w->Picture4->x(), kCanvasLeft + 750 + 8);
  EXPECT_EQ(w->CinUse->x(), w->Picture4->x());
  EXPECT_EQ(w->Label19->x(), w->Picture4->x() - 8);
  // The bottom strip lies below the canvas, inside the window.
  EXPECT_GE(w->Progress->y(), 600);
  EXPECT_LE(w->Progress->geometry().bottom(), 664);
  EXPECT_EQ(w->StopSign->pos(), QPoint(16, 16));
  EXPECT_TRUE(w->StopSign->isHidden());

  w->PageAspect = 1.25;
  w->FormRSZ();
  EXPECT_EQ(w->Picture1->size(), QSize(480, 600));
  EXPECT_EQ(w->Picture4->x(), kCanvasLeft + 480 + 8);

  w->PositionPic4(100);
  EXPECT_EQ(w->Wheel->x(), 95);
  EXPECT_EQ(w->Wheel->y(), w->Picture4->y() - 6);
}

TEST_F(PicEditTest, ResizingTheWindowRescalesThePictureWithTheCanvas) {
  setInnerSize(729, 664);  // 600 x 480 canvas
  ASSERT_EQ(w->Picture1->size(), QSize(600, 480));
  DrawingList& list = w->list();
  ASSERT_TRUE(list.CreateItem(1, 1, 100.0f, 40.0f));
  ASSERT_TRUE(list.AddPoint(200.0f, 80.0f, 1));
  ASSERT_TRUE(list.closeRecord());
  const int first = 3;  // header, parameter slot, Begin Data, then the points
  ASSERT_EQ(list.G0[first], 100.0f);

  setInnerSize(1029, 784);  // room for 900 x 720: the shape is kept
  EXPECT_EQ(w->Picture1->size(), QSize(900, 720));
  EXPECT_FLOAT_EQ(list.G0[first], 150.0f);
  EXPECT_FLOAT_EQ(list.G1[first], 60.0f);
  EXPECT_FLOAT_EQ(list.G0[first + 1], 300.0f);
  EXPECT_FLOAT_EQ(list.G1[first + 1], 120.0f);
  // The full-picture view follows the picture.
  EXPECT_FLOAT_EQ(w->views().rows[1][2], 599.0f * 1.5f);
}

TEST_F(PicEditTest, ResizeWithADeletionPendingPacksBeforeRescaling) {
  setInnerSize(729, 664);
  DrawingList& list = w->list();
  ASSERT_TRUE(list.CreateItem(1, 1, 100.0f, 40.0f));
  ASSERT_TRUE(list.AddPoint(200.0f, 80.0f, 1));
  ASSERT_TRUE(list.AddPoint(300.0f, 80.0f, 1));
  ASSERT_TRUE(list.closeRecord());
  // The middle point is marked deleted, as an editing tool leaves it.
  list.G0[4] = -7777.0f;
  list.PackFrom = 4;
  setInnerSize(1029, 784);
  EXPECT_EQ(list.PackFrom, 0);
  for (int i = 0; i <= list.NumPoints; ++i) EXPECT_NE(list.G0[i], -7777.0f) << i;
  EXPECT_FLOAT_EQ(list.G0[4], 450.0f);
}

TEST_F(PicEditTest, MinimizedWindowOnlyRedrawsWhenRestored) {
  setInnerSize(1029, 664);
  const QSize before = w->Picture1->size();
  w->showMinimized();
  QApplication::processEvents();
  w->FormRSZ();
  if (!w->isMinimized()) GTEST_SKIP() << "the platform does not minimise windows";
  EXPECT_TRUE(w->RedrawPending);
  w->showNormal();
  QApplication::processEvents();
  w->FormRSZ();
  EXPECT_FALSE(w->RedrawPending);
  EXPECT_EQ(w->Picture1->size(), before);
}

TEST_F(PicEditTest, CanvasCopyRoundTripsEveryPixel) {
  setInnerSize(729, 664);
  w->LowColorDisplay = true;
  Surface& canvas = w->canvasSurface();
  canvas.setPenColor(rgb(200, 10, 30));
  canvas.setPenWidth(3);
  canvas.line(5, 5, 400, 300);
  canvas.fillBox(50, 60, 120, 90, rgb(1, 2, 3));
  canvas.pset(canvas.width() - 1, canvas.height() - 1, rgb(9, 9, 9));
  const Surface drawn = canvas;
  w->CopyToBmap();
  ASSERT_EQ(w->bmap(), drawn);
  canvas.clear();
  ASSERT_FALSE(canvas == drawn);
  w->CopyBMAPtoPicture();
  EXPECT_EQ(canvas, drawn);
}

TEST_F(PicEditTest, CanvasCopyIsKeptOnlyWhereTheDisplayNeedsIt) {
  setInnerSize(729, 664);
  Surface& canvas = w->canvasSurface();
  canvas.fillBox(0, 0, 10, 10, rgb(5, 6, 7));
  w->LowColorDisplay = false;
  w->CopyToBmap();
  EXPECT_TRUE(w->bmap().empty());
  // A slide show keeps no copy, except for the model samples.
  w->LowColorDisplay = true;
  w->file().ShowMode = 1;
  w->CopyToBmap();
  EXPECT_TRUE(w->bmap().empty());
  w->file().FileName = "/data/STATIC/OVMOD4A.PNT";
  w->CopyToBmap();
  EXPECT_EQ(w->bmap(), canvas);
}

}  // namespace
}  // namespace orn::test
