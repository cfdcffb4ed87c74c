// Printing and image export in the real editor window: a print into a real
// PDF file read back with poppler's tools, the page-layout dialog driven by
// the mouse and keyboard, bitmaps and the wallpaper tile written and read
// back.
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <string>
#include <vector>

#include "print/bitmap_export.h"
#include "print/ui/page_preview.h"
#include "print/ui/qt_image_writer.h"
#include "print_gui_fixture.h"
#include "symmetry/sym_table.h"

namespace orn::test {
namespace {

TEST_F(PrintGui, AColourPrintIntoAPdfHasAPagePerCopyWithThePictureWhereTheLayoutPutIt) {
  drawSquare();
  print([](PrintFrm& d) { typeInto(d.TCopy, "3"); });
  EXPECT_EQ(PdfPages(path("out.pdf")), 3);
  ASSERT_FALSE(host.boxes.empty());
  EXPECT_NE(host.boxes.back().text.find(path("out.pdf")), std::string::npos);  // says where

  const QImage page = PdfPage(path("out.pdf"), path("page"));
  ASSERT_EQ(page.width(), 2550);  // a letter sheet at 300 dpi
  const PrintState& ps = w->printState();
  EXPECT_EQ(ps.ImageX, 100);
  EXPECT_TRUE(Red(page.pixel(100 + 60, 100 + 60)));
  EXPECT_TRUE(Dark(page.pixel(100 + 20, 100 + 60)));
  EXPECT_FALSE(Red(page.pixel(100 + 110, 100 + 60)));
  EXPECT_FALSE(Red(page.pixel(50, 50)));
  // The editor is back as it was: menus on, the picture on the canvas.
  EXPECT_TRUE(enabled("MenFilePrint"));
  EXPECT_EQ(w->canvasSurface().point(60, 60), std::int64_t(kFill));
}

TEST_F(PrintGui, ABlackAndWhitePrintDrawsTheLinesOnlyAtTheTypedPlace) {
  drawSquare();
  print([](PrintFrm& d) {
    QTest::mouseClick(d.Style[2], Qt::LeftButton);
    typeInto(d.TCopy, "2");
    typeInto(d.LBox, "1");  // one inch from the left
  });
  EXPECT_EQ(PdfPages(path("out.pdf")), 2);
  // Each sheet is one 1-bit picture of the whole page, a pixel per printer dot.
  EXPECT_EQ(PdfPictures(path("out.pdf")), (std::vector<std::string>(2, "2550x3300 gray 1")));
  const QImage page = PdfPage(path("out.pdf"), path("page"));
  ASSERT_FALSE(page.isNull());
  // The square's left edge at canvas x 20 (+1) is 300 + 21 on the page.
  EXPECT_TRUE(Dark(page.pixel(300 + 21, 100 + 60)));
  EXPECT_FALSE(Dark(page.pixel(300 + 60, 100 + 60)));
  for (int y = 0; y < page.height(); y += 3)
    for (int x = 0; x < page.width(); x += 3) ASSERT_FALSE(Red(page.pixel(x, y))) << x << "," << y;
  EXPECT_EQ(w->canvasSurface().point(60, 60), std::int64_t(kFill));  // the screen keeps its fills
}

// A black-and-white print shows the drawing as the colour print shows its
// lines: at one printer dot per canvas pixel, lines four pixels apart stay
// apart; printed eight times larger, each line takes the pen it always had.
TEST_F(PrintGui, ABlackAndWhitePrintKeepsItsLinesApartAtEveryScale) {
  for (int y = 20; y <= 100; y += 4) AddShape(w->list(), kTypePolyLine, {{20, float(y)}, {300, float(y)}});
  w->DrawAll(1);
  print([](PrintFrm& d) { QTest::mouseClick(d.Style[2], Qt::LeftButton); });
  QImage page = PdfPage(path("out.pdf"), path("page"));
  ASSERT_FALSE(page.isNull());
  // Canvas row y prints on page row 100 + y + 1, as every printed line is
  // shifted by a canvas pixel right and down.
  for (int y = 20; y <= 100; y += 4) {
    EXPECT_TRUE(Dark(page.pixel(100 + 150, 100 + y + 1))) << y;
    EXPECT_FALSE(Dark(page.pixel(100 + 150, 100 + y + 3))) << y;
  }
  // The ink down the 21 lines is about 21 rows' worth, not a slab of 81.
  double ink = 0;
  for (int y = 100 + 19; y <= 100 + 103; ++y) ink += (255 - qGray(page.pixel(100 + 150, y))) / 255.0;
  EXPECT_NEAR(ink, 21, 3);

  // Eight dots per canvas pixel, in inches at 300 dots an inch.
  const std::string eightfold = QString::number(w->canvasSurface().width() * 8 / 300.0, 'f', 2).toStdString();
  print([&eightfold](PrintFrm& d) {
    QTest::mouseClick(d.Style[2], Qt::LeftButton);
    typeInto(d.LBox, "0");
    typeInto(d.TBox, "0");
    typeInto(d.WBox, eightfold.c_str());
  });
  page = PdfPage(path("out.pdf"), path("page"));
  ASSERT_NEAR(w->printState().ImageW, w->canvasSurface().width() * 8, 2);
  // The line at canvas row 20 lies on page row 8 x 21 = 168, four dots wide.
  for (int y = 160; y < 176; ++y) EXPECT_EQ(Dark(page.pixel(8 * 150, y)), y >= 166 && y < 170) << y;
}

// The page turned to landscape keeps the picture on it: an image placed low
// on the portrait page moves up onto the landscape one, and the whole
// picture is printed.
TEST_F(PrintGui, ThePictureStaysOnThePageWhenThePageIsTurned) {
  drawSquare();
  print([](PrintFrm& d) {
    typeInto(d.TBox, "9");  // near the foot of the portrait page
    QTest::mouseClick(d.PortLand[1], Qt::LeftButton);
  });
  const PrintState& ps = w->printState();
  ASSERT_EQ(ps.PageHeight, 2550);
  EXPECT_GE(ps.ImageY, 0);
  EXPECT_LE(ps.ImageY + ps.ImageH, ps.PageHeight);
  EXPECT_LE(ps.ImageX + ps.ImageW, ps.PageWidth);
  const QImage page = PdfPage(path("out.pdf"), path("page"));
  ASSERT_EQ(page.height(), 2550);
  // The square's fill and its bottom edge (canvas row 100) are on the page.
  EXPECT_TRUE(Red(page.pixel(ps.ImageX + 60, ps.ImageY + 60)));
  EXPECT_TRUE(Dark(page.pixel(ps.ImageX + 60, ps.ImageY + 100)));
}

// Black and white or colour, a landscape layout gives a landscape page with
// the picture upright where the layout put it.
TEST_F(PrintGui, ALandscapeLayoutPrintsOnALandscapePageInEitherStyle) {
  drawSquare();
  for (const int style : {2, 1}) {
    print([style](PrintFrm& d) {
      QTest::mouseClick(d.PortLand[1], Qt::LeftButton);
      QTest::mouseClick(d.Style[style], Qt::LeftButton);
    });
    EXPECT_NE(Shell("pdfinfo '" + path("out.pdf") + "'").find("792 x 612 pts"), std::string::npos) << style;
    const QImage page = PdfPage(path("out.pdf"), path("page"));
    ASSERT_EQ(page.width(), 3300) << style;
    const PrintState& ps = w->printState();
    // The square's left edge at canvas x 20 (+1 in black and white).
    EXPECT_TRUE(Dark(page.pixel(ps.ImageX + 20 + (style == 2 ? 1 : 0), ps.ImageY + 60))) << style;
    // Inside it, the fill in colour and paper in black and white.
    const QRgb inside = page.pixel(ps.ImageX + 60, ps.ImageY + 60);
    EXPECT_TRUE(style == 1 ? Red(inside) : qGray(inside) > 200) << style;
  }
}

// File > Printer Setup shows the page in the layout's orientation, and the
// orientation chosen there is the layout's from then on.
TEST_F(PrintGui, PrinterSetupAndTheLayoutShareOneOrientation) {
  drawSquare();
  print([](PrintFrm& d) {
    QTest::mouseClick(d.PortLand[1], Qt::LeftButton);
    QTest::mouseClick(d.PrtGlob[1], Qt::LeftButton);
  });
  QPageLayout::Orientation shown = QPageLayout::Portrait;
  bool ran = false;
  whenModal<QDialog>(
      [&shown](QDialog& d) {
        auto* setup = qobject_cast<QPageSetupDialog*>(&d);
        ASSERT_NE(setup, nullptr);
        shown = setup->printer()->pageLayout().orientation();
        auto* portrait = d.findChild<QRadioButton*>("portrait");
        ASSERT_NE(portrait, nullptr);
        portrait->click();
        d.accept();
      },
      &ran);
  trigger("MenFilePset");
  ASSERT_TRUE(ran);
  EXPECT_EQ(shown, QPageLayout::Landscape);
  bool portraitShown = false;
  print([&portraitShown](PrintFrm& d) {
    portraitShown = d.PortLand[0]->isChecked();
    QTest::mouseClick(d.PrtGlob[1], Qt::LeftButton);
  });
  EXPECT_TRUE(portraitShown);
  EXPECT_EQ(w->printState().PrintOrientation, kPortrait);
}

// A polyhedron-net sample's print layout gives the folded model's height; a
// new picture is no model net.
TEST_F(PrintGui, AModelNetsLayoutShowsTheFoldedHeightUntilANewPictureIsStarted) {
  drawSquare();
  std::filesystem::create_directories(dir / "STATIC");
  const std::string net = (dir / "STATIC" / "OVMOD6A.PNT").string();
  saveAs(net);
  load(net);
  std::string line;
  const auto label1 = [&line](PrintFrm& d) {
    line = d.Label1->text().toStdString();
    QTest::mouseClick(d.PrtGlob[1], Qt::LeftButton);
  };
  print(label1);
  EXPECT_EQ(line.rfind("3D Cube will be", 0), 0u) << line;
  trigger("MenFileNew");
  print(label1);
  EXPECT_EQ(line, "Printer Resolution: 300dpi");
}

TEST_F(PrintGui, TheDialogsPreviewFollowsTheMouseAndTheTypedSizes) {
  PrintState ps;
  ps.PageWidth = 2550;
  ps.PageHeight = 3300;
  ps.PrinterDpiX = ps.PrinterDpiY = 300;
  ps.ImageX = ps.ImageY = 100;
  ps.ImageW = 600;
  ps.ImageH = 400;
  ps.AspectRatio = 1.5f;
  ps.ModelNumber = 4;  // the longest model line, in full and clear of the buttons
  int mode = 0;
  PrintFrm d(ps, mode, w->canvasSurface(), nullptr);
  d.show();
  QApplication::processEvents();
  EXPECT_EQ(d.WBox->text(), "2.00");
  EXPECT_NE(d.Label1->text().indexOf("Icosahedron"), -1);
  EXPECT_GE(d.Label1->height(), d.Label1->heightForWidth(d.Label1->width()));
  EXPECT_TRUE(d.rect().contains(d.Label1->geometry()));
  EXPECT_FALSE(d.Label1->geometry().intersects(d.PrtGlob[0]->geometry()));
  typeInto(d.WBox, "3");
  EXPECT_EQ(d.HBox->text(), "2.00");

  // Drag the bottom-right corner 10 preview pixels to the right.
  const PreviewRect bm = d.layout().bm();
  const QPoint origin = d.Preview->pageOrigin();
  const QPoint grab(origin.x() + int(bm.right()) + 7, origin.y() + int(bm.bottom()) + 7);
  QTest::mousePress(d.Preview, Qt::LeftButton, {}, grab);
  QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(10, 0)), d.Preview->mapToGlobal(QPointF(grab)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(d.Preview, &move);
  QTest::mouseRelease(d.Preview, Qt::LeftButton, {}, grab + QPoint(10, 0));
  EXPECT_NEAR(d.layout().bm().width, bm.width + 10, 1e-9);
  EXPECT_NE(d.WBox->text(), "3");

  const QSize portrait = d.Preview->size();
  QTest::mouseClick(d.PortLand[1], Qt::LeftButton);
  EXPECT_GT(d.Preview->width(), portrait.width());
  EXPECT_EQ(ps.PageWidth, 3300);
  QTest::keyClick(&d, Qt::Key_Escape);
  EXPECT_FALSE(ps.GoFlag);
  EXPECT_GT(ps.ImageW, 900);
}

TEST_F(PrintGui, SaveAsBitmapWritesTheCanvasPixelsExactlyAs24BitBmp) {
  drawSquare();
  w->canvasSurface().pset(3, 4, rgb(12, 34, 56));
  dialogs.saves = {path("pic.bmp")};
  trigger("MenSaveBitmap");
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0].title, "Save as Bitmap");
  const std::vector<std::uint8_t> bytes = ReadBytes(path("pic.bmp"));
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(int(bytes[28]), 24);  // bits per pixel
  const QImage img(QString::fromStdString(path("pic.bmp")));
  const Surface& c = w->canvasSurface();
  ASSERT_EQ(img.width(), c.width());
  ASSERT_EQ(img.height(), c.height());
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      ASSERT_EQ(std::int64_t(rgb(qRed(img.pixel(x, y)), qGreen(img.pixel(x, y)), qBlue(img.pixel(x, y)))),
                c.point(x, y))
          << x << "," << y;

