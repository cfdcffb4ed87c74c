// The ring that marks the current colour in the palette follows it after
// every way of changing it: a palette pick, a custom pick, a pick from the
// colours in use and a turn of the colour wheel.
#include "canvas/tools.h"
#include "colour/colour_wheel.h"
#include "colour/palette.h"
#include "pic_edit_fixture.h"

namespace orn::test {
namespace {

const ColourTable& T = BuiltInColorTable();

class PaletteRing : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(900, 700);
    chooseTool(kToolPolyLine);
    drawSquare(20, 20);
    drawSquare(200, 20);
  }
  int rows() { return PaletteRowCount(w->colour().PalRows); }
  static void clickCell(QWidget* panel, double cols, double rows, double c, double r) {
    const QPoint p(int((c + 0.5) * (panel->width() - 1) / cols), int((r + 0.5) * (panel->height() - 1) / rows));
    QTest::mouseClick(panel, Qt::LeftButton, {}, p);
  }
  // The palette cells that carry the ring, read from the palette's pixels:
  // the ring runs a few pixels right of the cell's centre, black in the
  // four lighter columns and white in the four darker ones.
  std::vector<std::pair<int, int>> rings() {
    const Surface& s = *w->colours().Picture3->surface();
    const double ux = (s.width() - 1) / double(kPaletteColumns), uy = (s.height() - 1) / double(rows());
    const int radius = std::max(2, int(std::lround(0.05 * ux)));
    std::vector<std::pair<int, int>> out;
    for (int r = 0; r < rows(); ++r) {
      for (int c = 0; c < kPaletteColumns; ++c) {
        const int x = int(std::lround((c + 0.5) * ux)) + radius, y = int(std::lround((r + 0.5) * uy));
        if (s.point(x, y) == std::int64_t(c < 4 ? kBlack : kWhite)) out.emplace_back(c, r);
      }
    }
    return out;
  }
};

TEST_F(PaletteRing, TheRingFollowsTheCurrentColourThroughEveryPickAndTurn) {
  ASSERT_EQ(w->colour().PalRows[0], 8);
  using Cells = std::vector<std::pair<int, int>>;
  // The first and last cells, and the last column with a black ring.
  for (Cells::value_type cell : Cells{{0, 0}, {7, 3}, {3, 0}, {4, 3}}) {
    clickCell(w->colours().Picture3, kPaletteColumns, rows(), cell.first, cell.second);
    EXPECT_EQ(rings(), Cells{cell});
  }
  clickCell(w->colours().Picture3, kPaletteColumns, rows(), 2, 1);  // shade 2 of hue 9
  EXPECT_EQ(rings(), (Cells{{2, 1}}));
  click({60, 60});

  clickCell(w->colours().Picture10, kCustomColumns, kCustomRows, 4, 0);  // the base red, shade 4 of hue 8
  ASSERT_EQ(w->colour().CurrentColor, T(4, 8));
  EXPECT_EQ(rings(), (Cells{{4, 0}}));
  click({250, 60});

  // The first colour in use: shade 2 of hue 9 again.
  const InUseGrid& g = w->colour().InUse;
  clickCell(w->colours().CinUse, g.cols * 1.02, g.rows * 1.02, 0, 0);
  ASSERT_EQ(w->colour().CurrentColor, T(2, 9));
  EXPECT_EQ(rings(), (Cells{{2, 1}}));

  // A turn of one step: hue 9 becomes hue 10, the next row.
  trigger("MenRotateColors");
  const WheelSpot to = WheelSpots[2 * 2];
  QTest::mouseClick(w->colours().Wheel, Qt::LeftButton, {}, QPoint(int(to.x), int(to.y)));
  ASSERT_EQ(w->colour().CurrentColor, T(2, 10));
  EXPECT_EQ(rings(), (Cells{{2, 2}}));
}

}  // namespace
}  // namespace orn::test
