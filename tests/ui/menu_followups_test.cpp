// What the menus and panels show after File > New and after loading: the
// grid and yellow-base checks, the wallpaper item, Back and Restore, the
// page items of the Zoom menu, the colours in use and the colour wheel all
// follow the picture now open, also when the one before showed more.
#include <QAction>

#include "canvas/tools.h"
#include "canvas/view_table.h"
#include "canvas/zoom_views.h"
#include "colour/colour_wheel.h"
#include "colour/palette.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

// What the menus should show for a picture.
struct MenusShown {
  int grid;  // 0 black, 1 red, 2 off
  bool yellow, wallpaper, back, restore;
  int pages;
};

class MenuFollowups : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 664);
  }
  bool checked(const char* item) { return w->menus().menuItem(item)->isChecked(); }
  bool shown(const std::string& item) { return w->menus().menuItem(item)->isVisible(); }

  void expectMenus(const MenusShown& m) {
    EXPECT_EQ(checked("MenGridBlack"), m.grid == 0);
    EXPECT_EQ(checked("MenGridRed"), m.grid == 1);
    EXPECT_EQ(checked("MenGridOff"), m.grid == 2);
    EXPECT_EQ(checked("Yellow"), m.yellow);
    EXPECT_EQ(shown("MenSaveWall"), m.wallpaper);
    EXPECT_EQ(shown("ZoomS(0)"), m.back);
    EXPECT_EQ(shown("ZoomS(1)"), m.restore);
    EXPECT_TRUE(shown("Zoom(1)"));
    for (int i = 2; i <= 6; ++i) EXPECT_EQ(shown("Zoom(" + std::to_string(i) + ")"), i <= m.pages) << i;
    EXPECT_EQ(shown("Zoom(7)"), m.pages > 1);
    EXPECT_EQ(w->menus().menuItem("Zoom(1)")->text().toStdString(), m.pages > 1 ? "Part 1" : "Full Picture");
  }

  // A line, and the settings a picture file carries, saved under `name`.
  void savePicture(const std::string& name, int grid, bool yellow, float kind, int pages, bool restore,
                   int history) {
    AddShape(w->list(), kTypePolyLine, {{40, 40}, {300, 200}});
    w->editor().GridMode = grid;
    w->editor().YellowBase = yellow;
    w->picture().PicKind = kind;
    const Surface& c = w->canvasSurface();
    ArrangeParts(w->views(), w->editor(), pages, c.width(), c.height());
    // "Set" on the whole picture stores a frame whose top-left corner is (0, 0).
    if (restore) w->views().rows[6] = ViewRow{0, 0, float(c.width() - 1), 0, float(c.width() - 1),
                                              float(c.height() - 1), 0, 0, float(c.width() - 1), 0,
                                              float(c.width() - 1), float(c.height() - 1)};
    for (int k = 0; k < history; ++k) SaveScale(w->views(), c.width(), c.height());
    saveAs(path(name));
  }
};

TEST_F(MenuFollowups, TheMenusFollowEachLoadedPictureAndNewResetsThem) {
  const MenusShown fresh{0, false, true, false, false, 1};
  expectMenus(fresh);
  savePicture("MANY.PNT", 1, true, 7, 3, true, 2);
  trigger("MenFileNew");
  savePicture("FEW.PNT", 2, false, 18, 1, false, 0);
  trigger("MenFileNew");
  {
    SCOPED_TRACE("new picture");
    expectMenus(fresh);
  }
  const MenusShown many{1, true, false, true, true, 3}, few{2, false, true, false, false, 1};
  const struct {
    const char* file;
    MenusShown want;
  } loads[] = {{"MANY.PNT", many}, {"FEW.PNT", few}, {"MANY.PNT", many}};
  for (const auto& l : loads) {
    SCOPED_TRACE(l.file);
    load(path(l.file));
    ASSERT_EQ(w->file().FileName, path(l.file));
    expectMenus(l.want);
  }
  {
    SCOPED_TRACE("new after the picture with everything");
    trigger("MenFileNew");
    // New keeps the yellow base shape setting and the kind of picture.
    expectMenus({0, true, false, false, false, 1});
  }
}

// New empties the colours in use on the strip and forgets the wheel's turns.
TEST_F(MenuFollowups, NewEmptiesTheStripAndSetsTheWheelBack) {
  chooseTool(kToolPolyLine);
  drawSquare(20, 20);
  const double cols = kPaletteColumns, rows = PaletteRowCount(w->colour().PalRows);
  QTest::mouseClick(w->colours().Picture3, Qt::LeftButton, {},
                    QPoint(int(4.5 * (w->colours().Picture3->width() - 1) / cols), int(0.5 * (w->colours().Picture3->height() - 1) / rows)));
  click({60, 60});
  ASSERT_EQ(w->colour().InUseCount, 1);
  const Rgb painted = Rgb(w->canvasSurface().point(60, 60));
  auto firstSwatch = [&] {
    const InUseGrid& g = w->colour().InUse;
    const Surface& s = *w->colours().CinUse->surface();
    return Rgb(s.point(int(0.5 * (s.width() - 1) / (g.cols * 1.02)), int(0.5 * (s.height() - 1) / (g.rows * 1.02))));
  };
  ASSERT_EQ(firstSwatch(), painted);
  trigger("MenRotateColors");
  const WheelSpot s = WheelSpots[6];
  QTest::mouseClick(w->colours().Wheel, Qt::LeftButton, {}, QPoint(int(s.x), int(s.y)));
  ASSERT_NE(w->colour().HarmonyOffset, 0);
  const Rgb turned = firstSwatch();
  ASSERT_EQ(turned, Rgb(w->canvasSurface().point(60, 60)));

  host.answers = {MsgResult::No};
  trigger("MenFileNew");
  EXPECT_EQ(w->colour().InUseCount, 0);
  EXPECT_NE(firstSwatch(), turned);
  EXPECT_EQ(w->colour().HarmonyOffset, 0);
}

// The Special menu's "all options" item shows and hides every advanced
// item, the first and the last of them too, and carries the check mark.
TEST_F(MenuFollowups, AllOptionsShowsAndHidesEveryAdvancedItem) {
  const char* advanced[] = {"menuline", "MenEditMark", "MenEditUndo", "Lin099", "MenPageSh", "MenProjPages"};
  for (bool on : {true, false, true}) {
    SCOPED_TRACE(on);
    trigger("DebugX(7)");
    EXPECT_EQ(checked("DebugX(7)"), on);
    for (const char* item : advanced) EXPECT_EQ(shown(item), on) << item;
    EXPECT_TRUE(shown("menline37"));
  }
}

}  // namespace
}  // namespace orn::test
