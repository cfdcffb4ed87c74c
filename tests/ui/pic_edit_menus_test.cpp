// The editor's menu bar on the real window: the menus of edit and show mode,
// the states that follow the picture, and the caption after a save and load.
#include <QAction>

#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

std::vector<std::string> topMenuCaptions(PicEdit& w) {
  std::vector<std::string> out;
  for (QAction* a : w.menuBar()->actions())
    if (a->isVisible()) out.push_back(a->text().toStdString());
  return out;
}

TEST_F(PicEditTest, MenusFollowTheModeAndThePictureWhateverMenEnableSays) {
  const std::vector<std::string> editing{"&File", "&Options", "&Symmetry", "&Color", "&Zoom", "&Redraw", "&Help", "e&Xit"};
  EXPECT_EQ(topMenuCaptions(*w), editing);
  EXPECT_FALSE(w->menus().menuItem("MenEditMark")->isVisible() || w->menus().menuItem("DebugXX")->isVisible());
  // The set-up needs base shapes and the Symmetry menu a block, whatever MenEnable says.
  w->MenEnable(false);
  for (auto n : {"MenFile", "MenOptionS", "MenGrid", "MenColor", "MenZoom", "mnuRedraw", "MenQuit", "HelpP"})
    EXPECT_FALSE(enabled(n)) << n;
  w->MenEnable(true);
  for (auto n : {"MenFile", "MenOptionS", "MenColor", "MenZoom", "mnuRedraw", "MenQuit"}) EXPECT_TRUE(enabled(n)) << n;
  EXPECT_FALSE(enabled("Editsym") || enabled("MenSym"));
  w->sym().SymStart = 0;
  w->sym().SymEnd = 40;
  w->MenEnable(true);
  EXPECT_TRUE(enabled("MenSym"));

  w->menus().MenusShowMode(false);
  EXPECT_EQ(topMenuCaptions(*w), (std::vector<std::string>{"&File", "&Modify", "&Redraw", "&Help", "e&Xit"}));
  EXPECT_TRUE(w->menus().menuItem("GalHelp")->isVisible() && !w->menus().menuItem("HelpP")->isVisible());
  EXPECT_TRUE(enabled("MenEditR(0)") && enabled("GalHelp"));
  w->menus().MenusShowMode(true);
  EXPECT_EQ(topMenuCaptions(*w), editing);
  EXPECT_FALSE(w->menus().menuItem("GalHelp")->isVisible() || enabled("MenEditR(0)"));
  EXPECT_TRUE(enabled("HelpP"));
}

// Picture files keep the case of their names on disk: a lower-case one,
// saved and loaded back through the File menu, is named without its
// extension as an upper-case one is.
TEST_F(PicEditTest, CaptionNamesThePictureWithoutItsExtensionOfEitherCase) {
  EXPECT_EQ(w->windowTitle().toStdString(), "Ornivale");
  AddShape(w->list(), kTypePolyLine, {{100, 40}, {200, 80}});
  const int n = w->list().NumPoints;
  const std::string file = path("rose.pnt");
  saveAs(file);
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  rose");
  trigger("MenFileNew");
  load(file);
  EXPECT_EQ(w->list().NumPoints, n);
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  rose");
}

}  // namespace
}  // namespace orn::test
