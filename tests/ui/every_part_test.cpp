// A picture of five parts, the last as well as the first: the set-up writes
// every group, the part labels show each one after OK and after a reload,
// each label chooses its part with its copies, its view and its working
// symmetry, and Clear starts every group afresh.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "canvas/ui/part_labels.h"
#include "canvas/ui/sym_setup_panel.h"
#include "canvas/ui/wsym_set.h"
#include "symmetry/setup_state.h"
#include "symmetry/sym_records.h"
#include "symmetry/ui/click_label.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

class EveryPart : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    layTwoSquares();
    w->editor().ShowGeoNumbers = true;  // all five groups offered
    trigger("Editsym");
  }
  // Puts copies into group g, the first one clicked becoming its base.
  void putInGroup(int g, std::initializer_list<int> copies) {
    QTest::mouseClick(w->Picture5->Label9[std::size_t(g)], Qt::LeftButton);
    for (int k : copies) clickHandle(k);
  }
  void ok() { QTest::mouseClick(w->Picture5->SymOK[0], Qt::LeftButton); }
  std::vector<int> labelsShown() {
    std::vector<int> out;
    for (int g = 1; g <= kMaxGroups; ++g)
      if (w->Picture7->Label7[std::size_t(g)]->isVisibleTo(w->Picture7)) out.push_back(g);
    return out;
  }
  // Groups 1 to 4 of one copy each, group 5 of the other four.
  void acceptFiveParts() {
    for (int g = 1; g <= 4; ++g) putInGroup(g, {g});
    putInGroup(5, {5, 6, 7, 8});
    ok();
  }
};

TEST_F(EveryPart, FiveGroupsMakeFivePartsEachChosenByItsLabelWithItsCopiesAndView) {
  acceptFiveParts();
  std::vector<SymItem> items;
  ASSERT_TRUE(ReadSymBlock(w->list(), w->sym(), items));
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items.front().group, -1);
  EXPECT_EQ(items[4].group, -5);
  EXPECT_EQ(items.back().group, 5);
  EXPECT_EQ(labelsShown(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(w->Picture7->isVisible());

  // Copies of part g: one each for parts 1 to 4, then 4 to 7 for part 5.
  const struct {
    int part, base, last;
  } parts[] = {{1, 0, 0}, {5, 4, 7}, {4, 3, 3}, {0, 0, 0}, {5, 4, 7}};
  for (const auto& p : parts) {
    SCOPED_TRACE(p.part);
    QTest::mouseClick(w->Picture7->Label7[std::size_t(p.part)], Qt::LeftButton);
    EXPECT_EQ(w->sym().CurPart, p.part);
    EXPECT_EQ(w->sym().BaseCopy, p.base);
    EXPECT_EQ(w->sym().LastCopy, p.last);
    EXPECT_EQ(w->Picture7->exx2->pos(), w->Picture7->Label7[std::size_t(p.part)]->pos());
    EXPECT_EQ(w->Picture7->exx2->backColor(), p.part == 0 ? w->Picture7->Label7[0]->backColor() : GroupColor(p.part));
  }

  // Part 5's own view and working symmetry: three replicas, so one step
  // down from All offers 2.
  host.boxes.clear();
  const int beeps = host.beeps;
  trigger("Zoom(0)");
  EXPECT_EQ(host.beeps, beeps);  // the view was stored: nothing refused
  bool ran = false;
  whenModal<WSymSet>(
      [](WSymSet& d) {
        d.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
        EXPECT_EQ(d.Label1->text().toStdString(), "2");
        d.Command1->click();
      },
      &ran);
  trigger("SymWorking");
  EXPECT_TRUE(ran);
  EXPECT_EQ(w->sym().WorkingSym, 2);
}

TEST_F(EveryPart, AReloadedPictureShowsTheLabelsOfAllItsPartsAndOfTheLastAlone) {
  acceptFiveParts();
  saveAs(path("FIVE.PNT"));
  w->editor().PicChanged = false;
  trigger("MenFileNew");
  EXPECT_TRUE(labelsShown().empty());
  load(path("FIVE.PNT"));
  EXPECT_EQ(labelsShown(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(w->Picture7->isVisible());

  // A picture whose only part is part 5 still shows the part panel.
  trigger("MenFileNew");
  AddPolygon(w->list(), w->polyShape(), 200, 300, 300, 300);
  w->symmetry().setEditsymEnabled(true);
  trigger("Editsym");
  putInGroup(5, {2, 1, 3});
  ok();
  EXPECT_EQ(labelsShown(), std::vector<int>{5});
  EXPECT_TRUE(w->Picture7->isVisible());
  saveAs(path("LAST.PNT"));
  w->editor().PicChanged = false;
  trigger("MenFileNew");
  load(path("LAST.PNT"));
  EXPECT_EQ(labelsShown(), std::vector<int>{5});
  EXPECT_TRUE(w->Picture7->isVisible());
}

// After Clear the first copy clicked into a group is its base again, in the
// first group and in the last. Clicks reorder the copies, so each is found
// by where its handle stands.
TEST_F(EveryPart, AfterClearTheFirstCopyClickedIntoAnyGroupIsItsBase) {
  std::vector<QPoint> at;
  for (int k = 1; k <= 8; ++k) at.push_back(handleAt(k));
  auto groupAt = [&](int n) {
    for (int k = 1; k <= 8; ++k)
      if (handleAt(k) == at[std::size_t(n - 1)]) return group(k);
    return -99.0f;
  };
  auto put = [&](int g, std::initializer_list<int> handles) {
    QTest::mouseClick(w->Picture5->Label9[std::size_t(g)], Qt::LeftButton);
    for (int n : handles) QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, at[std::size_t(n - 1)]);
  };
  put(1, {1, 2});
  put(5, {5, 6});
  QTest::mouseClick(w->Picture5->SymClear, Qt::LeftButton);
  for (int n = 1; n <= 8; ++n) ASSERT_EQ(groupAt(n), 0) << n;
  put(1, {4, 3});
  put(5, {8, 7});
  EXPECT_EQ(groupAt(4), -1);
  EXPECT_EQ(groupAt(3), 1);
  EXPECT_EQ(groupAt(8), -5);
  EXPECT_EQ(groupAt(7), 5);
}

}  // namespace
}  // namespace orn::test
