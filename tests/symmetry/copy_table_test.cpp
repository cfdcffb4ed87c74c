// The copy table read from a symmetry block, and points carried into copies.
#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "sym_fixtures.h"

namespace orn {
namespace {

using test::kSquare;

struct Pt {
  double x, y;
};

Pt MapInto(const SymState& sym, int k, double px, double py) {
  UV uv;
  EXPECT_TRUE(PointToUV(sym, sym.BaseCopy, px, py, uv));
  Pt e{};
  EXPECT_TRUE(UVToCopy(sym, k, uv, e.x, e.y));
  return e;
}

// Images of (150,280), (100,300) and the apex (200,-700), worked out by hand.
TEST(CopyTable, HandWorkedSymmetriesMapPointsIntoEveryCopy) {
  std::vector<test::Tri> strip;
  for (int j = 0; j < 5; ++j) strip.push_back(test::Shifted(kSquare[0], 200.0f * j, 0));
  struct Case {
    const char* name;
    std::vector<SymItem> items;
    std::vector<Pt> p, p0, apex;
  };
  const Case cases[] = {
      {"square in 4", test::SquareC4(),
       {{150, 280}, {280, 250}, {250, 120}, {120, 150}},
       {{100, 300}, {300, 300}, {300, 100}, {100, 100}},
       {{200, -700}, {-700, 200}, {200, 1100}, {1100, 200}}},
      {"square in 8", test::SquareD4(),
       {{150, 280}, {250, 280}, {280, 250}, {280, 150}, {250, 120}, {150, 120}, {120, 150}, {120, 250}},
       {{100, 300}, {300, 300}, {300, 300}, {300, 100}, {300, 100}, {100, 100}, {100, 100}, {100, 300}},
       {{200, -700}, {200, -700}, {-700, 200}, {-700, 200}, {200, 1100}, {200, 1100}, {1100, 200},
        {1100, 200}}},
      {"frieze", test::Part(strip),
       {{150, 280}, {350, 280}, {550, 280}, {750, 280}, {950, 280}},
       {{100, 300}, {300, 300}, {500, 300}, {700, 300}, {900, 300}},
       {{200, -700}, {400, -700}, {600, -700}, {800, -700}, {1000, -700}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DrawingList list;
    SymState sym;
    ASSERT_EQ(test::LoadBlock(list, sym, c.items), SymRebuild::Valid);
    ASSERT_EQ(sym.LastCopy - sym.BaseCopy + 1, int(c.p.size()));
    for (int k = 0; k < int(c.p.size()); ++k) {
      SCOPED_TRACE(k);
      const Pt got[3] = {MapInto(sym, k, 150, 280), MapInto(sym, k, 100, 300), MapInto(sym, k, 200, -700)};
      const Pt want[3] = {c.p[k], c.p0[k], c.apex[k]};
      for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, 1e-3) << i;
        EXPECT_NEAR(got[i].y, want[i].y, 1e-3) << i;
      }
    }
  }
}

// Each damage is rejected: nothing of the block is used, and the same
// damaged block is reported once.
TEST(CopyTable, DamagedBlocksAreRejectedCleanly) {
  struct Damage {
    const char* what;
    void (*apply)(DrawingList&, SymState&);
  };
  const Damage damages[] = {
      {"an entry that is no item", [](DrawingList& l, SymState&) { l.G0[test::kBlockAt + 9] = 123; }},
      {"group 7", [](DrawingList& l, SymState&) { l.G0[test::kBlockAt + 2] = -7; }},
      {"RefGeo inside the block", [](DrawingList& l, SymState&) { l.G0[test::kBlockAt + 3] = 40; }},
      {"RefGeo negative", [](DrawingList& l, SymState&) { l.G0[test::kBlockAt + 3] = -3; }},
      {"a point that is no number",
       [](DrawingList& l, SymState&) { l.G0[test::kBlockAt + 5] = std::numeric_limits<float>::quiet_NaN(); }},
      {"a truncated last item", [](DrawingList&, SymState& s) { s.SymEnd -= 3; }},
      {"a block end past the list", [](DrawingList&, SymState& s) { s.SymEnd = 50000; }},
      {"a start after the end", [](DrawingList&, SymState& s) { s.SymStart = s.SymEnd + 5; }},
  };
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.what);
    DrawingList list;
    SymState sym;
    ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
    InvalidateSymTables(sym);
    d.apply(list, sym);
    EXPECT_EQ(CheckSymData(sym, list), SymRebuild::Corrupt);
    EXPECT_FALSE(sym.SymTablesValid);
    EXPECT_EQ(sym.LastCopy, 0);
    EXPECT_EQ(CheckSymData(sym, list), SymRebuild::CorruptAgain);
  }
  DrawingList empty;  // no block at all: no parts, whatever part is chosen
  SymState none;
  none.CurPart = 3;
  none.SymGroups[3] = {4, 9, 0};
  EXPECT_EQ(CheckSymData(none, empty), SymRebuild::NoBlock);
  EXPECT_EQ(none.LastCopy, 0);
}

