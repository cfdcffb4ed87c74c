// The copy table read from a symmetry block, and points carried into copies.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "sym_fixtures.h"

namespace orn {
namespace {

using test::kSquare;

struct Expect {
  double x, y;
};

Expect MapInto(const SymState& sym, int k, double px, double py) {
  UV uv;
  EXPECT_TRUE(PointToUV(sym, sym.BaseCopy, px, py, uv));
  Expect e{};
  EXPECT_TRUE(UVToCopy(sym, k, uv, e.x, e.y));
  return e;
}

void ExpectNear(Expect got, double x, double y, const char* what) {
  EXPECT_NEAR(got.x, x, 1e-3) << what;
  EXPECT_NEAR(got.y, y, 1e-3) << what;
}

TEST(CopyTable, RotatedCopiesOfASquareReceiveTheHandWorkedImages) {
  DrawingList list;
  SymState sym;
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  ASSERT_EQ(sym.BaseCopy, 0);
  ASSERT_EQ(sym.LastCopy, 3);
  const Expect p[4] = {{150, 280}, {280, 250}, {250, 120}, {120, 150}};
  const Expect p2[4] = {{120, 290}, {290, 280}, {280, 110}, {110, 120}};
  for (int k = 0; k < 4; ++k) {
    ExpectNear(MapInto(sym, k, 150, 280), p[k].x, p[k].y, "p");
    ExpectNear(MapInto(sym, k, 120, 290), p2[k].x, p2[k].y, "p2");
  }
  // The centre stays put in every copy; the base edge's midpoint goes to each
  // copy's edge midpoint.
  for (int k = 0; k < 4; ++k) {
    ExpectNear(MapInto(sym, k, 200, 200), 200, 200, "centre");
    ExpectNear(MapInto(sym, k, 200, 300), (kSquare[k].p0x + kSquare[k].p1x) / 2,
               (kSquare[k].p0y + kSquare[k].p1y) / 2, "midpoint");
  }
}

TEST(CopyTable, MirroredCopiesWalkTheirBaseEdgeBackwards) {
  DrawingList list;
  SymState sym;
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareD4()), SymRebuild::Valid);
  ASSERT_EQ(sym.LastCopy, 7);
  const Expect plain[4] = {{150, 280}, {280, 250}, {250, 120}, {120, 150}};
  const Expect mirrored[4] = {{250, 280}, {280, 150}, {150, 120}, {120, 250}};
  for (int e = 0; e < 4; ++e) {
    ExpectNear(MapInto(sym, 2 * e, 150, 280), plain[e].x, plain[e].y, "plain");
    ExpectNear(MapInto(sym, 2 * e + 1, 150, 280), mirrored[e].x, mirrored[e].y, "mirrored");
    // P0 lands on P0 of a plain copy and on P1 of a mirrored one; the apex
    // on the apex.
    ExpectNear(MapInto(sym, 2 * e, 100, 300), kSquare[e].p0x, kSquare[e].p0y, "P0 plain");
    ExpectNear(MapInto(sym, 2 * e + 1, 100, 300), kSquare[e].p1x, kSquare[e].p1y, "P0 mirrored");
    ExpectNear(MapInto(sym, 2 * e + 1, 200, -700), kSquare[e].p2x, kSquare[e].p2y, "apex");
  }
}

TEST(CopyTable, AFriezeStripMapsByItsTranslations) {
  DrawingList list;
  SymState sym;
  std::vector<test::Tri> strip;
  for (int j = 0; j < 5; ++j) strip.push_back(test::Shifted(kSquare[0], 200.0f * j, 0));
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part(strip)), SymRebuild::Valid);
  for (int j = 0; j < 5; ++j) ExpectNear(MapInto(sym, j, 150, 280), 150 + 200.0 * j, 280, "strip");
}

TEST(CopyTable, APointLevelWithTheApexMapsByTheCopysAffineMap) {
  DrawingList list;
  SymState sym;
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  // (0, -700) lies on the line through the apex parallel to the base edge,
  // where the edge coordinates do not exist; it still turns with the square.
  ExpectNear(MapInto(sym, 1, 0, -700), -700, 400, "level with apex");
  ExpectNear(MapInto(sym, 1, 200, -700), -700, 200, "apex");
}

