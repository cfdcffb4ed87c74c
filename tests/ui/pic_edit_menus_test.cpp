// The editor's menu bar on the real window: every menu is there, items not
// available yet stay grey whatever the menu states say, and the menu states
// and caption follow the editor's mode and picture.
#include <QAction>
#include <QPushButton>

#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

std::vector<std::string> topMenuCaptions(PicEdit& w) {
  std::vector<std::string> out;
  for (QAction* a : w.menuBar()->actions())
    if (a->isVisible()) out.push_back(a->text().toStdString());
  return out;
}
const std::vector<std::string> kEditingMenus{"&File", "&Options", "&Symmetry", "&Color",
                                             "&Zoom", "&Redraw",  "&Help",     "e&Xit"};

TEST_F(PicEditTest, MenuBarOpensWithFileCommandsLiveAndUnbuiltItemsGreyWhateverMenEnableSays) {
  EXPECT_EQ(topMenuCaptions(*w), kEditingMenus);
  for (auto n : {"MenFileNew", "MenFileLoad(0)", "MenFileSave", "MenFileSaveAs", "MenFileExit", "mnuRedraw", "MenQuit",
                 "MenFilePrint", "MenFilePset", "MenSaveBitmap", "MenSaveWall", "HelpP"})
    EXPECT_TRUE(enabled(n)) << n;
  EXPECT_FALSE(w->menuItem("MenFileLoad(1)")->isVisible());
  EXPECT_EQ(w->menuItem("MenFileLoad(0)")->text().toStdString(), "&Load Picture ...");
  EXPECT_EQ(w->menuItem("MenFileSaveAs")->text().toStdString(), "Save Picture &As ...");
  EXPECT_FALSE(w->menuItem("MenEditMark")->isVisible());  // advanced items and Special hidden
  EXPECT_FALSE(w->menuItem("MenPageSh")->isVisible());
  EXPECT_TRUE(w->menuItem("menline37")->isVisible());
  EXPECT_FALSE(w->menuItem("DebugXX")->isVisible());

  const auto unbuilt = {"Editsym"};
  for (auto n : unbuilt) EXPECT_FALSE(enabled(n)) << n;
  w->MenEnable(false);
  for (auto n : {"MenFile", "MenOptionS", "MenColor", "MenZoom", "mnuRedraw", "MenQuit", "MenSym"})
    EXPECT_FALSE(enabled(n)) << n;
  w->MenEnable(true);
  for (auto n : {"MenFile", "MenOptionS", "MenColor", "MenZoom", "mnuRedraw", "MenQuit"}) EXPECT_TRUE(enabled(n)) << n;
  for (auto n : unbuilt) EXPECT_FALSE(enabled(n)) << n;
  EXPECT_FALSE(enabled("MenSym"));  // no symmetry block
  w->sym().SymStart = 0;
  w->sym().SymEnd = 40;
  w->MenEnable(true);
  EXPECT_TRUE(enabled("MenSym"));
}

TEST_F(PicEditTest, ShowModeMenusReplaceTheEditingMenus) {
  w->MenusShowMode(false);
  EXPECT_EQ(topMenuCaptions(*w), (std::vector<std::string>{"&File", "&Modify", "&Redraw", "&Help", "e&Xit"}));
  EXPECT_TRUE(w->menuItem("GalHelp")->isVisible());
  EXPECT_FALSE(w->menuItem("HelpP")->isVisible());
  w->MenusShowMode(true);
  EXPECT_EQ(topMenuCaptions(*w), kEditingMenus);
  EXPECT_FALSE(w->menuItem("GalHelp")->isVisible());
  w->MenusAllOptions(true);
  EXPECT_TRUE(w->menuItem("MenEditMark")->isVisible());
  EXPECT_TRUE(w->menuItem("MenProjPages")->isVisible());
  EXPECT_TRUE(w->menuItem("DebugX(7)")->isChecked());
}

// Picture files keep the case of their names on disk: a lower-case one,
// saved and loaded back through the File menu, is named without its
// extension as an upper-case one is.
TEST_F(PicEditTest, CaptionNamesThePictureWithoutItsExtensionOfEitherCase) {
  EXPECT_EQ(w->windowTitle().toStdString(), "Ornivale");
  w->ShowFileName("/home/ann/art/ROSE.PNT", false);
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  ROSE");
  w->ShowFileName("Dancing Birds", true);
  EXPECT_EQ(w->windowTitle().toStdString(), "Dancing Birds");

  ASSERT_TRUE(w->list().CreateItem(1, 1, 100.0f, 40.0f));
  ASSERT_TRUE(w->list().AddPoint(200.0f, 80.0f, 1));
  ASSERT_TRUE(w->list().closeRecord());
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
