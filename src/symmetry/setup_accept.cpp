#include "symmetry/setup_accept.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/record_codes.h"
#include "symmetry/setup_capture.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"

namespace orn {

namespace {

struct Entry {
  float g0;
  float g1;
};

// The drawing after `from` up to NumPoints, frame by frame, with no Mark
// standing right after another: Marks at its start are left out (the block's
// own Mark, or the one that follows the base shapes, takes their place), and
// a run of Marks further on keeps one. It always ends with an end marker. A
// damaged frame ends the frame walk; the entries from there are kept as they
// are.
std::vector<Entry> ParkTail(const DrawingList& list, int from) {
  std::vector<Entry> tail;
  const int n = list.NumPoints;
  if (from > n) return {{float(kCodeEnd), 0.0f}};
  bool afterMark = true;
  FrameWalker walk(list, from);
  Frame fr;
  int copied = from;
  while (walk.next(fr)) {
    if (fr.kind == FrameKind::Malformed) break;
    const bool mark = fr.kind == FrameKind::Single && list.G0[fr.head] == kMarkCode;
    if (!(afterMark && mark)) {
      for (int j = fr.head; j <= fr.last; ++j) tail.push_back({list.G0[j], list.G1[j]});
    }
    afterMark = mark;
    copied = fr.last + 1;
  }
  for (int j = copied; j <= n; ++j) tail.push_back({list.G0[j], list.G1[j]});
  if (tail.empty() || tail.back().g0 != float(kCodeEnd)) tail.push_back({float(kCodeEnd), 0.0f});
  return tail;
}

}  // namespace

std::vector<int> GroupWriteOrder(SymState& sym, int g) {
  std::vector<int> order;
  if (g < 1 || g > kMaxGroups) return order;
  const int count = std::min(sym.SymCount, kMaxSetupCopies);
  const float base = static_cast<float>(-g), member = static_cast<float>(g);
  int baseCopy = 0;
  for (int k = 1; k <= count && baseCopy == 0; ++k)
    if (sym.SymData[static_cast<std::size_t>(k)][kGroup] == base) baseCopy = k;
  if (baseCopy == 0) {
    for (int k = 1; k <= count && baseCopy == 0; ++k)
      if (sym.SymData[static_cast<std::size_t>(k)][kGroup] == member) baseCopy = k;
    if (baseCopy == 0) return order;
    // The promoted member is the new base cell: mirroring is relative to it.
    if (sym.SymData[static_cast<std::size_t>(baseCopy)][kOrient] <= 0) {
      for (int k = 1; k <= count; ++k) {
        auto& f = sym.SymData[static_cast<std::size_t>(k)];
        if (f[kGroup] == member) f[kOrient] = -f[kOrient];
      }
    }
    sym.SymData[static_cast<std::size_t>(baseCopy)][kGroup] = base;
  }
  order.push_back(baseCopy);
  for (int k = 1; k <= count; ++k) {
    auto& f = sym.SymData[static_cast<std::size_t>(k)];
    if (k == baseCopy) continue;
    if (f[kGroup] == base) f[kGroup] = member;  // only one base per group
    if (f[kGroup] == member) order.push_back(k);
  }
  return order;
}

AcceptOutcome AcceptSymmetry(SetupState& setup, SymState& sym, DrawingList& list) {
  AcceptOutcome out;
  const int runEnd = GeometricRunEnd(list);
  if (runEnd == 0) {
    out.result = AcceptResult::NoGeometry;
    return out;
  }
  // The block goes where the old one stood, else right after the base shapes.
  const bool hadBlock = sym.SymStart != sym.SymEnd && sym.SymStart >= runEnd &&
                        sym.SymEnd > sym.SymStart && sym.SymEnd <= list.NumPoints;
  const int at = hadBlock ? sym.SymStart : runEnd;
  const int tailFrom = hadBlock ? sym.SymEnd + 1 : runEnd;

  // A copy of the table, so that a refused write leaves the set-up as it was.
  SymState work = sym;
  std::vector<SymItem> items;
  std::array<bool, kMaxGroups + 1> shown{};
  std::array<int, kMaxGroups + 1> refGeo{};
  for (int g = 1; g <= kMaxGroups; ++g) {
    const std::vector<int> order = GroupWriteOrder(work, g);
    if (order.empty()) continue;
    shown[static_cast<std::size_t>(g)] = true;
    for (int k : order) items.push_back(MakeSymItem(work, k));
    refGeo[static_cast<std::size_t>(g)] = items[items.size() - order.size()].RefGeo;
  }

  const std::vector<Entry> tail = ParkTail(list, tailFrom);
  const int blockLength = items.empty() ? 1 : SymBlockLength(static_cast<int>(items.size()));
  const long lastIndex = long(at) + blockLength + static_cast<long>(tail.size()) - 1;
  if (lastIndex > kMaxIndex || !list.ensureIndex(static_cast<int>(lastIndex))) {
    out.result = AcceptResult::TooLong;
    return out;
  }

  sym.SymData = work.SymData;
  int i = at;
  if (items.empty()) {
    list.G0[i] = kMarkCode;
    list.G1[i] = 0.0f;
    sym.SymStart = sym.SymEnd = 0;
    InvalidateSymTables(sym);
    ++i;
  } else {
    WriteSymBlock(list, sym, at, items, setup.CurSymType);
    i = at + blockLength;
  }
  for (const Entry& e : tail) {
    list.G0[i] = e.g0;
    list.G1[i] = e.g1;
    ++i;
  }
  list.NumPoints = static_cast<std::int16_t>(i - 1);
  list.ItemHead = list.ItemFirst = list.NumPoints;
  if (list.PackFrom > 0) list.PackFrom = static_cast<std::int16_t>(std::min<int>(at, list.PackFrom));

  setup.HasBaseGroup = !items.empty();
  sym.CurPart = setup.HasBaseGroup ? std::clamp(setup.CurSymType, 0, kMaxGroups) : 0;
  sym.GeoCapture = 0;
  InvalidateSymTables(sym);
  out.partShown = shown;
  out.partRefGeo = refGeo;
  return out;
}

std::optional<std::array<float, 6>> SymRangeFrame(const DrawingList& list, int canvasWidth,
                                                   int canvasHeight) {
  double minX = 30000, minY = 30000, maxX = -30000, maxY = -30000;
  bool any = false;
  FrameWalker walk(list, 0);
  Frame fr;
  while (walk.next(fr)) {
    if (fr.kind != FrameKind::Record || list.G0[fr.head] != float(kCodeGeometric)) break;
    for (int j = fr.first; j <= fr.last; ++j) {
      const double x = list.G0[j], y = list.G1[j];
      if (!std::isfinite(x) || !std::isfinite(y)) continue;
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
      any = true;
    }
  }
  if (!any || maxX <= minX || maxY <= minY || canvasWidth < 2 || canvasHeight < 2) return {};
  const double dx = (maxX - minX) / 20, dy = (maxY - minY) / 20;
  minX -= dx;
  maxX += dx;
  minY -= dy;
  maxY += dy;
  const double sx = (canvasWidth - 1) / (maxX - minX);
  const double sy = (canvasHeight - 1) / (maxY - minY);
  if (sy < sx) {
    const double w = (canvasWidth - 1) / sy;
    const double e = (w - (maxX - minX)) / 2;
    minX -= e;
    maxX += e;
  }
  return std::array<float, 6>{float(minX), float(minY), float(maxX), float(minY), float(maxX),
                              float(maxY)};
}

}  // namespace orn