  // Saved again under the same name, the file is the new picture alone.
  QtImageWriter writer;
  ASSERT_FALSE(writer.writeBmp(c, 0, 0, 7, 5, path("pic.bmp")));
  EXPECT_EQ(QImage(QString::fromStdString(path("pic.bmp"))).size(), QSize(7, 5));
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    EXPECT_TRUE(name == "pic.bmp" || name.rfind("pic", 0) != 0) << name;  // no scratch file left
  }

  dialogs.saves = {path("pic.png")};
  trigger("MenSaveBitmap");
  EXPECT_EQ(host.boxes.back().text, "Bad Name - " + path("pic.png"));
  EXPECT_FALSE(std::filesystem::exists(path("pic.png")));
}

// A bitmap that cannot be written over its old file says so, and the old
// file stays as it was: it is never removed before the new one is whole.
TEST_F(PrintGui, ABitmapThatCannotReplaceItsOldFileIsReportedAndTheOldFileStays) {
  drawSquare();
  const std::string old = path("kept.bmp");
  { std::ofstream(old) << "an earlier tile"; }
  std::filesystem::permissions(old, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                        std::filesystem::perms::others_read);
  dialogs.saves = {old};
  trigger("MenSaveBitmap");
  ASSERT_FALSE(host.boxes.empty());
  EXPECT_NE(host.boxes.back().text.find("kept.bmp"), std::string::npos) << host.boxes.back().text;
  const std::vector<std::uint8_t> bytes = ReadBytes(old);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "an earlier tile");
  for (const auto& e : std::filesystem::directory_iterator(dir))
    EXPECT_EQ(e.path().filename().string().find(".kept.bmp"), std::string::npos) << "no scratch file left";
}

