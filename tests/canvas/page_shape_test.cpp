// The picture shape's ratios and the replies "Enter Ratio..." accepts.
#include <gtest/gtest.h>

#include "canvas/page_shape.h"

namespace orn::test {
namespace {

TEST(PageShape, ChoicesGiveTheirRatiosAndFillWindowTheFreeArea) {
  EXPECT_EQ(PageAspectChoice(0, 900, 600), 0.8);
  EXPECT_EQ(PageAspectChoice(1, 900, 600), 1.25);
  EXPECT_EQ(PageAspectChoice(2, 900, 600), 1.0);
  EXPECT_DOUBLE_EQ(*PageAspectChoice(3, 900, 600), 600.0 / 900.0);
  EXPECT_FALSE(PageAspectChoice(3, 0, 600));  // a window with no room left
  EXPECT_FALSE(PageAspectChoice(5, 900, 600));
}

TEST(PageShape, RatioReplyInvertsAPositiveNumberAndRefusesTheRest) {
  EXPECT_EQ(RatioReply("2"), 0.5f);
  EXPECT_EQ(RatioReply(" 0.8"), 1.25f);
  EXPECT_EQ(RatioReply("1.6 wide"), 0.625f);  // the number the reply begins with
  for (const char* refused : {"", "abc", "0", "-1", "+-2", "1000", "0.001"})
    EXPECT_FALSE(RatioReply(refused)) << refused;
  EXPECT_EQ(RatioDefaultText(900, 600), " 1.5");
  EXPECT_EQ(RatioDefaultText(1000, 600), " 1.66");  // rounded down
}

}  // namespace
}  // namespace orn::test
