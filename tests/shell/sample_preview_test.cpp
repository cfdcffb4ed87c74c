// Shrinking pictures for the main menu's sample buttons.
#include <gtest/gtest.h>

#include "shell/sample_preview.h"

namespace orn::test {
namespace {

TEST(ShrinkToFit, EachSmallPixelIsTheAverageOfTheArea_ItCovers) {
  Surface src(4, 4, kWhite);
  src.clear();
  src.fillBox(0, 0, 1, 3, kBlack);       // left half black
  src.pset(2, 0, rgb(0, 0, 255));        // one blue pixel in the top right block
  const Surface out = ShrinkToFit(src, 2, 2, rgb(1, 2, 3));
  EXPECT_EQ(out.point(0, 0), kBlack);
  EXPECT_EQ(out.point(0, 1), kBlack);
  EXPECT_EQ(out.point(1, 1), kWhite);
  EXPECT_EQ(out.point(1, 0), rgb(191, 191, 255));  // three white and one blue
}

TEST(ShrinkToFit, KeepsProportionsWithBandsOfTheBackColour) {
  Surface src(200, 100, kBlack);
  src.clear();
  const Rgb back = rgb(10, 20, 30);
  const Surface out = ShrinkToFit(src, 100, 100, back);
  ASSERT_EQ(out.width(), 100);
  ASSERT_EQ(out.height(), 100);
  EXPECT_EQ(out.point(50, 10), back);
  EXPECT_EQ(out.point(50, 50), kBlack);
  EXPECT_EQ(out.point(50, 90), back);
  // A picture smaller than the box stays the size it is, in the middle.
  Surface dot(2, 2, kBlack);
  dot.clear();
  const Surface big = ShrinkToFit(dot, 10, 10, kWhite);
  EXPECT_EQ(big.point(4, 4), kBlack);
  EXPECT_EQ(big.point(5, 5), kBlack);
  EXPECT_EQ(big.point(3, 3), kWhite);
  EXPECT_EQ(big.point(6, 6), kWhite);
}

}  // namespace
}  // namespace orn::test
