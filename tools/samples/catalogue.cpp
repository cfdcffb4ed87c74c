#include "tools/samples/catalogue.h"

namespace orn::samples {

Frame SectorFrame(const Poly& poly, int e) {
  const P a = poly.corner(e), b = poly.corner(e + 1);
  return {poly.centre, poly.mid(e) - poly.centre, (b - a) * 0.5};
}

const std::vector<SampleSpec>& Catalogue() {
  static const std::vector<SampleSpec> all = [] {
    std::vector<SampleSpec> out;
    for (auto group : {Patterns, Roses, Drawings, Models})
      for (SampleSpec& s : group()) out.push_back(std::move(s));
    return out;
  }();
  return all;
}

}  // namespace orn::samples
