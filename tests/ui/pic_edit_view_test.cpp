// View files through the real window: chosen in "&Load Picture ..." or in
// "Load &Halvik File...", drawn on a canvas of the view's proportions; a
// refused one is reported and leaves the picture on the canvas.
#include <QAction>

#include "canvas/ui/pic_edit.h"
#include "model/view_file_test.h"
#include "platform/canvas_widget.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

class PicEditView : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    // Room for an 800 x 600 canvas beside the tool column and the panels.
    setInnerSize(929, 664);
    w->setDataFolder(dir);
  }
  void writeView(const std::string& name, const ViewBytes& v) { WriteBytes(dir / name, v.bytes()); }
};

TEST_F(PicEditView, AViewChosenInLoadPictureIsDrawnOnACanvasOfItsProportions) {
  writeView("HOUSE.VEW", TwoLineView(false));
  std::ofstream(dir / "TEMP628.VEW") << "left over by the other program";
  load(path("HOUSE.VEW"));
  ASSERT_TRUE(host.boxes.empty()) << host.boxes[0].text;
  const Surface& s = w->canvasSurface();
  EXPECT_EQ(s.width(), 800);
  EXPECT_EQ(s.height(), 400);
  EXPECT_EQ(w->Picture1->height(), 400);
  // The lines run from (4, 1.5) to (794, 1.5) and on to (794, 396.5).
  EXPECT_EQ(s.point(400, 2), kBlack);
  EXPECT_EQ(s.point(794, 200), kBlack);
  EXPECT_EQ(s.point(400, 200), s.backColor());
  EXPECT_EQ(w->file().FileName, kUnNamed);
  EXPECT_NE(w->windowTitle().toStdString().find(kUnNamed), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "TEMP628.VEW"));

  // A later layout keeps the view's proportions.
  setInnerSize(729, 664);
  EXPECT_EQ(w->canvasSurface().width(), 600);
  EXPECT_EQ(w->canvasSurface().height(), 300);
}

TEST_F(PicEditView, TheHalvikItemWhereShownOpensTheViewDialogAndARefusedViewIsReported) {
  writeView("HOUSE.VEW", TwoLineView(true));
  QAction* halvik = w->menuItem("MenFileLoad(1)");
  EXPECT_FALSE(halvik->isVisible());
  halvik->setVisible(true);
  dialogs.opens = {path("HOUSE.VEW")};
  trigger("MenFileLoad(1)");
  ASSERT_EQ(dialogs.openRequests.size(), 1u);
  EXPECT_EQ(dialogs.openRequests[0].title, "Load H3 View");
  EXPECT_EQ(w->canvasSurface().height(), 400);
  EXPECT_EQ(w->canvasSurface().point(794, 200), kBlack);

  ViewBytes flat = TwoLineView(false);
  flat.records[3] = {0, 0, 100, 0};
  flat.records[4] = {};
  writeView("FLAT.VEW", flat);
  const Surface before = w->canvasSurface();
  const int n = w->list().NumPoints;
  load(path("FLAT.VEW"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].title, "Load Picture");
  EXPECT_NE(host.boxes[0].text.find("no width or no height"), std::string::npos);
  EXPECT_EQ(w->list().NumPoints, n);
  EXPECT_TRUE(w->canvasSurface() == before);
}

}  // namespace
}  // namespace orn::test
