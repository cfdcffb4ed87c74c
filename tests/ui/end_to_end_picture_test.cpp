// A symmetric picture saved and opened through the editor window's File menu:
// the canvas shows exactly a full redraw of the list, the stroke and the fill
// appear in all eight copies, and saving it again writes the same bytes.
#include <QAction>

#include <set>

#include "ui/end_to_end_picture.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

// True when one of the pixels around (x, y) has the colour.
bool colourNear(const Surface& s, double x, double y, Rgb colour) {
  const int cx = int(std::lround(x)), cy = int(std::lround(y));
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (s.point(cx + dx, cy + dy) == std::int64_t(colour)) return true;
  return false;
}

int pixelsOf(const Surface& s, Rgb colour) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) n += s.row(y)[x] == colour;
  return n;
}

class EndToEnd : public PicEditTest {
 protected:
  // The picture drawn in the window, saved through the menus and cleared.
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 544);
    w->list() = picture.list;
    w->picture().PictureTitle = "Eightfold rose";
    file = path("ROSE8.PNT");
    saveAs(file);
    ASSERT_TRUE(std::filesystem::exists(file));
    trigger("MenFileNew");
  }
  EndToEndPicture picture;
  std::string file;
};

TEST_F(EndToEnd, OpenedPictureShowsTheRedrawOfItsListInEveryCopyAndSavesBackTheSameBytes) {
  load(file);
  ASSERT_TRUE(host.boxes.empty()) << host.boxes.front().text;
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  ROSE8");
  const Surface& canvas = w->canvasSurface();
  ASSERT_EQ(canvas.width(), EndToEndPicture::kCanvasWidth);
  ASSERT_EQ(canvas.height(), EndToEndPicture::kCanvasHeight);
  EXPECT_EQ(LiveEntries(w->list()), LiveEntries(picture.list));
  EXPECT_TRUE(canvas == EndToEndPicture::redrawn(picture.list));
  // The picture is really there: lines and fills, not two blank canvases.
  EXPECT_GT(pixelsOf(canvas, kBlack), 1000);
  EXPECT_GT(pixelsOf(canvas, EndToEndPicture::kFill), 8 * 200);

  const SymState table = EndToEndPicture::copyTable(w->list());
  ASSERT_EQ(table.LastCopy - table.BaseCopy + 1, EndToEndPicture::kCopies);
  // Every point of the stroke in 8 distinct places, and the fill at its seed's
  // images, only inside its circles: the square's centre is background.
  for (const auto& [x, y] : picture.stroke) {
    const auto at = EndToEndPicture::images(table, x, y);
    ASSERT_EQ(at.size(), std::size_t(EndToEndPicture::kCopies));
    std::set<std::pair<long, long>> distinct;
    for (const auto& [mx, my] : at) {
      distinct.insert({std::lround(mx), std::lround(my)});
      EXPECT_TRUE(colourNear(canvas, mx, my, kBlack)) << "(" << x << ", " << y << ") missing at (" << mx << ", " << my << ")";
    }
    EXPECT_EQ(distinct.size(), std::size_t(EndToEndPicture::kCopies));
  }
  for (const auto& [mx, my] : EndToEndPicture::images(table, picture.seed.first, picture.seed.second))
    EXPECT_EQ(canvas.point(int(std::lround(mx)), int(std::lround(my))), std::int64_t(EndToEndPicture::kFill))
        << "no fill at (" << mx << ", " << my << ")";
  EXPECT_EQ(canvas.point(300, 240), std::int64_t(kWhite));

  const std::string again = path("AGAIN.PNT");
  saveAs(again);
  EXPECT_TRUE(ReadBytes(file) == ReadBytes(again));
}

TEST_F(EndToEnd, RepaintLoadDropsTheFillsAndColoursAndKeepsEverythingElse) {
  w->file().LoadOption = kLoadEraseColours;
  w->LoadPicture(file);
  QApplication::processEvents();
  EXPECT_TRUE(host.boxes.empty());  // silently: no question asked
  EXPECT_EQ(w->file().LoadOption, kLoadNormal);
  EXPECT_EQ(w->colour().InUseCount, 0);
  EXPECT_TRUE(w->colour().ColorsInUse.empty());
  // Everything up to the fill is as saved, and the list ends there properly.
  const int kept = picture.fillAt;
  ASSERT_EQ(w->list().NumPoints, kept);
  EXPECT_EQ(EntriesOf(w->list(), 0, kept - 1), EntriesOf(picture.list, 0, kept - 1));
  EXPECT_EQ(w->list().G0[kept], float(kCodeEnd));
  EXPECT_EQ(w->list().ItemHead, kept);
  EXPECT_EQ(pixelsOf(w->canvasSurface(), EndToEndPicture::kFill), 0);
  EXPECT_GT(pixelsOf(w->canvasSurface(), kBlack), 1000);
}

}  // namespace
}  // namespace orn::test