TEST(CopyTable, TwoGroupsGiveTwoPartsAndEmptyCaches) {
  DrawingList list;
  SymState sym;
  auto items = test::Part({kSquare[0], kSquare[1], kSquare[2]}, 1);
  auto second = test::Part({kSquare[3], kSquare[0], kSquare[1], kSquare[2]}, 2, {0, -1, 0, -1});
  items.insert(items.end(), second.begin(), second.end());
  items[3].RefGeo = 5;
  ASSERT_EQ(test::LoadBlock(list, sym, items, 2), SymRebuild::Valid);
  EXPECT_TRUE(sym.SymTablesValid);
  EXPECT_EQ(sym.SymGroups[1], (std::array<int, 3>{0, 2, 0}));
  EXPECT_EQ(sym.SymGroups[2], (std::array<int, 3>{3, 6, 5}));
  EXPECT_EQ(sym.BaseCopy, 3);
  EXPECT_EQ(sym.LastCopy, 6);
  EXPECT_EQ(sym.SymData[4][kReflect], -1.0f);
  EXPECT_EQ(sym.SymData[5][kReflect], 0.0f);
  for (int k = 0; k <= 6; ++k) {
    EXPECT_EQ(sym.SymData[k][kCacheX], kNoCachedPoint);
    EXPECT_EQ(sym.SymData[k][kCacheY], kNoCachedPoint);
  }
}

TEST(CopyTable, NoBlockMeansNoPartsWhateverPartIsChosen) {
  DrawingList list;
  SymState sym;
  sym.CurPart = 3;
  sym.SymGroups[3] = {4, 9, 0};
  EXPECT_EQ(CheckSymData(sym, list), SymRebuild::NoBlock);
  EXPECT_FALSE(sym.SymTablesValid);
  EXPECT_EQ(sym.BaseCopy, 0);
  EXPECT_EQ(sym.LastCopy, 0);
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
    DrawingList list;
    SymState sym;
    ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
    InvalidateSymTables(sym);
    d.apply(list, sym);
    EXPECT_EQ(CheckSymData(sym, list), SymRebuild::Corrupt) << d.what;
    EXPECT_FALSE(sym.SymTablesValid) << d.what;
    EXPECT_EQ(sym.BaseCopy, 0) << d.what;
    EXPECT_EQ(sym.LastCopy, 0) << d.what;
    EXPECT_EQ(CheckSymData(sym, list), SymRebuild::CorruptAgain) << d.what;
    InvalidateSymTables(sym);
    EXPECT_EQ(CheckSymData(sym, list), SymRebuild::Corrupt) << d.what;
  }
}

TEST(CopyTable, MoreCopiesThanTheTableHoldsIsDamage) {
  DrawingList list;
  list.ensureIndex(8 * 810 + 20);
  SymState sym;
  std::vector<SymItem> items(kMaxCopy + 1, test::Item(kSquare[1], 1));
  items[0].group = -1;
  ASSERT_EQ(test::LoadBlock(list, sym, items), SymRebuild::Valid);
  ASSERT_EQ(sym.LastCopy, kMaxCopy);
  // One record more than the table holds, written by hand past the limit.
  const int at = sym.SymEnd;
  ASSERT_TRUE(PutSymItem(list, at, test::Item(kSquare[1], 1)));
  sym.SymEnd = at + kSymItemLength;
  InvalidateSymTables(sym);
  EXPECT_EQ(CheckSymData(sym, list), SymRebuild::Corrupt);
  EXPECT_EQ(sym.LastCopy, 0);
}

TEST(CopyTable, TheSetUpLayoutIsLeftAloneWhileTheSetUpRuns) {
  DrawingList list;
  SymState sym;
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  InvalidateSymTables(sym);
  sym.GeoCapture = 1;
  sym.SymData[1][3] = 4242.0f;
  EXPECT_EQ(CheckSymData(sym, list), SymRebuild::SetupActive);
  EXPECT_EQ(sym.SymData[1][3], 4242.0f);
}

