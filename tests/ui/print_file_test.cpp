// The print into a PDF file, where no printer is installed: written whole or
// not at all, never through a link, and the listings of the Special menu in
// files of their own.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "print_gui_fixture.h"
#include "support/file_size_limit.h"

namespace orn::test {
namespace {

namespace fs = std::filesystem;

// Files in the folder whose name starts with `stem` (a save's temporaries
// start with a dot and the target's name).
std::vector<std::string> FilesLike(const fs::path& dir, const std::string& stem) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name.rfind(stem, 0) == 0 || name.rfind("." + stem, 0) == 0) names.push_back(name);
  }
  return names;
}

TEST_F(PrintGui, APrintThatCannotBeWrittenWholeIsAFailureAndTheEarlierPrintStays) {
  drawSquare();
  print([](PrintFrm&) {});
  const std::vector<std::uint8_t> earlier = ReadBytes(path("out.pdf"));
  ASSERT_EQ(PdfPages(path("out.pdf")), 1);

  {
    const FileSizeLimit full(256);
    print([](PrintFrm& d) { typeInto(d.TCopy, "2"); });
  }
  ASSERT_FALSE(host.boxes.empty());
  EXPECT_NE(host.boxes.back().text.find("could not be"), std::string::npos) << host.boxes.back().text;
  EXPECT_NE(host.boxes.back().text.find(path("out.pdf")), std::string::npos);
  EXPECT_TRUE(ReadBytes(path("out.pdf")) == earlier);
  EXPECT_EQ(FilesLike(dir, "out.pdf"), std::vector<std::string>{"out.pdf"});
  EXPECT_TRUE(enabled("MenFilePrint"));

  print([](PrintFrm& d) { typeInto(d.TCopy, "2"); });  // with room again it is written
  EXPECT_EQ(PdfPages(path("out.pdf")), 2);
}

TEST_F(PrintGui, APrintIsNeverWrittenThroughALinkAtAScratchName) {
  fs::create_directories(dir / "elsewhere");
  const fs::path victim = dir / "elsewhere" / "notes.txt";
  WriteBytes(victim.string(), {'k', 'e', 'e', 'p'});
  fs::create_symlink(victim, path("out.pdf.part"));
  drawSquare();
  print([](PrintFrm&) {});
  EXPECT_TRUE(ReadBytes(victim.string()) == (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));
  EXPECT_FALSE(fs::is_symlink(path("out.pdf")));
  EXPECT_EQ(PdfPages(path("out.pdf")), 1);
}

TEST_F(PrintGui, TheListingsGoIntoFilesOfTheirOwnAndLeaveThePrintAlone) {
  drawSquare();
  print([](PrintFrm&) {});
  const std::vector<std::uint8_t> printed = ReadBytes(path("out.pdf"));
  trigger("DebugX(3)");  // Dump Picture Data
  EXPECT_TRUE(ReadBytes(path("out.pdf")) == printed);
  EXPECT_GE(PdfPages(path("Picture Data.pdf")), 1);
  EXPECT_NE(Shell("pdftotext '" + path("Picture Data.pdf") + "' -").find("Poly Line"), std::string::npos);
  EXPECT_NE(host.boxes.back().text.find(path("Picture Data.pdf")), std::string::npos);

  clickLabel6(true);  // the hot spot of the view table shows with the menu
  QTest::mouseClick(w->special().Label17, Qt::LeftButton);
  EXPECT_TRUE(ReadBytes(path("out.pdf")) == printed);
  EXPECT_GE(PdfPages(path("View Table.pdf")), 1);
}

// Row y of the test picture: green rising and falling by one a row (so that
// a page rendered a fraction of a row off still reads close), blue throughout.
int RowGreen(int y) { return 255 - std::abs(y % 510 - 255); }

// A large picture goes to the file in bands, with the window's events seen
// to between them; stretched or not, its rows land where they belong and no
// seam shows between the bands.
TEST(PdfPrint, ALargePictureGoesInBandsAndLandsWholeOnThePage) {
  app();
  const ScratchFolder scratch;
  const std::string file = scratch.path("big.pdf").string();
  QtPrinterDevice printer(nullptr, file, false, true);
  PrintJob job;
  job.image = Surface(2400, 1000);
  for (int y = 0; y < 1000; ++y) job.image.fillBox(0, y, 2399, y, rgb(60, RowGreen(y), 128));
  job.imageX = 30;
  job.imageY = 40;
  job.imageW = 2400;
  job.imageH = 1000;
  for (const int height : {1000, 1300}) {
    job.imageH = height;
    int pumps = 0;
    const PrintOutcome out = printer.print(job, [&pumps] { ++pumps; });
    ASSERT_TRUE(out.ok) << out.error;
    EXPECT_GE(pumps, 3);
    const QImage page = PdfPage(file, scratch.path("page").string());
    ASSERT_EQ(page.width(), 2550);
    for (int y = job.imageY; y < job.imageY + height; ++y) {
      const QRgb c = page.pixel(job.imageX + 1000, y);
      ASSERT_NEAR(qBlue(c), 128, 3) << "row " << y << " of a picture " << height << " high";
      if (height == 1000) {
        ASSERT_NEAR(qGreen(c), RowGreen(y - job.imageY), 3) << y;
      }
    }
    EXPECT_EQ(page.pixel(job.imageX + 1000, job.imageY + height + 1), qRgb(255, 255, 255));
  }
}

}  // namespace
}  // namespace orn::test
