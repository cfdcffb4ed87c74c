// The boxes whose answer can throw work away, on the real window: Return
// and Escape alone keep the picture as it is.
#include <QAction>

#include "model/record_codes.h"
#include "pic_edit_fixture.h"
#include "ui/end_to_end_picture.h"

namespace orn::test {
namespace {

class SafeBoxes : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(800, 600);
    w->list() = EndToEndPicture().list;
    saveAs(path("ROSE8.PNT"));
    load(path("ROSE8.PNT"));
    kept = w->list();
    ASSERT_GT(count(kCodePaint), 0);
  }
  int count(float code) const {
    return int(std::count(w->list().G0.begin(), w->list().G0.begin() + w->list().NumPoints + 1, code));
  }
  // Answers the command's box with each key in turn; the picture's list
  // stays as it was. Returns the box shown last.
  ShownBox answerWithKeys(const std::function<void()>& command) {
    for (BoxKey k : {BoxKey::Return, BoxKey::Escape}) {
      host.key = k;
      const std::size_t before = host.boxes.size();
      command();
      EXPECT_EQ(host.boxes.size(), before + 1) << "one box asks";
      EXPECT_EQ(w->list().NumPoints, kept.NumPoints) << int(k);
      EXPECT_EQ(count(kCodePaint), int(std::count(kept.G0.begin(), kept.G0.begin() + kept.NumPoints + 1,
                                                  float(kCodePaint))))
          << int(k);
    }
    host.key.reset();
    return host.boxes.back();
  }
  DrawingList kept;
};

TEST_F(SafeBoxes, StripSymmetryKeepsTheSymmetryAndColoursOnReturnAndEscape) {
  const ShownBox box = answerWithKeys([this] { trigger("DebugX(4)"); });
  EXPECT_EQ(box.title, "Strip Symmetry?");
  EXPECT_EQ(box.defaultAnswer, MsgResult::No);
  for (int i = 0; i <= w->list().NumPoints; ++i) EXPECT_EQ(w->list().G1[i], kept.G1[i]) << i;
}

TEST_F(SafeBoxes, EraseAllColorsKeepsTheColoursOnReturnAndEscape) {
  const int inUse = w->colour().InUseCount;
  const ShownBox box = answerWithKeys([this] { trigger("MenEditErase"); });
  EXPECT_EQ(box.defaultAnswer, MsgResult::Cancel);
  EXPECT_EQ(w->colour().InUseCount, inUse);
}

TEST_F(SafeBoxes, RecolourThisPictureKeepsTheColoursAndShowModeOnReturnAndEscape) {
  trigger("Gallery");
  load(path("ROSE8.PNT"));
  ASSERT_TRUE(w->showMode());
  w->editor().PicChanged = true;
  const ShownBox box = answerWithKeys([this] { trigger("MenEditR(1)"); });
  EXPECT_EQ(box.title, "Erase All Color From Picture");
  EXPECT_EQ(box.defaultAnswer, MsgResult::Cancel);
  EXPECT_TRUE(w->showMode());
}

}  // namespace
}  // namespace orn::test
