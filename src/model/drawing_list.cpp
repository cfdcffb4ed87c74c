#include "model/drawing_list.h"

#include <algorithm>
#include <cmath>

#include "model/record_codes.h"

namespace orn {

DrawingList::DrawingList()
    : G0(kInitialCapacity + kSpareEntries + 1, 0.0f), G1(kInitialCapacity + kSpareEntries + 1, 0.0f) {
  reset();
}

void DrawingList::reset() {
  if (G0.empty()) {
    G0.assign(ListCapacity + kSpareEntries + 1, 0.0f);
    G1.assign(ListCapacity + kSpareEntries + 1, 0.0f);
  }
  G0[0] = kCodeEnd;
  G1[0] = 0.0f;
  NumPoints = ItemHead = ItemFirst = 0;
  PackFrom = 0;
}

void DrawingList::BiggerArrays() {
  ListCapacity += kGrowStep + kSpareEntries;
  G0.resize(static_cast<std::size_t>(ListCapacity) + 1, 0.0f);
  G1.resize(static_cast<std::size_t>(ListCapacity) + 1, 0.0f);
  ListCapacity -= kSpareEntries;
}

bool DrawingList::replaceWith(const std::vector<float>& g0, const std::vector<float>& g1) {
  const int end = static_cast<int>(g0.size()) - 1;
  if (end < 0 || end > kMaxIndex || g1.size() != g0.size()) return false;
  reset();
  while (end > ListCapacity) BiggerArrays();
  std::copy(g0.begin(), g0.end(), G0.begin());
  std::copy(g1.begin(), g1.end(), G1.begin());
  NumPoints = ItemHead = ItemFirst = static_cast<std::int16_t>(end);
  return true;
}

bool DrawingList::ensureIndex(int i) {
  if (i < 0 || i > kMaxIndex) return false;
  while (i >= size()) BiggerArrays();
  return true;
}

bool DrawingList::CreateItem(int type, int nParams, float x, float y) {
  if (recordOpen()) return false;
  if (type < 0 || type > 999 || nParams < 0 || nParams > 8) return false;
  const int head = NumPoints;
  const int first = head + nParams + 2;
  // The record is written over the end marker and reaches up to its first
  // point; make sure all of it fits before touching anything.
  if (!ensureIndex(first)) return false;

  G0[head] = static_cast<float>(kCodeHeader + type);
  G1[head] = 0.0f;
  for (int k = 1; k <= nParams; ++k) {
    G0[head + k] = 0.0f;
    G1[head + k] = 0.0f;
  }
  G0[first - 1] = kCodeBeginData;
  G0[first] = x;
  G1[first] = y;
  G1[head] = static_cast<float>(first - head);
  G1[first - 1] = static_cast<float>(first - head);
  ItemHead = static_cast<std::int16_t>(head);
  ItemFirst = static_cast<std::int16_t>(first);
  NumPoints = static_cast<std::int16_t>(first);
  return true;
}

bool DrawingList::AddPoint(float x, float y, int curDrawType) {
  if (!recordOpen() || NumPoints < 1) return false;
  const bool same = x == G0[NumPoints - 1] && y == G1[NumPoints - 1];
  const bool exempt = curDrawType == kTypePaint ||
                      (curDrawType == kTypeMultiLine && (NumPoints - ItemFirst) % 2 == 0);
  if (!same || exempt) {
    const int next = NumPoints + 1;
    if (next > kMaxIndex) return false;
    if (next > ListCapacity) BiggerArrays();
    ensureIndex(next);
    NumPoints = static_cast<std::int16_t>(next);
    G0[next] = x;
    G1[next] = y;
  }
  G1[ItemFirst - 1] = static_cast<float>(NumPoints - ItemHead);
  return true;
}

bool DrawingList::DelLastPt() {
  if (!recordOpen() || NumPoints <= ItemFirst) return false;
  G0[NumPoints] = 0.0f;
  G1[NumPoints] = 0.0f;
  --NumPoints;
  G1[ItemFirst - 1] = static_cast<float>(NumPoints - ItemHead);
  return true;
}

bool DrawingList::closeRecord() {
  if (!recordOpen()) return false;
  const int end = NumPoints + 1;
  if (end > kMaxIndex) return false;
  if (end > ListCapacity) BiggerArrays();
  ensureIndex(end);
  NumPoints = ItemHead = ItemFirst = static_cast<std::int16_t>(end);
  G0[end] = kCodeEnd;
  G1[end] = 0.0f;
  return true;
}

std::optional<ShapeSpan> DrawingList::SeekShape(int i) const {
  if (i < 1 || i > NumPoints || i >= size()) return std::nullopt;

  // Walk the frames from the start and keep the last record whose first point
  // is at or before i.
  std::optional<ShapeSpan> found;
  FrameWalker walk(*this, 0);
  Frame f;
  while (walk.next(f) && f.head < i) {
    if (f.kind == FrameKind::Record && f.first <= i) found = ShapeSpan{f.head, f.first, f.last, f.type};
  }
  if (f.kind != FrameKind::Malformed || f.head >= i) return found;

  // Past a frame that does not fit, fall back to searching backwards: to the
  // nearest "Begin Data", then to the header before it, and accept what is
  // found only when its frame checks out.
  int j = i - 1;
  while (j >= 0 && G0[j] != kCodeBeginData) --j;
  int k = j - 1;
  while (k >= 0 && G0[k] < kCodeHeader) --k;
  if (k < 0) return std::nullopt;
  const Frame g = frameAt(*this, k);
  if (g.kind == FrameKind::Record && g.first == j + 1) return ShapeSpan{g.head, g.first, g.last, g.type};
  return std::nullopt;
}

Rgb PtMarkColor(float fillRgb) {
  long c = std::isfinite(fillRgb) ? std::lrint(fillRgb) : 0;
  c &= 0xFFFFFF;
  const long r = c % 256;
  const long g = (c / 256) % 256;
  const long b = (c / 65536) % 256;
  return (r + g + b) / 3.0 < 128.0 ? Rgb{0xFFFF00} : Rgb{0xFF0000};
}

void DispPtMark(const DrawingList& list, int HitIndex, Surface& surface) {
  if (HitIndex < 1 || HitIndex > list.NumPoints || HitIndex >= list.size()) return;
  const float x = list.G0[HitIndex];
  const float y = list.G1[HitIndex];
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  const Rgb old = surface.penColor();
  surface.setPenColor(PtMarkColor(list.G1[HitIndex - 1]));
  surface.box(toPixel(x - 1.0f), toPixel(y - 1.0f), toPixel(x + 1.0f), toPixel(y + 1.0f));
  surface.setPenColor(old);
}

}  // namespace orn
