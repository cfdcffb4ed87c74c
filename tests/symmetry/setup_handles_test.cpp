// The set-up handles: their marks on the canvas and what a click on one does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup_fixtures.h"
#include "symmetry/setup_capture.h"
#include "symmetry/setup_handles.h"

namespace orn {
namespace {

class RecordingHost : public NullHost {
 public:
  MsgResult messageBox(const std::string& text, MsgButtons b, MsgIcon i,
                       const std::string& t) override {
    messages.push_back(text);
    return NullHost::messageBox(text, b, i, t);
  }
  std::vector<std::string> messages;
};

// One square on (100,300)-(300,300) in set-up, handles placed and drawn.
struct SquareSetup {
  DrawingList list;
  SymState sym;
  SetupState setup;
  Surface canvas{400, 400};
  RecordingHost host;

  SquareSetup() {
    testing::AddPolygon(list, PolyShape(), 100, 300, 300, 300);
    CaptureLeadingShapes(sym, list);
    sym.GeoCapture = 2;
    SymShowHandles(sym, canvas, 0, true);
  }
  HandleAction click(float x, float y) {
    return SymTestHandle(setup, sym, canvas, host, 1, 0, x, y);
  }
  Rgb px(int x, int y) const { return static_cast<Rgb>(canvas.point(x, y)); }
};

TEST(SetupHandles, FreeCopiesShowRedSquaresAndMembersShowLetters) {
  SquareSetup s;
  // Copy 1's handle at (200, 294): a red box outline one pixel round it.
  EXPECT_EQ(s.px(199, 293), kHandleRed);
  EXPECT_EQ(s.px(201, 295), kHandleRed);
  EXPECT_EQ(s.px(200, 294), kWhite);

  // First click: the group was empty, so the copy becomes its base: a yellow
  // bowl, the stem on the P0 side (x = 196, from y 284 towards the edge) and
  // the dark base dot.
  ASSERT_EQ(s.click(200, 294), HandleAction::Joined);
  EXPECT_EQ(s.sym.SymData[1][kGroup], -1);
  EXPECT_EQ(s.px(199, 293), kBaseDot);
  EXPECT_EQ(s.px(200, 292), GroupColor(1));
  EXPECT_EQ(s.px(196, 286), kBlack);
  EXPECT_EQ(s.px(196, 298), kBlack);
  EXPECT_EQ(s.px(204, 286), kWhite);

  // A member of the same group on copy 3 (handle (200, 106)): 'b', then 'd'.
  ASSERT_EQ(s.click(200, 106), HandleAction::Joined);
  ASSERT_EQ(s.sym.SymData[2][kGroup], 1);  // moved to the front: second touched
  EXPECT_EQ(s.px(201, 107), GroupColor(1));  // no base dot on a member
  // For copy 3 (edge from (300,100) to (100,100)) P0 lies to the right.
  EXPECT_EQ(s.px(204, 114), kBlack);
  ASSERT_EQ(s.click(200, 106), HandleAction::Mirrored);
  EXPECT_EQ(s.px(204, 114), kWhite);
  EXPECT_EQ(s.px(196, 114), kBlack);
  // Leaving the group erases the letter and shows the red square again.
  ASSERT_EQ(s.click(200, 106), HandleAction::Left);
  EXPECT_EQ(s.px(196, 114), kWhite);
  EXPECT_EQ(s.px(199, 105), kHandleRed);
  EXPECT_EQ(s.px(200, 103), kWhite);
}

TEST(SetupHandles, HitToleranceAndFirstColumnWins) {
  SquareSetup s;
  EXPECT_EQ(FindHandle(s.sym, 202.9f, 294), 1);
  EXPECT_EQ(FindHandle(s.sym, 203.0f, 294), 0);
  EXPECT_EQ(FindHandle(s.sym, 200, 291.1f), 1);
  EXPECT_EQ(FindHandle(s.sym, 200, 291.0f), 0);
  // Two handles within reach: the lower column is taken.
  s.sym.SymData[3][kHandlePosX] = 201;
  s.sym.SymData[3][kHandlePosY] = 294;
  EXPECT_EQ(FindHandle(s.sym, 200.5f, 294), 1);
  EXPECT_EQ(s.click(50, 50), HandleAction::Missed);
  EXPECT_EQ(s.setup.SymActive, 0);
}

TEST(SetupHandles, ClickCycleBaseRefusalAndTouchedCopiesMoveToTheFront) {
  SquareSetup s;
  const auto copy1 = s.sym.SymData[1];
  const auto copy4 = s.sym.SymData[4];
  ASSERT_EQ(s.click(106, 200), HandleAction::Joined);  // copy 4 becomes the base
  EXPECT_EQ(s.setup.SymActive, 1);
  EXPECT_EQ(s.sym.SymData[1][kEdgeP0x], copy4[kEdgeP0x]);  // all fields swapped
  EXPECT_EQ(s.sym.SymData[1][kGroup], -1);
  EXPECT_EQ(s.sym.SymData[4], copy1);  // the old copy 1 took its place

  const auto before = s.sym.SymData;
  EXPECT_EQ(s.click(106, 200), HandleAction::BaseRefused);
  ASSERT_EQ(s.host.messages.size(), 1u);
  EXPECT_EQ(s.host.messages[0], kBaseClickText);
  EXPECT_EQ(s.sym.SymData, before);

  // Another copy: b, d, free, then b again as a plain member (the group was
  // already used, so it does not become a second base).
  s.click(294, 200);
  EXPECT_EQ(s.sym.SymData[2][kGroup], 1);
  s.click(294, 200);
  EXPECT_LT(s.sym.SymData[2][kOrient], 0);
  s.click(294, 200);
  EXPECT_EQ(s.sym.SymData[2][kGroup], 0);
  EXPECT_GT(s.sym.SymData[2][kOrient], 0);
  s.click(294, 200);
  EXPECT_EQ(s.sym.SymData[2][kGroup], 1);
  EXPECT_EQ(s.setup.GroupCounts[1], 3);
}

TEST(SetupHandles, MovingTheBase) {
  SquareSetup s;
  s.click(200, 294);  // copy 1: base of group 1
  s.click(294, 200);  // copy 2: member
  s.click(294, 200);  // ... mirrored
  s.setup.MovingBase = true;
  EXPECT_EQ(s.click(10, 10), HandleAction::Missed);
  EXPECT_TRUE(s.setup.MovingBase);  // still waiting for a handle
  ASSERT_EQ(s.click(294, 200), HandleAction::BaseMoved);
  EXPECT_FALSE(s.setup.MovingBase);
  EXPECT_EQ(s.sym.SymData[1][kGroup], 1);   // the old base is a member now
  EXPECT_EQ(s.sym.SymData[2][kGroup], -1);  // the new base, never mirrored
  EXPECT_GT(s.sym.SymData[2][kOrient], 0);
  EXPECT_EQ(s.setup.GroupCounts[1], 2);

  // Onto a free copy: the count of the group does not change.
  s.setup.MovingBase = true;
  s.click(200, 106);
  EXPECT_EQ(s.sym.SymData[3][kGroup], -1);
  EXPECT_EQ(s.sym.SymData[2][kGroup], 1);
  EXPECT_EQ(s.setup.GroupCounts[1], 2);
}

TEST(SetupHandles, TheBaseCannotMoveOntoAnotherGroupsBase) {
  SquareSetup s;
  s.click(200, 294);  // group 1 base
  s.setup.CurSymGroup = 2;
  s.click(294, 200);  // group 2 base
  ASSERT_EQ(s.sym.SymData[2][kGroup], -2);
  s.setup.CurSymGroup = 1;
  s.setup.MovingBase = true;
  const auto before = s.sym.SymData;
  EXPECT_EQ(s.click(294, 200), HandleAction::MoveRefused);
  EXPECT_EQ(s.sym.SymData, before);
  EXPECT_TRUE(s.setup.MovingBase);
  EXPECT_EQ(s.host.messages.size(), 1u);
}

TEST(SetupHandles, ADoubleClickRepeatsTheFirstClick) {
  SquareSetup s;
  s.click(200, 294);
  s.click(294, 200);  // member 'b'
  // The double click handler repeats the kept press.
  SymTestHandle(s.setup, s.sym, s.canvas, s.host, s.setup.HandleButton, s.setup.HandleShift,
                s.setup.HandleX, s.setup.HandleY);
  EXPECT_LT(s.sym.SymData[2][kOrient], 0);
}

}  // namespace
}  // namespace orn
