// Menu states and the window caption, on a recording menu bar.
#include "shell/menu_state.h"

#include <gtest/gtest.h>

#include <map>

namespace orn {
namespace {

struct Item {
  bool enabled = true, visible = true, checked = false;
};

class RecordingMenus : public MenuItems {
 public:
  void setItemEnabled(std::string_view n, bool on) override { items[std::string(n)].enabled = on; }
  void setItemVisible(std::string_view n, bool on) override { items[std::string(n)].visible = on; }
  void setItemChecked(std::string_view n, bool on) override { items[std::string(n)].checked = on; }
  std::map<std::string, Item> items;
};

TEST(MenuState, SymmetryMenuStaysGreyWithoutASymmetryBlock) {
  RecordingMenus m;
  MenEnable(m, true, 0, 0);
  EXPECT_FALSE(m.items["MenSym"].enabled);
  EXPECT_TRUE(m.items["MenFile"].enabled);
  EXPECT_TRUE(m.items["mnuRedraw"].enabled);
  MenEnable(m, true, 3, 40);
  EXPECT_TRUE(m.items["MenSym"].enabled);
  MenEnable(m, false, 3, 40);
  for (auto n : {"MenFile", "MenOptionS", "MenGrid", "MenColor", "MenZoom", "MenQuit", "HelpP",
                 "GalHelp", "MenGalEdit", "mnuRedraw", "MenSym"})
    EXPECT_FALSE(m.items[n].enabled) << n;
}

TEST(MenuState, ShowModeSwapsEditingMenusForTheGalleryMenus) {
  RecordingMenus m;
  MenusShowMode(m, false);
  for (auto n : {"MenSym", "MenOptionS", "MenGrid", "MenColor", "MenZoom", "HelpP"})
    EXPECT_FALSE(m.items[n].visible) << n;
  for (auto n : {"MenGalEdit", "GalHelp"}) EXPECT_TRUE(m.items[n].visible && m.items[n].enabled) << n;
  EXPECT_TRUE(m.items["MenEditR(0)"].enabled);

  MenusShowMode(m, true);
  for (auto n : {"MenSym", "MenOptionS", "MenGrid", "MenColor", "MenZoom", "HelpP"})
    EXPECT_TRUE(m.items[n].visible) << n;
  for (auto n : {"MenGalEdit", "GalHelp"}) EXPECT_FALSE(m.items[n].visible || m.items[n].enabled) << n;
  EXPECT_TRUE(m.items["HelpP"].enabled);
  EXPECT_FALSE(m.items["MenEditR(0)"].enabled);
}

TEST(MenuState, AllOptionsShowsTheAdvancedItemsAndKeepsTheirSeparator) {
  RecordingMenus m;
  MenusAllOptions(m, false);
  for (auto n : {"menuline", "MenEditMark", "MenEditUndo", "Lin099", "MenPageSh", "MenProjPages"})
    EXPECT_FALSE(m.items[n].visible) << n;
  EXPECT_TRUE(m.items["menline37"].visible);
  EXPECT_FALSE(m.items["DebugX(7)"].checked);
  MenusAllOptions(m, true);
  EXPECT_TRUE(m.items["MenPageSh"].visible);
  EXPECT_TRUE(m.items["DebugX(7)"].checked);
}

TEST(MenuState, CaptionShortensARealPathAndKeepsAnUnnamedPicture) {
  EXPECT_EQ(ShowFileNameCaption("C:\\ART\\ROSE.PNT", false), "Picture  -  ROSE");
  // The extension goes whatever its case; a dot in a folder name is never the extension's.
  EXPECT_EQ(ShowFileNameCaption("/home/ann/art/Rose.Pnt", false), "Picture  -  Rose");
  EXPECT_EQ(ShowFileNameCaption("/home/ann/art/rose.col", false), "Picture  -  rose.col");
  EXPECT_EQ(ShowFileNameCaption("C:\\MY.ART\\ROSE.PNT", false), "Picture  -  ROSE");
  EXPECT_EQ(ShowFileNameCaption("/my.art/ROSEPNT", false), "Picture  -  ROSEPNT");
  EXPECT_EQ(ShowFileNameCaption("<UnNamed>", false), "Picture  -  <UnNamed>");
  EXPECT_EQ(ShowFileNameCaption("Dancing Birds", true), "Dancing Birds");
  EXPECT_EQ(ShowFileNameCaption("ROSE.PNT", false), "Picture  -  ROSE");
}

}  // namespace
}  // namespace orn
