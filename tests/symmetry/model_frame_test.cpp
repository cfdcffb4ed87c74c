// Where the folded model's picture goes over the canvas and which of the main
// menu's model pictures it is, by the digit after "OVMOD".
#include <gtest/gtest.h>

#include "symmetry/model_frame.h"

namespace orn {
namespace {

TEST(ModelFrame, EachModelTakesItsPictureAndTheCornerItsNetLeavesFree) {
  const CanvasBounds canvas{64, 5, 800, 600};
  struct Row {
    int d, PMod, left, top;
  };
  const int near = 64 + 10, far = 64 + 800 - 130, top = 5 + 10, bottom = 5 + 600 - 130;
  for (const Row& r : {Row{1, 6, near, top}, {2, 5, near, bottom}, {3, 1, near, bottom}, {4, 0, near, top},
                       {5, 3, near, bottom}, {6, 2, far, bottom}, {7, 4, far, top}}) {
    const auto place = ModelFramePlacement(r.d, canvas);
    ASSERT_TRUE(place) << r.d;
    EXPECT_EQ(place->PMod, r.PMod) << r.d;
    EXPECT_EQ(place->left, r.left) << r.d;
    EXPECT_EQ(place->top, r.top) << r.d;
  }
  for (int d : {0, 8, 9, -1}) EXPECT_FALSE(ModelFramePlacement(d, canvas)) << d;
}

TEST(ModelFrame, TheDigitIsTheCharacterRightAfterTheMark) {
  const std::string name = "/home/u/STATIC/OVmod4a.pnt";
  const int p = int(std::string("/HOME/U/STATIC/OVMOD4A.PNT").find("OVMOD")) + 1;
  EXPECT_EQ(ModelDigit(name, p), 4);
  EXPECT_EQ(ModelDigit("/x/OVMODXA.PNT", 4), 0);  // a letter
  EXPECT_EQ(ModelDigit("/x/OVMOD", 4), 0);        // nothing after the mark
  EXPECT_EQ(ModelDigit("OVMOD7", 0), 0);          // no position
}

}  // namespace
}  // namespace orn
