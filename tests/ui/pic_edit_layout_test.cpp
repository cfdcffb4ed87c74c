// The editor window lays its canvas and panels out for its size, rescales the
// picture with the canvas, and keeps an exact off-screen copy of the canvas.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "canvas/ui/form_layout.h"
#include "canvas/ui/part_labels.h"
#include "editor/ui/zoom_control.h"
#include "platform/canvas_widget.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

TEST(FormLayout, CanvasIsTheLargestOfThePictureShapeThatFitsAndALoadedCanvasKeepsItsSizeIfItFits) {
  // 1029 x 664 inside leaves 900 x 600 for the canvas.
  const struct {
    double aspect;
    int canvasW, canvasH, width, height;
  } cases[] = {
      {0.8, 10, 10, 750, 600},   {1.25, 10, 10, 480, 600},
      {0.25, 10, 10, 900, 225},  {0.0, 0, 0, 900, 600},  // a bad ratio
      {kAspectFromCanvas, 700, 500, 700, 500},            // fits: kept
      {kAspectFromCanvas, 1000, 500, 900, 450},           // too wide: shape kept
      {kAspectFromCanvas, 0, 0, 900, 600},                // no canvas to copy
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.aspect << " " << c.canvasW << "x" << c.canvasH);
    const CanvasFit f = FitCanvas(1029, 664, c.aspect, c.canvasW, c.canvasH);
    EXPECT_EQ(f.width, c.width);
    EXPECT_EQ(f.height, c.height);
    if (c.aspect == kAspectFromCanvas && c.canvasW > 0) {
      EXPECT_DOUBLE_EQ(f.pageAspect, double(c.canvasH) / c.canvasW);
    }
  }
  for (int s : {0, 40, 85, 100, 140}) {  // tiny windows still give a canvas
    const CanvasFit f = FitCanvas(s, s, 0.8, 0, 0);
    EXPECT_GE(f.width, 1) << s;
    EXPECT_GE(f.height, 1) << s;
    EXPECT_LE(f.width, kMinCanvas) << s;
  }
  // However large the window, neither side passes the largest canvas; a
  // canvas kept as it is was never larger.
  for (const auto& [aspect, curW, curH] : {std::tuple{0.8, 0, 0}, {0.01, 0, 0}, {100.0, 0, 0},
                                           {kAspectFromCanvas, 20000, 20000}, {kAspectFromCanvas, 16384, 300}}) {
    const CanvasFit f = FitCanvas(40000, 40000, aspect, curW, curH);
    EXPECT_LE(f.width, kMaxCanvas) << aspect << " " << curW;
    EXPECT_LE(f.height, kMaxCanvas) << aspect << " " << curW;
    EXPECT_TRUE(f.width == kMaxCanvas || f.height == kMaxCanvas) << aspect << " " << curW;
  }
  const CanvasPlace shown = PlaceCanvas(1029, 664, 749, 600, true);  // show mode centres it
  EXPECT_EQ(QPoint(shown.left, shown.top), QPoint(140, 32));
  const CanvasPlace edit = PlaceCanvas(1029, 664, 749, 600, false);
  EXPECT_EQ(QPoint(edit.left, edit.top), QPoint(kCanvasLeft, kCanvasTop));
}

TEST_F(PicEditTest, WindowPlacesTheCanvasForItsSizeAndShapeWithTheColourPanelBesideIt) {
  setInnerSize(1029, 664);
  EXPECT_EQ(w->Picture1->geometry(), QRect(kCanvasLeft, kCanvasTop, 750, 600));
  EXPECT_EQ(QSize(w->canvasSurface().width(), w->canvasSurface().height()), QSize(750, 600));
  EXPECT_EQ(w->colours().Picture4->x(), w->Picture1->geometry().right() + 9);
  EXPECT_TRUE(w->redraws().StopSign->isHidden());
  w->layout().PageAspect = 1.25;
  w->layout().FormRSZ();
  EXPECT_EQ(w->Picture1->size(), QSize(480, 600));
  EXPECT_EQ(w->colours().Picture4->x(), w->Picture1->geometry().right() + 9);
}

// The part labels stand in the bottom strip under the canvas's right end,
// whatever sized the canvas last (the window, a loaded picture's stored
// size, a zoom), off the canvas and the progress strip. (That no control
// covers another at any window size is checked with the colour panels.)
TEST_F(PicEditTest, ThePartLabelsStandUnderTheCanvassRightEnd) {
  auto check = [&](const std::string& after) {
    const QRect labels = w->Picture7->geometry();
    EXPECT_TRUE(w->formArea()->rect().contains(labels)) << after;
    EXPECT_FALSE(labels.intersects(w->Picture1->geometry())) << after;
    EXPECT_FALSE(labels.intersects(w->Progress->geometry())) << after;
    const int right = w->Picture1->geometry().right();
    EXPECT_TRUE(labels.left() < right && labels.right() > right - 40) << after;
  };
  for (QSize size : {QSize(1029, 664), QSize(1000, 700), QSize(729, 664)}) {
    setInnerSize(size.width(), size.height());
    check("window " + std::to_string(size.width()) + " ");
  }
  setInnerSize(1029, 664);
  w->viewing().sizeCanvas(900, 500);
  check("zoom ");
}

