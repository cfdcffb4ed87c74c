#include "symmetry/setup_capture.h"

#include <cmath>
#include <utility>

#include "model/record_codes.h"
#include "symmetry/sym_records.h"

namespace orn {

bool CaptureEdge(SymState& sym, std::span<const float> X, std::span<const float> Y, int i,
                 int first, int last) {
  const int size = static_cast<int>(std::min(X.size(), Y.size()));
  if (i < 1 || i > last || last >= size || first < 0) return false;
  if (sym.SymCount >= kMaxSetupCopies) {
    sym.CaptureOverflow = true;
    return false;
  }
  const int c = ++sym.SymCount;
  auto& f = sym.SymData[static_cast<std::size_t>(c)];
  f.fill(0.0f);
  f[kGroup] = 0;
  f[kEdgeP0x] = X[i - 1];
  f[kEdgeP0y] = Y[i - 1];
  f[kEdgeP1x] = X[i];
  f[kEdgeP1y] = Y[i];
  f[kCentreX] = X[last];
  f[kCentreY] = Y[last];
  f[kOrient] = static_cast<float>(first);
  DeriveEdgePoints(f);
  return true;
}

void DeriveEdgePoints(std::array<float, kSymFields>& f) {
  f[kMidX] = (f[kEdgeP0x] + f[kEdgeP1x]) / 2;
  f[kMidY] = (f[kEdgeP0y] + f[kEdgeP1y]) / 2;
  f[kMatchX] = (f[kMidX] + f[kCentreX]) / 2;
  f[kMatchY] = (f[kMidY] + f[kCentreY]) / 2;
}

int GeometricRunEnd(const DrawingList& list) {
  FrameWalker walk(list, 0);
  Frame fr;
  int end = 0;
  while (walk.next(fr)) {
    if (fr.kind != FrameKind::Record || list.G0[fr.head] != float(kCodeGeometric)) break;
    end = fr.next();
  }
  return end;
}

int CaptureLeadingShapes(SymState& sym, const DrawingList& list) {
  sym.SymCount = 0;
  sym.CaptureOverflow = false;
  const std::span<const float> X(list.G0), Y(list.G1);
  FrameWalker walk(list, 0);
  Frame fr;
  while (walk.next(fr)) {
    if (fr.kind != FrameKind::Record || list.G0[fr.head] != float(kCodeGeometric)) break;
    for (int j = fr.first + 1; j <= fr.last - 1; ++j) CaptureEdge(sym, X, Y, j, fr.first, fr.last);
  }
  return sym.SymCount;
}

void SwapSetupCopies(SymState& sym, int a, int b) {
  if (a == b) return;
  std::swap(sym.SymData[static_cast<std::size_t>(a)], sym.SymData[static_cast<std::size_t>(b)]);
}

bool MatchSymRecords(SetupState& setup, SymState& sym, const DrawingList& list) {
  if (sym.SymStart == sym.SymEnd) return true;
  for (int at = sym.SymStart + 1; at < sym.SymEnd; at += kSymItemLength) {
    SymItem item;
    if (!GetSymItem(list, at, sym.SymEnd, item)) return false;
    const int g = std::abs(item.group);
    if (g < 1 || g > kMaxGroups) return false;
    for (int c = setup.SymActive + 1; c <= sym.SymCount; ++c) {
      const auto& f = sym.SymData[static_cast<std::size_t>(c)];
      if (std::fabs(item.handleX - f[kMatchX]) < 0.001f &&
          std::fabs(item.handleY - f[kMatchY]) < 0.001f) {
        setup.SymActive += 1;
        SwapSetupCopies(sym, c, setup.SymActive);
        auto& m = sym.SymData[static_cast<std::size_t>(setup.SymActive)];
        m[kGroup] = static_cast<float>(item.group);
        if (item.reflect != 0) m[kOrient] = -m[kOrient];
        break;
      }
    }
    setup.GroupCounts[static_cast<std::size_t>(g)] += 1;
  }
  return true;
}

void SymClear(SetupState& setup, SymState& sym) {
  for (int c = 1; c <= sym.SymCount; ++c) {
    auto& f = sym.SymData[static_cast<std::size_t>(c)];
    f[kGroup] = 0;
    f[kOrient] = std::fabs(f[kOrient]);
  }
  for (int g = 1; g <= kMaxGroups; ++g) setup.GroupCounts[static_cast<std::size_t>(g)] = 0;
  setup.SymActive = 0;
}

int OfferedGroupChoices(bool ShowGeoNumbers, bool secondPartLabelVisible) {
  if (ShowGeoNumbers) return kMaxGroups;
  return secondPartLabelVisible ? 2 : 1;
}

}  // namespace orn
