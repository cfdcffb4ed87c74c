// What the editor window does around its file commands: a save closes a
// record still being drawn as a double click would, New starts over with
// the Poly Line tool, and a titled sample shown in show mode keeps its title
// as the caption.
#include <QMouseEvent>

#include "canvas/tools.h"
#include "canvas/ui/tool_buttons.h"
#include "model/picture_file.h"
#include "model/record_codes.h"
#include "pic_edit_fixture.h"
#include "platform/canvas_widget.h"

namespace orn::test {
namespace {

class FileCommandsWindow : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(800, 600);
  }
  void send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held,
            QWidget* target = nullptr) {
    QWidget* to = target ? target : w->Picture1;
    QMouseEvent e(type, QPointF(p), to->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
  }
  void click(int x, int y) {
    send(QEvent::MouseMove, {x, y}, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, {x, y}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {x, y}, Qt::LeftButton, Qt::NoButton);
  }
  void chooseTool(int tool) {
    ToolButton* b = w->tools().DrawType(tool);
    ASSERT_NE(b, nullptr);
    send(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton, b);
    send(QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton, b);
  }
};

TEST_F(FileCommandsWindow, SavingWhileALineIsDrawnClosesItAsADoubleClickWould) {
  chooseTool(kToolPolyLine);
  click(20, 20);
  click(100, 20);
  click(100, 90);  // the moving end point now repeats the last click
  ASSERT_TRUE(w->list().recordOpen());

  const std::string file = path("OPEN.PNT");
  dialogs.saves = {file};
  trigger("MenFileSaveAs");
  const auto read = ReadPictureFile(file);
  ASSERT_TRUE(read.ok()) << read.error->message;
  // Header, slot, "Begin Data", three points, end marker: the repeat is gone.
  const std::vector<float> g0{20001, 0, 20077, 20, 100, 100, 20099};
  const std::vector<float> g1{3, 0, 5, 20, 20, 90, 0};
  EXPECT_EQ(read.value->g0, g0);
  EXPECT_EQ(read.value->g1, g1);
  EXPECT_FALSE(w->list().recordOpen());
  EXPECT_EQ(w->list().NumPoints, 6);
}

TEST_F(FileCommandsWindow, NewPictureStartsWithThePolyLineToolAndNoDuplicateButton) {
  ASSERT_TRUE(w->list().CreateItem(kTypePolyLine, 1, 10.0f, 10.0f));
  ASSERT_TRUE(w->list().AddPoint(60.0f, 60.0f, kToolPolyLine));
  ASSERT_TRUE(w->list().closeRecord());
  chooseTool(kToolAdjustPoints);
  ASSERT_EQ(w->editor().CurDrawType, kToolAdjustPoints);
  w->tools().DrawType(kToolDuplicate)->show();

  trigger("MenFileNew");
  EXPECT_EQ(w->list().NumPoints, 0);
  EXPECT_EQ(w->editor().CurDrawType, kToolPolyLine);
  EXPECT_TRUE(w->tools().DrawType(kToolDuplicate)->isHidden());
}

TEST_F(FileCommandsWindow, ShowModeKeepsATitledSampleUnderItsNameWithItsTitleAsCaption) {
  ASSERT_TRUE(w->list().CreateItem(kTypePolyLine, 1, 10.0f, 10.0f));
  ASSERT_TRUE(w->list().AddPoint(60.0f, 60.0f, kToolPolyLine));
  ASSERT_TRUE(w->list().closeRecord());
  w->picture().PictureTitle = "Blue Rose";
  std::filesystem::create_directories(dir / "STATIC");
  const std::string sample = path("STATIC/OVROSE.PNT");
  dialogs.saves = {sample};
  trigger("MenFileSaveAs");
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
