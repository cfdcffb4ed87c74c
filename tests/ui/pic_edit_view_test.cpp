// View files through the real window: chosen in "&Load Picture ..." or in
// "Load &Halvik File...", drawn on a canvas of the view's proportions.
#include <QAction>

#include "model/view_file_test.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

TEST_F(PicEditTest, AViewFileIsDrawnOnACanvasOfItsProportionsAndItsHandOverFileGoes) {
  setInnerSize(929, 664);  // room for an 800 x 600 canvas
  const std::filesystem::path data = w->dataFolder();
  ASSERT_FALSE(data.empty());
  std::filesystem::create_directories(data);
  std::ofstream(data / "TEMP628.VEW") << "left over by the other program";
  WriteBytes(dir / "HOUSE.VEW", TwoLineView(false).bytes());
  load(path("HOUSE.VEW"));
  ASSERT_TRUE(host.boxes.empty()) << host.boxes[0].text;
  const Surface& s = w->canvasSurface();
  EXPECT_EQ(s.width(), 800);
  EXPECT_EQ(s.height(), 400);
  // The lines run from (4, 1.5) to (794, 1.5) and on to (794, 396.5).
  EXPECT_EQ(s.point(400, 2), kBlack);
  EXPECT_EQ(s.point(794, 200), kBlack);
  EXPECT_EQ(s.point(400, 200), s.backColor());
  EXPECT_NE(w->windowTitle().toStdString().find(kUnNamed), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(data / "TEMP628.VEW"));
  // A later layout keeps the view's proportions.
  setInnerSize(729, 664);
  EXPECT_EQ(w->canvasSurface().height(), 300);

  // Where the menus show the view item, it opens the view dialog.
  w->menus().menuItem("MenFileLoad(1)")->setVisible(true);
  dialogs.opens = {path("HOUSE.VEW")};
  trigger("MenFileLoad(1)");
  ASSERT_EQ(dialogs.openRequests.size(), 2u);
  EXPECT_EQ(dialogs.openRequests[1].title, "Load H3 View");
  EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
}  // namespace orn::test
