// A symmetric picture saved by the file commands, opened through the editor
// window's File menu: the canvas shows exactly a full redraw of the list, the
// stroke and the fill appear in all eight copies, and saving it again writes
// the same bytes.
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
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(900, 700);
    file = path("ROSE8.PNT");
    ASSERT_TRUE(picture.save(file, w->width(), w->height()));
  }
  EndToEndPicture picture;
  std::string file;
};

TEST_F(EndToEnd, OpenedPictureShowsTheRedrawOfItsListInEveryCopyAndSavesBackTheSameBytes) {
  load(file);
  ASSERT_TRUE(host.boxes.empty()) << host.boxes.front().text;
  ASSERT_EQ(w->file().FileName, file);
  const Surface& canvas = w->canvasSurface();
  ASSERT_EQ(canvas.width(), EndToEndPicture::kCanvasWidth);
  ASSERT_EQ(canvas.height(), EndToEndPicture::kCanvasHeight);
  EXPECT_EQ(w->list().NumPoints, picture.list.NumPoints);
  EXPECT_TRUE(canvas == EndToEndPicture::redrawn(picture.list));
  // The picture is really there: lines and fills, not two blank canvases.
  EXPECT_GT(pixelsOf(canvas, kBlack), 1000);
  EXPECT_GT(pixelsOf(canvas, EndToEndPicture::kFill), 8 * 200);

  const SymState table = EndToEndPicture::copyTable(w->list());
  ASSERT_EQ(table.LastCopy - table.BaseCopy + 1, EndToEndPicture::kCopies);
  // Every point of the stroke and the middles of its segments, in 8 distinct places.
  std::vector<std::pair<float, float>> onStroke = picture.stroke;
  for (std::size_t i = 1; i < picture.stroke.size(); ++i)
    onStroke.push_back({(picture.stroke[i - 1].first + picture.stroke[i].first) / 2,
                        (picture.stroke[i - 1].second + picture.stroke[i].second) / 2});
  for (const auto& [x, y] : onStroke) {
    const auto at = EndToEndPicture::images(table, x, y);
    ASSERT_EQ(at.size(), std::size_t(EndToEndPicture::kCopies));
    std::set<std::pair<long, long>> distinct;
    for (const auto& [mx, my] : at) {
      distinct.insert({std::lround(mx), std::lround(my)});
      EXPECT_TRUE(colourNear(canvas, mx, my, kBlack)) << "(" << x << ", " << y << ") missing at (" << mx << ", " << my << ")";
    }
    EXPECT_EQ(distinct.size(), std::size_t(EndToEndPicture::kCopies));
  }
  // The fill at the image of its seed and of a point beside it, in every copy,
  // and only inside its circles: the square's centre is background.
  for (const auto& [x, y] : {picture.seed, std::pair<float, float>{picture.seed.first + 5, picture.seed.second - 3}})
    for (const auto& [mx, my] : EndToEndPicture::images(table, x, y))
      EXPECT_EQ(canvas.point(int(std::lround(mx)), int(std::lround(my))), std::int64_t(EndToEndPicture::kFill))
          << "no fill at (" << mx << ", " << my << ")";
  EXPECT_EQ(canvas.point(300, 240), std::int64_t(kWhite));

  const std::string again = path("AGAIN.PNT");
  saveAs(again);
  const auto first = bytesOf(file), second = bytesOf(again);
  EXPECT_GT(first.size(), 1000u);
  EXPECT_TRUE(first == second) << first.size() << " bytes, then " << second.size();
}

TEST_F(EndToEnd, RepaintLoadStartsWithoutColoursAndTheOptionDoesNotLeak) {
  ASSERT_EQ(paintHeaders(picture.list).size(), 1u);
  w->file().LoadOption = kLoadEraseColours;
  w->LoadPicture(file);
  QApplication::processEvents();
  EXPECT_TRUE(host.boxes.empty());  // silently: no question asked
  EXPECT_EQ(w->file().LoadOption, kLoadNormal);
  EXPECT_TRUE(paintHeaders(w->list()).empty());
  EXPECT_EQ(w->colour().InUseCount, 0);
  EXPECT_TRUE(w->colour().ColorsInUse.empty());
  // Everything but the fill is as saved, and the list ends properly.
  const int kept = paintHeaders(picture.list)[0];
  ASSERT_EQ(w->list().NumPoints, kept);
  EXPECT_EQ(entries(w->list().G0, kept - 1), entries(picture.list.G0, kept - 1));
  EXPECT_EQ(entries(w->list().G1, kept - 1), entries(picture.list.G1, kept - 1));
  EXPECT_EQ(w->list().G0[kept], float(kCodeEnd));
  EXPECT_EQ(w->list().ItemHead, kept);
  EXPECT_EQ(pixelsOf(w->canvasSurface(), EndToEndPicture::kFill), 0);
  EXPECT_GT(pixelsOf(w->canvasSurface(), kBlack), 1000);

  load(file);
  EXPECT_EQ(paintHeaders(w->list()).size(), 1u);
  EXPECT_GT(pixelsOf(w->canvasSurface(), EndToEndPicture::kFill), 0);
}

}  // namespace
}  // namespace orn::test