TEST(CopyTable, MoreCopiesThanTheTableHoldsIsDamage) {
  DrawingList list;
  list.ensureIndex(8 * 810 + 20);
  SymState sym;
  std::vector<SymItem> items(kMaxCopy + 1, test::Item(kSquare[1], 1));
  items[0].group = -1;
  ASSERT_EQ(test::LoadBlock(list, sym, items), SymRebuild::Valid);
  ASSERT_EQ(sym.LastCopy, kMaxCopy);
  const int at = sym.SymEnd;  // one record more, written by hand past the limit
  ASSERT_TRUE(PutSymItem(list, at, test::Item(kSquare[1], 1)));
  sym.SymEnd = at + kSymItemLength;
  InvalidateSymTables(sym);
  EXPECT_EQ(CheckSymData(sym, list), SymRebuild::Corrupt);
  EXPECT_EQ(sym.LastCopy, 0);
}

TEST(SymRecords, ABlockWrittenAndReadBackGivesTheSameTable) {
  DrawingList list;
  SymState sym;
  auto items = test::Part({kSquare[0], kSquare[1], kSquare[2]}, 1, {0, -1, 0});
  auto second = test::Part({kSquare[3], kSquare[2], kSquare[1], kSquare[0]}, 2, {0, 0, -1, 0});
  items.insert(items.end(), second.begin(), second.end());
  for (std::size_t i = 0; i < items.size(); ++i) items[i].copyNumber = int(i) + 1;
  items[3].RefGeo = 5;
  ASSERT_EQ(test::LoadBlock(list, sym, items, 2), SymRebuild::Valid);
  EXPECT_EQ(sym.SymGroups[1], (std::array<int, 3>{0, 2, 0}));
  EXPECT_EQ(sym.SymGroups[2], (std::array<int, 3>{3, 6, 5}));
  EXPECT_EQ(sym.BaseCopy, 3);
  EXPECT_EQ(sym.LastCopy, 6);
  // Opening entry, seven items, closing entry, Mark.
  EXPECT_EQ(list.G1[test::kBlockAt], -2.0f);
  EXPECT_EQ(sym.SymEnd, test::kBlockAt + 1 + 7 * 8);
  EXPECT_EQ(list.G1[sym.SymEnd], 2.0f);
  EXPECT_EQ(list.G0[sym.SymEnd + 1], 20092.0f);

  std::vector<SymItem> back;
  ASSERT_TRUE(ReadSymBlock(list, sym, back));
  ASSERT_EQ(back.size(), items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const SymItem& a = items[i];
    const SymItem& b = back[i];
    EXPECT_EQ(std::tie(a.group, a.copyNumber, a.RefGeo, a.reflect, a.P0x, a.P0y, a.P1x, a.P1y,
                       a.handleX, a.handleY, a.P2x, a.P2y),
              std::tie(b.group, b.copyNumber, b.RefGeo, b.reflect, b.P0x, b.P0y, b.P1x, b.P1y,
                       b.handleX, b.handleY, b.P2x, b.P2y));
    EXPECT_EQ(sym.SymData[i][kP2x], a.P2x);
    EXPECT_EQ(sym.SymData[i][kReflect], a.reflect);
    EXPECT_EQ(sym.SymData[i][kCacheX], kNoCachedPoint);
  }

  // A block that does not fit is not written.
  DrawingList small;
  SymState s2;
  const std::vector<float> before = small.G0;
  EXPECT_FALSE(WriteSymBlock(small, s2, 10, std::vector<SymItem>(200, test::Item(kSquare[0], 1)), 1));
  EXPECT_EQ(small.G0, before);
}

}  // namespace
}  // namespace orn
