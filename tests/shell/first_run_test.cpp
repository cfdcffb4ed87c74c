// The first run's move of the samples into "STATIC", on real folders.
#include <gtest/gtest.h>

#include <fstream>

#include "support/scratch_folder.h"
#include "shell/first_run.h"

namespace orn {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

void put(const fs::path& p, const std::string& text = "x") {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << text;
}

TEST(FirstRun, SamplesAndThumbnailsMoveIntoStaticAndWallpapersIntoTheirFolder) {
  ScratchFolder dir;
  const fs::path app = dir.path("app");
  for (auto n : {"OVMOD4A.PNT", "ovpp1a.pnt", "OVPP1A.BMP", "-tile.bmp", "Standard.Clr", "MINE.PNT"})
    put(app / n, n);
  fs::create_directories(app / "STATIC");  // an existing folder does not stop the move
  ASSERT_TRUE(SamplesAwaitMove(app));

  const FirstRunResult r = MoveSamplesIntoStatic(app, dir.path("walls"));
  EXPECT_TRUE(r.failures.empty());
  EXPECT_EQ(r.moved, 4);
  for (auto n : {"OVMOD4A.PNT", "ovpp1a.pnt", "OVPP1A.BMP"}) {
    EXPECT_TRUE(fs::exists(app / "STATIC" / n)) << n;
    EXPECT_FALSE(fs::exists(app / n)) << n;
  }
  EXPECT_TRUE(fs::exists(dir.path("walls") / "-tile.bmp"));
  for (auto n : {"Standard.Clr", "MINE.PNT"}) EXPECT_TRUE(fs::exists(app / n)) << n;
  EXPECT_FALSE(SamplesAwaitMove(app)) << "the second run moves nothing";
}

// Nothing is deleted that was not copied: wallpapers without a wallpaper
// folder, a file whose copy fails (reported once), everything when a file
// stands where the STATIC folder should be.
TEST(FirstRun, AFileThatCannotBeCopiedStaysAndIsReportedOnce) {
  ScratchFolder dir;
  put(dir.path("-tile.bmp"));
  put(dir.path("OVmod4a.pnt"), "sample");
  put(dir.path("OVRO1A.PNT"), "rose");
  // A folder in STATIC where the rose's copy should go makes its copy fail.
  fs::create_directories(dir.path("STATIC") / "OVRO1A.PNT" / "x");
  const FirstRunResult r = MoveSamplesIntoStatic(dir.dir(), std::nullopt);
  ASSERT_EQ(r.failures.size(), 1u);
  EXPECT_NE(r.failures[0].find("OVRO1A.PNT"), std::string::npos);
  EXPECT_EQ(r.moved, 1);
  std::ifstream in(dir.path("OVRO1A.PNT"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "rose");
  EXPECT_TRUE(fs::exists(dir.path("-tile.bmp")));

  ScratchFolder blocked;
  put(blocked.path("OVmod4a.pnt"));
  put(blocked.path("STATIC"), "not a folder");
  const FirstRunResult none = MoveSamplesIntoStatic(blocked.dir(), std::nullopt);
  EXPECT_EQ(none.moved, 0);
  EXPECT_EQ(none.failures.size(), 1u);
  EXPECT_TRUE(fs::exists(blocked.path("OVmod4a.pnt")));
}

std::string text(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The installed data of a later install: two samples and a thumbnail, their
// previews, the colour file and two help pages.
void install(const fs::path& at) {
  for (auto n : {"OVMOD4A.PNT", "OVPP1A.PNT", "OVPP1A.BMP", "previews/OVPP1A.PNT.pv",
                 "previews/OVMOD4A.PNT.pv", "Standard.Clr", "help/index.html", "help/editor.html"})
    put(at / n, std::string("new ") + n);
}

// A program folder made earlier (here without samples, with the user's own
// colours, an older help page and a rose of its own) gets every installed
// file it lacks at the next start, and keeps what it has.
TEST(InstalledFiles, AFolderMadeEarlierGetsWhatItLacksAndKeepsTheUsersFiles) {
  ScratchFolder dir;
  const fs::path installed = dir.path("share"), app = dir.path("app");
  install(installed);
  put(app / "Standard.Clr", "mine");
  put(app / "help" / "editor.html", "old page");
  put(app / "static" / "ovmod4a.pnt", "my changed sample");  // another spelling counts
  put(app / "Paint.Dat", "settings");

  const AddedFiles r = AddMissingInstalledFiles(app, installed);
  EXPECT_TRUE(r.failures.empty());
  EXPECT_EQ(r.added, 6);
  EXPECT_EQ(text(app / "static" / "OVPP1A.PNT"), "new OVPP1A.PNT") << "samples go into STATIC";
  EXPECT_EQ(text(app / "static" / "OVPP1A.BMP"), "new OVPP1A.BMP");
  EXPECT_FALSE(fs::exists(app / "OVPP1A.PNT"));
  EXPECT_FALSE(fs::exists(app / "STATIC")) << "the folder's own spelling of STATIC is used";
  EXPECT_EQ(text(app / "previews" / "OVMOD4A.PNT.pv"), "new previews/OVMOD4A.PNT.pv");
  EXPECT_EQ(text(app / "help" / "index.html"), "new help/index.html");
  EXPECT_EQ(text(app / "help" / "editor.html"), "new help/editor.html") << "an outdated page is replaced";
  EXPECT_EQ(text(app / "static" / "ovmod4a.pnt"), "my changed sample");
  EXPECT_EQ(text(app / "Standard.Clr"), "mine");
  EXPECT_EQ(text(app / "Paint.Dat"), "settings");
  EXPECT_EQ(fs::last_write_time(app / "static" / "OVPP1A.PNT"),
            fs::last_write_time(installed / "OVPP1A.PNT")) << "copies keep the files' times";

  EXPECT_EQ(AddMissingInstalledFiles(app, installed).added, 0) << "the next start adds nothing";
}

// Samples still waiting in the program folder for the first run's move, in
// any spelling, are not copied a second time; a file that cannot be added is
// named. The program names the installed folder with a trailing separator.
TEST(InstalledFiles, SamplesAwaitingTheMoveStayAndABlockedFileIsReported) {
  ScratchFolder dir;
  const fs::path installed = dir.path("share"), app = dir.path("app");
  install(installed);
  put(app / "ovmod4a.pnt", "seeded");
  put(app / "STATIC", "a file where the folder should be");

  const AddedFiles r = AddMissingInstalledFiles(app, installed.string() + "/");
  EXPECT_EQ(text(app / "ovmod4a.pnt"), "seeded");
  EXPECT_FALSE(fs::exists(app / "OVMOD4A.PNT"));
  ASSERT_EQ(r.failures.size(), 2u);
  EXPECT_NE(r.failures[0].find("OVPP1A.BMP"), std::string::npos) << r.failures[0];
  EXPECT_NE(r.failures[1].find("OVPP1A.PNT"), std::string::npos) << r.failures[1];
  EXPECT_EQ(r.added, 5) << "the rest is added all the same";
  EXPECT_EQ(AddMissingInstalledFiles(dir.path("missing"), installed).added, 0);
}

}  // namespace
}  // namespace orn