// A polyline 100,40 - 200,80 - 300,80 whose middle point is marked deleted,
// as an editing tool leaves it: the resize packs it away before rescaling.
TEST_F(PicEditTest, ResizingTheWindowPacksAndRescalesThePictureWithTheCanvas) {
  setInnerSize(729, 664);  // 600 x 480 canvas
  ASSERT_EQ(w->Picture1->size(), QSize(600, 480));
  DrawingList& list = w->list();
  const int first = firstPointOf(list, AddShape(list, kTypePolyLine, {{100, 40}, {200, 80}, {300, 80}}));
  list.G0[first + 1] = -7777.0f;
  list.PackFrom = first + 1;

  setInnerSize(1029, 784);  // room for 900 x 720: the shape is kept
  EXPECT_EQ(w->Picture1->size(), QSize(900, 720));
  EXPECT_EQ(list.PackFrom, 0);
  for (int i = 0; i <= list.NumPoints; ++i) EXPECT_NE(list.G0[i], -7777.0f) << i;
  EXPECT_FLOAT_EQ(list.G0[first], 150.0f);
  EXPECT_FLOAT_EQ(list.G1[first], 60.0f);
  EXPECT_FLOAT_EQ(list.G0[first + 1], 450.0f);
  EXPECT_FLOAT_EQ(list.G1[first + 1], 120.0f);
  EXPECT_FLOAT_EQ(w->views().rows[1][2], 599.0f * 1.5f);  // the full-picture view follows
}

// The sample "Gem" opened from the main menu into the maximised editor, as
// the sample is (a 960 x 640 canvas, larger than this screen allows) and as
// if saved from a smaller window with a canvas that fits this one (600 x 400
// of 700 x 500). Either way the canvas fills the window as every later
// layout does, and after Set Zoom, a zoom and Back, and after File > New
// Picture, which brings the picture back, the window shows exactly the
// pixels it showed when it opened.
TEST_F(PicEditTest, APictureOpenedFromTheMenuIsLaidOutForTheWindowAndZoomThenBackOrNewRestoresTheScreen) {
  auto gem = ReadPictureFile(std::filesystem::path(ORNIVALE_DATA_DIR) / "OVPP3A.PNT");
  ASSERT_TRUE(gem.ok());
  ASSERT_GT(gem.value->views.size(), std::size_t(ViewBase));
  ASSERT_FALSE(WritePictureFile(path("GEM.PNT"), *gem.value));
  ViewRow& sizes = gem.value->views[ViewBase];
  sizes[0] = 700, sizes[1] = 500, sizes[2] = 600, sizes[3] = 400;
  ASSERT_FALSE(WritePictureFile(path("SMALLGEM.PNT"), *gem.value));

  for (const char* name : {"GEM.PNT", "SMALLGEM.PNT"}) {
    SCOPED_TRACE(name);
    w.reset();
    appState.PicturePath = path(name);
    appState.OpenForEditing = true;
    appState.StartMode = appState.SavedStartMode = kStartEdit;
    w = std::make_unique<PicEdit>(host, appState, &dialogs);
    w->showMaximized();  // as the main menu opens it
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    w->start().LoadTimer_Timer();
    w->start().StartTimer_Timer();
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    ASSERT_GT(w->list().NumPoints, 100);
    const QSize area = w->formArea()->size();
    const CanvasFit fit = FitCanvas(area.width(), area.height(), 400.0 / 600.0, 0, 0);
    ASSERT_GT(fit.width, 600);
    EXPECT_EQ(w->Picture1->size(), QSize(fit.width, fit.height));
    const QImage opened = w->grab().toImage();
    const Surface canvas = w->canvasSurface();

    // A layout of the same window changes nothing.
    w->layout().FormRSZ();
    EXPECT_TRUE(w->canvasSurface() == canvas);

    // Zooms of several centres and sizes, each followed by Back.
    for (const auto& [c, up] : {std::pair{QPoint{fit.width / 3, fit.height / 2}, 20}, {QPoint{101, 77}, 35},
                                {QPoint{fit.width - 50, fit.height - 61}, 3}}) {
      SCOPED_TRACE(testing::Message() << c.x() << "," << c.y() << " " << up);
      trigger("ZoomSS(2)");
      click(c);
      move(c - QPoint(0, up));
      click(c);
      ASSERT_FALSE(w->zoom().zoomBoxMode());
      EXPECT_FALSE(w->canvasSurface() == canvas);
      trigger("ZoomS(0)");
      QApplication::processEvents();
      EXPECT_EQ(w->Picture1->size(), QSize(fit.width, fit.height));
      EXPECT_TRUE(w->canvasSurface() == canvas);
      EXPECT_TRUE(w->grab().toImage() == opened);
    }
    host.answers = {MsgResult::No};  // to the offer to save, if it comes
    trigger("MenFileNew");
    host.answers.clear();
    ASSERT_GT(w->list().NumPoints, 100);
    EXPECT_EQ(w->Picture1->size(), QSize(fit.width, fit.height));
    EXPECT_TRUE(w->canvasSurface() == canvas);
    EXPECT_TRUE(w->grab().toImage() == opened);
  }
}

