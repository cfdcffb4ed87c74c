// The window caption made from a picture's path or title. (The menu states are
// checked through the editor's real menus in the window tests.)
#include "shell/menu_state.h"

#include <gtest/gtest.h>


namespace orn {
namespace {

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
