// Printing and image export in the real editor window: a print into a real
// PDF file read back with poppler's tools, the page-layout dialog driven by
// the mouse and keyboard, bitmaps and the wallpaper tile written and read
// back.
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "model/record_codes.h"
#include "pic_edit_fixture.h"
#include "print/ui/page_preview.h"
#include "print/ui/print_frm.h"
#include "print/ui/qt_image_writer.h"
#include "print/ui/qt_printer.h"

namespace orn::test {
namespace {

constexpr Rgb kFill = rgb(255, 0, 0);

// Output of a shell command.
std::string Run(const std::string& cmd) {
  std::string out;
  if (FILE* p = ::popen(cmd.c_str(), "r")) {
    char buf[256];
    while (std::fgets(buf, sizeof buf, p)) out += buf;
    ::pclose(p);
  }
  return out;
}

int PdfPages(const std::string& pdf) {
  const std::string info = Run("pdfinfo '" + pdf + "' 2>/dev/null");
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

// "<width>x<height> <colour> <bits>" of each picture on the pages, in order.
std::vector<std::string> PdfPictures(const std::string& pdf) {
  std::istringstream list(Run("pdfimages -list '" + pdf + "' 2>/dev/null"));
  std::vector<std::string> pictures;
  for (std::string line; std::getline(list, line);) {
    std::istringstream f(line);
    std::string sheet, number, type, width, height, colour, parts, bits;
    if (f >> sheet >> number >> type >> width >> height >> colour >> parts >> bits && type == "image")
      pictures.push_back(width + "x" + height + " " + colour + " " + bits);
  }
  return pictures;
}

// The first page rendered at 300 dpi.
QImage PdfPage(const std::string& pdf, const std::string& stem) {
  Run("pdftoppm -r 300 -f 1 -l 1 -singlefile -png '" + pdf + "' '" + stem + "'");
  return QImage(QString::fromStdString(stem + ".png"));
}

bool Red(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }
bool Dark(QRgb c) { return qGray(c) < 100; }

class PrintGui : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(700, 500);
    pdf = std::make_unique<QtPrinterDevice>(w.get(), path("out.pdf"), false, true);
    w->setPrinter(pdf.get());
    w->setProfile(inches);
  }
  void TearDown() override {
    pdf.reset();
    PicEditTest::TearDown();
  }

  // A black square from (20, 20) to (100, 100) filled red.
  void drawSquare() {
    AddShape(w->list(), kTypePolyLine, {{20, 20}, {100, 20}, {100, 100}, {20, 100}, {20, 20}});
    AddPaint(w->list(), {{kFill, {60, 60}}});
    w->DrawAll(1);
    ASSERT_EQ(w->canvasSurface().point(60, 60), std::int64_t(kFill));
  }

  // File > Print Picture... with the dialog answered by `act`.
  void print(std::function<void(PrintFrm&)> act) {
    bool ran = false;
    whenModal<PrintFrm>(
        [act](PrintFrm& d) {
          act(d);
          if (d.isVisible()) QTest::mouseClick(d.PrtGlob[0], Qt::LeftButton);
        },
        &ran);
    trigger("MenFilePrint");
    ASSERT_TRUE(ran);
  }

  static void typeInto(QLineEdit* box, const char* text) {
    box->selectAll();
    QTest::keyClicks(box, text);
  }

  FixedProfileSource inches{false, ""};
  std::unique_ptr<QtPrinterDevice> pdf;
};

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
  EXPECT_EQ(dialogs.saveRequests[0].title, "File to Save");
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
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("HOME", dir.c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  // Lines drawn alike in every copy: the base shapes hidden, no lengthening.
  w->editor().GridMode = 2;
  w->draw().ExtendLen = 0.0f;
  AddLattice(w->list(), w->sym(), 12, 10, 50, 40, 25, 20);
  AddShape(w->list(), kTypePolyLine, {{5, 5}, {45, 12}, {30, 35}, {5, 5}});
  w->DrawAll(1);
  const Surface canvas = w->canvasSurface();
  dialogs.saves = {path("wall.bmp")};
  trigger("MenSaveWall");
  ::setenv("HOME", home.c_str(), 1);
  ::unsetenv("XDG_CONFIG_HOME");

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

}  // namespace
}  // namespace orn::test
