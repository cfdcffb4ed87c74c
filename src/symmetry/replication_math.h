#pragma once
// Small numeric helpers of the replication routines: the two roundings they
// use and the conversion to whole pixels.
#include <cmath>

#include "platform/core/surface.h"

namespace orn::repl {

// Nearest whole number, halves to even (the default rounding mode).
inline double RoundEven(double v) { return std::nearbyint(v); }
// Int(v + 0.5): halves rounded up.
inline double RoundUpHalf(double v) { return std::floor(v + 0.5); }

// A pixel coordinate for the Surface, as toPixel gives it: halves to even,
// far values pinned. Inline, since every replicated segment needs four.
inline int Pix(double v) {
  constexpr double kFar = 1 << 29;  // where toPixel starts pinning
  if (v > -kFar && v < kFar) {
    // Adding and taking away 1.5 * 2^52 rounds to a whole number in the
    // current (nearest, halves to even) rounding mode.
    constexpr double kRound = 6755399441055744.0;
    return static_cast<int>((v + kRound) - kRound);
  }
  return toPixel(v);
}

}  // namespace orn::repl
