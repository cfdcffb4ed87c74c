// The main menu's pictures of the samples, rendered from the installed files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "canvas/view_table.h"
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

// A figure of /proc/self/status, in bytes.
std::size_t StatusBytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(key + ":", 0) == 0) return std::stoul(line.substr(key.size() + 1)) * 1024;
  return 0;
}

// How far `work` raises the memory the process holds above what it held
// before: the peak is reset to the present figure first.
template <class Work>
std::size_t PeakGrowth(Work work) {
  std::ofstream("/proc/self/clear_refs") << "5";
  const std::size_t before = StatusBytes("VmRSS");
  work();
  return StatusBytes("VmHWM") - std::min(before, StatusBytes("VmHWM"));
}

// A sample saved again with its picture spread over a canvas `side` pixels
// wide, as an editor that size would save it.
void SaveEnlarged(const std::string& sample, int side, const std::filesystem::path& to) {
  LoadedSample l;
  ASSERT_TRUE(l.load(BuiltSample(sample)));
  const int w = int(l.report.storedCanvasWidth), h = int(l.report.storedCanvasHeight);
  WindowSizes sizes{side + 160, side * h / w + 120, side, side * h / w, 2};
  ASSERT_TRUE(RescaleToCanvas(l.views, l.list, w, sizes.canvasWidth, sizes.canvasHeight));
  ASSERT_FALSE(WritePictureFile(to, CapturePicture(l.context(), sizes)));
}

// A rose and a model stored on a canvas 8000 pixels wide: the preview takes
// the memory of a canvas of a preview's bounded size, not that of the stored
// canvas, and shows the picture much as the sample's own preview does: few
// pixels far from it (the model's faces carry the picture of its net).
TEST(SamplePreview, APictureStoringAHugeCanvasIsDrawnOnABoundedCanvasAndStillShows) {
  ScratchFolder dir;
  std::filesystem::create_directories(dir.path("STATIC"));
  for (const std::string sample : {"OVRO1A.PNT", "OVMOD6A.PNT"}) {
    const auto huge = dir.path("STATIC") / sample;
    ASSERT_NO_FATAL_FAILURE(SaveEnlarged(sample, 8000, huge));
    std::optional<Surface> shown;
    const std::size_t grew = PeakGrowth([&] { shown = RenderPreview(huge, 120, 120); });
    // The bounded canvas holds 16 MB; the stored one would hold 256 MB.
    EXPECT_LT(grew, std::size_t(64) << 20) << sample;
    ASSERT_TRUE(shown) << sample;
    const auto usualFile = dir.path("usual") / "STATIC" / sample;
    std::filesystem::create_directories(usualFile.parent_path());
    std::filesystem::copy_file(BuiltSample(sample), usualFile);
    const Surface usual = *RenderPreview(usualFile, 120, 120);
    const Rgb back = shown->point(0, 0);
    int differ = 0, drawn = 0;
    for (int i = 0; i < 120 * 120; ++i) {
      const Rgb a = shown->pixels()[i], b = usual.pixels()[i];
      drawn += a != back;
      int most = 0;
      for (int shift : {0, 8, 16})
        most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
      differ += most > 48;
    }
    EXPECT_GT(drawn, 120 * 120 / 4) << sample;
    EXPECT_LT(differ, 120 * 120 / 10) << sample;
  }
}

}  // namespace
}  // namespace orn::test
