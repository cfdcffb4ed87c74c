#pragma once
// The real editor window printing into a real PDF file, and poppler's tools
// that read the file back: its pages, its pictures and a page rendered at
// the printer's resolution.
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/record_codes.h"
#include "pic_edit_fixture.h"
#include "print/ui/print_frm.h"
#include "print/ui/qt_printer.h"
#include "support/home_folder.h"

namespace orn::test {

inline constexpr Rgb kFill = rgb(255, 0, 0);

// Output of a shell command.
inline std::string Shell(const std::string& cmd) {
  std::string out;
  if (FILE* p = ::popen(cmd.c_str(), "r")) {
    char buf[256];
    while (std::fgets(buf, sizeof buf, p)) out += buf;
    ::pclose(p);
  }
  return out;
}

inline int PdfPages(const std::string& pdf) {
  const std::string info = Shell("pdfinfo '" + pdf + "' 2>/dev/null");
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

// "<width>x<height> <colour> <bits>" of each picture on the pages, in order.
inline std::vector<std::string> PdfPictures(const std::string& pdf) {
  std::istringstream list(Shell("pdfimages -list '" + pdf + "' 2>/dev/null"));
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
inline QImage PdfPage(const std::string& pdf, const std::string& stem) {
  Shell("pdftoppm -r 300 -f 1 -l 1 -singlefile -png '" + pdf + "' '" + stem + "'");
  return QImage(QString::fromStdString(stem + ".png"));
}

inline bool Red(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }
inline bool Dark(QRgb c) { return qGray(c) < 100; }

class PrintGui : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 544);
    pdf = std::make_unique<QtPrinterDevice>(w.get(), path("out.pdf"), false, true);
    w->prints().setPrinter(pdf.get());
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

}  // namespace orn::test