TEST_F(PrintGui, TheWallpaperTileLaidThreeByThreeIsThePictureItself) {
  // The wallpaper folder lies in the (test's) Pictures folder.
  const HomeFolder home(dir);
  // Lines drawn alike in every copy: the base shapes hidden, no lengthening.
  w->editor().GridMode = 2;
  w->draw().ExtendLen = 0.0f;
  AddLattice(w->list(), w->sym(), 12, 10, 50, 40, 25, 20);
  AddShape(w->list(), kTypePolyLine, {{5, 5}, {45, 12}, {30, 35}, {5, 5}});
  w->DrawAll(1);
  const Surface canvas = w->canvasSurface();
  dialogs.saves = {path("wall.bmp")};
  trigger("MenSaveWall");

  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0].title, "Save as Wallpaper");
  EXPECT_EQ(dialogs.saveRequests[0].initialFolder, (dir / "Pictures" / "Ornivale Wallpapers").string());
  EXPECT_TRUE(w->canvasSurface() == canvas);  // the outline is gone again
  const QImage tile(QString::fromStdString(path("wall.bmp")));
  ASSERT_EQ(tile.width(), 50);
  ASSERT_EQ(tile.height(), 40);
  const DrawContext& ctx = w->draw();
  for (int y = 0; y < 3 * tile.height(); ++y) {
    for (int x = 0; x < 3 * tile.width(); ++x) {
      const QRgb t = tile.pixel(x % tile.width(), y % tile.height());
      ASSERT_EQ(std::int64_t(rgb(qRed(t), qGreen(t), qBlue(t))), canvas.point(ctx.WallLeft + x, ctx.WallTop + y))
          << x << "," << y;
    }
  }
}

