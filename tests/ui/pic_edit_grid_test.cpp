// The grid colour and the yellow base shape through the real menus, on a
// known picture: a square base shape with eight copies (end_to_end_picture.h).
#include <QAction>

#include "canvas/tools.h"
#include "symmetry/parts_select.h"
#include "symmetry/sym_records.h"
#include "ui/end_to_end_picture.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

constexpr Rgb kGridRed = 0x0000FF;
// On the square's top edge, clear of every copy of the stroke and circle.
constexpr int kEdgeX = 300, kEdgeY = 140;
// Inside the square, clear of the strokes.
constexpr int kInsideX = 300, kInsideY = 200;

class PicEditGrid : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 544);
  }
  // The picture saved and loaded through the File menu, as a user opens it.
  void open() {
    w->list() = picture.list;
    const std::string file = path("SQUARE.PNT");
    saveAs(file);
    load(file);
    ASSERT_TRUE(host.boxes.empty());
  }
  Rgb at(int x, int y) const { return Rgb(w->canvasSurface().point(x, y)); }
  std::vector<bool> gridChecks() const {
    return {w->menuItem("MenGridBlack")->isChecked(), w->menuItem("MenGridRed")->isChecked(),
            w->menuItem("MenGridOff")->isChecked()};
  }
  int yellowPixels() const {
    const Surface& s = w->canvasSurface();
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
      for (int x = 0; x < s.width(); ++x) n += s.row(y)[x] == kYellow;
    return n;
  }
  EndToEndPicture picture;
};

TEST_F(PicEditGrid, TheGridItemsDrawTheBaseShapesBlackRedOrNotAtAllWithOneCheckMark) {
  open();
  EXPECT_EQ(at(kEdgeX, kEdgeY), kBlack);
  EXPECT_EQ(gridChecks(), (std::vector<bool>{true, false, false}));
  trigger("MenGridRed");
  EXPECT_EQ(w->editor().GridMode, 1);
  EXPECT_EQ(at(kEdgeX, kEdgeY), kGridRed);
  EXPECT_EQ(gridChecks(), (std::vector<bool>{false, true, false}));
  trigger("MenGridRed");  // the marked item again: the check stays
  EXPECT_EQ(gridChecks(), (std::vector<bool>{false, true, false}));
  trigger("MenGridOff");
  EXPECT_EQ(at(kEdgeX, kEdgeY), kWhite);
  EXPECT_EQ(gridChecks(), (std::vector<bool>{false, false, true}));
  trigger("MenGridBlack");
  EXPECT_EQ(at(kEdgeX, kEdgeY), kBlack);
}

TEST_F(PicEditGrid, TheYellowBaseShapeLeavesAnEditingToolAndFillsTheBaseShape) {
  open();
  QAction* yellow = w->menuItem("Yellow");
  ASSERT_TRUE(yellow->isEnabled());
  EXPECT_EQ(yellowPixels(), 0);

  chooseTool(kToolAdjustPoints);
  ASSERT_EQ(w->editor().CurDrawType, kToolAdjustPoints);
  trigger("Yellow");
  EXPECT_TRUE(w->editor().YellowBase);
  EXPECT_TRUE(yellow->isChecked());
  EXPECT_EQ(w->editor().CurDrawType, kToolPolyLine);
  EXPECT_EQ(at(kInsideX, kInsideY), kYellow);
  EXPECT_EQ(at(kEdgeX, kEdgeY), kBlack);  // the grid is drawn over the highlight
  EXPECT_GT(yellowPixels(), 150 * 150);

  chooseTool(kToolDeleteColorHandle);
  trigger("Yellow");
  EXPECT_FALSE(w->editor().YellowBase);
  EXPECT_FALSE(yellow->isChecked());
  EXPECT_EQ(w->editor().CurDrawType, kToolPaint);
  EXPECT_EQ(yellowPixels(), 0);
}

// A base shape reference that names another record is not followed: the
// highlight draws nothing and the redraw goes on.
TEST_F(PicEditGrid, AHighlightWhoseBaseShapeIndexNamesNoBaseShapeDrawsNothing) {
  DrawingList list = picture.list;
  SymState sym = EndToEndPicture::copyTable(list);
  std::vector<SymItem> items;
  ASSERT_TRUE(ReadSymBlock(list, sym, items));
  for (SymItem& it : items) it.RefGeo = sym.SymEnd + 2;  // the polyline after the block
  ASSERT_EQ(list.G0[sym.SymEnd + 2], 20001.0f);
  ASSERT_TRUE(WriteSymBlock(list, sym, sym.SymStart, items, 1));
  w->list() = list;
  saveAs(path("SQUARE.PNT"));
  load(path("SQUARE.PNT"));
  // Such a block replicates nothing, and the load says so once.
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Corrupt Symmetry data");
  host.boxes.clear();
  const Surface before = w->canvasSurface();
  trigger("Yellow");
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(yellowPixels(), 0);
  EXPECT_TRUE(w->canvasSurface() == before);
}

}  // namespace
}  // namespace orn::test
