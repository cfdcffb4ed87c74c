// Previews of real picture files, kept in a real cache folder.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/scratch_folder.h"
#include "shell/preview_cache.h"
#include "shell/preview_render.h"
#include "shell/sample_pictures.h"

namespace orn {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

void savePicture(const fs::path& file, Rgb back = kWhite) { test::SaveLinePicture(file, back); }

TEST(PreviewFile, PixelsSurviveAWriteAndRead) {
  ScratchFolder dir;
  Surface s(5, 3, 0x123456);
  s.pset(4, 2, 0xABCDEF);
  ASSERT_TRUE(WritePreviewFile(dir.path("p.pv"), s));
  const auto back = ReadPreviewFile(dir.path("p.pv"));
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, s);
  std::vector<std::uint8_t> bytes = test::ReadBytes(dir.path("p.pv"));
  bytes.pop_back();
  test::WriteBytes(dir.path("cut.pv"), bytes);
  EXPECT_FALSE(ReadPreviewFile(dir.path("cut.pv")));
}

TEST(PreviewRender, DrawsThePictureAsRedrawnShrunkIntoTheBoxOnItsBackground) {
  ScratchFolder dir;
  savePicture(dir.path("a.pnt"), 0x00FFFF);
  const auto s = RenderPreview(dir.path("a.pnt"), 40, 40);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->point(0, 39), 0x00FFFF);  // the picture's background, round it too
  EXPECT_EQ(s->point(39, 0), 0x00FFFF);
  // The line from (10, 10) to (110, 60), on a canvas that just holds it,
  // shows as darker pixels along the box's diagonal.
  int darker = 0;
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 40; ++y) darker += (s->point(x, y) & 0xFF) < 0xC0;
  EXPECT_GT(darker, 20);
  test::WriteBytes(dir.path("bad.pnt"), {1, 2, 3});
  EXPECT_FALSE(RenderPreview(dir.path("bad.pnt"), 40, 40));
}

class Cache : public ::testing::Test {
 protected:
  ScratchFolder dir;
  int renders = 0;
  PreviewCache cache{dir.path("previews"), [this](const fs::path& p, int w, int h) {
                       ++renders;
                       return RenderPreview(p, w, h);
                     }};
};

TEST_F(Cache, RendersOnceThenReadsTheStoredPreviewUntilTheSampleChanges) {
  savePicture(dir.path("OVPP1A.PNT"));
  const auto first = cache.preview(dir.path("OVPP1A.PNT"), 30, 30);
  ASSERT_TRUE(first);
  EXPECT_EQ(renders, 1);
  PreviewCache later{dir.path("previews"), [this](const fs::path& p, int w, int h) {
                       ++renders;
                       return RenderPreview(p, w, h);
                     }};
  EXPECT_EQ(later.preview(dir.path("OVPP1A.PNT"), 30, 30), first);
  EXPECT_EQ(renders, 1) << "a later start reads the stored preview";

  // A newer sample is rendered again.
  fs::last_write_time(dir.path("OVPP1A.PNT"), fs::file_time_type::clock::now() + std::chrono::hours(1));
  savePicture(dir.path("OVPP1A.PNT"), 0x0000FF);
  fs::last_write_time(dir.path("OVPP1A.PNT"), fs::file_time_type::clock::now() + std::chrono::hours(1));
  const auto again = later.preview(dir.path("OVPP1A.PNT"), 30, 30);
  EXPECT_EQ(renders, 2);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->point(0, 29), 0x0000FF);
  // Another size is another preview.
  later.preview(dir.path("OVPP1A.PNT"), 20, 20);
  EXPECT_EQ(renders, 3);
}

TEST_F(Cache, AMissingOrDamagedSampleHasNoPreview) {
  EXPECT_FALSE(cache.preview(dir.path("OVRO1A.PNT"), 30, 30));
  test::WriteBytes(dir.path("OVRO2A.PNT"), {0, 0});
  EXPECT_FALSE(cache.preview(dir.path("OVRO2A.PNT"), 30, 30));
}

TEST_F(Cache, ADamagedStoredPreviewIsRenderedAgain) {
  savePicture(dir.path("OVPP1A.PNT"));
  ASSERT_TRUE(cache.preview(dir.path("OVPP1A.PNT"), 30, 30));
  test::WriteBytes(dir.path("previews") / "OVPP1A.PNT.pv", {'O', 'R'});
  fs::last_write_time(dir.path("previews") / "OVPP1A.PNT.pv",
                      fs::file_time_type::clock::now() + std::chrono::hours(2));
  EXPECT_TRUE(cache.preview(dir.path("OVPP1A.PNT"), 30, 30));
  EXPECT_EQ(renders, 2);
}

}  // namespace
}  // namespace orn