// While the wallpaper's name is asked, the window shows the tile's outline,
// and the dialog is asked to leave it in view.
TEST_F(PrintGui, TheWallpaperTilesOutlineIsShownWhileTheDialogAsksItsName) {
  const HomeFolder home(dir);
  AddLattice(w->list(), w->sym(), 12, 10, 50, 40, 25, 20);
  w->DrawAll(1);
  QApplication::processEvents();
  const Surface canvas = w->canvasSurface();
  QImage shown;
  FileDialogRequest asked;
  dialogs.whileOpen = [&](const FileDialogRequest& r) {
    asked = r;
    QApplication::processEvents();
    const QPoint at = w->Picture1->mapTo(w.get(), QPoint(0, 0));
    shown = w->screen()->grabWindow(w->winId(), at.x(), at.y(), canvas.width(), canvas.height()).toImage();
  };
  trigger("MenSaveWall");  // cancelled
  ASSERT_EQ(shown.size(), QSize(canvas.width(), canvas.height()));
  const DrawContext& d = w->draw();
  const auto onScreen = [&shown](int x, int y) {
    const QRgb c = shown.pixel(x, y);
    return std::int64_t(rgb(qRed(c), qGreen(c), qBlue(c)));
  };
  // The four outlines to the right of the tile and below it.
  ASSERT_LT(d.WallRight + kWallOutlines, canvas.width());
  ASSERT_LT(d.WallBottom + kWallOutlines, canvas.height());
  for (int i = 1; i <= kWallOutlines; ++i) {
    const int x = d.WallRight + i, y = d.WallBottom + i, mid = (d.WallTop + d.WallBottom) / 2;
    EXPECT_EQ(onScreen(x, mid), std::int64_t(Rgb(canvas.point(x, mid)) ^ kWallOutlineColour)) << i;
    EXPECT_EQ(onScreen(d.WallLeft + 5, y), std::int64_t(Rgb(canvas.point(d.WallLeft + 5, y)) ^ kWallOutlineColour)) << i;
  }
  EXPECT_EQ(onScreen(d.WallLeft + 5, d.WallTop + 5), canvas.point(d.WallLeft + 5, d.WallTop + 5));
  EXPECT_EQ(asked.keepInView.left, d.WallLeft - kWallOutlines);
  EXPECT_EQ(asked.keepInView.top, d.WallTop - kWallOutlines);
  EXPECT_EQ(asked.keepInView.right, d.WallRight + kWallOutlines);
  EXPECT_EQ(asked.keepInView.bottom, d.WallBottom + kWallOutlines);
  EXPECT_TRUE(w->canvasSurface() == canvas);  // the outline goes with the dialog
}

