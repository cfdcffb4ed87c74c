// The right button stepping back over a change of the picture part: the part
// before the change comes back, with its copies, its label marked and the
// symmetry menus brought up to date, whichever part it was.
#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "symmetry/parts_select.h"

namespace orn::test {
namespace {

// A picture of five parts, two copies each: part g's base cell and its
// translate 120 pixels to the right are copies 2g - 2 and 2g - 1.
struct FiveParts : MouseScene {
  FiveParts() {
    const int geo = AddShape(list, kTypeGeometric, {{0, 0}, {119, 0}, {119, 159}, {0, 159}, {0, 0}, {60, 80}});
    std::vector<SymItem> items;
    for (int g = 1; g <= kMaxParts; ++g) {
      SymItem base;
      base.group = -g;
      base.RefGeo = geo;
      base.P0x = 0, base.P0y = 30.0f * (g - 1), base.P1x = 119, base.P1y = base.P0y;
      base.P2x = 0, base.P2y = base.P0y + 29;
      base.handleX = 30, base.handleY = base.P0y + 10;
      SymItem copy = base;
      copy.group = g;
      copy.P0x += 120, copy.P1x += 120, copy.P2x += 120, copy.handleX += 120;
      items.push_back(base);
      items.push_back(copy);
    }
    AppendSymBlock(list, sym, items, 0);
    m.DrawAll(1);
    tool(kToolPolyLine);
  }
  void choosePart(int part) { ASSERT_TRUE(SelectPart(list, sym, part).done) << part; }
  void drawLine() {
    click(20, 140);
    click(60, 140);
    click(60, 140);  // a second click on the last point ends the line
    ASSERT_FALSE(list.recordOpen());
  }
};

TEST(StepBackOverAPartChange, BringsBackThePartBeforeItWithItsCopiesAndItsLabelMarked) {
  const struct Case {
    int before;                // the part chosen before the line
    std::vector<int> after;    // chosen after the line, one after the other
    MsgResult answer;
    int want;                  // the part after the step back
  } cases[] = {
      {1, {0}, MsgResult::Yes, 1},     // from "No Sym" back to part 1
      {0, {1}, MsgResult::Yes, 0},
      {5, {0}, MsgResult::Yes, 5},     // the last part
      {0, {5}, MsgResult::Yes, 0},
      {2, {5}, MsgResult::Yes, 2},
      {5, {2}, MsgResult::Yes, 5},
      {4, {3, 1, 5}, MsgResult::Yes, 4},  // choices in a row make one change, from the first part
      {3, {1}, MsgResult::No, 1},      // No keeps the change
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "part " << c.before << " -> " << c.after.back()
                                      << (c.answer == MsgResult::No ? " kept" : ""));
    FiveParts s;
    s.choosePart(c.before);
    s.drawLine();
    const int lineEnd = s.list.NumPoints;
    for (int p : c.after) s.choosePart(p);
    const std::size_t menuUpdates = s.mui.symMenus.size();
    s.host.answers = {c.answer};
    s.press(200, 150, 2);

    ASSERT_EQ(s.host.boxes.size(), 1u);
    EXPECT_EQ(s.host.boxes[0].text, "Undo Symmetry Setting?");
    EXPECT_EQ(s.host.boxes[0].title, "Erase Symmetry");
    EXPECT_EQ(s.sym.CurPart, c.want);
    EXPECT_EQ(s.list.NumPoints, lineEnd + (c.answer == MsgResult::Yes ? 0 : 1));
    EXPECT_TRUE(ListIsSound(s.list));
    const int base = c.want == 0 ? 0 : 2 * c.want - 2;
    EXPECT_EQ(s.sym.BaseCopy, base);
    EXPECT_EQ(s.sym.LastCopy, c.want == 0 ? 0 : base + 1);
    if (c.answer == MsgResult::Yes) {
      EXPECT_EQ(s.ui.markedPart, c.want);
      EXPECT_GT(s.mui.symMenus.size(), menuUpdates);
    }
    // A full redraw of what is left replays the same part.
    s.m.DrawAll(1);
    EXPECT_EQ(s.sym.CurPart, c.want);
    EXPECT_EQ(s.ui.markedPart, c.want);
  }
}

// Drawing goes on in the part that came back: a line lands in its copy.
TEST(StepBackOverAPartChange, DrawingAfterItGoesIntoThePartThatCameBack) {
  FiveParts s;
  s.choosePart(5);
  s.drawLine();
  s.choosePart(0);
  s.host.answers = {MsgResult::Yes};
  s.press(200, 150, 2);
  ASSERT_EQ(s.sym.CurPart, 5);
  s.click(10, 125);
  s.click(50, 125);
  s.click(50, 125);
  EXPECT_TRUE(s.black(30, 125));
  EXPECT_TRUE(s.black(150, 125));  // part 5's copy, 120 to the right
  EXPECT_SAME_AS_REDRAW(s);
}

}  // namespace
}  // namespace orn::test
