#include "symmetry/working_sym_value.h"

namespace orn {

WorkSymChoice ShowWorkSym(int v, int PartCopies) {
  const int n = PartCopies;
  if (v >= n) {
    // One step down from All lands on the highest number offered.
    if (v > 900 && v < kAllReplicas) return ShowWorkSym(n - 1, n);
    return {kAllReplicas, "All"};
  }
  if (v < 1) return {0, "None"};
  return {v, std::to_string(v)};
}

int PartCopiesOf(const SymState& sym) {
  const int p = sym.CurPart;
  if (p < 1 || p > kMaxParts) return 0;
  const auto& row = sym.SymGroups[static_cast<std::size_t>(p)];
  const int n = row[kLastCopy] - row[kFirstCopy];
  return n > 0 ? n : 0;
}

}  // namespace orn