// A pattern whose rows drift down a little with every period has no tile of
// whole periods: the user is told the tile shows a seam, and it is saved.
TEST_F(PrintGui, AWallpaperTileThatCannotSpanWholePeriodsIsSavedAfterSayingSo) {
  const HomeFolder home(dir);
  AddSkewLattice(w->list(), w->sym(), 30, 30.6f, 40, 0.8f, 0, 40);
  w->DrawAll(1);
  dialogs.saves = {path("drift.bmp")};
  trigger("MenSaveWall");
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, kWallSeamText);
  EXPECT_EQ(QImage(QString::fromStdString(path("drift.bmp"))).size(), QSize(40, 40));
}

// Every file dialog opens in the open picture's folder, and for a picture
// without one in the folder of the picture the user had last: not in the
// program folder after a print, nor in the wallpaper folder after a
// wallpaper. The bitmap is proposed under the picture's name.
TEST_F(PrintGui, FileDialogsOpenInThePicturesFolderAndTheBitmapTakesItsName) {
  const HomeFolder home(dir);
  const std::filesystem::path pictures = dir / "pictures";
  std::filesystem::create_directories(pictures);
  AddLattice(w->list(), w->sym(), 12, 10, 50, 40, 25, 20);
  w->DrawAll(1);
  saveAs((pictures / "Flower.PNT").string());
  print([](PrintFrm&) {});
  dialogs.saves = {(dir / "Pictures" / "Ornivale Wallpapers" / "tile.bmp").string()};
  trigger("MenSaveWall");
  dialogs.saveRequests.clear();

  dialogs.saves = {""};  // cancelled
  trigger("MenSaveBitmap");
  dialogs.opens = {""};
  trigger("MenFileLoad(0)");
  dialogs.saves = {""};
  trigger("MenFileSaveAs");
  ASSERT_EQ(dialogs.saveRequests.size(), 2u);
  ASSERT_EQ(dialogs.openRequests.size(), 1u);
  const FileDialogRequest& bitmap = dialogs.saveRequests[0];
  EXPECT_EQ(bitmap.title, "Save as Bitmap");
  EXPECT_EQ(bitmap.proposedName, "Flower.BMP");
  EXPECT_EQ(bitmap.initialFolder, pictures.string());
  EXPECT_EQ(dialogs.openRequests[0].initialFolder, pictures.string());
  EXPECT_EQ(dialogs.saveRequests[1].initialFolder, pictures.string());
  EXPECT_EQ(dialogs.saveRequests[1].proposedName, "Flower.PNT");

  // A new picture has no folder: the dialogs open where the last one was.
  host.ctrl = true;
  trigger("MenFileNew");
  host.ctrl = false;
  dialogs.saves = {""};
  trigger("MenFileSaveAs");
  ASSERT_EQ(dialogs.saveRequests.size(), 3u);
  EXPECT_EQ(dialogs.saveRequests[2].initialFolder, pictures.string());

  // A sample has no file name of its own: its bitmap takes the sample's title.
  std::filesystem::create_directories(dir / "STATIC");
  std::filesystem::copy_file(std::filesystem::path(ORNIVALE_DATA_DIR) / "OVPP1A.PNT", dir / "STATIC" / "OVPP1A.PNT");
  load((dir / "STATIC" / "OVPP1A.PNT").string());
  dialogs.saves = {""};
  trigger("MenSaveBitmap");
  ASSERT_EQ(dialogs.saveRequests.size(), 4u);
  EXPECT_EQ(dialogs.saveRequests[3].proposedName, "Needle.BMP");
  EXPECT_EQ(dialogs.saveRequests[3].initialFolder, pictures.string());
}

