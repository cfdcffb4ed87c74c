#include "symmetry/sym_records.h"

#include "symmetry/sym_table.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace orn {

namespace {

int ListSize(const DrawingList& list) {
  return static_cast<int>(std::min(list.G0.size(), list.G1.size()));
}

bool AllFinite(std::initializer_list<float> values) {
  for (float v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

void Put(DrawingList& list, int i, float g0, float g1) {
  list.G0[i] = g0;
  list.G1[i] = g1;
}

}  // namespace

bool IsSymItemHeader(float g0) {
  if (!std::isfinite(g0) || g0 < 20000.0f || g0 > 30000.0f) return false;
  const long code = std::lround(g0) - 20000;
  return code % 100 == 90;
}

SymItem MakeSymItem(const SymState& sym, int k) {
  const auto& f = sym.SymData[k];
  SymItem item;
  item.group = static_cast<int>(std::lround(f[0]));
  item.copyNumber = k;
  // Field 11 holds +-(RefGeo + 2); its sign is the copy's orientation.
  item.RefGeo = static_cast<int>(std::lround(std::fabs(f[11]))) - 2;
  item.reflect = f[11] > 0 ? 0.0f : -1.0f;
  item.P0x = f[3];
  item.P0y = f[4];
  item.P1x = f[5];
  item.P1y = f[6];
  item.handleX = f[1];
  item.handleY = f[2];
  // The apex lies ten times as far from (f9, f10) as (f7, f8) does.
  item.P2x = f[9] + 10.0f * (f[7] - f[9]);
  item.P2y = f[10] + 10.0f * (f[8] - f[10]);
  return item;
}

bool PutSymItem(DrawingList& list, int at, const SymItem& item) {
  if (at < 0 || at + kSymItemLength > ListSize(list)) return false;
  Put(list, at, kSymItemCode, 4.0f);
  Put(list, at + 1, float(item.group), float(item.copyNumber));
  Put(list, at + 2, float(item.RefGeo), item.reflect);
  Put(list, at + 3, kBeginDataCode, 7.0f);
  Put(list, at + 4, item.P0x, item.P0y);
  Put(list, at + 5, item.P1x, item.P1y);
  Put(list, at + 6, item.handleX, item.handleY);
  Put(list, at + 7, item.P2x, item.P2y);
  return true;
}

bool GetSymItem(const DrawingList& list, int at, int end, SymItem& item) {
  if (at < 0 || at + kSymItemLength > end || at + kSymItemLength > ListSize(list)) return false;
  const auto& G0 = list.G0;
  const auto& G1 = list.G1;
  if (!IsSymItemHeader(G0[at])) return false;
  if (G0[at + 3] != kBeginDataCode || G1[at + 3] != 7.0f) return false;
  if (!AllFinite({G0[at + 1], G1[at + 1], G0[at + 2], G1[at + 2]})) return false;
  for (int j = 4; j < kSymItemLength; ++j) {
    if (!AllFinite({G0[at + j], G1[at + j]})) return false;
  }
  // Group numbers and copy numbers are small; anything else is damage.
  if (std::fabs(G0[at + 1]) > 1000.0f || std::fabs(G1[at + 1]) > 30000.0f ||
      std::fabs(G0[at + 2]) > 40000.0f) {
    return false;
  }
  item.group = static_cast<int>(std::lround(G0[at + 1]));
  item.copyNumber = static_cast<int>(std::lround(G1[at + 1]));
  item.RefGeo = static_cast<int>(std::lround(G0[at + 2]));
  item.reflect = G1[at + 2];
  item.P0x = G0[at + 4];
  item.P0y = G1[at + 4];
  item.P1x = G0[at + 5];
  item.P1y = G1[at + 5];
  item.handleX = G0[at + 6];
  item.handleY = G1[at + 6];
  item.P2x = G0[at + 7];
  item.P2y = G1[at + 7];
  return true;
}

bool WriteSymBlock(DrawingList& list, SymState& sym, int at, const std::vector<SymItem>& items,
                   int part) {
  const int n = static_cast<int>(items.size());
  if (n > kMaxCopy + 1 || at < 0 || at + SymBlockLength(n) > ListSize(list) ||
      at + SymBlockLength(n) > kMaxEntries) {
    return false;
  }
  Put(list, at, kSymChangeCode, kSymBlockOpens);
  int i = at + 1;
  for (const SymItem& item : items) {
    PutSymItem(list, i, item);
    i += kSymItemLength;
  }
  Put(list, i, kSymChangeCode, float(part));
  Put(list, i + 1, kMarkCode, 0.0f);
  sym.SymStart = at;
  sym.SymEnd = i;
  InvalidateSymTables(sym);
  return true;
}

bool ReadSymBlock(const DrawingList& list, const SymState& sym, std::vector<SymItem>& items) {
  items.clear();
  if (sym.SymStart == sym.SymEnd) return true;
  if (sym.SymStart < 0 || sym.SymStart > sym.SymEnd || sym.SymEnd >= ListSize(list)) return false;
  for (int i = sym.SymStart + 1; i < sym.SymEnd; i += kSymItemLength) {
    SymItem item;
    if (!GetSymItem(list, i, sym.SymEnd, item)) return false;
    items.push_back(item);
  }
  return true;
}

}  // namespace orn
