#include "canvas/page_shape.h"

#include <cmath>
#include <cstdio>

#include "model/leading_number.h"

namespace orn {

namespace {

// A canvas more than this many times as wide as high (or the other way
// round) would have a side of less than a pixel in any window.
constexpr double kMaxRatio = 100.0;

}  // namespace

std::optional<double> PageAspectChoice(int index, int freeW, int freeH) {
  switch (index) {
    case 0: return 0.8;
    case 1: return 1.25;
    case 2: return 1.0;
    case 3:
      if (freeW <= 0 || freeH <= 0) return std::nullopt;
      return double(freeH) / double(freeW);
    default: return std::nullopt;
  }
}

std::string RatioDefaultText(int canvasW, int canvasH) {
  if (canvasH <= 0) return " 0";
  const double hundredths = std::floor(100.0 * canvasW / canvasH);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.15g", hundredths / 100.0);
  std::string text = hundredths < 0 ? "" : " ";
  text += buf;
  return text;
}

std::optional<float> RatioReply(const std::string& reply) {
  const double v = LeadingNumber(reply);
  if (!(v > 0.0) || v > kMaxRatio || v < 1.0 / kMaxRatio) return std::nullopt;
  return static_cast<float>(1.0 / v);
}

}  // namespace orn
