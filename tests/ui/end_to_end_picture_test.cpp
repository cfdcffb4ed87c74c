// A symmetric picture saved by the file commands, opened through the editor
// window's File menu: the canvas shows exactly what a full redraw of the list
// draws, the stroke and the fill appear in all eight copies, and saving it
// again writes the same bytes.
#include <QAction>

#include <fstream>
#include <iterator>
#include <set>

#include "ui/end_to_end_picture.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

std::vector<char> bytesOf(const std::string& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

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
  // Builds the picture, saves it with the window's present sizes and opens
  // it through File > Load Picture.
  void saveAndOpen() {
    setInnerSize(900, 700);
    file = path("ROSE8.PNT");
    ASSERT_TRUE(picture.save(file, w->width(), w->height()));
    dialogs.opens = {file};
    trigger("MenFileLoad(0)");
    ASSERT_TRUE(host.boxes.empty()) << host.boxes.front().text;
    ASSERT_EQ(w->file().FileName, file);
  }

  EndToEndPicture picture;
  std::string file;
};

TEST_F(EndToEnd, OpenedPictureShowsExactlyTheRedrawOfItsList) {
  saveAndOpen();
  const Surface& canvas = w->canvasSurface();
  ASSERT_EQ(canvas.width(), EndToEndPicture::kCanvasWidth);
  ASSERT_EQ(canvas.height(), EndToEndPicture::kCanvasHeight);
  EXPECT_EQ(w->list().NumPoints, picture.list.NumPoints);

  const Surface expected = EndToEndPicture::redrawn(picture.list);
  EXPECT_TRUE(canvas == expected);
  // The picture is really there: lines and fills, not two blank canvases.
  EXPECT_GT(pixelsOf(canvas, kBlack), 1000);
  EXPECT_GT(pixelsOf(canvas, EndToEndPicture::kFill), 8 * 200);
}

TEST_F(EndToEnd, StrokeAndFillAppearInEveryCopy) {
  saveAndOpen();
  const Surface& canvas = w->canvasSurface();
  const SymState table = EndToEndPicture::copyTable(w->list());
  ASSERT_EQ(table.LastCopy - table.BaseCopy + 1, EndToEndPicture::kCopies);

  // Every point of the stroke, and points along its segments.
  std::vector<std::pair<float, float>> onStroke = picture.stroke;
  for (std::size_t i = 1; i < picture.stroke.size(); ++i) {
    const auto [x0, y0] = picture.stroke[i - 1];
    const auto [x1, y1] = picture.stroke[i];
    onStroke.push_back({(x0 + x1) / 2, (y0 + y1) / 2});
  }
  for (const auto& [x, y] : onStroke) {
    const auto at = EndToEndPicture::images(table, x, y);
    ASSERT_EQ(at.size(), std::size_t(EndToEndPicture::kCopies));
    std::set<std::pair<long, long>> distinct;
    for (const auto& [mx, my] : at) {
      distinct.insert({std::lround(mx), std::lround(my)});
      EXPECT_TRUE(colourNear(canvas, mx, my, kBlack))
          << "stroke point (" << x << ", " << y << ") missing at (" << mx << ", " << my << ")";
    }
    EXPECT_EQ(distinct.size(), std::size_t(EndToEndPicture::kCopies));
  }

  // The fill: at the image of its seed and of a point beside it, in every copy.
  for (const auto& [x, y] : {picture.seed, std::pair<float, float>{picture.seed.first + 5, picture.seed.second - 3}}) {
    for (const auto& [mx, my] : EndToEndPicture::images(table, x, y)) {
      EXPECT_EQ(canvas.point(int(std::lround(mx)), int(std::lround(my))),
                std::int64_t(EndToEndPicture::kFill))
          << "no fill at (" << mx << ", " << my << ")";
    }
  }
  // The fill stays inside its circles: the square's centre is background.
  EXPECT_EQ(canvas.point(300, 240), std::int64_t(kWhite));
}

TEST_F(EndToEnd, SavingTheOpenedPictureAgainWritesTheSameBytes) {
  saveAndOpen();
  const std::string again = path("AGAIN.PNT");
  dialogs.saves = {again};
  trigger("MenFileSaveAs");
  ASSERT_TRUE(std::filesystem::exists(again));
  const auto first = bytesOf(file);
  const auto second = bytesOf(again);
  EXPECT_GT(first.size(), 1000u);
  EXPECT_TRUE(first == second) << first.size() << " bytes, then " << second.size();
}

TEST_F(EndToEnd, RepaintLoadStartsWithoutColours) {
  setInnerSize(900, 700);
  file = path("ROSE8.PNT");
  ASSERT_TRUE(picture.save(file, w->width(), w->height()));
  ASSERT_EQ(paintHeaders(picture.list).size(), 1u);

  w->file().LoadOption = kLoadEraseColours;
  w->LoadPicture(file);
  QApplication::processEvents();

  // Silently: no question was asked.
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(w->file().LoadOption, kLoadNormal);
  EXPECT_TRUE(paintHeaders(w->list()).empty());
  EXPECT_EQ(w->colour().InUseCount, 0);
  EXPECT_TRUE(w->colour().ColorsInUse.empty());
  // Everything but the fill is as saved, and the list ends properly.
  const int fillLength = picture.list.NumPoints - paintHeaders(picture.list)[0];
  ASSERT_EQ(w->list().NumPoints, picture.list.NumPoints - fillLength);
  for (int i = 0; i < w->list().NumPoints; ++i) {
    EXPECT_EQ(w->list().G0[i], picture.list.G0[i]) << i;
    EXPECT_EQ(w->list().G1[i], picture.list.G1[i]) << i;
  }
  EXPECT_EQ(w->list().G0[w->list().NumPoints], float(kCodeEnd));
  EXPECT_EQ(w->list().ItemHead, w->list().NumPoints);
  // The canvas shows the lines in every copy and no fill at all.
  EXPECT_EQ(pixelsOf(w->canvasSurface(), EndToEndPicture::kFill), 0);
  EXPECT_GT(pixelsOf(w->canvasSurface(), kBlack), 1000);

  // The option does not leak into the next load: the fill is back.
  dialogs.opens = {file};
  trigger("MenFileLoad(0)");
  EXPECT_EQ(paintHeaders(w->list()).size(), 1u);
  EXPECT_GT(pixelsOf(w->canvasSurface(), EndToEndPicture::kFill), 0);
}

}  // namespace
}  // namespace orn::test
