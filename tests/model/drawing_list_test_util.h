#pragma once
// Helpers for tests that build drawing lists entry by entry and check them.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/drawing_list.h"
#include "model/record_codes.h"

namespace orn::testing {

using Entry = std::pair<float, float>;

// A list whose entries 0.. are `entries`, followed by the end marker.
inline DrawingList listOf(const std::vector<Entry>& entries) {
  DrawingList list;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    list.ensureIndex(static_cast<int>(i) + 1);
    list.G0[i] = entries[i].first;
    list.G1[i] = entries[i].second;
  }
  const int end = static_cast<int>(entries.size());
  list.G0[end] = kCodeEnd;
  list.G1[end] = 0.0f;
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(end);
  return list;
}

// Entries from..to of the list.
inline std::vector<Entry> entries(const DrawingList& list, int from, int to) {
  std::vector<Entry> out;
  for (int i = from; i <= to; ++i) out.emplace_back(list.G0[i], list.G1[i]);
  return out;
}

// Every entry up to and including NumPoints.
inline std::vector<Entry> liveEntries(const DrawingList& list) { return entries(list, 0, list.NumPoints); }

// The list's invariants: idle with the end marker at NumPoints, or a record
// open whose offsets agree with ItemHead, ItemFirst and NumPoints; every frame
// before the end fits.
inline ::testing::AssertionResult listIsSound(const DrawingList& list) {
  auto fail = [] { return ::testing::AssertionFailure(); };
  if (list.NumPoints < 0 || list.NumPoints >= list.size()) return fail() << "NumPoints " << list.NumPoints;
  if (list.ListCapacity + kSpareEntries + 1 != list.size()) return fail() << "arrays not 10 past capacity";
  if (list.recordOpen()) {
    if (list.G1[list.ItemHead] != list.ItemFirst - list.ItemHead) return fail() << "open header offset wrong";
    if (list.G0[list.ItemFirst - 1] != kCodeBeginData || list.G1[list.ItemFirst - 1] != list.NumPoints - list.ItemHead)
      return fail() << "open Begin Data wrong";
  } else if (list.G0[list.NumPoints] != kCodeEnd || list.G1[list.NumPoints] != 0.0f) {
    return fail() << "no end marker at " << list.NumPoints;
  }
  FrameWalker walk(list);
  Frame f;
  while (walk.next(f))
    if (f.kind == FrameKind::Malformed) return fail() << "malformed frame at " << f.head;
  return ::testing::AssertionSuccess();
}

}  // namespace orn::testing
