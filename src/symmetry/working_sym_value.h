#pragma once
// Working symmetry: how many replicas of the current part lines are drawn
// into while drawing (1000 all, 0 none). The values offered for a part of n
// replicas are 0 ("None"), 1 .. n - 1 and 1000 ("All").
#include <string>

#include "symmetry/sym_state.h"

namespace orn {

struct WorkSymChoice {
  int value = kAllReplicas;  // the value the chooser settles on
  std::string label;         // "All", "None" or the number
};

// The offered value for a chooser set to v with n = PartCopies replicas: a
// value from n up snaps to All, except one step down from All (901..999),
// which lands on n - 1.
WorkSymChoice ShowWorkSym(int v, int PartCopies);

// Replicas of the current part: last copy - first copy of its group (0 when
// no part is selected or the part is out of range).
int PartCopiesOf(const SymState& sym);

}  // namespace orn