TEST(SymRecords, ASetUpCopyBecomesARecordWithItsApexOutsideTheCell) {
  SymState sym;
  auto& f = sym.SymData[7];
  f = {-2, 200, 250, 100, 300, 300, 300, 200, 200, 200, 300, -5, 0, 0};
  SymItem it = MakeSymItem(sym, 7);
  EXPECT_EQ(it.group, -2);
  EXPECT_EQ(it.copyNumber, 7);
  EXPECT_EQ(it.RefGeo, 3);
  EXPECT_EQ(it.reflect, -1.0f);
  EXPECT_EQ(it.P0x, 100);
  EXPECT_EQ(it.P1y, 300);
  EXPECT_EQ(it.handleX, 200);
  EXPECT_EQ(it.handleY, 250);
  EXPECT_EQ(it.P2x, 200);
  EXPECT_EQ(it.P2y, -700);
  f[11] = 5;
  it = MakeSymItem(sym, 7);
  EXPECT_EQ(it.RefGeo, 3);
  EXPECT_EQ(it.reflect, 0.0f);
}

TEST(SymRecords, ABlockWrittenAndReadBackGivesTheSameTable) {
  DrawingList list;
  SymState sym;
  auto items = test::Part({kSquare[0], kSquare[1], kSquare[2]}, 1, {0, -1, 0});
  auto second = test::Part({kSquare[3], kSquare[2], kSquare[1], kSquare[0]}, 2, {0, 0, -1, 0});
  items.insert(items.end(), second.begin(), second.end());
  for (std::size_t i = 0; i < items.size(); ++i) items[i].copyNumber = int(i) + 1;
  ASSERT_EQ(test::LoadBlock(list, sym, items, 2), SymRebuild::Valid);

  // The block's frame: opening entry, seven items, closing entry, Mark.
  EXPECT_EQ(list.G0[test::kBlockAt], 20091.0f);
  EXPECT_EQ(list.G1[test::kBlockAt], -2.0f);
  EXPECT_EQ(sym.SymEnd, test::kBlockAt + 1 + 7 * 8);
  EXPECT_EQ(list.G0[sym.SymEnd], 20091.0f);
  EXPECT_EQ(list.G1[sym.SymEnd], 2.0f);
  EXPECT_EQ(list.G0[sym.SymEnd + 1], 20092.0f);
  EXPECT_LT(list.G0[test::kBlockAt + 2], 0.0f);
  EXPECT_LT(list.G0[test::kBlockAt + 1 + 3 * 8 + 1], 0.0f);

  std::vector<SymItem> back;
  ASSERT_TRUE(ReadSymBlock(list, sym, back));
  ASSERT_EQ(back.size(), items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const SymItem& a = items[i];
    const SymItem& b = back[i];
    EXPECT_EQ(std::tie(a.group, a.copyNumber, a.RefGeo, a.reflect),
              std::tie(b.group, b.copyNumber, b.RefGeo, b.reflect));
    EXPECT_EQ(std::tie(a.P0x, a.P0y, a.P1x, a.P1y, a.handleX, a.handleY, a.P2x, a.P2y),
              std::tie(b.P0x, b.P0y, b.P1x, b.P1y, b.handleX, b.handleY, b.P2x, b.P2y));
    const auto& row = sym.SymData[i];
    EXPECT_EQ(row[kP0x], a.P0x);
    EXPECT_EQ(row[kP1y], a.P1y);
    EXPECT_EQ(row[kP2x], a.P2x);
    EXPECT_EQ(row[kHandleY], a.handleY);
    EXPECT_EQ(row[kReflect], a.reflect);
  }
}

TEST(SymRecords, AnOutItemCountsAsAnItem) {
  DrawingList list;
  SymState sym;
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  list.G0[test::kBlockAt + 1 + 8] = 20190.0f;
  InvalidateSymTables(sym);
  EXPECT_EQ(CheckSymData(sym, list), SymRebuild::Valid);
  EXPECT_EQ(sym.LastCopy, 3);
}

TEST(SymRecords, ABlockThatDoesNotFitIsNotWritten) {
  DrawingList list;
  SymState sym;
  const std::vector<float> before = list.G0;
  std::vector<SymItem> items(200, test::Item(kSquare[0], 1));
  EXPECT_FALSE(WriteSymBlock(list, sym, 10, items, 1));
  EXPECT_EQ(list.G0, before);
  EXPECT_EQ(sym.SymStart, sym.SymEnd);
}

}  // namespace
}  // namespace orn
