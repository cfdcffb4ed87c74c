// The group choices the symmetry set-up panel offers: group 1 alone, group 2
// as well once the picture shows a second part, all five with the geometry
// numbers shown; each offered choice, the last included, takes the marker
// and its colour, in the panel and in the initial choice.
#include <QPushButton>

#include "canvas/ui/part_labels.h"
#include "canvas/ui/sym_setup_panel.h"
#include "symmetry/setup_state.h"
#include "symmetry/ui/click_label.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

class SetupChoices : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    layTwoSquares();
  }
  SymSetupPanel& panel() { return *w->Picture5; }
  ClickLabel* choice(int i) { return panel().Label9[std::size_t(i)]; }
  std::vector<int> offered() {
    std::vector<int> out;
    for (int i = 0; i <= kMaxGroups; ++i)
      if (choice(i)->isVisibleTo(&panel())) out.push_back(i);
    return out;
  }
  // Each offered choice is clicked in turn: the marker stands on it in its
  // colour, and outside the initial choice it becomes the group set up.
  void expectEachChoiceTakesTheMarker(const std::vector<int>& choices, bool initial) {
    for (int i : choices) {
      SCOPED_TRACE(i);
      QTest::mouseClick(choice(i), Qt::LeftButton);
      EXPECT_EQ(panel().exx->geometry(), choice(i)->geometry());
      EXPECT_EQ(panel().exx->backColor(), GroupColor(i));
      EXPECT_EQ(initial ? panel().setup().CurSymType : panel().setup().CurSymGroup, i);
    }
  }
  void enterSetup(bool geoNumbers) {
    w->editor().ShowGeoNumbers = geoNumbers;
    trigger("Editsym");
    ASSERT_TRUE(panel().isVisible());
  }
};

TEST_F(SetupChoices, ThePanelOffersOneTwoOrAllFiveGroupsAndEachChoiceTakesTheMarker) {
  const std::vector<int> all{1, 2, 3, 4, 5};
  // No part yet: group 1 alone, or all five with the geometry numbers.
  enterSetup(false);
  EXPECT_EQ(offered(), std::vector<int>{1});
  expectEachChoiceTakesTheMarker({1}, false);
  QTest::mouseClick(panel().SymOK[1], Qt::LeftButton);
  enterSetup(true);
  EXPECT_EQ(offered(), all);
  expectEachChoiceTakesTheMarker(all, false);

  // Two groups accepted: the picture shows a second part label.
  QTest::mouseClick(choice(1), Qt::LeftButton);
  for (int k = 1; k <= 4; ++k) clickHandle(k);
  QTest::mouseClick(choice(2), Qt::LeftButton);
  for (int k = 5; k <= 8; ++k) clickHandle(k);
  QTest::mouseClick(panel().SymOK[0], Qt::LeftButton);
  ASSERT_FALSE(panel().isVisible());
  ASSERT_TRUE(w->Picture7->Label7[2]->isVisible());
  ASSERT_FALSE(w->Picture7->Label7[3]->isVisible());

  enterSetup(false);
  EXPECT_EQ(offered(), (std::vector<int>{1, 2}));
  expectEachChoiceTakesTheMarker({1, 2}, false);
  QTest::mouseClick(panel().SymOK[1], Qt::LeftButton);
  enterSetup(true);
  EXPECT_EQ(offered(), all);
}

// The initial choice adds "none" (choice 0) to the groups offered; its OK
// goes back to the plain panel, the swatch showing the chosen part and the
// marker back on the group being set up.
TEST_F(SetupChoices, TheInitialChoiceAddsNoneAndItsOkShowsTheChosenPart) {
  enterSetup(true);
  QTest::mouseClick(choice(3), Qt::LeftButton);
  QTest::mouseClick(panel().SymInitial, Qt::LeftButton);
  EXPECT_EQ(offered(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(panel().exx->geometry(), choice(0)->geometry());  // no part chosen yet
  expectEachChoiceTakesTheMarker({0, 1, 2, 3, 4, 5}, true);
  QTest::mouseClick(panel().SymOK[0], Qt::LeftButton);
  EXPECT_TRUE(panel().isVisible());
  EXPECT_EQ(offered(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(panel().Label11->backColor(), GroupColor(5));
  EXPECT_EQ(panel().exx->geometry(), choice(3)->geometry());
  EXPECT_EQ(panel().setup().CurSymGroup, 3);
}

}  // namespace
}  // namespace orn::test