// The move of the base copy onto its nearest plain translate straight to
// the right (across) or straight down, from the copy table of part 1.
double LatticePeriod(const SymState& sym, bool across) {
  const auto& b = sym.SymData[std::size_t(sym.SymGroups[1][kFirstCopy])];
  double best = 1e9;
  for (int k = sym.SymGroups[1][kFirstCopy] + 1; k <= sym.SymGroups[1][kLastCopy]; ++k) {
    const auto& c = sym.SymData[std::size_t(k)];
    bool same = c[kReflect] == b[kReflect];
    for (int f : {kP1x, kP1y, kP2x, kP2y}) same = same && std::fabs((c[f] - c[f % 2]) - (b[f] - b[f % 2])) < 0.01;
    const double along = across ? c[kP0x] - b[kP0x] : c[kP0y] - b[kP0y];
    const double aside = across ? c[kP0y] - b[kP0y] : c[kP0x] - b[kP0x];
    if (same && std::fabs(aside) < 0.5 && along > 0.5) best = std::min(best, along);
  }
  return best;
}

// A tile of the fewest periods, each way, that come within a fifth of a
// pixel of whole pixels, by the picture's copy table of part 1.
void ExpectFewestWholePeriods(SymState& sym, const DrawingList& list, const QImage& tile, const std::string& what) {
  sym.CurPart = 1;
  ASSERT_EQ(CheckSymData(sym, list), SymRebuild::Valid);
  for (const bool across : {true, false}) {
    const double period = LatticePeriod(sym, across);
    const int size = across ? tile.width() : tile.height();
    const int n = int(std::lround(size / period));
    EXPECT_NEAR(size, n * period, 0.2) << what << " " << across << " " << period;
    for (int fewer = 1; fewer < n; ++fewer)
      EXPECT_GT(std::fabs(fewer * period - std::nearbyint(fewer * period)), 0.2) << what << " " << period;
  }
  sym.CurPart = 0;
  ASSERT_EQ(CheckSymData(sym, list), SymRebuild::Valid);
}

