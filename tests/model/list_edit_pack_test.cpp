#include <gtest/gtest.h>

#include <random>

#include "support/list_builder.h"
#include "model/list_edit.h"
#include "model/record_codes.h"

namespace orn {
namespace {

using test::Entry;
using test::EntriesOf;
using test::ListIsSound;
using test::ListOf;
using test::LiveEntries;

using test::Entries;
constexpr float D = kDeletedPoint;

TEST(PackBad, RemovesMarkedEntriesAndEmptiedRecordsAndFixesBeginData) {
  struct Case {
    const char* what;
    Entries list;
    int packFrom;
    Entries packed;  // every live entry after packing, end marker included
  };
  const Case cases[] = {
      {"a Multi Line pair", {{20002, 3}, {0, 0}, {20077, 6}, {D, D}, {D, D}, {3, 3}, {4, 4}}, 3,
       {{20002, 3}, {0, 0}, {20077, 4}, {3, 3}, {4, 4}, {20099, 0}}},
      {"a PAINT fill", {{20010, 2}, {20077, 5}, {D, D}, {D, D}, {21002, 65280}, {8, 9}}, 2,
       {{20010, 2}, {20077, 3}, {21002, 65280}, {8, 9}, {20099, 0}}},
      {"a PAINT record left without fills", {{20092, 0}, {20010, 2}, {20077, 3}, {D, D}, {D, D}}, 3,
       {{20092, 0}, {20099, 0}}},
      {"a Multi Line with every point marked, later entries move down",
       {{20002, 3}, {0, 0}, {20077, 4}, {D, D}, {D, D}, {20091, 102}, {20001, 3}, {5, 0}, {20077, 4}, {1, 1}, {2, 2},
        {20092, 0}},
       3, {{20091, 102}, {20001, 3}, {5, 0}, {20077, 4}, {1, 1}, {2, 2}, {20092, 0}, {20099, 0}}},
      // The Poly Line's -7777 pen-up before PackFrom is not awaiting packing.
      {"records before the first mark stay as they are",
       {{20001, 3}, {0, 0}, {20077, 5}, {1, 1}, {D, 0}, {2, 2}, {20002, 3}, {0, 0}, {20077, 6}, {3, 3}, {4, 4},
        {D, D}, {D, D}},
       11, {{20001, 3}, {0, 0}, {20077, 5}, {1, 1}, {D, 0}, {2, 2}, {20002, 3}, {0, 0}, {20077, 4}, {3, 3},
            {4, 4}, {20099, 0}}},
      // A symmetry item's slots hold small numbers that would read as headers one entry at a time.
      {"symmetry items move down whole",
       {{20002, 3}, {0, 0}, {20077, 4}, {D, D}, {D, D}, {20091, -2}, {20090, 4}, {1, 0}, {2, 0}, {20077, 7},
        {10, 10}, {20, 10}, {20, 20}, {0, -1}, {20091, 1}, {20092, 0}},
       3, {{20091, -2}, {20090, 4}, {1, 0}, {2, 0}, {20077, 7}, {10, 10}, {20, 10}, {20, 20}, {0, -1},
           {20091, 1}, {20092, 0}, {20099, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DrawingList list = ListOf(c.list);
    list.PackFrom = static_cast<std::int16_t>(c.packFrom);
    EXPECT_TRUE(PackBad(list));
    EXPECT_EQ(LiveEntries(list), c.packed);
    EXPECT_EQ(list.PackFrom, 0);
    EXPECT_EQ(list.ItemHead, list.NumPoints);
    EXPECT_EQ(list.ItemFirst, list.NumPoints);
    EXPECT_TRUE(ListIsSound(list));
  }
}

TEST(PackBad, KeepsAnOpenRecordOpenAndStopsAtItsEnd) {
  DrawingList list = ListOf({{20002, 3}, {0, 0}, {20077, 6}, {1, 1}, {2, 2}, {D, D}, {D, D}});
  // Stale entries past the end marker that a walk must not read.
  list.G0[8] = 20001;
  list.G1[8] = 0;
  ASSERT_TRUE(list.CreateItem(kTypePaint, 0, 5, 5));
  list.G0[list.NumPoints] = 21004;  // the paint tool writes the colour entry there
  list.G1[list.NumPoints] = 255;
  list.AddPoint(6, 6, kTypePaint);
  list.PackFrom = 5;
  ASSERT_TRUE(PackBad(list));
  EXPECT_TRUE(list.recordOpen());
  EXPECT_EQ(list.ItemHead, 5);
  EXPECT_EQ(list.ItemFirst, 7);
  EXPECT_EQ(list.NumPoints, 8);
  EXPECT_EQ(EntriesOf(list, 5, 8), (std::vector<Entry>{{20010, 2}, {20077, 3}, {21004, 255}, {6, 6}}));
  EXPECT_TRUE(ListIsSound(list));
}

TEST(PackBad, AFrameThatDoesNotFitEndsThePackingWithoutLoopingOrLosingEntries) {
  // The second record's header offset is 0: a walk by it would stand still.
  DrawingList list = ListOf({{20002, 3}, {0, 0}, {20077, 4}, {D, D}, {D, D},
                             {20002, 0}, {20077, 3}, {1, 1}, {2, 2}});
  list.PackFrom = 3;
  EXPECT_FALSE(PackBad(list));
  EXPECT_EQ(list.PackFrom, 0);
  EXPECT_EQ(LiveEntries(list), (std::vector<Entry>{{20002, 0}, {20077, 3}, {1, 1}, {2, 2}, {20099, 0}}));
  EXPECT_EQ(list.ItemHead, list.NumPoints);

  // A last-entry offset that runs past the end marker.
  DrawingList longer = ListOf({{20002, 3}, {0, 0}, {20077, 4}, {D, D}, {D, D}, {20001, 3}, {0, 0}, {20077, 900}});
  longer.PackFrom = 3;
  EXPECT_FALSE(PackBad(longer));
  EXPECT_EQ(longer.NumPoints, 3);
  EXPECT_EQ(longer.G0[3], 20099);
}

// Random valid lists (records of every kind, symmetry changes, Marks, points
// past 20000 as after a zoom) must pack like a plain compaction of the records.
struct BuiltRecord {
  Entries frame;   // header, slots, Begin Data (offset filled in by flatten)
  Entries points;  // points, some deleted
  bool single = false;
};

Entries flatten(const std::vector<BuiltRecord>& recs, bool packed) {
  Entries out;
  for (const auto& r : recs) {
    if (r.single) out.push_back(r.frame[0]);
    Entries pts;
    for (const auto& p : r.points)
      if (!packed || p.first != D) pts.push_back(p);
    if (pts.empty()) continue;
    const int h = int(out.size());
    for (const auto& e : r.frame) out.push_back(e);
    for (const auto& p : pts) out.push_back(p);
    out[h + r.frame.size() - 1].second = float(int(out.size()) - 1 - h);
  }
  return out;
}

TEST(PackBad, RandomListsPackLikeASimpleCompaction) {
  std::mt19937 rng(77);
  auto coord = [&] { return rng() % 10 == 0 ? float(20000 + rng() % 3000) : float(rng() % 800); };
  for (int run = 0; run < 300; ++run) {
    std::vector<BuiltRecord> recs;
    const int count = 1 + int(rng() % 12);
    for (int k = 0; k < count; ++k) {
      BuiltRecord r;
      const int kind = int(rng() % 6);
      if (kind == 0) {
        r.single = true;
        r.frame = {{float(rng() % 2 ? kCodeMark : kCodeSymmetryChg), float(rng() % 300)}};
      } else if (kind == 1) {  // PAINT, live or taken out, with fills as pairs
        r.frame = {{float(rng() % 4 ? kCodePaint : kCodePaint + kCodeOut), 2}, {20077, 0}};
        const int fills = 1 + int(rng() % 4);
        for (int f = 0; f < fills; ++f) {
          const bool gone = rng() % 3 == 0;
          r.points.push_back(gone ? Entry{D, D} : Entry{float(kCodeColour + rng() % 900), float(rng() % 0xFFFFFF)});
          r.points.push_back(gone ? Entry{D, D} : Entry{coord(), coord()});
        }
      } else {  // a shape, with or without a slot; Multi Lines lose pairs
        const int type = int(rng() % 7);
        const bool slot = type <= 2 && rng() % 4 != 0;
        r.frame.push_back({float(kCodeHeader + type), slot ? 3.0f : 2.0f});
        if (slot) r.frame.push_back({float(rng() % 5), 0});
        r.frame.push_back({20077, 0});
        const int n = 1 + int(rng() % 8);
        for (int p = 0; p < n; ++p) r.points.push_back(rng() % 4 == 0 ? Entry{D, D} : Entry{coord(), coord()});
      }
      recs.push_back(r);
    }
    const auto built = flatten(recs, false);
    DrawingList list = ListOf(built);
    ASSERT_TRUE(ListIsSound(list));
    int lowest = 0;
    for (int i = int(built.size()) - 1; i > 0; --i)
      if (built[i].first == D) lowest = i;
    list.PackFrom = static_cast<std::int16_t>(lowest);

    ASSERT_TRUE(PackBad(list)) << "run " << run;
    const Entries expected = flatten(recs, true);
    auto got = LiveEntries(list);
    ASSERT_EQ(got.back(), (Entry{20099, 0}));
    got.pop_back();
    ASSERT_EQ(got, expected) << "run " << run;  // nothing marked: the list as built
    ASSERT_TRUE(ListIsSound(list));
    ASSERT_EQ(list.PackFrom, 0);
  }
}

}  // namespace
}  // namespace orn
