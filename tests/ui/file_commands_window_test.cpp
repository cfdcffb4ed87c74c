// What the editor window does around its file commands: a save closes a
// record still being drawn as a double click would, New starts over with the
// Poly Line tool, and a titled sample in show mode keeps its title as caption.
#include "canvas/tools.h"
#include "model/picture_file.h"
#include "model/record_codes.h"
#include "pic_edit_fixture.h"

namespace orn::test {
namespace {

class FileCommandsWindow : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(800, 600);
  }
  void addLine() {
    ASSERT_TRUE(w->list().CreateItem(kTypePolyLine, 1, 10.0f, 10.0f));
    ASSERT_TRUE(w->list().AddPoint(60.0f, 60.0f, kToolPolyLine));
    ASSERT_TRUE(w->list().closeRecord());
  }
};

TEST_F(FileCommandsWindow, SavingWhileALineIsDrawnClosesItAsADoubleClickWould) {
  chooseTool(kToolPolyLine);
  for (QPoint p : {QPoint(20, 20), QPoint(100, 20), QPoint(100, 90)}) click(p);
  ASSERT_TRUE(w->list().recordOpen());  // the moving end point repeats the last click
  const std::string file = path("OPEN.PNT");
  saveAs(file);
  const auto read = ReadPictureFile(file);
  ASSERT_TRUE(read.ok()) << read.error->message;
  // Header, slot, "Begin Data", three points, end marker: the repeat is gone.
  EXPECT_EQ(read.value->g0, (std::vector<float>{20001, 0, 20077, 20, 100, 100, 20099}));
  EXPECT_EQ(read.value->g1, (std::vector<float>{3, 0, 5, 20, 20, 90, 0}));
  EXPECT_FALSE(w->list().recordOpen());
  EXPECT_EQ(w->list().NumPoints, 6);
}

TEST_F(FileCommandsWindow, NewPictureStartsWithThePolyLineToolAndNoDuplicateButton) {
  addLine();
  chooseTool(kToolAdjustPoints);
  ASSERT_EQ(w->editor().CurDrawType, kToolAdjustPoints);
  w->tools().DrawType(kToolDuplicate)->show();
  trigger("MenFileNew");
  EXPECT_EQ(w->list().NumPoints, 0);
  EXPECT_EQ(w->editor().CurDrawType, kToolPolyLine);
  EXPECT_TRUE(w->tools().DrawType(kToolDuplicate)->isHidden());
}

TEST_F(FileCommandsWindow, ShowModeKeepsATitledSampleUnderItsNameWithItsTitleAsCaption) {
  addLine();
  w->picture().PictureTitle = "Blue Rose";
  std::filesystem::create_directories(dir / "STATIC");
  const std::string sample = path("STATIC/OVROSE.PNT");
  saveAs(sample);
  ASSERT_TRUE(std::filesystem::exists(sample));
  w->editor().PicChanged = false;
  w->picture().PictureTitle.clear();

  w->menuItem("Gallery")->setChecked(true);
  ASSERT_TRUE(w->showMode());
  w->LoadPicture(sample);
  EXPECT_EQ(w->windowTitle().toStdString(), "Blue Rose");
  EXPECT_EQ(w->picture().PictureTitle, "Blue Rose");
  EXPECT_EQ(w->file().FileName, sample);
  // Outside show mode the same sample loads unnamed, so that saving asks.
  w->menuItem("Gallery")->setChecked(false);
  w->LoadPicture(sample);
  EXPECT_EQ(w->file().FileName, kUnNamed);
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  <UnNamed>");
}

}  // namespace
}  // namespace orn::test