// The "Needle" sample lies on a hexagonal lattice whose vertical period is
// no whole number of pixels: its wallpaper tile spans the fewest whole
// periods that come within a fifth of a pixel of whole pixels, each way.
TEST_F(PrintGui, TheNeedlesWallpaperTileSpansWholePeriods) {
  const HomeFolder home(dir);
  std::filesystem::copy_file(std::filesystem::path(ORNIVALE_DATA_DIR) / "OVPP1A.PNT", path("Needle.PNT"));
  load(path("Needle.PNT"));
  QApplication::processEvents();
  const Surface canvas = w->canvasSurface();
  dialogs.saves = {path("needle.bmp")};
  trigger("MenSaveWall");
  EXPECT_TRUE(host.boxes.empty()) << host.boxes.back().text;  // no seam to tell of
  const QImage tile(QString::fromStdString(path("needle.bmp")));
  ASSERT_FALSE(tile.isNull());
  ExpectFewestWholePeriods(w->sym(), w->list(), tile, "Needle");
  EXPECT_TRUE(w->canvasSurface() == canvas);
}

// The tile laid 2 x 2 over the canvas, its first copy on the tile's own
// place and the others to the side and above or below, where the canvas has
// the more room: the share of the other copies' pixels on the canvas that
// differ from it. Copies of a tile of whole periods differ only where an
// edge of the picture lies half-way between two pixels.
double StackedShare(const QImage& tile, const Surface& canvas, int left, int top) {
  const int tw = tile.width(), th = tile.height();
  // The other copies go right (down) when the canvas has more room there.
  const int dx = canvas.width() - (left + tw) >= left ? tw : -tw;
  const int dy = canvas.height() - (top + th) >= top ? th : -th;
  long differing = 0, compared = 0;
  for (int j = 0; j < 2; ++j) {
    for (int i = 0; i < 2; ++i) {
      if (i == 0 && j == 0) continue;
      for (int y = 0; y < th; ++y) {
        for (int x = 0; x < tw; ++x) {
          const int cx = left + i * dx + x, cy = top + j * dy + y;
          if (cx < 0 || cy < 0 || cx >= canvas.width() || cy >= canvas.height()) continue;
          const QRgb t = tile.pixel(x, y);
          ++compared;
          differing += std::int64_t(rgb(qRed(t), qGreen(t), qBlue(t))) != canvas.point(cx, cy);
        }
      }
    }
  }
  return compared == 0 ? 1.0 : double(differing) / double(compared);
}

// "Gem" and "Needle" lie on hexagonal lattices: on this canvas Gem repeats
// every 120.67 pixels down and Needle every 111.47 across. Each tile spans
// the fewest periods that come within a fifth of a pixel of whole pixels
// (Gem three down, 362; Needle two across, 223), and its copies laid 2 x 2
// go on as the canvas does, without a seam.
TEST_F(PrintGui, TheWallpaperTilesOfGemAndNeedleSpanWholePeriodsAndMeetWithoutASeam) {
  const HomeFolder home(dir);
  for (const char* sample : {"OVPP3A.PNT", "OVPP1A.PNT"}) {
    std::filesystem::copy_file(std::filesystem::path(ORNIVALE_DATA_DIR) / sample, path(sample));
    load(path(sample));
    setInnerSize(965, 670);
    ASSERT_EQ(w->canvasSurface().width(), 836) << sample;
    ASSERT_EQ(w->canvasSurface().height(), 557) << sample;
    const Surface canvas = w->canvasSurface();
    host.boxes.clear();
    dialogs.saves = {path(std::string(sample) + ".bmp")};
    trigger("MenSaveWall");
    EXPECT_TRUE(host.boxes.empty()) << sample << ": " << host.boxes.back().text;
    const QImage tile(QString::fromStdString(path(std::string(sample) + ".bmp")));
    ASSERT_FALSE(tile.isNull()) << sample;
    ExpectFewestWholePeriods(w->sym(), w->list(), tile, sample);
    // Laid 2 x 2 the copies show the canvas but for an edge pixel here and
    // there; a tile a third of a pixel off differs in three times as many.
    EXPECT_LT(StackedShare(tile, canvas, w->draw().WallLeft, w->draw().WallTop), 0.015) << sample;
  }
}

}  // namespace
}  // namespace orn::test
