// The folded model's picture over the canvas in the real window: its corner,
// the main menu picture it shows, an unknown digit, and a later load.
#include "canvas/picture_commands.h"
#include "platform/canvas_widget.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

class PicEditModelFrame : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 664);
    // Main menu picture k is filled with colour k + 1.
    w->setModelPictures([this](int PMod) {
      asked.push_back(PMod);
      return Surface(120, 120, Rgb(PMod + 1));
    });
  }
  // Names the open picture and frames its model as the loader does.
  void frame(const std::string& name) {
    w->file().FileName = name;
    const auto at = PathKey(name).find("OVMOD");
    ASSERT_NE(at, std::string::npos);
    w->FrameModel(int(at) + 1);
  }
  QPoint canvasCorner() const { return w->Picture1->pos(); }
  Rgb shown() const { return w->Model().surface()->point(60, 60); }
  std::vector<int> asked;
};

TEST_F(PicEditModelFrame, TheModelStandsInTheCornerItsDigitNamesWithItsMainMenuPicture) {
  const int W = w->canvasSurface().width(), H = w->canvasSurface().height();
  frame(path("STATIC/OVmod4a.pnt"));
  EXPECT_TRUE(w->Model().isVisible());
  EXPECT_EQ(w->Model().pos(), canvasCorner() + QPoint(10, 10));
  EXPECT_EQ(w->Model().size(), QSize(120, 120));
  EXPECT_EQ(asked, std::vector<int>{0});
  EXPECT_EQ(shown(), 1u);

  frame(path("STATIC/OVMOD6A.PNT"));
  EXPECT_EQ(w->Model().pos(), canvasCorner() + QPoint(W - 130, H - 130));
  EXPECT_EQ(shown(), 3u);

  // Another digit or a letter keeps the last place and picture, and shows it.
  for (const char* name : {"OVMOD0A.PNT", "OVMOD8A.PNT", "OVMOD9A.PNT", "OVMODXA.PNT"}) {
    w->Model().hide();
    frame(path(std::string("STATIC/") + name));
    EXPECT_TRUE(w->Model().isVisible()) << name;
    EXPECT_EQ(w->Model().pos(), canvasCorner() + QPoint(W - 130, H - 130)) << name;
    EXPECT_EQ(shown(), 3u) << name;
  }
  EXPECT_EQ(asked, (std::vector<int>{0, 2}));

  // The next picture loaded takes the model away.
  saveAs(path("PLAIN.PNT"));
  load(path("PLAIN.PNT"));
  EXPECT_FALSE(w->Model().isVisible());
}

}  // namespace
}  // namespace orn::test
