#pragma once
// The part both drawing benchmarks use: a base triangle turned about the
// centre of a 1600 x 1000 canvas in `copies` equal steps, one group.
#include <cmath>
#include <vector>

#include "symmetry/sym_records.h"

namespace orn::bench {

constexpr double kCx = 800, kCy = 500;

inline std::vector<SymItem> RosetteItems(int copies) {
  std::vector<SymItem> items;
  for (int k = 0; k < copies; ++k) {
    const double a = 2 * 3.1415926535 * k / copies;
    auto turn = [a](double x, double y, float& ox, float& oy) {
      ox = float(kCx + x * std::cos(a) - y * std::sin(a));
      oy = float(kCy + x * std::sin(a) + y * std::cos(a));
    };
    SymItem it;
    it.group = k == 0 ? -1 : 1;
    turn(-60, 420, it.P0x, it.P0y);
    turn(60, 420, it.P1x, it.P1y);
    turn(0, -4000, it.P2x, it.P2y);
    items.push_back(it);
  }
  return items;
}

}  // namespace orn::bench