// A small file that stores the largest canvas a picture may keep, 16384
// pixels square, with a line corner to corner, and one that stores a canvas
// larger than any: opened by the editor and loaded into it, each takes a
// canvas fitted to the window and holds no more memory than that canvas.
// The line keeps its place on the canvas.
TEST_F(PicEditTest, APictureStoringAHugeCanvasGetsAFittedCanvasAndOnlyItsMemory) {
  auto save = [this](const std::string& name, float side) {
    PictureFile p;
    p.header[kHdrLineWidth] = 1;
    p.views.resize(ViewBase + 1);
    p.views[ViewBase] = ViewRow{1, 1, side, side};  // saved in a window of another size
    p.g0 = {20001, 0, 20077, 0, side - 1, 20099};
    p.g1 = {3, 0, 4, 0, side - 1, 0};
    ASSERT_FALSE(WritePictureFile(path(name), p));
  };
  save("HUGE.PNT", float(kMaxCanvas));
  save("HUGER.PNT", 32000.0f);
  auto expectFitted = [this](const std::string& what, bool stored) {
    const Surface& canvas = w->canvasSurface();
    const QSize area = w->formArea()->size();
    const int side = std::min(area.width() - kFreeWidth, area.height() - kFreeHeight);
    EXPECT_EQ(QSize(canvas.width(), canvas.height()), QSize(side, side)) << what;
    EXPECT_EQ(canvas.bytesHeld(), std::size_t(side) * std::size_t(side) * sizeof(Rgb)) << what;
    if (stored) {
      EXPECT_NEAR(w->list().G0[4], (kMaxCanvas - 1) * float(side) / kMaxCanvas, 0.01f) << what;
    }
  };

  // Opened from the main menu, laid out for the window.
  w.reset();
  appState.PicturePath = path("HUGE.PNT");
  appState.OpenForEditing = true;
  appState.StartMode = appState.SavedStartMode = kStartEdit;
  w = std::make_unique<PicEdit>(host, appState, &dialogs);
  w->show();
  setInnerSize(900, 700);
  w->start().LoadTimer_Timer();
  w->start().StartTimer_Timer();
  QApplication::processEvents();
  ASSERT_EQ(w->list().NumPoints, 5);
  expectFitted("opened", true);

  // Loaded into the editor from a smaller canvas, so that it does not fit.
  setInnerSize(729, 600);
  load(path("HUGE.PNT"));
  ASSERT_EQ(w->list().NumPoints, 5);
  expectFitted("loaded", true);
  load(path("HUGER.PNT"));  // no size of a canvas: the window's is taken
  ASSERT_EQ(w->list().NumPoints, 5);
  expectFitted("larger than any", false);
}

// A window wider than the largest canvas, with a picture shape that would
// fill its width: the canvas stops at the largest canvas's width.
TEST_F(PicEditTest, TheCanvasFollowsTheWindowOnlyUpToTheLargestCanvas) {
  w->layout().PageAspect = 0.02;
  setInnerSize(kMaxCanvas + 1000, 700);
  EXPECT_EQ(w->canvasSurface().width(), kMaxCanvas);
  EXPECT_EQ(w->canvasSurface().height(), std::lround(kMaxCanvas * 0.02));
  EXPECT_EQ(w->Picture1->width(), kMaxCanvas);
}

TEST_F(PicEditTest, MinimizedWindowOnlyRedrawsWhenRestored) {
  setInnerSize(1029, 664);
  const QSize before = w->Picture1->size();
  w->showMinimized();
  QApplication::processEvents();
  w->layout().FormRSZ();
  if (!w->isMinimized()) GTEST_SKIP() << "the platform does not minimise windows";
  EXPECT_TRUE(w->layout().RedrawPending);
  w->showNormal();
  QApplication::processEvents();
  w->layout().FormRSZ();
  EXPECT_FALSE(w->layout().RedrawPending);
  EXPECT_EQ(w->Picture1->size(), before);
}

TEST_F(PicEditTest, CanvasCopyIsKeptOnlyWhereTheDisplayNeedsItAndRoundTripsEveryPixel) {
  setInnerSize(729, 664);
  Surface& canvas = w->canvasSurface();
  canvas.setPenColor(rgb(200, 10, 30));
  canvas.setPenWidth(3);
  canvas.line(5, 5, 400, 300);
  canvas.fillBox(50, 60, 120, 90, rgb(1, 2, 3));
  canvas.pset(canvas.width() - 1, canvas.height() - 1, rgb(9, 9, 9));
  const Surface drawn = canvas;
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
  ASSERT_EQ(w->bmap(), drawn);
  canvas.clear();
  ASSERT_FALSE(canvas == drawn);
  w->CopyBMAPtoPicture();
  EXPECT_EQ(canvas, drawn);
}

}  // namespace
}  // namespace orn::test
