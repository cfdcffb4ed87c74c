#include "model/record_codes.h"

namespace orn {

const char* recordCodeName(float code) {
  if (code != std::floor(code)) return nullptr;
  switch (static_cast<int>(code)) {
    case kCodeSpline: return "Spline";
    case kCodePolyLine: return "Poly Line";
    case kCodeMultiLine: return "Multi Line";
    case kCodeCircle2: return "2 Pt Circle";
    case kCodeCircle3: return "3 Pt Circle";
    case kCodeArc: return "Arc";
    case kCodeGeometric: return "Geometric";
    case kCodePaint: return "PAINT";
    case kCodeBeginData: return "Begin Data";
    case kCodeSymmetryItem: return "Symmetry Item";
    case kCodeSymmetryChg: return "SYMMETRY CHG ";
    case kCodeMark: return "Mark ";
    case kCodeSpline + kCodeOut: return "OUT Spline";
    case kCodePolyLine + kCodeOut: return "OUT Poly Line";
    case kCodeMultiLine + kCodeOut: return "OUT Multi Line";
    case kCodeCircle2 + kCodeOut: return "OUT 2 Pt Circle";
    case kCodeCircle3 + kCodeOut: return "OUT 3 Pt Circle";
    case kCodeArc + kCodeOut: return "OUT Arc";
    case kCodeGeometric + kCodeOut: return "OUT Geometric";
    case kCodePaint + kCodeOut: return "OUT PAINT";
    case kCodeBeginData + kCodeOut: return "OUT Begin Data";
    case kCodeSymmetryItem + kCodeOut: return "OUT Symmetry Item";
    case kCodeSymmetryChg + kCodeOut: return "OUT SYMMETRY CHG ";
    case kCodeMark + kCodeOut: return "OUT Mark ";
    default: return nullptr;
  }
}

Frame frameAt(const DrawingList& list, int i) {
  Frame f;
  f.head = f.first = f.last = i;
  const int end = list.NumPoints;
  if (i < 0 || i > end || end >= list.size()) return f;  // Malformed

  const float code = list.G0[i];
  if (i == end && !list.recordOpen() && code == kCodeEnd) {
    f.kind = FrameKind::End;
    return f;
  }
  if (isSingleCode(code)) {
    f.kind = FrameKind::Single;
    return f;
  }
  if (!isFramedCode(code)) return f;

  const int firstOffset = roundEntry(list.G1[i]);
  if (firstOffset < 2 || firstOffset > end - i + 1) return f;
  const int first = i + firstOffset;
  if (list.G0[first - 1] != kCodeBeginData) return f;
  const int last = i + roundEntry(list.G1[first - 1]);
  if (last < first - 1 || last > end) return f;
  // The end marker belongs to no record.
  if (last == end && !list.recordOpen()) return f;

  f.kind = FrameKind::Record;
  f.first = first;
  f.last = last;
  f.type = headerType(code);
  return f;
}

bool FrameWalker::next(Frame& out) {
  if (done_) return false;
  out = frameAt(list_, pos_);
  switch (out.kind) {
    case FrameKind::Record:
    case FrameKind::Single:
      pos_ = out.next();
      if (pos_ > list_.NumPoints) done_ = true;  // an open record ends the list
      break;
    case FrameKind::End:
    case FrameKind::Malformed:
      done_ = true;
      break;
  }
  return true;
}

int lastMarkIndex(const DrawingList& list) {
  int found = -1;
  FrameWalker walk(list);
  Frame f;
  while (walk.next(f)) {
    if (f.kind == FrameKind::Single && list.G0[f.head] == kCodeMark) found = f.head;
  }
  return found;
}

std::vector<int> colourEntryIndexes(const DrawingList& list, bool includeOut) {
  std::vector<int> out;
  FrameWalker walk(list);
  Frame f;
  while (walk.next(f)) {
    if (f.kind != FrameKind::Record || f.type != kTypePaint) continue;
    if (!includeOut && list.G0[f.head] != kCodePaint) continue;
    for (int k = f.first; k <= f.last; k += 2) {
      if (list.G0[k] >= kCodeColour) out.push_back(k);
    }
  }
  return out;
}

}  // namespace orn
