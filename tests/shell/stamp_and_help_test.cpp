// The canvas stamp on real pixels, and the help pages the program ships:
// one per topic the windows ask for, found in the program folder first.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/scratch_folder.h"
#include "shell/help.h"
#include "shell/stamp.h"

namespace orn {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

// A canvas red on its left half and blue on its right.
Surface halves(int w, int h) {
  Surface s(w, h, 0x0000FF);
  s.fillBox(w / 2, 0, w - 1, h - 1, 0xFF0000);
  return s;
}

TEST(Stamp, AWideCanvasBecomesABandAsWideAsTheBoxAndATallOneAColumn) {
  const Surface wide = MakeStamp(halves(400, 200));
  ASSERT_EQ(wide.width(), kStampBox);
  // A band 98 wide and 48 high from row 24: gray above and below it.
  for (int y : {0, 23, 72, 97}) EXPECT_EQ(wide.point(10, y), kStampBack) << y;
  for (int y : {24, 71}) {
    EXPECT_EQ(wide.point(10, y), 0x0000FFu) << y;
    EXPECT_EQ(wide.point(90, y), 0xFF0000u) << y;
  }
  const StampBand tall = StampBandFor(200, 400);
  EXPECT_EQ(tall.x, 24);
  EXPECT_EQ(tall.w, 48);
  EXPECT_EQ(tall.h, kStampBox);
  // 96 x 3 / 7 = 41.14 gives a band 41 high at the offset 27.5, which
  // rounds to the even neighbour 28.
  EXPECT_EQ(StampBandFor(700, 300).h, 41);
  EXPECT_EQ(StampBandFor(700, 300).y, 28);
  EXPECT_EQ(StampBandFor(0, 10).w, 0) << "an empty canvas stamps nothing";
}

TEST(HelpPages, EveryTopicHasAPageThatShipsWithTheProgramAndEveryLinkLeadsToOne) {
  const fs::path shipped = fs::path(ORNIVALE_SOURCE_DIR) / "data" / kHelpFolderName;
  for (int topic : {kHelpSymmetrySetup, kHelpColourDialog, 1018, kHelpMainMenu, 1023, kHelpEditor,
                    kHelpShowMode}) {
    const std::string page = HelpPageFor(topic);
    EXPECT_NE(page, kHelpContentsPage) << topic;
    EXPECT_TRUE(fs::exists(shipped / page)) << page;
  }
  const std::string link = "href=\"";
  for (const auto& entry : fs::directory_iterator(shipped)) {
    std::ifstream in(entry.path());
    const std::string html{std::istreambuf_iterator<char>(in), {}};
    for (auto at = html.find(link); at != std::string::npos; at = html.find(link, at + 1)) {
      const auto from = at + link.size();
      const std::string target = html.substr(from, html.find('"', from) - from);
      EXPECT_TRUE(fs::exists(shipped / target)) << entry.path() << " links to " << target;
    }
  }
}

TEST(HelpPages, APageIsLookedUpInTheProgramFolderThenTheInstalledOneThenTheContents) {
  ScratchFolder own, installed;
  std::ofstream(installed.path("editor.html")) << "installed";
  std::ofstream(installed.path(kHelpContentsPage)) << "contents";
  std::ofstream(own.path("editor.html")) << "own";
  const std::vector<fs::path> folders = {own.dir(), installed.dir()};
  EXPECT_EQ(FindHelpPage(kHelpEditor, folders), own.path("editor.html"));
  EXPECT_EQ(FindHelpPage(kHelpShowMode, folders), installed.path(kHelpContentsPage));
  EXPECT_EQ(FindHelpPage(kHelpShowMode, {own.dir()}), std::nullopt);
}

}  // namespace
}  // namespace orn
