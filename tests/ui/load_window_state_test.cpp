// Loading a picture while the window is in another state than the one the
// picture was saved in: the window takes the picture's state, and the layout
// that this change brings about later from the event loop leaves the canvas
// at the size stored with the picture, so the picture's points are not
// rescaled and a load followed by a save leaves the file as it was.
#include <QAction>

#include <fstream>

#include "canvas/ui/form_layout.h"
#include "platform/canvas_widget.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

std::vector<char> bytesOf(const std::string& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

TEST_F(PicEditTest, PictureSavedInANormalWindowLoadsIntoAMaximisedOneWithItsCanvasKept) {
  // The picture is saved from a normal window as large as the maximised one,
  // with a smaller canvas that the window keeps as it is.
  w->showMaximized();
  QApplication::processEvents();
  if (!w->isMaximized()) GTEST_SKIP() << "the platform does not maximise windows";
  const QSize full = w->size();
  w->showNormal();
  QApplication::processEvents();
  setInnerSize(729, 544);
  ASSERT_EQ(w->Picture1->size(), QSize(600, 480));
  w->PageAspect = kAspectFromCanvas;
  w->resize(full);
  QApplication::processEvents();
  ASSERT_EQ(w->size(), full);
  ASSERT_EQ(w->Picture1->size(), QSize(600, 480));
  DrawingList& list = w->list();
  ASSERT_TRUE(list.CreateItem(1, 1, 100.0f, 40.0f));
  ASSERT_TRUE(list.AddPoint(200.0f, 80.0f, 1));
  ASSERT_TRUE(list.AddPoint(250.0f, 180.0f, 1));
  ASSERT_TRUE(list.closeRecord());
  w->editor().PicChanged = true;
  const int n = list.NumPoints;
  const std::vector<float> g0(list.G0.begin(), list.G0.begin() + n + 1);
  const std::vector<float> g1(list.G1.begin(), list.G1.begin() + n + 1);
  const std::string file = path("NORMAL.PNT");
  dialogs.saves = {file};
  trigger("MenFileSaveAs");
  const auto saved = bytesOf(file);
  ASSERT_FALSE(saved.empty());

  w->showMaximized();
  QApplication::processEvents();
  ASSERT_TRUE(w->isMaximized());

  dialogs.opens = {file};
  trigger("MenFileLoad(0)");
  // Let every layout the load's state change asked for run.
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_FALSE(w->isMaximized());
  EXPECT_EQ(w->Picture1->size(), QSize(600, 480));
  EXPECT_EQ(w->canvasSurface().width(), 600);
  EXPECT_EQ(w->canvasSurface().height(), 480);
  ASSERT_EQ(list.NumPoints, n);
  EXPECT_EQ(std::vector<float>(list.G0.begin(), list.G0.begin() + n + 1), g0);
  EXPECT_EQ(std::vector<float>(list.G1.begin(), list.G1.begin() + n + 1), g1);
  EXPECT_FALSE(w->FitOnResize);

  trigger("MenFileSave");
  EXPECT_EQ(bytesOf(file), saved);

  // A later resize by the user lays the window out again as usual.
  setInnerSize(1029, 784);
  EXPECT_EQ(w->Picture1->size(), QSize(900, 720));
}

}  // namespace
}  // namespace orn::test
