// The main menu's pictures of the samples, rendered from the installed files.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_folder.h"
#include "shell/preview_render.h"
#include "shell/sample_preview.h"
#include "tools/sample_fixture.h"

namespace orn::test {
namespace {

constexpr Rgb kMenuBack = 0xC0C0C0;

int CountOf(const Surface& s, Rgb c) {
  int n = 0;
  for (int i = 0; i < s.width() * s.height(); ++i) n += s.pixels()[i] == c;
  return n;
}

TEST(SamplePreview, AModelSampleShowsItsFoldedSolidInTheMiddleOfTheBox) {
  ScratchFolder dir;
  std::filesystem::create_directories(dir.path("STATIC"));
  const auto installed = dir.path("STATIC") / "OVMOD6A.PNT";
  std::filesystem::copy_file(BuiltSample("OVMOD6A.PNT"), installed);
  const Surface solid = *RenderPreview(installed, 120, 120);
  ASSERT_EQ(solid.width(), 120);
  ASSERT_EQ(solid.height(), 120);
  for (auto [x, y] : {std::pair{0, 0}, {119, 0}, {0, 119}, {119, 119}}) EXPECT_EQ(solid.point(x, y), kWhite);
  EXPECT_NE(solid.point(60, 60), kWhite);
  // The same file anywhere else is no model sample: it shows its flat net,
  // which leaves other pixels to the background.
  const Surface flat = *RenderPreview(BuiltSample("OVMOD6A.PNT"), 120, 120);
  EXPECT_FALSE(flat == solid);

}

TEST(SamplePreview, APatternShowsItsMiddleLargerThanTheWholePictureWould) {
  LoadedSample l;
  ASSERT_TRUE(l.load(BuiltSample("OVPP2A.PNT")));
  const std::optional<Surface> whole = RenderPictureFile(l.picture, "x.pnt");
  ASSERT_TRUE(whole);
  const Surface menu = *RenderPreview(BuiltSample("OVPP2A.PNT"), 120, 120);
  // Cut to the square, the pattern fills the whole box: no band of the
  // background above and below it, as the whole picture would leave.
  const Surface fitted = ShrinkToFit(*whole, 120, 120, kMenuBack);
  EXPECT_GT(CountOf(fitted, kMenuBack), 120 * 10);
  EXPECT_EQ(CountOf(menu, kMenuBack), 0);
}

}  // namespace
}  // namespace orn::test
