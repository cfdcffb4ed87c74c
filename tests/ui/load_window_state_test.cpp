// Loading a picture while the window is in another state than the one the
// picture was saved in: the window takes the picture's state, and the layout
// that this change brings about later from the event loop leaves the canvas
// at the size stored with the picture, so the picture's points are not
// rescaled and a load followed by a save leaves the file as it was.
#include <QAction>

#include "canvas/ui/form_layout.h"
#include "platform/canvas_widget.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

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
  const std::vector<float> g0 = entries(list.G0, n), g1 = entries(list.G1, n);
  const std::string file = path("NORMAL.PNT");
  saveAs(file);
  const auto saved = bytesOf(file);
  ASSERT_FALSE(saved.empty());

  w->showMaximized();
  QApplication::processEvents();
  ASSERT_TRUE(w->isMaximized());

  load(file);
  // Let every layout the load's state change asked for run.
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_FALSE(w->isMaximized());
  EXPECT_EQ(w->Picture1->size(), QSize(600, 480));
  EXPECT_EQ(QSize(w->canvasSurface().width(), w->canvasSurface().height()), QSize(600, 480));
  ASSERT_EQ(list.NumPoints, n);
  EXPECT_EQ(entries(list.G0, n), g0);
  EXPECT_EQ(entries(list.G1, n), g1);
  EXPECT_FALSE(w->FitOnResize);

  trigger("MenFileSave");
  EXPECT_EQ(bytesOf(file), saved);

  // A later resize by the user lays the window out again as usual.
  setInnerSize(1029, 784);
  EXPECT_EQ(w->Picture1->size(), QSize(900, 720));
}

}  // namespace
}  // namespace orn::test
