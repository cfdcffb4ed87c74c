#include "symmetry/parts_select.h"

#include <algorithm>
#include <cmath>

#include "model/record_codes.h"
#include "symmetry/replication.h"
#include "symmetry/setup_state.h"
#include "symmetry/sym_records.h"

namespace orn {

namespace {

// Index of the frame just before the end marker when it is a part change
// entry written after the symmetry block, else -1.
int TrailingPartChange(const DrawingList& list, const SymState& sym) {
  FrameWalker walk(list, 0);
  Frame fr, prev;
  bool havePrev = false;
  while (walk.next(fr)) {
    if (fr.kind == FrameKind::End) break;
    if (fr.kind == FrameKind::Malformed) return -1;
    prev = fr;
    havePrev = true;
  }
  if (fr.kind != FrameKind::End || !havePrev) return -1;
  if (prev.kind != FrameKind::Single || list.G0[prev.head] != kCodeSymmetryChg) return -1;
  if (prev.head <= sym.SymEnd) return -1;  // the block's own entries stay
  return prev.head;
}

class PenGuard {
 public:
  explicit PenGuard(Surface& s) : s_(s), c_(s.penColor()), w_(s.penWidth()), m_(s.penMode()) {}
  ~PenGuard() {
    s_.setPenColor(c_);
    s_.setPenWidth(w_);
    s_.setPenMode(m_);
  }

 private:
  Surface& s_;
  Rgb c_;
  int w_;
  PenMode m_;
};

void Outline(Surface& s, const DrawingList& list, int first, int last, Rgb colour) {
  s.setPenColor(colour);
  for (int i = first; i < last - 1; ++i) {
    s.line(toPixel(list.G0[i]), toPixel(list.G1[i]), toPixel(list.G0[i + 1]),
           toPixel(list.G1[i + 1]));
  }
}

}  // namespace

SelectPartResult SelectPart(DrawingList& list, SymState& sym, int index) {
  SelectPartResult r;
  if (index < 0 || index > kMaxParts || list.recordOpen()) return r;
  if (list.NumPoints < 0 || list.NumPoints >= list.size() || list.G0[list.NumPoints] != kCodeEnd)
    return r;

  int at = list.NumPoints;
  int old = sym.CurPart;
  const int replace = TrailingPartChange(list, sym);
  if (replace >= 0) {
    const int v = roundEntry(list.G1[replace]);
    if (v >= 0 && v <= 100 * kMaxParts + kMaxParts) old = v / 100;
    at = replace;
  }
  if (at + 1 > kMaxIndex || !list.ensureIndex(at + 1)) return r;

  list.G0[at] = kCodeSymmetryChg;
  list.G1[at] = static_cast<float>(std::clamp(old, 0, kMaxParts) * 100 + index);
  sym.CurPart = index;
  list.NumPoints = static_cast<std::int16_t>(at + 1);
  list.ItemHead = list.ItemFirst = list.NumPoints;
  list.G0[list.NumPoints] = kCodeEnd;
  list.G1[list.NumPoints] = 0.0f;
  r.tables = CheckSymData(sym, list);
  r.done = true;
  return r;
}

bool PartReferenceShape(const DrawingList& list, const SymState& sym, int& first, int& last) {
  const int p = sym.CurPart;
  if (p < 1 || p > kMaxParts || !sym.SymTablesValid) return false;
  const auto& row = sym.SymGroups[static_cast<std::size_t>(p)];
  if (row[kFirstCopy] < 0 || row[kLastCopy] < row[kFirstCopy]) return false;
  // A part that is not in the block has a row of zeros, like a part of one
  // copy made from the first base shape: the part's first record tells them
  // apart, being the base copy of group p only for a real part.
  SymItem base;
  if (!GetSymItem(list, sym.SymStart + 1 + kSymItemLength * row[kFirstCopy], sym.SymEnd, base) ||
      base.group != -p)
    return false;
  const int ref = row[kRefGeo];
  if (ref < 0 || ref >= list.NumPoints) return false;
  const float code = list.G0[ref];
  if (code != float(kCodeGeometric) && code != float(kCodeGeometric + kCodeOut)) return false;
  const Frame fr = frameAt(list, ref);
  if (fr.kind != FrameKind::Record || fr.last - fr.first < 2) return false;
  first = fr.first;
  last = fr.last;
  return true;
}

void ShowSymme(SymState& sym, DrawContext& ctx, const DrawingList& list, int Index) {
  if (sym.CurPart == 0 || ctx.Picture1 == nullptr) return;
  int first = 0, last = 0;
  if (!PartReferenceShape(list, sym, first, last)) return;
  Surface& s = *ctx.Picture1;
  PenGuard pen(s);
  const auto& row = sym.SymGroups[static_cast<std::size_t>(sym.CurPart)];

  if (Index == 0) {
    s.setPenMode(PenMode::Xor);
    s.setPenWidth(1);
    s.setPenColor(kPartHighlight);
    for (int k = std::max(row[kFirstCopy], 0); k <= std::min(row[kLastCopy], kMaxCopy); ++k) {
      const auto& f = sym.SymData[static_cast<std::size_t>(k)];
      s.box(toPixel(f[kHandleX] - 2), toPixel(f[kHandleY] - 2), toPixel(f[kHandleX] + 2),
            toPixel(f[kHandleY] + 2));
    }
    s.setPenWidth(5);
    Outline(s, list, first, last, kPartHighlight);
    return;
  }

  Outline(s, list, first, last, kBlack);
  const int saved = sym.CurPart;
  sym.CurPart = 0;
  const bool failed = ctx.FillFailed;
  // The centre is rounded to whole pixels, halves to even.
  SymmPaint(sym, ctx, kYellow, std::nearbyint(list.G0[last]), std::nearbyint(list.G1[last]), kBlack,
            FillType::Border);
  sym.CurPart = saved;
  ctx.FillFailed = failed;
  Outline(s, list, first, last, kWhite);
}

}  // namespace orn
