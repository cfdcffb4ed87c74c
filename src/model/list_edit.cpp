#include "model/list_edit.h"

#include <algorithm>

#include "model/record_codes.h"

namespace orn {

namespace {

void copyEntry(DrawingList& list, int from, int to) {
  list.G0[to] = list.G0[from];
  list.G1[to] = list.G1[from];
}

void writeEnd(DrawingList& list, int at) {
  list.G0[at] = kCodeEnd;
  list.G1[at] = 0.0f;
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(at);
}

// Packs the record of frame f down to w. Returns the next write position, and
// sets `dropped` when no point of the record survived.
int packRecord(DrawingList& list, const Frame& f, int w, bool& dropped) {
  const int nh = w;
  // Header, parameter slots and "Begin Data" are never marked.
  for (int r = f.head; r < f.first; ++r) copyEntry(list, r, w++);
  const int nfirst = w;
  for (int r = f.first; r <= f.last; ++r) {
    if (list.G0[r] != kDeletedPoint) copyEntry(list, r, w++);
  }
  list.G1[nfirst - 1] = static_cast<float>((w - 1) - nh);
  dropped = w - 1 < nfirst;
  return dropped ? nh : w;
}

}  // namespace

bool PackBad(DrawingList& list) {
  int start = 0;
  if (list.PackFrom > 0) {
    if (const auto span = list.SeekShape(list.PackFrom)) start = span->header;
  }
  list.PackFrom = 0;

  const bool open = list.recordOpen();
  const int openHead = list.ItemHead;
  const int end = list.NumPoints;
  int r = start;
  int w = start;
  for (;;) {
    const Frame f = frameAt(list, r);
    switch (f.kind) {
      case FrameKind::End:
        writeEnd(list, w);
        return true;
      case FrameKind::Single:
        copyEntry(list, r++, w++);
        break;
      case FrameKind::Record: {
        const int nh = w;
        bool dropped = false;
        w = packRecord(list, f, w, dropped);
        if (open && f.head == openHead) {
          // The open record ends the list; it stays open unless it lost
          // every point.
          if (dropped) {
            writeEnd(list, nh);
          } else {
            list.ItemHead = static_cast<std::int16_t>(nh);
            list.ItemFirst = static_cast<std::int16_t>(nh + (f.first - f.head));
            list.NumPoints = static_cast<std::int16_t>(w - 1);
          }
          return true;
        }
        r = f.last + 1;
        break;
      }
      case FrameKind::Malformed: {
        // Nothing past here can be trusted to have a frame: move the rest
        // down unchanged.
        const int shift = r - w;
        for (int k = r; k <= end; ++k) copyEntry(list, k, k - shift);
        list.NumPoints = static_cast<std::int16_t>(end - shift);
        if (open && openHead >= r) {
          list.ItemHead = static_cast<std::int16_t>(list.ItemHead - shift);
          list.ItemFirst = static_cast<std::int16_t>(list.ItemFirst - shift);
        } else {
          list.ItemHead = list.ItemFirst = list.NumPoints;
        }
        return false;
      }
    }
  }
}

namespace {

// Appends a point to the open record as it stands, without the repeat rule
// (the room has been checked beforehand).
void appendPoint(DrawingList& list, float x, float y) {
  const int next = list.NumPoints + 1;
  if (next > list.ListCapacity) list.BiggerArrays();
  list.NumPoints = static_cast<std::int16_t>(next);
  list.G0[next] = x;
  list.G1[next] = y;
  list.G1[list.ItemFirst - 1] = static_cast<float>(list.NumPoints - list.ItemHead);
}

// Entries a piece of n points takes: header, slot, "Begin Data", the first
// point twice, then the rest.
int pieceEntries(int n) { return 3 + n + 1; }

// Makes a Poly Line of the points from..to of the record at span, closes it
// and draws it.
void makePiece(DrawingList& list, const ShapeSpan& span, int from, int to, ListEditHooks& hooks) {
  list.CreateItem(kTypePolyLine, 1, list.G0[from], list.G1[from]);
  hooks.setDrawCursor();
  for (int i = from; i <= to; ++i) appendPoint(list, list.G0[i], list.G1[i]);
  hooks.plotPiece(list, list.ItemFirst, list.NumPoints);
  list.G1[list.ItemFirst - 1] = static_cast<float>(list.NumPoints - list.ItemHead);
  // The piece keeps the split record's parameter slot, when it has one.
  if (span.first - span.header >= 3) copyEntry(list, span.header + 1, list.ItemHead + 1);
  list.closeRecord();
}

}  // namespace

bool SplitRun(DrawingList& list, const PickState& pick, ListEditHooks& hooks) {
  if (list.recordOpen()) return false;
  const int lo = std::min(pick.SplitPick1, pick.SplitPick2);
  const int hi = std::max(pick.SplitPick1, pick.SplitPick2);
  const auto span = list.SeekShape(hi);
  if (!span || lo < span->first || hi > span->last) return false;

  const bool before = span->first != lo;
  const bool after = span->last != hi;
  int need = list.NumPoints;
  if (before) need += pieceEntries(lo - span->first + 1);
  if (after) need += pieceEntries(span->last - hi + 1);
  if (need > kMaxIndex) return false;

  if (before) makePiece(list, *span, span->first, lo, hooks);

  const int eraseFrom = span->first == lo ? lo : lo + 1;
  const int eraseTo = span->last == hi ? hi : hi - 1;
  for (int i = eraseFrom; i <= eraseTo; ++i) hooks.erasePointBox(list.G0[i], list.G1[i]);

  if (after) makePiece(list, *span, hi, span->last, hooks);
  return true;
}

bool DupShapes(DrawingList& list, PickState& pick) {
  if (list.recordOpen()) return false;
  const int head = pick.HitHeader;
  const int last = pick.HitEnd;
  const int oldEnd = list.NumPoints;
  if (head < 0 || last < head || last >= oldEnd) return false;
  // Only a whole record is copied: a part of one would leave a broken frame.
  const Frame f = frameAt(list, head);
  if (f.kind != FrameKind::Record || f.last != last) return false;
  const int newEnd = oldEnd + (last - head + 1);
  if (newEnd > kMaxIndex) return false;
  while (newEnd > list.ListCapacity) list.BiggerArrays();

  pick.DupIndex = pick.HitHeader;
  int w = oldEnd;
  for (int r = head; r <= last; ++r) copyEntry(list, r, w++);
  writeEnd(list, w);

  const int d = oldEnd - head;
  pick.HitEnd = static_cast<std::int16_t>(w - 1);
  pick.HitHeader = static_cast<std::int16_t>(oldEnd);
  pick.HitIndex = static_cast<std::int16_t>(pick.HitIndex + d);
  pick.HitBegin = static_cast<std::int16_t>(pick.HitBegin + d);
  return true;
}

namespace {

// Before Mark and Undo to Mark: no pending deletions and no open record.
bool settleList(DrawingList& list, ListEditHooks& hooks) {
  if (list.PackFrom > 0) PackBad(list);
  if (list.recordOpen()) {
    hooks.closeOpenRecord(list);
    if (list.recordOpen()) list.closeRecord();
  }
  return !list.recordOpen();
}

}  // namespace

bool Mark(DrawingList& list, ListEditHooks& hooks) {
  if (!settleList(list, hooks)) return false;
  const int at = list.NumPoints;
  const int next = at + 1;
  if (next > kMaxIndex) return false;
  if (next > list.ListCapacity) list.BiggerArrays();
  list.G0[at] = kCodeMark;
  list.G1[at] = 0.0f;
  writeEnd(list, next);
  return true;
}

bool UndoToMark(DrawingList& list, ListEditHooks& hooks) {
  if (!settleList(list, hooks)) return false;
  const int mark = lastMarkIndex(list);
  if (mark < 0) return false;
  writeEnd(list, mark + 1);
  hooks.drawAll();
  return true;
}

}  // namespace orn
