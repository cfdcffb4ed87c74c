// A symmetric picture (end_to_end_picture.h: a square base shape with eight
// copies, a stroke and a fill) saved and opened through the File menu: the
// canvas shows exactly a full redraw of the list with the fill in every copy,
// saving it again writes the same bytes; a repaint load drops the fills; the
// grid items and the yellow base shape redraw it from the menus.
#include <QAction>

#include "canvas/tools.h"
#include "symmetry/parts_select.h"
#include "symmetry/sym_records.h"
#include "ui/end_to_end_picture.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

// On the square's top edge, clear of every copy of the stroke and circle;
// inside the square, clear of the strokes.
constexpr int kEdgeX = 300, kEdgeY = 140;
constexpr int kInsideX = 300, kInsideY = 200;

class EndToEnd : public PicEditTest {
 protected:
  // The picture drawn in the window, saved through the menus and cleared.
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 544);
    w->list() = picture.list;
    w->picture().PictureTitle = "Eightfold rose";
    saveAs(file);
    trigger("MenFileNew");
  }
  Rgb at(int x, int y) const { return Rgb(w->canvasSurface().point(x, y)); }
  EndToEndPicture picture;
  const std::string file = path("ROSE8.PNT");
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
  // The picture is really there: the fill at each of its seed's eight
  // images, only inside its circles; the square's centre is background.
  const SymState table = EndToEndPicture::copyTable(w->list());
  const auto seeds = EndToEndPicture::images(table, picture.seed.first, picture.seed.second);
  ASSERT_EQ(seeds.size(), std::size_t(EndToEndPicture::kCopies));
  for (const auto& [mx, my] : seeds) EXPECT_EQ(at(int(std::lround(mx)), int(std::lround(my))), EndToEndPicture::kFill);
  EXPECT_EQ(at(300, 240), kWhite);
  EXPECT_GT(PixelsOf(canvas, kBlack), 1000);

  saveAs(path("AGAIN.PNT"));
  EXPECT_TRUE(ReadBytes(file) == ReadBytes(path("AGAIN.PNT")));
}

TEST_F(EndToEnd, RepaintLoadDropsTheFillsAndColoursAndKeepsEverythingElse) {
  w->file().LoadOption = kLoadEraseColours;
  w->files().LoadPicture(file);
  QApplication::processEvents();
  EXPECT_TRUE(host.boxes.empty());  // silently: no question asked
  EXPECT_EQ(w->file().LoadOption, kLoadNormal);
  EXPECT_EQ(w->colour().InUseCount, 0);
  // Everything up to the fill is as saved, and the list ends there properly.
  const int kept = picture.fillAt;
  ASSERT_EQ(w->list().NumPoints, kept);
  EXPECT_EQ(EntriesOf(w->list(), 0, kept - 1), EntriesOf(picture.list, 0, kept - 1));
  EXPECT_EQ(w->list().G0[kept], float(kCodeEnd));
  EXPECT_EQ(PixelsOf(w->canvasSurface(), EndToEndPicture::kFill), 0);
  EXPECT_GT(PixelsOf(w->canvasSurface(), kBlack), 1000);
}

TEST_F(EndToEnd, TheGridItemsDrawTheBaseShapesBlackRedOrNotAtAllWithOneCheckMark) {
  load(file);
  const auto checks = [&] {
    return std::vector<bool>{w->menus().menuItem("MenGridBlack")->isChecked(), w->menus().menuItem("MenGridRed")->isChecked(),
                             w->menus().menuItem("MenGridOff")->isChecked()};
  };
  const struct {
    const char* item;
    Rgb edge;
    std::vector<bool> checked;
  } steps[] = {{"MenGridRed", 0x0000FF, {false, true, false}},
               {"MenGridRed", 0x0000FF, {false, true, false}},  // the marked item again: the check stays
               {"MenGridOff", kWhite, {false, false, true}},
               {"MenGridBlack", kBlack, {true, false, false}}};
  EXPECT_EQ(at(kEdgeX, kEdgeY), kBlack);
  EXPECT_EQ(checks(), (std::vector<bool>{true, false, false}));
  for (const auto& s : steps) {
    trigger(s.item);
    EXPECT_EQ(at(kEdgeX, kEdgeY), s.edge) << s.item;
    EXPECT_EQ(checks(), s.checked) << s.item;
  }
}

TEST_F(EndToEnd, TheYellowBaseShapeLeavesAnEditingToolAndFillsTheBaseShape) {
  load(file);
  QAction* yellow = w->menus().menuItem("Yellow");
  ASSERT_TRUE(yellow->isEnabled());
  EXPECT_EQ(PixelsOf(w->canvasSurface(), kYellow), 0);
  chooseTool(kToolAdjustPoints);
  trigger("Yellow");
  EXPECT_TRUE(w->editor().YellowBase && yellow->isChecked());
  EXPECT_EQ(w->editor().CurDrawType, kToolPolyLine);
  EXPECT_EQ(at(kInsideX, kInsideY), kYellow);
  EXPECT_EQ(at(kEdgeX, kEdgeY), kBlack);  // the grid is drawn over the highlight
  EXPECT_GT(PixelsOf(w->canvasSurface(), kYellow), 150 * 150);

  chooseTool(kToolDeleteColorHandle);
  trigger("Yellow");
  EXPECT_FALSE(w->editor().YellowBase || yellow->isChecked());
  EXPECT_EQ(w->editor().CurDrawType, kToolPaint);
  EXPECT_EQ(PixelsOf(w->canvasSurface(), kYellow), 0);
}

// A base shape reference that names another record is not followed: the
// highlight draws nothing and the redraw goes on.
TEST_F(EndToEnd, AHighlightWhoseBaseShapeIndexNamesNoBaseShapeDrawsNothing) {
  DrawingList list = picture.list;
  SymState sym = EndToEndPicture::copyTable(list);
  std::vector<SymItem> items;
  ASSERT_TRUE(ReadSymBlock(list, sym, items));
  for (SymItem& it : items) it.RefGeo = sym.SymEnd + 2;  // the polyline after the block
  ASSERT_EQ(list.G0[sym.SymEnd + 2], float(kCodePolyLine));
  ASSERT_TRUE(WriteSymBlock(list, sym, sym.SymStart, items, 1));
  w->list() = list;
  saveAs(path("SQUARE.PNT"));
  load(path("SQUARE.PNT"));
  // Such a block replicates nothing, and the load says so once.
  ASSERT_EQ(host.texts(), std::vector<std::string>{"Corrupt Symmetry data"});
  const Surface before = w->canvasSurface();
  trigger("Yellow");
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(PixelsOf(w->canvasSurface(), kYellow), 0);
  EXPECT_TRUE(w->canvasSurface() == before);
}

}  // namespace
}  // namespace orn::test
