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

}  // namespace
}  // namespace orn
